#include "cutting/Relief.h"

#include <algorithm>
#include <bit>

#include "game/PieceLook.h"

namespace kirvo {

namespace {

constexpr Relief kPaper {{20, 20, -20, -20, 40, 10, -40, -10}, 2};
constexpr Relief kCardboard {{10, 10, -10, -10, 20, 5, -20, -5}, 3};
constexpr Relief kFatCard {{8, 8, -8, -8, 12, 5, -12, -5}, 4};

}  // namespace

bool HasRelief(int embossStyle) { return embossStyle >= kEmbossPaper && embossStyle <= kEmbossFatCard; }

const Relief& ReliefOf(int embossStyle)
{
    return embossStyle == kEmbossPaper ? kPaper : embossStyle == kEmbossCardboard ? kCardboard : kFatCard;
}

ReliefPass MakeReliefPass(const Relief& relief)
{
    // Distances are in 128ths of a pixel, a diagonal step 181 for the square root of 2. A
    // direction whose rim lies d steps away (d - 1 more of the piece's pixels, the run) adds
    // (reach - d x step) x its weight while that is positive; from a run of reach on, nothing.
    const int range = 128 * relief.reach;
    auto gain = [&](size_t k, int d) {
        const int step = IsDiagonal(k) ? 181 : 128;
        return d <= relief.reach && d * step <= range ? (range - d * step) * relief.weights[k] : 0;
    };
    ReliefPass pass;
    for (size_t k = 0; k < 8; ++k) {
        ReliefPass::Direction& direction = pass.directions[k];
        direction.dx = kReliefStepX[k];
        direction.dy = kReliefStepY[k];
        for (int s = 1; s <= relief.reach; ++s) {
            direction.drop[size_t(s)] = gain(k, s) - gain(k, s + 1);
            if (direction.drop[size_t(s)] != 0)
                direction.steps = s;
        }
    }
    return pass;
}

// Word by word of each row: a pixel whose run in a direction stops short of s steps gains the
// drop of step s, so the pixels missing at each step of each direction are found for the whole
// word first; each pixel missing anywhere then adds up its drops. Pixels missing nowhere lie deep
// inside the piece and stay flat.
void EmbossPiece(const PieceBits& bits, const ReliefPass& pass, CellSpans& raised)
{
    constexpr size_t kMostSteps = 8 * kLongestReach;
    std::array<int, kMostSteps> drops;
    size_t steps = 0;
    for (const ReliefPass::Direction& direction : pass.directions)
        for (int s = 1; s <= direction.steps; ++s)
            drops[steps++] = direction.drop[size_t(s)];
    const PieceArea& box = bits.box;
    for (int y = box.top; y <= box.bottom; ++y) {
        const uint64_t* row = bits.Row(y);
        for (int w = 0; w < bits.words; ++w) {
            const uint64_t own = PieceBits::Word(row, w, 0);
            if (own == 0)
                continue;
            std::array<uint64_t, kMostSteps> missing;  // in the order of drops
            uint64_t rim = 0;
            size_t k = 0;
            for (const ReliefPass::Direction& direction : pass.directions) {
                uint64_t reached = own;
                for (int s = 1; s <= direction.steps; ++s, ++k) {
                    reached &= PieceBits::Word(bits.Row(y + s * direction.dy), w, s * direction.dx);
                    missing[k] = own & ~reached;
                    rim |= missing[k];
                }
            }
            for (; rim != 0; rim &= rim - 1) {
                const int i = std::countr_zero(rim);
                int sum = 0;
                for (k = 0; k < steps; ++k)
                    sum += int(missing[k] >> i & 1) * drops[k];
                const int e = std::clamp(sum / 128, -127, 127);  // the division truncates toward zero
                if (e != 0)
                    raised.Add(box.left + 64 * w + i, y, uint8_t(128 + e));
            }
        }
    }
}

void WriteRelief(TPixelBuffer& mask, const CellSpans& raised)
{
    const uint8_t* byte = raised.bytes.data();
    for (const CellSpan& span : raised.spans) {
        uint8_t* pixel = PixAddress(mask, span.x, span.y) + 2;
        for (int i = 0; i < span.count; ++i, pixel += 3)
            *pixel = *byte++;
    }
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
