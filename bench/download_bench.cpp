// Fetching and installing a jigsaw of about 1 MB from the download tests' web server on loopback,
// against a plain libcurl fetch of the same archive into a file in the same run, and our transfer
// alone. The server (tests/support/download_server.sh) is started for the run and stopped after it.
#include <benchmark/benchmark.h>

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "session/DownloadProtocol.h"
#include "session/HttpTransfer.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

// The running server and the folders a download writes into, for the whole run.
struct BenchServer {
    fs::path root = fs::temp_directory_path() / "kirvo-download-bench";
    std::string host;
    std::string caFile;

    BenchServer()
    {
        const std::string start = std::string("bash ") + KIRVO_DOWNLOAD_SERVER_SCRIPT + " start " +
                                  (root / "server").string() + " " + KIRVO_DOWNLOAD_ROOT_TOOL;
        if (std::system(start.c_str()) != 0)
            std::abort();
        std::map<std::string, std::string> values;
        std::ifstream file(root / "server" / "server.env");
        for (std::string line; std::getline(file, line);)
            values[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        host = "127.0.0.1:" + values["HTTP_A"];
        caFile = values["CA_FILE"];
        fs::create_directories(root / "temp");
        fs::create_directories(root / "Jigsaws");
    }
    ~BenchServer()
    {
        const std::string stop = std::string("bash ") + KIRVO_DOWNLOAD_SERVER_SCRIPT + " stop " + (root / "server").string();
        if (std::system(stop.c_str()) != 0)
            std::fputs("the download server did not stop\n", stderr);
        fs::remove_all(root);
    }

    std::string Url() const { return "http://" + host + "/kirvo/jigsaws_pleo3/big-jigsaw.rar"; }
};

const BenchServer& Server()
{
    static const BenchServer server;
    return server;
}

size_t WriteToFile(char* data, size_t size, size_t count, void* file)
{
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file));
}

void BM_PlainCurl(benchmark::State& state)
{
    const std::string path = (Server().root / "temp" / "plain.rar").string();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        CURL* curl = curl_easy_init();
        curl_easy_setopt(curl, CURLOPT_URL, Server().Url().c_str());
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToFile);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        if (curl_easy_perform(curl) != CURLE_OK)
            state.SkipWithError("the plain fetch failed");
        curl_easy_cleanup(curl);
        std::fclose(file);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fs::file_size(path)));
}
BENCHMARK(BM_PlainCurl)->Unit(benchmark::kMillisecond);

void BM_Transfer(benchmark::State& state)
{
    const std::string path = (Server().root / "temp" / "transfer.rar").string();
    TransferOptions options;
    options.maxBytes = int64_t(kMaxUnpackedBytes);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (HttpGet(Server().Url(), options, file).end != TransferEnd::Finished)
            state.SkipWithError("the transfer failed");
        std::fclose(file);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fs::file_size(path)));
}
BENCHMARK(BM_Transfer)->Unit(benchmark::kMillisecond);

// The install alone, of the archive fetched once.
void BM_Install(benchmark::State& state)
{
    const std::string archive = (Server().root / "temp" / "fetched.rar").string();
    std::FILE* file = std::fopen(archive.c_str(), "wb");
    TransferOptions options;
    options.maxBytes = int64_t(kMaxUnpackedBytes);
    if (HttpGet(Server().Url(), options, file).end != TransferEnd::Finished)
        state.SkipWithError("the transfer failed");
    std::fclose(file);
    const std::string jigsaws = (Server().root / "Jigsaws").string() + "/";
    for (auto _ : state)
        if (!InstallArchive(archive, jigsaws, "big-jigsaw").installed)
            state.SkipWithError("the jigsaw was not installed");
}
BENCHMARK(BM_Install)->Unit(benchmark::kMillisecond);

void BM_DownloadAndInstall(benchmark::State& state)
{
    Settings settings;
    settings.sDnSrc = Server().host;
    FILE_NAMES names;
    names.tempFolder = (Server().root / "temp").string() + "/";
    names.personalJigsawsFolder = (Server().root / "Jigsaws").string() + "/";
    Translator translator;
    const DownloadSite site{{Server().host, Server().host}, Server().caFile, true};
    DownloadProtocol protocol(settings, names, translator, site, nullptr, nullptr);
    protocol.Activate();
    if (!protocol.FetchServerInfoWithFallback())
        state.SkipWithError("no server information");
    for (auto _ : state)
        if (protocol.DownloadItem("big-jigsaw", true) != ItemOutcome::Installed)
            state.SkipWithError("the jigsaw was not installed");
}
BENCHMARK(BM_DownloadAndInstall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
