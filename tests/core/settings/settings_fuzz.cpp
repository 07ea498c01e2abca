// Feeds arbitrary bytes to the language-file and settings-file readers: they must never crash or
// read past the input, and settings written from anything read back to the same lines.
// Built in build-sanitize/ (see the README) with its seeds named in CMakeLists.txt.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/ListFile.h"
#include "settings/LanguageFile.h"
#include "settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    kirvo::LangTable table = kirvo::ParseLanguageFile(bytes);
    (void)kirvo::LangFind(table, kirvo::LangSection::Options, "FormCaption");

    const kirvo::RecentFileFolders folders{"/j/", "/s/"};
    kirvo::ConfigLines config{kirvo::ParseListFile(bytes)};
    kirvo::WriteSettings(kirvo::ReadSettings(config, folders, false), config);
    kirvo::ConfigLines again = config;
    kirvo::WriteSettings(kirvo::ReadSettings(config, folders, false), again);
    if (again.lines != config.lines)
        std::abort();
    return 0;
}
