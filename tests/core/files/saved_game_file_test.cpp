#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "core/files/saved_game_fixture.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

TEST(SavedGameFile, AFileThatCannotBeReadGivesTheReason)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "missing.sv1";
    Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Select);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), "Cannot read " + path + ": No such file or directory");
}

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

// A quick save stopped anywhere: its journal cut short, or whole with the block in the file
// half written or not at all. Read back, the file holds the old state or the new one.
TEST(SavedGameFile, AnInterruptedQuickSaveReadsBackWholeOldOrNew)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "game.sv1";
    const SavedGame before = SmallGame();
    SavedGame after = SmallGame();
    after.pieces[0].x += 40;
    after.pieces[2].group = 0;
    const Bytes old = EncodeSavedGame(before);
    const size_t state = Layout(old).state;
    const Bytes block = EncodePlayState(after);
    const Bytes journal = QuickSaveJournal(old.size(), state, block);
    auto halfWritten = [&] {
        Bytes file = old;
        std::copy(block.begin(), block.begin() + long(block.size() / 2), file.begin() + long(state));
        return file;
    };
    Bytes damaged = journal;
    damaged[journal.size() / 2] ^= 1;
    struct Case {
        const char* when;
        Bytes file;
        Bytes journal;
        const SavedGame* reads;
    } cases[] = {
        {"journal begun", old, Bytes(journal.begin(), journal.begin() + 20), &before},
        {"journal nearly whole", old, Bytes(journal.begin(), journal.end() - 1), &before},
        {"journal damaged", old, damaged, &before},
        {"journal whole, file untouched", old, journal, &after},
        {"journal whole, block half written", halfWritten(), journal, &after},
        {"journal of an older file", EncodeSavedGame(after), QuickSaveJournal(old.size() + 1, state, block), &after},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        ASSERT_TRUE(WriteFileDurably(path, c.file));
        ASSERT_TRUE(WriteFileDurably(QuickSaveJournalPath(path), c.journal));
        Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Start);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read.value().pieces, c.reads->pieces);
        EXPECT_FALSE(FileExists(QuickSaveJournalPath(path)));
    }
}

// The state of save number `i` of a large game: every piece somewhere else.
SavedGame LargeGame(int i)
{
    SavedGame game = SmallGame();
    const int count = 4000;
    game.descriptor.TileNum = game.descriptor.TotalTileNum = count;
    game.pieces.resize(count, game.pieces[0]);
    for (int k = 0; k < count; ++k) {
        game.pieces[size_t(k)].x = i * 3 + k % 50;
        game.pieces[size_t(k)].y = i + k / 50;
        game.pieces[size_t(k)].group = k;
    }
    return game;
}

// A process saving a large game over and over, full and quick saves, is killed at thirty moments
// (more on a machine so busy that no quick save was made by then): each time, the file reads back
// as one of the states it saved, whole.
TEST(SavedGameFile, ASaverKilledAtAnyMomentLeavesAStateItSaved)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "game.sv1";
    const std::string temp = folder.Path() + "kirvo.svt";
    ASSERT_TRUE(WriteSavedGame(path, temp, EncodeSavedGame(LargeGame(0))));
    std::mt19937 moments(20261210);
    int quickSaves = 0;
    for (int round = 0; round < 30 || (quickSaves == 0 && round < 300); ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1;; ++i) {
                const SavedGame game = LargeGame(i);
                if (i % 5 == 0)
                    (void)WriteSavedGame(path, temp, EncodeSavedGame(game));
                else
                    (void)QuickSaveGame(path, game);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + moments() % 40000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        Result<SavedGame> read = ReadSavedGame(path, SavedGameReadMode::Start);
        ASSERT_TRUE(read) << "round " << round << ": " << read.error();
        const int i = (read.value().pieces[0].x) / 3;
        EXPECT_EQ(read.value().pieces, LargeGame(i).pieces) << "round " << round << " holds a mix";
        quickSaves += i % 5 != 0;
    }
    EXPECT_GT(quickSaves, 0);
}

// On a full disk neither kind of save touches the game already on disk or leaves a file behind,
// and each says why.
TEST(SavedGameFile, SavesOnAFullDiskKeepTheOldGameAndSayWhy)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "game.sv1";
    const std::string temp = folder.Path() + "kirvo.svt";
    const Bytes old = EncodeSavedGame(LargeGame(1));
    ASSERT_TRUE(WriteSavedGame(path, temp, old));
    Result<bool> quick = true;
    Result<> full;
    {
        testing::FileSizeLimit fullDisk(old.size() / 4);
        quick = QuickSaveGame(path, LargeGame(2));
        full = WriteSavedGame(path, temp, EncodeSavedGame(LargeGame(3)));
    }
    ASSERT_FALSE(quick);
    EXPECT_NE(quick.error().find("File too large"), std::string::npos) << quick.error();
    ASSERT_FALSE(full);
    EXPECT_NE(full.error().find("File too large"), std::string::npos) << full.error();
    EXPECT_EQ(ReadFileBytes(path).value(), old);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string> {"game.sv1"});
}

}  // namespace
}  // namespace kirvo
