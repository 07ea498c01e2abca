#include "session/ThumbnailLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/files/saved_game_fixture.h"
#include "files/JigsawWriter.h"
#include "files/SavedGameFile.h"
#include "session/ListThumbnail.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using Clock = std::chrono::steady_clock;
using testing::TempFolder;

TPixelBuffer Plain(int width, int height, uint32_t colour)
{
    TPixelBuffer picture;
    PixCreate24(picture, width, height);
    PixFillRect(picture, 0, 0, width, height, colour);
    return picture;
}

std::string AsText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A jigsaw file whose preview is a width x height bitmap.
std::string JigsawBytes(int previewWidth, int previewHeight)
{
    const Bytes preview = PixEncodeBmp(Plain(previewWidth, previewHeight, MakeColour(200, 0, 0)));
    const Bytes picture = PixEncodeBmp(Plain(8, 6, MakeColour(0, 0, 200)));
    return AsText(EncodeJigsawFile({.ImageW = 8, .ImageH = 6, .preview = preview, .info = {}, .picture = picture}));
}

std::string ReadyMadeJpeg() { return AsText(PixEncodeJpeg(Plain(kListThumbWidth, kListThumbHeight, 0x808080), 90)); }

// Everything the loader makes, taken as the browser's timer would take it, until it is idle.
std::vector<ThumbnailMade> TakeAll(ThumbnailLoader& loader)
{
    std::vector<ThumbnailMade> all;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    while (loader.Busy() && Clock::now() < deadline) {
        for (ThumbnailMade& made : loader.TakeFinished())
            all.push_back(std::move(made));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_FALSE(loader.Busy()) << "the loader did not finish";
    return all;
}

TEST(ReadListPreview, PrefersTheReadyMadeThumbnailOfAJigsaw)
{
    TempFolder folder;
    const std::string thumbs = folder.Path() + "thumb/";
    const std::string tulips = folder.Write("jigsaws/Tulips.ast", JigsawBytes(3, 2));
    const std::string lake = folder.Write("jigsaws/Lake.ast", JigsawBytes(3, 2));
    const std::string missing = folder.Path() + "jigsaws/Meadow.ast";
    folder.Write("thumb/Tulips.jpg", ReadyMadeJpeg());
    folder.Write("thumb/Lake.jpg", "not a picture");
    folder.Write("thumb/Meadow.jpg", ReadyMadeJpeg());

    struct Case {
        std::string path;
        int width;  // 0: an error
    } cases[] = {
        {tulips, kListThumbWidth},
        {lake, 3},                // a ready-made thumbnail that does not decode is passed over
        {missing, kListThumbWidth},  // the jigsaw file is not opened at all
        {folder.Write("jigsaws/Bare.ast", JigsawBytes(3, 2)), 3},
    };
    for (const Case& c : cases) {
        Result<TPixelBuffer> preview = ReadListPreview(c.path, thumbs);
        ASSERT_TRUE(preview) << c.path << ": " << preview.error();
        EXPECT_EQ(preview.value().width, c.width) << c.path;
    }
}

TEST(ReadListPreview, GivesAnErrorForWhatHasNoPicture)
{
    TempFolder folder;
    SavedGame noThumbnail = SmallGame();
    PixFree(noThumbnail.thumbnail);
    const std::string jigsaw = JigsawBytes(3, 2);
    const std::string paths[] = {
        folder.Write("Cut.ast", jigsaw.substr(0, 40)),  // ends inside the preview
        folder.Write("Noise.ast", std::string(500, '\x5A')),
        folder.Write("Gone.sv1", AsText(EncodeSavedGame(noThumbnail))),
        folder.Write("Noise.sv1", "KIRVOSLV1.0 and nothing more"),
        folder.Write("Tulips.jpg", ReadyMadeJpeg()),
        folder.Path() + "Missing.ast",
    };
    for (const std::string& path : paths)
        EXPECT_FALSE(ReadListPreview(path, folder.Path())) << path;

    Result<TPixelBuffer> game = ReadListPreview(folder.Write("Game.SV1", AsText(EncodeSavedGame(SmallGame()))), "");
    ASSERT_TRUE(game) << game.error();
    EXPECT_EQ(game.value().width, SmallGame().thumbnail.width);
}

// Good files come back in order as list thumbnails, saved games with the icon; bad ones give
// nothing.
TEST(ThumbnailLoader, MakesThumbnailsOfTheFilesThatRead)
{
    TempFolder folder;
    const uint32_t iconColour = MakeColour(0, 200, 0);
    const std::vector<ThumbnailJob> jobs = {
        {folder.Write("Tulips.ast", JigsawBytes(30, 20)), "Tulips.ast"},
        {folder.Write("Broken.ast", "KIRVO1.0"), "Broken.ast"},
        {folder.Write("Game.sv1", AsText(EncodeSavedGame(SmallGame()))), "Game.sv1"},
        {folder.Write("Broken.sv1", "x"), "Broken.sv1"},
        {folder.Path() + "Missing.ast", "Missing.ast"},
    };
    ThumbnailLoader loader(folder.Path() + "thumb/", Plain(16, 16, iconColour));
    loader.Start(jobs);
    const std::vector<ThumbnailMade> made = TakeAll(loader);

    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].fileName, "Tulips.ast");
    EXPECT_EQ(made[1].fileName, "Game.sv1");
    for (const ThumbnailMade& thumbnail : made) {
        EXPECT_EQ(thumbnail.image.width, kListThumbWidth);
        EXPECT_EQ(thumbnail.image.height, kListThumbHeight);
    }
    // The 30 x 20 preview sits at (75, 57); the saved game's 3 x 2 at (88, 66).
    EXPECT_NE(PixGetPixel(made[0].image, 74, 56), iconColour);
    EXPECT_EQ(PixGetPixel(made[1].image, 87, 65), iconColour);
}

