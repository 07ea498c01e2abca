#include "raster/PixelBuffer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <functional>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "base/ByteReader.h"

namespace kirvo {
namespace {

using Bytes = std::vector<uint8_t>;

// A sample value that differs between neighbouring pixels and between channels.
int Sample(int x, int y, int channel) { return (x * 40 + y * 70 + channel * 20 + 5) & 0xFF; }

// --- PNG files made in the test with libpng ---------------------------------------------------

void AppendPngBytes(png_structp png, png_bytep data, size_t count)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

struct PngKind {
    const char* name;
    int colourType;
    int bitDepth;
    int channels;
    bool interlaced;
};

// Channel c of pixel (x, y) is Sample(x, y, c); 16-bit samples carry it in their high byte.
// A palette picture uses index (x + y) % 4, with the first two entries partly transparent.
Bytes EncodePng(const PngKind& kind, int width, int height)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, width, height, kind.bitDepth, kind.colourType,
                 kind.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (kind.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[4] = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {100, 110, 120}};
        png_byte opacity[2] = {0, 128};
        png_set_PLTE(png, info, palette, 4);
        png_set_tRNS(png, info, opacity, 2, nullptr);
    }
    png_write_info(png, info);
    int bytesPerSample = kind.bitDepth / 8;
    std::vector<Bytes> rows(height, Bytes(size_t(width * kind.channels * bytesPerSample)));
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < kind.channels; ++c) {
                uint8_t* sample = &rows[y][(x * kind.channels + c) * bytesPerSample];
                sample[0] = kind.colourType == PNG_COLOR_TYPE_PALETTE ? uint8_t((x + y) % 4) : uint8_t(Sample(x, y, c));
                if (bytesPerSample == 2)
                    sample[1] = 0x7F;  // dropped when the decoder takes 16 bits down to 8
            }
        rowPointers.push_back(rows[y].data());
    }
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PngCodec, EveryColourTypeDecodesToBlueGreenRedWithAlphaWhereThereIsAny)
{
    const PngKind kinds[] = {
        {"RGB", PNG_COLOR_TYPE_RGB, 8, 3, false},
        {"RGB, interlaced", PNG_COLOR_TYPE_RGB, 8, 3, true},
        {"RGB, 16-bit", PNG_COLOR_TYPE_RGB, 16, 3, false},
        {"RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, 4, false},
        {"grey", PNG_COLOR_TYPE_GRAY, 8, 1, false},
        {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, 2, false},
        {"palette with transparency", PNG_COLOR_TYPE_PALETTE, 8, 1, false},
    };
    constexpr int kWidth = 5;  // rows of 15 and 20 bytes: a padded and an unpadded stride
    constexpr int kHeight = 3;
    for (const PngKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        Bytes file = EncodePng(kind, kWidth, kHeight);
        TPixelBuffer buffer;
        Result<> result = PixLoadPng(buffer, file);
        ASSERT_TRUE(result.ok()) << result.error();
        ASSERT_EQ(buffer.width, kWidth);
        ASSERT_EQ(buffer.height, kHeight);
        bool palette = kind.colourType == PNG_COLOR_TYPE_PALETTE;
        bool alpha = palette || (kind.colourType & PNG_COLOR_MASK_ALPHA);
        EXPECT_EQ(buffer.bytesPerPixel, alpha ? 4 : 3);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t colour;
                int opacity;
                if (palette) {
                    int index = (x + y) % 4;
                    colour = MakeColour(10 + 30 * index, 20 + 30 * index, 30 + 30 * index);
                    opacity = index == 0 ? 0 : index == 1 ? 128 : 255;
                } else if (kind.channels <= 2) {
                    colour = MakeColour(Sample(x, y, 0), Sample(x, y, 0), Sample(x, y, 0));
                    opacity = kind.channels == 2 ? Sample(x, y, 1) : 255;
                } else {
                    colour = MakeColour(Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2));
                    opacity = kind.channels == 4 ? Sample(x, y, 3) : 255;
                }
                ASSERT_EQ(PixGetPixel(buffer, x, y), colour) << x << ", " << y;
                ASSERT_EQ(PixGetAlpha(buffer, x, y), opacity) << x << ", " << y;
            }
    }
}

// --- JPEG files made in the test with libjpeg -------------------------------------------------

