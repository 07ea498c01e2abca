#include "session/CommandLineFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "base/Folders.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::ReadText;
using testing::TempFolder;

// Each case lays out files (the player's jigsaws are in Jigsaws/), names one on the command line
// and says what the game does with it and what the player's folder then holds.
TEST(CommandLineFileTest, JigsawsJoinThePlayersFolderForTheBrowserAndTheRestOpenAsTheyAre)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> files;
        const char* given;
        CommandLineAction action;
        const char* path;
        const char* folderHolds;  // the content of Jigsaws/ + the given file's name afterwards; "" for nothing
    };
    const Case cases[] = {
        {"a saved game is resumed from where it lies", {{"Downloads/evening.sv1", "game"}}, "Downloads/evening.sv1",
         CommandLineAction::Open, "Downloads/evening.sv1", ""},
        {"a jigsaw of the player's is selected", {{"Jigsaws/garden.ast", "mine"}}, "Downloads/../Jigsaws/garden.ast",
         CommandLineAction::Browse, "Jigsaws/garden.ast", "mine"},
        {"a jigsaw from elsewhere is copied in", {{"Downloads/garden.ast", "new"}}, "Downloads/garden.ast",
         CommandLineAction::Browse, "Jigsaws/garden.ast", "new"},
        {"a jigsaw copied in before is taken again", {{"Downloads/garden.ast", "same"}, {"Jigsaws/garden.ast", "same"}},
         "Downloads/garden.ast", CommandLineAction::Browse, "Jigsaws/garden.ast", "same"},
        {"another jigsaw of the name stays", {{"Downloads/garden.ast", "new"}, {"Jigsaws/garden.ast", "mine"}},
         "Downloads/garden.ast", CommandLineAction::Open, "Downloads/garden.ast", "mine"},
        {"an upper-case extension is a jigsaw's", {{"Downloads/GARDEN.AST", "new"}}, "Downloads/GARDEN.AST",
         CommandLineAction::Browse, "Jigsaws/GARDEN.AST", "new"},
        {"a missing jigsaw is opened to say so", {}, "Downloads/garden.ast", CommandLineAction::Open,
         "Downloads/garden.ast", ""},
        {"a picture is not copied", {{"Downloads/garden.jpg", "jpeg"}}, "Downloads/garden.jpg",
         CommandLineAction::Open, "Downloads/garden.jpg", ""},
    };
    for (const Case& c : cases) {
        TempFolder temp;
        FILE_NAMES names;
        names.personalJigsawsFolder = temp.Path() + "Jigsaws/";
        std::filesystem::create_directories(names.personalJigsawsFolder);
        for (auto [file, content] : c.files)
            temp.Write(file, content);

        CommandLineFile taken = TakeCommandLineFile(names, temp.Path() + c.given);
        EXPECT_EQ(taken.action, c.action) << c.what;
        EXPECT_EQ(taken.path, temp.Path() + c.path) << c.what;
        const std::string inFolder = names.personalJigsawsFolder + std::filesystem::path(c.given).filename().string();
        EXPECT_EQ(ReadText(inFolder), c.folderHolds) << c.what;
    }
}

TEST(CommandLineFileTest, ARelativePathIsTakenInTheWorkingFolder)
{
    TempFolder temp;
    FILE_NAMES names;
    names.personalJigsawsFolder = temp.Path() + "Jigsaws/";
    std::filesystem::create_directories(names.personalJigsawsFolder);
    temp.Write("Downloads/evening.sv1");
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(temp.Path() + "Downloads");

    CommandLineFile taken = TakeCommandLineFile(names, "evening.sv1");
    std::filesystem::current_path(working);
    EXPECT_EQ(taken.path, temp.Path() + "Downloads/evening.sv1");
}

}  // namespace
}  // namespace kirvo
