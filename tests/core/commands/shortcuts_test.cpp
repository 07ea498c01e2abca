#include "commands/Shortcuts.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

using enum MenuItem;

ItemFlags AllEnabled()
{
    ItemFlags flags;
    flags.fill(true);
    return flags;
}

TEST(Shortcuts, AKeyActsOnceWhenTheRememberedKeyComesUp)
{
    KeyTracker tracker;
    KeyDown(tracker, ' ', 0, false);
    EXPECT_EQ(KeyUp(tracker, ' ', false), 0);
    EXPECT_EQ(KeyUp(tracker, ' ', false), std::nullopt);  // forgotten after acting

    KeyDown(tracker, 'A', 0, false);
    EXPECT_EQ(KeyUp(tracker, 'B', false), std::nullopt);
    EXPECT_EQ(KeyUp(tracker, 'A', false), std::nullopt);  // forgotten by the other key
}

// Shift+S with Shift let go first: the modifier's own key events (code 0) pass over the S, which
// acts with the Shift it went down with.
TEST(Shortcuts, AKeyActsWithTheModifiersItWentDownWith)
{
    KeyTracker tracker;
    KeyDown(tracker, 0, kShift, false);
    KeyDown(tracker, 'S', kShift, false);
    EXPECT_EQ(KeyUp(tracker, 0, false), std::nullopt);
    EXPECT_EQ(KeyUp(tracker, 'S', false), kShift);
}

TEST(Shortcuts, KeysAreIgnoredWhileTheProgressPanelIsShown)
{
    KeyTracker tracker;
    KeyDown(tracker, 'O', 0, true);
    EXPECT_EQ(KeyUp(tracker, 'O', false), std::nullopt);  // released after the panel has gone

    KeyDown(tracker, 'O', 0, false);
    EXPECT_EQ(KeyUp(tracker, 'O', true), std::nullopt);
    EXPECT_EQ(tracker.remembered, 'O');
}

TEST(Shortcuts, SearchMatchesKeyAndModifiersOfEnabledItems)
{
    struct Case {
        Shortcut pressed;
        std::optional<MenuItem> found;
    };
    const Case cases[] = {
        {{'S'}, MI_FileSave},
        {{'S', kShift}, MI_FileSaveAs},
        {{'S', kCtrl}, std::nullopt},
        {{'M'}, MI_Menu},
        {{'U'}, MI_FullScreen},
        {{'3'}, MI_PocketsPocket3},
        {{kKeyF1}, MI_HelpCont},
        {{'B', kShift}, MI_GameBkgCur},
        {{'Q'}, std::nullopt},
        {{'Z', kCtrl}, MI_GameUndo},
        {{'Z'}, std::nullopt},
        {{'Y', kCtrl}, MI_GameRedo},
        {{'F'}, MI_GameFind},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindShortcut(c.pressed, AllEnabled()), c.found) << ShortcutText(c.pressed);
}

TEST(Shortcuts, DisabledItemsAndItemsOfDisabledSubMenusDoNotAct)
{
    ItemFlags enabled = AllEnabled();
    enabled[size_t(MI_FileSave)] = false;
    enabled[size_t(MI_Pockets)] = false;
    EXPECT_EQ(FindShortcut({'S'}, enabled), std::nullopt);
    EXPECT_EQ(FindShortcut({'1'}, enabled), std::nullopt);
    EXPECT_EQ(FindShortcut({'O'}, enabled), MI_FileOpen);
}

TEST(Shortcuts, SpaceSwitchesOnlyWithTwoSidesAndTheGameMenu)
{
    ItemFlags enabled = AllEnabled();
    EXPECT_TRUE(SpaceSwitchesSides(true, enabled, false));
    EXPECT_FALSE(SpaceSwitchesSides(true, enabled, true));
    EXPECT_FALSE(SpaceSwitchesSides(false, enabled, false));
    enabled[size_t(MI_Game)] = false;
    EXPECT_FALSE(SpaceSwitchesSides(true, enabled, false));
}

TEST(Shortcuts, ShortcutTexts)
{
    EXPECT_EQ(ShortcutText({' '}), "Space");
    EXPECT_EQ(ShortcutText({kKeyF1}), "F1");
    EXPECT_EQ(ShortcutText({'O', kCtrl}), "Ctrl+O");
    EXPECT_EQ(ShortcutText({'S', kShift}), "Shift+S");
    EXPECT_EQ(ShortcutText({}), "");
}

}  // namespace
}  // namespace kirvo
