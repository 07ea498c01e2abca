#include "cutting/MaskValues.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "cutting/CellLayout.h"
#include "cutting/CutCanvas.h"

namespace kirvo {

namespace {

// The pieces the cut drew for in the box, clipped to the picture, one entry per run of pixels.
template <typename Visit>
void ForEachRun(const TPixelBuffer& canvas, const Descriptor& d, const TBox& box, Visit visit)
{
    const int left = MaxInt(box.left, 0);
    const int right = MinInt(box.right, d.ImageW - 1);
    for (int y = MaxInt(box.top, 0); y <= MinInt(box.bottom, d.ImageH - 1); ++y) {
        const uint8_t* pixel = PixAddress(canvas, left, y);
        int x = left;
        while (x <= right) {
            const int piece = WorkPiece(pixel);
            const int start = x;
            do {
                ++x;
                pixel += 3;
            } while (x <= right && WorkPiece(pixel) == piece);
            if (piece >= 0)
                visit(piece, start, x - 1, y);
        }
    }
}

TBox WholePicture(const Descriptor& d)
{
    return BoxFromCorners(0, 0, d.ImageW - 1, d.ImageH - 1);
}

// Whether the piece has pixels in the box, clipped to the picture.
bool HasPixelsIn(const TPixelBuffer& canvas, const Descriptor& d, const TBox& box, int piece)
{
    const int left = MaxInt(box.left, 0);
    const int right = MinInt(box.right, d.ImageW - 1);
    for (int y = MaxInt(box.top, 0); y <= MinInt(box.bottom, d.ImageH - 1); ++y) {
        const uint8_t* pixel = PixAddress(canvas, left, y);
        for (int x = left; x <= right; ++x, pixel += 3)
            if (WorkPiece(pixel) == piece)
                return true;
    }
    return false;
}

// Pairs of pieces of one value where one has pixels in the other's source box, the later piece
// first, in order and each once. A source box holds all of its piece's pixels, so only pieces
// whose boxes meet can share pixels, and then only in the common part. Pieces of one value lie
// cells apart and their boxes seldom meet: sorted by value and left edge, each box is compared
// only with those of its value that start before it ends.
std::vector<std::pair<int, int>> SharingPairs(const TPixelBuffer& canvas, const Descriptor& d,
                                              const std::vector<PieceRecord>& pieces, int count)
{
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return std::pair{pieces[a].maskValue, pieces[a].sourceX} < std::pair{pieces[b].maskValue, pieces[b].sourceX};
    });
    std::vector<std::pair<int, int>> pairs;
    for (size_t k = 0; k < order.size(); ++k) {
        const int a = order[k];
        const TBox box = SourceBox(pieces[a]);
        for (size_t l = k + 1; l < order.size(); ++l) {
            const int b = order[l];
            if (pieces[b].maskValue != pieces[a].maskValue || pieces[b].sourceX > box.right)
                break;
            TBox common;
            if (BoxIntersect(box, SourceBox(pieces[b]), &common) &&
                (HasPixelsIn(canvas, d, common, a) || HasPixelsIn(canvas, d, common, b)))
                pairs.push_back({std::max(a, b), std::min(a, b)});
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// The cell table first, so that a piece keeps to the usual values where it can.
std::vector<uint8_t> CandidateValues()
{
    std::vector<uint8_t> values;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            values.push_back(CellMaskValue(row, column));
    for (int value = 1; value < 255; ++value)
        if (value != kFrameMaskValue && std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(uint8_t(value));
    return values;
}

}  // namespace

void TakeInOwnPixels(const TPixelBuffer& canvas, const Descriptor& d, std::vector<PieceRecord>& pieces, int count)
{
    std::vector<TBox> found(static_cast<size_t>(count));
    ForEachRun(canvas, d, WholePicture(d), [&](int piece, int left, int right, int y) {
        BoxUnion(found[piece], left, y, right, y);
    });
    for (int i = 0; i < count; ++i) {
        if (BoxIsEmpty(found[i]))
            continue;
        const bool keep = pieces[i].sourceWidth > 0 && pieces[i].sourceHeight > 0 && !pieces[i].pictureShape;
        TBox box = keep ? SourceBox(pieces[i]) : TBox{};
        BoxUnion(box, found[i].left, found[i].top, found[i].right, found[i].bottom);
        SetSourceBox(pieces[i], box);
    }
}

void SeparateMaskValues(const TPixelBuffer& canvas, const Descriptor& d, std::vector<PieceRecord>& pieces, int count)
{
    // A value changed below is chosen clear of every piece sharing with the piece, so it makes no
    // new pairs.
    const std::vector<std::pair<int, int>> clashes = SharingPairs(canvas, d, pieces, count);
    const std::vector<uint8_t> candidates = CandidateValues();
    for (const auto& clash : clashes) {
        const int later = clash.first;  // not a structured binding: clang 14 cannot capture those
        const int earlier = clash.second;
        if (pieces[later].maskValue != pieces[earlier].maskValue)
            continue;
        // Pieces with pixels in its box, and pieces whose box holds its pixels.
        std::vector<int> sharing;
        const TBox box = SourceBox(pieces[later]);
        ForEachRun(canvas, d, box, [&](int piece, int, int, int) { sharing.push_back(piece); });
        for (int other = 0; other < count; ++other) {
            TBox common;
            if (other != later && BoxIntersect(box, SourceBox(pieces[other]), &common))
                ForEachRun(canvas, d, common, [&](int piece, int, int, int) {
                    if (piece == later)
                        sharing.push_back(other);
                });
        }
        auto taken = [&](uint8_t value) {
            return std::any_of(sharing.begin(), sharing.end(),
                               [&](int piece) { return pieces[piece].maskValue == value; });
        };
        for (uint8_t value : candidates)
            if (!taken(value)) {
                pieces[later].maskValue = value;
                break;
            }
    }
}

void PaintMaskValues(TPixelBuffer& canvas, const Descriptor& d, const std::vector<PieceRecord>& pieces)
{
    for (int y = 0; y < d.ImageH; ++y) {
        uint8_t* pixel = PixRow(canvas, y);
        for (int x = 0; x < d.ImageW; ++x, pixel += 3) {
            const int piece = WorkPiece(pixel);
            if (piece >= 0)
                PutColour(pixel, PieceColour(pieces[piece].maskValue));
        }
    }
}

}  // namespace kirvo
