#include "raster/PixelBuffer.h"

#include <cassert>
#include <climits>
#include <cstring>

namespace kirvo {

namespace {

void Create(TPixelBuffer& buffer, int width, int height, int bytesPerPixel, bool filled)
{
    PixFree(buffer);
    if (width <= 0 || height <= 0)
        return;
    assert(width <= (INT_MAX - 3) / bytesPerPixel);
    int stride = (width * bytesPerPixel + 3) & ~3;
    assert(height <= INT_MAX / stride);
    const size_t size = size_t(stride) * size_t(height);
    auto pixels = filled ? std::make_unique<uint8_t[]>(size) : std::make_unique_for_overwrite<uint8_t[]>(size);
    PixAttach(pixels.get(), width, height, bytesPerPixel, stride, buffer);
    buffer.owned = std::move(pixels);
    // The pixels of an unfilled buffer are the caller's to write; the bytes padding each row are not.
    if (const int pad = stride - width * bytesPerPixel; !filled && pad > 0)
        for (int y = 0; y < height; ++y)
            std::memset(PixRow(buffer, y) + width * bytesPerPixel, 0, size_t(pad));
}

// Clips one axis of a copy to both buffers, moving the other origin along with whichever is cut.
bool ClipCopyAxis(int& pos, int& srcPos, int& length, int size, int srcSize)
{
    int lead = MaxInt(0, MaxInt(-pos, -srcPos));
    pos += lead;
    srcPos += lead;
    length -= lead;
    length = MinInt(length, MinInt(size - pos, srcSize - srcPos));
    return length > 0;
}

}  // namespace

void PixClear(TPixelBuffer& buffer) { buffer = TPixelBuffer{}; }

void PixCreate24(TPixelBuffer& buffer, int width, int height) { Create(buffer, width, height, 3, true); }

void PixCreate24Unfilled(TPixelBuffer& buffer, int width, int height) { Create(buffer, width, height, 3, false); }

void PixCreate32(TPixelBuffer& buffer, int width, int height) { Create(buffer, width, height, 4, true); }

bool PixAttach(uint8_t* bits, int width, int height, int bytesPerPixel, int stride, TPixelBuffer& buffer)
{
    assert(bytesPerPixel == 3 || bytesPerPixel == 4);
    PixFree(buffer);
    if (!bits || width <= 0 || height <= 0)
        return false;
    assert(stride >= width * bytesPerPixel && stride % 4 == 0);
    buffer.bytesPerPixel = bytesPerPixel;
    buffer.stride = stride;
    buffer.width = width;
    buffer.height = height;
    buffer.bits = bits;
    buffer.size = stride * height;
    buffer.hasAlpha = bytesPerPixel == 4;
    return buffer.hasAlpha;
}

// A view owns nothing, so forgetting its geometry is all there is to do for it.
void PixFree(TPixelBuffer& buffer) { PixClear(buffer); }

void PixFromBitmap(TPixelBuffer& buffer, const TPixelBuffer& bitmap)
{
    // A 24-bit buffer of its own is that copy already.
    if (&buffer == &bitmap && bitmap.bytesPerPixel == 3 && bitmap.owned)
        return;
    // Built aside so that buffer may be bitmap itself.
    TPixelBuffer copy;
    PixCreate24(copy, bitmap.width, bitmap.height);
    PixCopyRect(copy, 0, 0, bitmap.width, bitmap.height, bitmap, 0, 0);
    buffer = std::move(copy);
}

int64_t PixGetPixel(const TPixelBuffer& buffer, int x, int y)
{
    if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height)
        return -1;
    const uint8_t* pixel = PixAddress(buffer, x, y);
    return MakeColour(pixel[2], pixel[1], pixel[0]);
}

void PixSetPixel(TPixelBuffer& buffer, int x, int y, uint32_t colour)
{
    assert(x >= 0 && y >= 0 && x < buffer.width && y < buffer.height);
    Rgb rgb = SplitColour(colour);
    uint8_t* pixel = PixAddress(buffer, x, y);
    pixel[0] = rgb.blue;
    pixel[1] = rgb.green;
    pixel[2] = rgb.red;
}

int PixGetAlpha(const TPixelBuffer& buffer, int x, int y)
{
    if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height)
        return 0;
    return buffer.hasAlpha ? PixAddress(buffer, x, y)[3] : 255;
}

bool PixClipRect(const TPixelBuffer& buffer, int& x, int& y, int& w, int& h)
{
    if (x < 0) {
        w += x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        y = 0;
    }
    w = MinInt(w, buffer.width - x);
    h = MinInt(h, buffer.height - y);
    return w > 0 && h > 0;
}

void PixCopyRect(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY)
{
    if (dst.width == 0 || src.width == 0)
        return;
    if (!ClipCopyAxis(x, srcX, w, dst.width, src.width) || !ClipCopyAxis(y, srcY, h, dst.height, src.height))
        return;

    uint8_t* dstRow = PixAddress(dst, x, y);
    const uint8_t* srcRow = PixAddress(src, srcX, srcY);
    ptrdiff_t dstStride = dst.stride;
    ptrdiff_t srcStride = src.stride;
    // Copying a rectangle of a buffer onto itself further down must start at the bottom, or it
    // would read rows it has already overwritten.
    if (dst.bits == src.bits && y > srcY) {
        dstRow += (h - 1) * dstStride;
        srcRow += (h - 1) * srcStride;
        dstStride = -dstStride;
        srcStride = -srcStride;
    }

    if (dst.bytesPerPixel == src.bytesPerPixel) {
        for (int row = 0; row < h; ++row, dstRow += dstStride, srcRow += srcStride)
            std::memmove(dstRow, srcRow, size_t(w) * size_t(dst.bytesPerPixel));
        return;
    }
    for (int row = 0; row < h; ++row, dstRow += dstStride, srcRow += srcStride) {
        uint8_t* out = dstRow;
        const uint8_t* in = srcRow;
        for (int i = 0; i < w; ++i, out += dst.bytesPerPixel, in += src.bytesPerPixel) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
}

}  // namespace kirvo