// The same file with a large preview under many names: a few milliseconds a job, far longer than
// the tests allow for the whole list.
std::vector<ThumbnailJob> SlowJobs(const TempFolder& folder)
{
    const std::string path = folder.Write("Large.ast", JigsawBytes(2400, 1800));
    std::vector<ThumbnailJob> jobs;
    for (int i = 0; i < 2000; ++i)
        jobs.push_back({path, "Large" + std::to_string(i) + ".ast"});
    return jobs;
}

TEST(ThumbnailLoader, StopDropsTheQueueAndWaitsOnlyForTheJobInHand)
{
    TempFolder folder;
    ThumbnailLoader loader(folder.Path(), {});
    loader.Start(SlowJobs(folder));
    std::vector<ThumbnailMade> made;
    while (made.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        made = loader.TakeFinished();
    }

    const Clock::time_point before = Clock::now();
    loader.Stop();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(2));
    EXPECT_LE(loader.TakeFinished().size(), 2u);  // at most one finished meanwhile, and the one in hand
    EXPECT_FALSE(loader.Busy());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(loader.TakeFinished().empty());
}

// A new list replaces what was queued: of the old list only the job in hand still comes back.
TEST(ThumbnailLoader, StartReplacesTheQueue)
{
    TempFolder folder;
    ThumbnailLoader loader(folder.Path(), {});
    loader.Start(SlowJobs(folder));
    loader.Start({{folder.Write("Tulips.ast", JigsawBytes(30, 20)), "Tulips.ast"}});
    const std::vector<ThumbnailMade> made = TakeAll(loader);
    ASSERT_FALSE(made.empty());
    EXPECT_LE(made.size(), 2u);
    EXPECT_EQ(made.back().fileName, "Tulips.ast");
}

// Ending the loader in the middle of a long list neither waits for the list nor leaves the
// worker running.
TEST(ThumbnailLoader, EndsPromptlyWhileBusy)
{
    TempFolder folder;
    std::vector<ThumbnailJob> jobs = SlowJobs(folder);
    const Clock::time_point before = Clock::now();
    {
        ThumbnailLoader loader(folder.Path(), {});
        loader.Start(std::move(jobs));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(2));
}

}  // namespace
}  // namespace kirvo