// Progressive files: none, libjpeg's usual dozen scans, or one scan for every coefficient of
// every component (190 scans).
enum class Scans { Baseline, Progressive, EveryCoefficient };

Bytes EncodeJpeg(int width, int height, int components, const uint8_t* pixel, Scans scans = Scans::Baseline)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &memory, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    std::vector<jpeg_scan_info> script;
    if (scans == Scans::Progressive)
        jpeg_simple_progression(&info);
    if (scans == Scans::EveryCoefficient) {
        script.push_back({components, {0, 1, 2, 0}, 0, 0, 0, 0});
        for (int c = 0; c < components; ++c)
            for (int k = 1; k < 64; ++k)
                script.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
        info.scan_info = script.data();
        info.num_scans = int(script.size());
    }
    jpeg_start_compress(&info, TRUE);
    Bytes row(size_t(width * components));
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = pixel[i % size_t(components)];
    while (info.next_scanline < info.image_height) {
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(memory, memory + size);
    jpeg_destroy_compress(&info);
    std::free(memory);
    return out;
}

TEST(JpegCodec, ColourAndGreyDecodeToTwentyFourBits)
{
    const uint8_t orange[] = {230, 120, 40};  // red, green, blue
    const uint8_t grey[] = {90};
    struct Case {
        const char* name;
        int components;
        const uint8_t* pixel;
        uint32_t colour;
    };
    for (Case c : {Case{"colour", 3, orange, MakeColour(230, 120, 40)}, Case{"grey", 1, grey, MakeColour(90, 90, 90)}}) {
        SCOPED_TRACE(c.name);
        TPixelBuffer buffer;
        Result<> result = PixLoadJpeg(buffer, EncodeJpeg(19, 11, c.components, c.pixel));
        ASSERT_TRUE(result.ok()) << result.error();
        ASSERT_EQ(buffer.width, 19);
        ASSERT_EQ(buffer.height, 11);
        EXPECT_EQ(buffer.bytesPerPixel, 3);
        // A flat picture survives lossy coding within a few levels per channel.
        Rgb expected = SplitColour(c.colour);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 19; ++x) {
                Rgb got = SplitColour(uint32_t(PixGetPixel(buffer, x, y)));
                ASSERT_NEAR(got.red, expected.red, 3) << x << ", " << y;
                ASSERT_NEAR(got.green, expected.green, 3) << x << ", " << y;
                ASSERT_NEAR(got.blue, expected.blue, 3) << x << ", " << y;
            }
    }
}

// --- BMP ----------------------------------------------------------------------------------------

TPixelBuffer Numbered(int width, int height, bool alpha)
{
    TPixelBuffer buffer;
    alpha ? PixCreate32(buffer, width, height) : PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            PixSetPixel(buffer, x, y, MakeColour(Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2)));
            if (alpha)
                PixAddress(buffer, x, y)[3] = uint8_t(x);
        }
    return buffer;
}

void ExpectSamePixels(const TPixelBuffer& a, const TPixelBuffer& b)
{
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            ASSERT_EQ(PixGetPixel(a, x, y), PixGetPixel(b, x, y)) << x << ", " << y;
}

TEST(BmpCodec, EncodedFileHasBottomUpRowsPaddedToFourBytes)
{
    TPixelBuffer buffer = Numbered(2, 2, false);
    Bytes file = PixEncodeBmp(buffer);
    ASSERT_EQ(file.size(), 54u + 2 * 8);

    ByteReader reader(file);
    EXPECT_EQ(reader.U8(), 'B');
    EXPECT_EQ(reader.U8(), 'M');
    EXPECT_EQ(reader.U32(), 70u);  // file size
    EXPECT_EQ(reader.U32(), 0u);   // reserved
    EXPECT_EQ(reader.U32(), 54u);  // pixel offset
    EXPECT_EQ(reader.U32(), 40u);  // info header size
    EXPECT_EQ(reader.I32(), 2);    // width
    EXPECT_EQ(reader.I32(), 2);    // height, positive: bottom-up
    EXPECT_EQ(reader.U16(), 1);    // planes
    EXPECT_EQ(reader.U16(), 24);   // bits per pixel
    EXPECT_EQ(reader.U32(), 0u);   // uncompressed
    EXPECT_EQ(reader.U32(), 16u);  // image bytes
    reader.Skip(16);
    ASSERT_EQ(reader.Position(), 54u);

    for (int y : {1, 0}) {  // the bottom row comes first
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(reader.U8(), Sample(x, y, 2)) << "blue of " << x << ", " << y;
            EXPECT_EQ(reader.U8(), Sample(x, y, 1));
            EXPECT_EQ(reader.U8(), Sample(x, y, 0));
        }
        EXPECT_EQ(reader.U16(), 0) << "padding after row " << y;
    }
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_TRUE(PixEncodeBmp(TPixelBuffer{}).empty());
}

