#include "raster/PixelBuffer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace kirvo {

namespace {

// A progressive picture is read scan by scan, each one over the whole picture; ordinary files
// have a dozen, and thousands of empty ones cost minutes.
constexpr int kMaxJpegScans = 100;
// Every 8 x 8 block of a Huffman-coded picture takes at least one bit: a file smaller than its
// blocks divided by eight cannot hold the picture it claims.
constexpr uint64_t kPixelsPerByteAtMost = 512;

struct JpegErrors {
    jpeg_error_mgr manager;  // first, so that libjpeg's pointer to it points to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnJpegError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void RefuseJpeg(j_common_ptr info, const char* why)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "%s", why);
    std::longjmp(errors->jump, 1);
}

void CountScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        RefuseJpeg(info, "more than 100 scans");
}

// A warning (level -1) means damaged or missing data, which libjpeg would paper over with grey;
// such a file is refused rather than shown half grey. Higher levels are trace output.
void OnJpegMessage(j_common_ptr info, int level)
{
    if (level < 0)
        OnJpegError(info);
}

struct JpegReader {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    jpeg_progress_mgr progress{CountScans, 0, 0, 0, 0};
    ~JpegReader() { jpeg_destroy_decompress(&info); }
};

// libjpeg reports errors by longjmp to the setjmp below, so this frame holds nothing that
// needs destroying and reads no local it changed after setjmp.
bool DecodeJpeg(JpegReader& reader, std::span<const uint8_t> bytes, TPixelBuffer& buffer)
{
    jpeg_decompress_struct& info = reader.info;
    if (setjmp(reader.errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    info.progress = &reader.progress;
    jpeg_read_header(&info, TRUE);
    const uint64_t pixels = uint64_t(info.image_width) * info.image_height;
    if (pixels > uint64_t(kMaxDecodedPixels))
        RefuseJpeg(reinterpret_cast<j_common_ptr>(&info), "picture larger than 100 megapixels");
    if (bytes.size() * kPixelsPerByteAtMost < pixels)
        RefuseJpeg(reinterpret_cast<j_common_ptr>(&info), "file too small for the picture it claims");
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    // Every row is read in full below, and a buffer left part-written by an error is dropped.
    PixCreate24Unfilled(buffer, int(info.output_width), int(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = PixRow(buffer, int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

struct JpegWriter {
    jpeg_compress_struct info{};
    JpegErrors errors{};
    unsigned char* output = nullptr;  // libjpeg's memory destination
    unsigned long size = 0;
    ~JpegWriter()
    {
        jpeg_destroy_compress(&info);
        std::free(output);
    }
};

// The same setjmp discipline as DecodeJpeg; writing fails only when memory runs out.
bool EncodeJpeg(JpegWriter& writer, const TPixelBuffer& buffer, int quality)
{
    jpeg_compress_struct& info = writer.info;
    if (setjmp(writer.errors.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &writer.output, &writer.size);
    info.image_width = JDIMENSION(buffer.width);
    info.image_height = JDIMENSION(buffer.height);
    info.input_components = buffer.bytesPerPixel;
    info.in_color_space = buffer.hasAlpha ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&info);  // YCbCr with a JFIF header
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = PixRow(buffer, int(info.next_scanline));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

std::vector<uint8_t> PixEncodeJpeg(const TPixelBuffer& buffer, int quality)
{
    if (buffer.width == 0)
        return {};
    JpegWriter writer;
    writer.info.err = jpeg_std_error(&writer.errors.manager);
    writer.errors.manager.error_exit = OnJpegError;
    if (!EncodeJpeg(writer, buffer, quality))
        return {};
    return std::vector<uint8_t>(writer.output, writer.output + writer.size);
}

Result<> PixLoadJpeg(TPixelBuffer& buffer, std::span<const uint8_t> bytes)
{
    JpegReader reader;
    reader.info.err = jpeg_std_error(&reader.errors.manager);
    reader.errors.manager.error_exit = OnJpegError;
    reader.errors.manager.emit_message = OnJpegMessage;

    TPixelBuffer decoded;
    if (!DecodeJpeg(reader, bytes, decoded))
        return Fail(std::string("Invalid JPEG image: ") + reader.errors.message);
    buffer = std::move(decoded);
    return {};
}

}  // namespace kirvo
