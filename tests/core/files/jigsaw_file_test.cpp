#include "files/JigsawFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/ByteReader.h"
#include "files/JigsawWriter.h"
#include "game/Descriptor.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes BitmapFile(int width, int height, uint32_t colour)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    PixFillRect(buffer, 0, 0, width, height, colour);
    return PixEncodeBmp(buffer);
}

// A grey JFIF JPEG.
Bytes JpegFile(int width, int height)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    PixFillRect(buffer, 0, 0, width, height, MakeColour(128, 128, 128));
    return PixEncodeJpeg(buffer, 90);
}

// The same JPEG with its first segment marked APP1, as an Exif file starts.
Bytes ExifFile(int width, int height)
{
    Bytes jpeg = JpegFile(width, height);
    jpeg[3] = 0xE1;
    return jpeg;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

struct Parts {
    int32_t width = 6;
    int32_t height = 4;
    uint8_t tag = 0x9C;
    Bytes preview = BitmapFile(3, 2, 0x00FF0000);
    Bytes info = Text("\xEF\xBB\xBFTitle\r\nBy someone\r\n");
    Bytes picture = BitmapFile(6, 4, 0x00123456);

    JigsawParts View() const { return {width, height, tag, preview, info, picture}; }
    Bytes Encode() const { return EncodeJigsawFile(View()); }
};

void ExpectFailure(const Result<JigsawFile>& read, const std::string& problem)
{
    ASSERT_FALSE(read) << "expected: " << problem;
    EXPECT_EQ(read.error().rfind("Invalid jigsaw file: ", 0), 0u) << read.error();
    EXPECT_NE(read.error().find(problem), std::string::npos) << read.error();
}

TEST(JigsawFile, PreviewKindAndJfifLookAtTheFirstBytesOnly)
{
    struct Case {
        Bytes bytes;
        PreviewType kind;
        bool jfif;
    } cases[] = {
        {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01}, PreviewType::Jpeg, true},
        {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x02}, PreviewType::Jpeg, false},
        {{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01}, PreviewType::Jpeg, false},
        {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00}, PreviewType::Jpeg, false},
        {{0xFF, 0xD8, 0xFF}, PreviewType::Jpeg, false},
        {{0xFF, 0xD8}, PreviewType::Unknown, false},
        {{'B', 'M'}, PreviewType::Bitmap, false},
        {{'B'}, PreviewType::Unknown, false},
        {{'G', 'I', 'F', '8', '9', 'a'}, PreviewType::Unknown, false},
        {{}, PreviewType::Unknown, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreviewKind(c.bytes), c.kind) << "size " << c.bytes.size();
        EXPECT_EQ(IsJfifFile(c.bytes), c.jfif) << "size " << c.bytes.size();
    }
}

TEST(JigsawFile, SelectionReadsHeaderAndPreview)
{
    Parts parts;
    for (JigsawReadMode mode : {JigsawReadMode::Select, JigsawReadMode::Thumbnail}) {
        Result<JigsawFile> read = DecodeJigsawFile(parts.Encode(), mode);
        ASSERT_TRUE(read) << read.error();
        const JigsawFile& jigsaw = read.value();
        EXPECT_EQ(jigsaw.ImageW, 6);
        EXPECT_EQ(jigsaw.ImageH, 4);
        EXPECT_EQ(jigsaw.headerTag, 0x9C);
        EXPECT_EQ(jigsaw.infoOffset, 31 + parts.preview.size());
        EXPECT_EQ(jigsaw.preview.width, 3);
        EXPECT_EQ(PixGetPixel(jigsaw.preview, 2, 1), 0x00FF0000);
        EXPECT_TRUE(jigsaw.info.empty());
        EXPECT_EQ(jigsaw.picture.width, 0);
    }
}

TEST(JigsawFile, TagIsTheBlockByteTheIndexPointsAt)
{
    struct Case {
        uint8_t index;
        uint8_t tag;
    } cases[] = {{0, 0}, {1, 0x9C}, {3, 0x43}, {9, 0x49}};
    for (const Case& c : cases) {
        Bytes file = Parts().Encode();
        for (size_t i = 1; i < kJigsawTagBlockSize; ++i)
            file[17 + i] = uint8_t(0x40 + i);
        file[18] = 0x9C;
        file[17] = c.index;
        Result<JigsawFile> read = DecodeJigsawFile(file, JigsawReadMode::Select);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read.value().headerTag, c.tag) << "index " << int(c.index);
    }
}

TEST(JigsawFile, SelectionFillsThePendingDescriptor)
{
    Descriptor pending;
    pending.entryPositions = {11, 22, 33};
    pending.SideNum = 5;
    pending.sidePlayed = 2;
    pending.fitWidth = 77;
    Parts parts;
    FillPendingDescriptor(DecodeJigsawFile(parts.Encode(), JigsawReadMode::Select).value(), pending);
    EXPECT_EQ(pending.ImageW, 6);
    EXPECT_EQ(pending.ImageH, 4);
    EXPECT_EQ(pending.headerTag, 0x9C);
    EXPECT_EQ(pending.SideNum, 1);
    EXPECT_EQ(pending.sidePlayed, 0);
    EXPECT_EQ(pending.entryPositions, (std::array<int32_t, 3>{11, int32_t(31 + parts.preview.size()), 33}));
    EXPECT_EQ(pending.fitWidth, 77);
}

