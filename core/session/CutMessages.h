// What the player is told about a cut that did not go cleanly, in the order it is shown.
#pragma once

#include <string>
#include <vector>

#include "cutting/Cut.h"
#include "settings/Translation.h"

namespace kirvo {

// "Finding first edge failed!" when seed points could not be split into cells; for a piece the
// cut could not fill, "PaintError: Ind = ..., CellX = ..., CellY = ..." and then what to do about it;
// that same advice alone when the picture shapes had to be left out.
std::vector<std::string> CutMessages(const CutReport& report, const Translator& translator);

}  // namespace kirvo
