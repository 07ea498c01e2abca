#include "settings/ConfigLines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

ConfigLines Sample()
{
    return ConfigLines{{
        "; the player's own note",          // 0
        "[Main]",                           // 1
        "\t<Sound>   0  ",                  // 2
        "  <AutoSave>",                     // 3
        "\t\tInterval=  15 ",               // 4
        "Enabled=1",                        // 5
        "   <Embossing>",                   // 6
        "      WoodStyle=2",                // 7
        "      Style=x1",                   // 8
        "[Main Extra]",                     // 9
        "   <Fake> 1",                      // 10
        "[Play]",                           // 11
        "   <StuckKoef> 12",                // 12
        "   <RotCW>",                       // 13
        "      Button=2",                   // 14
    }};
}

TEST(ConfigLines, FindsTrimmedLinesWithinTheirParents)
{
    struct Case {
        const char* section;
        const char* sub;
        const char* key;
        CfgPosition expected;
    };
    const Case cases[] = {
        {"Main", "Sound", "", {1, 2, -1}},
        {" Main ", "AutoSave", " Interval ", {1, 3, 4}},     // arguments are trimmed too
        {"Main", "AutoSave", "Enabled", {1, 3, 5}},
        {"Main", "Embossing", "Style", {1, 6, 8}},           // "WoodStyle=" does not begin with "Style="
        {"Main", "AutoSave", "Style", {1, 3, -1}},           // the search stops at the next sub-entry
        {"Main", "Fake", "", {1, -1, -1}},                   // ... and at the next section
        {"Main", "RotCW", "Button", {1, -1, -1}},
        {"Play", "RotCW", "Button", {11, 13, 14}},
        {"main", "Sound", "", {-1, -1, -1}},                 // matching is case-sensitive
        {"Download", "DnSrc", "", {-1, -1, -1}},
    };
    ConfigLines config = Sample();
    for (const Case& c : cases) {
        CfgPosition found = CfgFind(config, c.section, c.sub, c.key);
        EXPECT_EQ(found.section, c.expected.section) << c.section << "/" << c.sub << "/" << c.key;
        EXPECT_EQ(found.sub, c.expected.sub) << c.section << "/" << c.sub << "/" << c.key;
        EXPECT_EQ(found.key, c.expected.key) << c.section << "/" << c.sub << "/" << c.key;
    }
}

TEST(ConfigLines, ReadsValuesOrDefaults)
{
    ConfigLines config = Sample();
    EXPECT_EQ(CfgReadString(config, "Main", "Sound", "", "d"), "0");
    EXPECT_EQ(CfgReadString(config, "Main", "AutoSave", "Interval", "d"), "15");
    EXPECT_EQ(CfgReadString(config, "Main", "AutoSave", "Missing", "d"), "d");
    EXPECT_EQ(CfgReadString(config, "Main", "Missing", "", "d"), "d");
    EXPECT_EQ(CfgReadInt(config, "Main", "AutoSave", "Interval", 7), 15);
    EXPECT_EQ(CfgReadInt(config, "Main", "Embossing", "Style", 7), 7);  // "x1" is not a number
    EXPECT_EQ(CfgReadInt(config, "Play", "RotCW", "Button", 7), 2);
    EXPECT_FALSE(CfgReadBool(config, "Main", "Sound", "", true));
    EXPECT_TRUE(CfgReadBool(config, "Main", "AutoSave", "Enabled", false));
    EXPECT_TRUE(CfgReadBool(config, "Play", "RotCW", "Button", true));   // 2 is not a boolean
    EXPECT_FALSE(CfgReadBool(config, "Play", "RotCW", "Button", false));
}

TEST(ConfigLines, IntegersMustBeWholeAndFit)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42}, {"-3", -3}, {"", 9}, {"4 2", 9}, {"42x", 9}, {"+5", 9}, {"0x10", 9}, {"99999999999", 9},
    };
    for (auto [text, expected] : cases) {
        ConfigLines config{{"[S]", "   <V> " + std::string(text)}};
        EXPECT_EQ(CfgReadInt(config, "S", "V", "", 9), expected) << '"' << text << '"';
    }
}

