#include "cutting/PictureSides.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

#include "base/Rounding.h"
#include "cutting/CutCanvas.h"
#include "cutting/MaskValues.h"

namespace kirvo {

namespace {

constexpr int kMissTurns = 9;        // tries of 10 degrees each toward the picture after a straight miss
constexpr double kMissTurn = 10.0;
constexpr int kFineTurns = 10;       // tries of 2 degrees each way around a hit
constexpr double kFineTurn = 2.0;
constexpr double kCentreClearance = 4.0;

int Side(PixelPoint a, PixelPoint b, PixelPoint p) { return Orientation({a.x, a.y}, {b.x, b.y}, {p.x, p.y}); }

// Distance from p to the line through a and b.
double DistanceToLine(PixelPoint a, PixelPoint b, PixelPoint p)
{
    const double length = std::hypot(double(b.x - a.x), double(b.y - a.y));
    if (length == 0)
        return std::hypot(double(p.x - a.x), double(p.y - a.y));
    return std::abs(double(b.x - a.x) * (p.y - a.y) - double(b.y - a.y) * (p.x - a.x)) / length;
}

bool Near(PixelPoint a, PixelPoint b) { return std::abs(a.x - b.x) < 2 && std::abs(a.y - b.y) < 2; }

// Visits the pixels of the line after `from`, up to and including `to`, until visit says stop;
// `at` is then the pixel it stopped at.
template <typename Visit>
bool StepAlong(PixelPoint from, PixelPoint to, Visit visit, PixelPoint& at)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    PixelPoint p = from;
    while (p != to) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
        if (visit(p)) {
            at = p;
            return true;
        }
    }
    return false;
}

bool NearColour(const TPixelBuffer& canvas, PixelPoint p, uint32_t colour)
{
    if (p.x < 1 || p.y < 1 || p.x + 1 >= canvas.width || p.y + 1 >= canvas.height) {
        for (int y = p.y - 1; y <= p.y + 1; ++y)
            for (int x = p.x - 1; x <= p.x + 1; ++x)
                if (PixGetPixel(canvas, x, y) == colour)
                    return true;
        return false;
    }
    for (int y = p.y - 1; y <= p.y + 1; ++y) {
        const uint8_t* pixel = PixAddress(canvas, p.x - 1, y);
        if (ColourAt(pixel) == colour || ColourAt(pixel + 3) == colour || ColourAt(pixel + 6) == colour)
            return true;
    }
    return false;
}

// Narrows [low, high], the parameters of a line start + t * delta along one axis, to the span
// from lower to upper on that axis. False when nothing is left.
bool ClipSpan(double start, double delta, double lower, double upper, double& low, double& high)
{
    if (delta == 0)
        return start >= lower && start <= upper;
    double enter = (lower - start) / delta;
    double leave = (upper - start) / delta;
    if (enter > leave)
        std::swap(enter, leave);
    low = std::max(low, enter);
    high = std::min(high, leave);
    return low <= high;
}

// Whether the segment from a to b passes through the box.
bool Passes(PixelPoint a, PixelPoint b, const TBox& box)
{
    double low = 0;
    double high = 1;
    return ClipSpan(a.x, b.x - a.x, box.left, box.right, low, high) &&
           ClipSpan(a.y, b.y - a.y, box.top, box.bottom, low, high);
}

