#include "cutting/PictureSides.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

#include "base/Rounding.h"
#include "cutting/ApexSearch.h"
#include "cutting/CutCanvas.h"
#include "cutting/MaskValues.h"

namespace kirvo {

namespace {

constexpr int kMissTurns = 9;        // tries of 10 degrees each toward the picture after a straight miss
constexpr double kMissTurn = 10.0;
constexpr int kFineTurns = 10;       // tries of 2 degrees each way around a hit
constexpr double kFineTurn = 2.0;
constexpr double kCentreClearance = 4.0;
constexpr double kCrossingMargin = 0.00001;
constexpr int kStubReach = 8;        // squared distance a stub's ends keep from the other sides' ends

struct RealPair {
    double x;
    double y;
};

void SetEnds(TessellationEdge& side, PixelPoint first, PixelPoint second)
{
    side.x1 = first.x;
    side.y1 = first.y;
    side.x2 = second.x;
    side.y2 = second.y;
}

int Side(PixelPoint a, PixelPoint b, PixelPoint p) { return Orientation({a.x, a.y}, {b.x, b.y}, {p.x, p.y}); }

// The same for a line with real ends.
int Side(RealPair a, RealPair b, RealPair p)
{
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return (cross > 0) - (cross < 0);
}

RealPair Real(PixelPoint p) { return {double(p.x), double(p.y)}; }
RealPair LineStart(const TessellationEdge& side) { return {side.extendedLine[0], side.extendedLine[1]}; }
RealPair LineEnd(const TessellationEdge& side) { return {side.extendedLine[2], side.extendedLine[3]}; }

int DistanceSquared(PixelPoint a, PixelPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

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

RealPair Turned(RealPair v, double degrees)
{
    const double angle = degrees * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

PixelPoint Clamped(RealPair p, const TBox& area)
{
    return {std::clamp(RoundHalfEven(p.x), area.left, area.right), std::clamp(RoundHalfEven(p.y), area.top, area.bottom)};
}

// The side as it is stored on the other side of it: the same ends, line, markers and flags.
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

// Upper end first, the left one when both are level.
void OrderedEnds(PixelPoint& first, PixelPoint& second, int16_t& firstMarker, int16_t& secondMarker)
{
    if (second.y < first.y || (second.y == first.y && second.x < first.x)) {
        std::swap(first, second);
        std::swap(firstMarker, secondMarker);
    }
}

// Side g of piece i, one of whose ends meets the picture piece's cell, walks along its line
// (from its far end, past the near one) to the silhouette.
void Reach(PictureCut& cut, int i, int g, int picture, const TBox& pictureBox)
{
    TessellationEdge& side = cut.sides[i][g];
    const uint32_t colour = WorkColour(picture);
    const PixelPoint centre = cut.Centre(picture);
    const RealPair e1 = LineStart(side);
    const RealPair e2 = LineEnd(side);

    // The point of the extended line nearest the picture's centre, and which way it lies.
    const RealPair along{e2.x - e1.x, e2.y - e1.y};
    const double lengthSquared = along.x * along.x + along.y * along.y;
    const double t = lengthSquared > 0
                         ? std::clamp(((centre.x - e1.x) * along.x + (centre.y - e1.y) * along.y) / lengthSquared, 0.0, 1.0)
                         : 0.0;
    const RealPair nearest{e1.x + t * along.x, e1.y + t * along.y};
    const RealPair middle{(side.x1 + side.x2) / 2, (side.y1 + side.y2) / 2};
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
    const RealPair way{double(toward.x - from.x), double(toward.y - from.y)};
    if (!found && (way.x != 0 || way.y != 0)) {
        // Turn toward the picture's centre, the shorter way round.
        const double cross = way.x * (centre.y - from.y) - way.y * (centre.x - from.x);
        const double sign = cross >= 0 ? 1 : -1;
        for (int k = 1; k <= kMissTurns && !found; ++k) {
            const RealPair v = Turned(way, sign * k * kMissTurn);
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
    const RealPair direction{double(hit.x - from.x), double(hit.y - from.y)};
    for (int k = -kFineTurns; k <= kFineTurns; ++k) {
        if (k == 0)
            continue;
        const RealPair v = Turned(direction, k * kFineTurn);
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

// Where the two sides cross, strictly inside both; false when they do not.
bool Crossing(const TessellationEdge& a, const TessellationEdge& b, RealPair& at)
{
    const RealPair r{a.x2 - a.x1, a.y2 - a.y1};
    const RealPair q{b.x2 - b.x1, b.y2 - b.y1};
    const double denominator = r.x * q.y - r.y * q.x;
    if (denominator == 0)
        return false;
    const RealPair w{b.x1 - a.x1, b.y1 - a.y1};
    const double t = (w.x * q.y - w.y * q.x) / denominator;
    const double u = (w.x * r.y - w.y * r.x) / denominator;
    const double high = 1 - kCrossingMargin;
    if (t <= kCrossingMargin || t >= high || u <= kCrossingMargin || u >= high)
        return false;
    at = {a.x1 + t * r.x, a.y1 + t * r.y};
    return true;
}

// The end of the side that lies across the other side's line from the piece's centre goes to
// the crossing.
void CutAt(TessellationEdge& side, const TessellationEdge& other, PixelPoint centre, PixelPoint crossing)
{
    const RealPair l1 = LineStart(other);
    const RealPair l2 = LineEnd(other);
    if (Side(l1, l2, Real(SideStart(side))) != Side(l1, l2, Real(centre))) {
        side.x1 = crossing.x;
        side.y1 = crossing.y;
    } else {
        side.x2 = crossing.x;
        side.y2 = crossing.y;
    }
}

// The first inactive slot of the cell, a new one while it has fewer than kMaxSides; -1 when full.
int FreeSlot(std::vector<TessellationEdge>& sides)
{
    for (int k = 0; k < int(sides.size()); ++k)
        if (!sides[k].active)
            return k;
    if (int(sides.size()) >= kMaxSides)
        return -1;
    sides.emplace_back();
    return int(sides.size()) - 1;
}

bool Join(PictureCut& cut, int i, int l, int p, RealPair crossing)
{
    TessellationEdge& first = cut.sides[i][l];
    TessellationEdge& second = cut.sides[i][p];
    int picture = -1;
    for (int16_t marker : second.endMarkers)
        if (marker >= 0 && (first.endMarkers[0] == marker || first.endMarkers[1] == marker)) {
            picture = marker;
            break;
        }
    if (picture < 0)
        return false;
    for (TessellationEdge* side : {&first, &second})
        for (int16_t& marker : side->endMarkers)
            if (marker == picture)
                marker = -1;

    const PixelPoint at{RoundHalfEven(crossing.x), RoundHalfEven(crossing.y)};
    const TessellationEdge before = first;
    CutAt(first, second, cut.Centre(i), at);
    CutAt(second, before, cut.Centre(i), at);
    CopyToTwin(cut.sides, first);
    CopyToTwin(cut.sides, second);

    PixelPoint hit;
    if (!WalkToColour(cut.canvas, at, cut.Centre(picture), WorkColour(picture), cut.area, hit))
        return false;
    const int a = first.neighbour;
    const int b = second.neighbour;
    if (a == b)
        return false;
    const int slotA = FreeSlot(cut.sides[a]);
    const int slotB = FreeSlot(cut.sides[b]);
    if (slotA < 0 || slotB < 0)
        return false;

    TessellationEdge side;
    PixelPoint start = at;
    PixelPoint end = hit;
    int16_t startMarker = -1;
    int16_t endMarker = int16_t(picture);
    OrderedEnds(start, end, startMarker, endMarker);
    SetEnds(side, start, end);
    ExtendToArea(side, start.x, start.y, end.x, end.y, cut.area);
    side.length = std::hypot(double(end.x - start.x), double(end.y - start.y));
    side.endMarkers = {startMarker, endMarker};
    side.active = true;
    side.adjusted = true;
    TessellationEdge& inA = cut.sides[a][slotA];
    inA = side;
    inA.neighbour = int16_t(b);
    inA.twin = slotB;
    TessellationEdge& inB = cut.sides[b][slotB];
    inB = side;
    inB.neighbour = int16_t(a);
    inB.twin = slotA;
    return true;
}

}  // namespace

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

bool JoinCrossingSides(PictureCut& cut)
{
    for (int i = 0; i < int(cut.sides.size()); ++i) {
        if (cut.IsPicture(i))
            continue;
        // Joining adds sides to the neighbours only, never to this piece.
        const int count = int(cut.sides[i].size());
        for (int l = 0; l < count; ++l)
            for (int p = l + 1; p < count; ++p) {
                const TessellationEdge& first = cut.sides[i][l];
                const TessellationEdge& second = cut.sides[i][p];
                if (!first.active || !first.adjusted || !second.active || !second.adjusted ||
                    !cut.IsOrdinary(first.neighbour) || !cut.IsOrdinary(second.neighbour))
                    continue;
                if (std::abs(second.x2 - second.x1) <= 2 && std::abs(second.y2 - second.y1) <= 2)
                    continue;
                RealPair crossing;
                if (Crossing(first, second, crossing) && !Join(cut, i, l, p, crossing))
                    return false;
            }
    }
    return true;
}

void DropStubs(PictureCut& cut)
{
    for (int i = 0; i < int(cut.sides.size()); ++i) {
        if (cut.IsPicture(i))
            continue;
        std::vector<TessellationEdge>& sides = cut.sides[i];
        auto counts = [&](const TessellationEdge& side) { return side.active && cut.IsOrdinary(side.neighbour); };
        for (TessellationEdge& stub : sides) {
            if (!counts(stub) || std::abs(stub.x2 - stub.x1) >= 2 || std::abs(stub.y2 - stub.y1) >= 2)
                continue;
            const PixelPoint ends[2] = {SideStart(stub), SideEnd(stub)};
            const bool alone = std::all_of(sides.begin(), sides.end(), [&](const TessellationEdge& other) {
                if (&other == &stub || !counts(other))
                    return true;
                for (PixelPoint end : ends)
                    if (DistanceSquared(end, SideStart(other)) <= kStubReach || DistanceSquared(end, SideEnd(other)) <= kStubReach)
                        return false;
                return true;
            });
            if (!alone)
                continue;
            bool clear = true;
            for (int y = std::min(ends[0].y, ends[1].y) - 1; y <= std::max(ends[0].y, ends[1].y) + 1 && clear; ++y)
                for (int x = std::min(ends[0].x, ends[1].x) - 1; x <= std::max(ends[0].x, ends[1].x) + 1; ++x) {
                    const PixelPoint p{x, y};
                    if (p != ends[0] && p != ends[1] && !IsUnowned(cut.canvas, p)) {
                        clear = false;
                        break;
                    }
                }
            if (clear)
                stub.active = false;
        }
    }
}

void BoxOrdinaryPieces(PictureCut& cut)
{
    for (int i = 0; i < int(cut.sides.size()); ++i) {
        if (cut.IsPicture(i))
            continue;
        TBox box;
        for (TessellationEdge& side : cut.sides[i]) {
            if (!side.active)
                continue;
            side.length = std::hypot(side.x2 - side.x1, side.y2 - side.y1);
            BoxUnion(box, int(std::min(side.x1, side.x2)), int(std::min(side.y1, side.y2)), int(std::max(side.x1, side.x2)),
                     int(std::max(side.y1, side.y2)));
        }
        cut.boxes[i] = box;
    }
}

}  // namespace kirvo
