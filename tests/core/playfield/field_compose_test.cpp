#include "core/playfield/field_fixture.h"

#include <set>
#include <vector>

namespace kirvo {
namespace {

class FieldCompose : public FieldTest {};

constexpr uint32_t kSideColour = kDefaultBackground;

TEST_F(FieldCompose, APieceIsCopiedThroughItsMaskAndInvertedWhenSelected)
{
    // A 6 x 5 piece whose top-left corner belongs to a neighbour, placed at (10, 20) of side 0.
    Own(2, 2, 6, 5, 25);
    Own(2, 2, 1, 1, 150);
    const int piece = AddPiece(2, 2, 6, 5, 25, MW_SIDE0, 10, 20);
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "plain");
        state.pieces[piece].selected = selected;
        ComposeAll();
        auto expected = [&](int sx, int sy) { return selected ? Inverted(PictureColour(sx, sy)) : PictureColour(sx, sy); };
        EXPECT_EQ(At(10, 20), kSideColour) << "the neighbour's corner is transparent, never inverted";
        EXPECT_EQ(At(11, 20), expected(3, 2));
        EXPECT_EQ(At(10, 21), expected(2, 3));
        EXPECT_EQ(At(15, 24), expected(7, 6)) << "bottom-right pixel";
        EXPECT_EQ(At(16, 24), kSideColour);
        EXPECT_EQ(At(15, 25), kSideColour);
    }
}

TEST_F(FieldCompose, LaterGroupsAreDrawnOnTop)
{
    Own(0, 0, 4, 4, 25);
    Own(10, 0, 4, 4, 150);
    const int a = AddPiece(0, 0, 4, 4, 25, MW_SIDE0, 30, 30);
    const int b = AddPiece(10, 0, 4, 4, 150, MW_SIDE0, 32, 30);  // overlaps a's right half
    ComposeAll();
    EXPECT_EQ(At(30, 30), PictureColour(0, 0));
    EXPECT_EQ(At(33, 30), PictureColour(11, 0)) << "b, the higher group, covers a";

    state.pieces[a].group = 1;
    state.pieces[b].group = 0;
    SortDrawOrder(state, SortOrder::Ascending);
    ComposeAll();
    EXPECT_EQ(At(33, 30), PictureColour(3, 0)) << "a now covers b";
    EXPECT_EQ(At(35, 30), PictureColour(13, 0));
}

TEST_F(FieldCompose, PiecesNeverCoverTheFrameOrScrollBars)
{
    TMyWin& pocket = ShowScrolledPocket(40, 30, 10, 20);
    const TBox client = pocket.client;
    ASSERT_TRUE(pocket.horizontalBar && pocket.verticalBar);
    ComposeAll();
    TPixelBuffer empty;
    PixCreate24(empty, field.image.width, field.image.height);
    PixCopyRect(empty, 0, 0, empty.width, empty.height, field.image, 0, 0);

    // Pieces straddling every edge of the client box, partly scrolled out above and left.
    Own(0, 0, 48, 44, 25);
    const int far = 300 - 40;
    for (int y : {0, 40, 60})
        for (int x : {0, 60, far})
            AddPiece(0, 0, 40, 44, 25, MW_POCKET0, x, y);
    ComposeAll();

    int inside = 0;
    for (int y = 0; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x) {
            if (BoxContains(client, x, y)) {
                inside += At(x, y) != PixGetPixel(empty, x, y);
                continue;
            }
            ASSERT_EQ(At(x, y), PixGetPixel(empty, x, y)) << x << ", " << y;
        }
    EXPECT_GT(inside, 0);
    // The client's corners show the virtual field at the scroll position: (10, 20) of the piece
    // at (0, 0), and the last piece drawn over the bottom-right corner, the one at (60, 60).
    EXPECT_EQ(At(client.left, client.top), PictureColour(10, 20));
    EXPECT_EQ(At(client.right, client.bottom), PictureColour(10 + client.width - 1 - 60, 20 + client.height - 1 - 60));
}

TEST_F(FieldCompose, TheBorderPieceIsItsFourBars)
{
    // The whole picture carries the frame's value, so only the bar geometry decides what is drawn.
    Own(0, 0, 48, 44, 5);
    state.descriptor.BorderStyle = 1;
    AddPiece(0, 0, 48, 44, 5, MW_SIDE0, 50, 40);
    ComposeAll();
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 48; ++x) {
            const bool onBar = x < 20 || x >= 28 || y < 20 || y >= 24;
            ASSERT_EQ(At(50 + x, 40 + y), onBar ? PictureColour(x, y) : kSideColour) << x << ", " << y;
        }
}

