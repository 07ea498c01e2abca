#include "game/GroupRescale.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

void AddPiece(GameState& state, int index, int window, int group, int x, int y)
{
    PieceRecord& piece = state.pieces[size_t(index)];
    piece = {};
    piece.window = uint8_t(window);
    piece.group = group;
    piece.x = x;
    piece.y = y;
    piece.width = 21;
    piece.height = 11;
}

TEST(GroupRescale, GroupsKeepTheirRelativePlacesAndStayJoined)
{
    GameState state;
    AllocatePieceTable(state, 4);
    state.descriptor.TotalTileNum = 4;
    AddPiece(state, 0, 0, 7, 390, 295);  // group 7 spans 390..430 x 295..305: centre (410, 300)
    AddPiece(state, 1, 0, 7, 410, 295);
    AddPiece(state, 2, 0, 2, 90, 45);    // centre (100, 50)
    AddPiece(state, 3, 1, 2, 90, 45);    // another window: stays

    RescaleGroups(state, 0, 800, 600, 1200, 900);

    EXPECT_EQ(state.pieces[0].x, 390 + 205);
    EXPECT_EQ(state.pieces[0].y, 295 + 150);
    EXPECT_EQ(state.pieces[1].x - state.pieces[0].x, 20);
    EXPECT_EQ(state.pieces[2].x, 90 + 50);
    EXPECT_EQ(state.pieces[2].y, 45 + 25);
    EXPECT_EQ(state.pieces[3].x, 90);

    // Back to the old size: every group returns to where it was.
    RescaleGroups(state, 0, 1200, 900, 800, 600);
    EXPECT_EQ(state.pieces[0].x, 390);
    EXPECT_EQ(state.pieces[2].y, 45);
}

TEST(GroupRescale, AZeroOldSizeLeavesThatAxis)
{
    GameState state;
    AllocatePieceTable(state, 1);
    state.descriptor.TotalTileNum = 1;
    AddPiece(state, 0, 2, 0, 90, 45);
    RescaleGroups(state, 2, 0, 600, 1200, 1200);
    EXPECT_EQ(state.pieces[0].x, 90);
    EXPECT_EQ(state.pieces[0].y, 45 + 50);
}

}  // namespace
}  // namespace kirvo
