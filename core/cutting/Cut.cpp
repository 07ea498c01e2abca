#include "cutting/Cut.h"

namespace kirvo {

void CutPieces(Descriptor& descriptor, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
               const KnobAtlas& atlas, const CutProgress& progress)
{
    if (descriptor.ShapeStyle < 4)
        CutArtistic(descriptor, pieces, mask, random, atlas, progress);
    else
        CutGrid(descriptor, pieces, mask, random, atlas, progress);
}

}  // namespace kirvo
