#include "cutting/PictureJoins.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/Rounding.h"
#include "cutting/CutCanvas.h"
#include "cutting/MaskValues.h"

namespace kirvo {

namespace {

constexpr double kCrossingMargin = 0.00001;
constexpr int kStubReach = 8;  // squared distance a stub's ends keep from the other sides' ends

// Which side of the line through a and b the point p lies on: -1, 0 or 1.
int Side(RealPoint a, RealPoint b, RealPoint p)
{
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return (cross > 0) - (cross < 0);
}

// Where the two sides cross, strictly inside both; false when they do not.
bool Crossing(const TessellationEdge& a, const TessellationEdge& b, RealPoint& at)
{
    const RealPoint r{a.x2 - a.x1, a.y2 - a.y1};
    const RealPoint q{b.x2 - b.x1, b.y2 - b.y1};
    const double denominator = r.x * q.y - r.y * q.x;
    if (denominator == 0)
        return false;
    const RealPoint w{b.x1 - a.x1, b.y1 - a.y1};
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
    const RealPoint l1 = LineStart(other);
    const RealPoint l2 = LineEnd(other);
    if (Side(l1, l2, {side.x1, side.y1}) != Side(l1, l2, {double(centre.x), double(centre.y)})) {
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

bool Join(PictureCut& cut, int i, int l, int p, RealPoint crossing)
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
                RealPoint crossing;
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
