// The player's preferences as plain records, and their one settings file ("kirvo.ini").
//
// SettingsLoad reads the file once at start-up, SettingsSave writes it once at exit; in between
// the Options dialog changes the records in memory only. Everything the file holds is read and
// written back, also settings whose features are not built yet, so nothing a player set is lost.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/Result.h"
#include "game/FileNames.h"
#include "game/MouseBindings.h"
#include "settings/ConfigLines.h"
#include "settings/RecentFiles.h"

namespace kirvo {

// The two download servers; the second one is the default.
inline constexpr std::array<const char*, 2> kDownloadServers = {"dl1.moru-games.example", "dl2.moru-games.example"};

// Defaults offered when a new jigsaw is opened.
struct NewGameDefaults {
    bool Rotate = false;
    int BorderStyle = 0;
    int ShapeStyle = 3;
    int Level = 6;
    int SpreadOut = 0;
    bool FitToScreen = true;
};

struct Settings {
    NewGameDefaults DefJigP;
    bool AutoSave_bEnabled = true;
    int AutoSave_iIntervalMin = 10;
    bool CB_SoundPlay = true;
    int EmbossStyle = 1;              // 0 None, 1 Paper, 2 Cardboard, 3 Fat Card
    int WoodStyle = 2;                // 0 None, 1 Wood, 2 Shadows
    uint32_t WoodColor = 0x49687A;
    bool CB_VisualShowJoin = true;
    bool FullScreen = false;
    MouseBindings PlayKeys;
    int iStuckKoef = 12;
    std::string sCurLang = "english";  // language file name without extension
    bool ShowQuickHelp = true;
    RecentFiles recentFiles;
    std::string sDnSrc = kDownloadServers[1];
    bool bUseSecure = false;
    int iSecureMethodInd = 5;          // 0 "SSL v2" .. 6 "TLS v1_3"
    // Set for one run from the Options dialog's hidden test panel; never read from or written to
    // the file.
    std::string thumbnailsPath;                            // empty: the program's thumbnail folder
    std::string siteJigsawsFolder = "kirvo/jigsaws_pleo3/";  // the server folder jigsaws are downloaded from
};

// Where recent jigsaws and saved games are looked for, whatever folder the file names.
struct RecentFileFolders {
    std::string jigsaws;     // with "/" at the end
    std::string savedGames;
};

// Fills the records from the lines; anything missing or malformed keeps its default. On a first
// run the download server and the secure switch are reset whatever the lines say.
Settings ReadSettings(const ConfigLines& config, const RecentFileFolders& folders, bool firstRun);
// Writes every setting into the lines, keeping all other lines.
void WriteSettings(const Settings& settings, ConfigLines& config);

// Reads names.settingsFile; the defaults when it does not exist, the reason when it cannot be read.
Result<Settings> SettingsLoad(const FILE_NAMES& names);
// Rewrites names.settingsFile, keeping the lines it held that are not settings. A file that exists
// but cannot be read is left alone, as writing it would lose those lines.
Result<> SettingsSave(const Settings& settings, const FILE_NAMES& names);

}  // namespace kirvo
