#include "game/GameState.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(GameState, NewTableHasRoomForTheBorderPieceAndReplacesTheOld)
{
    GameState state;
    AllocatePieceTable(state, 4);
    state.pieces[2].group = 7;
    state.pieces[2].neighbours[0] = 3;
    state.drawOrder = {{7, 2}};

    AllocatePieceTable(state, 2);

    ASSERT_EQ(state.pieces.size(), 3u);
    for (const PieceRecord& piece : state.pieces)
        EXPECT_EQ(piece, PieceRecord {});
    for (int16_t neighbour : state.pieces[2].neighbours)
        EXPECT_EQ(neighbour, -1);
    EXPECT_TRUE(state.drawOrder.empty());

    FreePieceTable(state);
    EXPECT_TRUE(state.pieces.empty());
    EXPECT_TRUE(state.drawOrder.empty());
}

TEST(GameState, MarkChangedSetsBothFlagsAndANewPuzzleClearsThem)
{
    GameState state;
    MarkChanged(state);
    EXPECT_TRUE(state.changed);
    EXPECT_TRUE(state.autosavePending);

    state.draggedPiece = 3;
    state.selectionExists = true;
    state.solved = true;
    state.weightedPiece = 2;
    ResetPlayFlags(state);
    EXPECT_EQ(state.draggedPiece, -1);
    EXPECT_FALSE(state.selectionExists);
    EXPECT_FALSE(state.solved);
    EXPECT_FALSE(state.changed);
    EXPECT_FALSE(state.autosavePending);
    EXPECT_EQ(state.weightedPiece, 2) << "a resumed game brings its own weight";
}

}  // namespace
}  // namespace kirvo
