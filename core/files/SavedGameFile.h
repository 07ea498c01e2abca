// Saved games on disk: reading a saved game, the full save, and the quick save, which rewrites the
// play-state block of a file in place.
//
// A full save goes through the Saved Games folder's own temporary file, "kirvo.svt"
// (FILE_NAMES::saveTempFile), which takes the target's name when it is whole. A quick save first
// writes the new block, where it goes and what file it belongs to into a journal beside the
// target (the target's name + "-journal"), flushed to disk, and only then writes the block in
// place; the journal goes once the file is flushed. Whoever reads or quick-saves the file next
// finishes a write the journal holds, or drops a journal that is incomplete or belongs to another
// file: a save interrupted at any byte reads back as the old state or the new one, never a mix.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "files/SavedGame.h"

namespace kirvo {

// The file decoded as DecodeSavedGame does, after finishing an interrupted quick save; a file that
// cannot be read gives the reason.
Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode);

// The full save: the bytes replace the file whole through tempPath; a journal of an earlier quick
// save of the old file is dropped first.
Result<> WriteSavedGame(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes);

// The journal beside a saved game, and what it holds: "KIRVOJNL", the size of the file it
// belongs to, the block's offset and size (little-endian, 8, 8 and 4 bytes), the block, and a
// CRC-32 of all that.
std::string QuickSaveJournalPath(const std::string& path);
std::vector<uint8_t> QuickSaveJournal(uint64_t fileSize, uint64_t offset, std::span<const uint8_t> block);
// Finishes the quick save the journal beside the file holds, or drops the journal when it is
// incomplete or belongs to another state of the file. Nothing to do without a journal.
Result<> FinishQuickSave(const std::string& path);

// Rewrites the play-state block of the file in place when it holds this same game (see
// QuickSaveOffset). False, with the file untouched, when it does not (or does not exist); an
// error when the file cannot be opened, read or written.
Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game);

}  // namespace kirvo
