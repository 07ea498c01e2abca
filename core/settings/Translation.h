// Translator: the table of the language the player chose, and the lookups every caption, hint and
// message of the game goes through.
//
// One translator lives as long as the program and is handed to whatever shows text. Its table is
// empty until the first Apply, so until then every lookup shows its key. Windows that exist when a
// language is applied register a listener and retranslate themselves when it is called; windows
// built later take their texts as they are made.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "game/FileNames.h"
#include "settings/LanguageFile.h"

namespace kirvo {

using LanguageListener = std::function<void()>;

class Translator {
public:
    // The translation of key in the section, or the key itself when the table has none.
    std::string Text(LangSection section, std::string_view key) const;
    // Text with every "$D" turned into a line break.
    std::string TextBr(LangSection section, std::string_view key) const;
    // TextBr, or `english` when the table has no text for the key.
    std::string TextOr(LangSection section, std::string_view key, std::string_view english) const;
    // The detail of a failure (a Result's error) in the language, part by part by the "[Errors]"
    // section (see ErrorDetail.h); what the table does not know stays English.
    std::string Detail(std::string_view english) const;

    // Replaces the table with the file's and calls every listener. A file that cannot be read
    // keeps the current table; the error is "MS_CantFindLangFile" with the path and the reason,
    // for the player to read, in plain English when no language is loaded yet.
    Result<> Apply(const std::string& path);

    int AddListener(LanguageListener listener);  // returns the id to remove it with
    void RemoveListener(int id);

private:
    LangTable table_;
    int nextListener_ = 0;
    std::map<int, LanguageListener> listeners_;
};

// The start-up language: English first, then `language` when its file exists; the help file
// follows the language when its help file exists. A language file that exists but cannot be read
// is reported as Apply does.
Result<> ApplyStartupLanguage(Translator& translator, FILE_NAMES& names, const std::string& language);

}  // namespace kirvo
