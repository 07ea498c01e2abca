#include "game/PieceRecord.h"

#include <string>

namespace kirvo {

void EncodePiece(const PieceRecord& p, ByteWriter& out)
{
    out.I32(p.x);
    out.I32(p.y);
    out.I32(p.group);
    out.U8(p.window);
    out.U8(p.rotation);
    out.U8(p.selected);
    out.Zeros(1);
    out.I32(p.cellX);
    out.I32(p.cellY);
    out.I32(p.cellWidth);
    out.I32(p.cellHeight);
    out.I32(p.sourceX);
    out.I32(p.sourceY);
    out.I32(p.sourceWidth);
    out.I32(p.sourceHeight);
    out.I32(p.rotatedSourceX);
    out.I32(p.rotatedSourceY);
    out.I32(p.width);
    out.I32(p.height);
    out.I32(p.edgeSlot);
    out.I16(p.edgeBit);
    out.Zeros(2);
    for (int32_t value : p.reserved)
        out.I32(value);
    out.I32(p.nodeX);
    out.I32(p.nodeY);
    out.U8(p.pictureShape);
    out.Zeros(1);
    for (int16_t neighbour : p.neighbours)
        out.I16(neighbour);
    out.U8(p.maskValue);
    out.U8(p.classBit);
    out.Zeros(2);
}

Result<PieceRecord> DecodePiece(std::span<const uint8_t> bytes)
{
    ByteReader in(bytes);
    PieceRecord p;
    p.x = in.I32();
    p.y = in.I32();
    p.group = in.I32();
    p.window = in.U8();
    p.rotation = in.U8();
    p.selected = in.U8() != 0;
    in.Skip(1);
    p.cellX = in.I32();
    p.cellY = in.I32();
    p.cellWidth = in.I32();
    p.cellHeight = in.I32();
    p.sourceX = in.I32();
    p.sourceY = in.I32();
    p.sourceWidth = in.I32();
    p.sourceHeight = in.I32();
    p.rotatedSourceX = in.I32();
    p.rotatedSourceY = in.I32();
    p.width = in.I32();
    p.height = in.I32();
    p.edgeSlot = in.I32();
    p.edgeBit = in.I16();
    in.Skip(2);
    for (int32_t& value : p.reserved)
        value = in.I32();
    p.nodeX = in.I32();
    p.nodeY = in.I32();
    p.pictureShape = in.U8() != 0;
    in.Skip(1);
    for (int16_t& neighbour : p.neighbours)
        neighbour = in.I16();
    p.maskValue = in.U8();
    p.classBit = in.U8();
    in.Skip(2);

    if (in.Failed())
        return Fail("Invalid piece record: " + std::to_string(bytes.size()) + " bytes, "
                    + std::to_string(kPieceRecordSize) + " needed");
    if (p.rotation > 3)
        return Fail("Invalid piece record: rotation " + std::to_string(p.rotation));
    if (p.window >= kPieceWindowCount)
        return Fail("Invalid piece record: window " + std::to_string(p.window));
    return p;
}

}  // namespace kirvo
