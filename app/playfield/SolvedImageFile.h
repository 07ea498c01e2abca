// The solved picture as a file: the assembled puzzle (SolvedPicture.h) with its two caption lines,
// saved as a 24-bit Windows bitmap.
//
// The first line names the picture: the lines of the jigsaw's information text, each followed by
// three spaces ("Unknown image" when it has none). The second tells how it was made ("Assembled
// from 120 pieces with border with rotation") with today's date in the locale's short format at
// the right. Both are in the application font, 10 points, black unless told otherwise.
#pragma once

#include <string>

#include "base/Result.h"
#include "game/GameState.h"

namespace kirvo {

// Written durably (base/DurableFile.h), so path ends up whole or as it was. Needs a
// QGuiApplication for the fonts.
Result<> SaveSolvedImage(const std::string& path, const GameState& state, const std::string& infoText);

}  // namespace kirvo
