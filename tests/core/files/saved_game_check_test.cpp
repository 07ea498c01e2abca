#include "files/SavedGameCheck.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "files/SavedGameFile.h"

namespace kirvo {
namespace {

// A game the game itself saved: 17 pieces of a 64 x 48 picture, with a frame and turned pieces.
SavedGame Played()
{
    Result<SavedGame> read = ReadSavedGame(std::string(KIRVO_TEST_DATA) + "/saved-games/played.sv1", SavedGameReadMode::Start);
    EXPECT_TRUE(read) << read.error();
    return read ? std::move(read.value()) : SavedGame();
}

TEST(SavedGameCheck, AGameTheGameSavedPasses)
{
    const SavedGame game = Played();
    ASSERT_EQ(game.pieces.size(), 17u);
    EXPECT_TRUE(CheckSavedGame(game));
}

// Each of these decodes, and each hands the play code a number it cannot safely index or add with:
// the kind of record that made resuming with effects write outside the mask.
TEST(SavedGameCheck, RecordsThePlayCodeCannotUseAreRefused)
{
    struct Case {
        const char* what;
        std::function<void(SavedGame&)> spoil;
    } cases[] = {
        {"negative source box", [](SavedGame& g) { g.pieces[3].sourceX = -40; }},
        {"source box past the right", [](SavedGame& g) { g.pieces[3].sourceWidth = 64 - g.pieces[3].sourceX + 1; }},
        {"source box past the bottom", [](SavedGame& g) { g.pieces[3].sourceHeight = INT_MAX; }},
        {"empty source box", [](SavedGame& g) { g.pieces[3].sourceWidth = 0; }},
        {"position at the end of the integers", [](SavedGame& g) { g.pieces[5].x = INT_MAX - 3; }},
        {"position far above", [](SavedGame& g) { g.pieces[5].y = -(kFarthestPosition + 1); }},
        {"its own neighbour", [](SavedGame& g) { g.pieces[2].neighbours[1] = 2; }},
        {"pocket at the end of the integers", [](SavedGame& g) { g.pockets[1].box.right = INT_MAX; }},
        {"pocket scrolled far away", [](SavedGame& g) { g.pockets[0].scrollY = INT_MIN; }},
        {"cut area outside the picture", [](SavedGame& g) { g.descriptor.JigsR = 64; }},
        {"huge snapping distance", [](SavedGame& g) { g.descriptor.snapDistance = INT_MAX; }},
        {"more cells than pieces", [](SavedGame& g) { g.descriptor.TilePX = g.descriptor.TilePY = 100000; }},
        {"picture of another size", [](SavedGame& g) { g.descriptor.ImageW = 65; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SavedGame game = Played();
        c.spoil(game);
        Result<> checked = CheckSavedGame(game);
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.error().rfind("Invalid saved game: ", 0), 0u) << checked.error();
    }
}

}  // namespace
}  // namespace kirvo