TEST_F(FieldCompose, EachKindDrawsItsShare)
{
    Own(0, 0, 4, 4, 25);
    ShowScrolledPocket(100, 20, 0, 0);
    const TBox pocketClient = windows.windows[MW_POCKET0].client;
    const int plain = AddPiece(0, 0, 4, 4, 25, MW_SIDE0, 10, 10);
    const int selected = AddPiece(0, 0, 4, 4, 25, MW_POCKET0, 5, 5);
    const int dragged = AddPiece(0, 0, 4, 4, 25, MW_POCKET0, 15, 5);
    const int draggedMate = AddPiece(0, 0, 4, 4, 25, MW_POCKET0, 25, 5);
    const int pocketPlain = AddPiece(0, 0, 4, 4, 25, MW_POCKET0, 35, 5);
    state.pieces[selected].selected = true;
    state.pieces[draggedMate].group = state.pieces[dragged].group;
    SortDrawOrder(state, SortOrder::Ascending);
    state.draggedPiece = dragged;
    ASSERT_EQ(state.currentWindow, MW_POCKET0);

    auto drawn = [&](int piece) {
        const PieceRecord& p = state.pieces[piece];
        const TBox& client = p.window == MW_SIDE0 ? windows.windows[MW_SIDE0].client : pocketClient;
        const uint32_t colour = At(client.left + p.x + 1, client.top + p.y + 1);
        return colour == PictureColour(1, 1) || colour == Inverted(PictureColour(1, 1));
    };
    struct Case {
        What what;
        std::set<int> pieces;
    };
    const std::vector<Case> cases = {
        {What::All, {plain, selected, dragged, draggedMate, pocketPlain}},
        {What::AllButDragged, {plain, pocketPlain}},
        {What::Dragged, {selected, dragged, draggedMate}},
        {What::AllButCurrentWindow, {plain}},
        {What::CurrentWindow, {selected, dragged, draggedMate, pocketPlain}},
        {What::AllButRectangle, {plain, selected, dragged, draggedMate, pocketPlain}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.what));
        Fill(field.image, kSentinel);
        ComposeAll(c.what);
        for (int piece : {plain, selected, dragged, draggedMate, pocketPlain})
            EXPECT_EQ(drawn(piece), c.pieces.count(piece) == 1) << "piece " << piece;
    }
    Fill(field.image, kSentinel);
    ComposeAll(What::Dragged);
    EXPECT_EQ(At(pocketClient.left - 1, pocketClient.top), kSentinel) << "no frames, no backgrounds";
    EXPECT_EQ(At(pocketClient.left + 1, pocketClient.top + 1), kSentinel);
}

TEST_F(FieldCompose, FromUnderCopiesOnlyTheClipBox)
{
    Fill(field.under, 0x00FF00);
    Compose(field, Layer::Field, BoxFromCorners(5, 6, 9, 8), What::FromUnder, state, windows);
    EXPECT_EQ(At(5, 6), 0x00FF00u);
    EXPECT_EQ(At(9, 8), 0x00FF00u);
    EXPECT_EQ(At(4, 6), kSentinel);
    EXPECT_EQ(At(10, 8), kSentinel);
    EXPECT_EQ(At(9, 9), kSentinel);
}

TEST_F(FieldCompose, TheSelectionRectangleTintsHalfwayToLightGrey)
{
    windows.windows[MW_SIDE0].background = MakeColour(0, 255, 240);
    const uint32_t tinted = MakeColour(120, 248, 240);  // b + (240 - b) * 128 / 256, toward zero
    // Dragged up and left from the anchor (30, 20) to (22, 17), with the side scrolled.
    TMyWin& side = windows.windows[MW_SIDE0];
    side.scrollX = 5;
    side.scrollY = 2;
    field.rectangle = {true, 30, 20, -7, -2};
    const int left = 22 - 5, top = 17 - 2, right = 30 - 5, bottom = 20 - 2;

    ComposeAll();
    EXPECT_EQ(At(left, top), tinted);
    EXPECT_EQ(At(right, bottom), tinted);
    EXPECT_EQ(At(left - 1, top), windows.windows[MW_SIDE0].background);
    EXPECT_EQ(At(right, bottom + 1), windows.windows[MW_SIDE0].background);

    ComposeAll(What::AllButRectangle);
    EXPECT_EQ(At(left, top), windows.windows[MW_SIDE0].background);

    Fill(field.image, MakeColour(0, 255, 240));
    ComposeAll(What::Rectangle);
    EXPECT_EQ(At(right, bottom), tinted) << "the rectangle alone, over what is there";
    EXPECT_EQ(At(right + 1, bottom), MakeColour(0, 255, 240));
}

