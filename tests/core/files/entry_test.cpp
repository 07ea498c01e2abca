#include "files/Entry.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>

namespace kirvo {
namespace {

using Bytes = std::vector<uint8_t>;

// Scrambled by hand, byte by byte, independent of the chunk-free code under test.
Bytes ScrambledEntry(const Bytes& plain, uint8_t key, KeyMode mode)
{
    ByteWriter out;
    out.I32(int32_t(plain.size()));
    for (uint8_t byte : plain) {
        out.U8(byte ^ key);
        if (mode == KeyMode::Rotating)
            key = std::rotr(key, 1);
    }
    return out.Take();
}

TEST(Entry, KeyRotatesRightOnceAByteOrStaysFixed)
{
    struct Case {
        uint8_t key;
        KeyMode mode;
        Bytes keys;  // what zero bytes scramble to
    } cases[] = {
        {0x01, KeyMode::Rotating, {0x01, 0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}},
        {0xA6, KeyMode::Rotating, {0xA6, 0x53, 0xA9, 0xD4, 0x6A, 0x35, 0x9A, 0x4D, 0xA6}},
        {0xA6, KeyMode::Fixed, {0xA6, 0xA6, 0xA6}},
    };
    for (const Case& c : cases) {
        Bytes bytes(c.keys.size(), 0);
        uint8_t key = c.key;
        ScrambleBytes(bytes, key, c.mode);
        EXPECT_EQ(bytes, c.keys) << "key " << int(c.key);
        key = c.key;
        ScrambleBytes(bytes, key, c.mode);
        EXPECT_EQ(bytes, Bytes(c.keys.size(), 0)) << "scrambling twice restores, key " << int(c.key);
    }
}

TEST(Entry, ExtractsAnyLengthAndStopsAfterTheData)
{
    for (size_t length : {size_t(0), size_t(1), size_t(9), size_t(50000), size_t(50001), size_t(120007)}) {
        Bytes plain(length);
        std::iota(plain.begin(), plain.end(), uint8_t(7));
        for (KeyMode mode : {KeyMode::Fixed, KeyMode::Rotating}) {
            Bytes file = ScrambledEntry(plain, 0x3B, mode);
            file.push_back(0xEE);  // whatever follows is not part of the entry
            ByteReader reader(file);
            Result<Entry> entry = ExtractEntry(reader, 0x3B, mode);
            ASSERT_TRUE(entry) << entry.error();
            EXPECT_EQ(entry.value().data, plain) << "length " << length;
            EXPECT_EQ(entry.value().endOffset, 4 + length);
            EXPECT_EQ(reader.Position(), 4 + length);
        }
    }
}

TEST(Entry, EntriesFollowOneAnother)
{
    ByteWriter out;
    WriteEntry(out, Bytes{1, 2, 3}, 0x11, KeyMode::Fixed);
    WriteEntry(out, Bytes{}, 0x22, KeyMode::Rotating);
    WriteEntry(out, Bytes{4, 5}, 0x33, KeyMode::Rotating);
    Bytes file = out.Take();
    ByteReader reader(file);
    EXPECT_EQ(ExtractEntry(reader, 0x11, KeyMode::Fixed).value().data, (Bytes{1, 2, 3}));
    EXPECT_EQ(ExtractEntry(reader, 0x22, KeyMode::Rotating).value().endOffset, 11u);
    EXPECT_EQ(ExtractEntry(reader, 0x33, KeyMode::Rotating).value().data, (Bytes{4, 5}));
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(Entry, LengthsThatDoNotFitFail)
{
    struct Case {
        Bytes file;
        const char* problem;
    } cases[] = {
        {{}, "truncated entry length"},
        {{3, 0}, "truncated entry length"},
        {{4, 0, 0, 0, 1, 2, 3}, "entry of 4 bytes with only 3 left"},
        {{0xFF, 0xFF, 0xFF, 0x7F}, "entry of 2147483647 bytes with only 0 left"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 1, 2}, "entry of -1 bytes"},
    };
    for (const Case& c : cases) {
        ByteReader reader(c.file);
        Result<Entry> entry = ExtractEntry(reader, 0, KeyMode::Rotating);
        ASSERT_FALSE(entry);
        EXPECT_NE(entry.error().find(c.problem), std::string::npos) << entry.error();
    }
}

}  // namespace
}  // namespace kirvo
