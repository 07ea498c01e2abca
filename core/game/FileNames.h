// FILE_NAMES: the names of the current puzzle's files and every folder and file the game uses.
//
// Filled once by SetUpFolders at start-up; only the first four fields and the puzzle-loaded flag
// change afterwards. Every folder path ends with "/".
#pragma once

#include <string>
#include <vector>

namespace kirvo {

inline constexpr const char* kApplicationTitle = "Kirvo Jigsaw Pleo III";

struct FILE_NAMES {
    std::string sJig;                // jigsaw file of the current puzzle; a bare jigsaw name after loading a saved game
    std::string sSolve;              // saved game the puzzle came from or was last saved to; empty for a fresh puzzle
    std::string sJigName;            // jigsaw file name without folder and extension
    std::string storedJigsawName;    // jigsaw name read from a saved game's header
    std::string jigsawExtension;     // ".ast"
    std::string savedGameExtension;  // ".sv1"
    bool puzzleLoaded = false;       // every play command does nothing while this is false

    std::string programFolder;          // the program's data: beside the executable, or where it was installed
    std::string extractionTempFile;     // local data folder + "~kjtemp.bmp"
    std::string settingsFile;           // local data folder + "kirvo.ini"
    std::string saveTempFile;           // Saved Games folder + "kirvo.svt"
    std::string autosaveFile;           // Saved Games folder + "autosaved.sv1"
    std::string documentsFolder;
    std::string makerFolder;            // documents folder + "Moru Games/"
    std::string gameFolder;             // maker folder + title + "/"
    std::string localDataFolder;        // local application data + title + "/"
    std::string picturesFolder;         // the player's pictures, or the documents folder when there are none
    std::string tempFolder;             // temporary download archives
    std::string lastDownloadAddress;
    std::string lastArchiveName;
    std::string thumbnailFolder;        // program folder + "thumb/"
    std::vector<std::string> distributedJigsaws;  // lines of "distjiglist.txt"
    std::vector<std::string> firstRunJigsaws;     // lines of "jiglist.txt"
    std::string programJigsawsFolder;   // program folder + "jigsaws/"
    std::string personalJigsawsFolder;  // game folder + "Jigsaws/"
    std::string programSavedGamesSource;  // program folder + "jigsaws/"
    std::string savedGamesFolder;       // game folder + "Saved Games/"
    std::string shapeLibraryFile;       // program folder + "pic_kirvo.dat"
    std::string languageFolder;         // program folder + "language/"
    std::string reportFile;             // documents folder + "kirvo-report.txt"
    std::string helpFile;               // help of the current language
    std::string backgroundPicturesFolder;  // program folder + "bkg-pics/"
    bool firstRun = false;              // the settings file did not exist at start-up
};

}  // namespace kirvo
