#include "cutting/BezierPath.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "base/Rounding.h"

namespace kirvo {

namespace {

constexpr int kMaxSteps = 150;

// Samples of one cubic segment, t = i / steps for i = 0 .. steps, written from out on.
void SampleSegment(const PathPoint* p, int steps, PixelPoint* out)
{
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        double s = 1.0 - t;
        double w0 = s * s * s;
        double w1 = 3.0 * t * s * s;
        double w2 = 3.0 * t * t * s;
        double w3 = t * t * t;
        double x = w0 * p[0].x + w1 * p[1].x + w2 * p[2].x + w3 * p[3].x;
        double y = w0 * p[0].y + w1 * p[1].y + w2 * p[2].y + w3 * p[3].y;
        out[i] = {RoundHalfEven(x), RoundHalfEven(y)};
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
    // Every segment's count first, so that the samples are written into place.
    const size_t segments = path.size() / 3;
    BezierSamples samples;
    samples.segmentStart.resize(segments + 1);
    int count = 0;
    for (size_t j = 0; j < segments; ++j) {
        samples.segmentStart[j] = count;
        count += SegmentSteps(path[3 * j], path[3 * j + 3]) + 1;
    }
    samples.segmentStart[segments] = count;
    samples.points.resize(size_t(count));
    for (size_t j = 0; j < segments; ++j) {
        const int first = samples.segmentStart[j];
        SampleSegment(&path[3 * j], samples.segmentStart[j + 1] - first - 1, &samples.points[size_t(first)]);
    }
    return samples;
}

void DrawBezierSamples(TPixelBuffer& canvas, const BezierSamples& samples, uint32_t colour)
{
    for (size_t j = 0; j + 1 < samples.segmentStart.size(); ++j) {
        for (int i = samples.segmentStart[j] + 1; i < samples.segmentStart[j + 1]; ++i) {
            PixelPoint a = samples.points[i - 1];
            PixelPoint b = samples.points[i];
            PixLine(canvas, a.x, a.y, b.x, b.y, colour);
        }
    }
}

void DrawBezierPath(TPixelBuffer& canvas, std::span<const PathPoint> path, uint32_t colour)
{
    DrawBezierSamples(canvas, SampleBezierPath(path), colour);
}

}  // namespace kirvo
