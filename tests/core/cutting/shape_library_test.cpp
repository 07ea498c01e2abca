#include "cutting/ShapeLibrary.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(value >> (8 * i));
}

ShapeLibrary TwoShapes()
{
    ShapeLibrary library;
    library.shapes.push_back({{1, 2, 3, 4, 5, 6, 7, 8}, 100, 80, true, false});
    library.shapes.push_back({{9, 10, 11, 12}, 64, 120, false, true});
    return library;
}

TEST(ShapeLibrary, EncodesTheDirectoryAndReadsBackEveryShape)
{
    std::vector<uint8_t> bytes = EncodeShapeLibrary(TwoShapes());
    ASSERT_EQ(bytes.size(), 12u + 2 * 40 + 12);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "BJ61DAT ");
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[12], 92);       // first shape's offset
    EXPECT_EQ(bytes[12 + 32], 1);   // may be mirrored top to bottom
    EXPECT_EQ(bytes[52], 100);      // second shape's offset
    EXPECT_EQ(bytes[52 + 33], 1);   // may be mirrored left to right

    testing::TempFolder folder;
    std::string path = folder.Path() + kShapeLibraryFile;
    ASSERT_TRUE(WriteShapeLibrary(path, TwoShapes()).ok());
    Result<ShapeLibrary> read = LoadShapeLibrary(path);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value().shapes, TwoShapes().shapes);
}

TEST(ShapeLibrary, BrokenFilesAreRefusedWithTheirFault)
{
    using Edit = std::function<void(std::vector<uint8_t>&)>;
    struct Case {
        const char* what;
        Edit edit;
        std::string error;
    } cases[] = {
        {"wrong magic", [](auto& b) { b[7] = '_'; }, "Invalid DAT file!"},
        {"shorter than the magic", [](auto& b) { b.resize(5); }, "Invalid DAT file!"},
        {"no count", [](auto& b) { b.resize(10); }, "no shape count"},
        {"negative count", [](auto& b) { PutU32(b, 8, 0xFFFFFFFF); }, "no shape count"},
        {"directory past the end", [](auto& b) { PutU32(b, 8, 3); }, "directory of 3 shapes runs past the end"},
        {"giant count", [](auto& b) { PutU32(b, 8, 0x7FFFFFFF); }, "runs past the end"},
        {"offset past the end", [](auto& b) { PutU32(b, 52, 101); }, "shape 1 (4 bytes at 101) lies past the end"},
        {"size past the end", [](auto& b) { PutU32(b, 16, 13); }, "shape 0 (13 bytes at 92)"},
        {"offset and size that wrap", [](auto& b) { PutU32(b, 52, 0xFFFFFFF0); PutU32(b, 56, 0x20); }, "shape 1"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = EncodeShapeLibrary(TwoShapes());
        c.edit(bytes);
        Result<ShapeLibrary> read = DecodeShapeLibrary(bytes);
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_NE(read.error().find(c.error), std::string::npos) << c.what << ": " << read.error();
    }
    EXPECT_FALSE(LoadShapeLibrary("/nonexistent/pic_kirvo.dat").ok());
}

}  // namespace
}  // namespace kirvo
