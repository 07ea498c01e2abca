#include "base/FileDescriptor.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace kirvo {

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        close(fd_);
}

std::optional<size_t> FileDescriptor::ReadAt(std::span<uint8_t> bytes, off_t offset)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = pread(fd_, bytes.data() + done, bytes.size() - done, offset + off_t(done));
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

bool FileDescriptor::WriteAt(std::span<const uint8_t> bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t count = pwrite(fd_, bytes.data(), bytes.size(), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        bytes = bytes.subspan(size_t(count));
        offset += count;
    }
    return true;
}

bool FileDescriptor::Close() { return close(std::exchange(fd_, -1)) == 0; }

Error SystemError(const std::string& what) { return Fail(what + ": " + std::strerror(errno)); }

}  // namespace kirvo
