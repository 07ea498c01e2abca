#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

#include "playfield/FieldImage.h"

#include "game/MaskValue.h"

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

// The band of a wooden edge or shadow lies in the mask's margin beyond the picture, so pieces with
// one are clipped to the mask; without, to the picture too.
void ClipAndBlit(TPixelBuffer& target, const TBox& box, const PieceRecord& piece, const PieceSource& source, int x,
                 int y, int w, int h, int srcX, int srcY)
{
    const bool band = source.band != nullptr;
    const int sourceWidth = band ? source.maskWidth : MinInt(source.picture.width, source.maskWidth);
    const int sourceHeight = band ? source.maskHeight : MinInt(source.picture.height, source.maskHeight);
    if (ClipCopy(box, sourceWidth, sourceHeight, x, y, w, h, srcX, srcY))
        BlitPiece(target, x, y, piece, source, srcX, srcY, w, h);
}

uint8_t Clamp(int value)
{
    return uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

// The shadow keeps a share of the pixel beneath, half next to the piece and more further out:
// for each edge width, per depth, what each byte value becomes.
using ShadowTable = std::array<std::array<uint8_t, 256>, kMaxEdgeDepth + 1>;

const ShadowTable& ShadowOf(int edgeWidth)
{
    static const std::array<ShadowTable, kMaxEdgeDepth + 1> tables = [] {
        std::array<ShadowTable, kMaxEdgeDepth + 1> made {};
        for (int width = 0; width <= kMaxEdgeDepth; ++width) {
            const int steps = width > 1 ? 112 / (width - 1) : 0;
            for (int k = 1; k <= kMaxEdgeDepth; ++k) {
                const int keep = 256 - std::clamp(128 - (k - 1) * steps, 0, 256);  // of 256
                for (int value = 0; value < 256; ++value)
                    made[size_t(width)][size_t(k)][size_t(value)] = uint8_t(value * keep >> 8);
            }
        }
        return made;
    }();
    return tables[size_t(std::clamp(edgeWidth, 0, kMaxEdgeDepth))];
}

// What the band does at each depth: the wooden edge is the wood colour darkened by 10 a step, the
// shadow darkens the pixel beneath by its table.
struct Band {
    bool wood = false;
    std::array<std::array<uint8_t, 3>, kMaxEdgeDepth + 1> colour {};  // blue, green, red
    const ShadowTable& shadow;

    explicit Band(const PieceLook& look) : wood(look.woodStyle == kWoodEdge), shadow(ShadowOf(look.edgeWidth))
    {
        for (int k = 1; k <= kMaxEdgeDepth; ++k) {
            const int fade = 10 * (k - 1);
            colour[size_t(k)] = {Clamp(int((look.woodColor >> 16) & 0xFF) - fade),
                                 Clamp(int((look.woodColor >> 8) & 0xFF) - fade), Clamp(int(look.woodColor & 0xFF) - fade)};
        }
    }

    void Paint(uint8_t* out, int k) const
    {
        if (wood) {
            std::memcpy(out, colour[size_t(k)].data(), 3);
            return;
        }
        const std::array<uint8_t, 256>& keep = shadow[size_t(k)];
        for (int c = 0; c < 3; ++c)
            out[c] = keep[out[c]];
    }
};

// Calls paint(x, y, count, first) for the part of each span inside the width x height area from
// (srcX, srcY): count cells from (x, y), whose bytes start at first.
template <typename Paint>
void ForSpansIn(const CellSpans& cells, int srcX, int srcY, int width, int height, Paint paint)
{
    uint32_t first = 0;
    for (const CellSpan& span : cells.spans) {
        const uint32_t at = first;
        first += span.count;
        if (span.y >= srcY + height)
            break;
        if (span.y < srcY)
            continue;
        const int from = MaxInt(span.x, srcX);
        const int to = MinInt(span.x + span.count, srcX + width);
        if (from < to)
            paint(from, span.y, to - from, at + uint32_t(from - span.x));
    }
}

// The piece's own pixels, read from the mask: runs copied whole, then their raised or lowered
// pixels set one by one.
void CopyOwnPixels(TPixelBuffer& target, int x, int y, const PieceRecord& piece, const PieceSource& source, int srcX,
                   int srcY, int width, int height, uint8_t invert)
{
    const uint8_t value = piece.maskValue;
    const bool relief = source.look.embossStyle != kEmbossNone;
    const TurnedView& picture = source.picture;
    for (int row = 0; row < height; ++row) {
        uint8_t* out = PixAddress(target, x, y + row);
        const uint8_t* owner = PixAddress(source.mask, srcX, srcY + row);
        int i = 0;
        while (i < width) {
            while (i < width && owner[3 * i] != value)
                ++i;
            const int start = i;
            while (i < width && owner[3 * i] == value)
                ++i;
            if (i == start)
                continue;
            CopyTurnedRow(out + 3 * start, picture, srcX + start, srcY + row, i - start, invert);
            for (int j = start; relief && j < i; ++j) {
                if (const int d = owner[3 * j + 2] - 128; d != 0) {
                    const uint8_t* in = picture.At(srcX + j, srcY + row);
                    for (int c = 0; c < 3; ++c)
                        out[3 * j + c] = Clamp(in[c] + d) ^ invert;
                }
            }
        }
    }
}

// The same from the runs worked out with the effects, the raised and lowered pixels ready made.
void CopyOwnRuns(TPixelBuffer& target, int x, int y, const PieceRuns& runs, const PieceSource& source, int srcX,
                 int srcY, int width, int height, uint8_t invert)
{
    ForSpansIn(runs.own, srcX, srcY, width, height, [&](int from, int row, int count, uint32_t) {
        CopyTurnedRow(PixAddress(target, x + from - srcX, y + row - srcY), source.picture, from, row, count, invert);
    });
    if (source.look.embossStyle == kEmbossNone)
        return;
    ForSpansIn(runs.relief, srcX, srcY, width, height, [&](int from, int row, int count, uint32_t first) {
        CopyRun(PixAddress(target, x + from - srcX, y + row - srcY), runs.lit.data() + 3 * size_t(first), 3 * count,
                invert);
    });
}

// A piece with relief or a band: its own pixels, then the band over the others.
void BlitWithEffects(TPixelBuffer& target, int x, int y, const PieceRecord& piece, const PieceSource& source,
                     int srcX, int srcY, int width, int height)
{
    const uint8_t invert = piece.selected ? 0xFF : 0x00;
    // Pixels of the piece only ever lie inside the picture; the band may reach into the margin.
    const int ownWidth = MinInt(width, source.picture.width - srcX);
    const int ownHeight = MinInt(height, source.picture.height - srcY);
    // Without runs the mask says which pixels are the piece's; a freed turned mask says none.
    if (source.runs != nullptr)
        CopyOwnRuns(target, x, y, *source.runs, source, srcX, srcY, ownWidth, ownHeight, invert);
    else if (source.mask.width > 0)
        CopyOwnPixels(target, x, y, piece, source, srcX, srcY, ownWidth, ownHeight, invert);
    if (source.band == nullptr)
        return;
    const Band band(source.look);
    ForSpansIn(*source.band, srcX, srcY, width, height, [&](int from, int row, int count, uint32_t first) {
        uint8_t* out = PixAddress(target, x + from - srcX, y + row - srcY);
        for (int i = 0; i < count; ++i, out += 3)
            band.Paint(out, source.band->bytes[first + uint32_t(i)]);
    });
}

}  // namespace

