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

uint8_t ReadByte(const ConfigLines& config, const char* section, const char* sub, const char* key, uint8_t fallback)
{
    int value = CfgReadInt(config, section, sub, key, fallback);
    return value >= 0 && value <= 255 ? uint8_t(value) : fallback;
}

}  // namespace

Settings ReadSettings(const ConfigLines& config, const RecentFileFolders& folders, bool firstRun)
{
    Settings s;
    NewGameDefaults& jig = s.DefJigP;
    jig.Rotate = CfgReadBool(config, "Main", "DefJigP", "Rotate", jig.Rotate);
    jig.BorderStyle = CfgReadInt(config, "Main", "DefJigP", "BorderStyle", jig.BorderStyle);
    jig.ShapeStyle = CfgReadInt(config, "Main", "DefJigP", "ShapeStyle", jig.ShapeStyle);
    jig.Level = CfgReadInt(config, "Main", "DefJigP", "Level", jig.Level);
    jig.SpreadOut = CfgReadInt(config, "Main", "DefJigP", "SpreadOut", jig.SpreadOut);
    jig.FitToScreen = CfgReadBool(config, "Main", "DefJigP", "FitToScreen", jig.FitToScreen);
    s.AutoSave_bEnabled = CfgReadBool(config, "Main", "AutoSave", "Enabled", s.AutoSave_bEnabled);
    s.AutoSave_iIntervalMin = CfgReadInt(config, "Main", "AutoSave", "Interval", s.AutoSave_iIntervalMin);
    s.CB_SoundPlay = CfgReadBool(config, "Main", "Sound", "", s.CB_SoundPlay);
    s.EmbossStyle = CfgReadInt(config, "Main", "Embossing", "Style", s.EmbossStyle);
    s.WoodStyle = CfgReadInt(config, "Main", "Embossing", "WoodStyle", s.WoodStyle);
    s.WoodColor = uint32_t(CfgReadInt(config, "Main", "Embossing", "WoodColor", int(s.WoodColor)));
    if (s.EmbossStyle == 4) {  // the old "wood" emboss style is now a wood style of its own
        s.EmbossStyle = 0;
        s.WoodStyle = 1;
    }
    s.CB_VisualShowJoin = CfgReadBool(config, "Main", "ShowConj", "", s.CB_VisualShowJoin);
    s.FullScreen = CfgReadBool(config, "Main", "FullScreen", "", s.FullScreen);

    MouseBindings& keys = s.PlayKeys;
    keys.RotCW_Button = ReadByte(config, "Play", "RotCW", "Button", keys.RotCW_Button);
    keys.RotCW_Shift = ReadByte(config, "Play", "RotCW", "Shift", keys.RotCW_Shift);
    keys.RotCCW_Button = ReadByte(config, "Play", "RotCCW", "Button", keys.RotCCW_Button);
    keys.RotCCW_Shift = ReadByte(config, "Play", "RotCCW", "Shift", keys.RotCCW_Shift);
    keys.MoveOW_Button = ReadByte(config, "Play", "MoveOW", "Button", keys.MoveOW_Button);
    keys.MoveOW_Shift = ReadByte(config, "Play", "MoveOW", "Shift", keys.MoveOW_Shift);
    keys.bSingleWin = CfgReadBool(config, "Play", "SingleMainWindow", "", keys.bSingleWin);
    keys.bClickToDrag = CfgReadBool(config, "Play", "ClickToDrag", "", keys.bClickToDrag);
    s.iStuckKoef = CfgReadInt(config, "Play", "StuckKoef", "", s.iStuckKoef);

    int count = std::clamp(CfgReadInt(config, "Files", "LastFileNum", "", 0), 0, kRecentFileCount);
    for (int i = 0; i < count; ++i) {
        std::string path = CfgReadString(config, "Files", "Last" + std::to_string(i), "", "");
        if (!path.empty())
            s.recentFiles.entries[size_t(s.recentFiles.count++)] = RecentFileAt(path, folders);
    }

    std::string language = LowerAscii(CfgReadString(config, "Lang", "Lang", "", s.sCurLang));
    if (IsPlainName(language))
        s.sCurLang = language;
    s.ShowQuickHelp = CfgReadBool(config, "Lang", "QuickHelp", "", s.ShowQuickHelp);

    s.sDnSrc = CfgReadString(config, "Download", "DnSrc", "", s.sDnSrc);
    s.bUseSecure = CfgReadBool(config, "Download", "UseSecure", "", s.bUseSecure);
    s.iSecureMethodInd = CfgReadInt(config, "Download", "SecureMethodInd", "", s.iSecureMethodInd);
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
