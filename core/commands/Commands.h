// The command table: every item of the popup menu PM_Menu in menu order, with its default
// caption, plain-key shortcut and sub-menu. The Qt layer builds the menu from it and the shortcut
// search walks it; the toolbar buttons name their items from it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kirvo {

enum class MenuItem : uint8_t {
    MI_Menu,
    MI_File, MI_FileOpen, MI_FileSave, MI_FileSaveAs, MI_FileSaveImage, MI_FileDownload,
    MI_FileLastSep, MI_FileLast0, MI_FileLast1, MI_FileLast2, MI_FileLast3,
    MI_Game, MI_GameWin1, MI_GameWin2, MI_GameThumb, MI_GameBkgAll, MI_GameBkgCur, MI_GameInfo, MI_GameClock,
    MI_GameEdges, MI_GameSelectEdges,
    MI_GameSelectAll, MI_GameArrange, MI_GameGather, MI_GameGlass, MI_GameWeight,
    MI_GameUndo, MI_GameRedo, MI_GameFind,
    MI_Pockets, MI_PocketsPocket1, MI_PocketsPocket2, MI_PocketsPocket3, MI_PocketsPocket4,
    MI_PocketsTile, MI_PocketsCascade,
    MI_Options,
    MI_Help, MI_HelpCont, MI_HelpQuick, MI_HelpHomePage, MI_HelpProductHomePage, MI_HelpReport,
    MI_HelpCredits, MI_HelpAbout,
    MI_FullScreen, MI_Min, MI_Exit,
    Separator,  // a separator line; never looked up by item
};
inline constexpr int kMenuItemCount = int(MenuItem::Separator);

enum KeyModifier : uint8_t { kNoModifier = 0, kShift = 1, kAlt = 2, kCtrl = 4 };

// Keys are upper-case letters, digits and ' ' as themselves; function keys from kKeyF1 on.
inline constexpr int kKeyF1 = 0x70;

struct Shortcut {
    int key = 0;  // 0 = none
    uint8_t modifiers = kNoModifier;

    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

struct MenuEntry {
    MenuItem item;
    const char* name;     // "MI_FileOpen"; also the key of its translated caption
    const char* caption;  // default English caption
    Shortcut shortcut;
    MenuItem parent;      // the sub-menu holding it; MI_Menu for the top level
};

// Every entry in menu order: a sub-menu is followed by its own entries.
std::span<const MenuEntry> MenuTable();
const MenuEntry& MenuEntryOf(MenuItem item);

// "Shift+S", "F1", "Space": the text shown beside captions and in hints; empty without a shortcut.
std::string ShortcutText(Shortcut shortcut);

}  // namespace kirvo