RealPoint Turned(RealPoint v, double degrees)
{
    const double angle = degrees * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

PixelPoint Clamped(RealPoint p, const TBox& area)
{
    return {std::clamp(RoundHalfEven(p.x), area.left, area.right), std::clamp(RoundHalfEven(p.y), area.top, area.bottom)};
}

// Side g of piece i, one of whose ends meets the picture piece's cell, walks along its line
// (from its far end, past the near one) to the silhouette.
void Reach(PictureCut& cut, int i, int g, int picture, const TBox& pictureBox)
{
    TessellationEdge& side = cut.sides[i][g];
    const uint32_t colour = WorkColour(picture);
    const PixelPoint centre = cut.Centre(picture);
    const RealPoint e1 = LineStart(side);
    const RealPoint e2 = LineEnd(side);

    // The point of the extended line nearest the picture's centre, and which way it lies.
    const RealPoint along{e2.x - e1.x, e2.y - e1.y};
    const double lengthSquared = along.x * along.x + along.y * along.y;
    const double t = lengthSquared > 0
                         ? std::clamp(((centre.x - e1.x) * along.x + (centre.y - e1.y) * along.y) / lengthSquared, 0.0, 1.0)
                         : 0.0;
    const RealPoint nearest{e1.x + t * along.x, e1.y + t * along.y};
    const RealPoint middle{(side.x1 + side.x2) / 2, (side.y1 + side.y2) / 2};
    const bool tall = std::abs(along.y) > std::abs(along.x);
    const bool beyond = tall ? along.y * (middle.y - nearest.y) > 0 : along.x * (middle.x - nearest.x) > 0;
    const int fromEnd = beyond ? 1 : 0;
    const PixelPoint from = beyond ? SideEnd(side) : SideStart(side);
    const PixelPoint toward = Clamped(beyond ? e1 : e2, cut.area);

    const PixelPoint own = cut.Centre(i);
    const PixelPoint across = cut.Centre(side.neighbour);
    const int ownSide = Side(from, toward, own);
    const int acrossSide = Side(from, toward, across);
    auto keepsCentres = [&](PixelPoint hit) {
        return Side(from, hit, own) == ownSide && Side(from, hit, across) == acrossSide;
    };
    auto walk = [&](PixelPoint to, PixelPoint& hit) {
        return WalkToColour(cut.canvas, from, to, colour, pictureBox, hit);
    };

    PixelPoint hit;
    bool turned = false;
    bool found = walk(toward, hit);
    const RealPoint way{double(toward.x - from.x), double(toward.y - from.y)};
    if (!found && (way.x != 0 || way.y != 0)) {
        // Turn toward the picture's centre, the shorter way round.
        const double cross = way.x * (centre.y - from.y) - way.y * (centre.x - from.x);
        const double sign = cross >= 0 ? 1 : -1;
        for (int k = 1; k <= kMissTurns && !found; ++k) {
            const RealPoint v = Turned(way, sign * k * kMissTurn);
            PixelPoint h;
            if (walk(Clamped({from.x + v.x, from.y + v.y}, cut.area), h) && keepsCentres(h)) {
                hit = h;
                found = turned = true;
            }
        }
    }
    if (!found)
        return;

    // A nearby direction may reach the silhouette sooner, as long as both centres stay clear. Only
    // a shorter hit counts, so each direction is walked no further than the first hit lies.
    const RealPoint direction{double(hit.x - from.x), double(hit.y - from.y)};
    for (int k = -kFineTurns; k <= kFineTurns; ++k) {
        if (k == 0)
            continue;
        const RealPoint v = Turned(direction, k * kFineTurn);
        PixelPoint h;
        if (walk(Clamped({from.x + v.x, from.y + v.y}, cut.area), h) && keepsCentres(h) &&
            DistanceSquared(from, h) < DistanceSquared(from, hit) && DistanceToLine(from, h, own) > kCentreClearance &&
            DistanceToLine(from, h, across) > kCentreClearance) {
            hit = h;
            turned = true;
        }
    }

    // The ends run the way the extended line runs, which the walks above rely on; a turned side
    // gets a new line through its new ends, upper end first.
    PixelPoint first = from;
    PixelPoint second = hit;
    int16_t firstMarker = side.endMarkers[fromEnd];
    int16_t secondMarker = int16_t(picture);
    if (turned) {
        OrderedEnds(first, second, firstMarker, secondMarker);
        ExtendToArea(side, first.x, first.y, second.x, second.y, cut.area);
    } else if ((second.x - first.x) * along.x + (second.y - first.y) * along.y < 0) {
        std::swap(first, second);
        std::swap(firstMarker, secondMarker);
    }
    SetEnds(side, first, second);
    side.endMarkers = {firstMarker, secondMarker};
    side.adjusted = true;
    CopyToTwin(cut.sides, side);
}

}  // namespace

void SetEnds(TessellationEdge& side, PixelPoint first, PixelPoint second)
{
    side.x1 = first.x;
    side.y1 = first.y;
    side.x2 = second.x;
    side.y2 = second.y;
}

void CopyToTwin(SideTable& sides, const TessellationEdge& side)
{
    if (side.neighbour < 0 || side.twin < 0)
        return;
    TessellationEdge& twin = sides[side.neighbour][side.twin];
    twin.x1 = side.x1;
    twin.y1 = side.y1;
    twin.x2 = side.x2;
    twin.y2 = side.y2;
    twin.extendedLine = side.extendedLine;
    twin.endMarkers = side.endMarkers;
    twin.active = side.active;
    twin.adjusted = side.adjusted;
}

