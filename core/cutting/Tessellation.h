// Tessellation: the cells of the artistic cut.
//
// Tessellate gives every seed point the polygon of the cut area that lies closer to it than to any
// other seed point: a Delaunay triangulation by gift wrapping, cell sides between the triangles'
// circumcentres, open hull cells continued to the border of the cut area and closed along it. Each
// side names the seed point across it, and each node gets the mean of its sides' end points, which
// the cut's relaxation moves the seed point to. No random numbers are drawn.
//
// Cost: about linear for evenly spread points (some 12 ms for the 3818 seed points of the finest
// cut of a 1920 x 1080 picture); quadratic when most points lie near a few lines, and up to cubic
// in the search for a first edge when none exists (a perfect lattice). Undefined: coincident seed
// points, coordinates beyond +-65535, more than 32767 nodes. Not covered, and never met with the
// cut's seed points: a cell is closed along the border only where it reaches one border or two
// at one corner, and an open hull edge whose triangle has its circumcentre outside the cut area
// adds no side even where its bisector crosses the area.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "raster/Box.h"

namespace kirvo {

// One side of a cell polygon, with the fields the cut keeps per side.
struct TessellationEdge {
    double x1 = 0;  // upper end; the left one when both are at one height (y1 < y2, or y1 == y2 and x1 <= x2)
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::array<double, 4> extendedLine {};  // x1, y1, x2, y2 of the side's line as the cut extends it
    double length = 0;                      // pixels, between the rounded end points
    int16_t neighbour = -1;                 // seed point across the side; -1 = outside the cut area
    int twin = -1;                          // index of this side in the neighbour's sides; -1 = none
    bool active = false;                    // part of the outline; an inactive slot is free
    bool adjusted = false;                  // moved by the picture-shape steps
    bool knobSide = false;                  // which side of the line the knob bulges to
    std::array<int16_t, 2> endMarkers {-1, -1};  // picture piece an end was moved onto; -1 = none
};

struct TessellationTriangle {
    std::array<int, 3> vertices {};  // seed point indices, ascending
    double centreX = 0;              // circumcentre
    double centreY = 0;
};

struct TessellationNode {
    int x = 0;  // seed point
    int y = 0;
    double meanX = 0;  // mean of the sides' end points; the seed point when the cell has no sides
    double meanY = 0;
    std::vector<TessellationEdge> sides;          // the cell polygon, in the order the sides were made
    std::vector<TessellationTriangle> triangles;  // the Delaunay triangles with this seed point as a corner
    int cell = 0;                                 // the grid cell the seed point was drawn in
};

// Fills every node's triangles, sides and mean point from the seed points, with sides clipped to
// the cut area (edges inclusive). When no pair of seed points has every other point on one side
// of it (or every other point on its line), for instance with fewer than two points, it returns
// false; every node then has no sides.
bool Tessellate(std::span<TessellationNode> nodes, const TBox& cutArea);

// findApex(u, v, side): the apex over the edge (u, v) on that side, -1 when none (see ApexSearch).
using ApexFinder = std::function<int(int u, int v, int side)>;

// Tessellate with the apex search given: the tests run the plain scan through it.
bool Tessellate(std::span<TessellationNode> nodes, const TBox& cutArea, const ApexFinder& findApex);

}  // namespace kirvo
