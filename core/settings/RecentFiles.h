// The recent-file list of the File menu: up to four files, most recent first.
#pragma once

#include <array>
#include <string>

namespace kirvo {

inline constexpr int kRecentFileCount = 4;

struct RecentFile {
    std::string fullName;
    std::string displayName;  // the file name without its folder
};

struct RecentFiles {
    std::array<RecentFile, kRecentFileCount> entries;
    int count = 0;
};

// Puts the file at the head: a new name pushes the oldest out, a known one (compared without
// regard to case) moves up. An empty name changes nothing.
void PutRecentFile(RecentFiles& recent, const std::string& fullName);

// "&2. name.jig": the menu caption of entry index.
std::string RecentFileCaption(const RecentFiles& recent, int index);

}  // namespace kirvo
