#include "commands/CommandEnabling.h"

#include <gtest/gtest.h>

#include <vector>

namespace kirvo {
namespace {

using enum MenuItem;

struct Expectation {
    std::vector<MenuItem> enabledItems;
    std::vector<MenuItem> disabledItems;
    std::vector<int> enabledButtons;
    std::vector<int> disabledButtons;
};

void Check(const CommandEnabling& enabling, const Expectation& expected, const char* situation)
{
    SCOPED_TRACE(situation);
    for (MenuItem item : expected.enabledItems)
        EXPECT_TRUE(enabling.items[size_t(item)]) << MenuEntryOf(item).name;
    for (MenuItem item : expected.disabledItems)
        EXPECT_FALSE(enabling.items[size_t(item)]) << MenuEntryOf(item).name;
    for (int button : expected.enabledButtons)
        EXPECT_TRUE(enabling.buttons[size_t(button)]) << ToolbarButtons()[size_t(button)].name;
    for (int button : expected.disabledButtons)
        EXPECT_FALSE(enabling.buttons[size_t(button)]) << ToolbarButtons()[size_t(button)].name;
}

TEST(CommandEnabling, WithoutAPuzzleOnlyFileHelpAndWindowCommandsReact)
{
    Check(EnablingFor({.recentCount = 2}),
          {{MI_FileOpen, MI_FileDownload, MI_FileLast0, MI_FileLast1, MI_Options, MI_Help, MI_FullScreen, MI_Exit},
           {MI_FileSave, MI_FileSaveAs, MI_FileSaveImage, MI_FileLast2, MI_Game, MI_GameWin1, MI_GameSelectAll,
            MI_Pockets, MI_PocketsTile},
           {BI_Open, BI_Download, BI_Options, BI_Help, BI_App, BI_FullScreen, BI_Close},
           {BI_Save, BI_BkgAll, BI_BkgCur, BI_Win1, BI_Win2, BI_Thumb, BI_Info, BI_Pocket1, BI_Pocket4, BI_SelectAll,
            BI_Arrange, BI_Glass, BI_Weight, BI_Undo, BI_Redo, BI_Find, BI_Edges, BI_Clock}},
          "no puzzle");
}

TEST(CommandEnabling, WithAPuzzleGameCommandsReactButArrangeNeedsASelection)
{
    Check(EnablingFor({.puzzleLoaded = true}),
          {{MI_FileSave, MI_FileSaveAs, MI_Game, MI_GameWin1, MI_GameWin2, MI_GameGlass, MI_Pockets,
            MI_PocketsPocket2},
           {MI_GameArrange, MI_FileSaveImage, MI_FileLast0},
           {BI_Save, BI_Win1, BI_Win2, BI_Pocket3, BI_SelectAll, BI_Glass, BI_Weight},
           {BI_Arrange}},
          "puzzle");
    Check(EnablingFor({.puzzleLoaded = true, .selectionExists = true, .solved = true}),
          {{MI_GameArrange, MI_FileSaveImage}, {}, {BI_Arrange}, {}}, "selection, solved");
    Check(EnablingFor({.puzzleLoaded = true, .singleWin = true}),
          {{MI_Game, MI_GameThumb}, {MI_GameWin1, MI_GameWin2}, {BI_Thumb}, {BI_Win1, BI_Win2}}, "single window");
}

TEST(CommandEnabling, UndoAndRedoReactOnlyWithStepsToTakeBackOrDoAgain)
{
    Check(EnablingFor({.puzzleLoaded = true}),
          {{MI_GameFind, MI_GameEdges, MI_GameClock}, {MI_GameUndo, MI_GameRedo}, {BI_Find, BI_Edges, BI_Clock},
           {BI_Undo, BI_Redo}},
          "no steps");
    Check(EnablingFor({.puzzleLoaded = true, .canUndo = true}),
          {{MI_GameUndo}, {MI_GameRedo}, {BI_Undo}, {BI_Redo}}, "undo");
    Check(EnablingFor({.puzzleLoaded = true, .canRedo = true}),
          {{MI_GameRedo}, {MI_GameUndo}, {BI_Redo}, {BI_Undo}}, "redo");
    Check(EnablingFor({.puzzleLoaded = true, .progressShown = true, .canUndo = true, .canRedo = true}),
          {{}, {MI_GameUndo, MI_GameRedo, MI_GameFind}, {}, {BI_Undo, BI_Redo, BI_Find, BI_Edges, BI_Clock}},
          "progress");
}

TEST(CommandEnabling, TheProgressPanelStopsFileCommandsAndPlay)
{
    Check(EnablingFor({.puzzleLoaded = true, .progressShown = true, .selectionExists = true, .recentCount = 4}),
          {{MI_Options, MI_Help, MI_Exit},
           {MI_FileOpen, MI_FileDownload, MI_FileLast0, MI_FileLast3, MI_FullScreen, MI_FileSave, MI_Game,
            MI_GameArrange, MI_Pockets},
           {BI_Options, BI_Help, BI_App},
           {BI_Open, BI_Save, BI_Download, BI_FullScreen, BI_Win1, BI_Pocket1, BI_Arrange, BI_Weight}},
          "progress");
}

}  // namespace
}  // namespace kirvo
