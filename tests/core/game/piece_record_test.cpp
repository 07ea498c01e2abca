#include "game/PieceRecord.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/RecordLayout.h"

namespace kirvo {
namespace {

using testing::ExpectLayout;
using testing::RecordField;

// Every field distinct, with distinct bytes, so a field written at the wrong offset or width
// cannot read back as itself.
PieceRecord Distinct()
{
    PieceRecord p;
    p.x = -1000;
    p.y = 0x11213141;
    p.group = 0x12223242;
    p.window = 5;
    p.rotation = 3;
    p.selected = true;
    p.cellX = 0x13233343;
    p.cellY = 0x14243444;
    p.cellWidth = 0x15253545;
    p.cellHeight = 0x16263646;
    p.sourceX = 0x17273747;
    p.sourceY = 0x18283848;
    p.sourceWidth = 0x19293949;
    p.sourceHeight = 0x1A2A3A4A;
    p.rotatedSourceX = 0x1B2B3B4B;
    p.rotatedSourceY = 0x1C2C3C4C;
    p.width = 0x1D2D3D4D;
    p.height = 0x1E2E3E4E;
    p.edgeSlot = 0x1F2F3F4F;
    p.edgeBit = -0x5161;
    p.reserved = {0x52627282, 0x53637383};
    p.nodeX = 0x54647484;
    p.nodeY = 0x55657585;
    p.pictureShape = true;
    p.neighbours = {0x0102, 0x0304, -1, 0x0506, 0x0708, 0x090A, 0x0B0C, 0x0D0E, -2};
    p.maskValue = 0xC1;
    p.classBit = 0xC2;
    return p;
}

TEST(PieceRecord, EveryFieldLandsAtItsOffsetAndWidth)
{
    const PieceRecord p = Distinct();
    ByteWriter out;
    EncodePiece(p, out);
    const std::vector<uint8_t>& bytes = out.Bytes();
    ExpectLayout(bytes, {
        {"x", 0, 4, p.x},
        {"y", 4, 4, p.y},
        {"group", 8, 4, p.group},
        {"window", 12, 1, p.window},
        {"rotation", 13, 1, p.rotation},
        {"selected", 14, 1, 1},
        {"padding", 15, 1, 0},
        {"cellX", 16, 4, p.cellX},
        {"cellY", 20, 4, p.cellY},
        {"cellWidth", 24, 4, p.cellWidth},
        {"cellHeight", 28, 4, p.cellHeight},
        {"sourceX", 32, 4, p.sourceX},
        {"sourceY", 36, 4, p.sourceY},
        {"sourceWidth", 40, 4, p.sourceWidth},
        {"sourceHeight", 44, 4, p.sourceHeight},
        {"rotatedSourceX", 48, 4, p.rotatedSourceX},
        {"rotatedSourceY", 52, 4, p.rotatedSourceY},
        {"width", 56, 4, p.width},
        {"height", 60, 4, p.height},
        {"edgeSlot", 64, 4, p.edgeSlot},
        {"edgeBit", 68, 2, p.edgeBit},
        {"padding", 70, 2, 0},
        {"reserved[0]", 72, 4, p.reserved[0]},
        {"reserved[1]", 76, 4, p.reserved[1]},
        {"nodeX", 80, 4, p.nodeX},
        {"nodeY", 84, 4, p.nodeY},
        {"pictureShape", 88, 1, 1},
        {"padding", 89, 1, 0},
        {"neighbours[0]", 90, 2, p.neighbours[0]},
        {"neighbours[1]", 92, 2, p.neighbours[1]},
        {"neighbours[2]", 94, 2, p.neighbours[2]},
        {"neighbours[3]", 96, 2, p.neighbours[3]},
        {"neighbours[4]", 98, 2, p.neighbours[4]},
        {"neighbours[5]", 100, 2, p.neighbours[5]},
        {"neighbours[6]", 102, 2, p.neighbours[6]},
        {"neighbours[7]", 104, 2, p.neighbours[7]},
        {"neighbours[8]", 106, 2, p.neighbours[8]},
        {"maskValue", 108, 1, p.maskValue},
        {"classBit", 109, 1, p.classBit},
        {"padding", 110, 2, 0},
    }, kPieceRecordSize);
}

TEST(PieceRecord, RoundTripsAndIgnoresPadding)
{
    const PieceRecord p = Distinct();
    ByteWriter out;
    EncodePiece(p, out);
    std::vector<uint8_t> bytes = out.Take();
    for (size_t padding : {15, 70, 71, 89, 110, 111})
        bytes[padding] = 0xEE;

    Result<PieceRecord> decoded = DecodePiece(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_EQ(decoded.value(), p);
}

TEST(PieceRecord, AnyNonZeroFlagByteReadsAsSet)
{
    ByteWriter out;
    EncodePiece(PieceRecord {}, out);
    std::vector<uint8_t> bytes = out.Take();
    bytes[14] = 0x80;
    bytes[88] = 2;

    Result<PieceRecord> decoded = DecodePiece(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_TRUE(decoded.value().selected);
    EXPECT_TRUE(decoded.value().pictureShape);
}

TEST(PieceRecord, RejectsShortInputAndOutOfRangeIndices)
{
    ByteWriter out;
    EncodePiece(Distinct(), out);
    const std::vector<uint8_t> good = out.Take();

    const std::vector<uint8_t> shortInput(good.begin(), good.end() - 1);
    Result<PieceRecord> decoded = DecodePiece(shortInput);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error(), "Invalid piece record: 111 bytes, 112 needed");

    const struct {
        size_t offset;
        uint8_t value;
        const char* error;
    } cases[] = {
        {13, 4, "Invalid piece record: rotation 4"},
        {13, 255, "Invalid piece record: rotation 255"},
        {12, 6, "Invalid piece record: window 6"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = good;
        bytes[c.offset] = c.value;
        decoded = DecodePiece(bytes);
        ASSERT_FALSE(decoded.ok()) << c.error;
        EXPECT_EQ(decoded.error(), c.error);
    }
}

}  // namespace
}  // namespace kirvo