TEST(JigsawFile, StartReadsTextAndPictureInEitherFormat)
{
    struct Case {
        const char* name;
        Bytes info;
        std::string text;
        Bytes picture;
        uint32_t colour;
    } cases[] = {
        {"utf-8 text, bitmap", Text("\xEF\xBB\xBFTitle\r\n"), "Title\r\n", BitmapFile(6, 4, 0x00123456), 0x00123456},
        {"utf-16 text, bitmap", Text(std::string_view("\xFF\xFEH\0i\0", 6)), "Hi", BitmapFile(6, 4, 0x00AB0000),
         0x00AB0000},
        {"empty text, jfif", {}, "", JpegFile(6, 4), 0x00808080},
    };
    for (const Case& c : cases) {
        Parts parts;
        parts.info = c.info;
        parts.picture = c.picture;
        Result<JigsawFile> read = DecodeJigsawFile(parts.Encode(), JigsawReadMode::Start);
        ASSERT_TRUE(read) << c.name << ": " << read.error();
        const JigsawFile& jigsaw = read.value();
        EXPECT_EQ(jigsaw.info, c.text) << c.name;
        EXPECT_EQ(jigsaw.picture.bytesPerPixel, 3) << c.name;
        EXPECT_EQ(jigsaw.picture.width, 6) << c.name;
        EXPECT_EQ(jigsaw.picture.height, 4) << c.name;
        int64_t pixel = PixGetPixel(jigsaw.picture, 5, 3);
        for (int shift : {0, 8, 16})  // JPEG is lossy
            EXPECT_NEAR((pixel >> shift) & 0xFF, (c.colour >> shift) & 0xFF, 2) << c.name;
        EXPECT_EQ(jigsaw.preview.width, 0) << c.name;
    }
}

TEST(JigsawFile, ExifIsAPreviewButNotAPicture)
{
    Parts parts;
    parts.preview = ExifFile(5, 3);
    parts.picture = ExifFile(6, 4);
    Result<JigsawFile> select = DecodeJigsawFile(parts.Encode(), JigsawReadMode::Select);
    ASSERT_TRUE(select) << select.error();
    EXPECT_EQ(select.value().preview.width, 5);
    ExpectFailure(DecodeJigsawFile(parts.Encode(), JigsawReadMode::Start), "picture: ");
}

TEST(JigsawFile, MalformedFilesFailWithTheProblem)
{
    struct Case {
        const char* problem;
        JigsawReadMode mode;
        std::function<void(Parts&, Bytes&)> spoil;  // changes the parts, or else the encoded file
    } cases[] = {
        {"header of 20 bytes is truncated", JigsawReadMode::Select, [](Parts&, Bytes& f) { f.resize(20); }},
        {"incorrect header magic", JigsawReadMode::Select, [](Parts&, Bytes& f) { f[1] = 'O'; }},
        {"incorrect header magic", JigsawReadMode::Start, [](Parts&, Bytes& f) { f[8] = '!'; }},
        {"picture size 0 x 4", JigsawReadMode::Select, [](Parts& p, Bytes&) { p.width = 0; }},
        {"picture size 6 x -4", JigsawReadMode::Select, [](Parts& p, Bytes&) { p.height = -4; }},
        {"tag index 10 lies outside", JigsawReadMode::Select, [](Parts&, Bytes& f) { f[17] = 10; }},
        {"preview is neither", JigsawReadMode::Select, [](Parts& p, Bytes&) { p.preview.clear(); }},
        {"preview is neither", JigsawReadMode::Thumbnail, [](Parts& p, Bytes&) { p.preview = Text("GIF89a"); }},
        {"preview: ", JigsawReadMode::Select, [](Parts& p, Bytes&) { p.preview.resize(30); }},
        {"preview: ", JigsawReadMode::Select, [](Parts& p, Bytes&) { p.preview = ExifFile(4, 4); p.preview.resize(40); }},
        {"entry of 1000 bytes with only", JigsawReadMode::Select, [](Parts&, Bytes& f) { f[27] = 0xE8; f[28] = 0x03; }},
        {"entry of -2 bytes", JigsawReadMode::Start,
         [](Parts& p, Bytes& f) { std::fill_n(f.begin() + 31 + long(p.preview.size()), 4, 0xFF); f[31 + p.preview.size()] = 0xFE; }},
        {"truncated entry length", JigsawReadMode::Start, [](Parts& p, Bytes& f) { f.resize(35 + p.preview.size() + p.info.size() + 2); }},
        {"entry of 134 bytes with only 9 left", JigsawReadMode::Start, [](Parts& p, Bytes& f) { f.resize(f.size() - p.picture.size() + 9); }},
        {"picture entry of 11 bytes", JigsawReadMode::Start, [](Parts& p, Bytes&) { p.picture = Text("BM345678901"); }},
        {"picture: ", JigsawReadMode::Start, [](Parts& p, Bytes&) { p.picture = Text("GIF89a......"); }},
        {"picture is 5 x 4, header says 6 x 4", JigsawReadMode::Start, [](Parts& p, Bytes&) { p.picture = BitmapFile(5, 4, 0); }},
        {"picture is 6 x 4, header says 6 x 5", JigsawReadMode::Start, [](Parts& p, Bytes&) { p.height = 5; }},
    };
    for (const Case& c : cases) {
        Parts parts;
        Bytes file = parts.Encode();
        const Bytes unspoilt = file;
        c.spoil(parts, file);
        if (file == unspoilt)
            file = parts.Encode();
        ExpectFailure(DecodeJigsawFile(file, c.mode), c.problem);
    }
}

