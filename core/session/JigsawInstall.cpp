#include "session/JigsawInstall.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <span>

#include "base/DurableFile.h"
#include "base/FileDescriptor.h"
#include "base/Folders.h"
#include "base/Result.h"
#include "files/JigsawFile.h"
#include "session/ArchiveEntryName.h"
#include "session/Rar4Listing.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

const std::string kHeaderBroken = "RARReadHeader error - File header broken";

std::string OpenMessage(InstallCode code) { return "RAROpenArchive error - " + std::to_string(int(code)); }
std::string ProcessMessage(InstallCode code) { return "RARProcessFile error - " + std::to_string(int(code)); }
Error ProcessError(InstallCode code) { return Fail(ProcessMessage(code)); }

// The archive library converts entry names through the locale of the calling thread, and under
// the "C" locale it gives no name at all for a UTF-8 one. So this thread reads names in a UTF-8
// locale while it unpacks, whatever the program's locale is.
class Utf8Names {
public:
    Utf8Names() : locale_(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr)))
    {
        if (locale_)
            previous_ = uselocale(locale_);
    }
    ~Utf8Names()
    {
        if (locale_) {
            uselocale(previous_);
            freelocale(locale_);
        }
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    locale_t locale_;
    locale_t previous_ = nullptr;
};

// A fresh folder of a unique name, removed with everything in it when it goes out of scope.
class StagingFolder {
public:
    explicit StagingFolder(const fs::path& parent)
    {
        std::string pattern = (parent / ".unpacking-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~StagingFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool Made() const { return !path_.empty(); }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

using ReadArchive = std::unique_ptr<archive, decltype(&archive_read_free)>;
using WriteArchive = std::unique_ptr<archive, decltype(&archive_write_free)>;

Result<> CheckEntry(archive_entry* entry, const Rar4FileRecord* record)
{
    const char* name = archive_entry_pathname_utf8(entry);
    const mode_t type = archive_entry_filetype(entry);
    if (!name || !IsSafeEntryName(name) || archive_entry_hardlink(entry) || archive_entry_symlink(entry)
        || (type != AE_IFREG && type != AE_IFDIR))
        return ProcessError(InstallCode::RefusedEntry);
    const int64_t size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    if (size < 0 || uint64_t(size) > kMaxJigsawBytes || (record && record->unpackedSize > kMaxJigsawBytes))
        return ProcessError(InstallCode::TooLarge);
    return {};
}

// Reads the data of the current file entry, writing it to disk and keeping it in kept when given,
// and checks it against the RAR 4 header, or else against the size the library declares.
Result<> CopyData(archive* reader, archive* disk, archive_entry* entry, const Rar4FileRecord* record, uint64_t& total,
                  std::vector<uint8_t>* kept = nullptr)
{
    uLong crc = crc32(0, nullptr, 0);
    uint64_t size = 0;
    for (;;) {
        const void* block = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(reader, &block, &length, &offset);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK || offset < 0 || uint64_t(offset) != size)
            return ProcessError(InstallCode::BadData);
        size += length;
        total += length;
        if (size > kMaxJigsawBytes || total > kMaxUnpackedBytes)
            return ProcessError(InstallCode::TooLarge);
        crc = crc32_z(crc, static_cast<const Bytef*>(block), length);
        if (disk && archive_write_data_block(disk, block, length, offset) != ARCHIVE_OK)
            return ProcessError(InstallCode::CannotWrite);
        if (kept)
            kept->insert(kept->end(), static_cast<const uint8_t*>(block), static_cast<const uint8_t*>(block) + length);
    }
    const bool matches = record ? size == record->unpackedSize && crc == record->crc
                                : !archive_entry_size_is_set(entry) || size == uint64_t(archive_entry_size(entry));
    if (!matches)
        return ProcessError(InstallCode::BadData);
    return {};
}

// A jigsaw written into the staging folder: the name it is to be installed under and its bytes.
struct StagedJigsaw {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Unpacks the archive's top-level jigsaws into the staging folder, in archive order.
Result<std::vector<StagedJigsaw>> Unpack(std::span<const uint8_t> bytes, const Rar4Listing& listing,
                                         const StagingFolder& staging, const std::string& itemJigsaw)
{
    ReadArchive reader(archive_read_new(), archive_read_free);
    WriteArchive disk(archive_write_disk_new(), archive_write_free);
    if (!reader || !disk)
        return Fail(OpenMessage(InstallCode::CannotOpen));
    archive_read_support_format_rar(reader.get());
    archive_read_support_format_rar5(reader.get());
    if (archive_read_open_memory(reader.get(), bytes.data(), bytes.size()) != ARCHIVE_OK)
        return Fail(OpenMessage(InstallCode::BadArchive));
    // Our own checks refuse absolute names before the library sees them, and the library is only
    // given staging paths, which are absolute: so no ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS.
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS);

    std::vector<StagedJigsaw> staged;
    uint64_t total = 0;
    for (size_t index = 0;; ++index) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        // The library and the listing must see the same file headers.
        if (status == ARCHIVE_EOF && listing.isRar4 && index != listing.files.size())
            return Fail(kHeaderBroken);
        if (status == ARCHIVE_EOF)
            return staged;
        if (status < ARCHIVE_WARN || (listing.isRar4 && index >= listing.files.size()))
            return Fail(kHeaderBroken);
        const Rar4FileRecord* record = listing.isRar4 ? &listing.files[index] : nullptr;
        if (Result<> checked = CheckEntry(entry, record); !checked)
            return Fail(checked.error());
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;

        std::string name = InstalledJigsawName(archive_entry_pathname_utf8(entry));
        if (name.empty()) {
            if (Result<> read = CopyData(reader.get(), nullptr, entry, record, total); !read)
                return Fail(read.error());
            continue;
        }
        if (SameNameIgnoringCase(name, itemJigsaw))
            name = itemJigsaw;
        if (std::any_of(staged.begin(), staged.end(), [&name](const StagedJigsaw& jigsaw) { return jigsaw.name == name; }))
            return ProcessError(InstallCode::RefusedEntry);
        archive_entry_copy_pathname(entry, staging.File(name).c_str());
        archive_entry_set_perm(entry, 0644);
        if (archive_write_header(disk.get(), entry) != ARCHIVE_OK)
            return ProcessError(InstallCode::CannotWrite);
        StagedJigsaw jigsaw {std::move(name), {}};
        if (record)  // a stored entry is as large as its header says, never larger than the archive
            jigsaw.bytes.reserve(size_t(std::min<uint64_t>(record->unpackedSize, bytes.size())));
        if (Result<> copied = CopyData(reader.get(), disk.get(), entry, record, total, &jigsaw.bytes); !copied)
            return Fail(copied.error());
        if (archive_write_finish_entry(disk.get()) != ARCHIVE_OK)
            return ProcessError(InstallCode::CannotWrite);
        staged.push_back(std::move(jigsaw));
    }
}

// Reads the bytes of the staged jigsaw at path as the browser and a new game do, and flushes the
// file to disk before it is renamed into the jigsaws folder.
Result<> CheckJigsaw(const std::string& path, std::span<const uint8_t> bytes)
{
    if (!DecodeJigsawFile(bytes, JigsawReadMode::Thumbnail) || !DecodeJigsawFile(bytes, JigsawReadMode::Start))
        return ProcessError(InstallCode::NotAJigsaw);
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen() || fsync(file.Get()) != 0)
        return ProcessError(InstallCode::CannotWrite);
    return {};
}

