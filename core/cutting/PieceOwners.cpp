#include "cutting/PieceOwners.h"

#include <algorithm>

namespace kirvo {

std::vector<int> PieceOwners(const Descriptor& descriptor, const std::vector<PieceRecord>& pieces,
                             const TPixelBuffer& mask)
{
    const int width = descriptor.ImageW;
    const int height = descriptor.ImageH;
    std::vector<int> owners(size_t(width) * height, kNoOwner);
    const int count = std::min<int>(descriptor.TotalTileNum, int(pieces.size()));
    for (int index = 0; index < count; ++index) {
        const PieceRecord& piece = pieces[index];
        int left = std::max(piece.sourceX, 0);
        int top = std::max(piece.sourceY, 0);
        int right = std::min({piece.sourceX + piece.sourceWidth, width, mask.width});
        int bottom = std::min({piece.sourceY + piece.sourceHeight, height, mask.height});
        for (int y = top; y < bottom; ++y) {
            const uint8_t* pixel = PixAddress(mask, left, y);
            int* owner = &owners[size_t(y) * width + left];
            for (int x = left; x < right; ++x, pixel += mask.bytesPerPixel, ++owner) {
                if (pixel[0] != piece.maskValue || pixel[1] != 0 || pixel[2] != 128)
                    continue;
                *owner = *owner == kNoOwner ? index : kSeveralOwners;
            }
        }
    }
    return owners;
}

}  // namespace kirvo
