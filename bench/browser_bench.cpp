// The jigsaw browser's list thumbnails: making one of a 1920 x 1200 jigsaw file read from disk, and
// of a 180 x 135 ready-made JPEG; the first screen of a folder of 200 jigsaws, from listing the
// folder until the loader has delivered 20 thumbnails; and how long the browser's own calls into
// the loader take while it is busy, since the browser must answer the player within 50 ms; and
// the whole answer of the browser dialog to a key that moves to the next jigsaw while its
// thumbnails are being made.
//
// The jigsaw is a photo of the sample set scaled to 1920 x 1200, made as the packing tool makes
// one: the picture a JPEG of quality 92, the preview the picture fitted into 240 x 180 (240 x 150)
// as a JPEG of quality 85. The files are freshly written, so they are read from the system's
// cache, not from the disk itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "base/Folders.h"
#include "browser/JigsawBrowserDialog.h"
#include "browser/ThumbnailGrid.h"
#include "files/JigsawWriter.h"
#include "session/GameSession.h"
#include "session/ListThumbnail.h"
#include "session/ThumbnailLoader.h"

namespace kirvo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1200;
constexpr int kFolderSize = 200;
constexpr int kFirstScreen = 20;

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TPixelBuffer Scaled(const TPixelBuffer& picture, int width, int height)
{
    TPixelBuffer scaled;
    PixCreate24(scaled, width, height);
    PixScale(scaled, picture);
    return scaled;
}

// A folder of the temporary folder, written once per run and removed at its end:
//   Single.ast               the jigsaw
//   jigsaws/Jigsaw000.ast …  the same jigsaw under 200 names
//   thumb/Ready.jpg          the ready-made thumbnail of a jigsaw "Ready.ast"
struct BenchFolder {
    std::filesystem::path root = std::filesystem::temp_directory_path() / "kirvo-browser-bench";

    BenchFolder()
    {
        TPixelBuffer photo;
        Result<std::vector<uint8_t>> bytes = ReadFileBytes(KIRVO_SAMPLE_PHOTO);
        if (!bytes || !PixLoadPicture(photo, bytes.value()))
            std::abort();
        const TPixelBuffer picture = Scaled(photo, kWidth, kHeight);
        const std::vector<uint8_t> pictureJpeg = PixEncodeJpeg(picture, 92);
        const std::vector<uint8_t> previewJpeg = PixEncodeJpeg(Scaled(picture, 240, 150), 85);
        const std::string info = "\xEF\xBB\xBF" "Forest stream\r\n";
        const std::vector<uint8_t> jigsaw = EncodeJigsawFile(
            {.ImageW = kWidth, .ImageH = kHeight, .headerTag = 0, .preview = previewJpeg,
             .info = std::span(reinterpret_cast<const uint8_t*>(info.data()), info.size()), .picture = pictureJpeg});

        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "jigsaws");
        std::filesystem::create_directories(root / "thumb");
        WriteBytes(root / "Single.ast", jigsaw);
        for (int i = 0; i < kFolderSize; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Jigsaw%03d.ast", i);
            WriteBytes(root / "jigsaws" / name, jigsaw);
        }
        WriteBytes(root / "thumb" / "Ready.jpg", PixEncodeJpeg(Scaled(photo, kListThumbWidth, kListThumbHeight), 85));
    }
    ~BenchFolder() { std::filesystem::remove_all(root); }

    std::string Path(const char* relative) const { return (root / relative).string(); }
    std::string JigsawsFolder() const { return Path("jigsaws") + "/"; }
    std::string ThumbnailFolder() const { return Path("thumb") + "/"; }
};

const BenchFolder& Folder()
{
    static const BenchFolder folder;
    return folder;
}

// The loader's jobs for what the browser lists of the folder.
std::vector<ThumbnailJob> ListJigsaws(const std::string& folder)
{
    std::vector<ThumbnailJob> jobs;
    for (std::string& name : ListFilesByExtension(folder, ".ast"))
        jobs.push_back({folder + name, std::move(name)});
    return jobs;
}

void MakeListThumbnail(benchmark::State& state, const std::string& path, const std::string& thumbnailFolder)
{
    for (auto _ : state) {
        Result<TPixelBuffer> preview = ReadListPreview(path, thumbnailFolder);
        if (!preview) {
            state.SkipWithError(preview.error().c_str());
            break;
        }
        benchmark::DoNotOptimize(RenderListThumbnail(preview.value(), nullptr));
    }
}

void BM_ListThumbnailOfJigsaw(benchmark::State& state)
{
    MakeListThumbnail(state, Folder().Path("Single.ast"), Folder().ThumbnailFolder());
    state.counters["file_bytes"] = double(std::filesystem::file_size(Folder().Path("Single.ast")));
}
BENCHMARK(BM_ListThumbnailOfJigsaw)->Unit(benchmark::kMicrosecond);

