// What the artistic and the grid cut share: the line canvas, piece colours, the frame piece and
// the fill failures. Internal to the cutting engine.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "cutting/BezierPath.h"
#include "cutting/Cut.h"
#include "game/Descriptor.h"
#include "game/PieceRecord.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr uint32_t kUnowned = 0xFFFFFF;  // white: no piece owns the pixel yet
inline constexpr uint8_t kFrameMaskValue = 5;
inline constexpr uint8_t kFrameClassBit = 128;

inline uint32_t PieceColour(uint8_t maskValue) { return MakeColour(128, 0, maskValue); }
inline const uint32_t kFrameColour = PieceColour(kFrameMaskValue);

// A pixel as a 0x00BBGGRR colour. Callers must clip.
inline uint32_t ColourAt(const uint8_t* pixel)
{
    return uint32_t(pixel[2]) | uint32_t(pixel[1]) << 8 | uint32_t(pixel[0]) << 16;
}
// Whether a pixel is white, looking at its blue byte first: few owners have 255 there.
inline bool IsUnownedPixel(const uint8_t* pixel) { return pixel[0] == 0xFF && pixel[1] == 0xFF && pixel[2] == 0xFF; }
// Whether two pixels have one colour. Callers must clip.
inline bool SameColour(const uint8_t* a, const uint8_t* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }
inline void PutColour(uint8_t* pixel, uint32_t colour)
{
    pixel[0] = uint8_t(colour >> 16);
    pixel[1] = uint8_t(colour >> 8);
    pixel[2] = uint8_t(colour);
}
inline bool IsUnowned(const TPixelBuffer& canvas, PixelPoint p) { return PixGetPixel(canvas, p.x, p.y) == kUnowned; }

// Makes the piece count TileNum and gives the table room for the frame piece.
void PreparePieceTable(Descriptor& descriptor, std::vector<PieceRecord>& pieces);

// The cells of LayOutCells, without picture-shape candidates: for cuts that draw no picture
// shapes, where a candidate would be skipped when outlines are drawn and cells filled.
void LayOutPlainCells(Descriptor& descriptor, std::vector<PieceRecord>& pieces);

// (ImageW + 5) x (ImageH + 5): the picture white, the 5-pixel strips right and below black.
void ResetLineCanvas(TPixelBuffer& canvas, const Descriptor& descriptor);

// The cut area, edges inclusive.
TBox CutArea(const Descriptor& descriptor);

// Both do nothing unless BorderStyle is 1. The band outside the cut area's outline takes the
// frame colour; the frame piece goes to index TotalTileNum, which grows by one.
void FillFrame(TPixelBuffer& canvas, const Descriptor& descriptor);
void AddFramePiece(Descriptor& descriptor, std::vector<PieceRecord>& pieces);

void SetSourceBox(PieceRecord& piece, const TBox& box);
TBox SourceBox(const PieceRecord& piece);

}  // namespace kirvo
