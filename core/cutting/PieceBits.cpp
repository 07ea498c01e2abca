#include "cutting/PieceBits.h"

#include <array>
#include <bit>
#include <cstring>

namespace kirvo {

namespace {

constexpr uint64_t kOnes = 0x0101010101010101u;
constexpr uint64_t kHigh = 0x8080808080808080u;

// The high bit of each byte of the word that is 0, and no other bit.
uint64_t ZeroBytes(uint64_t word) { return ~(((word & ~kHigh) + ~kHigh) | word) & kHigh; }

// Eight pixels (24 bytes) read as three words put their blue bytes at bytes 0, 3, 6 of the first
// word, 1, 4, 7 of the second and 2, 5 of the third: each byte of the three once. Gathered into a
// byte, bit b stands for the pixel whose blue byte sat at byte b; this puts them in pixel order.
constexpr std::array<uint8_t, 256> kPixelOrder = [] {
    constexpr std::array<int, 8> pixelAt {0, 3, 6, 1, 4, 7, 2, 5};  // by byte
    std::array<uint8_t, 256> order {};
    for (int gathered = 0; gathered < 256; ++gathered)
        for (int b = 0; b < 8; ++b)
            if (gathered >> b & 1)
                order[size_t(gathered)] = uint8_t(order[size_t(gathered)] | 1 << pixelAt[size_t(b)]);
    return order;
}();

// Bit i for pixel i of the eight from pixel whose blue byte is the value.
uint64_t EightPixels(const uint8_t* pixel, uint8_t value)
{
    std::array<uint64_t, 3> words;
    std::memcpy(words.data(), pixel, 24);
    const uint64_t values = kOnes * value;
    constexpr uint64_t kFirst = 0x0080000080000080u;  // bytes 0, 3, 6
    const uint64_t equal = (ZeroBytes(words[0] ^ values) & kFirst) | (ZeroBytes(words[1] ^ values) & kFirst << 8) |
                           (ZeroBytes(words[2] ^ values) & kFirst << 16);
    // One high bit a byte, moved down to bit 0 of the byte and gathered by a multiply.
    return kPixelOrder[size_t((equal >> 7) * 0x0102040810204080u >> 56)];
}

// All zero, sized for the box and its growth.
void ClearBits(PieceBits& bits, const PieceArea& box, int grow)
{
    const int width = MaxInt(box.right - box.left + 1, 0);
    const int height = MaxInt(box.bottom - box.top + 1, 0);
    bits.box = box;
    bits.words = (width + grow + 63) / 64;
    bits.stride = bits.words + 2;
    bits.rows.assign(size_t(height + grow + 2 * PieceBits::kMargin) * size_t(bits.stride), 0);
}

// The first word of the box's row y (counted from its top).
uint64_t* RowWords(PieceBits& bits, int y)
{
    return bits.rows.data() + size_t(y + PieceBits::kMargin) * size_t(bits.stride) + 1;
}

}  // namespace

void LoadPieceBits(PieceBits& bits, const TPixelBuffer& mask, const PieceArea& box, uint8_t value, int grow)
{
    ClearBits(bits, box, grow);
    const int width = MaxInt(box.right - box.left + 1, 0);
    const int height = MaxInt(box.bottom - box.top + 1, 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* pixel = PixAddress(mask, box.left, box.top + y);
        uint64_t* word = RowWords(bits, y);
        for (int x = 0; x < width; x += 64, pixel += 3 * 64, ++word) {
            const int count = MinInt(64, width - x);
            uint64_t own = 0;
            int i = 0;
            for (; i + 8 <= count; i += 8)
                own |= EightPixels(pixel + 3 * i, value) << i;
            for (; i < count; ++i)
                own |= uint64_t(pixel[3 * i] == value) << i;
            *word = own;
        }
    }
}

void LoadPieceBits(PieceBits& bits, const TurnedView& values, const PieceArea& box, uint8_t value, int grow)
{
    ClearBits(bits, box, grow);
    for (int y = box.top; y <= box.bottom; ++y) {
        uint64_t* words = RowWords(bits, y - box.top);
        for (int x = box.left; x <= box.right; ++x) {
            const bool inside = x < values.width && y < values.height;
            if ((inside ? values.At(x, y)[0] : 0) == value)
                words[(x - box.left) / 64] |= uint64_t(1) << ((x - box.left) % 64);
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
