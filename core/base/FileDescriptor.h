// FileDescriptor: an open file of the operating system, closed when it goes out of scope.
//
// Its reads and writes carry on through short counts and interrupted calls, so one call moves all
// the bytes or fails. A failure leaves errno set; SystemError turns it into the message a player
// reads ("Cannot write /x/game.sv1: No space left on device").
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/Result.h"

namespace kirvo {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Get() const { return fd_; }

    // Up to bytes.size() bytes from offset, fewer only at the end of the file; nothing on an error.
    std::optional<size_t> ReadAt(std::span<uint8_t> bytes, off_t offset);
    // Every byte at offset on; false on an error.
    bool WriteAt(std::span<const uint8_t> bytes, off_t offset);
    // Closes now and reports the result: the last chance for a write error to show.
    bool Close();

private:
    int fd_;
};

// "what: reason", the reason errno gives ("Permission denied").
Error SystemError(const std::string& what);

}  // namespace kirvo
