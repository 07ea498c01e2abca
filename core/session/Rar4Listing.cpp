#include "session/Rar4Listing.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace kirvo {
namespace {

constexpr std::array<uint8_t, 7> kRar4Marker = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr size_t kBlockHeadSize = 7;
constexpr size_t kFileHeadSize = 32;  // up to and with ATTR
constexpr uint8_t kFileBlock = 0x74;
constexpr uint8_t kSubBlock = 0x7A;
constexpr uint8_t kEndBlock = 0x7B;
constexpr uint16_t kSplitOrEncrypted = 0x0007;
constexpr uint16_t kLargeSizes = 0x0100;
constexpr uint16_t kDataFollows = 0x8000;

uint32_t Le(std::span<const uint8_t> bytes, size_t at, size_t count)
{
    uint32_t value = 0;
    for (size_t i = count; i-- > 0;)
        value = value << 8 | bytes[at + i];
    return value;
}

}  // namespace

Rar4Listing ListRar4Files(std::span<const uint8_t> archive)
{
    Rar4Listing listing;
    auto damaged = [&listing](Rar4Damage damage) {
        listing.damage = damage;
        return listing;
    };
    if (archive.size() < kRar4Marker.size() || !std::equal(kRar4Marker.begin(), kRar4Marker.end(), archive.begin()))
        return listing;
    listing.isRar4 = true;

    size_t at = kRar4Marker.size();
    while (at < archive.size()) {
        if (archive.size() - at < kBlockHeadSize)
            return damaged(Rar4Damage::HeaderBroken);
        const uint8_t type = archive[at + 2];
        const uint16_t flags = uint16_t(Le(archive, at + 3, 2));
        const size_t headSize = Le(archive, at + 5, 2);
        const bool hasSizes = type == kFileBlock || type == kSubBlock;
        const bool large = hasSizes && (flags & kLargeSizes);
        const size_t fixedSize = hasSizes ? kFileHeadSize + (large ? 8 : 0) : (flags & kDataFollows) ? 11 : kBlockHeadSize;
        if (headSize < fixedSize || headSize > archive.size() - at)
            return damaged(Rar4Damage::HeaderBroken);
        std::span<const uint8_t> head = archive.subspan(at, headSize);
        if (type == kEndBlock)
            return listing;

        uint64_t dataSize = (flags & kDataFollows) ? Le(head, 7, 4) : 0;
        if (large)
            dataSize |= uint64_t(Le(head, 32, 4)) << 32;
        if (type == kFileBlock) {
            const uint32_t crc = uint32_t(crc32(0, head.data() + 2, uInt(headSize - 2)));
            if ((crc & 0xFFFF) != Le(head, 0, 2) || kFileHeadSize + (large ? 8 : 0) + Le(head, 26, 2) > headSize)
                return damaged(Rar4Damage::HeaderBroken);
            if (flags & kSplitOrEncrypted)
                return damaged(Rar4Damage::Unsupported);
            uint64_t unpackedSize = Le(head, 11, 4) | (large ? uint64_t(Le(head, 36, 4)) << 32 : 0);
            listing.files.push_back({unpackedSize, Le(head, 16, 4)});
        }
        if (dataSize > archive.size() - at - headSize)
            return damaged(Rar4Damage::DataTruncated);
        at += headSize + size_t(dataSize);
    }
    return listing;
}

}  // namespace kirvo
