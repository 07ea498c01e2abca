#include "cutting/KnobChoice.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace kirvo {

namespace {

constexpr int kA0 = 0, kA1 = 1, kA3 = 3, kA4 = 4, kA5 = 5, kA6 = 6, kA7 = 7, kA8 = 8, kA9 = 9, kA10 = 10,
              kA11 = 11, kA12 = 12, kA13 = 13, kA14 = 14, kA15 = 15;

std::vector<int> AllArtistic()
{
    std::vector<int> all(16);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

std::vector<int> PerSideList(const Descriptor& d, PixelPoint first, PixelPoint second)
{
    const double length = std::hypot(double(second.x) - first.x, double(second.y) - first.y);
    const int x1 = first.x, y1 = first.y, x2 = second.x, y2 = second.y;
    switch (d.ShapeStyle) {
    case 0:
        if (length > 1.2 * d.TileS)
            return {kA1};
        if (length < d.TileS / 2.0)
            return {kA11};
        return {kA0};
    case 1:
        if (x1 == d.JigsL || x2 == d.JigsL || y2 == d.JigsB)
            return {kA4};
        if (x1 == d.JigsR || x2 == d.JigsR || y1 == d.JigsT)
            return {kA5};
        return {kA3};
    case 2: {
        auto inside = [&](PixelPoint p) { return d.JigsL < p.x && p.x < d.JigsR && d.JigsT < p.y && p.y < d.JigsB; };
        if (length <= d.TileS && inside(first) && inside(second))
            return {kA6, kA7, kA8, kA9};
        return {kA6, kA8, kA9};
    }
    default:
        if (length <= d.TileS)
            return {kA0, kA13, kA14, kA15, kA10, kA11, kA12};
        return {kA0, kA1, kA6, kA13, kA14, kA15};
    }
}

}  // namespace

KnobLists KnobListsFor(int shapeStyle)
{
    const CutFlags artistic{.clearance = true, .lengthLimit = true};
    switch (shapeStyle) {
    case 0:
        return {AllArtistic(), {kA0, kA1, kA10, kA11}, artistic};
    case 1:
        return {{kA3}, {kA10}, {.clearance = true, .fixedOrientation = true, .lengthLimit = true}};
    case 2:
        return {AllArtistic(), {kA7, kA6, kA8, kA9, kA4, kA5, kA10, kA11, kA12}, artistic};
    case 3:
        return {AllArtistic(), {kA10, kA11, kA12}, artistic};
    case 4:
        return {{0}, {}, {}};
    case 5:
        return {{0, 1, 2, 3}, {}, {}};
    default:
        return {{0, 1, 2, 3, 4, 5}, {}, {}};
    }
}

bool ChooseMirror(CutFlags flags, PixelPoint a, PixelPoint b, Random& random)
{
    if (flags.fixedOrientation)
        return std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    return random(2) == 1;
}

KnobChoice ChooseKnob(const Descriptor& d, CutFlags flags, PixelPoint a, PixelPoint b, Random& random)
{
    assert(d.ShapeStyle <= 3);
    // The rules speak of the upper end first, the left one at equal height.
    if (b.y < a.y || (b.y == a.y && b.x < a.x))
        std::swap(a, b);
    std::vector<int> list = PerSideList(d, a, b);
    KnobChoice choice;
    choice.templateIndex = list[random(int(list.size()))];
    choice.mirror = ChooseMirror(flags, a, b, random);
    // A8 is lopsided: along the edge of the cut area the edge it touches sets its mirror.
    if (choice.templateIndex == kA8) {
        if (a.x <= d.JigsL || b.x <= d.JigsL || a.y <= d.JigsT)
            choice.mirror = false;
        else if (a.x >= d.JigsR || b.x >= d.JigsR || b.y >= d.JigsB)
            choice.mirror = true;
    }
    return choice;
}

}  // namespace kirvo
