#include "session/ResumeGame.h"

#include <gtest/gtest.h>


#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

using testing::DrawnAtlas;

struct Table {
    GameState state;
    PlayWindows windows;

    Table()
    {
        SetStartField(windows, 640, 480);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    }
};

// A game in play: rotation and a frame, a few pieces joined and turned, two in the first pocket,
// a background of its own and a weighted piece.
void Play(Table& table)
{
    NewGameChoices choices;
    choices.pending.ImageW = 200;
    choices.pending.ImageH = 150;
    TakeChoices(choices.pending, {.Rotate = true, .BorderStyle = 1, .ShapeStyle = 1, .Level = 11});
    ComputeFitSize(choices.pending, 640, 480);
    ASSERT_TRUE(ApplyChosenLevel(choices.pending));
    choices.seedText = "31";
    TPixelBuffer picture;
    PixCreate24(picture, 200, 150);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            PixSetPixel(picture, x, y, uint32_t(x * 3 + y * 5 * 256));
    Random random;
    ASSERT_TRUE(StartNewGame(table.state, table.windows, choices, std::move(picture), random, DrawnAtlas()));
    GameState& state = table.state;
    state.pieces[1].group = state.pieces[0].group;
    state.pieces[3].window = state.pieces[4].window = MW_POCKET0;
    state.pieces[3].x = state.pieces[4].x = 12;
    state.pieces[3].y = state.pieces[4].y = 9;
    state.weightedPiece = 2;
    ShowOrHidePocket(table.windows, state, MW_POCKET0, Visibility::Shown);
    table.windows.windows[MW_SIDE1].background = 0x123456;
    table.windows.windows[MW_POCKET0].background = 13;
}

// The first byte of every pixel: the whole picture, or which piece owns a mask pixel (a resumed
// mask has its relief reset, so its other bytes may differ).
bool SameBlue(const TPixelBuffer& a, const TPixelBuffer& b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (PixAddress(a, x, y)[0] != PixAddress(b, x, y)[0])
                return false;
    return true;
}

// Saved, written, read and resumed, the game is the one that was left.
TEST(ResumeGameTest, ASavedGameResumesAsItWasLeft)
{
    Table played;
    Play(played);
    TPixelBuffer thumbnail;
    PixCreate24(thumbnail, 24, 18);
    MouseBindings keys {.RotCW_Button = 2, .RotCW_Shift = 1, .bClickToDrag = true};
    BackgroundRecord kept {7, 8, 9};
    std::vector<uint8_t> bytes = EncodeSavedGame(MakeSavedGame(
        played.state, played.windows,
        {.jigsawName = "stripes", .thumbnail = &thumbnail, .info = "A test", .playKeys = keys, .backgrounds = kept}));

    Result<SavedGame> read = DecodeSavedGame(bytes, SavedGameReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value().jigsawName, "stripes");
    EXPECT_EQ(read.value().info, "A test");
    EXPECT_EQ(read.value().playKeys.RotCW_Button, 2);
    EXPECT_TRUE(read.value().playKeys.bClickToDrag);
    EXPECT_EQ(read.value().backgrounds[2], 9);

    Table resumed;
    const int side = ResumeGame(resumed.state, resumed.windows, std::move(read.value()));
    EXPECT_EQ(side, MW_SIDE0);
    const Descriptor& before = played.state.descriptor;
    const Descriptor& after = resumed.state.descriptor;
    EXPECT_EQ(after.GameSeed, before.GameSeed);
    EXPECT_EQ(after.TotalTileNum, before.TotalTileNum);
    EXPECT_EQ(after.ImageW, before.ImageW);
    EXPECT_EQ(after.Rotate, 1);
    for (int k = 0; k < before.TotalTileNum; ++k)
        EXPECT_EQ(resumed.state.pieces[size_t(k)], played.state.pieces[size_t(k)]) << "piece " << k;
    EXPECT_EQ(resumed.state.weightedPiece, 2);
    for (int b = 0; b < 8; ++b)
        EXPECT_TRUE(SameBlue(resumed.state.buffers[b], played.state.buffers[b])) << "buffer " << b;
    EXPECT_EQ(PixGetPixel(resumed.state.buffers[kPictureBuffer], 20, 10), PixGetPixel(played.state.buffers[kPictureBuffer], 20, 10));
    const TMyWin& pocket = resumed.windows.windows[MW_POCKET0];
    EXPECT_TRUE(pocket.visible);
    EXPECT_EQ(pocket.frame, played.windows.windows[MW_POCKET0].frame);
    EXPECT_EQ(pocket.groupCount, 2);
    EXPECT_EQ(pocket.background, 13u);
    EXPECT_EQ(resumed.windows.windows[MW_SIDE1].background, 0x123456u);
    EXPECT_FALSE(resumed.windows.windows[MW_POCKET0 + 1].visible);
    EXPECT_FALSE(resumed.state.changed);
}

