// Error details in the player's language.
//
// The core reports a failure in English, its parts joined by ": " from the outside in ("Invalid
// saved game: piece 3: its own neighbour"). The "[Errors]" section of a language file translates
// each part on its own: an entry's name is an English part in which "%s" stands for any text (a
// name, a reason) and "%d" for a whole number, its value the translation with the same place
// holders in the same order. Matching is exact and the first entry that fits wins. A part that no
// entry fits stays English, so a new error text is shown untranslated rather than lost.
#pragma once

#include <string>
#include <string_view>

#include "settings/LanguageFile.h"

namespace kirvo {

std::string TranslateErrorDetail(const LangTable& table, std::string_view english);

}  // namespace kirvo
