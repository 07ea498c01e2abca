#include "settings/Translation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

class Translation : public ::testing::Test {
protected:
    Translation() { names.languageFolder = folder; }

    void Write(const std::string& name, const std::string& text) { temp.Write(name, text); }

    testing::TempFolder temp;
    std::string folder = temp.Path();
    FILE_NAMES names;
    Translator translator;
};

TEST_F(Translation, WithoutALanguageEveryTextIsItsKey)
{
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "B_Ok");
    // Without any language the player still reads what went wrong, in plain English.
    Result<> missing = translator.Apply(folder + "english.lng");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "The language file cannot be found:\nCannot read " + folder + "english.lng: No such file or directory");

    Write("english.lng", "[All]\n<B_Ok> OK\n[Options]\n<MS_CantFindLangFile> No language: %s\n"
                         "[Main Form]\n<Q_SaveChanges> The game has changed.$DSave it?\n");
    ASSERT_TRUE(translator.Apply(folder + "english.lng"));
    EXPECT_EQ(translator.Text(LangSection::All, "b_ok"), "OK");
    EXPECT_EQ(translator.Text(LangSection::All, "B_Cancel"), "B_Cancel");
    EXPECT_EQ(translator.Text(LangSection::MainForm, "Q_SaveChanges"), "The game has changed.$DSave it?");
    EXPECT_EQ(translator.TextBr(LangSection::MainForm, "Q_SaveChanges"), "The game has changed.\nSave it?");

    // A missing file is reported in the current language, with the reason, and changes nothing.
    Result<> klingon = translator.Apply(folder + "klingon.lng");
    ASSERT_FALSE(klingon);
    EXPECT_EQ(klingon.error(), "No language: Cannot read " + folder + "klingon.lng: No such file or directory");
    std::filesystem::create_directory(folder + "folder.lng");
    EXPECT_FALSE(translator.Apply(folder + "folder.lng"));  // nor does one that cannot be read
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "OK");
}

TEST_F(Translation, ListenersRetranslateOpenWindows)
{
    Write("a.lng", "[All]\n<B_Ok> A\n");
    Write("b.lng", "[All]\n<B_Ok> B\n");
    std::vector<std::string> seen;
    int id = translator.AddListener([&] { seen.push_back(translator.Text(LangSection::All, "B_Ok")); });
    ASSERT_TRUE(translator.Apply(folder + "a.lng"));
    ASSERT_TRUE(translator.Apply(folder + "b.lng"));
    EXPECT_FALSE(translator.Apply(folder + "c.lng"));
    translator.RemoveListener(id);
    ASSERT_TRUE(translator.Apply(folder + "a.lng"));
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B"}));
}

TEST_F(Translation, StartupLanguageAndHelpFile)
{
    Write("english.lng", "[All]\n<B_Ok> OK\n<B_Cancel> Cancel\n");
    Write("german.lng", "[All]\n<B_Ok> Gut\n");
    Write("german.chm", "help");

    ASSERT_TRUE(ApplyStartupLanguage(translator, names, "german"));
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "Gut");
    EXPECT_EQ(translator.Text(LangSection::All, "B_Cancel"), "B_Cancel");  // the table is replaced whole
    EXPECT_EQ(names.helpFile, folder + "german.chm");

    EXPECT_TRUE(ApplyStartupLanguage(translator, names, "french"));  // no such language: English stays, without a message
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "OK");
    EXPECT_EQ(names.helpFile, folder + "english.chm");
}

}  // namespace
}  // namespace kirvo
