#include "settings/Translation.h"

#include <map>
#include <utility>

#include "base/Folders.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace {

LangTable& CurrentTable()
{
    static LangTable table;
    return table;
}

struct Listeners {
    int nextId = 0;
    std::map<int, LanguageListener> byId;
};

Listeners& AllListeners()
{
    static Listeners listeners;
    return listeners;
}

}  // namespace

std::string LangText(LangSection section, std::string_view key)
{
    std::optional<std::string> found = LangFind(CurrentTable(), section, key);
    return found ? std::move(*found) : std::string(key);
}

std::string LangTextBr(LangSection section, std::string_view key)
{
    return WideReplace(LangText(section, key), "$D", "\n", kReplaceAll);
}

Result<> LangApply(const std::string& path)
{
    Result<std::vector<char>> bytes = ReadLanguageFile(path);
    if (!bytes)
        return Fail(FormatText(LangText(LangSection::Options, "MS_CantFindLangFile"), {bytes.error()}));
    CurrentTable() = ParseLanguageFile(bytes.value());
    // A listener may add or remove listeners while it runs, so it walks a copy.
    std::map<int, LanguageListener> listeners = AllListeners().byId;
    for (auto& [id, listener] : listeners)
        listener();
    return {};
}

int AddLanguageListener(LanguageListener listener)
{
    Listeners& listeners = AllListeners();
    listeners.byId.emplace(listeners.nextId, std::move(listener));
    return listeners.nextId++;
}

void RemoveLanguageListener(int id) { AllListeners().byId.erase(id); }

Result<> ApplyStartupLanguage(FILE_NAMES& names, const std::string& language)
{
    Result<> applied = LangApply(LangFilePath(names.languageFolder, "english"));
    names.helpFile = LangHelpPath(names.languageFolder, "english");
    if (language == "english")
        return applied;
    if (FileExists(LangFilePath(names.languageFolder, language)))
        applied = LangApply(LangFilePath(names.languageFolder, language));
    if (FileExists(LangHelpPath(names.languageFolder, language)))
        names.helpFile = LangHelpPath(names.languageFolder, language);
    return applied;
}

}  // namespace kirvo
