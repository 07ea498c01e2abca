#include "settings/LanguageFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

LangTable Parse(const std::string& text) { return ParseLanguageFile(text); }

std::string Find(const LangTable& table, LangSection section, const char* key)
{
    return LangFind(table, section, key).value_or("<none>");
}

// The text as UTF-16 with a byte-order mark; `text` is ASCII except for "\xC3\xA4" (a-umlaut).
std::string Utf16(const std::string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (size_t at = 0; at < text.size(); ++at) {
        char16_t c = text.compare(at, 2, "\xC3\xA4") == 0 ? (++at, u'\u00E4') : char16_t(uint8_t(text[at]));
        char high = char(c >> 8), low = char(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

const std::string kSample =
    "<B_Ok> Before any header\r\n"
    "[All]\r\n"
    "  <B_Ok>   OK  \r\n"
    "<b_cancel> Abbrechen\r\n"
    "\t<B_Close>\r\n"
    "<Broken no close\r\n"
    "; a comment < with > brackets\r\n"
    "[Options]\r\n"
    "<FormCaption> Einstellungen\r\n"
    "<FormCaption> Second\r\n"
    "<Key0> Linke Taste <links>\r\n"
    "[Options Page]\r\n"
    "<L_StuckKoef> Still in Options\r\n"
    "[Unknown]\r\n"
    "<TS_Sound> Ger\xC3\xA4usche\r\n"
    "[Pocket]\r\n"
    "<PocketCaption> Tasche %d (%d)\r\n";

TEST(LanguageFile, Entries)
{
    LangTable table = Parse(kSample);
    EXPECT_EQ(Find(table, LangSection::All, "B_Ok"), "OK");          // the line before any header is ignored
    EXPECT_EQ(Find(table, LangSection::All, "B_Cancel"), "Abbrechen");
    EXPECT_EQ(Find(table, LangSection::All, "B_CLOSE"), "");         // an entry may be empty
    EXPECT_EQ(Find(table, LangSection::All, "Broken no close"), "<none>");
    EXPECT_EQ(Find(table, LangSection::Options, "FormCaption"), "Einstellungen");  // the first one wins
    EXPECT_EQ(Find(table, LangSection::Options, "key0"), "Linke Taste <links>");
    // "[Options Page]" and "[Unknown]" name no section: the entries below stay in Options.
    EXPECT_EQ(Find(table, LangSection::Options, "L_StuckKoef"), "Still in Options");
    EXPECT_EQ(Find(table, LangSection::Options, "TS_Sound"), "Ger\xC3\xA4usche");
    EXPECT_EQ(Find(table, LangSection::Pocket, "PocketCaption"), "Tasche %d (%d)");
    EXPECT_EQ(Find(table, LangSection::MainForm, "B_Ok"), "<none>");  // sections are separate
    EXPECT_EQ(table.size(), 9u);
}

TEST(LanguageFile, HeadersMatchByPrefixInTableOrder)
{
    // "[Info]" must not be taken for "[Language Info]" and vice versa; a header may carry text after it.
    LangTable table = Parse("[Language Info] trailing\n<engname> X\n[Info]\n<L_JigCap> Y\n[Load/Save Form]\n<Mix> Z\n");
    EXPECT_EQ(Find(table, LangSection::LanguageInfo, "engname"), "X");
    EXPECT_EQ(Find(table, LangSection::Info, "L_JigCap"), "Y");
    EXPECT_EQ(Find(table, LangSection::LoadSave, "Mix"), "Z");
}

TEST(LanguageFile, EveryEncodingGivesTheSameTable)
{
    LangTable expected = Parse(kSample);
    const std::pair<const char*, std::string> encodings[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" + kSample},
        {"UTF-16 LE", Utf16(kSample, false)},
        {"UTF-16 BE", Utf16(kSample, true)},
    };
    for (const auto& [name, bytes] : encodings) {
        LangTable table = Parse(bytes);
        ASSERT_EQ(table.size(), expected.size()) << name;
        for (size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].section, expected[i].section) << name << " " << i;
            EXPECT_EQ(table[i].name, expected[i].name) << name << " " << i;
            EXPECT_EQ(table[i].value, expected[i].value) << name << " " << i;
        }
    }
}

TEST(LanguageFile, PathsUseTheLowerCasedName)
{
    EXPECT_EQ(LangFilePath("/p/language/", "German"), "/p/language/german.lng");
    EXPECT_EQ(LangHelpPath("/p/language/", "German"), "/p/language/german/");
    EXPECT_EQ(LangFlagPath("/p/language/", "German"), "/p/language/german.bmp");
}

class LanguageFolder : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& text) { root.Write("language/" + name, text); }

    testing::TempFolder root;
    std::string folder = root.Path() + "language/";
};

TEST_F(LanguageFolder, ReadInfoTakesOnlyTheLanguageInfoSection)
{
    Write("mine.lng", "<engname> Outside\n[All]\n<B_Ok> OK\n[Language Info]\n<EngName> Mine\n<LocalName> Meins\n"
                      "<author> A. Writer\n<l_onlyinterface> Only the interface.\n<other> x\n[All]\n<engname> Later\n");
    Write("bare.lng", "[Language Info]\n<author> Nobody\n");
    Write("none.lng", "[All]\n<B_Ok> OK\n");
    std::optional<LANG_INFO> mine = LangReadInfo(folder + "mine.lng");
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->fileName, "mine");
    EXPECT_EQ(mine->engname, "Mine");
    EXPECT_EQ(mine->localname, "Meins");
    EXPECT_EQ(mine->author, "A. Writer");
    EXPECT_EQ(mine->l_onlyinterface, "Only the interface.");
    std::optional<LANG_INFO> bare = LangReadInfo(folder + "bare.lng");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->engname, "bare");  // without an English name the file name stands in
    EXPECT_FALSE(LangReadInfo(folder + "none.lng"));
    EXPECT_FALSE(LangReadInfo(folder + "missing.lng"));
}

TEST_F(LanguageFolder, ScanListsLanguagesSortedByEnglishName)
{
    EXPECT_TRUE(LangScan(folder).empty());  // the folder is made, and it is empty
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    Write("none.lng", "[All]\n<B_Ok> OK\n");
    EXPECT_TRUE(LangScan(folder).empty());
    Write("zz.lng", "[Language Info]\n<engname> german\n");
    Write("aa.lng", "[Language Info]\n<engname> Swedish\n");
    Write("mm.lng", "[Language Info]\n<engname> English\n");
    Write("notes.txt", "[Language Info]\n<engname> Alpha\n");
    std::vector<LANG_INFO> languages = LangScan(folder);
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(languages[0].fileName, "mm");
    EXPECT_EQ(languages[1].fileName, "zz");
    EXPECT_EQ(languages[2].fileName, "aa");
    EXPECT_TRUE(LangScan(root.Path() + "missing/parent/").empty());  // a folder that cannot be made
}

}  // namespace
}  // namespace kirvo
