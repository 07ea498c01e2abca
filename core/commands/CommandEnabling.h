// Which menu items and toolbar buttons react, from what the game is doing.
#pragma once

#include <array>

#include "commands/Shortcuts.h"
#include "commands/Toolbar.h"

namespace kirvo {

struct CommandSituation {
    bool puzzleLoaded = false;
    bool progressShown = false;
    bool singleWin = false;
    bool selectionExists = false;
    bool solved = false;
    bool canUndo = false;
    bool canRedo = false;
    int recentCount = 0;
};

struct CommandEnabling {
    ItemFlags items {};
    std::array<bool, kToolbarButtonCount> buttons {};
};

CommandEnabling EnablingFor(const CommandSituation& situation);

}  // namespace kirvo
