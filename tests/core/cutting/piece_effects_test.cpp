#include "cutting/PieceEffects.h"

#include <gtest/gtest.h>

#include <vector>

#include "cutting/EdgeBands.h"
#include "game/MaskValue.h"
#include "game/PieceGeometry.h"
#include "game/TurnedBuffers.h"

namespace kirvo {
namespace {

// A puzzle painted by hand: each piece a rectangle of mask pixels in its own group, later pieces
// painting over earlier ones.
class PieceEffectsTest : public testing::Test {
protected:
    PieceEffectsTest() { MakePicture(60, 40); }

    void MakePicture(int width, int height)
    {
        state = GameState();
        state.descriptor.ImageW = width;
        state.descriptor.ImageH = height;
        state.descriptor.TilePX = 3;
        PixCreate24(state.buffers[kPictureBuffer], width, height);
        PixCreate24(state.buffers[kMaskBuffer], width + kMaskMargin, height + kMaskMargin);
        ResetRelief(state.buffers[kMaskBuffer]);
    }

    // Gives the rectangle's pixels, clipped to the mask, to the mask value.
    void Own(int x, int y, int width, int height, uint8_t maskValue)
    {
        TPixelBuffer& mask = state.buffers[kMaskBuffer];
        for (int row = MaxInt(y, 0); row < MinInt(y + height, mask.height); ++row)
            for (int column = MaxInt(x, 0); column < MinInt(x + width, mask.width); ++column)
                PixSetPixel(mask, column, row, MakeColour(128, 0, maskValue));
    }

    int AddPiece(int x, int y, int width, int height, uint8_t maskValue)
    {
        PieceRecord piece;
        piece.sourceX = x;
        piece.sourceY = y;
        piece.sourceWidth = width;
        piece.sourceHeight = height;
        piece.maskValue = maskValue;
        piece.group = int32_t(state.pieces.size());
        state.pieces.push_back(piece);
        state.descriptor.TotalTileNum = int(state.pieces.size());
        Own(x, y, width, height, maskValue);
        return piece.group;
    }

    void MakeNeighbours(int a, int b)
    {
        auto add = [](PieceRecord& piece, int other) {
            for (int16_t& slot : piece.neighbours)
                if (slot < 0) {
                    slot = int16_t(other);
                    return;
                }
        };
        add(state.pieces[size_t(a)], b);
        add(state.pieces[size_t(b)], a);
    }

    void TurnOn()
    {
        state.descriptor.Rotate = 1;
        MakeTurnedBuffers(state);
    }

    void Apply(int embossStyle, int woodStyle)
    {
        state.look.embossStyle = embossStyle;
        state.look.woodStyle = woodStyle;
        ApplyEffects(state);
    }

    int Relief(int x, int y) const { return PixAddress(state.buffers[kMaskBuffer], x, y)[2] - 128; }

    // The piece's depth in the cell of the rotation's edge buffer; -1 without its edge bit.
    int Depth(int rotation, int piece, int x, int y) const
    {
        return EdgeCellValue(state.edgeBuffers[size_t(rotation)], piece, x, y) - 1;
    }

    // Pixels of piece under, in the rotation, over which piece over would draw its band.
    int BandsOver(int rotation, int under, int over) const
    {
        const PieceBox box = RotatedSourceBox(state, under, rotation);
        int count = 0;
        for (int y = box.y; y < box.y + box.height; ++y)
            for (int x = box.x; x < box.x + box.width; ++x)
                count += MaskValueAt(state, rotation, x, y) == state.pieces[size_t(under)].maskValue &&
                         Depth(rotation, over, x, y) > 0;
        return count;
    }

    std::vector<uint8_t> MaskBytes(int rotation) const
    {
        const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
        return {mask.bits, mask.bits + mask.size};
    }

    // Where the piece's relief lies in the rotation and what it makes of the picture there, as its
    // runs keep them: each relief span's place and length, then the lit bytes. The piece is laid
    // in the rotation first, since the effects make only the runs of the rotation a piece lies in.
    std::vector<int> KeptRelief(int rotation, int piece)
    {
        state.pieces[size_t(piece)].rotation = uint8_t(rotation);
        DeriveGeometry(state, piece);
        MakeMissingRuns(state);
        const PieceRuns& runs = state.pieceRuns[size_t(rotation)][size_t(piece)];
        std::vector<int> kept;
        for (const CellSpan& span : runs.relief.spans)
            kept.insert(kept.end(), {span.x, span.y, span.count});
        kept.insert(kept.end(), runs.lit.begin(), runs.lit.end());
        return kept;
    }

