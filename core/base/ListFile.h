// List files: the plain-text lists that come with the program ("distjiglist.txt", "jiglist.txt").
//
// A line ends at CR, LF or CR LF; a zero byte ends the text. Lines are kept exactly as written,
// empty ones included: a name with a trailing blank matches no file.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kirvo {

std::vector<std::string> ParseListFile(std::span<const char> text);

// The lines of the file, or nothing when it cannot be read.
std::optional<std::vector<std::string>> LoadListFile(const std::string& path);

// Whether `fileName` is one of the jigsaws that came with the program, ignoring case.
bool IsDistributedJigsaw(const std::vector<std::string>& distributedJigsaws, const std::string& fileName);

}  // namespace kirvo
