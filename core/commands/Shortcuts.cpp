#include "commands/Shortcuts.h"

namespace kirvo {

void KeyDown(KeyTracker& tracker, int key, uint8_t modifiers, bool progressShown)
{
    if (key == 0 || progressShown)
        return;
    tracker.remembered = key;
    tracker.modifiers = modifiers;
}

std::optional<uint8_t> KeyUp(KeyTracker& tracker, int key, bool progressShown)
{
    if (key == 0 || progressShown)
        return std::nullopt;
    const bool acts = key == tracker.remembered;
    tracker.remembered = 0;
    return acts ? std::optional(tracker.modifiers) : std::nullopt;
}

std::optional<MenuItem> FindShortcut(Shortcut pressed, const ItemFlags& enabled)
{
    for (const MenuEntry& entry : MenuTable()) {
        if (entry.item == MenuItem::Separator)
            continue;
        bool topLevel = entry.parent == MenuItem::MI_Menu;
        if (!topLevel && !enabled[size_t(entry.parent)])
            continue;
        if (entry.shortcut == pressed && enabled[size_t(entry.item)])
            return entry.item;
    }
    return std::nullopt;
}

bool SpaceSwitchesSides(bool running, const ItemFlags& enabled, bool singleWin)
{
    return running && enabled[size_t(MenuItem::MI_Game)] && !singleWin;
}

}  // namespace kirvo
