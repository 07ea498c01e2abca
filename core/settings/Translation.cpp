#include "settings/Translation.h"

#include <optional>
#include <utility>

#include "base/Folders.h"
#include "base/TextFormat.h"
#include "settings/ErrorDetail.h"

namespace kirvo {

std::string Translator::Text(LangSection section, std::string_view key) const
{
    std::optional<std::string> found = LangFind(table_, section, key);
    return found ? std::move(*found) : std::string(key);
}

std::string Translator::TextBr(LangSection section, std::string_view key) const
{
    return WideReplace(Text(section, key), "$D", "\n", kReplaceAll);
}

std::string Translator::TextOr(LangSection section, std::string_view key, std::string_view english) const
{
    std::optional<std::string> found = LangFind(table_, section, key);
    return WideReplace(found && !found->empty() ? *found : std::string(english), "$D", "\n", kReplaceAll);
}

std::string Translator::Detail(std::string_view english) const { return TranslateErrorDetail(table_, english); }

Result<> Translator::Apply(const std::string& path)
{
    Result<std::vector<char>> bytes = ReadLanguageFile(path);
    if (!bytes)
        return Fail(FormatText(TextOr(LangSection::Options, "MS_CantFindLangFile", "The language file cannot be found:$D%s"),
                               {Detail(bytes.error())}));
    table_ = ParseLanguageFile(bytes.value());
    // A listener may add or remove listeners while it runs, so it walks a copy.
    std::map<int, LanguageListener> listeners = listeners_;
    for (auto& [id, listener] : listeners)
        listener();
    return {};
}

int Translator::AddListener(LanguageListener listener)
{
    listeners_.emplace(nextListener_, std::move(listener));
    return nextListener_++;
}

void Translator::RemoveListener(int id) { listeners_.erase(id); }

Result<> ApplyStartupLanguage(Translator& translator, FILE_NAMES& names, const std::string& language)
{
    Result<> applied = translator.Apply(LangFilePath(names.languageFolder, "english"));
    names.helpFile = LangHelpOrEnglish(names.languageFolder, language);
    if (language != "english" && FileExists(LangFilePath(names.languageFolder, language)))
        applied = translator.Apply(LangFilePath(names.languageFolder, language));
    return applied;
}

}  // namespace kirvo
