#include "settings/RecentFiles.h"

#include <algorithm>
#include <cctype>

namespace kirvo {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string WithoutFolder(const std::string& fullName)
{
    size_t slash = fullName.find_last_of("/\\");
    return slash == std::string::npos ? fullName : fullName.substr(slash + 1);
}

}  // namespace

void PutRecentFile(RecentFiles& recent, const std::string& fullName)
{
    if (fullName.empty())
        return;
    int found = 0;
    while (found < recent.count && !SameName(recent.entries[size_t(found)].fullName, fullName))
        ++found;
    if (found == recent.count) {
        found = std::min(found, kRecentFileCount - 1);
        recent.count = std::min(recent.count + 1, kRecentFileCount);
    }
    std::rotate(recent.entries.begin(), recent.entries.begin() + found, recent.entries.begin() + found + 1);
    recent.entries[0] = {fullName, WithoutFolder(fullName)};
}

std::string RecentFileCaption(const RecentFiles& recent, int index)
{
    return std::string("&").append(std::to_string(index + 1)).append(". ").append(recent.entries[size_t(index)].displayName);
}

}  // namespace kirvo
