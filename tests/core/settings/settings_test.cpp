#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

const RecentFileFolders kFolders{"/home/p/Jigsaws/", "/home/p/Saved Games/"};

Settings Read(std::vector<std::string> lines, bool firstRun = false)
{
    return ReadSettings(ConfigLines{std::move(lines)}, kFolders, firstRun);
}

std::vector<std::string> Written(const Settings& settings)
{
    ConfigLines config;
    WriteSettings(settings, config);
    return config.lines;
}

TEST(Settings, FreshFileListsEntriesInReverseOrderOfWriting)
{
    const std::vector<std::string> expected = {
        "[Main]",
        "   <FullScreen> 0",
        "   <ShowConj> 1",
        "   <Embossing>",
        "      WoodColor=4810874",
        "      WoodStyle=2",
        "      Style=1",
        "   <Sound> 1",
        "   <AutoSave>",
        "      Interval=10",
        "      Enabled=1",
        "   <DefJigP>",
        "      FitToScreen=1",
        "      SpreadOut=0",
        "      Level=6",
        "      ShapeStyle=3",
        "      BorderStyle=0",
        "      Rotate=0",
        "",
        "",
        "[Play]",
        "   <StuckKoef> 12",
        "   <ClickToDrag> 0",
        "   <SingleMainWindow> 0",
        "   <MoveOW>",
        "      Shift=0",
        "      Button=1",
        "   <RotCCW>",
        "      Shift=4",
        "      Button=0",
        "   <RotCW>",
        "      Shift=4",
        "      Button=1",
        "",
        "",
        "[Lang]",
        "   <QuickHelp> 1",
        "   <Lang> english",
        "",
        "",
        "[Files]",
        "   <LastFileNum> 0",
        "",
        "",
        "[Download]",
        "   <SecureMethodInd> 5",
        "   <UseSecure> 0",
        "   <DnSrc> " + std::string(kDownloadServers[1]),
    };
    EXPECT_EQ(Written(Settings()), expected);
}

TEST(Settings, EverySettingSurvivesWritingAndReading)
{
    Settings s;
    s.DefJigP = {true, 1, 5, 9, 1, false};
    s.AutoSave_bEnabled = false;
    s.AutoSave_iIntervalMin = 45;
    s.CB_SoundPlay = false;
    s.EmbossStyle = 3;
    s.WoodStyle = 0;
    s.WoodColor = 0x123456;
    s.CB_VisualShowJoin = false;
    s.FullScreen = true;
    s.PlayKeys = {2, 1, 1, 2, 0, 5, true, true};
    s.iStuckKoef = 30;
    s.sCurLang = "german";
    s.ShowQuickHelp = false;
    s.recentFiles.entries[0] = {"/home/p/Jigsaws/tulips.ast", "tulips.ast"};
    s.recentFiles.entries[1] = {"/elsewhere/photo.jpg", "photo.jpg"};
    s.recentFiles.count = 2;
    s.sDnSrc = kDownloadServers[0];
    s.bUseSecure = true;
    s.iSecureMethodInd = 6;

    std::vector<std::string> lines = Written(s);
    Settings back = Read(lines);
    EXPECT_EQ(Written(back), lines);
    EXPECT_EQ(back.DefJigP.Level, 9);
    EXPECT_EQ(back.PlayKeys.MoveOW_Shift, 5);
    EXPECT_EQ(back.WoodColor, 0x123456u);
    EXPECT_EQ(back.sCurLang, "german");
    ASSERT_EQ(back.recentFiles.count, 2);
    EXPECT_EQ(back.recentFiles.entries[1].fullName, "/elsewhere/photo.jpg");
    EXPECT_EQ(back.recentFiles.entries[1].displayName, "photo.jpg");
    EXPECT_EQ(back.sDnSrc, kDownloadServers[0]);
}

TEST(Settings, MissingOrMalformedValuesKeepTheirDefaults)
{
    Settings soundOff = Read({"[Main]", "<Sound> 0"});
    EXPECT_FALSE(soundOff.CB_SoundPlay);
    soundOff.CB_SoundPlay = true;
    EXPECT_EQ(Written(soundOff), Written(Settings()));

    Settings s = Read({"[Main]", "  <DefJigP>", "\tRotate=2", "\tLevel=abc", "\tShapeStyle=5",
                       "[Play]", "   <RotCW>", "      Button=300", "   <StuckKoef> 99"});
    EXPECT_FALSE(s.DefJigP.Rotate);                      // only 0 and 1 are booleans
    EXPECT_EQ(s.DefJigP.Level, 6);
    EXPECT_EQ(s.DefJigP.ShapeStyle, 5);                  // tab-indented lines are found
    EXPECT_EQ(s.PlayKeys.RotCW_Button, 2);               // brought into the range of buttons
    EXPECT_EQ(s.iStuckKoef, 30);
}

