// Relief: the light on every piece's rim, kept in the red byte of the mask buffers (128 + E, E in
// -127 .. 127, light from the upper left); the piece drawing turns it into what the player sees.
#pragma once

#include <array>
#include <cstddef>

#include "game/GameState.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// An emboss style's relief: per direction (left, up, right, down, up-left, up-right, down-right,
// down-left) a weight for how close the piece's rim lies that way, within the reach.
struct Relief {
    std::array<int, 8> weights;
    int reach = 0;  // pixels
};

// The directions of the weights as steps.
inline constexpr std::array<int, 8> kReliefStepX {-1, 0, 1, 0, -1, 1, 1, -1};
inline constexpr std::array<int, 8> kReliefStepY {0, -1, 0, 1, -1, -1, 1, 1};

inline bool IsDiagonal(size_t direction) { return kReliefStepX[direction] != 0 && kReliefStepY[direction] != 0; }

// Paper, cardboard and fat card have a relief, the other styles none.
bool HasRelief(int embossStyle);
// The relief of a style that has one.
const Relief& ReliefOf(int embossStyle);

// The relief of every piece in the rotation's mask buffer, which must be flat (ResetRelief) where
// the style changed.
void EmbossRelief(GameState& state, int rotation);
// Red 128 and green 0 in every pixel: flat.
void ResetRelief(TPixelBuffer& mask);

}  // namespace kirvo
