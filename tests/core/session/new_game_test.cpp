#include "session/NewGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "cutting/PieceSizeTable.h"
#include "game/TurnedBuffers.h"
#include "game/PieceGeometry.h"
#include "playfield/Completion.h"
#include "playfield/Joining.h"
#include "playfield/PlayWindow.h"
#include "session/JigsawChoices.h"
#include "support/DrawnAtlas.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::DrawnAtlas;

TPixelBuffer Picture(int width, int height)
{
    TPixelBuffer picture;
    PixCreate24(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(picture, x, y, uint32_t(x * 7 + y * 13) & 0xFFFFFF);
    return picture;
}

bool SamePixels(const TPixelBuffer& a, const TPixelBuffer& b)
{
    if (a.width != b.width || a.height != b.height || a.bytesPerPixel != b.bytesPerPixel)
        return false;
    for (int y = 0; y < a.height; ++y)
        if (std::memcmp(PixRow(a, y), PixRow(b, y), size_t(a.width * a.bytesPerPixel)) != 0)
            return false;
    return true;
}

struct Game {
    GameState state;
    PlayWindows windows;
    Random random {12345};
    int steps = 0;

    Game()
    {
        SetStartField(windows, 800, 600);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    }

    std::vector<MessageRequest> messages;

    Result<CutReport> Start(const NewGameChoices& choices, int width, int height)
    {
        return StartNewGame(state, windows, choices, Picture(width, height), random, DrawnAtlas(), [this] { ++steps; },
                            [this](const MessageRequest& request) {
                                messages.push_back(request);
                                return MessageAnswer::Ok;
                            });
    }
};

NewGameChoices Choices(int width, int height, NewGameDefaults defaults, std::optional<std::string> seed = "777")
{
    NewGameChoices choices;
    choices.pending.ImageW = width;
    choices.pending.ImageH = height;
    TakeChoices(choices.pending, defaults);
    ComputeFitSize(choices.pending, 800, 600);
    EXPECT_TRUE(ApplyChosenLevel(choices.pending));
    choices.seedText = std::move(seed);
    return choices;
}

struct ChoiceCase {
    const char* name;
    NewGameDefaults defaults;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }

class NewGameChoicesTest : public ::testing::TestWithParam<ChoiceCase> {};

// Opening one jigsaw twice with the same seed and choices must give the same puzzle: the player's
// seed is how a game is shared or replayed.
TEST_P(NewGameChoicesTest, SameSeedGivesTheSameGame)
{
    const NewGameChoices choices = Choices(320, 240, GetParam().defaults);
    Game first, second;
    second.random.state = 99;  // the generator's own state must not matter once a seed is given
    ASSERT_TRUE(first.Start(choices, 320, 240));
    ASSERT_TRUE(second.Start(choices, 320, 240));

    EXPECT_EQ(first.state.descriptor, second.state.descriptor);
    EXPECT_EQ(first.state.descriptor.GameSeed, 777);
    EXPECT_EQ(first.state.pieces, second.state.pieces);
    EXPECT_EQ(first.state.drawOrder, second.state.drawOrder);
    for (int b = 0; b < 8; ++b)
        EXPECT_TRUE(SamePixels(first.state.buffers[b], second.state.buffers[b])) << "buffer " << b;
}

// Every piece starts alone, on the first side, inside the virtual field, with its geometry
// derived from its rotation; the frame lies unturned in the middle.
TEST_P(NewGameChoicesTest, PiecesAreDealtOntoTheFirstSide)
{
    const NewGameDefaults defaults = GetParam().defaults;
    Game game;
    ASSERT_TRUE(game.Start(Choices(320, 240, defaults), 320, 240));
    const GameState& state = game.state;
    const Descriptor& d = state.descriptor;
    const int frame = BorderPieceIndex(state);
    EXPECT_EQ(frame >= 0, defaults.BorderStyle == 1);
    EXPECT_EQ(int(state.drawOrder.size()), d.TotalTileNum);

    bool someTurned = false;
    for (int k = 0; k < d.TotalTileNum; ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        SCOPED_TRACE("piece " + std::to_string(k));
        EXPECT_EQ(p.group, k);
        EXPECT_EQ(p.window, MW_SIDE0);
        EXPECT_FALSE(p.selected);
        if (!defaults.Rotate || k == frame)
            EXPECT_EQ(p.rotation, 0);
        someTurned |= p.rotation != 0;
        const bool upright = p.rotation % 2 == 0;
        EXPECT_EQ(p.width, upright ? p.sourceWidth : p.sourceHeight);
        EXPECT_EQ(p.height, upright ? p.sourceHeight : p.sourceWidth);
        if (k != frame) {
            EXPECT_GE(p.x, 0);
            EXPECT_GE(p.y, 0);
            EXPECT_LT(p.x, game.windows.field.virtualWidth);
            EXPECT_LT(p.y, game.windows.field.virtualHeight);
        }
    }
    EXPECT_EQ(someTurned, defaults.Rotate);
    if (frame >= 0) {
        EXPECT_EQ(state.pieces[size_t(frame)].x, (800 - 320) / 2);
        EXPECT_EQ(state.pieces[size_t(frame)].y, (600 - 240) / 2);
    }
    for (int r = 1; r <= 3; ++r) {
        const bool upright = r % 2 == 0;
        EXPECT_EQ(PictureView(state, r).width, upright ? 320 : 240);
        EXPECT_EQ(state.buffers[kMaskBuffer + r].width, defaults.Rotate ? (upright ? 325 : 245) : 0);
    }
    if (d.ShapeStyle < 4)  // the grid cut steps twice more than the count allows; the bar then waits full
        EXPECT_EQ(game.steps, NewGameStepCount(d, false) - 1) << "all but the read step";
}

INSTANTIATE_TEST_SUITE_P(
    Choices, NewGameChoicesTest,
    ::testing::Values(ChoiceCase {"Plain", {.Rotate = false, .BorderStyle = 0, .ShapeStyle = 0, .Level = 10, .SpreadOut = 0}},
                    ChoiceCase {"RotatedWithFrame", {.Rotate = true, .BorderStyle = 1, .ShapeStyle = 3, .Level = 9, .SpreadOut = 0}},
                    ChoiceCase {"GridCutSpreadOut", {.Rotate = true, .BorderStyle = 0, .ShapeStyle = 5, .Level = 8, .SpreadOut = 1}}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

// Spread out, no two loose pieces share a place.
TEST(NewGameTest, SpreadOutGivesEveryPieceAPlaceOfItsOwn)
{
    Game game;
    ASSERT_TRUE(game.Start(Choices(320, 240, {.BorderStyle = 1, .Level = 8, .SpreadOut = 1}), 320, 240));
    std::set<std::pair<int, int>> places;
    for (int k = 0; k < game.state.descriptor.TotalTileNum; ++k)
        if (k != BorderPieceIndex(game.state))
            EXPECT_TRUE(places.insert({game.state.pieces[size_t(k)].x, game.state.pieces[size_t(k)].y}).second);
}

TEST(NewGameTest, SeedComesFromTheBoxOnlyWhenItHoldsANumber)
{
    struct Case {
        std::optional<std::string> text;
        int32_t seed;
    };
    const Case cases[] = {
        {"42", 42}, {" -7 ", -7}, {std::nullopt, 1000}, {"", 1000}, {"4x", 1000}, {"99999999999", 1000},
    };
    for (const Case& c : cases) {
        Random random(1000);
        EXPECT_EQ(ChooseSeed(c.text, random), c.seed) << c.text.value_or("(no box)");
        EXPECT_EQ(random.state, uint32_t(c.seed));
    }
}

// Shape style 3 cuts picture pieces from the library file when there is one. A file that is no
// library is worth a warning, a missing one is not; neither stops the game, and other styles do
// not read the file at all.
TEST(NewGameTest, ShapeStyle3ReadsTheShapeLibraryAndWarnsOnlyOfAFileThatIsNone)
{
    testing::TempFolder folder;
    const std::string notALibrary = folder.Write("pic_kirvo.dat", "BJ60DAT \1\0\0\0");
    struct Case {
        const char* name;
        int shapeStyle;
        std::string file;
        bool pictures;
        bool warned;
    } cases[] = {
        {"the built library", 3, KIRVO_SHAPE_LIBRARY, true, false},
        {"a file that is no library", 3, notALibrary, false, true},
        {"no file", 3, folder.Path() + "missing.dat", false, false},
        {"no file named", 3, "", false, false},
        {"another style", 0, notALibrary, false, false},
    };
    for (const Case& c : cases) {
        Game game;
        NewGameChoices choices = Choices(640, 480, {.ShapeStyle = c.shapeStyle, .Level = 6});
        choices.shapeLibraryFile = c.file;
        const Result<CutReport> started = game.Start(choices, 640, 480);
        ASSERT_TRUE(started) << c.name;
        EXPECT_TRUE(started.value().Clean()) << c.name;
        const auto& pieces = game.state.pieces;
        EXPECT_EQ(std::any_of(pieces.begin(), pieces.end(), [](const PieceRecord& p) { return p.pictureShape; }),
                  c.pictures)
            << c.name;
        ASSERT_EQ(game.messages.size(), c.warned ? 1u : 0u) << c.name;
        if (c.warned) {
            EXPECT_EQ(game.messages[0].text, "Invalid DAT file!");
            EXPECT_EQ(game.messages[0].icon, MessageIcon::Warning);
        }
    }
}

// Picture-shape pieces play like any other: laid out as the picture and dropped one after the
// other, every piece joins its neighbours and the puzzle is solved.
TEST(NewGameTest, PicturePiecesJoinTheirNeighboursIntoTheSolvedPicture)
{
    for (const char* seed : {"3", "17", "2024"}) {
        SCOPED_TRACE(seed);
        Game game;
        NewGameChoices choices = Choices(640, 480, {.BorderStyle = 1, .ShapeStyle = 3, .Level = 6}, seed);
        choices.shapeLibraryFile = KIRVO_SHAPE_LIBRARY;
        ASSERT_TRUE(game.Start(choices, 640, 480));
        GameState& state = game.state;
        ASSERT_GT(std::count_if(state.pieces.begin(), state.pieces.end(), [](const PieceRecord& p) { return p.pictureShape; }), 5);
        for (int k = 0; k < state.descriptor.TotalTileNum; ++k) {
            PieceRecord& p = state.pieces[size_t(k)];
            p.x = p.sourceX + 40;
            p.y = p.sourceY + 30;
            p.window = MW_SIDE0;
            DeriveGeometry(state, k);
        }
        for (int k = 0; k < state.descriptor.TotalTileNum; ++k)
            JoinDroppedGroup(state, k, MW_SIDE0, 1);
        EXPECT_TRUE(CheckCompletion(state, game.windows));
    }
}

// A picture larger than the screen is played at the fit size, and the level is cut at that size.
TEST(NewGameTest, FitToScreenPlaysThePictureAtTheFitSize)
{
    Game game;
    NewGameChoices choices = Choices(1600, 1000, {.FitToScreen = true});
    ASSERT_EQ(choices.pending.fitWidth, 800);
    ASSERT_EQ(choices.pending.fitHeight, 500);
    ASSERT_TRUE(game.Start(choices, 1600, 1000));
    EXPECT_EQ(game.state.descriptor.ImageW, 800);
    EXPECT_EQ(game.state.descriptor.ImageH, 500);
    EXPECT_EQ(game.state.buffers[kPictureBuffer].width, 800);
    EXPECT_EQ(game.state.buffers[kMaskBuffer].width, 805);
    EXPECT_EQ(game.windows.field.virtualWidth, 800);
}

// A picture that is not the size the header promised must not replace the game in play.
TEST(NewGameTest, PictureOfAnotherSizeLeavesThePreviousGame)
{
    Game game;
    ASSERT_TRUE(game.Start(Choices(320, 240, {.Level = 10}), 320, 240));
    const std::vector<PieceRecord> before = game.state.pieces;
    const Descriptor descriptor = game.state.descriptor;
    MarkChanged(game.state);

    Result<CutReport> result = game.Start(Choices(640, 480, {.Level = 10}), 320, 240);
    ASSERT_FALSE(result);
    EXPECT_EQ(game.state.descriptor, descriptor);
    EXPECT_EQ(game.state.pieces, before);
    EXPECT_TRUE(game.state.changed);
}

// The game starts unchanged: closing right after an open asks nothing.
TEST(NewGameTest, NewGameStartsWithEveryPlayFlagClear)
{
    Game game;
    MarkChanged(game.state);
    game.state.solved = true;
    game.state.selectionExists = true;
    game.state.weightedPiece = 3;
    game.state.draggedPiece = 2;
    ASSERT_TRUE(game.Start(Choices(320, 240, {.Level = 10}), 320, 240));
    EXPECT_FALSE(game.state.changed);
    EXPECT_FALSE(game.state.autosavePending);
    EXPECT_FALSE(game.state.solved);
    EXPECT_FALSE(game.state.selectionExists);
    EXPECT_EQ(game.state.weightedPiece, -1);
    EXPECT_EQ(game.state.draggedPiece, -1);
    for (int p = MW_POCKET0; p <= MW_POCKET3; ++p)
        EXPECT_FALSE(game.windows.windows[size_t(p)].visible);
}

TEST(NewGameTest, StepCountsFollowRotationAndEffects)
{
    Descriptor plain, turned;
    turned.Rotate = 1;
    EXPECT_EQ(NewGameStepCount(plain, false), 13);
    EXPECT_EQ(NewGameStepCount(turned, false), 19);
    EXPECT_EQ(NewGameStepCount(plain, true), 14);
    EXPECT_EQ(NewGameStepCount(turned, true), 23);
}

}  // namespace
}  // namespace kirvo
