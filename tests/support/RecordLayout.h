// Checks a record written field by field: each field at its offset and width, little-endian,
// and the fields together covering the whole record.
#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace kirvo::testing {

struct RecordField {
    const char* name;
    size_t offset;
    int width;  // bytes: 1, 2 or 4; 2 and 4 read back signed
    int64_t value;
};

inline int64_t ReadLittleEndian(const std::vector<uint8_t>& bytes, size_t offset, int width)
{
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[offset + i];
    if (width == 4)
        return int32_t(value);
    if (width == 2)
        return int16_t(value);
    return int64_t(value);
}

inline void ExpectLayout(const std::vector<uint8_t>& bytes, const std::vector<RecordField>& fields, size_t recordSize)
{
    ASSERT_EQ(bytes.size(), recordSize);
    size_t covered = 0;
    for (const RecordField& field : fields) {
        EXPECT_EQ(ReadLittleEndian(bytes, field.offset, field.width), field.value) << field.name;
        covered += field.width;
    }
    EXPECT_EQ(covered, recordSize);
}

}  // namespace kirvo::testing
