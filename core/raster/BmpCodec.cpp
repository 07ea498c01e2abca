#include "raster/PixelBuffer.h"

#include <cstring>

#include "base/ByteReader.h"

namespace kirvo {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later versions only add fields after it
constexpr uint32_t kUncompressed = 0;     // BI_RGB

}  // namespace

Result<> PixLoadBmp(TPixelBuffer& buffer, std::span<const uint8_t> bytes)
{
    ByteReader reader(bytes);
    if (reader.U8() != 'B' || reader.U8() != 'M')
        return Fail("Invalid BMP image: no BM signature");
    // The file size and the reserved words are often wrong in the wild and nothing needs them.
    reader.Skip(8);
    uint32_t pixelOffset = reader.U32();
    uint32_t infoSize = reader.U32();
    int32_t width = reader.I32();
    int32_t height = reader.I32();
    uint16_t planes = reader.U16();
    uint16_t bitCount = reader.U16();
    uint32_t compression = reader.U32();
    if (reader.Failed())
        return Fail("Invalid BMP image: truncated header");
    if (infoSize < kInfoHeaderSize || infoSize > bytes.size() - kFileHeaderSize)
        return Fail("Invalid BMP image: bad info header size");
    if (planes != 1)
        return Fail("Invalid BMP image: plane count is not 1");
    if ((bitCount != 24 && bitCount != 32) || compression != kUncompressed)
        return Fail("Invalid BMP image: only uncompressed 24-bit and 32-bit pictures are supported");
    // A negative height marks a top-down file; INT32_MIN has no positive counterpart.
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return Fail("Invalid BMP image: bad picture size");
    bool topDown = height < 0;
    int64_t rows = topDown ? -int64_t(height) : height;
    if (width * rows > kMaxDecodedPixels)
        return Fail("Invalid BMP image: picture larger than 100 megapixels");
    int bytesPerPixel = bitCount / 8;
    int64_t rowBytes = (int64_t(width) * bytesPerPixel + 3) & ~int64_t(3);
    if (pixelOffset < kFileHeaderSize + infoSize || pixelOffset > bytes.size()
        || rowBytes * rows > int64_t(bytes.size() - pixelOffset))
        return Fail("Invalid BMP image: pixel data lies outside the file");

    TPixelBuffer decoded;
    PixCreate24(decoded, width, int(rows));
    const uint8_t* fileRow = bytes.data() + pixelOffset;
    for (int row = 0; row < decoded.height; ++row, fileRow += rowBytes) {
        uint8_t* out = PixRow(decoded, topDown ? row : decoded.height - 1 - row);
        if (bytesPerPixel == 3) {
            std::memcpy(out, fileRow, size_t(width) * 3);
            continue;
        }
        const uint8_t* in = fileRow;
        for (int x = 0; x < width; ++x, out += 3, in += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
    buffer = std::move(decoded);
    return {};
}

std::vector<uint8_t> PixEncodeBmp(const TPixelBuffer& buffer)
{
    if (buffer.width == 0)
        return {};
    uint32_t rowBytes = (uint32_t(buffer.width) * 3 + 3) & ~3u;
    uint32_t padding = rowBytes - uint32_t(buffer.width) * 3;
    uint32_t imageBytes = rowBytes * uint32_t(buffer.height);
    uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;

    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(pixelOffset + imageBytes);
    out.U32(0);  // two reserved words
    out.U32(pixelOffset);
    out.U32(kInfoHeaderSize);
    out.I32(buffer.width);
    out.I32(buffer.height);  // positive: rows bottom-up
    out.U16(1);              // planes
    out.U16(24);             // bits per pixel
    out.U32(kUncompressed);
    out.U32(imageBytes);
    out.I32(0);  // horizontal pixels per metre: no preference
    out.I32(0);  // vertical pixels per metre
    out.U32(0);  // colours used: none, no palette
    out.U32(0);  // important colours: all
    for (int y = buffer.height - 1; y >= 0; --y) {
        const uint8_t* pixel = PixRow(buffer, y);
        for (int x = 0; x < buffer.width; ++x, pixel += buffer.bytesPerPixel)
            out.Append({pixel, 3});
        out.Zeros(padding);
    }
    return out.Take();
}

}  // namespace kirvo