TEST(JigsawFile, EveryTruncationFails)
{
    Bytes file = Parts().Encode();
    for (JigsawReadMode mode : {JigsawReadMode::Select, JigsawReadMode::Start})
        for (size_t size = 0; size < file.size(); ++size) {
            Bytes cut(file.begin(), file.begin() + long(size));
            bool previewComplete = size >= 31 + Parts().preview.size();
            if (mode == JigsawReadMode::Select && previewComplete)
                continue;  // nothing past the preview is read
            EXPECT_FALSE(DecodeJigsawFile(cut, mode)) << "size " << size;
        }
}

TEST(JigsawFile, ReadsFilesNamedAstInAnyCase)
{
    testing::TempFolder folder;
    Parts parts;
    struct Case {
        const char* name;
        bool opens;
    } cases[] = {{"a.ast", true}, {"b.AST", true}, {"c.Ast", true}, {"d.jpg", false}, {"east", false}};
    for (const Case& c : cases) {
        std::string path = folder.Path() + c.name;
        ASSERT_TRUE(WriteJigsawFile(path, parts.View()));
        EXPECT_EQ(HasJigsawExtension(path), c.opens) << c.name;
        Result<JigsawFile> read = ReadJigsawFile(path, JigsawReadMode::Start);
        EXPECT_EQ(read.ok(), c.opens) << c.name;
        if (!c.opens)
            ExpectFailure(read, "is not a .ast file");
    }
    Result<JigsawFile> missing = ReadJigsawFile(folder.Path() + "missing.ast", JigsawReadMode::Select);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "Cannot read " + folder.Path() + "missing.ast: No such file or directory");
    EXPECT_FALSE(WriteJigsawFile(folder.Path() + "missing/e.ast", parts.View()));
}

// A jigsaw that fails to be written over another, on a full disk, leaves the other one whole.
TEST(JigsawFile, AFailedWriteKeepsTheFileThatWasThere)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "a.ast";
    Parts small;
    ASSERT_TRUE(WriteJigsawFile(path, small.View()));
    Parts large;
    large.width = large.height = 64;
    large.picture = BitmapFile(64, 64, 0x00654321);
    {
        testing::FileSizeLimit fullDisk(small.Encode().size() + 100);
        Result<> written = WriteJigsawFile(path, large.View());
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error(), "Cannot write " + path + ": File too large");
    }
    Result<JigsawFile> read = ReadJigsawFile(path, JigsawReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value().ImageW, small.width);
}

TEST(JigsawFile, WrittenFileHasTheDocumentedLayout)
{
    Parts parts;
    parts.preview = Text("BMxy");
    parts.info = Text("ab");
    parts.picture = Text("c");
    Bytes file = parts.Encode();
    ByteReader reader(file);
    std::span<const uint8_t> magic = reader.Take(9);
    EXPECT_EQ(std::string(magic.begin(), magic.end()), std::string("KIRVO1.0\0", 9));
    EXPECT_EQ(reader.I32(), 6);
    EXPECT_EQ(reader.I32(), 4);
    std::span<const uint8_t> tags = reader.Take(10);
    EXPECT_EQ(tags[tags[0]], 0x9C);
    const uint8_t infoKey2 = uint8_t((kInfoKeyBase >> 1) | (kInfoKeyBase << 7));
    Bytes expected = {4, 0, 0, 0, uint8_t('B' ^ kPreviewKey), uint8_t('M' ^ kPreviewKey), uint8_t('x' ^ kPreviewKey),
                      uint8_t('y' ^ kPreviewKey), 2, 0, 0, 0, uint8_t('a' ^ kInfoKeyBase), uint8_t('b' ^ infoKey2),
                      1, 0, 0, 0, uint8_t('c' ^ kPictureKeyBase)};
    EXPECT_EQ(Bytes(file.begin() + 27, file.end()), expected);
}

}  // namespace
}  // namespace kirvo
