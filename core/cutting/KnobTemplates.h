// KnobTemplates: the built-in knob outlines and their measures.
//
// A template is a composite cubic Bezier path in a design box whose base line runs from
// (0, baseLine) to (length, baseLine); x grows along the side and y downward, so points above the
// base line bulge to one side of a side and points below to the other. The artistic set (A0 to
// A15) serves shape styles 0 to 3, the grid set (C0 to C6, where C0 to C3 repeat A0, A13, A14 and
// A15) styles 4 and above.
#pragma once

#include <vector>

#include "cutting/BezierPath.h"

namespace kirvo {

inline constexpr int kMaxKnobPoints = 40;

struct KnobTemplate {
    std::vector<PathPoint> points;  // 3k + 1, at most kMaxKnobPoints
    int baseLine = 0;   // design y of the first point
    int length = 0;     // design x of the last point
    int reachUp = 0;    // design rows from the base line up to the highest on-path point (+1 in the artistic set)
    int reachDown = 0;  // design rows below the base line, + 1; 0 in the grid set, which never measures room
};

enum class KnobSet { Artistic, Grid };

// The sixteen artistic templates or the seven grid templates, measured.
std::vector<KnobTemplate> LoadKnobTemplates(KnobSet set);

}  // namespace kirvo
