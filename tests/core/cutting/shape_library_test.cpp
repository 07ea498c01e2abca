#include "cutting/ShapeLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cutting/PictureShape.h"
#include "raster/MetafileRaster.h"
#include "support/ByteEdits.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::PutU32;

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
    const testing::ByteEdit cases[] = {
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
    for (const testing::ByteEdit& c : cases) {
        std::vector<uint8_t> bytes = EncodeShapeLibrary(TwoShapes());
        c.edit(bytes);
        Result<ShapeLibrary> read = DecodeShapeLibrary(bytes);
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_NE(read.error().find(c.error), std::string::npos) << c.what << ": " << read.error();
    }
    EXPECT_FALSE(LoadShapeLibrary("/nonexistent/pic_kirvo.dat").ok());
}

// White pixels that a flood from the canvas edge does not reach: holes in a silhouette.
int HolesAfterDrawing(const Metafile& shape, int width, int height)
{
    constexpr uint32_t kWhite = 0xFFFFFF, kInk = 0x800000, kOutside = 0x00FF00;
    TPixelBuffer canvas;
    PixCreate24(canvas, width + 2, height + 2);
    PixFillRect(canvas, 0, 0, canvas.width, canvas.height, kWhite);
    Metafile inked = shape;
    RecolourShape(inked, kInk);
    DrawMetafile(canvas, inked, 1, 1, width, height);
    PixFloodFill(canvas, 0, 0, kOutside);
    int holes = 0;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            holes += PixGetPixel(canvas, x, y) == kWhite;
    return holes;
}

TEST(ShapeLibrary, OurLibraryHoldsSolidShapesOfTheirDesignSize)
{
    Result<ShapeLibrary> library = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY);
    ASSERT_TRUE(library.ok()) << library.error();
    const std::vector<LibraryShape>& shapes = library.value().shapes;
    ASSERT_GE(shapes.size(), 24u);
    for (size_t i = 0; i < shapes.size(); ++i) {
        const LibraryShape& entry = shapes[i];
        Result<Metafile> shape = LoadMetafile(entry.data);
        ASSERT_TRUE(shape.ok()) << i << ": " << shape.error();
        EXPECT_EQ(ReadMetafileHeader(shape.value()).bounds, (MetafileRect{0, 0, entry.designWidth, entry.designHeight})) << i;
        EXPECT_GE(std::min(entry.designWidth, entry.designHeight), 40) << i;
        EXPECT_LE(std::max(entry.designWidth, entry.designHeight), 120) << i;
        for (int size : {40, 100, 150})
            EXPECT_EQ(HolesAfterDrawing(shape.value(), size, size), 0) << "shape " << i << " at " << size;
    }
    EXPECT_EQ(DecodeShapeLibrary(EncodeShapeLibrary(library.value())).value().shapes, shapes);
}

}  // namespace
}  // namespace kirvo