void BM_ListThumbnailFromReadyMadeJpeg(benchmark::State& state)
{
    MakeListThumbnail(state, Folder().Path("Ready.ast"), Folder().ThumbnailFolder());
    state.counters["file_bytes"] = double(std::filesystem::file_size(Folder().Path("thumb/Ready.jpg")));
}
BENCHMARK(BM_ListThumbnailFromReadyMadeJpeg)->Unit(benchmark::kMicrosecond);

// Waits, polling as often as a timer could, until the loader has delivered count thumbnails.
bool AwaitThumbnails(ThumbnailLoader& loader, int count)
{
    int delivered = 0;
    while (delivered < count) {
        if (!loader.Busy())
            return false;
        delivered += int(loader.TakeFinished().size());
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

// The loader lives for the run; each pass opens the browser on the folder afresh.
void BM_FirstScreenOf200Jigsaws(benchmark::State& state)
{
    const std::string folder = Folder().JigsawsFolder();
    ThumbnailLoader loader(Folder().ThumbnailFolder(), {});
    for (auto _ : state) {
        loader.Start(ListJigsaws(folder));
        if (!AwaitThumbnails(loader, kFirstScreen))
            state.SkipWithError("the loader gave fewer thumbnails than a screen");
        state.PauseTiming();
        loader.Stop();
        (void)loader.TakeFinished();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstScreenOf200Jigsaws)->UseRealTime()->Unit(benchmark::kMillisecond);

// The times of one kind of call, in milliseconds.
struct CallTimes {
    std::vector<double> times;

    template <typename Call>
    void Time(Call call)
    {
        const Clock::time_point before = Clock::now();
        call();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }

    void Report(benchmark::State& state, const std::string& name)
    {
        std::sort(times.begin(), times.end());
        state.counters[name + "_median_ms"] = times[times.size() / 2];
        state.counters[name + "_max_ms"] = times.back();
    }
};

// The browser's side while the loader works through the folder: a Start, TakeFinished as its
// timer calls it, and a Stop at some moment within a job. Every call is timed; the counters give
// the median and the slowest of each kind, in milliseconds. The pass's own time is mostly the
// waiting between calls.
void BM_GuiCallsWhileLoading(benchmark::State& state)
{
    const std::vector<ThumbnailJob> jobs = ListJigsaws(Folder().JigsawsFolder());
    ThumbnailLoader loader(Folder().ThumbnailFolder(), {});
    CallTimes start, take, stop;
    int pass = 0;
    for (auto _ : state) {
        std::vector<ThumbnailJob> list = jobs;
        start.Time([&] { loader.Start(std::move(list)); });
        for (int poll = 0; poll < 10; ++poll) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            take.Time([&] { benchmark::DoNotOptimize(loader.TakeFinished()); });
        }
        // A different moment of the job in hand each pass.
        std::this_thread::sleep_for(std::chrono::microseconds(37 * (pass++ % 11)));
        stop.Time([&] { loader.Stop(); });
        (void)loader.TakeFinished();
    }
    start.Report(state, "Start");
    take.Report(state, "TakeFinished");
    stop.Report(state, "Stop");
}
BENCHMARK(BM_GuiCallsWhileLoading)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(200);

class NoHost : public SessionHost {
public:
    std::optional<std::string> ChooseSaveName() override { return std::nullopt; }
    void ProgressChanged() override {}
};

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "browser_bench";
    static char* argv[] = {name, nullptr};
    static bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    (void)offscreen;
    return application;
}

// The browser dialog opened on the folder of 200 jigsaws with an empty thumbnail cache; each pass
// is one Right key on the jigsaw list: the next jigsaw is read and previewed, its choices and
// sample piece are shown, and the events that came meanwhile (the loader timer's) are handled.
// The counters give the median and slowest answer, and how many thumbnails the loader had made by
// the end: the first passes ran while the cache was filling.
void BM_DialogAnswersAKeyWhileThumbnailsLoad(benchmark::State& state)
{
    Application();
    FILE_NAMES names;
    names.personalJigsawsFolder = Folder().JigsawsFolder();
    names.savedGamesFolder = Folder().ThumbnailFolder();
    names.jigsawExtension = ".ast";
    names.savedGameExtension = ".sv1";
    Translator translator;
    NoHost host;
    GameSession session(names, translator, {}, host, 1);
    JigsawBrowserDialog dialog(session.Browser(), translator, {}, "", Folder().ThumbnailFolder(), nullptr);
    QTimer::singleShot(0, [&] {
        ThumbnailGrid* jigsaws = dialog.Grid(BrowserPage::Jigsaws);
        CallTimes answers;
        for (auto _ : state) {
            answers.Time([&] {
                QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
                QCoreApplication::sendEvent(jigsaws, &right);
                QCoreApplication::processEvents();
            });
        }
        answers.Report(state, "answer");
        int made = 0;
        for (int i = 0; i < jigsaws->count(); ++i)
            made += session.Browser().Thumbnails().Has(jigsaws->item(i)->text().toStdString() + ".ast");
        state.counters["thumbnails_made"] = made;
        dialog.reject();
    });
    (void)dialog.Choose(BrowserMode::Open, "", {1600, 1000});
}
BENCHMARK(BM_DialogAnswersAKeyWhileThumbnailsLoad)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
