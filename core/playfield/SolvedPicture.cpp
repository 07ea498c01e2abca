#include "playfield/SolvedPicture.h"

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

constexpr int kMargin = 1;
constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

TPixelBuffer DrawSolvedPicture(const GameState& state, std::span<const int> bandHeights)
{
    const Descriptor& d = state.descriptor;
    TPixelBuffer image;
    int height = d.ImageH + 2 * kMargin;
    for (int band : bandHeights)
        height += band + kMargin;
    PixCreate24(image, d.ImageW + 2 * kMargin, height);

    // Whatever their rotation, pieces are taken from the unturned buffers, which always exist,
    // with their relief; bands between joined pieces are hidden, and those round the outside fall
    // beyond the picture.
    const TPixelBuffer& picture = state.buffers[kPictureBuffer];
    const TPixelBuffer& mask = state.buffers[kMaskBuffer];
    const TBox readable = BoxFromOrigin(0, 0, MinInt(d.ImageW, MinInt(picture.width, mask.width)),
                                        MinInt(d.ImageH, MinInt(picture.height, mask.height)));
    const int count = MinInt(d.TotalTileNum, int(state.pieces.size()));
    for (int k = 0; k < count; ++k) {
        const PieceRecord& piece = state.pieces[size_t(k)];
        const TBox source = BoxFromOrigin(piece.sourceX, piece.sourceY, piece.sourceWidth, piece.sourceHeight);
        TBox box;
        if (BoxIntersect(source, readable, &box))
            BlitPiece(image, box.left + kMargin, box.top + kMargin, piece, SourceOf(state, 0, k), box.left, box.top,
                      box.width, box.height);
    }

    for (int k = 0; k < int(bandHeights.size()); ++k) {
        const TBox band = SolvedCaptionBand(d, bandHeights, k);
        PixFillRect(image, band.left, band.top, band.width, band.height, kWhite);
    }
    return image;
}

TBox SolvedCaptionBand(const Descriptor& descriptor, std::span<const int> bandHeights, int band)
{
    int top = descriptor.ImageH + 2 * kMargin;
    for (int k = 0; k < band; ++k)
        top += bandHeights[size_t(k)] + kMargin;
    return BoxFromOrigin(kMargin, top, descriptor.ImageW, bandHeights[size_t(band)]);
}

}  // namespace kirvo
