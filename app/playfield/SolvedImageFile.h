// The solved picture as a file: the assembled puzzle (SolvedPicture.h) with its caption, saved as
// PNG, JPEG or a 24-bit Windows bitmap.
//
// The caption has two white bands. The first names the picture: the lines of the jigsaw's
// information text, each followed by three spaces ("Unknown image" when it has none). The second
// tells how it was made ("Assembled from 120 pieces with border with rotation") with today's date
// in the locale's short format at the right. Text wider than the picture wraps between words and
// its band grows by a line for each line more; a word wider than the whole band stays whole.
// Everything is in the application font, 10 points, black unless told otherwise.
#pragma once

#include <string>

#include "base/Result.h"
#include "game/GameState.h"

namespace kirvo {

// The caption's fixed words, in the player's language.
struct SolvedCaptionTexts {
    std::string unknownImage = "Unknown image";
    std::string assembledFrom = "Assembled from %d pieces";  // %d: the piece count, in bold
    std::string withBorder = "with border";
    std::string withRotation = "with rotation";
};

// The extension of path picks the format: .png, .jpg or .jpeg (case aside), any other a bitmap.
// Written durably (base/DurableFile.h), so path ends up whole or as it was. Needs a
// QGuiApplication for the fonts.
Result<> SaveSolvedImage(const std::string& path, const GameState& state, const std::string& infoText,
                         const SolvedCaptionTexts& texts);

}  // namespace kirvo
