// Mask values of the artistic cut. Its pieces are drawn and filled in working colours that name
// the piece itself (red kWorkRed, green and blue the index), so that pieces of one mask value can
// never run into each other while the cut runs; at the end every piece's box takes in all of its
// pixels and the working colours become mask colours. Internal to the cutting engine.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Descriptor.h"
#include "game/PieceRecord.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kWorkRed = 64;  // neither the mask's 128 nor white or black

inline uint32_t WorkColour(int piece) { return MakeColour(kWorkRed, piece >> 8, piece & 0xFF); }
// The piece a pixel was drawn for; -1 for white, black and the frame. Callers must clip.
inline int WorkPiece(const uint8_t* pixel) { return pixel[2] == kWorkRed ? pixel[1] << 8 | pixel[0] : -1; }

// Grows each of the first count source boxes to take in every pixel of its working colour. A
// picture piece's box, its drawing rectangle until now, becomes the box of its pixels.
void TakeInOwnPixels(const TPixelBuffer& canvas, const Descriptor& descriptor, std::vector<PieceRecord>& pieces,
                     int count);

// Cell mask values repeat every third cell, and relaxed cells can drift far enough that a pixel of
// one piece lies in the source box of another of the same value, which would then own it too. The
// later piece of such a pair takes the first value, of the cell table and then of 1 to 254, that
// none of the pieces sharing pixels with it has (with pixels in its box, or a box holding its
// pixels). Every other piece keeps its cell's value.
void SeparateMaskValues(const TPixelBuffer& canvas, const Descriptor& descriptor, std::vector<PieceRecord>& pieces,
                        int count);

// Working colours become mask colours: red 128, green 0, blue the piece's mask value.
void PaintMaskValues(TPixelBuffer& canvas, const Descriptor& descriptor, const std::vector<PieceRecord>& pieces);

}  // namespace kirvo
