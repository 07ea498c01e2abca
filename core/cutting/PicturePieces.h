// Picture pieces: with shape style 3 some cells of the artistic cut become pieces shaped like a
// picture from the shape library. Internal to the cutting engine.
//
// The cell layout flags a staggered pattern of candidates; the flags are thinned so that no two
// picture pieces are neighbours and none touches the edge of the cut area. Each flagged cell then
// gets a random shape, turned by -30 to 29 degrees and maybe mirrored, stretched over the cell at
// 1.2 times the size that fits its box and drawn on the line canvas as a silhouette in the
// piece's colour: the silhouette is the whole piece. A shape that would cover the centre of an
// ordinary cell nearby, or reach past the cells around it, is erased again and the cell stays
// ordinary. The ordinary cells around are reshaped to end at the silhouettes (PictureSides).
#pragma once

#include "base/Random.h"
#include "cutting/PictureJoins.h"
#include "cutting/PictureSides.h"
#include "cutting/ShapeLibrary.h"
#include "game/Descriptor.h"

namespace kirvo {

// Twice, first allowing one flagged neighbour and then none, interior cells row by row: a
// flagged cell with more flagged neighbours than allowed, or a side on the outside, loses its
// flag, and the first cell of the 5 x 5 cells around it (row by row) that is interior, unflagged,
// off the outside and without flagged neighbours gains one.
void ThinPictureCells(const Descriptor& descriptor, std::vector<PieceRecord>& pieces, const SideTable& sides);

// How large a shape of the design size is drawn over a box: shrunk to fit the box with its aspect
// kept when it is larger either way, then enlarged by 1.2. scale is the larger of the two sizes
// over the design's size that way.
struct ShapeFit {
    int width = 0;
    int height = 0;
    double scale = 0;
};
ShapeFit FitShape(int designWidth, int designHeight, int boxWidth, int boxHeight);

// Draws the shapes of the flagged cells, row by row, each drawing a shape, an angle and the
// mirrors it allows from the generator; a picture piece's box becomes its drawing rectangle,
// centred on its node point. Of a silhouette only its largest 8-connected part is kept, so that
// the sides reaching it meet one body. A shape that cannot be read, or that runs into other cells,
// leaves its cell ordinary.
void PlacePictureShapes(PictureCut& cut, const Descriptor& descriptor, const ShapeLibrary& library, Random& random);

// Whether the silhouette of picture piece i, as drawn, covers the node point of an ordinary cell
// within two rows and columns, or crosses a side of a neighbouring cell that does not meet the
// side between them.
bool RunsIntoOtherCells(const PictureCut& cut, const Descriptor& descriptor, int i);

// Every picture-shape step of one attempt, after the twins are linked: the sides' lines extended
// to the cut area, thinning, placing, reaching, trimming, joining, dropping stubs, boxes. False
// when the joining fails: the attempt ends there.
bool ShapePictures(PictureCut& cut, const Descriptor& descriptor, const ShapeLibrary& library, Random& random);

}  // namespace kirvo
