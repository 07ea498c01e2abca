#include "session/FolderSetup.h"

#include <gtest/gtest.h>

#include "base/Folders.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::ReadText;
using testing::TempFolder;

// A program folder with distributed and first-run jigsaws, sample saved games, an autosave file
// and a settings file, and an empty home folder.
class FolderSetupTest : public ::testing::Test {
protected:
    FolderSetupTest()
    {
        temp.Write("program/jigsaws/distjiglist.txt", "dist1.ast\r\ndist2.ast\r\nmissing.ast\r\n");
        temp.Write("program/jigsaws/dist1.ast");
        temp.Write("program/jigsaws/dist2.ast");
        temp.Write("program/jigsaws/first.ast");
        temp.Write("program/jigsaws/sample.sv1");
        temp.Write("program/thumb/jiglist.txt", "first\nabsent\n");
        temp.Write("program/autosaved.sv1");
        temp.Write("program/kirvo.ini", "[shipped]");
        user.home = temp.Path() + "home";
        user.documents = temp.Path() + "home/Documents";
        user.pictures = temp.Path() + "home/Pictures";
        user.localAppData = temp.Path() + "home/.local/share";
        user.temp = temp.Path() + "tmp";
    }

    FILE_NAMES Start()
    {
        FILE_NAMES names;
        SetUpFolders(names, temp.Path() + "program", user);
        return names;
    }

    std::string Game() const { return temp.Path() + "home/Documents/Moru Games/Kirvo Jigsaw Pleo III/"; }

    TempFolder temp;
    UserFolders user;
};

TEST_F(FolderSetupTest, WorksOutEveryPath)
{
    FILE_NAMES names = Start();
    std::string program = temp.Path() + "program/";
    std::string local = temp.Path() + "home/.local/share/Kirvo Jigsaw Pleo III/";
    EXPECT_EQ(names.programFolder, program);
    EXPECT_EQ(names.documentsFolder, temp.Path() + "home/Documents/");
    EXPECT_EQ(names.gameFolder, Game());
    EXPECT_EQ(names.localDataFolder, local);
    EXPECT_EQ(names.settingsFile, local + "kirvo.ini");
    EXPECT_EQ(names.extractionTempFile, local + "~kjtemp.bmp");
    EXPECT_EQ(names.personalJigsawsFolder, Game() + "Jigsaws/");
    EXPECT_EQ(names.savedGamesFolder, Game() + "Saved Games/");
    EXPECT_EQ(names.autosaveFile, Game() + "Saved Games/autosaved.sv1");
    EXPECT_EQ(names.saveTempFile, Game() + "Saved Games/kirvo.svt");
    EXPECT_EQ(names.shapeLibraryFile, program + "pic_kirvo.dat");
    EXPECT_EQ(names.languageFolder, program + "language/");
    EXPECT_EQ(names.backgroundPicturesFolder, program + "bkg-pics/");
    EXPECT_EQ(names.thumbnailFolder, program + "thumb/");
    EXPECT_EQ(names.reportFile, temp.Path() + "home/Documents/kirvo-report.txt");
    EXPECT_EQ(names.picturesFolder, temp.Path() + "home/Pictures/");
    EXPECT_EQ(names.tempFolder, temp.Path() + "tmp/");
    EXPECT_EQ(names.jigsawExtension, ".ast");
    EXPECT_EQ(names.savedGameExtension, ".sv1");
    EXPECT_FALSE(names.puzzleLoaded);
}

TEST_F(FolderSetupTest, FirstRunCopiesEverythingThatCameWithTheProgram)
{
    FILE_NAMES names = Start();
    EXPECT_TRUE(names.firstRun);
    for (const char* file : {"Jigsaws/dist1.ast", "Jigsaws/dist2.ast", "Jigsaws/first.ast", "Saved Games/sample.sv1",
                             "Saved Games/autosaved.sv1"})
        EXPECT_TRUE(FileExists(Game() + file)) << file;
    EXPECT_EQ(ReadText(names.settingsFile), "[shipped]");
    EXPECT_EQ(names.distributedJigsaws.size(), 3u);
    EXPECT_EQ(names.firstRunJigsaws.size(), 2u);
}

