// RAR 4 archives whose entries are stored uncompressed, written byte by byte for test fixtures:
// no packer for the format is at hand, and a fixture often has to be damaged on purpose.
//
// Every block starts HEAD_CRC u16 (low half of the CRC32 of the header from HEAD_TYPE on),
// HEAD_TYPE u8, HEAD_FLAGS u16, HEAD_SIZE u16, little-endian. The archive is the marker, the main
// header, a file header followed by its data for each entry, and the end block.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kirvo::testing {

struct Rar4Entry {
    enum class Kind { File, Folder, Symlink };

    Rar4Entry(std::string name, std::string data, Kind kind = Kind::File)
        : name(std::move(name)), data(std::move(data)), kind(kind) {}
    // To damage an entry: a CRC32 or an unpacked size other than the data's.
    Rar4Entry WithCrc(uint32_t value) const { Rar4Entry entry = *this; entry.crc = value; return entry; }
    Rar4Entry WithUnpackedSize(uint32_t value) const { Rar4Entry entry = *this; entry.unpackedSize = value; return entry; }

    std::string name;  // stored as it is: "/" and "\" are both kept
    std::string data;  // a symlink's target
    Kind kind;
    std::optional<uint32_t> crc;
    std::optional<uint32_t> unpackedSize;
};

namespace rar4 {

inline constexpr uint8_t kFileBlock = 0x74;
inline constexpr uint16_t kLongBlock = 0x8000;
inline constexpr uint16_t kFolderFlags = 0x00E0;
inline constexpr uint16_t kUtf8Name = 0x0200;
inline constexpr uint8_t kHostUnix = 3;
inline constexpr uint32_t kUnixFile = 0100644;
inline constexpr uint32_t kUnixFolder = 040755;
inline constexpr uint32_t kUnixSymlink = 0120777;
inline constexpr uint32_t kDosTime = 0x5A8C6000;  // 2025-04-12 12:00

inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline uint32_t Crc32(std::string_view bytes)
{
    return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

// One block: its header with HEAD_CRC filled in.
inline void PutBlock(std::vector<uint8_t>& out, uint8_t type, uint16_t flags, const std::vector<uint8_t>& rest)
{
    std::vector<uint8_t> head;
    head.push_back(type);
    Put(head, flags, 2);
    Put(head, uint32_t(7 + rest.size()), 2);
    head.insert(head.end(), rest.begin(), rest.end());
    Put(out, uint32_t(crc32(0, head.data(), uInt(head.size()))) & 0xFFFF, 2);
    out.insert(out.end(), head.begin(), head.end());
}

}  // namespace rar4

// The whole archive; every entry is written by a Unix host, with a UTF-8 name when it is not ASCII.
inline std::vector<uint8_t> Rar4Store(std::span<const Rar4Entry> entries)
{
    using namespace rar4;
    std::vector<uint8_t> out = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
    PutBlock(out, 0x73, 0, {0, 0, 0, 0, 0, 0});
    for (const Rar4Entry& entry : entries) {
        const bool folder = entry.kind == Rar4Entry::Kind::Folder;
        const bool ascii = std::all_of(entry.name.begin(), entry.name.end(), [](char c) { return uint8_t(c) < 0x80; });
        const uint32_t mode = folder ? kUnixFolder : entry.kind == Rar4Entry::Kind::Symlink ? kUnixSymlink : kUnixFile;
        std::vector<uint8_t> rest;
        Put(rest, uint32_t(entry.data.size()), 4);
        Put(rest, entry.unpackedSize.value_or(uint32_t(entry.data.size())), 4);
        rest.push_back(kHostUnix);
        Put(rest, entry.crc.value_or(Crc32(entry.data)), 4);
        Put(rest, kDosTime, 4);
        rest.push_back(29);    // version needed to unpack
        rest.push_back(0x30);  // stored
        Put(rest, uint32_t(entry.name.size()), 2);
        Put(rest, mode, 4);
        rest.insert(rest.end(), entry.name.begin(), entry.name.end());
        const uint16_t flags = uint16_t(kLongBlock | (folder ? kFolderFlags : 0) | (ascii ? 0 : kUtf8Name));
        PutBlock(out, kFileBlock, flags, rest);
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    PutBlock(out, 0x7B, 0x4000, {});
    return out;
}

inline std::vector<uint8_t> Rar4Store(std::initializer_list<Rar4Entry> entries)
{
    return Rar4Store(std::span<const Rar4Entry>(entries.begin(), entries.size()));
}

// Where the file header of entry `index` begins, for damaging it; the archive's size when there
// is no such entry.
inline size_t Rar4FileHeaderOffset(std::span<const uint8_t> archive, size_t index)
{
    size_t at = 7;
    while (at + 7 <= archive.size()) {
        const size_t headSize = archive[at + 5] | archive[at + 6] << 8;
        const bool file = archive[at + 2] == rar4::kFileBlock;
        if (file && index-- == 0)
            return at;
        const size_t data = file ? archive[at + 7] | archive[at + 8] << 8 | archive[at + 9] << 16 | size_t(archive[at + 10]) << 24 : 0;
        at += headSize + data;
    }
    return archive.size();
}

}  // namespace kirvo::testing
