#include "files/Entry.h"

#include <string>

namespace kirvo {

void ScrambleBytes(std::span<uint8_t> bytes, uint8_t& key, KeyMode mode)
{
    for (uint8_t& byte : bytes) {
        byte ^= key;
        if (mode == KeyMode::Rotating)
            key = uint8_t((key >> 1) | ((key & 1) << 7));
    }
}

Result<Entry> ExtractEntry(ByteReader& reader, uint8_t startKey, KeyMode mode)
{
    int32_t length = reader.I32();
    if (reader.Failed())
        return Fail("truncated entry length");
    // A short entry would only make the decoder behind it fail later, with a vaguer message.
    if (length < 0 || size_t(length) > reader.Remaining())
        return Fail("entry of " + std::to_string(length) + " bytes with only " + std::to_string(reader.Remaining())
                    + " left");
    std::span<const uint8_t> scrambled = reader.Take(size_t(length));
    Entry entry{std::vector<uint8_t>(scrambled.begin(), scrambled.end()), reader.Position()};
    ScrambleBytes(entry.data, startKey, mode);
    return entry;
}

void WriteEntry(ByteWriter& out, std::span<const uint8_t> plain, uint8_t startKey, KeyMode mode)
{
    std::vector<uint8_t> scrambled(plain.begin(), plain.end());
    ScrambleBytes(scrambled, startKey, mode);
    out.I32(int32_t(scrambled.size()));
    out.Append(scrambled);
}

}  // namespace kirvo
