// Random: the one pseudo-random generator of the game.
//
// A linear congruential generator with a 32-bit state. A cut starts with the state equal to the
// puzzle's GameSeed and draws every random choice from it in a fixed order, so a seed always
// gives the same pieces.
#pragma once

#include <cstdint>

namespace kirvo {

class Random {
public:
    explicit Random(uint32_t state = 0) : state(state) {}

    // An integer in 0 .. n - 1 (0 when n is 0).
    int operator()(int n)
    {
        state = state * 134775813u + 1u;
        return static_cast<int>((uint64_t(state) * uint32_t(n)) >> 32);
    }

    uint32_t state;
};

}  // namespace kirvo
