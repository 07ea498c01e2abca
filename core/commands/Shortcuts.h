// Plain-key shortcuts: a key is remembered when it goes down and acts when that same key comes
// up, so a key pressed while the progress panel was shown never acts afterwards.
#pragma once

#include <array>
#include <optional>

#include "commands/Commands.h"

namespace kirvo {

struct KeyTracker {
    int remembered = 0;  // 0 = none
};

void KeyDown(KeyTracker& tracker, int key, bool progressShown);
// True when the key should act now.
bool KeyUp(KeyTracker& tracker, int key, bool progressShown);

using ItemFlags = std::array<bool, kMenuItemCount>;

// The enabled item whose shortcut matches, searching the top level of PM_Menu and, below each
// enabled sub-menu, its items. Space is not looked up here: it switches sides (SpaceSwitchesSides).
std::optional<MenuItem> FindShortcut(Shortcut pressed, const ItemFlags& enabled);

// Space shows the other side only while running with the Game menu enabled and two sides in use.
bool SpaceSwitchesSides(bool running, const ItemFlags& enabled, bool singleWin);

}  // namespace kirvo
