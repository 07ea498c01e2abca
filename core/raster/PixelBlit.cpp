#include "raster/PixelBuffer.h"

#include <cassert>
#include <cstring>

namespace kirvo {

namespace {

// What is left of a blit after clipping, and how the source advances.
struct BlitWalk {
    uint8_t* dstRow;
    const uint8_t* srcRow;
    int w;
    int h;
    int srcPixelStep;  // bytes; 0 stretches one source column across the width
    int srcRowStep;    // bytes; 0 stretches one source row down the height
};

// A stretched axis reads the single source column (or row) at srcPos; any other reads length
// pixels from srcPos on. The caller's source rectangle is not trusted to lie inside the source
// buffer, so the destination is cut until every read does.
bool FitSource(int& pos, int& length, int& srcPos, int srcSize, bool stretched)
{
    if (stretched)
        return srcPos >= 0 && srcPos < srcSize;
    if (srcPos < 0) {
        pos -= srcPos;
        length += srcPos;
        srcPos = 0;
    }
    length = MinInt(length, srcSize - srcPos);
    return length > 0;
}

bool ClipBlit(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY, int srcW,
              int srcH, const TBox& clipBox, BlitWalk& walk)
{
    if (dst.width == 0 || src.width == 0)
        return false;
    bool stretchX = w != srcW && h == srcH;
    bool stretchY = h != srcH && w == srcW;
    if (!PixClipBlit(dst, x, y, w, h, srcX, srcY, srcW, srcH))
        return false;
    int keptX = srcX;
    int keptY = srcY;
    if (!BoxClipBlit(clipBox, x, y, w, h, srcX, srcY))
        return false;
    if (stretchX)
        srcX = keptX;
    if (stretchY)
        srcY = keptY;
    if (!FitSource(x, w, srcX, src.width, stretchX) || !FitSource(y, h, srcY, src.height, stretchY))
        return false;

    walk = {PixAddress(dst, x, y), PixAddress(src, srcX, srcY), w, h, stretchX ? 0 : src.bytesPerPixel,
            stretchY ? 0 : src.stride};
    return true;
}

void BlendRow(uint8_t* out, int outStep, const uint8_t* in, int inStep, int count)
{
    for (int i = 0; i < count; ++i, out += outStep, in += inStep) {
        int alpha = in[3];
        if (alpha == 255) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        } else if (alpha != 0) {
            int keep = 255 - alpha;
            out[0] = uint8_t((out[0] * keep + in[0] * alpha) / 255);
            out[1] = uint8_t((out[1] * keep + in[1] * alpha) / 255);
            out[2] = uint8_t((out[2] * keep + in[2] * alpha) / 255);
        }
    }
}

void CopyRow(uint8_t* out, int outStep, const uint8_t* in, int inStep, int count)
{
    if (outStep == 3 && inStep == 3) {
        std::memcpy(out, in, size_t(count) * 3);
        return;
    }
    for (int i = 0; i < count; ++i, out += outStep, in += inStep) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
    }
}

}  // namespace

bool PixClipBlit(const TPixelBuffer& dst, int& x, int& y, int& w, int& h, int& srcX, int& srcY, int& srcW, int& srcH)
{
    bool stretchX = w != srcW && h == srcH;
    bool stretchY = h != srcH && w == srcW;
    if (x < 0) {
        if (!stretchX)
            srcX -= x;
        w += x;
        x = 0;
    }
    if (w > dst.width - x)
        w = dst.width - x;
    if (x >= dst.width || w <= 0)
        return false;
    if (y < 0) {
        if (!stretchY)
            srcY -= y;
        h += y;
        y = 0;
    }
    if (h > dst.height - y)
        h = dst.height - y;
    if (y >= dst.height || h <= 0)
        return false;
    if (!stretchX)
        srcW = w;
    if (!stretchY)
        srcH = h;
    return true;
}

void PixBlendBlit(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY,
                  int srcW, int srcH, const TBox& clipBox)
{
    BlitWalk walk;
    if (!ClipBlit(dst, x, y, w, h, src, srcX, srcY, srcW, srcH, clipBox, walk))
        return;
    auto row = src.hasAlpha ? BlendRow : CopyRow;
    for (int i = 0; i < walk.h; ++i, walk.dstRow += dst.stride, walk.srcRow += walk.srcRowStep)
        row(walk.dstRow, dst.bytesPerPixel, walk.srcRow, walk.srcPixelStep, walk.w);
}

void PixKeyedBlit(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY,
                  int srcW, int srcH, const TBox& clipBox, uint32_t keyColour)
{
    BlitWalk walk;
    if (!ClipBlit(dst, x, y, w, h, src, srcX, srcY, srcW, srcH, clipBox, walk))
        return;
    Rgb key = SplitColour(keyColour);
    for (int i = 0; i < walk.h; ++i, walk.dstRow += dst.stride, walk.srcRow += walk.srcRowStep) {
        uint8_t* out = walk.dstRow;
        const uint8_t* in = walk.srcRow;
        for (int j = 0; j < walk.w; ++j, out += dst.bytesPerPixel, in += walk.srcPixelStep) {
            if (in[0] == key.blue && in[1] == key.green && in[2] == key.red)
                continue;
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
}

// Callers must clip.
void PixTint(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t keyColour, uint32_t tintColour)
{
    assert(x >= 0 && y >= 0 && w <= buffer.width - x && h <= buffer.height - y);
    Rgb key = SplitColour(keyColour);
    Rgb tint = SplitColour(tintColour);
    uint8_t* row = PixAddress(buffer, x, y);
    for (int i = 0; i < h; ++i, row += buffer.stride) {
        uint8_t* pixel = row;
        for (int j = 0; j < w; ++j, pixel += buffer.bytesPerPixel) {
            if (pixel[0] == key.blue && pixel[1] == key.green && pixel[2] == key.red)
                continue;
            pixel[0] = uint8_t(pixel[0] / 2 + tint.blue / 2);
            pixel[1] = uint8_t(pixel[1] / 2 + tint.green / 2);
            pixel[2] = uint8_t(pixel[2] / 2 + tint.red / 2);
        }
    }
}

}  // namespace kirvo
