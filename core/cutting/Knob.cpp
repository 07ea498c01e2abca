#include "cutting/Knob.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "base/Rounding.h"

namespace kirvo {

namespace {

// S and T: the left end first on a side at least as wide as tall, else the upper end.
std::pair<PixelPoint, PixelPoint> OrderEnds(PixelPoint a, PixelPoint b)
{
    bool wide = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    if (wide ? b.x < a.x : b.y < a.y)
        std::swap(a, b);
    return {a, b};
}

[[maybe_unused]] bool InPicture(const Descriptor& d, PixelPoint p)
{
    return p.x >= 0 && p.y >= 0 && p.x < d.ImageW && p.y < d.ImageH;
}

// The knob height that fits the room on both sides of the side; nothing when the knob must not
// be drawn at all.
std::optional<double> RoomHeight(const KnobTemplate& knob, double distance, double knobRoom, double backRoom)
{
    double scale = distance / knob.length;
    double full = scale * knob.baseLine;
    if (knobRoom == -1 || backRoom == -1)
        return full;
    double up = scale * knob.reachUp;
    double down = scale * knob.reachDown;
    if (knobRoom == 0 || backRoom == 0 || up == 0 || down == 0)
        return std::nullopt;
    bool knobShort = knobRoom < up + 1;
    bool backShort = backRoom < down + 1;
    if (knobShort && backShort)
        return full * std::min(knobRoom / up, backRoom / down) - 1;
    if (knobShort)
        return knobRoom * full / up - 1;
    if (backShort)
        return backRoom * full / down - 1;
    return full;
}

struct Apex {
    double height;  // the knob's height after the apex was kept in the picture
    bool moved;
};

// The apex stands h from the side's midpoint along the normal. One that would leave the picture
// is pulled back along the same line to 2 pixels inside the edge it crosses, which flattens the
// knob.
Apex PlaceApex(const Descriptor& d, PixelPoint s, PixelPoint t, double h, int side)
{
    double distance = std::hypot(double(t.x - s.x), double(t.y - s.y));
    double nx = (t.y - s.y) / distance;
    double ny = -(t.x - s.x) / distance;
    double sign = side == 1 ? 1.0 : -1.0;
    int mx = (s.x + t.x) / 2;
    int my = (s.y + t.y) / 2;
    int ax = RoundHalfEven(mx + sign * h * nx);
    int ay = RoundHalfEven(my + sign * h * ny);
    // Distances from the midpoint to where the line through the apex meets a row or a column.
    auto atRow = [&](int row) { return std::hypot(double(ax - mx) * (row - my) / (ay - my), double(row - my)); };
    auto atColumn = [&](int column) {
        return std::hypot(double(column - mx), double(ay - my) * (column - mx) / (ax - mx));
    };
    if (side == 1) {
        if (ay < 0)
            return {atRow(2), true};
        if (ax >= d.ImageW)
            return {atColumn(d.ImageW - 2), true};
    } else {
        if (ay >= d.ImageH)
            return {atRow(d.ImageH - 2), true};
        if (ax < 0)
            return {atColumn(2), true};
    }
    return {h, false};
}

// The path's lines and its first point, which is also its first sample.
void DrawPath(TPixelBuffer& canvas, const BezierSamples& samples, uint32_t colour)
{
    DrawBezierSamples(canvas, samples, colour);
    const PixelPoint first = samples.points.front();
    if (first.x >= 0 && first.y >= 0 && first.x < canvas.width && first.y < canvas.height)
        PixSetPixel(canvas, first.x, first.y, colour);
}

bool InZone(PixelPoint p, PixelPoint end, int zone) { return std::abs(p.x - end.x) < zone && std::abs(p.y - end.y) < zone; }

bool OnLine(PixelPoint a, PixelPoint b, PixelPoint c)
{
    return int64_t(b.x - a.x) * (c.y - a.y) - int64_t(b.y - a.y) * (c.x - a.x) == 0;
}

bool IsWhite(const TPixelBuffer& canvas, int x, int y)
{
    const uint8_t* pixel = PixAddress(canvas, x, y);
    return pixel[0] == 0xFF && pixel[1] == 0xFF && pixel[2] == 0xFF;
}

}  // namespace

void KnobBox::Add(PixelPoint p)
{
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
}

std::vector<PathPoint> MapKnob(const KnobTemplate& knob, bool mirror, PixelPoint s, PixelPoint t, double h, int side)
{
    const float distance = float(std::hypot(double(t.x - s.x), double(t.y - s.y)));
    const float ux = float(t.x - s.x) / distance;
    const float uy = float(t.y - s.y) / distance;
    const float nx = side == 1 ? uy : -uy;  // the normal toward the knob's side
    const float ny = side == 1 ? -ux : ux;
    const float length = float(knob.length);
    const float base = float(knob.baseLine);
    const float height = float(h);
    const size_t n = knob.points.size();
    std::vector<PathPoint> path(n);
    for (size_t i = 0; i < n; ++i) {
        PathPoint p = mirror ? PathPoint{length - knob.points[n - 1 - i].x, knob.points[n - 1 - i].y} : knob.points[i];
        float along = p.x * distance / length;
        float across = (base - p.y) * height / base;
        path[i] = {float(s.x) + along * ux + across * nx, float(s.y) + along * uy + across * ny};
    }
    return path;
}

bool KnobClear(const TPixelBuffer& canvas, const BezierSamples& samples, const ClearanceProbe& probe)
{
    struct Ray {
        int dx;
        int dy;
        bool diagonal;
    };
    constexpr Ray kRays[] = {{-1, 0, false}, {1, 0, false}, {0, -1, false}, {0, 1, false},
                             {-1, -1, true}, {1, -1, true}, {-1, 1, true},  {1, 1, true}};
    const int straightReach = probe.reach;
    const int diagonalReach = RoundHalfEven(probe.reach / std::sqrt(2.0));
    const bool hasNeighbour = probe.neighbourCentre != kNoNeighbourCentre;
    auto nearEnd = [&](int x, int y) {
        return InZone({x, y}, probe.start, probe.endZone) || InZone({x, y}, probe.end, probe.endZone);
    };
    auto inArea = [&](int x, int y) { return x >= probe.left && x <= probe.right && y >= probe.top && y <= probe.bottom; };
    auto rayClear = [&](PixelPoint from, Ray ray) {
        int count = ray.diagonal ? diagonalReach : straightReach;
        for (int k = 1; k <= count; ++k) {
            int x = from.x + k * ray.dx;
            int y = from.y + k * ray.dy;
            if (!inArea(x, y))
                return true;
            if (!nearEnd(x, y) && !IsWhite(canvas, x, y))
                return false;
        }
        return true;
    };

    // Away from the area's edges and the end zones every probed pixel is checked: the rays are
    // walked by address alone.
    const int bytesPerPixel = canvas.bytesPerPixel;
    const ptrdiff_t stride = canvas.stride;
    auto allProbed = [&](PixelPoint p) {
        const int clear = probe.endZone + straightReach;
        return p.x - straightReach >= probe.left && p.x + straightReach <= probe.right &&
               p.y - straightReach >= probe.top && p.y + straightReach <= probe.bottom &&
               (std::abs(p.x - probe.start.x) >= clear || std::abs(p.y - probe.start.y) >= clear) &&
               (std::abs(p.x - probe.end.x) >= clear || std::abs(p.y - probe.end.y) >= clear);
    };
    auto raysWhite = [&](PixelPoint p) {
        const uint8_t* centre = PixAddress(canvas, p.x, p.y);
        for (Ray ray : kRays) {
            const ptrdiff_t step = ray.dx * bytesPerPixel + ray.dy * stride;
            const int count = ray.diagonal ? diagonalReach : straightReach;
            const uint8_t* pixel = centre;
            for (int k = 1; k <= count; ++k) {
                pixel += step;
                if (pixel[0] != 0xFF || pixel[1] != 0xFF || pixel[2] != 0xFF)
                    return false;
            }
        }
        return true;
    };

    for (size_t j = 0; j + 1 < samples.segmentStart.size(); ++j) {
        for (int i = samples.segmentStart[j]; i < samples.segmentStart[j + 1]; ++i) {
            const PixelPoint p = samples.points[i];
            // A sample on the pixel of the one before, in this segment or the last, passed every
            // test but the centre lines, which it skips too.
            if (i > 0 && samples.points[i - 1] == p)
                continue;
            if (!inArea(p.x, p.y))
                return false;
            if (nearEnd(p.x, p.y))
                continue;
            // Two samples on one pixel span no line, so they say nothing about the centres.
            if (i > samples.segmentStart[j]) {
                const PixelPoint previous = samples.points[i - 1];
                if (OnLine(previous, p, probe.ownCentre) || (hasNeighbour && OnLine(previous, p, probe.neighbourCentre)))
                    return false;
            }
            if (allProbed(p)) {
                if (!raysWhite(p))
                    return false;
                continue;
            }
            for (Ray ray : kRays) {
                if (!rayClear(p, ray))
                    return false;
            }
        }
    }
    return true;
}

bool DrawKnob(const KnobContext& context, const KnobRequest& request, KnobBox& boxOut)
{
    const Descriptor& d = context.descriptor;
    assert(InPicture(d, request.start) && InPicture(d, request.end));
    boxOut = KnobBox{};
    auto [s, t] = OrderEnds(request.start, request.end);
    if (s == t)
        return true;
    const KnobTemplate& knob = context.templates[request.templateIndex];
    double height = d.knobMargin;
    if (context.flags.clearance) {
        double distance = std::hypot(double(t.x - s.x), double(t.y - s.y));
        double knobRoom = request.side == 1 ? request.roomSide1 : request.roomSide0;
        double backRoom = request.side == 1 ? request.roomSide0 : request.roomSide1;
        std::optional<double> fitted = RoomHeight(knob, distance, knobRoom, backRoom);
        if (!fitted)
            return true;
        height = *fitted;
    }
    height = PlaceApex(d, s, t, height, request.side).height;
    std::vector<PathPoint> path = MapKnob(knob, request.mirror, s, t, height, request.side);
    BezierSamples samples = SampleBezierPath(path);
    if (request.clearance != -1) {
        ClearanceProbe probe{request.clearance, d.TileS / 10, d.JigsL, d.JigsT, d.JigsR, d.JigsB,
                             s, t, request.ownCentre, request.neighbourCentre};
        if (!KnobClear(context.canvas, samples, probe))
            return false;
    }
    for (PixelPoint p : samples.points)
        boxOut.Add(p);
    DrawPath(context.canvas, samples, request.colour);
    return true;
}

void DrawGridKnob(const KnobContext& context, const KnobAtlas& atlas, std::span<const int> firstChoice,
                  Random& random, int side, PixelPoint start, PixelPoint end, uint32_t colour)
{
    const Descriptor& d = context.descriptor;
    assert(InPicture(d, start) && InPicture(d, end));
    const int templateIndex = firstChoice[random(int(firstChoice.size()))];
    const bool mirror = random(2) == 1;
    auto [s, t] = OrderEnds(start, end);
    if (s == t)
        return;
    Apex apex = PlaceApex(d, s, t, d.knobMargin, side);
    if (!apex.moved && CopyAtlasKnob(context.canvas, atlas, templateIndex, side, mirror, s, t, colour))
        return;
    DrawPath(context.canvas, SampleBezierPath(MapKnob(context.templates[templateIndex], mirror, s, t, apex.height, side)),
             colour);
}

}  // namespace kirvo
