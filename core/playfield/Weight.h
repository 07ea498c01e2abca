// The weight: set on a group, it keeps that group underneath every other (group 0, drawn first),
// never brought to the top and never selected, so the player can build the picture on it.
//
// The Weight command sets it on the group being carried; with nothing carried it lifts a placed
// weight, or else picks the weight up (or puts the carried one away). A carried weight follows
// the mouse over the field as a sprite and is set by the next left release on the piece under
// the anchor point, or on nothing when no piece lies there.
#pragma once

#include "playfield/PlayMouse.h"

namespace kirvo {

// (x, y): the mouse on the field; callers pass a point left of or above the field as (-100, -100).
void WeightCommand(PlayContext& play, int x, int y);
// A mouse move while the weight is carried: the sprite follows, and a side or pocket it enters
// becomes current (a pocket comes to the front).
void CarryWeight(PlayContext& play, int x, int y);
// The release: the piece under the anchor takes the weight; carrying ends.
void DropWeight(PlayContext& play);

}  // namespace kirvo