// The game in play as a saved game holds it, read back.
Result<SavedGame> SavedAndRead(const Table& played)
{
    TPixelBuffer thumbnail;
    PixCreate24(thumbnail, 4, 3);
    return DecodeSavedGame(EncodeSavedGame(MakeSavedGame(played.state, played.windows, {.thumbnail = &thumbnail})),
                           SavedGameReadMode::Start);
}

// A pocket counts its groups and names the count in its caption, whether or not the saved game
// asks for its scroll position to be left alone.
TEST(ResumeGameTest, APocketCaptionCountsItsGroups)
{
    for (bool keepScroll : {false, true}) {
        SCOPED_TRACE(keepScroll ? "scroll kept" : "scroll restored");
        Table played;
        Play(played);
        Result<SavedGame> read = SavedAndRead(played);
        ASSERT_TRUE(read) << read.error();
        read.value().pockets[0].keepScroll = keepScroll;
        Table resumed;
        ResumeGame(resumed.state, resumed.windows, std::move(read.value()));
        const TMyWin& pocket = resumed.windows.windows[MW_POCKET0];
        EXPECT_EQ(pocket.groupCount, 2);
        EXPECT_EQ(pocket.caption, "Pocket 1: 2");
    }
}

// A game saved while the window was small keeps where the player put the pocket; resumed in a
// small window the pocket is in view, and a window grown to the old size shows it there.
TEST(ResumeGameTest, APocketKeepsThePlaceThePlayerChose)
{
    Table played;
    Play(played);
    const TBox chosen = played.windows.windows[MW_POCKET0].frame;
    ASSERT_EQ(chosen.right, 639) << "a new pocket lies at the right edge";
    ResizeField(played.windows, 400, 300);
    Result<SavedGame> read = SavedAndRead(played);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value().pockets[0].box, chosen);

    Table resumed;
    ResizeField(resumed.windows, 400, 300);
    ResumeGame(resumed.state, resumed.windows, std::move(read.value()));
    const TMyWin& pocket = resumed.windows.windows[MW_POCKET0];
    EXPECT_EQ(pocket.frame.right, 399);
    EXPECT_EQ(pocket.frame.top, chosen.top);
    ResizeField(resumed.windows, 640, 480);
    EXPECT_EQ(pocket.frame, chosen);
}

TEST(ResumeGameTest, AGameWhollyOnTheSecondSideOpensThere)
{
    Table played;
    Play(played);
    for (PieceRecord& piece : played.state.pieces)
        piece.window = MW_SIDE1;
    Result<SavedGame> read = SavedAndRead(played);
    ASSERT_TRUE(read) << read.error();
    Table resumed;
    EXPECT_EQ(ResumeGame(resumed.state, resumed.windows, std::move(read.value())), MW_SIDE1);
}

// A game saved with a selection (by an older game, or by an autosave during play) comes back
// without one: no command could let go of those pieces.
TEST(ResumeGameTest, ASavedSelectionIsLetGo)
{
    Table played;
    Play(played);
    played.state.pieces[0].selected = played.state.pieces[3].selected = true;
    Result<SavedGame> read = SavedAndRead(played);
    ASSERT_TRUE(read) << read.error();
    Table resumed;
    ResumeGame(resumed.state, resumed.windows, std::move(read.value()));
    for (const PieceRecord& piece : resumed.state.pieces)
        EXPECT_FALSE(piece.selected);
    EXPECT_FALSE(resumed.state.selectionExists);
}

}  // namespace
}  // namespace kirvo
