// Folder helpers: the few file-system operations the game needs, on UTF-8 paths with "/".
//
// Folder paths in the game always end with "/" (see NormaliseFolder). Failures come with the
// reason the system gives, naming the file ("Cannot read /x/a.ast: Permission denied").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Result.h"

namespace kirvo {

// Appends "/" to a non-empty path that does not end with one.
std::string NormaliseFolder(std::string path);

// Succeeds when the folder exists afterwards. Makes that one folder only: its parent must exist.
Result<> EnsureFolder(const std::string& path);

// Copies source to destination when the destination does not exist and the source is a file:
// true when it copied, false when there was nothing to copy. With DeleteSource, a successful copy
// then removes the source (a failed delete is ignored).
enum class AfterCopy { KeepSource, DeleteSource };
Result<bool> CopyIfMissing(const std::string& source, const std::string& destination,
                           AfterCopy after = AfterCopy::KeepSource);
// Copies source to destination unless the destination is a file of the source's size: for copies
// of the program's own files, which an earlier start on a full disk may have left short.
Result<bool> CopyUnlessSameSize(const std::string& source, const std::string& destination);

bool FileExists(const std::string& path);

// The whole content of an ordinary file.
Result<std::vector<uint8_t>> ReadFileBytes(const std::string& path);

// Entries of the folder (files and sub-folders) whose extension, dot included, is exactly
// `extension`, compared case-sensitively. Bare names, or folder + name with FullPath, sorted
// case-insensitively. Empty when the folder does not exist or nothing matches.
enum class ListNames { Bare, FullPath };
std::vector<std::string> ListFilesByExtension(const std::string& folder, const std::string& extension,
                                              ListNames names = ListNames::Bare);

// Case-insensitive comparison of UTF-8 names (ASCII letters fold; other bytes compare as they are).
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
bool LessIgnoringCase(const std::string& a, const std::string& b);

}  // namespace kirvo
