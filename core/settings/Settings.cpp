#include "settings/Settings.h"

#include <algorithm>

namespace kirvo {

namespace {

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

std::string FileNameOf(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(const std::string& fileName)
{
    size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : LowerAscii(fileName.substr(dot));
}

// Jigsaws and saved games move with the player's folders, so only their names are kept.
RecentFile RecentFileAt(const std::string& path, const RecentFileFolders& folders)
{
    std::string fileName = FileNameOf(path);
    std::string extension = ExtensionOf(fileName);
    if (extension == ".ast")
        return {folders.jigsaws + fileName, fileName};
    if (extension == ".sv1")
        return {folders.savedGames + fileName, fileName};
    return {path, fileName};
}

// A language name becomes part of a file path, so one that could leave the language folder is
// not taken.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name.find_first_of("/\\:") == std::string::npos && name != "." && name != "..";
}

// Numbers are brought into the range the game can use as they are read, so that what is written
// back at exit is what was used.
int ReadIntIn(const ConfigLines& config, const char* section, const char* sub, const char* key, int fallback, int lowest,
              int highest)
{
    return std::clamp(CfgReadInt(config, section, sub, key, fallback), lowest, highest);
}

uint8_t ReadByteIn(const ConfigLines& config, const char* section, const char* sub, const char* key, uint8_t fallback,
                   int highest)
{
    return uint8_t(ReadIntIn(config, section, sub, key, fallback, 0, highest));
}

// A text longer than any the game writes is not one of its values: the default stands.
std::string ReadStringUpTo(const ConfigLines& config, const char* section, const char* sub, const std::string& fallback,
                           size_t longest)
{
    std::string value = CfgReadString(config, section, sub, "", fallback);
    return value.size() <= longest ? value : fallback;
}

constexpr int kLastLevel = 13;
constexpr int kLastShapeStyle = 6;
constexpr int kLastButton = 2;
constexpr int kAllModifiers = 7;
constexpr size_t kLongestPath = 4096;
constexpr size_t kLongestName = 255;

}  // namespace

Settings ReadSettings(const ConfigLines& config, const RecentFileFolders& folders, bool firstRun)
{
    Settings s;
    NewGameDefaults& jig = s.DefJigP;
    jig.Rotate = CfgReadBool(config, "Main", "DefJigP", "Rotate", jig.Rotate);
    jig.BorderStyle = ReadIntIn(config, "Main", "DefJigP", "BorderStyle", jig.BorderStyle, 0, 1);
    jig.ShapeStyle = ReadIntIn(config, "Main", "DefJigP", "ShapeStyle", jig.ShapeStyle, 0, kLastShapeStyle);
    jig.Level = ReadIntIn(config, "Main", "DefJigP", "Level", jig.Level, 0, kLastLevel);
    jig.SpreadOut = ReadIntIn(config, "Main", "DefJigP", "SpreadOut", jig.SpreadOut, 0, 1);
    jig.FitToScreen = CfgReadBool(config, "Main", "DefJigP", "FitToScreen", jig.FitToScreen);
    s.AutoSave_bEnabled = CfgReadBool(config, "Main", "AutoSave", "Enabled", s.AutoSave_bEnabled);
    s.AutoSave_iIntervalMin = ReadIntIn(config, "Main", "AutoSave", "Interval", s.AutoSave_iIntervalMin, 1, 60);
    s.CB_SoundPlay = CfgReadBool(config, "Main", "Sound", "", s.CB_SoundPlay);
    s.EmbossStyle = ReadIntIn(config, "Main", "Embossing", "Style", s.EmbossStyle, 0, 4);
    s.WoodStyle = ReadIntIn(config, "Main", "Embossing", "WoodStyle", s.WoodStyle, 0, 2);
    s.WoodColor = uint32_t(ReadIntIn(config, "Main", "Embossing", "WoodColor", int(s.WoodColor), 0, 0xFFFFFF));
    if (s.EmbossStyle == 4) {  // the old "wood" emboss style is now a wood style of its own
        s.EmbossStyle = 0;
        s.WoodStyle = 1;
    }
    s.CB_VisualShowJoin = CfgReadBool(config, "Main", "ShowConj", "", s.CB_VisualShowJoin);
    s.FullScreen = CfgReadBool(config, "Main", "FullScreen", "", s.FullScreen);

    MouseBindings& keys = s.PlayKeys;
    keys.RotCW_Button = ReadByteIn(config, "Play", "RotCW", "Button", keys.RotCW_Button, kLastButton);
    keys.RotCW_Shift = ReadByteIn(config, "Play", "RotCW", "Shift", keys.RotCW_Shift, kAllModifiers);
    keys.RotCCW_Button = ReadByteIn(config, "Play", "RotCCW", "Button", keys.RotCCW_Button, kLastButton);
    keys.RotCCW_Shift = ReadByteIn(config, "Play", "RotCCW", "Shift", keys.RotCCW_Shift, kAllModifiers);
    keys.MoveOW_Button = ReadByteIn(config, "Play", "MoveOW", "Button", keys.MoveOW_Button, kLastButton);
    keys.MoveOW_Shift = ReadByteIn(config, "Play", "MoveOW", "Shift", keys.MoveOW_Shift, kAllModifiers);
    keys.bSingleWin = CfgReadBool(config, "Play", "SingleMainWindow", "", keys.bSingleWin);
    keys.bClickToDrag = CfgReadBool(config, "Play", "ClickToDrag", "", keys.bClickToDrag);
    s.iStuckKoef = ReadIntIn(config, "Play", "StuckKoef", "", s.iStuckKoef, 10, 30);

    int count = std::clamp(CfgReadInt(config, "Files", "LastFileNum", "", 0), 0, kRecentFileCount);
    for (int i = 0; i < count; ++i) {
        std::string path = ReadStringUpTo(config, "Files", ("Last" + std::to_string(i)).c_str(), "", kLongestPath);
        if (!path.empty())
            s.recentFiles.entries[size_t(s.recentFiles.count++)] = RecentFileAt(path, folders);
    }

    std::string language = LowerAscii(ReadStringUpTo(config, "Lang", "Lang", s.sCurLang, kLongestName));
    if (IsPlainName(language))
        s.sCurLang = language;
    s.ShowQuickHelp = CfgReadBool(config, "Lang", "QuickHelp", "", s.ShowQuickHelp);

    s.sDnSrc = ReadStringUpTo(config, "Download", "DnSrc", s.sDnSrc, kLongestName);
    s.bUseSecure = CfgReadBool(config, "Download", "UseSecure", "", s.bUseSecure);
    s.iSecureMethodInd = ReadIntIn(config, "Download", "SecureMethodInd", "", s.iSecureMethodInd, 0, 6);
    if (firstRun) {
        s.sDnSrc = Settings().sDnSrc;
        s.bUseSecure = false;
    }
    return s;
}

void WriteSettings(const Settings& s, ConfigLines& config)
{
    const NewGameDefaults& jig = s.DefJigP;
    CfgWriteBool(config, "Main", "DefJigP", "Rotate", jig.Rotate);
    CfgWriteInt(config, "Main", "DefJigP", "BorderStyle", jig.BorderStyle);
    CfgWriteInt(config, "Main", "DefJigP", "ShapeStyle", jig.ShapeStyle);
    CfgWriteInt(config, "Main", "DefJigP", "Level", jig.Level);
    CfgWriteInt(config, "Main", "DefJigP", "SpreadOut", jig.SpreadOut);
    CfgWriteBool(config, "Main", "DefJigP", "FitToScreen", jig.FitToScreen);
    CfgWriteBool(config, "Main", "AutoSave", "Enabled", s.AutoSave_bEnabled);
    CfgWriteInt(config, "Main", "AutoSave", "Interval", s.AutoSave_iIntervalMin);
    CfgWriteBool(config, "Main", "Sound", "", s.CB_SoundPlay);
    CfgWriteInt(config, "Main", "Embossing", "Style", s.EmbossStyle);
    CfgWriteInt(config, "Main", "Embossing", "WoodStyle", s.WoodStyle);
    CfgWriteInt(config, "Main", "Embossing", "WoodColor", int(s.WoodColor));
    CfgWriteBool(config, "Main", "ShowConj", "", s.CB_VisualShowJoin);
    CfgWriteBool(config, "Main", "FullScreen", "", s.FullScreen);

    const MouseBindings& keys = s.PlayKeys;
    CfgWriteInt(config, "Play", "RotCW", "Button", keys.RotCW_Button);
    CfgWriteInt(config, "Play", "RotCW", "Shift", keys.RotCW_Shift);
    CfgWriteInt(config, "Play", "RotCCW", "Button", keys.RotCCW_Button);
    CfgWriteInt(config, "Play", "RotCCW", "Shift", keys.RotCCW_Shift);
    CfgWriteInt(config, "Play", "MoveOW", "Button", keys.MoveOW_Button);
    CfgWriteInt(config, "Play", "MoveOW", "Shift", keys.MoveOW_Shift);
    CfgWriteBool(config, "Play", "SingleMainWindow", "", keys.bSingleWin);
    CfgWriteBool(config, "Play", "ClickToDrag", "", keys.bClickToDrag);
    CfgWriteInt(config, "Play", "StuckKoef", "", s.iStuckKoef);

    CfgWriteString(config, "Lang", "Lang", "", s.sCurLang);
    CfgWriteBool(config, "Lang", "QuickHelp", "", s.ShowQuickHelp);

    const RecentFiles& recent = s.recentFiles;
    CfgWriteInt(config, "Files", "LastFileNum", "", recent.count);
    for (int i = 0; i < recent.count; ++i)
        CfgWriteString(config, "Files", "Last" + std::to_string(i), "", recent.entries[size_t(i)].fullName);

    CfgWriteString(config, "Download", "DnSrc", "", s.sDnSrc);
    CfgWriteBool(config, "Download", "UseSecure", "", s.bUseSecure);
    CfgWriteInt(config, "Download", "SecureMethodInd", "", s.iSecureMethodInd);
}

Result<Settings> SettingsLoad(const FILE_NAMES& names)
{
    Result<ConfigLines> config = LoadConfigLines(names.settingsFile);
    if (!config)
        return Fail(config.error());
    RecentFileFolders folders{names.personalJigsawsFolder, names.savedGamesFolder};
    return ReadSettings(config.value(), folders, names.firstRun);
}

Result<> SettingsSave(const Settings& settings, const FILE_NAMES& names)
{
    Result<ConfigLines> config = LoadConfigLines(names.settingsFile);
    if (!config)
        return Fail(config.error());
    WriteSettings(settings, config.value());
    return SaveConfigLines(config.value(), names.settingsFile);
}

}  // namespace kirvo