    GameState state;
};

// Along the middle of each side from the outermost pixel inward, and at two corners, of a
// 100 x 100 piece: the upper left lighter, the lower right darker, deeper with thicker card.
TEST_F(PieceEffectsTest, ReliefOfASquarePiece)
{
    struct Case {
        int style;
        std::vector<int> left, top, right, bottom;
        int topLeft, bottomRight;
    } cases[] = {
        {kEmbossPaper, {37, 0}, {49, 0}, {-37, 0}, {-49, 0}, 63, -63},
        {kEmbossCardboard, {43, 12, 0}, {59, 14, 0}, {-43, -12, 0}, {-59, -14, 0}, 71, -71},
        {kEmbossFatCard, {42, 24, 8, 0}, {67, 35, 8, 0}, {-42, -24, -8, 0}, {-67, -35, -8, 0}, 79, -79},
    };
    for (const Case& c : cases) {
        MakePicture(120, 120);
        Own(0, 0, 120, 120, 1);  // pixels of its value all round: the counts stop at the box
        AddPiece(10, 10, 100, 100, 1);
        Apply(c.style, kWoodNone);
        for (int k = 0; k < int(c.left.size()); ++k) {
            EXPECT_EQ(Relief(10 + k, 60), c.left[size_t(k)]) << c.style << " left " << k;
            EXPECT_EQ(Relief(60, 10 + k), c.top[size_t(k)]) << c.style << " top " << k;
            EXPECT_EQ(Relief(109 - k, 60), c.right[size_t(k)]) << c.style << " right " << k;
            EXPECT_EQ(Relief(60, 109 - k), c.bottom[size_t(k)]) << c.style << " bottom " << k;
        }
        EXPECT_EQ(Relief(10, 10), c.topLeft) << c.style;
        EXPECT_EQ(Relief(109, 109), c.bottomRight) << c.style;
    }
}

// Left against right and the four diagonals cancel along a one-pixel spur standing on a block.
TEST_F(PieceEffectsTest, AOnePixelSpurIsFlatAlongItsMiddle)
{
    for (int style : {kEmbossPaper, kEmbossCardboard, kEmbossFatCard}) {
        MakePicture(60, 60);
        AddPiece(10, 10, 21, 40, 1);
        Own(10, 10, 21, 20, 0);
        Own(20, 10, 1, 20, 1);
        Apply(style, kWoodNone);
        EXPECT_EQ(Relief(20, 20), 0) << style;
        EXPECT_NE(Relief(10, 30), 0) << style << ": the block has its rim";
    }
}

// Pixels of the piece's value outside its box are not the piece's.
TEST_F(PieceEffectsTest, WoodWithoutEmbossingStampsABandAndLeavesTheMaskFlat)
{
    Own(0, 0, 60, 40, 1);
    AddPiece(5, 5, 10, 10, 1);
    Apply(kEmbossNone, kWoodEdge);

    const TPixelBuffer& mask = state.buffers[kMaskBuffer];
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            ASSERT_EQ(Relief(x, y), 0) << x << "," << y;
    EXPECT_EQ(state.look.edgeWidth, 3);
    ASSERT_EQ(state.edgeBuffers[0].width, mask.width);
    ASSERT_EQ(state.edgeBuffers[0].height, mask.height);
    EXPECT_EQ(state.edgeBuffers[1].width, 0) << "rotation is off";
    for (int k = 0; k <= 4; ++k) {
        const int expected = k <= 3 ? k : -1;
        EXPECT_EQ(Depth(0, 0, 14 + k, 14 + k), expected) << "beyond the lower-right corner, " << k;
        EXPECT_EQ(Depth(0, 0, 14 + k, 10), expected) << "beyond the right side, " << k;
        EXPECT_EQ(Depth(0, 0, 10, 14 + k), expected) << "beyond the bottom side, " << k;
    }
    EXPECT_EQ(Depth(0, 0, 4, 4), -1) << "nothing above or to the left";
}

// Slots follow the cells in blocks of 3 x 3, wrapping at the end of each row of four; the frame
// has slot 9.
TEST_F(PieceEffectsTest, EdgeSlotsFollowTheCellsAndTheFrameTakesSlotNine)
{
    const int expected[] = {0, 1, 2, 0, 3, 4, 5, 3, 6, 7, 8, 6, 0, 9};
    state.descriptor.TilePX = 4;
    state.descriptor.BorderStyle = 1;
    for (int i = 0; i < 13; ++i)
        AddPiece(i, 0, 1, 1, uint8_t(10 + i));
    AddPiece(0, 2, 60, 38, 5);
    Apply(kEmbossNone, kWoodEdge);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(state.pieces[size_t(i)].edgeSlot, expected[i]) << i;
        EXPECT_EQ(state.pieces[size_t(i)].edgeBit, 1 << expected[i]) << i;
    }
    EXPECT_EQ(state.pieces[13].edgeBit, 512);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(Depth(0, i, 30, 20) >= 0, i == 13) << "only the frame covers a cell far inside it: " << i;
}

TEST_F(PieceEffectsTest, ChangingOnlyTheWoodKeepsTheReliefAndRestampsEveryRotation)
{
    AddPiece(6, 4, 20, 12, 1);
    // A grey picture, so that the lit bytes show lowered pixels as well as raised ones.
    PixFillRect(state.buffers[kPictureBuffer], 0, 0, 60, 40, MakeColour(100, 100, 100));
    TurnOn();
    Apply(kEmbossCardboard, kWoodEdge);
    const std::vector<uint8_t> upright = MaskBytes(0);
    std::vector<std::vector<int>> relief;
    for (int r = 0; r < 4; ++r) {
        relief.push_back(KeptRelief(r, 0));
        ASSERT_GT(relief.back().size(), 0u) << r;
    }

    Apply(kEmbossCardboard, kWoodShadow);
    EXPECT_EQ(state.look.edgeWidth, 5);
    EXPECT_EQ(MaskBytes(0), upright);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(KeptRelief(r, 0), relief[size_t(r)]) << r;
        ASSERT_EQ(state.edgeBuffers[size_t(r)].width, TurnedMaskSize(state, r).width) << r;
        const PieceBox box = RotatedSourceBox(state, 0, r);
        const int x = box.x + box.width - 1;
        const int y = box.y + box.height - 1;
        EXPECT_EQ(Depth(r, 0, x + 5, y + 5), 5) << r;
        EXPECT_EQ(Depth(r, 0, x + 6, y + 6), -1) << r;
    }

