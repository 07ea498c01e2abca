#include "session/ArchiveEntryName.h"

#include <algorithm>
#include <span>

#include "base/TextDecoding.h"
#include "files/JigsawFile.h"

namespace kirvo {
namespace {

constexpr std::string_view kSeparators = "/\\";
constexpr std::string_view kJigsawExtension = ".ast";

}  // namespace

bool IsSafeEntryName(std::string_view name)
{
    if (name.empty() || kSeparators.find(name.front()) != std::string_view::npos)
        return false;
    if (name.size() >= 2 && name[1] == ':')
        return false;
    if (!IsValidUtf8(std::span(name.data(), name.size())))
        return false;
    if (std::any_of(name.begin(), name.end(), [](char c) { return uint8_t(c) < 0x20 || c == 0x7F; }))
        return false;
    while (!name.empty()) {
        size_t end = name.find_first_of(kSeparators);
        if (name.substr(0, end) == "..")
            return false;
        name.remove_prefix(end == std::string_view::npos ? name.size() : end + 1);
    }
    return true;
}

std::string InstalledJigsawName(std::string_view name)
{
    if (!IsSafeEntryName(name) || name.find_first_of(kSeparators) != std::string_view::npos)
        return {};
    std::string fileName(name);
    if (fileName.size() <= kJigsawExtension.size() || !HasJigsawExtension(fileName))
        return {};
    fileName.replace(fileName.size() - kJigsawExtension.size(), kJigsawExtension.size(), kJigsawExtension);
    return fileName;
}

}  // namespace kirvo
