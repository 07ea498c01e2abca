// Picture sides: the ordinary cells of shape style 3 reshaped to end at the picture pieces'
// silhouettes. Internal to the cutting engine.
//
// The silhouettes are already on the line canvas, each in its piece's working colour; the sides
// are the rounded cell polygons of the attempt with their twins linked. First the sides beside a
// picture piece reach its outline (ReachPictures), then side ends inside a silhouette are pulled
// back to white (TrimSides); PictureJoins takes it from there. Picture pieces' own sides are never
// changed. A side and its twin always keep the same ends, line, markers and flags.
#pragma once

#include <vector>

#include "cutting/ApexSearch.h"
#include "cutting/BezierPath.h"
#include "cutting/Tessellation.h"
#include "game/PieceRecord.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

using SideTable = std::vector<std::vector<TessellationEdge>>;  // per piece, in slot order

inline constexpr int kMaxSides = 20;  // side slots of a cell; the joining step fills free ones

// What the picture-side steps work on. pieces give the picture-shape flags and node points,
// boxes the source boxes as the attempt keeps them (a picture piece's is its drawing rectangle).
struct PictureCut {
    TPixelBuffer& canvas;
    const TBox area;  // the cut area, edges inclusive
    std::vector<PieceRecord>& pieces;
    SideTable& sides;
    std::vector<TBox>& boxes;

    bool IsPicture(int piece) const { return piece >= 0 && pieces[piece].pictureShape; }
    // Neither the outside nor a picture piece.
    bool IsOrdinary(int piece) const { return piece >= 0 && !pieces[piece].pictureShape; }
    PixelPoint Centre(int piece) const { return {pieces[piece].nodeX, pieces[piece].nodeY}; }
};

inline PixelPoint SideStart(const TessellationEdge& side) { return {int(side.x1), int(side.y1)}; }
inline PixelPoint SideEnd(const TessellationEdge& side) { return {int(side.x2), int(side.y2)}; }
inline RealPoint LineStart(const TessellationEdge& side) { return {side.extendedLine[0], side.extendedLine[1]}; }
inline RealPoint LineEnd(const TessellationEdge& side) { return {side.extendedLine[2], side.extendedLine[3]}; }
inline int DistanceSquared(PixelPoint a, PixelPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

void SetEnds(TessellationEdge& side, PixelPoint first, PixelPoint second);
// Upper end first, the left one when both are level; the markers go with their ends.
void OrderedEnds(PixelPoint& first, PixelPoint& second, int16_t& firstMarker, int16_t& secondMarker);
// The side as it is stored on the other side of it takes the side's ends, line, markers and flags.
void CopyToTwin(SideTable& sides, const TessellationEdge& side);

// The line through the side's exact ends, continued both ways to the edges of the area; the first
// end stays on the side of the side's first end. A side without length keeps its ends.
void ExtendToArea(TessellationEdge& side, double x1, double y1, double x2, double y2, const TBox& area);

// Walks from `from` toward `to`, pixel by pixel, and returns the first step inside within that has
// the colour or a pixel of the colour among its eight neighbours; false when none does.
bool WalkToColour(const TPixelBuffer& canvas, PixelPoint from, PixelPoint to, uint32_t colour, const TBox& within,
                  PixelPoint& hit);

// Whether a pixel of the line from a to b, both ends included, has the colour.
bool LineHasColour(const TPixelBuffer& canvas, PixelPoint a, PixelPoint b, uint32_t colour);

// For every side of an ordinary piece facing a picture piece, the piece's sides that meet its two
// ends (one per end) are walked along their line to the silhouette and end there: the end is
// marked with the picture piece, and the twin takes the same geometry. When the straight walk
// misses, directions turned toward the picture are tried; a hit may then give way to a shorter
// one in a nearby direction that keeps both pieces' centres clear of the side.
void ReachPictures(PictureCut& cut);

// Side ends between ordinary pieces that lie on a silhouette move along the side to its first
// white pixel, the other end included; a side with none becomes inactive, and its twin with it.
void TrimSides(PictureCut& cut);

}  // namespace kirvo
