// Jigsaw choices: how a selected jigsaw will be cut and played — piece size, shapes, border,
// mixing, rotation and fit to screen — held in the pending descriptor until the game starts.
//
// The player's standing choices (NewGameDefaults, kept in the settings file) fill the pending
// descriptor at every selection; the fit size is the largest size of the picture's proportions
// that the screen can show, and the piece-size level is applied to that size while fit to screen
// is on.
#pragma once

#include <string>

#include "base/Result.h"
#include "game/Descriptor.h"
#include "playfield/PlayWindow.h"
#include "raster/PixelBuffer.h"
#include "settings/Settings.h"

namespace kirvo {

// Level, Rotate, BorderStyle, ShapeStyle, SpreadOut and FitToScreen from the standing choices.
void TakeChoices(Descriptor& pending, const NewGameDefaults& defaults);

// Selecting a jigsaw file: its header and the standing choices go into the pending descriptor,
// with the fit size for a field of fitArea. The file's preview, or why it cannot be read.
Result<TPixelBuffer> SelectJigsawFile(const std::string& path, const NewGameDefaults& defaults, WindowSize fitArea,
                                      Descriptor& pending);

// fitWidth x fitHeight of the pending picture (ImageW x ImageH) for a field of available size:
// the picture's own size when it fits, else the largest size of its proportions that does.
void ComputeFitSize(Descriptor& pending, int availableWidth, int availableHeight);

// The size the picture will be cut at: the fit size while fit to screen is on.
int CutWidth(const Descriptor& pending);
int CutHeight(const Descriptor& pending);

// Puts the cut geometry of the chosen level into the pending descriptor. False when that level
// would give more pieces than a game may have.
bool ApplyChosenLevel(Descriptor& pending);

}  // namespace kirvo
