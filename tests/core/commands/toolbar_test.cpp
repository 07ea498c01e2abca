#include "commands/Toolbar.h"

#include <gtest/gtest.h>

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
    // Open = 4 + 29 + group; Save = Open + 29 + inner; Help ends a row of 20 more buttons.
    const Case cases[] = {
        {800, 45, 76, 117, 4 + 20 * 29 + 13 * 12 + 7 * 2},
        {801, 57, 94, 147, 4 + 20 * 29 + 13 * 24 + 7 * 8},
    };
    for (const Case& c : cases) {
        auto places = ToolbarLayout(c.width, false);
        EXPECT_EQ(places[BI_App].x, 4);
        EXPECT_EQ(places[BI_Open].x, c.open);
        EXPECT_EQ(places[BI_Save].x, c.save);
        EXPECT_EQ(places[BI_Download].x, c.download);
        EXPECT_EQ(places[BI_Help].x, c.help);
        EXPECT_LT(places[BI_FullScreen].x, places[BI_Options].x);
        EXPECT_LT(places[BI_Info].x, places[BI_Win1].x);
        EXPECT_FALSE(places[BI_Min].visible || places[BI_Close].visible);
    }
}

TEST(Toolbar, FullScreenShowsMinimiseAndCloseAtTheRightEdge)
{
    auto places = ToolbarLayout(1280, true);
    EXPECT_TRUE(places[BI_Min].visible && places[BI_Close].visible);
    EXPECT_EQ(places[BI_Close].x, 1250);
    EXPECT_EQ(places[BI_Close].width, 25);
    EXPECT_EQ(places[BI_Min].x, 1250 - 10 - 25);
    EXPECT_EQ(places[BI_Open].y, 2);
    EXPECT_EQ(places[BI_Open].height, 29);
}

TEST(Toolbar, HintDropsTheDotsAndAddsTheShortcut)
{
    EXPECT_EQ(ToolbarHint("Open...", "Ctrl+O"), "Open (Ctrl+O)");
    EXPECT_EQ(ToolbarHint("Options\u2026", ""), "Options");
    EXPECT_EQ(ToolbarHint("A...b...\u2026", "T"), "Ab... (T)");
}

TEST(Toolbar, SheetColumnsAndItemsOfTheRightHandButtons)
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToolbarButtons()[size_t(c.button)].column, c.column) << c.button;
        EXPECT_EQ(ToolbarButtons()[size_t(c.button)].item, c.item) << c.button;
    }
}

}  // namespace
}  // namespace kirvo
