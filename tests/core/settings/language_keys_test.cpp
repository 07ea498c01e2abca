// Every text the program looks up exists in every language it ships, and so does every error text
// of the core. Both are collected from the sources themselves, so a new lookup or error text
// without its translation fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "settings/LanguageFile.h"
#include "settings/Translation.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(KIRVO_TEST_DATA) / ".." / "..";

struct Lookup {
    std::string section;  // the enumerator as written in the source
    std::string key;
    std::string where;
};

std::vector<Lookup> LookupsInSources()
{
    // The translator's own lookups, and those of the dialogs, which name the translator first.
    const std::regex call(R"(\b(?:Text(?:Br|Or)?\(|DialogText\(\s*\w+\s*,)\s*LangSection::(\w+)\s*,\s*"([^"]*)\")");
    std::vector<Lookup> lookups;
    for (const char* folder : {"core", "app"}) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h")
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
                lookups.push_back({(*it)[1], (*it)[2], entry.path().filename().string()});
        }
    }
    return lookups;
}

std::optional<LangSection> SectionNamed(const std::string& enumerator)
{
    static const std::map<std::string, LangSection> sections = {
        {"LanguageInfo", LangSection::LanguageInfo}, {"All", LangSection::All},
        {"MainForm", LangSection::MainForm},         {"LoadSave", LangSection::LoadSave},
        {"Pocket", LangSection::Pocket},             {"Options", LangSection::Options},
        {"Info", LangSection::Info},                 {"Credits", LangSection::Credits},
        {"About", LangSection::About},               {"Thumbnail", LangSection::Thumbnail},
        {"Download", LangSection::Download},         {"Finish", LangSection::Finish},
        {"QuickHelp", LangSection::QuickHelp},       {"ColorPicker", LangSection::ColorPicker},
        {"Errors", LangSection::Errors},
    };
    auto found = sections.find(enumerator);
    return found == sections.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> ShippedLanguages()
{
    std::vector<std::string> paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "data" / "language"))
        if (entry.path().extension() == ".lng")
            paths.push_back(entry.path().string());
    return paths;
}

LangTable Load(const std::string& path)
{
    Result<std::vector<char>> bytes = ReadLanguageFile(path);
    return ParseLanguageFile(bytes ? bytes.value() : std::vector<char>());
}

TEST(LanguageKeys, EveryLookupOfTheProgramIsTranslated)
{
    std::vector<Lookup> lookups = LookupsInSources();
    std::set<std::string> keys;
    for (const Lookup& lookup : lookups)
        keys.insert(lookup.key);
    // The collection itself must keep working: these lookups are known to exist.
    for (const char* known : {"Q_SaveChanges", "MS_PaintError", "MS_CantFindLangFile", "L_JigCap"})
        EXPECT_TRUE(keys.count(known)) << known << " was not collected from the sources";

    std::vector<std::string> languages = ShippedLanguages();
    ASSERT_TRUE(std::any_of(languages.begin(), languages.end(),
                            [](const std::string& path) { return path.ends_with("english.lng"); }));
    for (const std::string& path : languages) {
        LangTable table = Load(path);
        for (const Lookup& lookup : lookups) {
            std::optional<LangSection> section = SectionNamed(lookup.section);
            ASSERT_TRUE(section) << "unknown section " << lookup.section << " in " << lookup.where;
            std::optional<std::string> text = LangFind(table, *section, lookup.key);
            EXPECT_TRUE(text && !text->empty())
                << path << " lacks [" << LangSectionName(*section) << "] " << lookup.key << " used in " << lookup.where;
        }
    }
}

// The other languages translate everything English has, and every shipped file is a language.
// Error details are English already, so only the other languages have "[Errors]" entries.
TEST(LanguageKeys, EveryLanguageIsComplete)
{
    LangTable english = Load((kRoot / "data" / "language" / "english.lng").string());
    ASSERT_FALSE(english.empty());
    auto texts = [](const LangTable& table) {
        return std::count_if(table.begin(), table.end(), [](const LANG_ITEM& item) { return item.section != LangSection::Errors; });
    };
    for (const std::string& path : ShippedLanguages()) {
        EXPECT_TRUE(LangReadInfo(path)) << path;
        LangTable table = Load(path);
        for (const LANG_ITEM& item : english) {
            std::optional<std::string> text = LangFind(table, item.section, item.name);
            EXPECT_TRUE(text && !text->empty())
                << path << " lacks [" << LangSectionName(item.section) << "] " << item.name;
        }
        EXPECT_EQ(texts(table), texts(english)) << path << " has entries English does not have";
    }
}

