// kirvo-get: fetches a jigsaw archive from a download server, or takes one from a file, and
// installs it into a jigsaws folder the way the game's download does.
//
//   kirvo-get URL --to FOLDER [--ca-file CERTIFICATES.pem]
//   kirvo-get ARCHIVE-FILE --to FOLDER
//
// A URL names an archive in a server folder of jigsaws, "http[s]://host[:port]/folder/name.ext":
// the folder's "info.dat" is read first, as the game reads it, and its extension must be the
// URL's. The jigsaw installed is name + ".ast". Prints the file names placed in FOLDER; when
// nothing was installed, prints what the player would have been told and exits with 1.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "game/FileNames.h"
#include "session/DownloadProtocol.h"
#include "session/DownloadSite.h"
#include "session/JigsawInstall.h"
#include "settings/Settings.h"
#include "settings/Translation.h"

namespace {

using namespace kirvo;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: kirvo-get URL --to FOLDER [--ca-file CERTIFICATES.pem]\n"
    "       kirvo-get ARCHIVE-FILE --to FOLDER\n";

struct Options {
    std::string source;
    std::string folder;
    std::string caFile;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--to" && i + 1 < argc)
            options.folder = argv[++i];
        else if (argument == "--ca-file" && i + 1 < argc)
            options.caFile = argv[++i];
        else if (options.source.empty() && !argument.starts_with("--"))
            options.source = argument;
        else
            return false;
    }
    return !options.source.empty() && !options.folder.empty();
}

int Report(const std::vector<std::string>& installed, const std::vector<std::string>& told)
{
    for (const std::string& jigsaw : installed)
        std::printf("%s\n", jigsaw.c_str());
    for (const std::string& text : told)
        std::fprintf(stderr, "%s\n", text.c_str());
    if (installed.empty() && told.empty())
        std::fprintf(stderr, "Nothing was installed.\n");
    return installed.empty() ? 1 : 0;
}

// The URL's parts as the download settings hold them; false when it is not such a URL.
bool SplitUrl(const std::string& url, Settings& settings, std::string& itemName, std::string& extension)
{
    const bool secure = url.starts_with("https://");
    if (!secure && !url.starts_with("http://"))
        return false;
    const std::string rest = url.substr(secure ? 8 : 7);
    const size_t hostEnd = rest.find('/');
    const size_t folderEnd = rest.rfind('/');
    if (hostEnd == std::string::npos || hostEnd == 0)
        return false;
    const fs::path file = rest.substr(folderEnd + 1);
    settings.bUseSecure = secure;
    settings.sDnSrc = rest.substr(0, hostEnd);
    settings.siteJigsawsFolder = rest.substr(hostEnd + 1, folderEnd - hostEnd);
    itemName = file.stem().string();
    extension = file.extension().string();
    return !itemName.empty() && !extension.empty();
}

int Fetch(const Options& options)
{
    Settings settings;
    std::string itemName;
    std::string extension;
    if (!SplitUrl(options.source, settings, itemName, extension)) {
        std::fprintf(stderr, "not an archive URL: %s\n%s", options.source.c_str(), kUsage);
        return 2;
    }
    DownloadSite site = DownloadSiteFromEnvironment();
    site.servers = {settings.sDnSrc, settings.sDnSrc};
    if (!options.caFile.empty())
        site.caFile = options.caFile;

    std::error_code error;
    const fs::path temp = fs::temp_directory_path() / ("kirvo-get-" + std::to_string(getpid()));
    fs::create_directories(temp, error);
    FILE_NAMES names;
    names.tempFolder = temp.string() + "/";
    names.personalJigsawsFolder = options.folder;
    Translator translator;
    std::vector<std::string> told;
    const MessageSink sink = [&told](const MessageRequest& request) {
        told.push_back(request.text);
        return MessageAnswer::No;
    };
    DownloadProtocol protocol(settings, names, translator, site, sink, nullptr);
    protocol.Activate();
    std::vector<std::string> installed;
    if (protocol.FetchServerInfo() == kInfoLoaded) {
        if (protocol.ArchiveExtension() != extension)
            told.push_back("The server's archives end in " + protocol.ArchiveExtension() + ", not " + extension);
        else if (protocol.DownloadItem(itemName, true) == ItemOutcome::Installed)
            installed = protocol.LastInstalled();
    } else if (told.empty()) {
        told.push_back("The server's information names no archive extension: " + names.lastDownloadAddress);
    }
    fs::remove_all(temp, error);
    return Report(installed, told);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!options.folder.ends_with('/'))
        options.folder += '/';
    std::error_code error;
    fs::create_directories(options.folder, error);
    if (options.source.find("://") != std::string::npos)
        return Fetch(options);
    const InstallOutcome outcome =
        InstallArchive(options.source, options.folder, fs::path(options.source).stem().string());
    const std::vector<std::string> told = outcome.installed ? std::vector<std::string>() : std::vector{outcome.message};
    return Report(outcome.jigsaws, told);
}
