// Drawing pieces with their relief, wooden edge or shadow.
#include <gtest/gtest.h>

#include "cutting/EdgeBands.h"
#include "field_fixture.h"

namespace kirvo {
namespace {

class PieceLookDrawTest : public FieldTest {
protected:
    // A 10 x 10 piece from (4, 4) of the picture, on the side at (30, 40), with a band of the
    // given depths stamped by hand diagonally beyond its lower-right corner.
    int Piece(int edgeWidth)
    {
        Own(4, 4, 10, 10, 9);
        const int piece = AddPiece(4, 4, 10, 10, 9, MW_SIDE0, 30, 40);
        state.pieces[size_t(piece)].edgeSlot = 2;
        state.pieces[size_t(piece)].edgeBit = 4;
        state.look.edgeWidth = edgeWidth;
        MakeEdgeCells(state, 0);
        for (int k = 1; k <= edgeWidth; ++k)
            Stamp(piece, 13 + k, 13 + k, k);
        return piece;
    }

    void Stamp(int piece, int x, int y, int depth)
    {
        SetEdgeCell(state.edgeBuffers[0], piece, x, y, 1 + depth);
    }

    // The bands as the cells now hold them, found as the effects find them, then the field.
    void Draw()
    {
        for (int i = 0; i < PieceCount(state); ++i)
            FindBand(state, 0, i);
        ComposeAll();
    }

    // Where picture pixel (x, y) of the piece lands on the field.
    int FieldX(int x) { return windows.windows[MW_SIDE0].client.left + 30 + x - 4; }
    int FieldY(int y) { return windows.windows[MW_SIDE0].client.top + 40 + y - 4; }
};

// The red byte of the mask lifts or lowers every channel by its distance from 128, clamped, and a
// selected piece inverts the result.
TEST_F(PieceLookDrawTest, ReliefRaisesAndLowersThePicture)
{
    Piece(0);
    state.look.embossStyle = kEmbossPaper;
    PixSetPixel(state.buffers[kMaskBuffer], 4, 4, MakeColour(128 + 40, 0, 9));
    PixSetPixel(state.buffers[kMaskBuffer], 13, 13, MakeColour(128 - 127, 0, 9));
    Draw();
    const uint32_t lit = PictureColour(4, 4);
    EXPECT_EQ(At(FieldX(4), FieldY(4)),
              MakeColour(std::min(255, int(lit & 0xFF) + 40), std::min(255, int(lit >> 8 & 0xFF) + 40),
                         std::min(255, int(lit >> 16) + 40)));
    EXPECT_EQ(At(FieldX(13), FieldY(13)), MakeColour(0, 0, 0)) << "clamped at 0";
    EXPECT_EQ(At(FieldX(8), FieldY(8)), PictureColour(8, 8)) << "flat pixels stay as they are";

    state.pieces[0].selected = true;
    Draw();
    EXPECT_EQ(At(FieldX(4), FieldY(4)), Inverted(MakeColour(std::min(255, int(lit & 0xFF) + 40),
                                                            std::min(255, int(lit >> 8 & 0xFF) + 40),
                                                            std::min(255, int(lit >> 16) + 40))));
}

// The wooden edge is the wood colour next to the piece, 10 darker a step further out.
TEST_F(PieceLookDrawTest, TheWoodenEdgeDarkensOutwards)
{
    Piece(3);
    state.look.woodStyle = kWoodEdge;
    state.look.woodColor = MakeColour(100, 80, 5);
    Draw();
    EXPECT_EQ(At(FieldX(14), FieldY(14)), MakeColour(100, 80, 5));
    EXPECT_EQ(At(FieldX(15), FieldY(15)), MakeColour(90, 70, 0));
    EXPECT_EQ(At(FieldX(16), FieldY(16)), MakeColour(80, 60, 0));
    EXPECT_EQ(At(FieldX(17), FieldY(17)), kDefaultBackground) << "beyond the band";
}

// The shadow halves the background next to the piece; four steps out about 83 % is left.
TEST_F(PieceLookDrawTest, TheShadowFadesOutwards)
{
    Piece(5);
    state.look.woodStyle = kWoodShadow;
    Draw();
    const int grey = kDefaultBackground & 0xFF;  // 0x98
    EXPECT_EQ(At(FieldX(14), FieldY(14)) & 0xFF, uint32_t(grey * 128 >> 8));
    EXPECT_EQ(At(FieldX(17), FieldY(17)) & 0xFF, uint32_t(grey * (256 - 44) >> 8));
    EXPECT_NEAR((At(FieldX(17), FieldY(17)) & 0xFF) / double(grey), 0.83, 0.01);
}

// Another piece's band over the piece's box, lying elsewhere on the field, is not this piece's:
// only the piece's own cells draw where it lies.
TEST_F(PieceLookDrawTest, OnlyThePiecesOwnBandIsDrawn)
{
    state.look.edgeWidth = 3;
    const int other = AddPiece(15, 12, 2, 2, 7, MW_SIDE0, 200, 200);
    state.pieces[size_t(other)].edgeSlot = 5;
    state.pieces[size_t(other)].edgeBit = 32;
    const int piece = Piece(3);
    Stamp(other, 16, 15, 1);
    state.look.woodStyle = kWoodEdge;
    state.look.woodColor = MakeColour(100, 80, 5);
    Draw();
    EXPECT_EQ(At(FieldX(16), FieldY(15)), kDefaultBackground);
    EXPECT_EQ(At(FieldX(16), FieldY(16)), MakeColour(80, 60, 0)) << "the piece's own band still draws";
    EXPECT_EQ(EdgeCellValue(state.edgeBuffers[0], piece, 16, 15), 0);
}

}  // namespace
}  // namespace kirvo
