// The file headers of a RAR 4 archive, read on their own beside the archive library.
//
// The library does not compare a stored (uncompressed) entry's data with the CRC32 in its header,
// and hands over fewer bytes than the header declares without an error. So the installer lists
// the declared size and CRC32 of every file header here and checks what the library delivers
// against them, entry by entry in archive order.
//
// Block layout, integers little-endian: HEAD_CRC u16 (low half of the CRC32 of the header from
// HEAD_TYPE on), HEAD_TYPE u8, HEAD_FLAGS u16, HEAD_SIZE u16. A block with flag 0x8000 is
// followed by ADD_SIZE bytes of data, ADD_SIZE being the u32 after HEAD_SIZE. A file header
// (type 0x74) goes on with UNP_SIZE u32, HOST_OS u8, FILE_CRC u32, FTIME u32, UNP_VER u8,
// METHOD u8, NAME_SIZE u16, ATTR u32, with flag 0x0100 the high halves of both sizes, and the
// name. Type 0x7B ends the archive.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kirvo {

struct Rar4FileRecord {
    uint64_t unpackedSize = 0;
    uint32_t crc = 0;
};

enum class Rar4Damage {
    None,
    HeaderBroken,   // a header that is cut short, has a wrong CRC or an impossible size
    DataTruncated,  // the archive ends inside an entry's data
    Unsupported,    // an entry split across volumes or encrypted
};

struct Rar4Listing {
    bool isRar4 = false;  // the archive starts with the RAR 4 marker; else nothing is listed
    Rar4Damage damage = Rar4Damage::None;
    std::vector<Rar4FileRecord> files;  // every file header before any damage, folders too
};

Rar4Listing ListRar4Files(std::span<const uint8_t> archive);

}  // namespace kirvo
