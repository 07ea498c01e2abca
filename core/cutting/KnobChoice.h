// Which knob a side gets: the template lists and cut flags of a shape style, and the per-side
// choice of template and mirror in the artistic cut. Every random draw comes from the cut's
// generator, in a fixed order, so a seed always gives the same knobs.
#pragma once

#include <vector>

#include "base/Random.h"
#include "cutting/BezierPath.h"
#include "game/Descriptor.h"

namespace kirvo {

struct CutFlags {
    bool clearance = false;         // knob height follows the room beside the side; knobs must pass KnobClear
    bool fixedOrientation = false;  // knob side and mirror follow the side's direction instead of random draws
    bool lengthLimit = false;       // sides shorter than TileS / 3 get no knob
    friend bool operator==(const CutFlags&, const CutFlags&) = default;
};

struct KnobLists {
    std::vector<int> firstChoice;  // template numbers; the artistic cut replaces it per side (ChooseKnob)
    std::vector<int> fallback;     // tried in order when the chosen knob cannot be drawn
    CutFlags flags;
};

// Styles above 6 are cut as style 6.
KnobLists KnobListsFor(int shapeStyle);

struct KnobChoice {
    int templateIndex = 0;
    bool mirror = false;
    friend bool operator==(const KnobChoice&, const KnobChoice&) = default;
};

// The template and mirror for a side of the artistic cut (shape styles 0 to 3) between the
// rounded end points a and b, in either order. Draws Random(list count), then the mirror.
KnobChoice ChooseKnob(const Descriptor& descriptor, CutFlags flags, PixelPoint a, PixelPoint b, Random& random);
// The mirror of a template other than the first choice: from the direction with fixed
// orientation (set when the side is at least as wide as tall), else Random(2).
bool ChooseMirror(CutFlags flags, PixelPoint a, PixelPoint b, Random& random);

}  // namespace kirvo
