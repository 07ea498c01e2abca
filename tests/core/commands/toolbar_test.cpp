#include "commands/Toolbar.h"

#include "commands/ToolbarSkin.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kirvo {
namespace {

TEST(Toolbar, GapsByWidth)
{
    struct Case {
        int width;
        bool fullScreen;
        ToolbarGaps gaps;
    };
    const Case cases[] = {
        {640, false, {10, 1}}, {641, false, {12, 2}}, {800, false, {12, 2}}, {800, true, {8, 2}},
        {801, false, {24, 8}}, {801, true, {20, 8}},  {1024, false, {24, 8}}, {1025, true, {26, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolbarGapsFor(c.width, c.fullScreen), c.gaps) << c.width << " " << c.fullScreen;
}

TEST(Toolbar, ButtonsFollowTheApplicationButtonInGroups)
{
    struct Case {
        int width;
        int open, save, download, help;
    };
    // Open = 4 + 29 + group; Save = Open + 29 + inner; Undo and Redo come before Download; Help
    // ends a row of 25 buttons after 14 group gaps and 11 inner gaps.
    // A width whose own gaps would push the row past the window takes the tighter gaps of a
    // narrower one: 1024 those of 800, 800 those of 640, where nothing fits.
    const Case cases[] = {
        {800, 43, 73, 181, 4 + 25 * 29 + 14 * 10 + 11 * 1},
        {1024, 45, 76, 189, 4 + 25 * 29 + 14 * 12 + 11 * 2},
        {1280, 59, 98, 247, 4 + 25 * 29 + 14 * 26 + 11 * 10},
    };
    for (const Case& c : cases) {
        auto places = ToolbarLayout(c.width, false).buttons;
        EXPECT_EQ(places[BI_App].x, 4);
        EXPECT_EQ(places[BI_Open].x, c.open);
        EXPECT_EQ(places[BI_Save].x, c.save);
        EXPECT_EQ(places[BI_Download].x, c.download);
        EXPECT_EQ(places[BI_Help].x, c.help);
        EXPECT_LT(places[BI_FullScreen].x, places[BI_Options].x);
        EXPECT_LT(places[BI_Info].x, places[BI_Win1].x);
        EXPECT_FALSE(places[BI_Min].visible || places[BI_Close].visible);
        if (c.width >= 1024)
            EXPECT_LE(places[BI_Help].x + places[BI_Help].width, c.width) << c.width;
    }
}

TEST(Toolbar, PlayAidsSitBesideTheButtonsOfTheirGroup)
{
    struct Case {
        int button;
        int after;
        bool sameGroup;
    };
    const Case cases[] = {
        {BI_Undo, BI_Save, false}, {BI_Redo, BI_Undo, true},      {BI_Download, BI_Redo, false},
        {BI_Clock, BI_Info, true}, {BI_Win1, BI_Clock, false},     {BI_Find, BI_Arrange, true},
        {BI_Edges, BI_Find, true}, {BI_Glass, BI_Edges, false},
    };
    const ToolbarGaps gaps = ToolbarGapsFor(1280, false);
    auto places = ToolbarLayout(1280, false).buttons;
    for (const Case& c : cases) {
        int gap = places[size_t(c.button)].x - places[size_t(c.after)].x - 29;
        EXPECT_EQ(gap, c.sameGroup ? gaps.inner : gaps.group) << ToolbarButtons()[size_t(c.button)].name;
        EXPECT_TRUE(places[size_t(c.button)].visible);
    }
}

TEST(Toolbar, FullScreenShowsMinimiseAndCloseAtTheRightEdge)
{
    auto places = ToolbarLayout(1280, true).buttons;
    EXPECT_TRUE(places[BI_Min].visible && places[BI_Close].visible);
    EXPECT_EQ(places[BI_Close].x, 1250);
    EXPECT_EQ(places[BI_Close].width, 25);
    // The row takes the tighter gaps of 1024 so that it ends before Minimise.
    EXPECT_EQ(places[BI_Min].x, 1250 - 8 - 25);
    EXPECT_LT(places[BI_Help].x + places[BI_Help].width, places[BI_Min].x);
    EXPECT_EQ(places[BI_Open].y, 2);
    EXPECT_EQ(places[BI_Open].height, 29);
}

TEST(Toolbar, ButtonsThatDoNotFitLeaveTheRowFromTheRightForTheOverflowButton)
{
    struct Case {
        int width;
        bool fullScreen;
        int firstLeftOut;  // -1: the whole row fits
        int overflowX;
    };
    // With the tightest gaps the row ends at 909; the overflow button takes a group gap and 25
    // pixels after the last button that fits.
    const Case cases[] = {
        {1280, false, -1, 0},        {917, false, -1, 0},        {916, false, BI_Help, 880},
        {500, false, BI_Pocket1, 466}, {800, true, BI_Edges, 694}, {SmallestToolbarWidth(), false, BI_Open, 43},
    };
    for (const Case& c : cases) {
        const ToolbarRow row = ToolbarLayout(c.width, c.fullScreen);
        SCOPED_TRACE(testing::Message() << c.width << " " << c.fullScreen);
        EXPECT_EQ(row.overflow.visible, c.firstLeftOut >= 0);
        if (c.firstLeftOut < 0) {
            EXPECT_TRUE(row.overflowed.empty());
            continue;
        }
        ASSERT_FALSE(row.overflowed.empty());
        EXPECT_EQ(row.overflowed.front(), c.firstLeftOut);
        EXPECT_EQ(row.overflow.x, c.overflowX);
        // Left out are exactly the buttons from the first one left out to the end of the row.
        const int from = row.buttons[size_t(c.firstLeftOut)].x;
        int lastX = 0;
        for (int button : row.overflowed) {
            EXPECT_GT(row.buttons[size_t(button)].x, lastX) << "left to right";
            lastX = row.buttons[size_t(button)].x;
        }
        for (int i = 0; i < kToolbarButtonCount; ++i) {
            if (i == BI_Min || i == BI_Close)
                continue;
            const bool leftOut = std::find(row.overflowed.begin(), row.overflowed.end(), i) != row.overflowed.end();
            EXPECT_EQ(leftOut, row.buttons[size_t(i)].x >= from) << ToolbarButtons()[size_t(i)].name;
            EXPECT_EQ(row.buttons[size_t(i)].visible, !leftOut) << ToolbarButtons()[size_t(i)].name;
        }
    }
}

// With the clock shown, they also keep clear of the clock at the row's right end.
TEST(Toolbar, AtEveryWidthTheShownButtonsAndTheOverflowButtonStayInView)
{
    for (int clock : {0, 60}) {
        for (bool fullScreen : {false, true}) {
            for (int width = (fullScreen ? 320 : SmallestToolbarWidth()) + clock; width <= 1400; ++width) {
                const ToolbarRow row = ToolbarLayout(width, fullScreen, clock);
                SCOPED_TRACE(testing::Message() << width << " " << fullScreen << " " << clock);
                // The window's right margin, or Minimise in full screen, less the clock.
                const int end = (fullScreen ? row.buttons[BI_Min].x : width - 8) - clock;
                int right = 0;
                for (int i = 0; i < kToolbarButtonCount; ++i)
                    if (row.buttons[size_t(i)].visible && i != BI_Min && i != BI_Close)
                        right = std::max(right, row.buttons[size_t(i)].x + row.buttons[size_t(i)].width);
                ASSERT_LE(right, end);
                ASSERT_EQ(row.overflow.visible, !row.overflowed.empty());
                if (row.overflow.visible) {
                    ASSERT_GT(row.overflow.x, right);
                    ASSERT_LE(row.overflow.x + row.overflow.width, end);
                }
                ASSERT_TRUE(row.buttons[BI_App].visible);
            }
        }
    }
}

TEST(Toolbar, HintDropsTheDotsAndAddsTheShortcut)
{
    EXPECT_EQ(ToolbarHint("Open...", "Ctrl+O"), "Open (Ctrl+O)");
    EXPECT_EQ(ToolbarHint("Options\u2026", ""), "Options");
    EXPECT_EQ(ToolbarHint("A...b...\u2026", "T"), "Ab... (T)");
}

TEST(Toolbar, SheetColumnsAndItemsOfTheRightHandAndPlayAidButtons)
{
    struct Case {
        int button;
        int column;
        MenuItem item;
    };
    const Case cases[] = {
        {BI_App, 18, MenuItem::MI_Menu},
        {BI_Min, 19, MenuItem::MI_Min},
        {BI_FullScreen, 21, MenuItem::MI_FullScreen},
        {BI_Close, 20, MenuItem::MI_Exit},
        {BI_Help, 17, MenuItem::MI_HelpCont},
        {BI_Undo, 22, MenuItem::MI_GameUndo},
        {BI_Redo, 23, MenuItem::MI_GameRedo},
        {BI_Find, 24, MenuItem::MI_GameFind},
        {BI_Edges, 25, MenuItem::MI_GameEdges},
        {BI_Clock, 26, MenuItem::MI_GameClock},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToolbarButtons()[size_t(c.button)].column, c.column) << c.button;
        EXPECT_EQ(ToolbarButtons()[size_t(c.button)].item, c.item) << c.button;
        EXPECT_LT(c.column, kButtonSheetColumns) << c.button;
    }
}

}  // namespace
}  // namespace kirvo
