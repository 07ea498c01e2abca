#include "game/PieceGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace kirvo {
namespace {

// A mask as plain cells: enough to turn it the way the buffers are turned and find a piece in it.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> cells;

    Grid(int w, int h) : width(w), height(h), cells(size_t(w) * h, 0) {}
    uint8_t& At(int x, int y) { return cells[size_t(y) * width + x]; }
    uint8_t At(int x, int y) const { return cells[size_t(y) * width + x]; }
};

// A quarter turn clockwise of all but the margin, which stays at the right and bottom.
Grid TurnClockwise(const Grid& source)
{
    const int w = source.width - kMaskMargin;
    const int h = source.height - kMaskMargin;
    Grid turned(source.height, source.width);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            turned.At(h - 1 - y, x) = source.At(x, y);
    return turned;
}

PieceBox BoundsOf(const Grid& grid, uint8_t value)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (grid.At(x, y) == value) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    return {left, top, right - left + 1, bottom - top + 1};
}

GameState OnePiece(int sourceX, int sourceY, int sourceWidth, int sourceHeight)
{
    GameState state;
    state.descriptor.TotalTileNum = 1;
    AllocatePieceTable(state, 1);
    PieceRecord& piece = state.pieces[0];
    piece.sourceX = sourceX;
    piece.sourceY = sourceY;
    piece.sourceWidth = sourceWidth;
    piece.sourceHeight = sourceHeight;
    return state;
}

void SetMaskSize(GameState& state, int rotation, int width, int height)
{
    state.buffers[kMaskBuffer + rotation].width = width;
    state.buffers[kMaskBuffer + rotation].height = height;
}

TEST(PieceGeometry, QuarterTurnInAWidePicture)
{
    GameState state = OnePiece(10, 20, 30, 40);
    SetMaskSize(state, 0, 105, 65);
    SetMaskSize(state, 1, 65, 105);
    state.pieces[0].rotation = 1;

    DeriveGeometry(state, 0);

    const PieceRecord& piece = state.pieces[0];
    EXPECT_EQ(piece.width, 40);
    EXPECT_EQ(piece.height, 30);
    EXPECT_EQ(piece.rotatedSourceX, 0);
    EXPECT_EQ(piece.rotatedSourceY, 10);
}

// Marks a piece in a small non-square mask, turns the mask as the buffers are turned and
// checks that every rotation finds the piece where the marked cells went.
TEST(PieceGeometry, BoxFollowsThePieceThroughEveryTurn)
{
    const int pictureW = 13, pictureH = 8;
    const int sourceX = 2, sourceY = 1, sourceW = 6, sourceH = 4;
    GameState state = OnePiece(sourceX, sourceY, sourceW, sourceH);

    std::vector<Grid> masks {Grid(pictureW + kMaskMargin, pictureH + kMaskMargin)};
    for (int y = sourceY; y < sourceY + sourceH; ++y)
        for (int x = sourceX; x < sourceX + sourceW; ++x)
            masks[0].At(x, y) = 1;
    for (int r = 1; r < 4; ++r)
        masks.push_back(TurnClockwise(masks.back()));
    for (int r = 0; r < 4; ++r)
        SetMaskSize(state, r, masks[r].width, masks[r].height);

    for (int r = 0; r < 4; ++r) {
        const PieceBox expected = BoundsOf(masks[r], 1);
        ASSERT_EQ(expected.width * expected.height, sourceW * sourceH) << "the turn lost cells, rotation " << r;

        const PieceRecord before = state.pieces[0];
        EXPECT_EQ(RotatedSourceBox(state, 0, r), expected) << "rotation " << r;
        EXPECT_EQ(state.pieces[0], before) << "asking must not change the record";

        state.pieces[0].rotation = uint8_t(r);
        DeriveGeometry(state, 0);
        const PieceRecord& piece = state.pieces[0];
        EXPECT_EQ((PieceBox {piece.rotatedSourceX, piece.rotatedSourceY, piece.width, piece.height}), expected)
            << "rotation " << r;
    }
}

}  // namespace
}  // namespace kirvo
