#include "playfield/SolvedPicture.h"

#include "core/playfield/field_fixture.h"

namespace kirvo {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kTwoBands[] = {kSolvedBandHeight, kSolvedBandHeight};

class SolvedPicture : public FieldTest {
protected:
    // Every pixel of the solved picture: the picture (pictureAt) in a black margin, then two
    // white bands one black line apart.
    template <typename PictureAt>
    void ExpectLayout(const TPixelBuffer& image, PictureAt pictureAt)
    {
        const int w = state.descriptor.ImageW;
        const int h = state.descriptor.ImageH;
        ASSERT_EQ(image.width, w + 2);
        ASSERT_EQ(image.height, h + 52);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const bool inside = x >= 1 && x <= w;
                const bool inBand = inside && ((y >= h + 2 && y < h + 26) || (y >= h + 27 && y < h + 51));
                const uint32_t expected = inside && y >= 1 && y <= h ? pictureAt(x - 1, y - 1)
                                        : inBand                     ? kWhite
                                                                     : kBlack;
                ASSERT_EQ(uint32_t(PixGetPixel(image, x, y)), expected) << x << ", " << y;
            }
    }

    void MakeTurnedBuffers()
    {
        for (int r = 1; r <= 3; ++r) {
            PixRotate90(state.buffers[kPictureBuffer + r], state.buffers[kPictureBuffer + r - 1]);
            PixRotate90Banded(state.buffers[kMaskBuffer + r], state.buffers[kMaskBuffer + r - 1], kMaskMargin);
        }
    }
};

TEST_F(SolvedPicture, TurnedAndUnturnedPiecesReFormThePictureAboveTwoWhiteBands)
{
    Own(0, 0, 20, 44, 25);
    Own(20, 0, 28, 44, 150);
    AddPiece(0, 0, 20, 44, 25, MW_SIDE0, 0, 0);
    const int turned = AddPiece(20, 0, 28, 44, 150, MW_SIDE0, 0, 0);
    MakeTurnedBuffers();
    state.pieces[turned].rotation = 1;
    DeriveGeometry(state, turned);
    ExpectLayout(DrawSolvedPicture(state, kTwoBands), PictureColour);
}

TEST_F(SolvedPicture, TheFrameBringsTheOuterBandAndSelectedPiecesComeOutInverted)
{
    state.descriptor.BorderStyle = 1;
    Own(0, 0, 48, 44, 5);
    Own(20, 20, 8, 4, 25);
    const int inner = AddPiece(20, 20, 8, 4, 25, MW_SIDE0, 0, 0);
    AddPiece(0, 0, 48, 44, 5, MW_SIDE0, 0, 0);
    ASSERT_EQ(BorderPieceIndex(state), 1);
    state.pieces[inner].selected = true;
    ExpectLayout(DrawSolvedPicture(state, kTwoBands), [](int x, int y) {
        const bool innerPiece = x >= 20 && x < 28 && y >= 20 && y < 24;
        return innerPiece ? Inverted(PictureColour(x, y)) : PictureColour(x, y);
    });
}

}  // namespace
}  // namespace kirvo
