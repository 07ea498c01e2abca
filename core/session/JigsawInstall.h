// Installing a downloaded jigsaw archive: its ".ast" files go into the personal jigsaws folder,
// whole and checked, or nothing does.
//
// The archive (RAR 4 or RAR 5) is unpacked into a fresh staging folder beside the jigsaws folder,
// which is removed afterwards however the install ends. Every entry is judged before anything of
// it is written: its name must be safe (see ArchiveEntryName.h), it must be a file or a folder (no
// link, device or fifo), and it must stay within the size limits. The data of every file is
// counted and, for RAR 4, compared with the size and CRC32 of its header. Only ".ast" files at the
// top level are written; each must read as a jigsaw, both the way the browser reads it and the way
// a new game does. Then they are renamed into the jigsaws folder, replacing jigsaws of the same
// names; a rename within one file system, so nothing half-written is ever seen there.
//
// A damaged archive installs nothing, not even the entries before the damage. The player's
// messages are not translated:
//   "RAROpenArchive error - N"                   the archive cannot be read or is not an archive
//   "RARReadHeader error - File header broken"   a damaged or missing header
//   "RARProcessFile error - N"                   an entry that cannot be installed
// with N from InstallCode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kirvo {

inline constexpr uint64_t kMaxJigsawBytes = uint64_t(64) << 20;     // one entry of an archive
inline constexpr uint64_t kMaxUnpackedBytes = uint64_t(256) << 20;  // an archive, and all its entries

enum class InstallCode : int {
    BadData = 12,        // data that does not match its header: CRC32, size, archive cut short
    BadArchive = 13,     // not an archive that is read here, or split across volumes, or encrypted
    CannotOpen = 15,     // the archive file cannot be read
    CannotWrite = 16,    // the staging folder, a file in it or the move into the jigsaws folder failed
    RefusedEntry = 30,   // an unsafe name, a link, a device or fifo, or a name given twice
    TooLarge = 31,       // an entry above kMaxJigsawBytes, or more than kMaxUnpackedBytes in all
    NotAJigsaw = 32,     // an ".ast" entry that does not read as a jigsaw
    JigsawMissing = 33,  // the archive does not hold the item's jigsaw
};

struct InstallOutcome {
    bool installed = false;              // the item's jigsaw is in the jigsaws folder now
    std::vector<std::string> jigsaws;    // file names placed in the jigsaws folder
    std::string message;                 // for the player when not installed; empty on success
};

// Installs the archive of the catalogue item itemName, whose jigsaw is itemName + ".ast" (an
// entry named so in another letter case is installed under that name). The jigsaws folder must
// exist; its parent takes the staging folder.
InstallOutcome InstallArchive(const std::string& archivePath, const std::string& jigsawsFolder,
                              const std::string& itemName);

}  // namespace kirvo
