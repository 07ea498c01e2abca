#include "playfield/SolvedPicture.h"

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

constexpr int kMargin = 1;
constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

TPixelBuffer DrawSolvedPicture(const GameState& state)
{
    const Descriptor& d = state.descriptor;
    TPixelBuffer image;
    PixCreate24(image, d.ImageW + 2 * kMargin,
                d.ImageH + 2 * kMargin + kSolvedCaptionLines * (kSolvedBandHeight + kMargin));

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

    for (int line = 0; line < kSolvedCaptionLines; ++line) {
        const TBox band = SolvedCaptionBand(d, line);
        PixFillRect(image, band.left, band.top, band.width, band.height, kWhite);
    }
    return image;
}

TBox SolvedCaptionBand(const Descriptor& descriptor, int line)
{
    return BoxFromOrigin(kMargin, descriptor.ImageH + 2 * kMargin + line * (kSolvedBandHeight + kMargin),
                         descriptor.ImageW, kSolvedBandHeight);
}

}  // namespace kirvo
