#include "cutting/PieceBits.h"

#include <bit>

namespace kirvo {

void LoadPieceBits(PieceBits& bits, const TPixelBuffer& mask, const PieceArea& box, uint8_t value, int grow)
{
    const int width = MaxInt(box.right - box.left + 1, 0);
    const int height = MaxInt(box.bottom - box.top + 1, 0);
    bits.box = box;
    bits.words = (width + grow + 63) / 64;
    bits.stride = bits.words + 2;
    bits.rows.assign(size_t(height + grow + 2 * PieceBits::kMargin) * size_t(bits.stride), 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* pixel = PixAddress(mask, box.left, box.top + y);
        uint64_t* word = bits.rows.data() + size_t(y + PieceBits::kMargin) * size_t(bits.stride) + 1;
        for (int x = 0; x < width; x += 64, pixel += 3 * 64, ++word) {
            const int count = MinInt(64, width - x);
            uint64_t own = 0;
            for (int i = 0; i < count; ++i)
                own |= uint64_t(pixel[3 * i] == value) << i;
            *word = own;
        }
    }
}

void AddRuns(const PieceBits& bits, CellSpans& runs)
{
    for (int y = bits.box.top; y <= bits.box.bottom; ++y) {
        const uint64_t* row = bits.Row(y);
        for (int w = 0; w < bits.words; ++w) {
            uint64_t own = PieceBits::Word(row, w, 0);
            while (own != 0) {
                const int start = std::countr_zero(own);
                const int count = std::countr_one(own >> start);
                runs.AddRun(bits.box.left + 64 * w + start, y, count);
                own = count + start >= 64 ? 0 : own & ~(((uint64_t(1) << count) - 1) << start);
            }
        }
    }
}

}  // namespace kirvo
