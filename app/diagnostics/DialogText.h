// The texts of the dialogs: looked up in the translation when a dialog opens, with the English
// text for a language that lacks the key.
#pragma once

#include <QString>

#include "settings/Translation.h"

namespace kirvo {

// The translation of key in the section ("$D" a line break), or english when it is missing or empty.
QString DialogText(const Translator& translator, LangSection section, const char* key, const char* english);

}  // namespace kirvo