void DrawPiece(TPixelBuffer& target, const TBox& clip, const TMyWin& window, const GameState& state, int index)
{
    TBox visible;
    TBox box;
    if (!BoxIntersect(clip, window.client, &visible)
        || !BoxIntersect(visible, BoxFromOrigin(0, 0, target.width, target.height), &box))
        return;

    const PieceRecord& piece = state.pieces[index];
    const PieceSource source = SourceOf(state, piece.rotation, index);
    const int x = window.client.left + piece.x - window.scrollX;
    const int y = window.client.top + piece.y - window.scrollY;
    const int sx = piece.rotatedSourceX;
    const int sy = piece.rotatedSourceY;
    const int e = source.band ? state.look.edgeWidth : 0;

    const Descriptor& d = state.descriptor;
    if (!IsBorderPuzzle(d) || index != d.TotalTileNum - 1) {
        ClipAndBlit(target, box, piece, source, x, y, piece.width + e, piece.height + e, sx, sy);
        return;
    }
    // The frame's box is the whole picture; its bars alone hold its pixels, so scanning the
    // inside would cost a picture's worth of mask reads for nothing.
    struct Bar {
        int left, top, width, height;
    };
    // With a band the bars grow by its width, so the frame's edge shows all round.
    const Bar bars[] = {
        {0, 0, d.ImageW + e, kBorderBar + e},
        {0, d.ImageH - kBorderBar, d.ImageW + e, kBorderBar + e},
        {0, kBorderBar, kBorderBar + e, d.ImageH - 2 * kBorderBar + e},
        {d.ImageW - kBorderBar, kBorderBar, kBorderBar + e, d.ImageH - 2 * kBorderBar + e},
    };
    for (const Bar& bar : bars)
        ClipAndBlit(target, box, piece, source, x + bar.left, y + bar.top, bar.width, bar.height, sx + bar.left,
                    sy + bar.top);
}

