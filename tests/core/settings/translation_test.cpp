#include "settings/Translation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "session/MessageBox.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class Translation : public ::testing::Test {
protected:
    Translation()
    {
        previous = SetMessagePresenter([this](const MessageRequest& request) {
            shown.push_back(request.text);
            return MessageAnswer::Ok;
        });
        names.languageFolder = folder;
    }
    ~Translation() override { SetMessagePresenter(previous); }

    void Write(const std::string& name, const std::string& text) { temp.Write(name, text); }

    testing::TempFolder temp;
    std::string folder = temp.Path();
    FILE_NAMES names;
    MessagePresenter previous;
    std::vector<std::string> shown;
};

// Must run before any language is applied (CTest runs every test in a process of its own).
TEST_F(Translation, WithoutALanguageEveryTextIsItsKey)
{
    EXPECT_EQ(LangText(LangSection::All, "B_Ok"), "B_Ok");
    Result<> missing = LangApply(folder + "english.lng");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "MS_CantFindLangFile");

    Write("english.lng", "[All]\n<B_Ok> OK\n[Options]\n<MS_CantFindLangFile> No language: %s\n"
                         "[Main Form]\n<Q_SaveChanges> The game has changed.$DSave it?\n");
    ASSERT_TRUE(LangApply(folder + "english.lng"));
    EXPECT_EQ(LangText(LangSection::All, "b_ok"), "OK");
    EXPECT_EQ(LangText(LangSection::All, "B_Cancel"), "B_Cancel");
    EXPECT_EQ(LangText(LangSection::MainForm, "Q_SaveChanges"), "The game has changed.$DSave it?");
    EXPECT_EQ(LangTextBr(LangSection::MainForm, "Q_SaveChanges"), "The game has changed.\nSave it?");

    MsgBox(LangText(LangSection::MainForm, "Q_SaveChanges"), MessageButtons::YesNoCancel, MessageIcon::Question);
    EXPECT_EQ(shown.back(), "The game has changed.\nSave it?");

    // A missing file is reported in the current language, with the reason, and changes nothing.
    Result<> klingon = LangApply(folder + "klingon.lng");
    ASSERT_FALSE(klingon);
    EXPECT_EQ(klingon.error(), "No language: Cannot read " + folder + "klingon.lng: No such file or directory");
    std::filesystem::create_directory(folder + "folder.lng");
    EXPECT_FALSE(LangApply(folder + "folder.lng"));  // nor does one that cannot be read
    EXPECT_EQ(LangText(LangSection::All, "B_Ok"), "OK");
}

TEST_F(Translation, ListenersRetranslateOpenWindows)
{
    Write("a.lng", "[All]\n<B_Ok> A\n");
    Write("b.lng", "[All]\n<B_Ok> B\n");
    std::vector<std::string> seen;
    int id = AddLanguageListener([&] { seen.push_back(LangText(LangSection::All, "B_Ok")); });
    ASSERT_TRUE(LangApply(folder + "a.lng"));
    ASSERT_TRUE(LangApply(folder + "b.lng"));
    EXPECT_FALSE(LangApply(folder + "c.lng"));
    RemoveLanguageListener(id);
    ASSERT_TRUE(LangApply(folder + "a.lng"));
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B"}));
}

TEST_F(Translation, StartupLanguageAndHelpFile)
{
    Write("english.lng", "[All]\n<B_Ok> OK\n<B_Cancel> Cancel\n");
    Write("german.lng", "[All]\n<B_Ok> Gut\n");
    Write("german.chm", "help");

    ASSERT_TRUE(ApplyStartupLanguage(names, "german"));
    EXPECT_EQ(LangText(LangSection::All, "B_Ok"), "Gut");
    EXPECT_EQ(LangText(LangSection::All, "B_Cancel"), "B_Cancel");  // the table is replaced whole
    EXPECT_EQ(names.helpFile, folder + "german.chm");

    EXPECT_TRUE(ApplyStartupLanguage(names, "french"));  // no such language: English stays, without a message
    EXPECT_EQ(LangText(LangSection::All, "B_Ok"), "OK");
    EXPECT_EQ(names.helpFile, folder + "english.chm");
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace kirvo