    Apply(kEmbossCardboard, kWoodNone);
    EXPECT_EQ(MaskBytes(0), upright);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(state.edgeBuffers[size_t(r)].width, 0) << r;
        EXPECT_EQ(KeptRelief(r, 0), relief[size_t(r)]) << r;
    }
}

// With effects the pieces are drawn from their runs and the turned masks are freed; without, the
// pieces are drawn from the turned masks again, which hold the upright mask's values turned.
TEST_F(PieceEffectsTest, TurnedMasksAreFreedWithEffectsAndMadeAgainWithout)
{
    AddPiece(6, 4, 20, 12, 1);
    AddPiece(30, 10, 12, 25, 2);
    TurnOn();
    Apply(kEmbossPaper, kWoodShadow);
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(state.buffers[size_t(kMaskBuffer + r)].width, 0) << r;

    Apply(kEmbossNone, kWoodNone);
    for (int r = 1; r < 4; ++r) {
        const TPixelBuffer& turned = state.buffers[size_t(kMaskBuffer + r)];
        ASSERT_EQ(turned.width, TurnedMaskSize(state, r).width) << r;
        ASSERT_EQ(turned.height, TurnedMaskSize(state, r).height) << r;
        for (int y = 0; y < turned.height; ++y)
            for (int x = 0; x < turned.width; ++x) {
                ASSERT_EQ(PixAddress(turned, x, y)[0], MaskValueAt(state, r, x, y)) << r << " at " << x << ", " << y;
                ASSERT_EQ(PixAddress(turned, x, y)[2], 128) << "the relief is flat: " << r << " at " << x << ", " << y;
            }
    }
}

