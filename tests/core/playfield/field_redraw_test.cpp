#include "core/playfield/field_fixture.h"

namespace kirvo {
namespace {

class FieldRedraw : public FieldTest {
protected:
    TPixelBuffer noStar;
};

TEST_F(FieldRedraw, EachModeComposesItsAreaOnceAndIsReset)
{
    struct Case {
        RedrawMode mode;
        bool composesHoverBox;
        bool composesElsewhere;
        TBox area;
    };
    const TBox hover = BoxFromCorners(20, 20, 29, 29);
    const Case cases[] = {
        {RedrawMode::Nothing, false, false, TBox {}},
        {RedrawMode::WholeField, true, true, FieldBox(windows)},
        {RedrawMode::HoverBox, true, false, hover},
        {RedrawMode::RepaintOnly, false, false, FieldBox(windows)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode));
        Fill(field.image, kSentinel);
        field.hoverBox = hover;
        state.redrawMode = c.mode;
        EXPECT_EQ(Redraw(field, state, windows, noStar), c.area);
        EXPECT_EQ(state.redrawMode, RedrawMode::Nothing);
        EXPECT_EQ(At(25, 25) == kDefaultBackground, c.composesHoverBox);
        EXPECT_EQ(At(30, 25) == kDefaultBackground, c.composesElsewhere);
    }
}

TEST_F(FieldRedraw, HoveringRedrawsTheControlsWhoseLookChanges)
{
    TMyWin& pocket = ShowScrolledPocket(40, 30, 0, 0);
    const TBox close = pocket.controls[kCloseButton].box;
    const TBox down = pocket.controls[kScrollDownArrow].box;
    ComposeAll();
    const uint32_t plainClose = At(close.left + 5, close.top + 5);
    state.redrawMode = RedrawMode::Nothing;

    EXPECT_EQ(HoverRedraw(field, windows, state, close.left + 5, close.top + 5), SizingCursor::Normal);
    EXPECT_TRUE(pocket.controls[kCloseButton].hot);
    EXPECT_EQ(state.redrawMode, RedrawMode::HoverBox);
    EXPECT_EQ(field.hoverBox, close);
    Redraw(field, state, windows, noStar);
    EXPECT_NE(At(close.left + 5, close.top + 5), plainClose) << "drawn hot";

    HoverRedraw(field, windows, state, down.left + 2, down.top + 2);
    EXPECT_FALSE(pocket.controls[kCloseButton].hot);
    TBox both = close;
    BoxUnion(both, down.left, down.top, down.right, down.bottom);
    EXPECT_EQ(field.hoverBox, both) << "the old hot control and the new one";
    Redraw(field, state, windows, noStar);
    EXPECT_EQ(At(close.left + 5, close.top + 5), plainClose);

    EXPECT_EQ(HoverRedraw(field, windows, state, pocket.client.left + 3, pocket.client.top + 3), SizingCursor::Normal);
    EXPECT_EQ(field.hoverBox, down);
    Redraw(field, state, windows, noStar);
    EXPECT_EQ(HoverRedraw(field, windows, state, pocket.client.left + 4, pocket.client.top + 4), SizingCursor::Normal);
    EXPECT_EQ(state.redrawMode, RedrawMode::Nothing) << "nothing changed, nothing to redraw";

    EXPECT_EQ(HoverRedraw(field, windows, state, pocket.frame.left, pocket.frame.top + 50), SizingCursor::WestEast);
}

TEST_F(FieldRedraw, AHoverNeverShrinksAPendingFullRedraw)
{
    TMyWin& pocket = ShowScrolledPocket(40, 30, 0, 0);
    state.redrawMode = RedrawMode::WholeField;
    HoverRedraw(field, windows, state, pocket.controls[kCloseButton].box.left + 1, pocket.controls[kCloseButton].box.top + 1);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

}  // namespace
}  // namespace kirvo
