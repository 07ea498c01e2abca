#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "base/Folders.h"
#include "core/files/saved_game_fixture.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

TEST(SavedGameFile, SecondSaveOfOneGameRewritesOnlyThePlayState)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "game.sv1";
    SavedGame game = SmallGame();
    const Bytes first = EncodeSavedGame(game);
    ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", first));

    game.pieces[1].x += 50;
    game.pieces[0].group = 2;
    game.pockets[3].open = true;
    game.backgrounds[4] = 0x123456;
    game.weightedPiece = -1;
    Result<bool> saved = QuickSaveGame(path, game);
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_TRUE(saved.value());

    const Bytes second = ReadFileBytes(path).value();
    const size_t state = Layout(first).state;
    ASSERT_EQ(second.size(), first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + long(state), second.begin()));
    EXPECT_EQ(Bytes(second.begin() + long(state), second.end()), EncodePlayState(game));
    Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value().pieces, game.pieces);
    EXPECT_EQ(read.value().weightedPiece, -1);
}

TEST(SavedGameFile, QuickSaveLeavesAnyOtherFileAlone)
{
    struct Case {
        const char* name;
        std::function<void(SavedGame&)> change;  // the game the file holds
        std::function<void(Bytes&, const Layout&)> spoil;
    } cases[] = {
        {"other seed", [](SavedGame& g) { g.seed += 1; }, {}},
        {"same seed, other piece count", {}, [](Bytes& f, const Layout& l) { PutI32(f, l.descriptor + 44, 2); }},
        {"same seed, other picture width", [](SavedGame& g) { g.descriptor.ImageW = 13; }, {}},
        {"no trailer", {}, [](Bytes& f, const Layout& l) { f.resize(l.Trailer()); }},
        {"play-state offset elsewhere", {}, [](Bytes& f, const Layout& l) { PutI32(f, 15, int32_t(l.state - 1)); }},
        {"play-state offset in the descriptor", {},
         [](Bytes& f, const Layout& l) {
             f.erase(f.begin() + long(l.thumbnail), f.begin() + long(l.state) + 60);
             PutI32(f, 15, int32_t(l.thumbnail - 60));
         }},
        {"not a saved game", {}, [](Bytes& f, const Layout&) { f.assign(5, 'x'); }},
    };
    testing::TempFolder folder;
    const SavedGame game = SmallGame();
    for (const Case& c : cases) {
        SavedGame stored = SmallGame();
        if (c.change)
            c.change(stored);
        const Bytes whole = EncodeSavedGame(stored);
        Bytes file = whole;
        if (c.spoil)
            c.spoil(file, Layout(whole));
        const std::string path = folder.Path() + c.name + ".sv1";
        ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", file));
        Result<bool> saved = QuickSaveGame(path, game);
        ASSERT_TRUE(saved) << c.name << ": " << saved.error();
        EXPECT_FALSE(saved.value()) << c.name;
        EXPECT_EQ(ReadFileBytes(path).value(), file) << c.name;
    }
    Result<bool> missing = QuickSaveGame(folder.Path() + "missing.sv1", game);
    ASSERT_TRUE(missing) << missing.error();
    EXPECT_FALSE(missing.value());
    EXPECT_FALSE(FileExists(folder.Path() + "missing.sv1"));
    EXPECT_FALSE(QuickSaveGame(folder.Path(), game)) << "a folder cannot be opened for writing";
}

TEST(SavedGameFile, FailedDurableWriteLeavesTheTargetAndNoTempFile)
{
    testing::TempFolder folder;
    const Bytes bytes = {1, 2, 3};
    const std::string path = folder.Write("game.sv1", "old");
    const std::string busy = folder.Write("taken/inside", "old");
    struct Case {
        std::string target;
        std::string temp;
        const char* problem;
    } cases[] = {
        {path, folder.Path() + "missing/kirvo.svt", "cannot create"},
        {folder.Path() + "taken", folder.Path() + "kirvo.svt", "cannot replace"},
    };
    for (const Case& c : cases) {
        Result<> written = WriteFileDurably(c.target, c.temp, bytes);
        ASSERT_FALSE(written) << c.problem;
        EXPECT_NE(written.error().find(c.problem), std::string::npos) << written.error();
        EXPECT_FALSE(FileExists(c.temp)) << c.problem;
    }
    EXPECT_EQ(testing::ReadText(path), "old");
    EXPECT_EQ(testing::ReadText(busy), "old");

    ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", bytes));
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_FALSE(FileExists(folder.Path() + "kirvo.svt"));
}

// Games of some 470 KB, so that a write takes long enough to be interrupted.
SavedGame LargeGame(int shade)
{
    SavedGame game = SmallGame();
    game.descriptor.ImageW = 320;
    game.descriptor.ImageH = 240;
    game.picture = Picture(320, 240, [shade](int x, int y) { return MakeColour(shade, x & 0xFF, y); });
    game.mask = Picture(325, 245, [shade](int x, int) { return MakeColour(128, 0, x / 40 + shade); });
    game.pieces[0].x = shade;
    return game;
}

TEST(SavedGameFile, WriterKilledAtAnyMomentLeavesOneWholeSave)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "autosaved.sv1";
    const std::string temp = folder.Path() + "kirvo.svt";
    const Bytes versions[2] = {EncodeSavedGame(LargeGame(1)), EncodeSavedGame(LargeGame(2))};
    ASSERT_TRUE(WriteFileDurably(path, temp, versions[0]));
    for (int delay : {1, 3, 7, 15, 31}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int k = 1;; k ^= 1)
                (void)WriteFileDurably(path, temp, versions[k]);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));

        const std::optional<Bytes> left = ReadFileBytes(path);
        ASSERT_TRUE(left) << "killed after " << delay << " ms";
        EXPECT_TRUE(*left == versions[0] || *left == versions[1]) << "killed after " << delay << " ms";
        Result<SavedGame> read = DecodeSavedGame(*left, SavedGameReadMode::Start);
        EXPECT_TRUE(read) << read.error();
    }
}

}  // namespace
}  // namespace kirvo