// The effects make each turned mask themselves: any held from a game before, of another size,
// must not be taken for this one's.
TEST_F(PieceEffectsTest, ANewCutWithEffectsDropsTheTurnedMasksOfTheGameBefore)
{
    AddPiece(6, 4, 20, 12, 1);
    for (int r = 1; r < 4; ++r)
        PixCreate24(state.buffers[size_t(kMaskBuffer + r)], 7, 9);
    state.look.embossStyle = kEmbossPaper;
    TurnOn();
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(state.buffers[size_t(kMaskBuffer + r)].width, 0) << r;
    Apply(kEmbossPaper, kWoodShadow);
    for (int r = 1; r < 4; ++r) {
        const PieceBox box = RotatedSourceBox(state, 0, r);
        EXPECT_FALSE(KeptRelief(r, 0).empty()) << r;
        EXPECT_EQ(Depth(r, 0, box.x + box.width + 2, box.y + box.height + 2), 3) << r;
    }
}

// Piece 0 with a knob reaching into piece 1 on its right, piece 2 below piece 0: each one's band
// falls on the others' pixels until they are joined.
class JoinedBandsTest : public PieceEffectsTest {
protected:
    JoinedBandsTest()
    {
        AddPiece(10, 10, 24, 20, 1);
        AddPiece(30, 10, 20, 20, 2);
        AddPiece(10, 30, 20, 8, 3);
        Own(30, 18, 4, 4, 1);
        MakeNeighbours(0, 1);
        MakeNeighbours(0, 2);
        TurnOn();
    }
};

TEST_F(JoinedBandsTest, PiecesOfOneGroupShowNoBandOverEachOther)
{
    Apply(kEmbossNone, kWoodShadow);
    ASSERT_GT(BandsOver(0, 1, 0), 0) << "apart, the left piece's band lies over the right one";
    ASSERT_GT(BandsOver(0, 0, 1), 0) << "apart, the right piece's band lies over the knob";

    state.pieces[1].group = 0;
    Apply(kEmbossNone, kWoodShadow);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(BandsOver(r, 1, 0), 0) << r;
        EXPECT_EQ(BandsOver(r, 0, 1), 0) << r;
        EXPECT_GT(BandsOver(r, 2, 0) + BandsOver(r, 0, 2), 0) << r << ": piece 2 is not joined";
    }
}

TEST_F(JoinedBandsTest, AJoinInPlayHidesTheBandsBetweenTheTwoGroups)
{
    Apply(kEmbossNone, kWoodShadow);
    HideBandsAtJoin(state, 1, state.pieces[0].group);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(BandsOver(r, 1, 0), 0) << r;
        EXPECT_EQ(BandsOver(r, 0, 1), 0) << r;
        EXPECT_GT(BandsOver(r, 2, 0) + BandsOver(r, 0, 2), 0) << r << ": piece 2 is not joined";
    }
}

// A damaged saved game: boxes past the buffer, a negative size, an unknown neighbour, no cell
// columns. Everything is clipped to the buffers; the band stops at the buffer's edge.
TEST_F(PieceEffectsTest, BoxesOutsideTheBuffersAreClipped)
{
    MakePicture(20, 20);
    state.descriptor.TilePX = 0;
    AddPiece(15, 15, 30, 30, 1);
    AddPiece(-10, -10, 15, 15, 2);
    AddPiece(3, 3, -5, 7, 3);
    MakeNeighbours(0, 1);
    state.pieces[0].neighbours[5] = 999;
    for (PieceRecord& piece : state.pieces)
        piece.group = 0;
    TurnOn();
    Apply(kEmbossFatCard, kWoodShadow);
    HideBandsAtJoin(state, 0, 0);
    HideBandsAtJoin(state, 99, 0);

    EXPECT_EQ(Depth(0, 0, 24, 24), 0);
    EXPECT_EQ(Depth(0, 1, 5, 5), 1);
    EXPECT_GT(Relief(15, 15), 0);
}

}  // namespace
}  // namespace kirvo
