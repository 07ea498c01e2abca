// The current translation: the table of the language the player chose, and the lookups every
// caption, hint and message of the game goes through.
//
// The table is empty until the first LangApply, so until then every lookup shows its key. Windows
// that exist when a language is applied register a listener and retranslate themselves when it is
// called; windows built later take their texts with LangText as they are made.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "game/FileNames.h"
#include "settings/LanguageFile.h"

namespace kirvo {

// The translation of key in the section, or the key itself when the table has none.
std::string LangText(LangSection section, std::string_view key);
// LangText with every "$D" turned into a line break.
std::string LangTextBr(LangSection section, std::string_view key);

// Replaces the table with the file's and calls every listener. A file that cannot be read keeps
// the current table; the error is "MS_CantFindLangFile" with the path and the reason, for the
// player to read.
Result<> LangApply(const std::string& path);

using LanguageListener = std::function<void()>;
int AddLanguageListener(LanguageListener listener);  // returns the id to remove it with
void RemoveLanguageListener(int id);

// The start-up language: English first, then `language` when its file exists; the help file
// follows the language when its help file exists.
// A language file that exists but cannot be read is reported as LangApply does.
Result<> ApplyStartupLanguage(FILE_NAMES& names, const std::string& language);

}  // namespace kirvo
