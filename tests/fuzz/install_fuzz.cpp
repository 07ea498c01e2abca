// Feeds arbitrary bytes to everything that reads what a download server sends: as info.dat, as
// an error page, as an archive entry's name, and as an archive that is installed into a scratch
// jigsaws folder. Nothing may crash, and nothing may be written outside the jigsaws folder or
// left behind in the staging folder's place. Built in build-sanitize/ (see the README) with its
// seeds named in CMakeLists.txt.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "session/ArchiveEntryName.h"
#include "session/ErrorPage.h"
#include "session/JigsawInstall.h"
#include "session/Rar4Listing.h"
#include "session/ServerInfo.h"

namespace fs = std::filesystem;

namespace {

// game/Jigsaws/ and download/ in a fresh folder, removed when the fuzzer ends.
class Scratch {
public:
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "install-fuzz-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        fs::create_directories(root_ / "game/Jigsaws");
        fs::create_directories(root_ / "download");
    }
    ~Scratch() { fs::remove_all(root_); }

    std::string Archive() const { return (root_ / "download/tulips.rar").string(); }
    std::string Jigsaws() const { return (root_ / "game/Jigsaws/").string(); }

    // Everything below the root other than the archive and the two folders must be an installed
    // jigsaw; those are removed for the next input.
    void CheckAndClear() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            const fs::path relative = fs::relative(entry.path(), root_);
            if (relative == "game" || relative == "download" || relative == "game/Jigsaws" || relative == "download/tulips.rar")
                continue;
            if (relative.parent_path() != "game/Jigsaws" || !entry.is_regular_file())
                abort();
        }
        for (const auto& entry : fs::directory_iterator(root_ / "game/Jigsaws"))
            fs::remove(entry.path());
    }

private:
    fs::path root_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Scratch scratch;
    std::span<const uint8_t> bytes(data, size);
    std::string_view text(reinterpret_cast<const char*>(data), size);

    (void)kirvo::ParseServerInfo(text);
    (void)kirvo::LooksLikeHtml(bytes);
    (void)kirvo::ErrorPageMessageOf(text, "http://example.org/kirvo/jigsaws_pleo3/tulips.rar");
    (void)kirvo::InstalledJigsawName(text);
    (void)kirvo::ListRar4Files(bytes);

    std::ofstream(scratch.Archive(), std::ios::binary | std::ios::trunc).write(text.data(), std::streamsize(text.size()));
    kirvo::InstallOutcome outcome = kirvo::InstallArchive(scratch.Archive(), scratch.Jigsaws(), "tulips");
    if (outcome.installed != outcome.message.empty())
        abort();
    scratch.CheckAndClear();
    return 0;
}
