#include "commands/CommandEnabling.h"

#include "settings/RecentFiles.h"

namespace kirvo {

namespace {

using enum MenuItem;

bool InMenu(MenuItem item, MenuItem menu)
{
    return item == menu || MenuEntryOf(item).parent == menu;
}

}  // namespace

CommandEnabling EnablingFor(const CommandSituation& situation)
{
    // While the progress panel is up the puzzle is being built or written: nothing may touch it.
    bool playing = situation.puzzleLoaded && !situation.progressShown;
    bool idle = !situation.progressShown;
    CommandEnabling result;
    for (int i = 0; i < kMenuItemCount; ++i) {
        auto item = MenuItem(i);
        bool enabled = true;
        if (item == MI_FileSave || item == MI_FileSaveAs || InMenu(item, MI_Game) || InMenu(item, MI_Pockets))
            enabled = playing;
        if (item == MI_FileOpen || item == MI_FileDownload || item == MI_FullScreen)
            enabled = idle;
        result.items[size_t(i)] = enabled;
    }
    for (int k = 0; k < kRecentFileCount; ++k)
        result.items[size_t(MI_FileLast0) + size_t(k)] = idle && k < situation.recentCount;
    result.items[size_t(MI_GameWin1)] = result.items[size_t(MI_GameWin2)] = playing && !situation.singleWin;
    result.items[size_t(MI_GameArrange)] = playing && situation.selectionExists;
    result.items[size_t(MI_FileSaveImage)] = playing && situation.solved;
    result.items[size_t(MI_GameUndo)] = playing && situation.canUndo;
    result.items[size_t(MI_GameRedo)] = playing && situation.canRedo;

    for (int b = 0; b < kToolbarButtonCount; ++b)
        result.buttons[size_t(b)] = result.items[size_t(ToolbarButtons()[size_t(b)].item)];
    return result;
}

}  // namespace kirvo
