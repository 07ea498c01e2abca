// Names of archive entries, judged before anything of the entry is written.
//
// An archive comes from a server, so its names are untrusted. Both "/" and "\" count as
// separators: an archive made on Windows may use either, and "..\x.ast" must not become a file
// that a later tool reads as a path out of the folder.
#pragma once

#include <string>
#include <string_view>

namespace kirvo {

// Whether the name may be unpacked: not empty, valid UTF-8 without control characters, relative
// (no leading separator, no drive letter) and without a ".." part.
bool IsSafeEntryName(std::string_view name);

// The file name a safe entry is installed under in the jigsaws folder: a name at the top level
// with the extension ".ast" in any letter case, given the extension ".ast". Empty for any other
// entry, which is not installed.
std::string InstalledJigsawName(std::string_view name);

}  // namespace kirvo
