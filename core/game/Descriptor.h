// Descriptor: the geometry and options of one puzzle, 120 bytes in a saved game.
//
// The browser fills a pending copy with the player's choices, the piece-size table writes the cut
// geometry into it, and opening a puzzle copies it over the live one. The byte layout is a file
// format: every field has a fixed offset, integers are little-endian, the three bytes after
// FitToScreen are padding (written as zero, ignored when read).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/ByteReader.h"
#include "base/Result.h"

namespace kirvo {

inline constexpr size_t kDescriptorSize = 120;
inline constexpr int kMaxTotalTileNum = 4001;  // 4000 cut pieces and the border piece

struct Descriptor {
    int32_t GameSeed = 0;      // seed of the cut and of the starting rotations
    int32_t MaskS = 0;         // pixels: a piece's mask square, the cell plus a knob margin on both sides
    int32_t TileS = 0;         // pixels: nominal cell size
    int32_t knobMargin = 0;    // pixels a source box reaches past its cell towards each neighbour
    int32_t snapDistance = 0;  // pixels, before scaling by the snapping strength
    int32_t TilePX = 0;        // cells per row
    int32_t TilePY = 0;        // cells per column
    int32_t TileNum = 0;       // TilePX * TilePY
    int32_t PicPX = 0;         // 0 in every game made here
    int32_t PicPY = 0;         // 0 in every game made here
    int32_t pictureCount = 0;  // 0 in every game made here
    int32_t TotalTileNum = 0;  // piece records: TileNum, + 1 with a border piece
    int32_t ImageW = 0;        // pixels: the picture as played, after fitting
    int32_t ImageH = 0;
    int32_t fitWidth = 0;      // pixels the picture is scaled to with FitToScreen
    int32_t fitHeight = 0;
    int32_t JigsL = 0;         // cut area inside the picture, edges inclusive
    int32_t JigsT = 0;
    int32_t JigsR = 0;
    int32_t JigsB = 0;
    int32_t Level = 0;         // piece-size level, 0 to 13
    uint8_t Rotate = 0;        // 1 = pieces start turned and can be turned
    uint8_t BorderStyle = 0;   // 1 = a frame piece is added
    uint8_t ShapeStyle = 0;    // 0 to 3 artistic cut, 4 to 6 grid cut
    uint8_t SpreadOut = 0;     // 1 = pieces start on a grid, 0 = scattered
    uint8_t FitToScreen = 0;   // 1 = the picture was scaled to fitWidth x fitHeight
    int32_t SideNum = 0;       // picture sides in the jigsaw file; always 1
    int32_t sidePlayed = 0;    // always 0
    int32_t headerTag = 0;     // taken over from the jigsaw file header, kept as it stands
    int32_t reserved = 0;
    std::array<int32_t, 3> entryPositions {};  // file offsets; [SideNum] is where the picture entries start

    friend bool operator==(const Descriptor&, const Descriptor&) = default;
};

bool IsBorderPuzzle(const Descriptor& descriptor);

void EncodeDescriptor(const Descriptor& descriptor, ByteWriter& out);
// Reads the first kDescriptorSize bytes. Fails when fewer are given or when TotalTileNum lies
// outside 1 to kMaxTotalTileNum, since it sizes the piece table and bounds every piece index.
Result<Descriptor> DecodeDescriptor(std::span<const uint8_t> bytes);

}  // namespace kirvo
