#include "cutting/KnobTemplates.h"

#include <algorithm>
#include <cassert>
#include <span>

#include "base/Rounding.h"

namespace kirvo {

namespace {

struct DesignPoint {
    int x;
    int y;
};

using Outline = std::span<const DesignPoint>;

constexpr DesignPoint kA0[] = {{0, 31}, {11, 32}, {21, 44}, {37, 44}, {47, 45}, {52, 39}, {54, 32}, {55, 17},
                               {41, 17}, {43, 9}, {43, 4}, {50, -1}, {64, 0}, {77, -1}, {84, 4}, {84, 9}, {86, 17},
                               {72, 17}, {73, 32}, {75, 39}, {80, 45}, {90, 44}, {106, 44}, {116, 32}, {127, 31}};
constexpr DesignPoint kA1[] = {{0, 31}, {19, 19}, {47, 19}, {42, 31}, {30, 42}, {43, 47}, {53, 47}, {63, 47},
                               {72, 41}, {64, 31}, {56, 21}, {65, 15}, {75, 15}, {85, 15}, {98, 20}, {86, 31},
                               {81, 43}, {109, 43}, {127, 31}};
constexpr DesignPoint kA2[] = {{0, 31}, {9, 45}, {19, 55}, {33, 59}, {47, 60}, {54, 56}, {52, 50}, {49, 47}, {45, 44},
                               {46, 40}, {48, 35}, {55, 30}, {64, 31}, {72, 30}, {79, 35}, {81, 40}, {82, 44},
                               {78, 47}, {75, 50}, {73, 56}, {80, 60}, {94, 59}, {108, 55}, {118, 45}, {127, 31}};
constexpr DesignPoint kA3[] = {{0, 31}, {8, 49}, {23, 57}, {34, 58}, {51, 60}, {64, 46}, {64, 31}, {64, 16}, {77, 2},
                               {94, 4}, {105, 5}, {120, 13}, {127, 31}};
constexpr DesignPoint kA4[] = {{0, 31}, {8, 49}, {23, 57}, {34, 58}, {51, 60}, {64, 46}, {64, 31}, {69, 22}, {77, 14},
                               {93, 16}, {103, 16}, {119, 21}, {127, 31}};
constexpr DesignPoint kA5[] = {{0, 31}, {21, 36}, {23, 49}, {40, 51}, {52, 52}, {62, 45}, {64, 31}, {64, 16}, {77, 2},
                               {94, 4}, {105, 5}, {120, 13}, {127, 31}};
constexpr DesignPoint kA6[] = {{0, 31}, {25, 31}, {32, 47}, {46, 47}, {63, 47}, {68, 39}, {68, 32}, {69, 21},
                               {61, 18}, {52, 24}, {44, 26}, {39, 22}, {38, 17}, {37, 1}, {56, 0}, {62, 0}, {88, 1},
                               {88, 26}, {98, 29}, {107, 32}, {118, 32}, {127, 31}};
constexpr DesignPoint kA7[] = {{0, 41}, {9, 69}, {30, 79}, {54, 80}, {77, 75}, {85, 61}, {85, 49}, {84, 36}, {73, 31},
                               {66, 36}, {57, 36}, {53, 58}, {34, 46}, {14, 22}, {50, 1}, {64, 0}, {92, 0}, {113, 14},
                               {127, 41}};
constexpr DesignPoint kA8[] = {{0, 41}, {16, 43}, {41, 61}, {63, 61}, {85, 60}, {97, 50}, {94, 38}, {93, 30},
                               {83, 25}, {76, 29}, {69, 38}, {55, 34}, {56, 25}, {60, 4}, {73, -1}, {90, 0}, {108, 2},
                               {121, 14}, {127, 41}};
constexpr DesignPoint kA9[] = {{0, 31}, {10, 41}, {34, 65}, {59, 60}, {79, 59}, {80, 42}, {80, 41}, {81, 25},
                               {71, 20}, {59, 18}, {52, 17}, {38, 24}, {39, 16}, {40, 9}, {50, 1}, {64, 0}, {92, 0},
                               {113, 14}, {127, 31}};
constexpr DesignPoint kA10[] = {{0, 31}, {9, 32}, {18, 45}, {30, 42}, {43, 43}, {43, 25}, {64, 26}, {84, 25},
                                {84, 43}, {97, 42}, {109, 45}, {118, 32}, {127, 31}};
constexpr DesignPoint kA11[] = {{0, 31}, {13, 28}, {33, 18}, {64, 18}, {95, 18}, {113, 28}, {127, 31}};
constexpr DesignPoint kA12[] = {{0, 31}, {8, 41}, {24, 46}, {34, 46}, {50, 48}, {58, 40}, {64, 31}, {69, 22},
                                {77, 14}, {93, 16}, {103, 16}, {119, 21}, {127, 31}};
constexpr DesignPoint kA13[] = {{0, 31}, {14, 31}, {24, 27}, {31, 19}, {43, 6}, {48, 0}, {64, 0}, {79, 0}, {84, 6},
                                {96, 19}, {103, 27}, {113, 31}, {127, 31}};
constexpr DesignPoint kA14[] = {{0, 31}, {7, 31}, {14, 39}, {21, 40}, {30, 44}, {40, 42}, {40, 35}, {40, 29},
                                {27, 27}, {34, 16}, {37, 11}, {44, 9}, {51, 7}, {55, 5}, {58, 6}, {64, 6}, {69, 6},
                                {72, 5}, {76, 7}, {83, 9}, {90, 11}, {93, 16}, {100, 27}, {87, 29}, {87, 35},
                                {87, 42}, {97, 44}, {106, 40}, {113, 39}, {120, 31}, {127, 31}};
constexpr DesignPoint kA15[] = {{0, 31}, {6, 31}, {15, 36}, {35, 35}, {44, 33}, {45, 34}, {53, 30}, {53, 26},
                                {53, 23}, {53, 20}, {46, 18}, {43, 15}, {43, 10}, {43, 2}, {52, 0}, {59, 0}, {61, 0},
                                {62, 0}, {64, 0}, {65, 0}, {66, 0}, {68, 0}, {75, 0}, {84, 2}, {84, 10}, {84, 15},
                                {81, 18}, {74, 20}, {74, 23}, {74, 26}, {74, 30}, {82, 34}, {83, 33}, {92, 35},
                                {112, 36}, {121, 31}, {127, 31}};
constexpr DesignPoint kC4[] = {{0, 31}, {25, 31}, {32, 47}, {46, 47}, {65, 46}, {66, 40}, {66, 32}, {67, 28},
                               {63, 20}, {58, 20}, {54, 20}, {51, 24}, {47, 24}, {41, 25}, {39, 22}, {38, 19},
                               {37, -3}, {74, -4}, {81, 7}, {86, 14}, {88, 26}, {98, 29}, {107, 32}, {118, 32},
                               {127, 31}};
constexpr DesignPoint kC5[] = {{0, 31}, {14, 31}, {29, 34}, {52, 34}, {58, 33}, {60, 31}, {60, 25}, {58, 14},
                               {40, 16}, {35, 9}, {33, 5}, {34, 0}, {40, 0}, {47, 0}, {72, 0}, {82, 0}, {88, 2},
                               {90, 4}, {90, 8}, {90, 14}, {85, 19}, {85, 24}, {85, 33}, {88, 34}, {96, 34},
                               {106, 34}, {115, 31}, {127, 31}};
constexpr DesignPoint kC6[] = {{0, 31}, {13, 24}, {47, 29}, {36, 41}, {30, 48}, {29, 59}, {40, 61}, {48, 61},
                               {45, 55}, {51, 55}, {58, 55}, {55, 61}, {64, 61}, {74, 59}, {67, 45}, {64, 41},
                               {61, 36}, {52, 20}, {64, 19}, {73, 19}, {70, 24}, {76, 24}, {82, 24}, {79, 19},
                               {89, 19}, {101, 21}, {93, 34}, {89, 41}, {84, 57}, {117, 31}, {127, 31}};

// The artistic set measures its reach one row further than the grid set, which has no reach down.
KnobTemplate Measure(Outline outline, KnobSet set)
{
    assert(outline.size() % 3 == 1 && outline.size() <= size_t(kMaxKnobPoints));
    KnobTemplate knob;
    for (DesignPoint p : outline)
        knob.points.push_back({float(p.x), float(p.y)});
    knob.baseLine = RoundHalfEven(knob.points.front().y);
    knob.length = RoundHalfEven(knob.points.back().x);
    float least = knob.points.front().y;
    float greatest = least;
    for (size_t i = 0; i < knob.points.size(); i += 3) {
        least = std::min(least, knob.points[i].y);
        greatest = std::max(greatest, knob.points[i].y);
    }
    if (set == KnobSet::Artistic) {
        knob.reachUp = knob.baseLine - RoundHalfEven(least) + 1;
        knob.reachDown = RoundHalfEven(greatest) - knob.baseLine + 1;
    } else {
        knob.reachUp = knob.baseLine - RoundHalfEven(least);
    }
    return knob;
}

}  // namespace

std::vector<KnobTemplate> LoadKnobTemplates(KnobSet set)
{
    const Outline artistic[] = {kA0, kA1, kA2,  kA3,  kA4,  kA5,  kA6,  kA7,
                                kA8, kA9, kA10, kA11, kA12, kA13, kA14, kA15};
    const Outline grid[] = {kA0, kA13, kA14, kA15, kC4, kC5, kC6};
    std::vector<KnobTemplate> templates;
    std::span<const Outline> outlines = set == KnobSet::Artistic ? std::span<const Outline>(artistic)
                                                                 : std::span<const Outline>(grid);
    for (Outline outline : outlines)
        templates.push_back(Measure(outline, set));
    return templates;
}

}  // namespace kirvo
