#include <cassert>
#include <cstring>

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

constexpr int kBorderBar = 20;  // width of the border piece's bars

// Copies a run of the piece's pixels; a selected piece's pixels are inverted (255 - byte).
void CopyRun(uint8_t* out, const uint8_t* in, int bytes, uint8_t invert)
{
    if (invert == 0) {
        std::memcpy(out, in, size_t(bytes));
        return;
    }
    for (int i = 0; i < bytes; ++i)
        out[i] = in[i] ^ invert;
}

// Clips a copy to the box and to the w x h source buffers, moving the other origin along. The
// source side guards against piece boxes that do not fit their buffers: a damaged saved game, or
// a turn whose turned buffers were never made (width 0).
bool ClipCopy(const TBox& box, int sourceWidth, int sourceHeight, int& x, int& y, int& w, int& h, int& srcX,
              int& srcY)
{
    if (srcX < 0) {
        x -= srcX;
        w += srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        y -= srcY;
        h += srcY;
        srcY = 0;
    }
    w = MinInt(w, sourceWidth - srcX);
    h = MinInt(h, sourceHeight - srcY);
    return w > 0 && h > 0 && BoxClipBlit(box, x, y, w, h, srcX, srcY);
}

void ClipAndBlit(TPixelBuffer& target, const TBox& box, const PieceRecord& piece, const TPixelBuffer& picture,
                 const TPixelBuffer& mask, int x, int y, int w, int h, int srcX, int srcY)
{
    const int sourceWidth = MinInt(picture.width, mask.width);
    const int sourceHeight = MinInt(picture.height, mask.height);
    if (ClipCopy(box, sourceWidth, sourceHeight, x, y, w, h, srcX, srcY))
        BlitPiece(target, x, y, piece, picture, mask, srcX, srcY, w, h);
}

}  // namespace

void DrawPiece(TPixelBuffer& target, const TBox& clip, const TMyWin& window, const GameState& state, int index)
{
    TBox visible;
    TBox targetBox;
    TBox box;
    if (!BoxIntersect(clip, window.client, &visible)
        || !BoxIntersect(visible, BoxFromOrigin(targetBox, 0, 0, target.width, target.height), &box))
        return;

    const PieceRecord& piece = state.pieces[index];
    const TPixelBuffer& picture = state.buffers[kPictureBuffer + piece.rotation];
    const TPixelBuffer& mask = state.buffers[kMaskBuffer + piece.rotation];
    const int x = window.client.left + piece.x - window.scrollX;
    const int y = window.client.top + piece.y - window.scrollY;
    const int sx = piece.rotatedSourceX;
    const int sy = piece.rotatedSourceY;

    const Descriptor& d = state.descriptor;
    if (!IsBorderPuzzle(d) || index != d.TotalTileNum - 1) {
        ClipAndBlit(target, box, piece, picture, mask, x, y, piece.width, piece.height, sx, sy);
        return;
    }
    // The frame's box is the whole picture; its bars alone hold its pixels, so scanning the
    // inside would cost a picture's worth of mask reads for nothing.
    struct Bar {
        int left, top, width, height;
    };
    const Bar bars[] = {
        {0, 0, d.ImageW, kBorderBar},
        {0, d.ImageH - kBorderBar, d.ImageW, kBorderBar},
        {0, kBorderBar, kBorderBar, d.ImageH - 2 * kBorderBar},
        {d.ImageW - kBorderBar, kBorderBar, kBorderBar, d.ImageH - 2 * kBorderBar},
    };
    for (const Bar& bar : bars)
        ClipAndBlit(target, box, piece, picture, mask, x + bar.left, y + bar.top, bar.width, bar.height, sx + bar.left,
                    sy + bar.top);
}

// Callers must clip.
void BlitPiece(TPixelBuffer& target, int x, int y, const PieceRecord& piece, const TPixelBuffer& picture,
               const TPixelBuffer& mask, int srcX, int srcY, int width, int height)
{
    assert(target.bytesPerPixel == 3 && picture.bytesPerPixel == 3 && mask.bytesPerPixel == 3);
    assert(x >= 0 && y >= 0 && width <= target.width - x && height <= target.height - y);
    assert(srcX >= 0 && srcY >= 0 && width <= picture.width - srcX && height <= picture.height - srcY);
    assert(width <= mask.width - srcX && height <= mask.height - srcY);

    const uint8_t value = piece.maskValue;
    const uint8_t invert = piece.selected ? 0xFF : 0x00;
    uint8_t* out = PixAddress(target, x, y);
    const uint8_t* in = PixAddress(picture, srcX, srcY);
    const uint8_t* owner = PixAddress(mask, srcX, srcY);
    for (int row = 0; row < height; ++row) {
        // Runs of owned pixels are copied whole: inside a piece most rows are one long run.
        int i = 0;
        while (i < width) {
            while (i < width && owner[3 * i] != value)
                ++i;
            const int start = i;
            while (i < width && owner[3 * i] == value)
                ++i;
            if (i > start)
                CopyRun(out + 3 * start, in + 3 * start, 3 * (i - start), invert);
        }
        out += target.stride;
        in += picture.stride;
        owner += mask.stride;
    }
}

}  // namespace kirvo
