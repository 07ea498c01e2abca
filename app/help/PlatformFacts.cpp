// Facts about the computer from Linux's own files, Qt and the libraries linked in.
#include "help/PlatformFacts.h"

#include <QGuiApplication>
#include <QScreen>

#include <archive.h>
#include <curl/curl.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <jpeglib.h>
#include <png.h>
#include <sstream>
#include <sys/utsname.h>
#include <zlib.h>

namespace kirvo {

namespace {

std::string ReadSmallFile(const char* path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::pair<std::string, std::string>> LibraryVersions()
{
    std::vector<std::pair<std::string, std::string>> libraries {{"Qt", qVersion()}};
#ifdef LIBJPEG_TURBO_VERSION_NUMBER
    const int jpeg = LIBJPEG_TURBO_VERSION_NUMBER;
    libraries.push_back({"libjpeg-turbo", std::to_string(jpeg / 1000000) + "." + std::to_string(jpeg / 1000 % 1000) +
                                              "." + std::to_string(jpeg % 1000)});
#else
    libraries.push_back({"libjpeg", std::to_string(JPEG_LIB_VERSION)});
#endif
    libraries.push_back({"libpng", png_get_libpng_ver(nullptr)});
    libraries.push_back({"zlib", zlibVersion()});
    libraries.push_back({"libcurl", curl_version_info(CURLVERSION_NOW)->version});
    libraries.push_back({"libarchive", archive_version_string()});
    return libraries;
}

}  // namespace

ComputerFacts GatherComputerFacts(const FILE_NAMES& names)
{
    ComputerFacts facts;
    utsname system {};
    if (uname(&system) == 0)
        facts.kernel = std::string(system.sysname) + " " + system.release + " " + system.machine;
    facts.distribution = OsReleaseName(ReadSmallFile("/etc/os-release"));
    const std::string cpu = ReadSmallFile("/proc/cpuinfo");
    facts.processor = CpuModelName(cpu);
    facts.cores = CpuCoreCount(cpu);
    const std::string memory = ReadSmallFile("/proc/meminfo");
    facts.memoryTotalKb = MemInfoKb(memory, "MemTotal");
    facts.memoryAvailableKb = MemInfoKb(memory, "MemAvailable");
    for (const QScreen* screen : QGuiApplication::screens())
        facts.screens.push_back({screen->size().width(), screen->size().height(), screen->devicePixelRatio(), screen->depth()});
    facts.libraries = LibraryVersions();
    facts.programFolder = names.programFolder;
    facts.dataFolder = names.localDataFolder;
    facts.savedGamesFolder = names.savedGamesFolder;
    std::error_code error;
    const auto space = std::filesystem::space(names.savedGamesFolder, error);
    if (!error)
        facts.savedGamesFreeBytes = space.available;
    return facts;
}

}  // namespace kirvo
