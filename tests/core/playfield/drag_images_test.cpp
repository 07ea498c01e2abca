#include "core/playfield/field_fixture.h"

#include "playfield/Glass.h"

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
    EXPECT_EQ(state.redrawMode, RedrawMode::RepaintBox);
}

// A drag step restores and repaints only the boxes the pieces left and entered, and the field
// then holds exactly what a restore of the whole field would give: also after a recompose, and
// with the glass out, when the whole field is restored.
TEST_F(DragImages, AStepRepaintsOnlyWhereThePiecesWereAndAreWithTheSamePixels)
{
    const int partner = AddPiece(0, 0, 6, 6, 25, MW_SIDE0, 70, 30);
    state.pieces[partner].group = state.pieces[dragged].group;
    const TMyWin& side = windows.windows[MW_SIDE0];
    // Where the two pieces lie on the field, with the band every piece may have.
    const auto piecesBox = [&] {
        TBox box;
        for (int piece : {dragged, partner}) {
            const PieceRecord& p = state.pieces[size_t(piece)];
            BoxUnionWith(box, BoxFromOrigin(side.client.left + p.x, side.client.top + p.y, p.width + state.look.edgeWidth,
                                            p.height + state.look.edgeWidth));
        }
        return box;
    };
    PrepareDragImages(field, Moving::Pieces, state, windows);
    const struct {
        int x, y;
        bool recomposeFirst;
        bool glass;
        bool whole;  // the whole field is restored and repainted
    } steps[] = {
        {20, 12, false, false, false}, {21, 40, false, false, false}, {60, 40, true, false, true},
        {30, 5, false, true, true},    {35, 9, false, false, true},   {36, 9, false, false, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.x * 1000 + step.y);
        if (step.glass != windows.glass.visible)
            ToggleGlass(windows, state);  // the game redraws the whole field then
        if (step.recomposeFirst || state.redrawMode == RedrawMode::WholeField) {
            state.redrawMode = RedrawMode::WholeField;
            Redraw(field, state, windows, {});
        }
        TBox expected = piecesBox();
        const int dx = step.x - state.pieces[dragged].x;
        const int dy = step.y - state.pieces[dragged].y;
        for (int piece : {dragged, partner}) {
            state.pieces[piece].x += dx;
            state.pieces[piece].y += dy;
        }
        DrawDragStep(field, Moving::Pieces, state, windows);
        BoxUnionWith(expected, piecesBox());
        EXPECT_EQ(Redraw(field, state, windows, {}), step.whole ? FieldBox(windows) : expected);

        if (windows.glass.visible)
            continue;  // the glass lies over the field image
        FieldImage reference;
        PixFromBitmap(reference.image, field.under);
        Compose(reference, Layer::Field, FieldBox(windows), What::Dragged, state, windows);
        EXPECT_TRUE(std::equal(field.image.bits, field.image.bits + field.image.size, reference.image.bits));
    }
}

// Drawing a selection rectangle repaints only the boxes the rectangle leaves and takes, growing,
// shrinking and crossing its anchor, and the field holds what a whole restore would give.
TEST_F(DragImages, ARectangleStepRepaintsOnlyWhereTheRectangleWasAndIs)
{
    state.currentWindow = MW_SIDE0;
    field.rectangle = {.drawing = true, .x = 30, .y = 20, .width = 1, .height = 1};
    PrepareDragImages(field, Moving::Rectangle, state, windows);
    const TMyWin& side = windows.windows[MW_SIDE0];
    const auto fieldBox = [&](int left, int top, int right, int bottom) {
        return BoxFromCorners(side.client.left + left, side.client.top + top, side.client.left + right,
                              side.client.top + bottom);
    };
    const struct {
        int width, height;
        TBox expected;  // the old rectangle's box and the new one's
    } steps[] = {
        {10, 6, fieldBox(30, 20, 39, 25)},
        {25, 14, fieldBox(30, 20, 54, 33)},
        {4, 3, fieldBox(30, 20, 54, 33)},
        {-9, -4, fieldBox(20, 15, 33, 22)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.width * 1000 + step.height);
        field.rectangle.width = step.width;
        field.rectangle.height = step.height;
        DrawDragStep(field, Moving::Rectangle, state, windows);
        EXPECT_EQ(state.redrawMode, RedrawMode::RepaintBox);
        EXPECT_EQ(Redraw(field, state, windows, {}), step.expected);

        FieldImage reference;
        PixFromBitmap(reference.image, field.under);
        reference.rectangle = field.rectangle;
        Compose(reference, Layer::Field, FieldBox(windows), What::Rectangle, state, windows);
        EXPECT_TRUE(std::equal(field.image.bits, field.image.bits + field.image.size, reference.image.bits));
    }
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
