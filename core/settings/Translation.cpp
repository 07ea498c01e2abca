#include "settings/Translation.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <utility>

#include "base/Folders.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether text matches the pattern whole; the texts standing for its place holders go to values.
bool Matches(std::string_view pattern, std::string_view text, std::vector<std::string>& values)
{
    if (pattern.empty())
        return text.empty();
    if (pattern.starts_with("%d")) {
        size_t digits = text.starts_with('-') ? 1 : 0;
        const size_t first = digits;
        while (digits < text.size() && IsDigit(text[digits]))
            ++digits;
        if (digits == first)
            return false;
        values.emplace_back(text.substr(0, digits));
        if (Matches(pattern.substr(2), text.substr(digits), values))
            return true;
        values.pop_back();
        return false;
    }
    if (pattern.starts_with("%s")) {
        // The shortest text that lets the rest match: a literal after the place holder ends it.
        for (size_t length = 1; length <= text.size(); ++length) {
            values.emplace_back(text.substr(0, length));
            if (Matches(pattern.substr(2), text.substr(length), values))
                return true;
            values.pop_back();
        }
        return false;
    }
    return !text.empty() && pattern.front() == text.front() && Matches(pattern.substr(1), text.substr(1), values);
}

}  // namespace

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

std::string Translator::Detail(std::string_view english) const
{
    std::string translated;
    for (size_t start = 0; start <= english.size();) {
        const size_t end = std::min(english.find(": ", start), english.size());
        const std::string_view part = english.substr(start, end - start);
        std::string shown(part);
        for (const LANG_ITEM& item : table_) {
            std::vector<std::string> values;
            if (item.section == LangSection::Errors && !item.value.empty() && Matches(item.name, part, values)) {
                shown = FormatText(item.value, std::span<const std::string>(values));
                break;
            }
        }
        translated += shown;
        if (end == english.size())
            break;
        translated += ": ";
        start = end + 2;
    }
    return translated;
}

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
