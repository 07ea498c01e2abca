// Edits of a valid file's bytes that break it, for tables of hostile inputs: each case names what
// it breaks, edits the bytes, and gives a piece of the error the reader must answer with.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kirvo::testing {

inline void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(value >> (8 * i));
}

struct ByteEdit {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> edit;
    std::string error;
};

}  // namespace kirvo::testing