TEST(PngCodec, EncodeThenDecodeGivesThePictureAndItsAlpha)
{
    for (bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "32-bit source" : "24-bit source");
        TPixelBuffer source = Numbered(5, 3, alpha);
        TPixelBuffer decoded;
        Result<> result = PixLoadPng(decoded, PixEncodePng(source));
        ASSERT_TRUE(result.ok()) << result.error();
        EXPECT_EQ(decoded.hasAlpha, alpha);
        ExpectSamePixels(decoded, source);
        if (alpha) {
            EXPECT_EQ(PixGetAlpha(decoded, 4, 2), PixGetAlpha(source, 4, 2));
        }
    }
    EXPECT_TRUE(PixEncodePng(TPixelBuffer{}).empty());
}

TEST(JpegCodec, EncodedFileIsJfifAndDecodesCloseToThePicture)
{
    TPixelBuffer source;
    PixCreate24(source, 16, 8);
    PixFillRect(source, 0, 0, 8, 8, MakeColour(200, 40, 30));
    PixFillRect(source, 8, 0, 8, 8, MakeColour(20, 90, 220));
    std::vector<uint8_t> file = PixEncodeJpeg(source, 95);
    ASSERT_GT(file.size(), 10u);
    EXPECT_EQ(std::string(file.begin() + 6, file.begin() + 10), "JFIF");
    TPixelBuffer decoded;
    ASSERT_TRUE(PixLoadPicture(decoded, file).ok());
    ASSERT_EQ(decoded.width, 16);
    for (auto [x, expected] : {std::pair{2, Rgb{200, 40, 30}}, {13, Rgb{20, 90, 220}}}) {
        Rgb got = SplitColour(uint32_t(PixGetPixel(decoded, x, 4)));
        EXPECT_NEAR(got.red, expected.red, 6);
        EXPECT_NEAR(got.green, expected.green, 6);
        EXPECT_NEAR(got.blue, expected.blue, 6);
    }
    EXPECT_TRUE(PixEncodeJpeg(TPixelBuffer{}, 90).empty());
}

TEST(Codecs, PictureFilesAreToldApartByTheirFirstBytes)
{
    TPixelBuffer source = Numbered(3, 2, false);
    for (const std::vector<uint8_t>& file : {PixEncodePng(source), PixEncodeBmp(source)}) {
        TPixelBuffer decoded;
        ASSERT_TRUE(PixLoadPicture(decoded, file).ok());
        ExpectSamePixels(decoded, source);
    }
    TPixelBuffer untouched;
    const uint8_t garbage[] = {1, 2, 3};
    EXPECT_FALSE(PixLoadPicture(untouched, garbage).ok());
}

TEST(BmpCodec, EncodeThenDecodeGivesThePicture)
{
    for (bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "32-bit source" : "24-bit source");
        TPixelBuffer source = Numbered(5, 3, alpha);
        TPixelBuffer decoded;
        Result<> result = PixLoadBmp(decoded, PixEncodeBmp(source));
        ASSERT_TRUE(result.ok()) << result.error();
        EXPECT_EQ(decoded.bytesPerPixel, 3);
        ExpectSamePixels(decoded, source);
    }
}

