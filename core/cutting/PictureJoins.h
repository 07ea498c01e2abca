// Picture joins: what follows once the sides of shape style 3 have reached the silhouettes
// (PictureSides). Internal to the cutting engine.
//
// Two reached sides of one ordinary piece may now cross: they are cut at the crossing, and a new
// side from there to the silhouette parts the two neighbours (JoinCrossingSides). Lone stubs far
// from everything are dropped (DropStubs), and the ordinary pieces get lengths and boxes from what
// is left (BoxOrdinaryPieces).
#pragma once

#include "cutting/PictureSides.h"

namespace kirvo {

// Two reached sides of one ordinary piece that cross are cut at the crossing, and a side from
// the crossing to the picture piece both ends were marked with goes to the two neighbours. False
// when the sides share no picture piece, the walk to it finds no silhouette, or a neighbour has
// no free side slot: the attempt cannot go on. The scan stops at the first failure.
bool JoinCrossingSides(PictureCut& cut);

// A side of under 2 pixels each way between ordinary pieces, far from the ends of the piece's
// other such sides and with only white around it, is no outline: it becomes inactive.
void DropStubs(PictureCut& cut);

// Every ordinary piece's active sides get their lengths again, and its box becomes the box of
// their ends.
void BoxOrdinaryPieces(PictureCut& cut);

}  // namespace kirvo