TEST_F(FieldCompose, TheSelectionRectangleStaysInsideTheClientBox)
{
    TMyWin& pocket = ShowScrolledPocket(40, 30, 0, 0);
    pocket.background = 0;
    field.rectangle = {true, 10, 10, -200, 300};
    ComposeAll();
    const TBox& c = pocket.client;
    EXPECT_EQ(At(c.left, c.top + 10), MakeColour(120, 120, 120));
    EXPECT_EQ(At(c.left, c.top + 9), 0u);
    EXPECT_EQ(At(c.left + 10, c.bottom), MakeColour(120, 120, 120));
    EXPECT_EQ(At(c.left + 11, c.top + 10), 0u);
    EXPECT_NE(At(c.left, c.bottom + 1), MakeColour(120, 120, 120)) << "scroll bar untouched";
    EXPECT_NE(At(c.left - 1, c.top), MakeColour(120, 120, 120)) << "border untouched";
}

TEST_F(FieldCompose, PiecesOutsideTheirBuffersAreDrawnOnlyWhereTheBuffersReach)
{
    // Damaged records: a source box past the picture's right edge, and a turn whose turned
    // buffers were never made.
    Own(0, 0, 48 + kMaskMargin, 44, 25);
    AddPiece(45, 0, 6, 4, 25, MW_SIDE0, 10, 10);
    const int turned = AddPiece(0, 0, 4, 4, 25, MW_SIDE0, 30, 10);
    state.pieces[turned].rotation = 1;
    ComposeAll();
    EXPECT_EQ(At(12, 10), PictureColour(47, 0));
    EXPECT_EQ(At(13, 10), kSideColour) << "no reads past the picture";
    EXPECT_EQ(At(30, 10), kSideColour);
}

// A background picture as the windows need it: every pixel its own colour.
BackgroundPicture MakeBackground(uint32_t code, int width, int height)
{
    BackgroundPicture picture;
    picture.code = code;
    PixCreate24(picture.pixels, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(picture.pixels, x, y, uint32_t(x + 1000 * y));
    return picture;
}

TEST_F(FieldCompose, ABackgroundPictureScrollsWithTheField)
{
    field.backgroundPicture = MakeBackground(12, 300, 300);
    TMyWin& pocket = ShowScrolledPocket(40, 30, 10, 20);
    pocket.background = 12;
    windows.windows[MW_SIDE0].background = 12;
    Own(0, 0, 4, 4, 25);
    AddPiece(0, 0, 4, 4, 25, MW_SIDE0, 2, 2);
    ComposeAll();
    const TBox& c = pocket.client;
    for (auto [x, y] : {std::pair {0, 0}, {c.width - 1, 0}, {0, c.height - 1}, {c.width - 1, c.height - 1}})
        EXPECT_EQ(At(c.left + x, c.top + y), uint32_t(10 + x + 1000 * (20 + y))) << x << ", " << y;
    EXPECT_EQ(At(7, 3), uint32_t(7 + 1000 * 3)) << "the side at scroll (0, 0)";
    EXPECT_EQ(At(2, 2), PictureColour(0, 0)) << "pieces lie on the background";
}

// A picture code only ever shows its own picture: without it the window is grey, never the dark
// colour the code would be read as.
TEST_F(FieldCompose, APictureCodeWithoutItsPictureIsGrey)
{
    const struct {
        const char* what;
        uint32_t loaded;  // 0: none
        uint32_t background;
        uint32_t expected;
    } cases[] = {
        {"nothing loaded", 0, 12, kDefaultBackground},
        {"another picture loaded", 13, 12, kDefaultBackground},
        {"a colour", 13, 0x204060, 0x204060},
        {"its picture", 12, 12, uint32_t(5 + 1000 * 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        field.backgroundPicture = c.loaded == 0 ? BackgroundPicture {} : MakeBackground(c.loaded, 300, 300);
        windows.windows[MW_SIDE0].background = c.background;
        ComposeAll();
        EXPECT_EQ(At(5, 6), c.expected);
    }
}

// The thumbnail window shows its share of the thumbnail picture, from the top-left.
TEST_F(FieldCompose, TheThumbnailWindowShowsTheThumbnailPicture)
{
    TMyWin& thumb = windows.windows[MW_THUMB];
    field.thumbnail = MakeBackground(0, 60, 50).pixels;
    thumb.visible = true;
    BoxMoveTo(thumb.frame, 20, 10);
    LayOut(thumb, SizeSource::Given, 40, 30);
    ComposeAll();
    const TBox& c = thumb.client;
    EXPECT_EQ(At(c.left, c.top), 0u);
    EXPECT_EQ(At(c.right, c.bottom), uint32_t(c.width - 1 + 1000 * (c.height - 1)));
}

}  // namespace
}  // namespace kirvo
