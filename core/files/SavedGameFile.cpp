#include "files/SavedGameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/FileDescriptor.h"
#include "base/Folders.h"

namespace kirvo {

Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    return DecodeSavedGame(bytes.value(), mode);
}

Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game)
{
    FileDescriptor file(open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (!file.IsOpen()) {
        if (errno == ENOENT)
            return false;
        return SystemError("Cannot open " + path);
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0)
        return SystemError("Cannot read " + path);
    if (!S_ISREG(status.st_mode))
        return false;
    const size_t fileSize = size_t(status.st_size);
    std::vector<uint8_t> head(std::min(fileSize, kSavedGameHeadSize));
    std::optional<size_t> read = file.ReadAt(head, 0);
    if (!read)
        return SystemError("Cannot read " + path);
    head.resize(*read);
    const std::vector<uint8_t> block = EncodePlayState(game);
    std::optional<size_t> offset = QuickSaveOffset(head, fileSize, game, block.size());
    if (!offset)
        return false;
    if (!file.WriteAt(block, off_t(*offset)) || fsync(file.Get()) != 0 || !file.Close())
        return SystemError("Cannot write " + path);
    return true;
}

}  // namespace kirvo
