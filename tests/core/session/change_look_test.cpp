#include "session/ChangeLook.h"

#include <gtest/gtest.h>

#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

using testing::DrawnAtlas;

// A cut game with the pieces embossed as Paper and shadowed.
void Start(GameState& state, PlayWindows& windows)
{
    SetStartField(windows, 400, 300);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    NewGameChoices choices;
    choices.pending.ImageW = 160;
    choices.pending.ImageH = 120;
    TakeChoices(choices.pending, {.Rotate = true, .Level = 12});
    ComputeFitSize(choices.pending, 400, 300);
    ASSERT_TRUE(ApplyChosenLevel(choices.pending));
    TPixelBuffer picture;
    PixCreate24(picture, 160, 120);
    Random random(3);
    state.look = {.embossStyle = kEmbossPaper, .woodStyle = kWoodShadow};
    ASSERT_TRUE(StartNewGame(state, windows, choices, std::move(picture), random, DrawnAtlas()));
}

int ReliefPixels(const TPixelBuffer& mask)
{
    int count = 0;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            count += PixAddress(mask, x, y)[2] != 128 && PixAddress(mask, x, y)[0] != 0;
    return count;
}

// The turned masks are freed with effects; the runs keep where the relief lies.
int KeptReliefCells(const GameState& state, int rotation)
{
    int count = 0;
    for (const PieceRuns& runs : state.pieceRuns[size_t(rotation)])
        for (const CellSpan& span : runs.relief.spans)
            count += span.count;
    return count;
}

TEST(ChangeLookTest, OnlyAChangedEmbossStyleRedoesTheRelief)
{
    GameState state;
    PlayWindows windows;
    Start(state, windows);
    const int relief = ReliefPixels(state.buffers[kMaskBuffer]);
    const int turned = KeptReliefCells(state, 1);
    ASSERT_GT(relief, 0);
    ASSERT_GT(turned, 0);
    EXPECT_EQ(state.look.edgeWidth, 5);

    ChangeLook(state, {.embossStyle = kEmbossPaper, .woodStyle = kWoodEdge});
    EXPECT_EQ(ReliefPixels(state.buffers[kMaskBuffer]), relief) << "a new wood style keeps the relief";
    EXPECT_EQ(KeptReliefCells(state, 1), turned) << "a new wood style keeps the relief";
    EXPECT_EQ(state.look.edgeWidth, 3);
    EXPECT_GT(state.edgeBuffers[1].width, 0);

    ChangeLook(state, {.embossStyle = kEmbossNone, .woodStyle = kWoodNone});
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(ReliefPixels(state.buffers[kMaskBuffer + r]), 0) << "rotation " << r;
    EXPECT_EQ(state.edgeBuffers[0].width, 0);
    EXPECT_EQ(state.look.edgeWidth, 0);
}

TEST(ChangeLookTest, StepCounts)
{
    const PieceLook none, paper {.embossStyle = kEmbossPaper}, fat {.embossStyle = kEmbossFatCard};
    EXPECT_EQ(ChangeLookStepCount(paper, fat, true), 1);
    EXPECT_EQ(ChangeLookStepCount(none, paper, false), 2);
    EXPECT_EQ(ChangeLookStepCount(none, paper, true), 5);
    EXPECT_EQ(ChangeLookStepCount(paper, none, true), 1);
}

}  // namespace
}  // namespace kirvo
