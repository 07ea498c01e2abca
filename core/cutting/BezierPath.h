// Composite cubic Bezier paths: sampled into whole pixels and drawn as polylines on the line
// canvas. Knob outlines are such paths.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/PixelBuffer.h"

namespace kirvo {

struct PathPoint {
    float x = 0;
    float y = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A path of 3k + 1 points: points 0, 3, 6, ... lie on it, the two between are control points.
// Its samples, segment by segment: segment j's samples are points[segmentStart[j] .. segmentStart[j + 1]).
struct BezierSamples {
    std::vector<PixelPoint> points;
    std::vector<int> segmentStart;  // one entry per segment, and a last one = points.size()
};

// Samples per segment beyond its first point: a third of the chord, rounded, within 1 to 150.
int SegmentSteps(PathPoint from, PathPoint to);
BezierSamples SampleBezierPath(std::span<const PathPoint> path);
// Each segment's samples as one polyline in the colour; lines outside the canvas are clipped.
void DrawBezierSamples(TPixelBuffer& canvas, const BezierSamples& samples, uint32_t colour);
// DrawBezierSamples of the path's samples.
void DrawBezierPath(TPixelBuffer& canvas, std::span<const PathPoint> path, uint32_t colour);

}  // namespace kirvo
