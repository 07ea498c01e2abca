#include "files/SavedGameFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "core/files/saved_game_fixture.h"
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

}  // namespace
}  // namespace kirvo
