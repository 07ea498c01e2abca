#include "cutting/Relief.h"

#include <algorithm>
#include <vector>

#include "cutting/PieceArea.h"
#include "game/PieceLook.h"

namespace kirvo {

namespace {

constexpr Relief kPaper {{20, 20, -20, -20, 40, 10, -40, -10}, 2};
constexpr Relief kCardboard {{10, 10, -10, -10, 20, 5, -20, -5}, 3};
constexpr Relief kFatCard {{8, 8, -8, -8, 12, 5, -12, -5}, 4};
constexpr int kLongestReach = 4;

// The eight directions pair up into four lines through a pixel, each walked by a step (dx, dy)
// that leads to a later pixel in row order. Along a line the piece's pixels lie in runs, and a
// pixel's step counts to the rim, both ways, follow from where its run begins and ends.
struct Line {
    int dx = 0;
    int dy = 0;
    int backward = 0;  // the direction towards the run's first pixel
    int forward = 0;   // towards its last
};
constexpr std::array<Line, 4> kLines {{{1, 0, 0, 2}, {0, 1, 1, 3}, {1, 1, 4, 6}, {-1, 1, 5, 7}}};

// Positions along a line: x on a row, y on the others.
struct Run {
    int first = 0;
    int last = 0;
};

// The relief tables of one mask buffer. Distances are in 128ths of a pixel, a diagonal step 181
// for the square root of 2; a direction whose rim lies d steps away adds (reach - d x step) x its
// weight while that is not negative: gain[k][d], d from 1 to reach + 1 (0 is unused).
struct ReliefPass {
    int reach = 0;                       // in pixels
    std::array<ptrdiff_t, 4> offset {};  // bytes from a pixel to the next one along each line
    std::array<std::array<int, kLongestReach + 2>, 8> gain {};
    std::array<std::vector<Run>, 4> runs;  // by line, for the lines through the box: see LineIndex
};

ReliefPass MakeReliefPass(const TPixelBuffer& mask, const Relief& relief)
{
    ReliefPass pass;
    pass.reach = relief.reach;
    for (size_t f = 0; f < 4; ++f) {
        pass.offset[f] = kLines[f].dx * 3 + kLines[f].dy * ptrdiff_t(mask.stride);
        pass.runs[f].resize(size_t(mask.width + mask.height));
    }
    const int range = 128 * relief.reach;
    for (size_t k = 0; k < 8; ++k) {
        const int step = IsDiagonal(k) ? 181 : 128;
        for (int d = 1; d <= relief.reach + 1; ++d)
            pass.gain[k][size_t(d)] = d * step <= range ? (range - d * step) * relief.weights[k] : 0;
    }
    return pass;
}

// Where the run of a pixel's line is kept: rows by their row and columns by their column in the
// box, diagonals numbered from the lower left corner and antidiagonals from the upper left.
size_t LineIndex(const Line& line, const PieceArea& box, int x, int y)
{
    if (line.dy == 0)
        return size_t(y - box.top);
    const int across = (x - box.left) - line.dx * (y - box.top);
    return size_t(line.dx > 0 ? across + (box.bottom - box.top) : across);
}

// The run along the line that starts at the pixel: it ends at the first pixel of another piece or
// at the box's edge.
Run RunFrom(const uint8_t* pixel, uint8_t value, const PieceArea& box, int x, int y, const Line& line, ptrdiff_t offset)
{
    int room = box.bottom - y;  // steps to the box's edge along the line
    if (line.dx > 0)
        room = line.dy > 0 ? MinInt(room, box.right - x) : box.right - x;
    else if (line.dx < 0)
        room = MinInt(room, x - box.left);
    const int start = line.dy != 0 ? y : x;
    Run run {start, start};
    for (pixel += offset; run.last - start < room && pixel[0] == value; pixel += offset)
        ++run.last;
    return run;
}

// Whether the pixel before this one on the line lies inside the box.
bool HasPrevious(const Line& line, const PieceArea& box, int x, int y)
{
    return (line.dy == 0 || y > box.top) && (line.dx == 0 || (line.dx > 0 ? x > box.left : x < box.right));
}

// Rows top to bottom, pixels left to right: a pixel whose predecessor on a line is not the
// piece's starts a run there, which later pixels of the run find under the line's index.
void EmbossPiece(TPixelBuffer& mask, const PieceArea box, uint8_t value, ReliefPass& pass)
{
    for (int y = box.top; y <= box.bottom; ++y) {
        uint8_t* pixel = PixAddress(mask, box.left, y);
        for (int x = box.left; x <= box.right; ++x, pixel += 3) {
            if (pixel[0] != value)
                continue;
            int sum = 0;
#pragma GCC unroll 4  // each line's steps become constants
            for (size_t f = 0; f < 4; ++f) {
                const Line& line = kLines[f];
                Run& run = pass.runs[f][LineIndex(line, box, x, y)];
                if (!HasPrevious(line, box, x, y) || pixel[-pass.offset[f]] != value)
                    run = RunFrom(pixel, value, box, x, y, line, pass.offset[f]);
                const int at = line.dy != 0 ? y : x;
                sum += pass.gain[size_t(line.backward)][size_t(MinInt(at - run.first, pass.reach) + 1)];
                sum += pass.gain[size_t(line.forward)][size_t(MinInt(run.last - at, pass.reach) + 1)];
            }
            const int e = std::clamp(sum / 128, -127, 127);  // the division truncates toward zero
            if (e != 0)
                pixel[2] = uint8_t(128 + e);
        }
    }
}

}  // namespace

bool HasRelief(int embossStyle) { return embossStyle >= kEmbossPaper && embossStyle <= kEmbossFatCard; }

const Relief& ReliefOf(int embossStyle)
{
    return embossStyle == kEmbossPaper ? kPaper : embossStyle == kEmbossCardboard ? kCardboard : kFatCard;
}

void EmbossRelief(GameState& state, int rotation)
{
    TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    ReliefPass pass = MakeReliefPass(mask, ReliefOf(state.look.embossStyle));
    for (int i = 0; i < PieceCount(state); ++i)
        EmbossPiece(mask, ClippedPieceArea(state, i, rotation, 0, mask.width, mask.height),
                    state.pieces[size_t(i)].maskValue, pass);
}

void ResetRelief(TPixelBuffer& mask)
{
    for (int y = 0; y < mask.height; ++y) {
        uint8_t* pixel = PixRow(mask, y);
        for (int x = 0; x < mask.width; ++x, pixel += mask.bytesPerPixel) {
            pixel[1] = 0;
            pixel[2] = 128;
        }
    }
}

}  // namespace kirvo
