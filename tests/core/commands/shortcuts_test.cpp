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
    KeyDown(tracker, ' ', false);
    EXPECT_TRUE(KeyUp(tracker, ' ', false));
    EXPECT_FALSE(KeyUp(tracker, ' ', false));  // forgotten after acting

    KeyDown(tracker, 'A', false);
    EXPECT_FALSE(KeyUp(tracker, 'B', false));
    EXPECT_FALSE(KeyUp(tracker, 'A', false));  // forgotten by the other key
}

TEST(Shortcuts, KeysAreIgnoredWhileTheProgressPanelIsShown)
{
    KeyTracker tracker;
    KeyDown(tracker, 'O', true);
    EXPECT_FALSE(KeyUp(tracker, 'O', false));  // released after the panel has gone

    KeyDown(tracker, 'O', false);
    EXPECT_FALSE(KeyUp(tracker, 'O', true));
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
