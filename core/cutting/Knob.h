// Knob: puts a knob template onto one side of a piece on the line canvas.
//
// DrawKnob maps a template onto the side between two end points, bulging to the chosen side of
// it, sized to the room beside the side, and draws it only where it keeps clear of the outlines
// already on the canvas (KnobClear). DrawGridKnob does the same for the grid cut without any
// clearance test, copying short knobs from the small-knob atlas. Cost: a few hundred sample
// points per knob and, with the clearance test, up to 4c + 4c/sqrt(2) probed pixels per sample.
// The side's end points must lie in the picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/Random.h"
#include "cutting/BezierPath.h"
#include "cutting/KnobAtlas.h"
#include "cutting/KnobChoice.h"
#include "cutting/KnobTemplates.h"
#include "game/Descriptor.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr PixelPoint kNoNeighbourCentre{-1000, -1000};  // the side borders the outside

// Bounding box of a knob's sample points, edges inclusive. Empty until the first point: left and
// top 10000, right and bottom -10000.
struct KnobBox {
    int left = 10000;
    int top = 10000;
    int right = -10000;
    int bottom = -10000;

    bool IsEmpty() const { return left > right; }
    void Add(PixelPoint p);
    friend bool operator==(const KnobBox&, const KnobBox&) = default;
};

// What every knob of one cut shares.
struct KnobContext {
    TPixelBuffer& canvas;                     // the line canvas
    const Descriptor& descriptor;             // ImageW, ImageH, JigsL to JigsB, TileS, knobMargin
    std::span<const KnobTemplate> templates;  // the set loaded for this cut
    CutFlags flags;
};

// One side to get a knob.
struct KnobRequest {
    int side = 0;  // 1 bulges toward the side-1 normal (up on a horizontal side, right on a vertical one)
    int templateIndex = 0;
    bool mirror = false;
    PixelPoint start {};  // the side's end points, rounded
    PixelPoint end {};
    PixelPoint ownCentre {};  // node point of the drawing piece
    PixelPoint neighbourCentre = kNoNeighbourCentre;
    int clearance = -1;     // pixels probed beside each sample; -1 = no clearance test
    double roomSide1 = -1;  // pixels from the side's line to the centre on side 1; -1 = no limit
    double roomSide0 = -1;
    uint32_t colour = 0;
};

// True when the knob was drawn, or when there was nothing to draw (a side of length 0, no room);
// false when it failed the clearance test, and then nothing is drawn. boxOut gets the box of the
// drawn knob's samples and stays empty otherwise.
bool DrawKnob(const KnobContext& context, const KnobRequest& request, KnobBox& boxOut);

// The knob of one grid side from start to end in the colour: template firstChoice[Random(count)],
// then mirror Random(2). Knobs of templates C0 to C5 on horizontal or vertical sides 20 to 48
// pixels long come from the atlas when it is loaded; all others are drawn.
void DrawGridKnob(const KnobContext& context, const KnobAtlas& atlas, std::span<const int> firstChoice,
                  Random& random, int side, PixelPoint start, PixelPoint end, uint32_t colour);

// What KnobClear looks at around the samples.
struct ClearanceProbe {
    int reach = 0;     // c: pixels probed left, right, above and below; c / sqrt(2) along the diagonals
    int endZone = 0;   // e: a pixel less than e from an end point in x and in y is not checked
    int left = 0;      // the cut area, edges inclusive; probes stop at its edge
    int top = 0;
    int right = -1;
    int bottom = -1;
    PixelPoint start {};  // the side's end points
    PixelPoint end {};
    PixelPoint ownCentre {};
    PixelPoint neighbourCentre = kNoNeighbourCentre;
};

// True when every sample lies in the cut area and, away from the end points, no line between two
// successive samples of a segment runs through a centre and no probed pixel is already taken
// (not white).
bool KnobClear(const TPixelBuffer& canvas, const BezierSamples& samples, const ClearanceProbe& probe);

// The template's working points (reversed and turned end for end when mirrored) mapped onto the
// side from s to t, with the knob's height h, in single precision. s is the left end of a side at
// least as wide as tall, else the upper end.
std::vector<PathPoint> MapKnob(const KnobTemplate& knob, bool mirror, PixelPoint s, PixelPoint t, double h, int side);

}  // namespace kirvo
