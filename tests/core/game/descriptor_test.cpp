#include "game/Descriptor.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/RecordLayout.h"

namespace kirvo {
namespace {

using testing::ExpectLayout;
using testing::RecordField;

// Every field distinct, with four distinct bytes, so a field written at the wrong offset or
// width cannot read back as itself.
Descriptor Distinct()
{
    Descriptor d;
    d.GameSeed = -123456789;
    d.MaskS = 0x11213141;
    d.TileS = 0x12223242;
    d.knobMargin = 0x13233343;
    d.snapDistance = 0x14243444;
    d.TilePX = 0x15253545;
    d.TilePY = 0x16263646;
    d.TileNum = 0x17273747;
    d.PicPX = 0x18283848;
    d.PicPY = 0x19293949;
    d.pictureCount = 0x1A2A3A4A;
    d.TotalTileNum = 3001;
    d.ImageW = 0x1B2B3B4B;
    d.ImageH = 0x1C2C3C4C;
    d.fitWidth = 0x1D2D3D4D;
    d.fitHeight = 0x1E2E3E4E;
    d.JigsL = 0x1F2F3F4F;
    d.JigsT = 0x51617181;
    d.JigsR = 0x52627282;
    d.JigsB = 0x53637383;
    d.Level = 0x54647484;
    d.Rotate = 0xA1;
    d.BorderStyle = 0xA2;
    d.ShapeStyle = 0xA3;
    d.SpreadOut = 0xA4;
    d.FitToScreen = 0xA5;
    d.SideNum = 0x55657585;
    d.sidePlayed = 0x56667686;
    d.headerTag = 0x57677787;
    d.reserved = -2;
    d.entryPositions = {0x58687888, 0x59697989, 0x5A6A7A8A};
    return d;
}

TEST(Descriptor, EveryFieldLandsAtItsOffsetAndWidth)
{
    const Descriptor d = Distinct();
    ByteWriter out;
    EncodeDescriptor(d, out);
    const std::vector<uint8_t>& bytes = out.Bytes();
    ExpectLayout(bytes, {
        {"GameSeed", 0, 4, d.GameSeed},
        {"MaskS", 4, 4, d.MaskS},
        {"TileS", 8, 4, d.TileS},
        {"knobMargin", 12, 4, d.knobMargin},
        {"snapDistance", 16, 4, d.snapDistance},
        {"TilePX", 20, 4, d.TilePX},
        {"TilePY", 24, 4, d.TilePY},
        {"TileNum", 28, 4, d.TileNum},
        {"PicPX", 32, 4, d.PicPX},
        {"PicPY", 36, 4, d.PicPY},
        {"pictureCount", 40, 4, d.pictureCount},
        {"TotalTileNum", 44, 4, d.TotalTileNum},
        {"ImageW", 48, 4, d.ImageW},
        {"ImageH", 52, 4, d.ImageH},
        {"fitWidth", 56, 4, d.fitWidth},
        {"fitHeight", 60, 4, d.fitHeight},
        {"JigsL", 64, 4, d.JigsL},
        {"JigsT", 68, 4, d.JigsT},
        {"JigsR", 72, 4, d.JigsR},
        {"JigsB", 76, 4, d.JigsB},
        {"Level", 80, 4, d.Level},
        {"Rotate", 84, 1, d.Rotate},
        {"BorderStyle", 85, 1, d.BorderStyle},
        {"ShapeStyle", 86, 1, d.ShapeStyle},
        {"SpreadOut", 87, 1, d.SpreadOut},
        {"FitToScreen", 88, 1, d.FitToScreen},
        {"padding", 89, 1, 0},
        {"padding", 90, 1, 0},
        {"padding", 91, 1, 0},
        {"SideNum", 92, 4, d.SideNum},
        {"sidePlayed", 96, 4, d.sidePlayed},
        {"headerTag", 100, 4, d.headerTag},
        {"reserved", 104, 4, d.reserved},
        {"entryPositions[0]", 108, 4, d.entryPositions[0]},
        {"entryPositions[1]", 112, 4, d.entryPositions[1]},
        {"entryPositions[2]", 116, 4, d.entryPositions[2]},
    }, kDescriptorSize);
}

TEST(Descriptor, RoundTripsAndIgnoresPadding)
{
    const Descriptor d = Distinct();
    ByteWriter out;
    EncodeDescriptor(d, out);
    std::vector<uint8_t> bytes = out.Take();
    bytes[89] = bytes[90] = bytes[91] = 0xEE;
    bytes.push_back(0x77);  // whatever follows the record in a file is not read

    Result<Descriptor> decoded = DecodeDescriptor(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_EQ(decoded.value(), d);
}

TEST(Descriptor, ShortInputIsAnError)
{
    ByteWriter out;
    EncodeDescriptor(Distinct(), out);
    std::vector<uint8_t> bytes = out.Take();
    bytes.pop_back();

    Result<Descriptor> decoded = DecodeDescriptor(bytes);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error(), "Invalid jigsaw descriptor: 119 bytes, 120 needed");
    EXPECT_FALSE(DecodeDescriptor({}).ok());
}

TEST(Descriptor, PieceCountMustFitThePieceTable)
{
    const struct {
        int32_t totalTileNum;
        bool accepted;
    } cases[] = {{1, true}, {kMaxTotalTileNum, true}, {0, false}, {-1, false}, {kMaxTotalTileNum + 1, false}, {INT32_MAX, false}};
    for (const auto& c : cases) {
        Descriptor d = Distinct();
        d.TotalTileNum = c.totalTileNum;
        ByteWriter out;
        EncodeDescriptor(d, out);
        EXPECT_EQ(DecodeDescriptor(out.Bytes()).ok(), c.accepted) << c.totalTileNum;
    }
}

}  // namespace
}  // namespace kirvo
