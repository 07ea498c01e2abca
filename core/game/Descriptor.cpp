#include "game/Descriptor.h"

#include <string>

namespace kirvo {

bool IsBorderPuzzle(const Descriptor& descriptor) { return descriptor.BorderStyle == 1; }

void EncodeDescriptor(const Descriptor& d, ByteWriter& out)
{
    out.I32(d.GameSeed);
    out.I32(d.MaskS);
    out.I32(d.TileS);
    out.I32(d.knobMargin);
    out.I32(d.snapDistance);
    out.I32(d.TilePX);
    out.I32(d.TilePY);
    out.I32(d.TileNum);
    out.I32(d.PicPX);
    out.I32(d.PicPY);
    out.I32(d.pictureCount);
    out.I32(d.TotalTileNum);
    out.I32(d.ImageW);
    out.I32(d.ImageH);
    out.I32(d.fitWidth);
    out.I32(d.fitHeight);
    out.I32(d.JigsL);
    out.I32(d.JigsT);
    out.I32(d.JigsR);
    out.I32(d.JigsB);
    out.I32(d.Level);
    out.U8(d.Rotate);
    out.U8(d.BorderStyle);
    out.U8(d.ShapeStyle);
    out.U8(d.SpreadOut);
    out.U8(d.FitToScreen);
    out.Zeros(3);
    out.I32(d.SideNum);
    out.I32(d.sidePlayed);
    out.I32(d.headerTag);
    out.I32(d.reserved);
    for (int32_t position : d.entryPositions)
        out.I32(position);
}

Result<Descriptor> DecodeDescriptor(std::span<const uint8_t> bytes)
{
    ByteReader in(bytes);
    Descriptor d;
    d.GameSeed = in.I32();
    d.MaskS = in.I32();
    d.TileS = in.I32();
    d.knobMargin = in.I32();
    d.snapDistance = in.I32();
    d.TilePX = in.I32();
    d.TilePY = in.I32();
    d.TileNum = in.I32();
    d.PicPX = in.I32();
    d.PicPY = in.I32();
    d.pictureCount = in.I32();
    d.TotalTileNum = in.I32();
    d.ImageW = in.I32();
    d.ImageH = in.I32();
    d.fitWidth = in.I32();
    d.fitHeight = in.I32();
    d.JigsL = in.I32();
    d.JigsT = in.I32();
    d.JigsR = in.I32();
    d.JigsB = in.I32();
    d.Level = in.I32();
    d.Rotate = in.U8();
    d.BorderStyle = in.U8();
    d.ShapeStyle = in.U8();
    d.SpreadOut = in.U8();
    d.FitToScreen = in.U8();
    in.Skip(3);
    d.SideNum = in.I32();
    d.sidePlayed = in.I32();
    d.headerTag = in.I32();
    d.reserved = in.I32();
    for (int32_t& position : d.entryPositions)
        position = in.I32();

    if (in.Failed())
        return Fail("Invalid jigsaw descriptor: " + std::to_string(bytes.size()) + " bytes, "
                    + std::to_string(kDescriptorSize) + " needed");
    if (d.TotalTileNum < 1 || d.TotalTileNum > kMaxTotalTileNum)
        return Fail("Invalid jigsaw descriptor: piece count " + std::to_string(d.TotalTileNum));
    return d;
}

}  // namespace kirvo
