#include "files/SavedGameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <filesystem>
#include <span>
#include <vector>

#include <zlib.h>

#include "base/DurableFile.h"
#include "base/FileDescriptor.h"
#include "base/Folders.h"

namespace kirvo {

namespace {

constexpr char kJournalMagic[8] = {'K', 'I', 'R', 'V', 'O', 'J', 'N', 'L'};
// magic, the target's size, the block's offset and size, then the block and a checksum of all before
constexpr size_t kJournalHeadSize = 8 + 8 + 8 + 4;

void PutLittleEndian(std::vector<uint8_t>& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

uint64_t LittleEndianAt(std::span<const uint8_t> bytes, size_t at, int count)
{
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + size_t(i)];
    return value;
}

uint32_t Checksum(std::span<const uint8_t> bytes)
{
    return uint32_t(crc32(0, bytes.data(), uInt(bytes.size())));
}

struct JournalEntry {
    uint64_t fileSize = 0;
    uint64_t offset = 0;
    std::span<const uint8_t> block;
};

// The entry of a whole journal; nothing for one that was cut short or damaged.
std::optional<JournalEntry> EntryOf(std::span<const uint8_t> journal)
{
    if (journal.size() < kJournalHeadSize + 4 || !std::equal(kJournalMagic, kJournalMagic + 8, journal.begin()))
        return std::nullopt;
    const uint64_t blockSize = LittleEndianAt(journal, 24, 4);
    if (journal.size() != kJournalHeadSize + blockSize + 4
        || LittleEndianAt(journal, journal.size() - 4, 4) != Checksum(journal.first(journal.size() - 4)))
        return std::nullopt;
    return JournalEntry {LittleEndianAt(journal, 8, 8), LittleEndianAt(journal, 16, 8),
                         journal.subspan(kJournalHeadSize, size_t(blockSize))};
}

void DropJournal(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(QuickSaveJournalPath(path), ignored);
}

}  // namespace

std::string QuickSaveJournalPath(const std::string& path) { return path + "-journal"; }

std::vector<uint8_t> QuickSaveJournal(uint64_t fileSize, uint64_t offset, std::span<const uint8_t> block)
{
    std::vector<uint8_t> journal(kJournalMagic, kJournalMagic + sizeof kJournalMagic);
    PutLittleEndian(journal, fileSize, 8);
    PutLittleEndian(journal, offset, 8);
    PutLittleEndian(journal, block.size(), 4);
    journal.insert(journal.end(), block.begin(), block.end());
    PutLittleEndian(journal, Checksum(journal), 4);
    return journal;
}

Result<> FinishQuickSave(const std::string& path)
{
    const std::string journalPath = QuickSaveJournalPath(path);
    if (!FileExists(journalPath))
        return {};
    Result<std::vector<uint8_t>> journal = ReadFileBytes(journalPath);
    if (!journal)
        return Fail(journal.error());
    std::optional<JournalEntry> entry = EntryOf(journal.value());
    FileDescriptor file(open(path.c_str(), O_RDWR | O_CLOEXEC));
    struct stat status {};
    // A journal of another state of the file (a full save has replaced it since) is stale.
    if (entry && file.IsOpen() && fstat(file.Get(), &status) == 0 && uint64_t(status.st_size) == entry->fileSize
        && entry->offset + entry->block.size() <= entry->fileSize) {
        if (!file.WriteAt(entry->block, off_t(entry->offset)) || fsync(file.Get()) != 0 || !file.Close())
            return SystemError("Cannot write " + path);
    }
    DropJournal(path);
    return {};
}

Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode)
{
    if (Result<> finished = FinishQuickSave(path); !finished)
        return Fail(finished.error());
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    return DecodeSavedGame(bytes.value(), mode);
}

Result<> WriteSavedGame(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes)
{
    DropJournal(path);
    return WriteFileDurably(path, tempPath, bytes);
}

Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game)
{
    if (Result<> finished = FinishQuickSave(path); !finished)
        return Fail(finished.error());
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
    // The journal is whole on disk before the first byte of the file changes.
    if (Result<> journaled = WriteFileDurably(QuickSaveJournalPath(path), QuickSaveJournal(fileSize, *offset, block)); !journaled)
        return Fail(journaled.error());
    if (!file.WriteAt(block, off_t(*offset)) || fsync(file.Get()) != 0 || !file.Close())
        return SystemError("Cannot write " + path);
    DropJournal(path);
    return true;
}

}  // namespace kirvo