void OrderedEnds(PixelPoint& first, PixelPoint& second, int16_t& firstMarker, int16_t& secondMarker)
{
    if (second.y < first.y || (second.y == first.y && second.x < first.x)) {
        std::swap(first, second);
        std::swap(firstMarker, secondMarker);
    }
}

void ExtendToArea(TessellationEdge& side, double x1, double y1, double x2, double y2, const TBox& area)
{
    side.extendedLine = {x1, y1, x2, y2};
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dx == 0 && dy == 0)
        return;
    // The parameters, from the first end (0) to the second (1), where the line meets the area.
    double low = -HUGE_VAL;
    double high = HUGE_VAL;
    ClipSpan(x1, dx, area.left, area.right, low, high);
    ClipSpan(y1, dy, area.top, area.bottom, low, high);
    side.extendedLine = {x1 + low * dx, y1 + low * dy, x1 + high * dx, y1 + high * dy};
}

bool WalkToColour(const TPixelBuffer& canvas, PixelPoint from, PixelPoint to, uint32_t colour, const TBox& within,
                  PixelPoint& hit)
{
    // A hit must lie in the box, and a line leaves the box for good once it was inside.
    if (!Passes(from, to, within))
        return false;
    bool inside = false;
    bool left = false;
    const bool found = StepAlong(from, to, [&](PixelPoint p) {
        if (!BoxContains(within, p.x, p.y)) {
            left = inside;
            return left;
        }
        inside = true;
        return NearColour(canvas, p, colour);
    }, hit);
    return found && !left;
}

bool LineHasColour(const TPixelBuffer& canvas, PixelPoint a, PixelPoint b, uint32_t colour)
{
    PixelPoint at;
    return PixGetPixel(canvas, a.x, a.y) == colour ||
           StepAlong(a, b, [&](PixelPoint p) { return PixGetPixel(canvas, p.x, p.y) == colour; }, at);
}

void ReachPictures(PictureCut& cut)
{
    for (int i = 0; i < int(cut.sides.size()); ++i) {
        if (cut.IsPicture(i))
            continue;
        std::vector<TessellationEdge>& sides = cut.sides[i];
        for (int s = 0; s < int(sides.size()); ++s) {
            const int picture = sides[s].neighbour;
            if (!cut.IsPicture(picture))
                continue;
            const PixelPoint ends[2] = {SideStart(sides[s]), SideEnd(sides[s])};
            const TBox& box = cut.boxes[picture];
            const TBox pictureBox = BoxFromCorners(box.left - 1, box.top - 1, box.right + 1, box.bottom + 1);
            bool served[2] = {false, false};
            for (int g = 0; g < int(sides.size()) && !(served[0] && served[1]); ++g) {
                if (g == s || !cut.IsOrdinary(sides[g].neighbour))
                    continue;
                for (int end = 0; end < 2; ++end)
                    if (!served[end] && (Near(SideStart(sides[g]), ends[end]) || Near(SideEnd(sides[g]), ends[end]))) {
                        served[end] = true;
                        Reach(cut, i, g, picture, pictureBox);
                        break;
                    }
            }
        }
    }
}

// The other end counts as a place to stop: where two silhouettes all but meet, a side shrunk to
// that one white pixel still keeps the pieces on either side apart.
void TrimSides(PictureCut& cut)
{
    for (int i = 0; i < int(cut.sides.size()); ++i) {
        if (cut.IsPicture(i))
            continue;
        for (TessellationEdge& side : cut.sides[i]) {
            if (!side.active || !cut.IsOrdinary(side.neighbour))
                continue;
            for (int end = 0; end < 2 && side.active; ++end) {
                const PixelPoint from = end == 0 ? SideStart(side) : SideEnd(side);
                const PixelPoint to = end == 0 ? SideEnd(side) : SideStart(side);
                if (IsUnowned(cut.canvas, from))
                    continue;
                PixelPoint white;
                if (StepAlong(from, to, [&](PixelPoint p) { return IsUnowned(cut.canvas, p); }, white))
                    end == 0 ? SetEnds(side, white, to) : SetEnds(side, to, white);
                else
                    side.active = false;
                CopyToTwin(cut.sides, side);
            }
        }
    }
}

}  // namespace kirvo
