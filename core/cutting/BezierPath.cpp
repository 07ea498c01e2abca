#include "cutting/BezierPath.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "base/Rounding.h"

namespace kirvo {

namespace {

constexpr int kMaxSteps = 150;

// Samples of one cubic segment, t = i / steps for i = 0 .. steps, appended to out.
void SampleSegment(const PathPoint* p, std::vector<PixelPoint>& out)
{
    int steps = SegmentSteps(p[0], p[3]);
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        double s = 1.0 - t;
        double w0 = s * s * s;
        double w1 = 3.0 * t * s * s;
        double w2 = 3.0 * t * t * s;
        double w3 = t * t * t;
        double x = w0 * p[0].x + w1 * p[1].x + w2 * p[2].x + w3 * p[3].x;
        double y = w0 * p[0].y + w1 * p[1].y + w2 * p[2].y + w3 * p[3].y;
        out.push_back({RoundHalfEven(x), RoundHalfEven(y)});
    }
}

}  // namespace

int SegmentSteps(PathPoint from, PathPoint to)
{
    double chord = std::hypot(double(to.x) - from.x, double(to.y) - from.y);
    return std::clamp(RoundHalfEven(chord / 3.0), 1, kMaxSteps);
}

BezierSamples SampleBezierPath(std::span<const PathPoint> path)
{
    assert(path.size() % 3 == 1);
    BezierSamples samples;
    for (size_t first = 0; first + 3 < path.size(); first += 3) {
        samples.segmentStart.push_back(int(samples.points.size()));
        SampleSegment(&path[first], samples.points);
    }
    samples.segmentStart.push_back(int(samples.points.size()));
    return samples;
}

void DrawBezierPath(TPixelBuffer& canvas, std::span<const PathPoint> path, uint32_t colour)
{
    BezierSamples samples = SampleBezierPath(path);
    for (size_t j = 0; j + 1 < samples.segmentStart.size(); ++j) {
        for (int i = samples.segmentStart[j] + 1; i < samples.segmentStart[j + 1]; ++i) {
            PixelPoint a = samples.points[i - 1];
            PixelPoint b = samples.points[i];
            PixLine(canvas, a.x, a.y, b.x, b.y, colour);
        }
    }
}

}  // namespace kirvo
