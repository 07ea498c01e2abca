// Relief: the light on every piece's rim, kept in the red byte of the mask buffers (128 + E, E in
// -127 .. 127, light from the upper left); the piece drawing turns it into what the player sees.
#pragma once

#include <array>
#include <cstddef>

#include "cutting/PieceBits.h"
#include "game/CellSpans.h"
#include "game/GameState.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// An emboss style's relief: per direction (left, up, right, down, up-left, up-right, down-right,
// down-left) a weight for how close the piece's rim lies that way, within the reach.
struct Relief {
    std::array<int, 8> weights;
    int reach = 0;  // pixels
};

inline constexpr int kLongestReach = 4;

// The directions of the weights as steps.
inline constexpr std::array<int, 8> kReliefStepX {-1, 0, 1, 0, -1, 1, 1, -1};
inline constexpr std::array<int, 8> kReliefStepY {0, -1, 0, 1, -1, -1, 1, 1};

inline bool IsDiagonal(size_t direction) { return kReliefStepX[direction] != 0 && kReliefStepY[direction] != 0; }

// Paper, cardboard and fat card have a relief, the other styles none.
bool HasRelief(int embossStyle);
// The relief of a style that has one.
const Relief& ReliefOf(int embossStyle);

// A relief worked out for the pieces. A direction adds to a pixel by how close the piece's rim
// lies that way: when the run of the piece's pixels beyond it stops short of step s, it adds the
// drop of step s, for every s up to the direction's last; a run that long adds nothing. A pixel's
// relief E is the sum over all directions, divided by 128 toward zero, held to -127 .. 127.
struct ReliefPass {
    struct Direction {
        int dx = 0;
        int dy = 0;
        int steps = 0;                                // the last step with a drop
        std::array<int, kLongestReach + 1> drop {};  // by step, from 1
    };
    std::array<Direction, 8> directions;
};

ReliefPass MakeReliefPass(const Relief& relief);
// The relief of one piece: each of its pixels where E is not 0 added to raised, with 128 + E. A
// run ends at the piece's box.
void EmbossPiece(const PieceBits& bits, const ReliefPass& pass, CellSpans& raised);
// The raised cells' bytes into the red byte of their pixels in the mask buffer, which must be flat
// (ResetRelief) where the style changed.
void WriteRelief(TPixelBuffer& mask, const CellSpans& raised);
// Red 128 and green 0 in every pixel: flat.
void ResetRelief(TPixelBuffer& mask);

}  // namespace kirvo