TEST_F(FolderSetupTest, LaterStartsCopyOnlyMissingDistributedJigsaws)
{
    FILE_NAMES first = Start();
    for (const char* file : {"Jigsaws/dist1.ast", "Jigsaws/first.ast", "Saved Games/sample.sv1", "Saved Games/autosaved.sv1"})
        std::filesystem::remove(Game() + file);
    temp.Write("program/kirvo.ini", "[changed]");
    temp.Write("home/.local/share/Kirvo Jigsaw Pleo III/kirvo.ini", "[player]");

    FILE_NAMES second = Start();
    EXPECT_FALSE(second.firstRun);
    EXPECT_TRUE(FileExists(Game() + "Jigsaws/dist1.ast"));
    EXPECT_FALSE(FileExists(Game() + "Jigsaws/first.ast"));
    EXPECT_FALSE(FileExists(Game() + "Saved Games/sample.sv1"));
    EXPECT_FALSE(FileExists(Game() + "Saved Games/autosaved.sv1"));
    EXPECT_EQ(ReadText(second.settingsFile), "[player]");
}

// A first start on a full disk leaves no torn copies behind, and the next start with room makes
// every copy whole, also one an older version left short.
TEST_F(FolderSetupTest, CopiesCutShortByAFullDiskAreMadeAgain)
{
    const std::string jigsaw(5000, 'j');
    for (const char* file : {"program/jigsaws/dist1.ast", "program/jigsaws/dist2.ast", "program/jigsaws/first.ast"})
        temp.Write(file, jigsaw);
    {
        testing::FileSizeLimit fullDisk(0);
        EXPECT_TRUE(Start().firstRun);
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.Path() + "home"))
        EXPECT_FALSE(entry.is_regular_file()) << entry.path() << " was left torn";

    temp.Write("home/Documents/Moru Games/Kirvo Jigsaw Pleo III/Jigsaws/dist2.ast", "short");
    FILE_NAMES names = Start();
    EXPECT_TRUE(names.firstRun) << "the settings file could not be copied either";
    for (const char* file : {"Jigsaws/dist1.ast", "Jigsaws/dist2.ast", "Jigsaws/first.ast"})
        EXPECT_EQ(ReadText(Game() + file), jigsaw) << file;
    EXPECT_EQ(ReadText(names.settingsFile), "[shipped]");
}

TEST_F(FolderSetupTest, MissingPlatformFoldersAndListsFallBackSoundly)
{
    std::filesystem::remove(temp.Path() + "program/jigsaws/distjiglist.txt");
    std::filesystem::remove(temp.Path() + "program/thumb/jiglist.txt");
    user.documents.clear();
    user.pictures.clear();
    user.localAppData.clear();

    FILE_NAMES names = Start();
    EXPECT_EQ(names.documentsFolder, temp.Path() + "home/");
    EXPECT_EQ(names.picturesFolder, temp.Path() + "home/");
    EXPECT_EQ(names.localDataFolder, temp.Path() + "home/.local/share/Kirvo Jigsaw Pleo III/");
    EXPECT_TRUE(FileExists(names.personalJigsawsFolder));
    EXPECT_TRUE(FileExists(names.savedGamesFolder));
    EXPECT_TRUE(names.distributedJigsaws.empty());
    EXPECT_TRUE(FileExists(names.savedGamesFolder + "sample.sv1"));
}

TEST_F(FolderSetupTest, CleanUpDeletesTheExtractionTempFile)
{
    FILE_NAMES names = Start();
    temp.Write("home/.local/share/Kirvo Jigsaw Pleo III/~kjtemp.bmp");
    CleanUpFiles(names);
    EXPECT_FALSE(FileExists(names.extractionTempFile));
}

}  // namespace
}  // namespace kirvo
