// Which piece owns each pixel of a cut picture.
//
// A piece owns the pixels inside its source box that carry its colour on the mask: red 128,
// green 0, blue its mask value. Mask values repeat every three cells, so ownership is only
// meaningful within source boxes.
#pragma once

#include <vector>

#include "game/Descriptor.h"
#include "game/PieceRecord.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kNoOwner = -1;
inline constexpr int kSeveralOwners = -2;

// ImageW x ImageH entries, row by row: the owning piece index, kNoOwner or kSeveralOwners.
std::vector<int> PieceOwners(const Descriptor& descriptor, const std::vector<PieceRecord>& pieces,
                             const TPixelBuffer& mask);

}  // namespace kirvo
