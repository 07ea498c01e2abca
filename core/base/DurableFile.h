// Durable file writes: every file the game writes whole (saved games, jigsaws, the settings file,
// the solved picture, the packing tool's output) goes through here.
//
// The bytes go to a temporary file beside the target, are flushed to disk and renamed over the
// target, and then the folder is flushed. So the target holds the old content or the new content
// whole, also after a crash or a power cut, and a failed write leaves it as it was.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/Result.h"

namespace kirvo {

// Writes bytes to tempPath, flushes them, renames tempPath over path and flushes the folder.
// tempPath must lie in path's folder, as a rename does not cross file systems. On failure path is
// untouched, tempPath removed, and the error names the file and the reason ("Cannot write
// /x/game.sv1: No space left on device"). Once the rename is done the write stands: a folder that
// cannot be flushed only leaves in doubt whether the rename survives a power cut.
Result<> WriteFileDurably(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes);

// The same through DurableTempPath(path).
Result<> WriteFileDurably(const std::string& path, std::span<const uint8_t> bytes);

// Flushes the folder path lies in, so that a rename into it survives a power cut. Some file
// systems refuse to flush a folder; by then the renamed file is in place whole, so that is ignored.
void FlushFolderOf(const std::string& path);

// The temporary file beside path that a write without a temporary name of its own goes through.
std::string DurableTempPath(const std::string& path);

}  // namespace kirvo
