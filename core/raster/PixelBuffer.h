// TPixelBuffer: a 24-bit or 32-bit picture with direct row access, and its raster operations.
//
// Pixels are stored blue, green, red (and alpha in 32-bit buffers: 0 transparent, 255 opaque).
// Rows are kept top-down: row y starts at bits + y * stride, and stride is the row length rounded
// up to a multiple of 4 bytes, so the Qt layer can show a buffer without copying it. Colours
// cross every interface as 0x00BBGGRR (red in the low byte): a stored pixel B, G, R reads back
// as R + G * 256 + B * 65536.
//
// A buffer made by a create, copy, rotation or decoder owns its pixels and releases them in
// PixFree or when it is destroyed; it can be moved but not copied. A buffer made by PixAttach is a
// view over memory that belongs to somebody else and is never freed: attach again after that
// memory changes.
//
// Operations on an empty buffer (width 0) do nothing. PixGetPixel and PixGetAlpha check their
// coordinates; PixSetPixel, PixRow, PixAddress and PixTint do not: callers must pass points inside.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "raster/Box.h"

namespace kirvo {

struct TPixelBuffer {
    int bytesPerPixel = 0;  // 3 or 4
    int stride = 0;         // bytes per row, a multiple of 4
    int width = 0;          // pixels; 0 = empty
    int height = 0;
    uint8_t* bits = nullptr;  // first byte of the top row
    int size = 0;             // stride * height
    bool hasAlpha = false;    // bytesPerPixel == 4
    std::unique_ptr<uint8_t[]> owned;  // null for a view
};

void PixClear(TPixelBuffer& buffer);
void PixCreate24(TPixelBuffer& buffer, int width, int height);  // pixels start black
// Pixels left as the memory came, for a caller about to write every one; the bytes padding each
// row are 0 all the same.
void PixCreate24Unfilled(TPixelBuffer& buffer, int width, int height);
void PixCreate32(TPixelBuffer& buffer, int width, int height);  // pixels start black, alpha 0
// Makes buffer a view of memory laid out as above (rows top-down, stride bytes apart); returns
// hasAlpha.
bool PixAttach(uint8_t* bits, int width, int height, int bytesPerPixel, int stride, TPixelBuffer& buffer);
void PixFree(TPixelBuffer& buffer);
// A 24-bit copy of any buffer (a view over a control's picture, a 32-bit sprite); buffer may be
// bitmap itself.
void PixFromBitmap(TPixelBuffer& buffer, const TPixelBuffer& bitmap);

int64_t PixGetPixel(const TPixelBuffer& buffer, int x, int y);  // -1 outside
void PixSetPixel(TPixelBuffer& buffer, int x, int y, uint32_t colour);
inline uint8_t* PixRow(const TPixelBuffer& buffer, int y) { return buffer.bits + ptrdiff_t(y) * buffer.stride; }
inline uint8_t* PixAddress(const TPixelBuffer& buffer, int x, int y) { return PixRow(buffer, y) + x * buffer.bytesPerPixel; }
int PixGetAlpha(const TPixelBuffer& buffer, int x, int y);  // 0 outside, 255 in a 24-bit buffer

// Bilinear resize in 15-bit fixed point, destination already sized; nothing happens when a size
// is 0. Blue, green and red only: the alpha of a 32-bit buffer is neither read nor written.
void PixScale(TPixelBuffer& dst, const TPixelBuffer& src);
void PixScaleRegion(TPixelBuffer& dst, int dstW, int dstH, const TPixelBuffer& src, int srcW, int srcH);
// dst becomes a new 24-bit buffer, src turned a quarter turn clockwise: source (x, y) goes to
// (src.height - 1 - y, x). dst may be src.
void PixRotate90(TPixelBuffer& dst, const TPixelBuffer& src);
// The same for the top-left (width - band) x (height - band) of src; dst keeps a black band of
// that width along its right and bottom edges.
void PixRotate90Banded(TPixelBuffer& dst, const TPixelBuffer& src, int band);

bool PixClipRect(const TPixelBuffer& buffer, int& x, int& y, int& w, int& h);
// Clips a copy to dst, moving the source origin along except on a stretched axis (w != srcW with
// h == srcH, or the other way round). On an axis that is not stretched, srcW (srcH) becomes w (h).
bool PixClipBlit(const TPixelBuffer& dst, int& x, int& y, int& w, int& h, int& srcX, int& srcY, int& srcW, int& srcH);
// Straight copy of blue, green, red (and alpha between two 32-bit buffers), clipped to both
// buffers. Overlapping rectangles of one buffer copy as if through a temporary.
void PixCopyRect(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY);
// Callers must pass a rectangle inside the buffer.
void PixTint(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t keyColour, uint32_t tintColour);
void PixLine(TPixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t colour);
void PixFrameRect(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t colour);  // nothing if w or h <= 0
void PixFillRect(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t colour);
// Fills the 4-connected region of the seed pixel's colour; *bounds gets the filled rectangle, or
// the seed point when nothing was filled.
void PixFloodFill(TPixelBuffer& buffer, int x, int y, uint32_t colour, TBox* bounds = nullptr);
// Copy with per-pixel alpha; a one-pixel-wide (or -high) source is stretched across w (or h).
// Clipped to dst, to clipBox and to src: reads never leave src, whatever the source rectangle.
void PixBlendBlit(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY,
                  int srcW, int srcH, const TBox& clipBox);
// The same without alpha, skipping source pixels equal to keyColour.
void PixKeyedBlit(TPixelBuffer& dst, int x, int y, int w, int h, const TPixelBuffer& src, int srcX, int srcY,
                  int srcW, int srcH, const TBox& clipBox, uint32_t keyColour);

// Decoders: 24-bit result, or 32-bit when the PNG has alpha (an alpha channel or a transparency
// chunk). Bad input gives an Error naming the format and the problem, and leaves buffer as it was.
// Pictures of more than kMaxDecodedPixels are refused before anything is allocated, whatever their
// header claims.
inline constexpr int64_t kMaxDecodedPixels = 100'000'000;
Result<> PixLoadPng(TPixelBuffer& buffer, std::span<const uint8_t> bytes);
Result<> PixLoadJpeg(TPixelBuffer& buffer, std::span<const uint8_t> bytes);
// Reads uncompressed 24-bit and 32-bit Windows bitmaps, bottom-up or top-down; the fourth byte of
// a 32-bit file is not alpha in that format and is dropped.
Result<> PixLoadBmp(TPixelBuffer& buffer, std::span<const uint8_t> bytes);
// A 24-bit Windows bitmap file of the buffer (rows bottom-up, as the format requires); nothing
// for an empty buffer.
std::vector<uint8_t> PixEncodeBmp(const TPixelBuffer& buffer);
// A PNG file of the buffer (with alpha when it has alpha); nothing for an empty buffer.
std::vector<uint8_t> PixEncodePng(const TPixelBuffer& buffer);
// A JFIF JPEG file of the buffer's colours (quality 1 to 100); nothing for an empty buffer.
std::vector<uint8_t> PixEncodeJpeg(const TPixelBuffer& buffer, int quality);
// Decodes a PNG, Windows bitmap or JPEG file, told apart by their first bytes.
Result<> PixLoadPicture(TPixelBuffer& buffer, std::span<const uint8_t> bytes);

}  // namespace kirvo
