#include "base/Folders.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "base/DurableFile.h"
#include "base/FileDescriptor.h"

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

Result<> EnsureFolder(const std::string& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        return {};
    fs::create_directory(path, error);
    if (error)
        return Fail("Cannot make the folder " + path + ": " + error.message());
    return {};
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

Result<std::vector<uint8_t>> ReadFileBytes(const std::string& path)
{
    // Without O_NONBLOCK a FIFO at the path would hang here; ordinary files ignore it.
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0)
        return SystemError("Cannot read " + path);
    if (!S_ISREG(status.st_mode))
        return Fail("Cannot read " + path + ": not an ordinary file");
    std::vector<uint8_t> bytes(size_t(status.st_size));
    std::optional<size_t> read = file.ReadAt(bytes, 0);
    if (!read)
        return SystemError("Cannot read " + path);
    bytes.resize(*read);
    return bytes;
}

namespace {

// Written durably: a torn copy would stand for good, since what exists is not copied again.
Result<> CopyDurably(const std::string& source, const std::string& destination)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(source);
    if (!bytes)
        return Fail(bytes.error());
    return WriteFileDurably(destination, bytes.value());
}

}  // namespace

Result<bool> CopyIfMissing(const std::string& source, const std::string& destination, AfterCopy after)
{
    std::error_code error;
    if (fs::exists(destination, error) || !fs::is_regular_file(source, error))
        return false;
    if (Result<> copied = CopyDurably(source, destination); !copied)
        return Fail(copied.error());
    if (after == AfterCopy::DeleteSource)
        fs::remove(source, error);
    return true;
}

Result<bool> CopyUnlessSameSize(const std::string& source, const std::string& destination)
{
    std::error_code error;
    if (!fs::is_regular_file(source, error))
        return false;
    const uintmax_t size = fs::file_size(source, error);
    if (!error && fs::is_regular_file(destination, error) && fs::file_size(destination, error) == size && !error)
        return false;
    if (Result<> copied = CopyDurably(source, destination); !copied)
        return Fail(copied.error());
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
