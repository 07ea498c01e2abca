#include "core/playfield/field_fixture.h"

namespace kirvo {
namespace {

uint32_t StarColour(int frame) { return MakeColour(10 + 40 * frame, 0, 200); }

// Five 23 x 23 frames at 24-pixel steps, each its own colour with a white (transparent) corner.
TPixelBuffer StarStrip()
{
    TPixelBuffer strip;
    PixCreate24(strip, 5 * kStarStep, kStarSize);
    PixFillRect(strip, 0, 0, strip.width, strip.height, kStarKey);
    for (int frame = 0; frame < 5; ++frame) {
        PixFillRect(strip, frame * kStarStep, 0, kStarSize, kStarSize, StarColour(frame));
        PixSetPixel(strip, frame * kStarStep, 0, kStarKey);
    }
    return strip;
}

class JoinAnimation : public FieldTest {
protected:
    JoinAnimation()
    {
        // A 40 x 30 cut area inside a 20-pixel frame: picture 80 x 70.
        MakePicture(80, 70);
        Descriptor& d = state.descriptor;
        d.JigsL = 20;
        d.JigsT = 20;
        d.JigsR = 59;
        d.JigsB = 49;
    }
};

TEST_F(JoinAnimation, TheStarSitsOnTheJoin)
{
    struct Case {
        int sourceX, sourceY;  // of the 10 x 10 edge piece joining the frame
        int pointX, pointY;    // in the virtual field, with the piece at (100, 50)
        const char* what;
    };
    const Case cases[] = {
        {20, 30, 100, 55, "left column: left edge, centre height"},
        {35, 20, 105, 50, "top row: top edge"},
        {35, 40, 105, 59, "bottom row: bottom edge"},
        {50, 30, 109, 55, "right column: right edge"},
    };
    state.descriptor.BorderStyle = 1;
    const int edge = AddPiece(0, 0, 10, 10, 25, MW_SIDE0, 100, 50);
    const int frame = AddPiece(0, 0, 80, 70, 5, MW_SIDE0, 90, 40);
    TMyWin& side = windows.windows[MW_SIDE0];
    side.scrollX = 30;
    side.scrollY = 20;
    for (const Case& c : cases) {
        state.pieces[edge].sourceX = c.sourceX;
        state.pieces[edge].sourceY = c.sourceY;
        for (bool frameFirst : {false, true}) {
            StartJoinAnimation(field, state, windows, frameFirst ? frame : edge, frameFirst ? edge : frame);
            EXPECT_EQ(field.star.x, c.pointX - 30 - 11) << c.what;
            EXPECT_EQ(field.star.y, c.pointY - 20 - 11) << c.what;
        }
    }

    state.descriptor.BorderStyle = 0;  // two ordinary pieces: between their centres
    state.pieces[frame].width = 20;
    state.pieces[frame].height = 8;
    StartJoinAnimation(field, state, windows, edge, frame);
    EXPECT_EQ(field.star.x, (105 + 100) / 2 - 30 - 11);
    EXPECT_EQ(field.star.y, (55 + 44) / 2 - 20 - 11);
}

TEST_F(JoinAnimation, SixStepsOfKeyedFramesClippedToTheWindow)
{
    const TPixelBuffer strip = StarStrip();
    TMyWin& pocket = ShowScrolledPocket(40, 30, 0, 0);
    const TBox client = pocket.client;
    // Two pieces whose join lies on the pocket's top-left client pixel.
    AddPiece(0, 0, 2, 2, 25, MW_POCKET0, 0, 0);
    AddPiece(0, 0, 2, 2, 25, MW_POCKET0, 0, 0);
    Redraw(field, state, windows, strip);

    StartJoinAnimation(field, state, windows, 0, 1);
    EXPECT_EQ(state.redrawMode, RedrawMode::HoverBox);
    EXPECT_EQ(field.hoverBox, BoxFromOrigin(client.left + 1 - 11, client.top + 1 - 11, kStarSize, kStarSize));
    const uint32_t frameColour = At(client.left - 1, client.top - 1);
    int steps = 1;
    for (int frame = 0; frame < 5; ++frame, ++steps) {
        Redraw(field, state, windows, strip);
        EXPECT_EQ(At(client.left + 5, client.top + 5), StarColour(frame));
        EXPECT_EQ(At(client.left - 1, client.top - 1), frameColour) << "never over the frame";
        ASSERT_TRUE(NextJoinStep(field, state, windows));
    }
    Redraw(field, state, windows, strip);
    EXPECT_EQ(At(client.left + 5, client.top + 5), pocket.background) << "the last step takes the star away";
    EXPECT_FALSE(NextJoinStep(field, state, windows));
    EXPECT_EQ(steps, kJoinSteps);
    EXPECT_EQ(field.star.step, -1);
}

TEST_F(JoinAnimation, WhiteIsTransparent)
{
    const TPixelBuffer strip = StarStrip();
    AddPiece(0, 0, 40, 40, 25, MW_SIDE0, 80, 80);
    AddPiece(0, 0, 40, 40, 25, MW_SIDE0, 80, 80);
    StartJoinAnimation(field, state, windows, 0, 1);  // star at (89, 89)
    Redraw(field, state, windows, strip);
    EXPECT_EQ(At(89, 89), kDefaultBackground);
    EXPECT_EQ(At(90, 89), StarColour(0));
}

}  // namespace
}  // namespace kirvo
