// Little-endian reading and writing of binary formats, field by field.
//
// ByteReader walks a byte span and never reads past its end: a read that does not fit sets the
// failed flag and yields 0, so a parser can read a whole header and check once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kirvo {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t U8();
    int16_t I16();
    uint16_t U16();
    int32_t I32();
    uint32_t U32();
    void Skip(size_t count);
    std::span<const uint8_t> Take(size_t count);  // empty and failed when fewer remain

    size_t Position() const { return position_; }
    size_t Remaining() const { return bytes_.size() - position_; }
    bool Failed() const { return failed_; }

private:
    bool Fits(size_t count);

    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
    bool failed_ = false;
};

class ByteWriter {
public:
    void U8(uint8_t value) { bytes_.push_back(value); }
    void I16(int16_t value) { U16(static_cast<uint16_t>(value)); }
    void U16(uint16_t value);
    void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
    void U32(uint32_t value);
    void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void Append(std::span<const uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace kirvo
