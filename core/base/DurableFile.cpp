#include "base/DurableFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "base/FileDescriptor.h"

namespace kirvo {

namespace {

// The error, once the temporary file is gone.
Error Abandon(const std::string& tempPath, Error error)
{
    unlink(tempPath.c_str());
    return error;
}

}  // namespace

void FlushFolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    FileDescriptor handle(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen())
        fsync(handle.Get());
}

Result<> WriteFileDurably(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes)
{
    FileDescriptor file(open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.IsOpen())
        return SystemError("Cannot create " + tempPath);
    if (!file.WriteAt(bytes, 0) || fsync(file.Get()) != 0 || !file.Close())
        return Abandon(tempPath, SystemError("Cannot write " + path));
    if (rename(tempPath.c_str(), path.c_str()) != 0)
        return Abandon(tempPath, SystemError("Cannot replace " + path));
    FlushFolderOf(path);
    return {};
}

Result<> WriteFileDurably(const std::string& path, std::span<const uint8_t> bytes)
{
    return WriteFileDurably(path, DurableTempPath(path), bytes);
}

std::string DurableTempPath(const std::string& path) { return path + ".part"; }

}  // namespace kirvo
