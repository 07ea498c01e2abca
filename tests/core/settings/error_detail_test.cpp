// Failure details in the player's language: the "Errors" section of the German language file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "settings/LanguageFile.h"
#include "settings/Translation.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(KIRVO_TEST_DATA) / ".." / "..";

class ErrorDetail : public ::testing::Test {
protected:
    ErrorDetail() { EXPECT_TRUE(german.Apply((kRoot / "data/language/german.lng").string())); }

    Translator german;
};

TEST_F(ErrorDetail, EachPartIsTranslatedOnItsOwnAndUnknownPartsStayAsTheyAre)
{
    struct Case {
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"Invalid saved game: truncated header", "Ungültiges gespeichertes Spiel: Kopfteil abgeschnitten"},
        {"Cannot read /home/ann/a.sv1: Permission denied", "/home/ann/a.sv1 kann nicht gelesen werden: Zugriff verweigert"},
        {"Invalid saved game: piece 3: Invalid piece record: rotation 7",
         "Ungültiges gespeichertes Spiel: Teil 3: Ungültiger Teile-Eintrag: Drehung 7"},
        {"Invalid jigsaw file: picture is 10 x 20, header says 30 x 40",
         "Ungültige Puzzledatei: das Bild ist 10 x 20, der Kopfteil sagt 30 x 40"},
        {"Invalid JPEG image: Premature end of JPEG file", "Ungültiges JPEG-Bild: Premature end of JPEG file"},
        {"Something new: with a reason", "Something new: with a reason"},
        // A path with ": " in it is cut there; its pieces stay, nothing is lost or doubled.
        {"Cannot open /tmp/a: b.sv1: No such file or directory",
         "/tmp/a kann nicht geöffnet werden: b.sv1: Datei oder Ordner nicht gefunden"},
        {"piece x", "piece x"},  // %d wants a number
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(german.Detail(c.english), c.german) << c.english;
    EXPECT_EQ(Translator().Detail("Invalid saved game: truncated header"), "Invalid saved game: truncated header");
}

// A translation with other place holders than its pattern would leave "%s" behind or drop a value.
TEST_F(ErrorDetail, EveryTranslationHasThePlaceHoldersOfItsPattern)
{
    const std::regex holder("%[sd]");
    auto holders = [&](const std::string& text) {
        std::string found;
        for (std::sregex_iterator it(text.begin(), text.end(), holder), end; it != end; ++it)
            found += it->str();
        return found;
    };
    std::ifstream file(kRoot / "data/language/german.lng", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int checked = 0;
    for (const LANG_ITEM& item : ParseLanguageFile(text)) {
        if (item.section != LangSection::Errors)
            continue;
        EXPECT_EQ(holders(item.name), holders(item.value)) << item.name;
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

// Every failure the game words without anything filled in has its German text: a new one without
// its translation fails here.
TEST_F(ErrorDetail, EveryFixedFailureTextIsTranslated)
{
    const std::regex call(R"re(\b(?:Fail|Invalid)\(\s*"([^"]+)"\s*\))re");
    int checked = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / "core")) {
        if (entry.path().extension() != ".cpp")
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it) {
            const std::string english = (*it)[1];
            const std::string translated = german.Detail(english);
            EXPECT_NE(translated, english) << entry.path().filename() << ": " << english;
            EXPECT_EQ(translated.find("%"), std::string::npos) << english;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace kirvo