// A BMP file written field by field, with the rows in file order.
Bytes BmpFile(int width, int height, int bitCount, int extraOffset)
{
    int bytesPerPixel = bitCount / 8;
    int rows = height < 0 ? -height : height;
    int rowBytes = (width * bytesPerPixel + 3) & ~3;
    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(uint32_t(54 + extraOffset + rowBytes * rows));
    out.U32(0);
    out.U32(uint32_t(54 + extraOffset));
    out.U32(40);
    out.I32(width);
    out.I32(height);
    out.U16(1);
    out.U16(uint16_t(bitCount));
    out.Zeros(24);
    out.Zeros(size_t(extraOffset));
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        int y = height < 0 ? fileRow : rows - 1 - fileRow;
        for (int x = 0; x < width; ++x) {
            for (int c = 2; c >= 0; --c)
                out.U8(uint8_t(Sample(x, y, c)));
            if (bytesPerPixel == 4)
                out.U8(0);  // not alpha in this format
        }
        out.Zeros(size_t(rowBytes - width * bytesPerPixel));
    }
    return out.Take();
}

TEST(BmpCodec, ReadsBothRowOrdersAndBothDepths)
{
    struct Case {
        const char* name;
        int height;
        int bitCount;
        int extraOffset;  // bytes between the headers and the pixels
    };
    const Case cases[] = {
        {"24-bit bottom-up", 3, 24, 0},
        {"24-bit top-down", -3, 24, 0},
        {"32-bit bottom-up", 3, 32, 0},
        {"32-bit top-down, pixels further on", -3, 32, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPixelBuffer decoded;
        Result<> result = PixLoadBmp(decoded, BmpFile(5, c.height, c.bitCount, c.extraOffset));
        ASSERT_TRUE(result.ok()) << result.error();
        EXPECT_EQ(decoded.bytesPerPixel, 3);
        ExpectSamePixels(decoded, Numbered(5, 3, false));
    }
}

// --- Malformed files ----------------------------------------------------------------------------

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Codecs, MalformedFilesAreRefusedByEveryDecoder)
{
    struct Decoder {
        const char* prefix;
        Result<> (*load)(TPixelBuffer&, std::span<const uint8_t>);
    };
    const Decoder decoders[] = {
        {"Invalid PNG image: ", PixLoadPng},
        {"Invalid JPEG image: ", PixLoadJpeg},
        {"Invalid BMP image: ", PixLoadBmp},
    };
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KIRVO_TEST_DATA "/raster/malformed")) {
        ++files;
        Bytes bytes = ReadFile(entry.path());
        for (const Decoder& decoder : decoders) {
            SCOPED_TRACE(entry.path().filename().string() + " read as " + decoder.prefix);
            TPixelBuffer buffer;
            PixCreate24(buffer, 1, 1);
            Result<> result = decoder.load(buffer, bytes);
            ASSERT_FALSE(result.ok());
            EXPECT_EQ(result.error().rfind(decoder.prefix, 0), 0u) << result.error();
            EXPECT_EQ(buffer.width, 1) << "a failed decode must leave the buffer alone";
        }
    }
    EXPECT_GE(files, 20);
}

