// MouseBindings: which mouse button, with which modifiers, turns a group or sends it to the other
// side, and how pieces are carried. Kept in the settings file and in every saved game.
#pragma once

#include <cstdint>

namespace kirvo {

// Mouse buttons: 0 left, 1 right, 2 middle. Modifier sets: 1 Shift, 2 Alt, 4 Ctrl.
struct MouseBindings {
    uint8_t RotCW_Button = 1;
    uint8_t RotCW_Shift = 4;
    uint8_t RotCCW_Button = 0;
    uint8_t RotCCW_Shift = 4;
    uint8_t MoveOW_Button = 1;
    uint8_t MoveOW_Shift = 0;
    bool bSingleWin = false;
    bool bClickToDrag = false;
};

}  // namespace kirvo
