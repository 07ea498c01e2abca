#include "session/FolderSetup.h"

#include <filesystem>
#include <system_error>

#include "base/Folders.h"
#include "base/ListFile.h"
#include "cutting/ShapeLibrary.h"

namespace kirvo {

namespace {

// The platform may name folders that do not exist yet (a fresh account has no documents
// folder); the game's own folders are made one level at a time below them.
std::string BaseFolder(const std::string& reported, const std::string& fallback)
{
    std::string folder = NormaliseFolder(reported.empty() ? fallback : reported);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::vector<std::string> ReadList(const std::string& path)
{
    // A missing list means there is nothing to copy; the program still starts.
    return LoadListFile(path).value_or(std::vector<std::string>{});
}

void CopyDistributedJigsaws(const FILE_NAMES& names)
{
    // A copy cut short by a full disk is made again once there is room.
    for (const std::string& fileName : names.distributedJigsaws)
        (void)CopyUnlessSameSize(names.programJigsawsFolder + fileName, names.personalJigsawsFolder + fileName);
}

void CopyFirstRunFiles(const FILE_NAMES& names)
{
    for (const std::string& name : names.firstRunJigsaws) {
        std::string fileName = name + names.jigsawExtension;
        (void)CopyUnlessSameSize(names.programJigsawsFolder + fileName, names.personalJigsawsFolder + fileName);
    }
    for (const std::string& fileName : ListFilesByExtension(names.programSavedGamesSource, names.savedGameExtension))
        (void)CopyIfMissing(names.programSavedGamesSource + fileName, names.savedGamesFolder + fileName);
}

}  // namespace

void SetUpFolders(FILE_NAMES& names, const std::string& programFolder, const UserFolders& user)
{
    std::string home = NormaliseFolder(user.home);
    names.programFolder = NormaliseFolder(programFolder);
    names.documentsFolder = BaseFolder(user.documents, home);
    // The solved picture is offered there: never the program folder, which an installed game may not write.
    names.picturesFolder = user.pictures.empty() ? names.documentsFolder : NormaliseFolder(user.pictures);
    names.tempFolder = NormaliseFolder(user.temp.empty() ? "/tmp" : user.temp);
    std::string localAppData = BaseFolder(user.localAppData, home + ".local/share");

    names.localDataFolder = localAppData + kApplicationTitle + "/";
    (void)EnsureFolder(names.localDataFolder);
    names.makerFolder = names.documentsFolder + "Moru Games/";
    (void)EnsureFolder(names.makerFolder);
    names.gameFolder = names.makerFolder + kApplicationTitle + "/";
    (void)EnsureFolder(names.gameFolder);

    names.sJig.clear();
    names.sSolve.clear();
    names.sJigName.clear();
    names.storedJigsawName.clear();
    names.jigsawExtension = ".ast";
    names.savedGameExtension = ".sv1";

    names.settingsFile = names.localDataFolder + "kirvo.ini";
    names.firstRun = !FileExists(names.settingsFile);
    (void)CopyIfMissing(names.programFolder + "kirvo.ini", names.settingsFile);

    names.shapeLibraryFile = names.programFolder + kShapeLibraryFile;
    names.thumbnailFolder = names.programFolder + "thumb/";
    names.programJigsawsFolder = names.programFolder + "jigsaws/";
    names.personalJigsawsFolder = names.gameFolder + "Jigsaws/";
    (void)EnsureFolder(names.personalJigsawsFolder);
    names.programSavedGamesSource = names.programJigsawsFolder;
    names.savedGamesFolder = names.gameFolder + "Saved Games/";
    (void)EnsureFolder(names.savedGamesFolder);

    names.autosaveFile = names.savedGamesFolder + "autosaved" + names.savedGameExtension;
    if (names.firstRun)
        (void)CopyIfMissing(names.programFolder + "autosaved" + names.savedGameExtension, names.autosaveFile);

    names.extractionTempFile = names.localDataFolder + "~kjtemp.bmp";
    names.saveTempFile = names.savedGamesFolder + "kirvo.svt";
    names.languageFolder = names.programFolder + "language/";
    names.backgroundPicturesFolder = names.programFolder + "bkg-pics/";
    names.reportFile = names.documentsFolder + "kirvo-report.txt";

    names.puzzleLoaded = false;

    names.distributedJigsaws = ReadList(names.programJigsawsFolder + "distjiglist.txt");
    CopyDistributedJigsaws(names);
    names.firstRunJigsaws = ReadList(names.thumbnailFolder + "jiglist.txt");
    if (names.firstRun)
        CopyFirstRunFiles(names);
}

void CleanUpFiles(const FILE_NAMES& names)
{
    std::error_code error;
    std::filesystem::remove(names.extractionTempFile, error);
}

}  // namespace kirvo