std::vector<std::string> PlaceHolders(std::string_view text)
{
    std::vector<std::string> holders;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 2))
        holders.emplace_back(text.substr(at, 2));
    return holders;
}

// An error pattern fills in what its English part held, in the same order, so no "%s" is ever
// left in a message; a pattern holding ": " could never fit, as details are split there.
TEST(LanguageKeys, ErrorPatternsKeepTheirPlaceHolders)
{
    for (const std::string& path : ShippedLanguages())
        for (const LANG_ITEM& item : Load(path)) {
            if (item.section != LangSection::Errors)
                continue;
            EXPECT_EQ(PlaceHolders(item.value), PlaceHolders(item.name)) << path << ": " << item.name;
            EXPECT_EQ(item.name.find(": "), std::string::npos) << path << ": " << item.name;
            EXPECT_FALSE(item.value.empty()) << path << ": " << item.name;
        }
}

struct ErrorText {
    std::string words;  // the English the message begins with
    bool continued;     // a name, a number or a nested reason follows the words
    std::string where;
};

// The error messages of the core, from the first string of each failure it reports, and of the
// picture libraries' refusals the codecs raise themselves.
std::vector<ErrorText> ErrorTextsInSources()
{
    const std::regex call(
        R"re((?:\b(?:Fail|Invalid|SystemError)\((?:std::string\()?|\b(?:RefuseJpeg|png_error)\([^;"]*,\s*)"([^"]*)"\s*(\)?\s*\+)?)re");
    std::vector<ErrorText> texts;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / "core")) {
        if (entry.path().extension() != ".cpp")
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
            texts.push_back({(*it)[1], (*it)[2].matched, entry.path().filename().string()});
    }
    return texts;
}

// The text split at each ": ", as error details are.
std::vector<std::string> PartsOf(const std::string& text)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at = text.find(": "); at != std::string::npos; from = at + 2, at = text.find(": ", from))
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// Every error text the core reports has its translation in every other language: each part of
// its words is translated, and the words that a name or number completes begin some pattern.
TEST(LanguageKeys, EveryErrorOfTheCoreIsTranslated)
{
    std::vector<ErrorText> errors = ErrorTextsInSources();
    std::set<std::string> collected;
    for (const ErrorText& error : errors)
        collected.insert(error.words);
    for (const char* known : {"Invalid saved game: ", "Cannot read ", "truncated header", "truncated stream", "more than 100 scans"})
        EXPECT_TRUE(collected.count(known)) << known << " was not collected from the sources";

    for (const std::string& path : ShippedLanguages()) {
        if (path.ends_with("english.lng"))
            continue;
        Translator translator;
        ASSERT_TRUE(translator.Apply(path));
        std::vector<std::string> patterns;
        for (const LANG_ITEM& item : Load(path))
            if (item.section == LangSection::Errors)
                patterns.push_back(item.name);
        for (const ErrorText& error : errors) {
            const std::vector<std::string> parts = PartsOf(error.words);
            for (size_t k = 0; k < parts.size(); ++k) {
                const std::string& part = parts[k];
                if (part.empty())
                    continue;
                if (k + 1 == parts.size() && error.continued)
                    EXPECT_TRUE(std::any_of(patterns.begin(), patterns.end(),
                                            [&](const std::string& pattern) { return pattern.starts_with(part); }))
                        << path << " has no pattern for \"" << part << "...\" of " << error.where;
                else
                    EXPECT_NE(translator.Detail(part), part) << path << " lacks \"" << part << "\" of " << error.where;
            }
        }
    }
}

}  // namespace
}  // namespace kirvo