PieceSource SourceOf(const GameState& state, int rotation, int piece)
{
    static const CellSpans kNoBand;
    const EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const CellSpans* band = nullptr;
    if (state.look.woodStyle != kWoodNone && edges.width > 0)
        band = piece >= 0 && size_t(piece) < edges.bands.size() ? &edges.bands[size_t(piece)] : &kNoBand;
    const std::vector<PieceRuns>& runs = state.pieceRuns[size_t(rotation)];
    const bool known = HasEffects(state.look) && piece >= 0 && size_t(piece) < runs.size() && runs[size_t(piece)].known;
    const MaskSize size = TurnedMaskSize(state, rotation);
    return {PictureView(state, rotation), state.buffers[kMaskBuffer + rotation], size.width, size.height,
            band, known ? &runs[size_t(piece)] : nullptr, state.look};
}

// Callers must clip.
void BlitPiece(TPixelBuffer& target, int x, int y, const PieceRecord& piece, const PieceSource& source, int srcX,
               int srcY, int width, int height)
{
    const TurnedView& picture = source.picture;
    const TPixelBuffer& mask = source.mask;
    assert(target.bytesPerPixel == 3 && mask.bytesPerPixel == 3);
    assert(x >= 0 && y >= 0 && width <= target.width - x && height <= target.height - y);
    assert(srcX >= 0 && srcY >= 0 && width <= source.maskWidth - srcX && height <= source.maskHeight - srcY);
    assert(source.band || (width <= picture.width - srcX && height <= picture.height - srcY));
    if (source.band || source.look.embossStyle != kEmbossNone) {
        BlitWithEffects(target, x, y, piece, source, srcX, srcY, width, height);
        return;
    }
    // Without effects every turned mask is held, unless a damaged record names a turn the game
    // never made: such a piece has no pixels.
    if (mask.width == 0)
        return;

    const uint8_t value = piece.maskValue;
    const uint8_t invert = piece.selected ? 0xFF : 0x00;
    uint8_t* out = PixAddress(target, x, y);
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
                CopyTurnedRow(out + 3 * start, picture, srcX + start, srcY + row, i - start, invert);
        }
        out += target.stride;
        owner += mask.stride;
    }
}

}  // namespace kirvo
