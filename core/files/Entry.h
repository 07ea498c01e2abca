// Entry: one scrambled block of a jigsaw file (and of a saved game): an int32 length L, then L
// data bytes, each XORed with a key byte. A rotating entry turns its key right by one bit after
// every byte, so the key sequence repeats every 8 bytes; a fixed entry uses its start key for all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/ByteReader.h"
#include "base/Result.h"

namespace kirvo {

enum class KeyMode { Fixed, Rotating };

struct Entry {
    std::vector<uint8_t> data;  // unscrambled
    size_t endOffset = 0;       // position just past the entry's data
};

// Scrambles or unscrambles in place (the operation is its own inverse); key carries on, so a
// long entry can be handled in pieces.
void ScrambleBytes(std::span<uint8_t> bytes, uint8_t& key, KeyMode mode);

// Reads the entry at the reader's position and leaves the reader just past its data. Fails on a
// negative length or one reaching past the end of the bytes, before allocating anything; the
// message names the problem only, for the caller to put its format's name before it.
Result<Entry> ExtractEntry(ByteReader& reader, uint8_t startKey, KeyMode mode);

// Appends an entry of plain bytes, scrambled.
void WriteEntry(ByteWriter& out, std::span<const uint8_t> plain, uint8_t startKey, KeyMode mode);

}  // namespace kirvo
