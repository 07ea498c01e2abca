#include "files/GameExtras.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

TEST(GameExtras, WrittenBesideTheSavedGameAndReadBack)
{
    testing::TempFolder folder;
    const std::string game = folder.Path() + "garden.sv1";
    EXPECT_EQ(ReadGameExtras(game), GameExtras {}) << "a game saved before extras were kept";
    const GameExtras extras {.playedSeconds = 5025, .findUses = 7};
    ASSERT_TRUE(WriteGameExtras(game, extras));
    EXPECT_EQ(testing::ReadText(folder.Path() + "garden.sv1.extra"), "played=5025\nfind=7\n");
    EXPECT_EQ(ReadGameExtras(game), extras);
}

// What cannot be read counts as nothing kept; the lines that can still count.
TEST(GameExtras, ReadTolerantly)
{
    const struct {
        const char* text;
        GameExtras expected;
    } cases[] = {
        {"played=60\r\nfind=2\r\n", {60, 2}},
        {" find = 3 \nplayed= 90", {90, 3}},
        {"played=-5\nfind=x\n", {0, 0}},
        {"played=99999999999999999999\nfind=1\n", {0, 1}},
        {"colour=blue\nplayed\n=4\n", {0, 0}},
        {"\xff\xfe\0garbage", {0, 0}},
    };
    testing::TempFolder folder;
    for (const auto& c : cases) {
        folder.Write("game.sv1.extra", c.text);
        EXPECT_EQ(ReadGameExtras(folder.Path() + "game.sv1"), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace kirvo
