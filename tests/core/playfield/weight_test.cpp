#include "playfield/Weight.h"

#include <gtest/gtest.h>

#include "game/DrawOrder.h"
#include "playfield/Selection.h"
#include "play_fixture.h"

namespace kirvo {
namespace {

// The sprite is see-through around the weight and solid in its body and handle, so the field
// shows around it.
TEST(WeightSpriteTest, SolidWeightOnAClearGround)
{
    const TPixelBuffer sprite = DrawWeightSprite();
    ASSERT_EQ(sprite.width, kWeightSpriteWidth);
    ASSERT_EQ(sprite.height, kWeightSpriteHeight);
    for (auto [x, y] : {std::pair(0, 0), std::pair(39, 0), std::pair(0, 39), std::pair(39, 39), std::pair(20, 10)})
        EXPECT_EQ(PixGetAlpha(sprite, x, y), 0) << x << ", " << y;
    for (auto [x, y] : {std::pair(20, 30), std::pair(20, 3), std::pair(4, 35)})
        EXPECT_EQ(PixGetAlpha(sprite, x, y), 255) << x << ", " << y;
}

class WeightTest : public PlayMouseTest {
protected:
    int WeightedGroup() const { return state.pieces[size_t(state.weightedPiece)].group; }
};

// Weight while a group is carried sets it on that group, which goes to the bottom; Weight again
// with nothing carried lifts it.
TEST_F(WeightTest, WeightWhileCarryingSetsItAndAgainLiftsIt)
{
    Open(false);
    LayOutApart();
    auto [x, y] = PointOn(6);
    PlayContext play = Play();
    PlayMouseDown(play, kLeftButton, 0, x, y);
    WeightCommand(play, x, y);
    EXPECT_EQ(state.weightedPiece, 6);
    EXPECT_EQ(WeightedGroup(), 0);
    EXPECT_FALSE(field.weight.carried);
    PlayMouseUp(play, kLeftButton, 0, x + 3, y + 3);
    EXPECT_EQ(state.weightedPiece, 6);

    WeightCommand(play, x, y);
    EXPECT_EQ(state.weightedPiece, -1);
    EXPECT_FALSE(field.weight.carried);
}

// The weighted group lies under every group dropped on it, joins or not, is never brought up when
// picked up and never taken by a rectangle or Select All.
TEST_F(WeightTest, TheWeightedGroupStaysUnderneathAndUnselected)
{
    Open(false);
    LayOutApart();
    state.pieces[6].x = state.pieces[0].x + 5;
    state.pieces[6].y = state.pieces[0].y + 5;
    state.weightedPiece = 6;
    WeightedGroupToBottom(state);

    DragTo(1, PlaceBeside0(1), 1);  // joins 0 and 1 over the weighted piece
    ASSERT_EQ(state.pieces[1].group, state.pieces[0].group);
    EXPECT_EQ(WeightedGroup(), 0);
    EXPECT_EQ(state.drawOrder.front().group, 0);
    auto [x, y] = PointOn(6);
    PlayContext play = Play();
    PlayMouseDown(play, kLeftButton, 0, x, y);
    EXPECT_EQ(WeightedGroup(), 0) << "picked up, it stays underneath";
    PlayMouseUp(play, kLeftButton, 0, x, y);

    EXPECT_TRUE(SelectByRectangle(state, BoxFromOrigin(-500, -500, 2000, 2000)));
    EXPECT_FALSE(state.pieces[6].selected);
    EXPECT_TRUE(state.pieces[2].selected);
    ClearSelection(state, windows);
    EXPECT_TRUE(SelectAll(state, windows));
    EXPECT_FALSE(state.pieces[6].selected);
}

// With nothing carried, Weight picks the weight up; the sprite follows the mouse over the field
// and the release sets it on the piece under the anchor, or on nothing over empty field.
TEST_F(WeightTest, ACarriedWeightIsSetWhereItIsDropped)
{
    struct Case {
        const char* name;
        bool onPiece;
    };
    for (const Case& c : {Case {"on a piece", true}, Case {"on empty field", false}}) {
        SCOPED_TRACE(c.name);
        Open(false);
        LayOutApart();
        const TBox& client = windows.windows[MW_SIDE0].client;
        auto [x, y] = c.onPiece ? PointOn(9) : std::pair(client.left + 200, client.top + 400);
        state.currentWindow = MW_SIDE0;
        PlayContext play = Play();
        WeightCommand(play, 50, 50);
        ASSERT_TRUE(field.weight.carried);
        PlayMouseMove(play, false, x, y);
        EXPECT_EQ(std::pair(field.weight.anchorX, field.weight.anchorY), std::pair(x, y));
        // The body of the sprite lies over the field just above the anchor.
        const int bodyX = x, bodyY = y - 10;
        EXPECT_NE(PixGetPixel(field.image, bodyX, bodyY), PixGetPixel(field.under, bodyX, bodyY));
        state.redrawMode = RedrawMode::WholeField;
        Redraw(field, state, windows, TPixelBuffer {});
        EXPECT_NE(PixGetPixel(field.image, bodyX, bodyY), PixGetPixel(field.under, bodyX, bodyY))
            << "every redraw draws the carried weight";

        PlayMouseDown(play, kLeftButton, 0, x, y);
        EXPECT_EQ(drag.state, DragState::Idle) << "a press while the weight is carried picks nothing up";
        PlayMouseUp(play, kLeftButton, 0, x, y);
        EXPECT_FALSE(field.weight.carried);
        EXPECT_EQ(state.weightedPiece, c.onPiece ? 9 : -1);
    }
}

// Weight a second time, or Escape, puts a carried weight away without setting it.
TEST_F(WeightTest, ACarriedWeightIsPutAwayByWeightOrEscape)
{
    for (bool escape : {false, true}) {
        Open(false);
        PlayContext play = Play();
        WeightCommand(play, 100, 100);
        ASSERT_TRUE(field.weight.carried);
        if (escape)
            EXPECT_TRUE(CancelDrag(play));
        else
            WeightCommand(play, 100, 100);
        EXPECT_FALSE(field.weight.carried);
        EXPECT_EQ(state.weightedPiece, -1);
    }
}

}  // namespace
}  // namespace kirvo