// A value the game cannot use is brought into range as it is read, so the game uses what the
// file will say after the next exit; texts longer than any the game writes keep their defaults.
TEST(Settings, ValuesOutOfRangeAreTakenAtTheNearestUsableValue)
{
    struct Case {
        std::vector<std::string> lines;
        std::function<int(const Settings&)> value;
        int expected;
    } cases[] = {
        {{"[Main]", "<AutoSave>", "Interval=-5"}, [](const Settings& s) { return s.AutoSave_iIntervalMin; }, 1},
        {{"[Main]", "<AutoSave>", "Interval=100000"}, [](const Settings& s) { return s.AutoSave_iIntervalMin; }, 60},
        {{"[Main]", "<DefJigP>", "Level=-1"}, [](const Settings& s) { return s.DefJigP.Level; }, 0},
        {{"[Main]", "<DefJigP>", "ShapeStyle=200"}, [](const Settings& s) { return s.DefJigP.ShapeStyle; }, 6},
        {{"[Main]", "<DefJigP>", "BorderStyle=7"}, [](const Settings& s) { return s.DefJigP.BorderStyle; }, 1},
        {{"[Main]", "<Embossing>", "WoodStyle=9"}, [](const Settings& s) { return s.WoodStyle; }, 2},
        {{"[Main]", "<Embossing>", "WoodColor=-1"}, [](const Settings& s) { return int(s.WoodColor); }, 0},
        {{"[Play]", "<StuckKoef> 0"}, [](const Settings& s) { return s.iStuckKoef; }, 10},
        {{"[Play]", "<MoveOW>", "Shift=200"}, [](const Settings& s) { return int(s.PlayKeys.MoveOW_Shift); }, 7},
        {{"[Download]", "<SecureMethodInd> 12"}, [](const Settings& s) { return s.iSecureMethodInd; }, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.back());
        const Settings read = Read(c.lines);
        EXPECT_EQ(c.value(read), c.expected);
        EXPECT_EQ(c.value(Read(Written(read))), c.expected) << "written back as used";
    }
    const std::string huge(100000, 'x');
    EXPECT_EQ(Read({"[Download]", "<DnSrc> " + huge}).sDnSrc, Settings().sDnSrc);
    EXPECT_EQ(Read({"[Lang]", "<Lang> " + huge}).sCurLang, "english");
}

TEST(Settings, OldWoodEmbossStyleBecomesAWoodStyle)
{
    struct Case {
        const char* style;
        int emboss;
        int wood;
    };
    for (Case c : {Case{"4", 0, 1}, Case{"3", 3, 0}, Case{"0", 0, 0}}) {
        Settings s = Read({"[Main]", "<Embossing>", "Style=" + std::string(c.style), "WoodStyle=0"});
        EXPECT_EQ(s.EmbossStyle, c.emboss) << c.style;
        EXPECT_EQ(s.WoodStyle, c.wood) << c.style;
    }
}

TEST(Settings, RecentFiles)
{
    std::vector<std::string> lines = {"[Files]", "<LastFileNum> 9"};
    const char* paths[] = {"C:\\Old\\Jigsaws\\Tulips.AST", "/old/games/evening.sv1", "/pictures/photo.jpg",
                           "/old/x.ast", "/old/4.ast", "/old/5.ast", "/old/6.ast", "/old/7.ast", "/old/8.ast"};
    for (int i = 0; i < 9; ++i)
        lines.push_back("<Last" + std::to_string(i) + "> " + paths[i]);
    Settings s = Read(lines);
    ASSERT_EQ(s.recentFiles.count, 4);
    EXPECT_EQ(s.recentFiles.entries[0].fullName, "/home/p/Jigsaws/Tulips.AST");
    EXPECT_EQ(s.recentFiles.entries[0].displayName, "Tulips.AST");
    EXPECT_EQ(s.recentFiles.entries[1].fullName, "/home/p/Saved Games/evening.sv1");
    EXPECT_EQ(s.recentFiles.entries[2].fullName, "/pictures/photo.jpg");
    EXPECT_EQ(s.recentFiles.entries[3].fullName, "/home/p/Jigsaws/x.ast");

    EXPECT_EQ(Read({"[Files]", "<LastFileNum> -2", "<Last0> /a.ast"}).recentFiles.count, 0);
    EXPECT_EQ(Read({"[Files]", "<LastFileNum> 2", "<Last1> /a.ast"}).recentFiles.count, 1);  // no empty entries
}

