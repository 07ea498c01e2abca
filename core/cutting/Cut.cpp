#include "cutting/Cut.h"

namespace kirvo {

CutReport CutPieces(Descriptor& descriptor, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
               const KnobAtlas& atlas, const CutProgress& progress, const ShapeLibrary* shapes)
{
    if (descriptor.ShapeStyle < 4)
        return CutArtistic(descriptor, pieces, mask, random, atlas, progress, shapes);
    else
        return CutGrid(descriptor, pieces, mask, random, atlas, progress);
}

}  // namespace kirvo