TEST(ConfigLines, WritesReplaceOrInsertBelowTheParent)
{
    ConfigLines config = Sample();
    CfgWriteInt(config, "Main", "AutoSave", "Interval", 20);         // replaced in place
    CfgWriteBool(config, "Main", "Sound", "", true);                 // replaced in place
    CfgWriteString(config, "Main", "AutoSave", "Extra", "v");        // new key under its sub-entry
    CfgWriteString(config, "Play", "ClickToDrag", "", "1");          // new sub-entry under its section
    CfgWriteString(config, "Play", "MoveOW", "Shift", "0");          // new sub-entry with its key
    const std::vector<std::string> expected = {
        "; the player's own note",
        "[Main]",
        "   <Sound> 1",
        "  <AutoSave>",
        "      Extra=v",
        "      Interval=20",
        "Enabled=1",
        "   <Embossing>",
        "      WoodStyle=2",
        "      Style=x1",
        "[Main Extra]",
        "   <Fake> 1",
        "[Play]",
        "   <MoveOW>",
        "      Shift=0",
        "   <ClickToDrag> 1",
        "   <StuckKoef> 12",
        "   <RotCW>",
        "      Button=2",
    };
    EXPECT_EQ(config.lines, expected);
}

TEST(ConfigLines, MissingSectionGoesToTheEndAfterTwoEmptyLines)
{
    ConfigLines empty;
    CfgWriteString(empty, "Lang", "Lang", "", "english");
    EXPECT_EQ(empty.lines, (std::vector<std::string>{"[Lang]", "   <Lang> english"}));

    ConfigLines config{{"[Main]", "   <Sound> 1"}};
    CfgWriteInt(config, "Play", "RotCW", "Button", 1);
    EXPECT_EQ(config.lines, (std::vector<std::string>{"[Main]", "   <Sound> 1", "", "", "[Play]", "   <RotCW>",
                                                      "      Button=1"}));
}

// With its sub-entry header gone a key line belongs to the sub-entry above it, so it is not found
// and the value is written again under a new header; the old line stays as a foreign line.
TEST(ConfigLines, KeyWithoutItsHeaderIsWrittenUnderANewOne)
{
    ConfigLines config{{"[Main]", "   <Sound> 1", "      Interval=15"}};
    EXPECT_EQ(CfgReadInt(config, "Main", "AutoSave", "Interval", 10), 10);
    CfgWriteInt(config, "Main", "AutoSave", "Interval", 10);
    EXPECT_EQ(config.lines, (std::vector<std::string>{"[Main]", "   <AutoSave>", "      Interval=10", "   <Sound> 1",
                                                      "      Interval=15"}));
    EXPECT_EQ(CfgReadInt(config, "Main", "AutoSave", "Interval", 0), 10);
}

class ConfigFile : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::string path = folder.Path() + "kirvo.ini";
};

TEST_F(ConfigFile, SavesWithCrLfAndReadsAnyLineEnd)
{
    EXPECT_TRUE(LoadConfigLines(path).value().lines.empty());
    folder.Write("kirvo.ini", "[Main]\n   <Sound> 0\r\r\n   <ShowConj> 1");
    ConfigLines config = LoadConfigLines(path).value();
    EXPECT_EQ(config.lines, (std::vector<std::string>{"[Main]", "   <Sound> 0", "", "   <ShowConj> 1"}));
    ASSERT_TRUE(SaveConfigLines(config, path));
    EXPECT_EQ(testing::ReadText(path), "[Main]\r\n   <Sound> 0\r\n\r\n   <ShowConj> 1\r\n");
}

TEST_F(ConfigFile, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    folder.Write("kirvo.ini", "old");
    {
        testing::FileSizeLimit fullDisk(64);
        Result<> saved = SaveConfigLines(ConfigLines{{std::string(100, ';')}}, path);
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error(), "Cannot write " + path + ": File too large");
    }
    EXPECT_EQ(LoadConfigLines(path).value().lines, (std::vector<std::string>{"old"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "a temporary file is left";
}

}  // namespace
}  // namespace kirvo