TEST(Settings, FirstRunResetsTheDownloadServer)
{
    std::vector<std::string> lines = {"[Download]", "<DnSrc> other.example", "<UseSecure> 1", "<SecureMethodInd> 2"};
    Settings copied = Read(lines, true);
    EXPECT_EQ(copied.sDnSrc, kDownloadServers[1]);
    EXPECT_FALSE(copied.bUseSecure);
    EXPECT_EQ(copied.iSecureMethodInd, 2);
    Settings later = Read(lines, false);
    EXPECT_EQ(later.sDnSrc, "other.example");
    EXPECT_TRUE(later.bUseSecure);
}

TEST(Settings, LanguageNameIsAPlainLowerCaseName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"German", "german"}, {"../../secret", "english"}, {"a\\b", "english"}, {"..", "english"}, {"", "english"},
    };
    for (auto [stored, expected] : cases)
        EXPECT_EQ(Read({"[Lang]", "<Lang> " + std::string(stored)}).sCurLang, expected) << stored;
}

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile() { names.settingsFile = folder.Path() + "kirvo.ini"; }

    testing::TempFolder folder;
    FILE_NAMES names;
};

// Two runs of the game: what the player changed in the first is what the second starts with, and
// lines the player wrote into the file stay.
TEST_F(SettingsFile, SettingsChangedInOneRunAreThereInTheNext)
{
    Settings first = SettingsLoad(names).value();
    EXPECT_EQ(Written(first), Written(Settings()));
    ASSERT_TRUE(SaveConfigLines(ConfigLines{{"; my notes", "[Main]", "   <Sound> 1", "[Mine]", "x=y"}},
                                names.settingsFile));
    first.CB_SoundPlay = false;
    first.iStuckKoef = 20;
    first.sCurLang = "german";
    ASSERT_TRUE(SettingsSave(first, names));

    Settings second = SettingsLoad(names).value();
    EXPECT_FALSE(second.CB_SoundPlay);
    EXPECT_EQ(second.iStuckKoef, 20);
    EXPECT_EQ(second.sCurLang, "german");
    ASSERT_TRUE(SettingsSave(second, names));
    std::vector<std::string> lines = LoadConfigLines(names.settingsFile).value().lines;
    EXPECT_EQ(lines[0], "; my notes");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[Mine]"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "x=y"), lines.end());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Main]"), 1);
}

// A line of megabytes, whoever wrote it, is not carried from one exit to the next.
TEST_F(SettingsFile, AHugeLineIsNotWrittenBackAtExit)
{
    const std::string huge = "   <DnSrc> " + std::string(10 << 20, 'x');
    ASSERT_TRUE(SaveConfigLines(ConfigLines{{"[Download]", huge, "[Mine]", "x=y"}}, names.settingsFile));
    Settings loaded = SettingsLoad(names).value();
    EXPECT_EQ(loaded.sDnSrc, Settings().sDnSrc);
    ASSERT_TRUE(SettingsSave(loaded, names));
    EXPECT_LT(std::filesystem::file_size(names.settingsFile), 4096u);
    std::vector<std::string> lines = LoadConfigLines(names.settingsFile).value().lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "x=y"), lines.end());
}

// Writing over a file that could not be read would lose the player's own lines in it. A FIFO
// stands for such a file, also when the tests run as root.
TEST_F(SettingsFile, AFileThatCannotBeReadIsLeftAloneWithTheReason)
{
    ASSERT_EQ(mkfifo(names.settingsFile.c_str(), 0600), 0);
    const std::string reason = "Cannot read " + names.settingsFile + ": not an ordinary file";
    Result<Settings> loaded = SettingsLoad(names);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), reason);
    Result<> saved = SettingsSave(Settings(), names);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error(), reason);
    EXPECT_TRUE(std::filesystem::is_fifo(names.settingsFile));
}

}  // namespace
}  // namespace kirvo
