// PieceBits: one piece's pixels in a mask buffer as rows of bits, so that the piece effects look
// at 64 pixels at once: whether a pixel's neighbours some steps away are the piece's is a shift
// of a neighbouring row.
#pragma once

#include <cstdint>
#include <vector>

#include "cutting/PieceArea.h"
#include "game/CellSpans.h"
#include "raster/PixelBuffer.h"
#include "raster/TurnedView.h"

namespace kirvo {

// Every row of the box, and of its growth downward, is a run of 64-bit words, bit i of word w
// standing for the pixel box.left + 64 w + i; a zero word before and after each row and kMargin
// zero rows above and below, so a neighbour up to kMargin steps away is always a bit, zero
// outside the box.
struct PieceBits {
    static constexpr int kMargin = 8;

    PieceArea box;
    int words = 0;   // of a row, beyond the two zero words
    int stride = 0;  // words + 2
    std::vector<uint64_t> rows;

    // The words of row y, from the zero word before them; y within kMargin rows of the box and
    // its growth.
    const uint64_t* Row(int y) const { return rows.data() + size_t(y - box.top + kMargin) * size_t(stride); }

    // The 64 bits of pixels x + shift for the pixels x of word w of the row; |shift| < 64.
    static uint64_t Word(const uint64_t* row, int w, int shift)
    {
        const uint64_t* word = row + w + 1;
        if (shift > 0)
            return word[0] >> shift | word[1] << (64 - shift);
        if (shift < 0)
            return word[0] << -shift | word[-1] >> (64 + shift);
        return word[0];
    }
};

// The piece's pixels, those of the box whose blue byte is the value; its words and rows reach
// grow pixels beyond the box to the right and downward, all zero there.
void LoadPieceBits(PieceBits& bits, const TPixelBuffer& mask, const PieceArea& box, uint8_t value, int grow);
// The same read pixel by pixel through a view of a mask's values, the pixels beyond the view
// having value 0 as in a turned mask's margin: for one piece whose turned mask is not held.
void LoadPieceBits(PieceBits& bits, const TurnedView& values, const PieceArea& box, uint8_t value, int grow);
// The runs of the piece's pixels, added row by row.
void AddRuns(const PieceBits& bits, CellSpans& runs);

}  // namespace kirvo
