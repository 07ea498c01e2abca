#include "files/SavedGameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "base/Folders.h"

namespace kirvo {
namespace {

// A descriptor closed when it goes out of scope, on the paths that give up on the file.
struct OpenFile {
    int fd = -1;
    explicit OpenFile(int descriptor) : fd(descriptor) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (fd >= 0)
            close(fd);
    }
    // Closes now, reporting the result: the last chance for a write error to show.
    bool Close() { return close(std::exchange(fd, -1)) == 0; }
};

Error SystemError(const std::string& what) { return Fail(what + ": " + std::strerror(errno)); }

// Up to bytes.size() bytes from offset; fewer at the end of the file, nothing with errno set on
// an error.
std::optional<size_t> ReadAt(int fd, std::span<uint8_t> bytes, off_t offset)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = pread(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        done += size_t(count);
    }
    return done;
}

// False with errno set on an error.
bool WriteAt(int fd, std::span<const uint8_t> bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t count = pwrite(fd, bytes.data(), bytes.size(), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        bytes = bytes.subspan(size_t(count));
        offset += count;
    }
    return true;
}

// Makes the rename survive a power cut. By then path holds the new file whole; a folder that
// cannot be flushed (some file systems refuse) leaves only that in doubt, and the save stands.
void FlushFolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    OpenFile handle(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.fd >= 0)
        fsync(handle.fd);
}

}  // namespace

Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode)
{
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail("Invalid saved game: cannot open " + path);
    return DecodeSavedGame(*bytes, mode);
}

Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game)
{
    OpenFile file(open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (file.fd < 0) {
        if (errno == ENOENT)
            return false;
        return SystemError("cannot open " + path);
    }
    struct stat status {};
    if (fstat(file.fd, &status) != 0)
        return SystemError("cannot read " + path);
    if (!S_ISREG(status.st_mode))
        return false;
    const size_t fileSize = size_t(status.st_size);
    std::vector<uint8_t> head(std::min(fileSize, kSavedGameHeadSize));
    std::optional<size_t> read = ReadAt(file.fd, head, 0);
    if (!read)
        return SystemError("cannot read " + path);
    head.resize(*read);
    const std::vector<uint8_t> block = EncodePlayState(game);
    std::optional<size_t> offset = QuickSaveOffset(head, fileSize, game, block.size());
    if (!offset)
        return false;
    if (!WriteAt(file.fd, block, off_t(*offset)) || fsync(file.fd) != 0 || !file.Close())
        return SystemError("cannot write " + path);
    return true;
}

Result<> WriteFileDurably(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes)
{
    OpenFile file(open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.fd < 0)
        return SystemError("cannot create " + tempPath);
    if (!WriteAt(file.fd, bytes, 0) || fsync(file.fd) != 0 || !file.Close()) {
        Error error = SystemError("cannot write " + tempPath);
        unlink(tempPath.c_str());
        return error;
    }
    if (rename(tempPath.c_str(), path.c_str()) != 0) {
        Error error = SystemError("cannot replace " + path);
        unlink(tempPath.c_str());
        return error;
    }
    FlushFolderOf(path);
    return {};
}

}  // namespace kirvo
