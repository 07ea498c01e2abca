// The translated names of the shape and border styles a jigsaw is cut with, as the dialogs show
// them.
#pragma once

#include <QString>

#include "settings/Translation.h"

namespace kirvo {

// "Shapes0" to "Shapes6" of the Load/Save section; empty for a style the game does not know.
QString ShapeStyleText(const Translator& translator, int style);
// "Borders0" (without a frame) or "Borders1" (with one); empty for any other number.
QString BorderStyleText(const Translator& translator, int style);

}  // namespace kirvo
