#include "raster/PixelBuffer.h"

#include <png.h>

#include <cstdio>
#include <cstring>

namespace kirvo {

namespace {

// libpng allocates a chunk's stated length before it reads the chunk; no chunk the game reads
// needs more than this.
constexpr png_alloc_size_t kMaxChunkBytes = 8 << 20;
// Deflate shrinks data at most about 1032 times: a file smaller than its rows' data divided by
// that cannot hold the picture it claims.
constexpr uint64_t kMaxDeflateRatio = 1032;

// Ancillary chunks the game never reads, some of them compressed: skipped unread.
constexpr png_byte kSkippedChunks[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0";

// Everything libpng's callbacks need, kept outside the frame that calls setjmp.
struct PngSource {
    std::span<const uint8_t> bytes;
    size_t position = 0;
    char error[160] = "";
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message)
{
    auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(source->error, sizeof source->error, "%s", message);
    png_longjmp(png, 1);
}

// libpng warns about damaged ancillary chunks, which it then drops; the picture is still whole.
void OnPngWarning(png_structp, png_const_charp) {}

void ReadPngBytes(png_structp png, png_bytep out, size_t count)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->position)
        png_error(png, "truncated stream");
    std::memcpy(out, source->bytes.data() + source->position, count);
    source->position += count;
}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

// libpng reports errors by longjmp to the setjmp below, so this frame holds nothing that
// needs destroying and reads no local it changed after setjmp.
bool DecodePng(png_structp png, png_infop info, TPixelBuffer& buffer)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (uint64_t(width) * height > uint64_t(kMaxDecodedPixels))
        png_error(png, "picture larger than 100 megapixels");
    const uint64_t rowData = uint64_t(height) * (1 + png_get_rowbytes(png, info));  // a filter byte a row
    if (static_cast<PngSource*>(png_get_io_ptr(png))->bytes.size() * kMaxDeflateRatio < rowData)
        png_error(png, "file too small for the picture it claims");
    bool alpha = (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);

    // Whatever the colour type and depth, ask for 8-bit blue, green, red (and alpha).
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width * (alpha ? 4u : 3u))
        png_error(png, "unexpected row layout");

    if (alpha)
        PixCreate32(buffer, int(width), int(height));
    else
        PixCreate24(buffer, int(width), int(height));
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < buffer.height; ++y)
            png_read_row(png, PixRow(buffer, y), nullptr);
    png_read_end(png, nullptr);
    return true;
}

struct PngSink {
    std::vector<uint8_t> bytes;
};

void WritePngBytes(png_structp png, png_bytep data, size_t count)
{
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    sink->bytes.insert(sink->bytes.end(), data, data + count);
}

void FlushPng(png_structp) {}

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

// The same setjmp discipline as DecodePng; writing fails only when memory runs out.
bool EncodePng(png_structp png, png_infop info, const TPixelBuffer& buffer)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(buffer.width), png_uint_32(buffer.height), 8,
                 buffer.hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int y = 0; y < buffer.height; ++y)
        png_write_row(png, PixRow(buffer, y));
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::vector<uint8_t> PixEncodePng(const TPixelBuffer& buffer)
{
    if (buffer.width == 0)
        return {};
    PngSource errors;
    PngSink sink;
    PngWriter writer;
    writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
    if (writer.png)
        writer.info = png_create_info_struct(writer.png);
    if (!writer.info)
        return {};
    png_set_write_fn(writer.png, &sink, WritePngBytes, FlushPng);
    if (!EncodePng(writer.png, writer.info, buffer))
        return {};
    return std::move(sink.bytes);
}

Result<> PixLoadPng(TPixelBuffer& buffer, std::span<const uint8_t> bytes)
{
    PngSource source{bytes};
    PngReader reader;
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnPngError, OnPngWarning);
    if (reader.png)
        reader.info = png_create_info_struct(reader.png);
    if (!reader.info)
        return Fail("Cannot read PNG image: out of memory");
    png_set_read_fn(reader.png, &source, ReadPngBytes);
    png_set_chunk_malloc_max(reader.png, kMaxChunkBytes);
    png_set_keep_unknown_chunks(reader.png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks, int(sizeof kSkippedChunks / 5));

    TPixelBuffer decoded;
    if (!DecodePng(reader.png, reader.info, decoded))
        return Fail(std::string("Invalid PNG image: ") + source.error);
    buffer = std::move(decoded);
    return {};
}

}  // namespace kirvo
