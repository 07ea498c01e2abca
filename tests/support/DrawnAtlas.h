// The small-knob atlas as the build draws it, made once per test program.
#pragma once

#include "cutting/KnobAtlas.h"

namespace kirvo::testing {

inline const KnobAtlas& DrawnAtlas()
{
    static const KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    return atlas;
}

}  // namespace kirvo::testing
