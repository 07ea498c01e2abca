// Every text the program looks up exists in every language it ships. The keys are collected from
// the sources themselves, so a new lookup without its translation fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "settings/LanguageFile.h"

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
TEST(LanguageKeys, EveryLanguageIsComplete)
{
    LangTable english = Load((kRoot / "data" / "language" / "english.lng").string());
    ASSERT_FALSE(english.empty());
    for (const std::string& path : ShippedLanguages()) {
        EXPECT_TRUE(LangReadInfo(path)) << path;
        LangTable table = Load(path);
        for (const LANG_ITEM& item : english) {
            std::optional<std::string> text = LangFind(table, item.section, item.name);
            EXPECT_TRUE(text && !text->empty())
                << path << " lacks [" << LangSectionName(item.section) << "] " << item.name;
        }
        EXPECT_EQ(table.size(), english.size()) << path << " has entries English does not have";
    }
}

}  // namespace
}  // namespace kirvo