TEST(Codecs, EveryTruncationOfAGoodFileIsRefused)
{
    const uint8_t blue[] = {20, 40, 250};
    struct Case {
        const char* name;
        Bytes file;
        Result<> (*load)(TPixelBuffer&, std::span<const uint8_t>);
    };
    const Case cases[] = {
        {"PNG", EncodePng({"RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, 4, false}, 6, 4), PixLoadPng},
        {"JPEG", EncodeJpeg(6, 4, 3, blue), PixLoadJpeg},
        {"BMP", PixEncodeBmp(Numbered(6, 4, false)), PixLoadBmp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPixelBuffer buffer;
        ASSERT_TRUE(c.load(buffer, c.file).ok());
        for (size_t size = 0; size < c.file.size(); ++size)
            ASSERT_FALSE(c.load(buffer, std::span(c.file).first(size)).ok()) << "cut to " << size << " bytes";
    }
}

TEST(Codecs, HeadersClaimingHugePicturesAreRefusedBeforeAllocating)
{
    struct Case {
        const char* file;
        Result<> (*load)(TPixelBuffer&, std::span<const uint8_t>);
    };
    for (Case c : {Case{"png_over_pixel_cap.png", PixLoadPng}, Case{"jpeg_over_pixel_cap.jpg", PixLoadJpeg},
                   Case{"bmp_over_pixel_cap.bmp", PixLoadBmp}}) {
        SCOPED_TRACE(c.file);
        TPixelBuffer buffer;
        Result<> result = c.load(buffer, ReadFile(std::string(KIRVO_TEST_DATA "/raster/malformed/") + c.file));
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().find("larger than 100 megapixels"), std::string::npos) << result.error();
    }
}

// How far the largest memory use of the process grows while `decode` runs, in kilobytes; run in
// a child of its own so that earlier tests do not hide it.
long PeakGrowthKb(const std::function<void()>& decode)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        rusage before {};
        rusage after {};
        getrusage(RUSAGE_SELF, &before);
        decode();
        getrusage(RUSAGE_SELF, &after);
        const long growth = after.ru_maxrss - before.ru_maxrss;
        _exit(write(channel[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
    }
    close(channel[1]);
    long growth = -1;
    if (read(channel[0], &growth, sizeof growth) != sizeof growth)
        growth = -1;
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return growth;
}

Bytes PngChunk(const char* type, const Bytes& data, uint32_t statedLength)
{
    Bytes chunk = {uint8_t(statedLength >> 24), uint8_t(statedLength >> 16), uint8_t(statedLength >> 8), uint8_t(statedLength)};
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0, reinterpret_cast<const Bytef*>(type), 4), data.data(), uInt(data.size()));
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk.push_back(uint8_t(crc >> shift));
    return chunk;
}

Bytes SmallPng(uint32_t width, uint32_t height, const Bytes& extraChunk)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const Bytes header = {uint8_t(width >> 24), uint8_t(width >> 16), uint8_t(width >> 8), uint8_t(width),
                          uint8_t(height >> 24), uint8_t(height >> 16), uint8_t(height >> 8), uint8_t(height),
                          8, 2, 0, 0, 0};
    for (const Bytes& chunk : {PngChunk("IHDR", header, 13), extraChunk,
                               PngChunk("IDAT", {0x78, 0x9C, 0x63, 0x60, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01}, 10),
                               PngChunk("IEND", {}, 0)})
        png.insert(png.end(), chunk.begin(), chunk.end());
    return png;
}

// A baseline JPEG whose frame header claims another size than its data holds.
Bytes JpegClaiming(int width, int height)
{
    const uint8_t grey[] = {128, 128, 128};
    Bytes file = EncodeJpeg(16, 16, 3, grey);
    for (size_t i = 2; i + 8 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            file[i + 5] = uint8_t(height >> 8);
            file[i + 6] = uint8_t(height);
            file[i + 7] = uint8_t(width >> 8);
            file[i + 8] = uint8_t(width);
            break;
        }
    return file;
}

// A small file is refused for what it holds, not for what it claims: no decoder reserves the
// memory of a picture whose data is not there, nor of a chunk the game does not read.
TEST(Codecs, SmallFilesClaimingHugePicturesCostLittleMemory)
{
    struct Case {
        const char* what;
        Bytes file;
        Result<> (*load)(TPixelBuffer&, std::span<const uint8_t>);
    };
    const Case cases[] = {
        {"PNG claiming 10000 x 10000", SmallPng(10000, 10000, {}), PixLoadPng},
        {"PNG with a text chunk claiming a gigabyte", SmallPng(1, 1, PngChunk("zTXt", {'a', 0, 0}, 1u << 30)), PixLoadPng},
        {"JPEG claiming 9000 x 9000", JpegClaiming(9000, 9000), PixLoadJpeg},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_LT(c.file.size(), 1000u);
        TPixelBuffer buffer;
        EXPECT_FALSE(c.load(buffer, c.file));
        EXPECT_LT(PeakGrowthKb([&] { (void)c.load(buffer, c.file); }), 16 * 1024);
    }
}

TEST(JpegCodec, ProgressiveFilesDecodeUpToAHundredScans)
{
    const uint8_t blue[] = {20, 40, 250};
    TPixelBuffer buffer;
    ASSERT_TRUE(PixLoadJpeg(buffer, EncodeJpeg(40, 30, 3, blue, Scans::Progressive)));
    EXPECT_EQ(buffer.width, 40);
    Result<> many = PixLoadJpeg(buffer, EncodeJpeg(40, 30, 3, blue, Scans::EveryCoefficient));
    ASSERT_FALSE(many);
    EXPECT_EQ(many.error(), "Invalid JPEG image: more than 100 scans");
}

}  // namespace
}  // namespace kirvo