InstallOutcome Failed(std::string message) { return InstallOutcome{false, {}, std::move(message)}; }

}  // namespace

InstallOutcome InstallArchive(const std::string& archivePath, const std::string& jigsawsFolder,
                              const std::string& itemName)
{
    std::error_code error;
    const uintmax_t archiveSize = fs::file_size(archivePath, error);
    if (error)
        return Failed(OpenMessage(InstallCode::CannotOpen));
    if (archiveSize > kMaxUnpackedBytes)
        return Failed(OpenMessage(InstallCode::TooLarge));
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(archivePath);
    if (!bytes)
        return Failed(OpenMessage(InstallCode::CannotOpen));

    const Rar4Listing listing = ListRar4Files(bytes.value());
    switch (listing.damage) {
    case Rar4Damage::None:
        break;
    case Rar4Damage::HeaderBroken:
        return Failed(kHeaderBroken);
    case Rar4Damage::DataTruncated:
        return Failed(ProcessMessage(InstallCode::BadData));
    case Rar4Damage::Unsupported:
        return Failed(OpenMessage(InstallCode::BadArchive));
    }

    // The staging folder lies beside the jigsaws folder, on its file system; the real path, as
    // the library refuses to write through a folder reached by a symbolic link.
    const fs::path folder = fs::canonical(jigsawsFolder, error);
    if (error || !fs::is_directory(folder, error))
        return Failed(ProcessMessage(InstallCode::CannotWrite));
    StagingFolder staging(folder.parent_path());
    if (!staging.Made())
        return Failed(ProcessMessage(InstallCode::CannotWrite));

    const std::string itemJigsaw = itemName + ".ast";
    Result<std::vector<StagedJigsaw>> staged = [&] {
        Utf8Names utf8;
        return Unpack(bytes.value(), listing, staging, itemJigsaw);
    }();
    if (!staged)
        return Failed(staged.error());
    std::vector<std::string> names;
    for (const StagedJigsaw& jigsaw : staged.value())
        names.push_back(jigsaw.name);
    auto item = std::find(names.begin(), names.end(), itemJigsaw);
    if (item == names.end())
        return Failed(ProcessMessage(InstallCode::JigsawMissing));
    for (const StagedJigsaw& jigsaw : staged.value())
        if (Result<> checked = CheckJigsaw(staging.File(jigsaw.name), jigsaw.bytes); !checked)
            return Failed(checked.error());

    // The item's jigsaw goes last: when it is installed, so is everything else.
    std::rotate(item, item + 1, names.end());
    InstallOutcome outcome;
    for (const std::string& name : names) {
        if (rename(staging.File(name).c_str(), (folder / name).c_str()) != 0) {
            outcome.message = ProcessMessage(InstallCode::CannotWrite);
            break;
        }
        outcome.jigsaws.push_back(name);
    }
    outcome.installed = outcome.message.empty();
    FlushFolderOf((folder / itemJigsaw).string());
    return outcome;
}

}  // namespace kirvo
