// Plain-key shortcuts: a key is remembered when it goes down, with the modifiers held then, and
// acts when that same key comes up, so a key pressed while the progress panel was shown never acts
// afterwards. Keys the game has no use for (0, Shift, Ctrl and Alt on their own among them) are
// passed over: Shift let go a moment before the S of Shift+S still saves as.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "commands/Commands.h"

namespace kirvo {

struct KeyTracker {
    int remembered = 0;     // 0 = none
    uint8_t modifiers = 0;  // Shift, Alt and Ctrl as they were when it went down
};

void KeyDown(KeyTracker& tracker, int key, uint8_t modifiers, bool progressShown);
// The modifiers the key went down with, when it should act now.
std::optional<uint8_t> KeyUp(KeyTracker& tracker, int key, bool progressShown);

using ItemFlags = std::array<bool, kMenuItemCount>;

// The enabled item whose shortcut matches, searching the top level of PM_Menu and, below each
// enabled sub-menu, its items. Space is not looked up here: it switches sides (SpaceSwitchesSides).
std::optional<MenuItem> FindShortcut(Shortcut pressed, const ItemFlags& enabled);

// Space shows the other side only while running with the Game menu enabled and two sides in use.
bool SpaceSwitchesSides(bool running, const ItemFlags& enabled, bool singleWin);

}  // namespace kirvo
