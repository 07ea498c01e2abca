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
    Write("german/cont-pleo3.htm", "help");

    ASSERT_TRUE(ApplyStartupLanguage(translator, names, "german"));
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "Gut");
    EXPECT_EQ(translator.Text(LangSection::All, "B_Cancel"), "B_Cancel");  // the table is replaced whole
    EXPECT_EQ(names.helpFile, folder + "german/");

    EXPECT_TRUE(ApplyStartupLanguage(translator, names, "french"));  // no such language: English stays, without a message
    EXPECT_EQ(translator.Text(LangSection::All, "B_Ok"), "OK");
    EXPECT_EQ(names.helpFile, folder + "english/");
}

// The shipped German file on the details the game reports: each part on its own, names and
// numbers filled in, what it does not know left in English.
TEST_F(Translation, DetailsFollowTheLanguage)
{
    ASSERT_TRUE(translator.Apply(std::string(KIRVO_TEST_DATA) + "/../../data/language/german.lng"));
    const struct {
        const char* english;
        const char* german;
    } cases[] = {
        {"There is no game to save.", "Es gibt kein Spiel, das gespeichert werden kann."},
        {"Cannot read /home/eva/Pictures/alps.ast: Permission denied",
         "Die Datei /home/eva/Pictures/alps.ast kann nicht gelesen werden: Keine Berechtigung"},
        {"Invalid saved game: piece 3: position far outside the field",
         "Ungültiges gespeichertes Spiel: Teil 3: Position weit außerhalb des Spielfelds"},
        {"Invalid saved game: neighbour -2, outside -1 to 99", "Ungültiges gespeichertes Spiel: Nachbar -2, außerhalb von -1 bis 99"},
        {"Invalid jigsaw file: picture: Invalid JPEG image: Not a JPEG file: starts with 0x89 0x50",
         "Ungültige Puzzledatei: Bild: Ungültiges JPEG-Bild: Keine JPEG-Datei: beginnt mit 0x89 0x50"},
        {"Invalid PNG image: IDAT: CRC error", "Ungültiges PNG-Bild: IDAT: Prüfsummenfehler"},  // a chunk name stays
        {"Cannot read PNG image: out of memory", "PNG-Bild kann nicht gelesen werden: nicht genug Arbeitsspeicher"},
        // A name may hold ": " itself; it stays whole when the reason after it is known, or the
        // pattern's own words close it.
        {"Cannot write /home/eva/Level 2: hard.sv1: No space left on device",
         "Die Datei /home/eva/Level 2: hard.sv1 kann nicht geschrieben werden: Kein Speicherplatz mehr auf dem Datenträger"},
        {"Invalid jigsaw file: /tmp/a: b.jpg is not a .ast file", "Ungültige Puzzledatei: /tmp/a: b.jpg ist keine .ast-Datei"},
        // An unknown reason stays English, after the name rather than inside it.
        {"Cannot read /tmp/alps.ast: Stale file handle", "Die Datei /tmp/alps.ast kann nicht gelesen werden: Stale file handle"},
        {"Invalid saved game: jigsaw name length x", "Ungültiges gespeichertes Spiel: jigsaw name length x"},  // %d takes digits only
        {"INVALID PNG IMAGE: not quite: ", "INVALID PNG IMAGE: not quite: "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translator.Detail(c.english), c.german);
}

TEST_F(Translation, DetailPatterns)
{
    Write("de.lng", "[Options]\n<MS_CantFindLangFile> Keine Sprache: %s\n"
                    "[Errors]\n<Cannot read %s> %s ist unlesbar\n<Cannot read %s> nie\n<No such file or directory> fehlt\n"
                    "<Blank>\n");
    ASSERT_TRUE(translator.Apply(folder + "de.lng"));
    EXPECT_EQ(translator.Detail("Cannot read x"), "x ist unlesbar");  // the first entry that fits wins
    EXPECT_EQ(translator.Detail("Blank"), "Blank");                   // an entry without text is none
    // A language file that cannot be read is reported with its reason in the language.
    Result<> missing = translator.Apply(folder + "klingon.lng");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "Keine Sprache: " + folder + "klingon.lng ist unlesbar: fehlt");
}

}  // namespace
}  // namespace kirvo
