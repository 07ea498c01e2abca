#include "base/Folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace kirvo {

namespace {

char Fold(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

std::string NormaliseFolder(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

bool EnsureFolder(const std::string& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        return true;
    return fs::create_directory(path, error) && !error;
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.is_open() || file.bad())
        return std::nullopt;
    return bytes;
}

bool CopyIfMissing(const std::string& source, const std::string& destination, AfterCopy after)
{
    std::error_code error;
    if (fs::exists(destination, error) || !fs::is_regular_file(source, error))
        return false;
    if (!fs::copy_file(source, destination, error) || error)
        return false;
    if (after == AfterCopy::DeleteSource)
        fs::remove(source, error);
    return true;
}

std::vector<std::string> ListFilesByExtension(const std::string& folder, const std::string& extension,
                                              ListNames names)
{
    std::vector<std::string> found;
    std::string base = NormaliseFolder(folder);
    std::error_code error;
    fs::directory_iterator it(base, error);
    if (error)
        return found;
    for (const fs::directory_entry& entry : it) {
        std::string name = entry.path().filename().string();
        if (entry.path().extension().string() != extension)
            continue;
        found.push_back(names == ListNames::FullPath ? base + name : name);
    }
    std::sort(found.begin(), found.end(), LessIgnoringCase);
    return found;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

}  // namespace kirvo
