#include "base/ByteReader.h"

namespace kirvo {

bool ByteReader::Fits(size_t count)
{
    if (failed_ || count > Remaining()) {
        failed_ = true;
        return false;
    }
    return true;
}

uint8_t ByteReader::U8()
{
    if (!Fits(1))
        return 0;
    return bytes_[position_++];
}

uint16_t ByteReader::U16()
{
    if (!Fits(2))
        return 0;
    uint16_t value = bytes_[position_] | (bytes_[position_ + 1] << 8);
    position_ += 2;
    return value;
}

int16_t ByteReader::I16() { return static_cast<int16_t>(U16()); }

uint32_t ByteReader::U32()
{
    if (!Fits(4))
        return 0;
    uint32_t value = uint32_t(bytes_[position_]) | uint32_t(bytes_[position_ + 1]) << 8
                     | uint32_t(bytes_[position_ + 2]) << 16 | uint32_t(bytes_[position_ + 3]) << 24;
    position_ += 4;
    return value;
}

int32_t ByteReader::I32() { return static_cast<int32_t>(U32()); }

void ByteReader::Skip(size_t count)
{
    if (Fits(count))
        position_ += count;
}

std::span<const uint8_t> ByteReader::Take(size_t count)
{
    if (!Fits(count))
        return {};
    auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

void ByteWriter::U16(uint16_t value)
{
    bytes_.push_back(value & 0xFF);
    bytes_.push_back(value >> 8);
}

void ByteWriter::U32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back((value >> shift) & 0xFF);
}

}  // namespace kirvo
