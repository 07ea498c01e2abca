// Cut: turns a picture size and a puzzle descriptor into the mask buffer and the piece records.
//
// The mask is the line canvas the cut draws on: a 24-bit (ImageW + 5) x (ImageH + 5) buffer in
// which every pixel of the picture carries its owner's colour, red 128, green 0, blue the piece's
// maskValue (5 for the frame piece), with a black 5-pixel margin right and below. Mask values
// repeat every three cells, so a piece's pixels are the pixels of its colour inside its source
// box; where relaxed cells would bring two pieces of one value that close, the artistic cut gives
// the later one another value.
//
// The artistic cut (shape styles 0 to 3) relaxes one random seed point per cell into irregular
// cells and gives every side a knob from the artistic templates where it has room; the grid cut
// (4 and above) keeps the rectangular cells and gives every inner side one grid knob. Every random
// choice comes from the generator in a fixed order, so the same picture size, settings and seed
// give the same mask and records, byte for byte.
//
// With shape style 3 and a shape library, about one cell in five becomes a picture piece: the
// silhouette of a shape from the library, turned and maybe mirrored, is the whole piece, and the
// ordinary pieces around it end at its outline (see PicturePieces). Their records carry the
// picture-shape flag. When the cells cannot be parted around the shapes, the attempt is made
// again with other shapes; after the third, the puzzle is cut without them and the report says so.
//
// Cost, for the 3818 pieces of the finest 1920 x 1080 cut: about 75 ms artistic, a quarter of it
// in the three tessellations and a fifth drawing and testing knobs, and 11 ms on the grid; shape
// style 3 (2993 cells, some 670 of them picture pieces) about 0.1 s, a third of it the
// picture-shape steps, as much placing shapes as reaching them. Memory a few times the mask. A
// piece that cannot be filled is reported with a message and the cut finishes with what it has;
// the cut says so in its report, and shows nothing itself. Undefined: more than 32767 cells.
#pragma once

#include <vector>

#include "base/ProgressStep.h"
#include "base/Random.h"
#include "cutting/BezierPath.h"
#include "cutting/KnobAtlas.h"
#include "game/Descriptor.h"
#include "game/PieceRecord.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

struct ShapeLibrary;

// A piece that could not be filled: its index and the point the fill was tried from.
struct FillFailure {
    int piece = -1;  // -1 = every piece was filled
    PixelPoint at {};
};

// What went wrong in a cut that still gave a puzzle. The pieces are playable either way; the
// player is told, and may reopen the puzzle.
struct CutReport {
    bool tessellationFailed = false;  // some seed points could not be split into cells
    FillFailure unfilled;             // the first piece the cut could not fill; piece -1 = none
    bool unfilledOnGrid = false;      // the grid cut, not the artistic one, left it unfilled
    bool picturesDropped = false;     // no attempt could part the cells around the picture shapes:
                                      // the puzzle was cut without them

    bool Clean() const { return !tessellationFailed && unfilled.piece < 0 && !picturesDropped; }
};

// One call per progress step; may be empty. The artistic cut makes 9 calls (a repeated attempt
// steps again only past the point the first one reached), the grid cut 11; an artistic cut handed
// over to the grid makes the grid's 11 after up to 4 of its own.
using CutProgress = ProgressStep;

// Both cuts read ImageW, ImageH, BorderStyle, ShapeStyle and the applied level (TileS, knobMargin,
// TilePX, TilePY, TileNum), with the generator's state at GameSeed. They write JigsL to JigsB, the
// cell, source box, node point, neighbours, mask value, class bit and picture-shape flag of the
// first TileNum records, and set TotalTileNum to TileNum; with BorderStyle 1 the frame piece follows
// (maskValue 5, classBit 128, source box the whole picture) and TotalTileNum is one more. A piece
// lists only neighbours whose pixels meet its own side by side. pieces grows to TileNum + 1
// records when it is shorter.
//
// Shape style 3 cuts picture pieces from the shapes of the library given (see above); without a
// library, or with an empty one, it is cut like the other artistic styles, with its own template
// lists. The library is only read. Cells under 4 pixels, fewer than three cells, or cells the tessellation
// leaves without sides (points on one line, a single row of cells) leave no room for the artistic
// cut; such pictures are cut on the grid.
CutReport CutArtistic(Descriptor& descriptor, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
                 const KnobAtlas& atlas, const CutProgress& progress = {}, const ShapeLibrary* shapes = nullptr);
// Shape styles below 4 get the knobs of style 4.
CutReport CutGrid(Descriptor& descriptor, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
             const KnobAtlas& atlas, const CutProgress& progress = {});
// CutArtistic for ShapeStyle below 4, CutGrid otherwise.
CutReport CutPieces(Descriptor& descriptor, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
               const KnobAtlas& atlas, const CutProgress& progress = {}, const ShapeLibrary* shapes = nullptr);

}  // namespace kirvo
