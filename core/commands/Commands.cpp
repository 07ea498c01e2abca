#include "commands/Commands.h"

#include <array>
#include <cassert>

namespace kirvo {

namespace {

using enum MenuItem;

constexpr Shortcut Key(int key, uint8_t modifiers = kNoModifier) { return {key, modifiers}; }

constexpr MenuEntry kTable[] = {
    {MI_Menu, "MI_Menu", "Menu (hidden)", Key('M'), MI_Menu},
    {MI_File, "MI_File", "File", {}, MI_Menu},
    {MI_FileOpen, "MI_FileOpen", "Open", Key('O'), MI_File},
    {MI_FileSave, "MI_FileSave", "Save", Key('S'), MI_File},
    {MI_FileSaveAs, "MI_FileSaveAs", "Save As", Key('S', kShift), MI_File},
    {MI_FileSaveImage, "MI_FileSaveImage", "Save Solved Image", {}, MI_File},
    {Separator, "", "", {}, MI_File},
    {MI_FileDownload, "MI_FileDownload", "Download Jigsaws", Key('D'), MI_File},
    {MI_FileLastSep, "MI_FileLastSep", "", {}, MI_File},
    {MI_FileLast0, "MI_FileLast0", "", {}, MI_File},
    {MI_FileLast1, "MI_FileLast1", "", {}, MI_File},
    {MI_FileLast2, "MI_FileLast2", "", {}, MI_File},
    {MI_FileLast3, "MI_FileLast3", "", {}, MI_File},
    {MI_Game, "MI_Game", "Game", {}, MI_Menu},
    {MI_GameWin1, "MI_GameWin1", "First Win", Key(' '), MI_Game},
    {MI_GameWin2, "MI_GameWin2", "Second Win", Key(' '), MI_Game},
    {MI_GameThumb, "MI_GameThumb", "Thumbnail", Key('T'), MI_Game},
    {Separator, "", "", {}, MI_Game},
    {MI_GameBkgAll, "MI_GameBkgAll", "Bkg for All Wins", Key('B'), MI_Game},
    {MI_GameBkgCur, "MI_GameBkgCur", "Bkg for Cur Win", Key('B', kShift), MI_Game},
    {Separator, "", "", {}, MI_Game},
    {MI_GameInfo, "MI_GameInfo", "Info", Key('I'), MI_Game},
    {MI_GameClock, "MI_GameClock", "Clock", Key('K'), MI_Game},
    {Separator, "", "", {}, MI_Game},
    {MI_GameSelectAll, "MI_GameSelectAll", "Select All", Key('A'), MI_Game},
    {MI_GameArrange, "MI_GameArrange", "Arrange", Key('R'), MI_Game},
    {MI_GameEdges, "MI_GameEdges", "Edge Pieces to Pocket", Key('E'), MI_Game},
    {MI_GameSelectEdges, "MI_GameSelectEdges", "Select Edge Pieces", Key('E', kShift), MI_Game},
    {MI_GameGather, "MI_GameGather", "Gather", {}, MI_Game},
    {MI_GameGlass, "MI_GameGlass", "Glass", Key('G'), MI_Game},
    {MI_GameWeight, "MI_GameWeight", "Weight", Key('W'), MI_Game},
    {Separator, "", "", {}, MI_Game},
    {MI_GameUndo, "MI_GameUndo", "Undo", Key('Z', kCtrl), MI_Game},
    {MI_GameRedo, "MI_GameRedo", "Redo", Key('Y', kCtrl), MI_Game},
    {MI_GameFind, "MI_GameFind", "Find a Piece That Fits", Key('F'), MI_Game},
    {MI_Pockets, "MI_Pockets", "Pockets", {}, MI_Menu},
    {MI_PocketsPocket1, "MI_PocketsPocket1", "Pocket 1", Key('1'), MI_Pockets},
    {MI_PocketsPocket2, "MI_PocketsPocket2", "Pocket 2", Key('2'), MI_Pockets},
    {MI_PocketsPocket3, "MI_PocketsPocket3", "Pocket 3", Key('3'), MI_Pockets},
    {MI_PocketsPocket4, "MI_PocketsPocket4", "Pocket 4", Key('4'), MI_Pockets},
    {Separator, "", "", {}, MI_Pockets},
    {MI_PocketsTile, "MI_PocketsTile", "Tile", Key('L'), MI_Pockets},
    {MI_PocketsCascade, "MI_PocketsCascade", "Cascade", Key('C'), MI_Pockets},
    {MI_Options, "MI_Options", "Options", {}, MI_Menu},
    {MI_Help, "MI_Help", "Help", {}, MI_Menu},
    {MI_HelpCont, "MI_HelpCont", "Contents", Key(kKeyF1), MI_Help},
    {MI_HelpQuick, "MI_HelpQuick", "Quick Help", {}, MI_Help},
    {Separator, "", "", {}, MI_Help},
    {MI_HelpHomePage, "MI_HelpHomePage", "Moru Games Home", {}, MI_Help},
    {MI_HelpProductHomePage, "MI_HelpProductHomePage", "Product Home", {}, MI_Help},
    {Separator, "", "", {}, MI_Help},
    {MI_HelpReport, "MI_HelpReport", "Create Report", {}, MI_Help},
    {MI_HelpCredits, "MI_HelpCredits", "Credits", {}, MI_Help},
    {MI_HelpAbout, "MI_HelpAbout", "About", {}, MI_Help},
    {Separator, "", "", {}, MI_Menu},
    {MI_FullScreen, "MI_FullScreen", "Full Screen", Key('U'), MI_Menu},
    {MI_Min, "MI_Min", "Minimize", {}, MI_Menu},
    {MI_Exit, "MI_Exit", "Exit", {}, MI_Menu},
};

const std::array<int, kMenuItemCount>& EntryIndexByItem()
{
    static const std::array<int, kMenuItemCount> index = [] {
        std::array<int, kMenuItemCount> result {};
        result.fill(-1);
        for (int i = 0; i < int(std::size(kTable)); ++i)
            if (kTable[i].item != Separator)
                result[size_t(kTable[i].item)] = i;
        return result;
    }();
    return index;
}

}  // namespace

std::span<const MenuEntry> MenuTable() { return kTable; }

const MenuEntry& MenuEntryOf(MenuItem item)
{
    assert(item != Separator);
    return kTable[EntryIndexByItem()[size_t(item)]];
}

std::string ShortcutText(Shortcut shortcut)
{
    if (shortcut.key == 0)
        return {};
    std::string text;
    if (shortcut.modifiers & kCtrl)
        text += "Ctrl+";
    if (shortcut.modifiers & kShift)
        text += "Shift+";
    if (shortcut.modifiers & kAlt)
        text += "Alt+";
    if (shortcut.key == ' ')
        text += "Space";
    else if (shortcut.key >= kKeyF1 && shortcut.key < kKeyF1 + 12)
        text.append("F").append(std::to_string(shortcut.key - kKeyF1 + 1));
    else
        text += char(shortcut.key);
    return text;
}

}  // namespace kirvo
