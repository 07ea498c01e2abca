#include "core/playfield/field_fixture.h"

namespace kirvo {
namespace {

// A dragged piece over a still one on side 0, and a pocket.
class DragImages : public FieldTest {
protected:
    DragImages()
    {
        Own(0, 0, 6, 6, 25);
        still = AddPiece(0, 0, 6, 6, 25, MW_SIDE0, 10, 10);
        dragged = AddPiece(0, 0, 6, 6, 25, MW_SIDE0, 12, 12);
        state.draggedPiece = dragged;
    }

    int still = -1;
    int dragged = -1;
};

TEST_F(DragImages, PiecesAreLeftOutOfTheUnderImageAndDrawnOverItAtEachStep)
{
    PrepareDragImages(field, Moving::Pieces, state, windows);
    EXPECT_EQ(UnderAt(14, 14), PictureColour(4, 4)) << "the still piece shows where the dragged one was";
    EXPECT_EQ(At(14, 14), PictureColour(2, 2)) << "the dragged piece on top";

    state.pieces[dragged].x = 40;
    DrawDragStep(field, Moving::Pieces, state, windows);
    EXPECT_EQ(At(14, 14), PictureColour(4, 4));
    EXPECT_EQ(At(17, 17), kDefaultBackground) << "its old place is restored";
    EXPECT_EQ(At(40, 12), PictureColour(0, 0));
    EXPECT_EQ(UnderAt(40, 12), kDefaultBackground);
    EXPECT_EQ(state.redrawMode, RedrawMode::RepaintOnly);
}

TEST_F(DragImages, AMovedWindowIsLeftOutOfTheUnderImage)
{
    TMyWin& pocket = ShowScrolledPocket(5, -10, 0, 0);  // client from (9, 12)
    PrepareDragImages(field, Moving::Window, state, windows);
    EXPECT_EQ(UnderAt(14, 14), PictureColour(2, 2)) << "the side's pieces under the pocket";
    EXPECT_EQ(At(14, 14), pocket.background) << "the pocket's client box in the field";

    BoxMoveTo(pocket.frame, 100, 40);
    LayOut(pocket, SizeSource::FromFrame);
    DrawDragStep(field, Moving::Window, state, windows);
    EXPECT_EQ(At(14, 14), PictureColour(2, 2));
    EXPECT_EQ(At(pocket.client.left, pocket.client.top), pocket.background);
}

TEST_F(DragImages, AskedAgainOnlyWhilePiecesOrTheWeightAreCarried)
{
    PrepareDragImagesAgain(field, Carried::Nothing, state, windows);
    EXPECT_EQ(At(14, 14), kSentinel);
    EXPECT_EQ(UnderAt(14, 14), kSentinel);

    PrepareDragImagesAgain(field, Carried::Weight, state, windows);
    EXPECT_EQ(UnderAt(14, 14), PictureColour(2, 2)) << "nothing is left out under the weight";
    EXPECT_EQ(At(14, 14), PictureColour(2, 2));

    PrepareDragImagesAgain(field, Carried::Pieces, state, windows);
    EXPECT_EQ(UnderAt(14, 14), PictureColour(4, 4));
}

}  // namespace
}  // namespace kirvo
