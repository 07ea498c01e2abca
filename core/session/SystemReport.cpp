// The system report's text.
#include "session/SystemReport.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <tuple>

#include "base/Version.h"

namespace kirvo {

namespace {

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Megabytes(int64_t kb) { return Fixed(double(kb) / 1024, 0) + " Mb"; }

// The line after "<field>" up to its end, with the blanks and ':' or '=' that separate them left
// out; empty when no line begins with the field.
std::string FieldValue(std::string_view text, std::string_view field)
{
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (line.starts_with(field)) {
            std::string_view rest = line.substr(field.size());
            if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t' && rest.front() != ':' && rest.front() != '=')
                rest = {};  // a longer field name
            else {
                while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t' || rest.front() == ':' || rest.front() == '='))
                    rest.remove_prefix(1);
                while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' '))
                    rest.remove_suffix(1);
                return std::string(rest);
            }
        }
        at = end + 1;
    }
    return {};
}

class Lines {
public:
    void Add(std::string line = {}) { text_ += line + "\r\n"; }
    void Number(std::string_view name, int64_t value) { Add(std::string(name) + " = " + std::to_string(value)); }
    void Heading(std::string_view name)
    {
        Add();
        Add("------ " + std::string(name) + " ------");
        Add();
    }
    void Group(std::string_view name)
    {
        Add("----------");
        Add(std::string(name));
    }
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
};

void AddJigsaw(Lines& lines, const ReportJigsaw& jig)
{
    const auto pair = [&](const char* a, int x, const char* b, int y) {
        lines.Add(std::string(a) + " = " + std::to_string(x) + ", " + b + " = " + std::to_string(y));
    };
    lines.Heading("Jigsaw");
    lines.Add("sJig: " + jig.sJig);
    lines.Add("sSolve: " + jig.sSolve);
    lines.Add("sJigName: " + jig.sJigName);
    lines.Number("GameSeed", jig.GameSeed);
    pair("ImageW", jig.ImageW, "ImageH", jig.ImageH);
    pair("JigsL", jig.JigsL, "JigsT", jig.JigsT);
    pair("MaskS", jig.MaskS, "TileS", jig.TileS);
    pair("TilePX", jig.TilePX, "TilePY", jig.TilePY);
    pair("PicPX", jig.PicPX, "PicPY", jig.PicPY);
    pair("TileNum", jig.TileNum, "TotalTileNum", jig.TotalTileNum);
    const std::pair<const char*, int> numbers[] = {{"Level", jig.Level}, {"Rotate", jig.Rotate},
                                                   {"BorderStyle", jig.BorderStyle}, {"ShapeStyle", jig.ShapeStyle},
                                                   {"SpreadOut", jig.SpreadOut}, {"FitToScreen", jig.FitToScreen},
                                                   {"SideNum", jig.SideNum}};
    for (const auto& [name, value] : numbers)
        lines.Number(name, value);
    for (int side = 0; side < 2; ++side)
        lines.Number("Jigs in MW_SIDE" + std::to_string(side), jig.sideUnits[side]);
    for (int pocket = 0; pocket < 4; ++pocket)
        lines.Number("Jigs in MW_POCKET" + std::to_string(pocket), jig.pocketUnits[pocket]);
    lines.Number("iUnsolvedNum", jig.unsolved);
    lines.Number("iSolvedPercent", jig.solvedPercent);
}

void AddOptions(Lines& lines, const Settings& s, uint32_t background)
{
    lines.Heading("Options");
    lines.Add("lBkg = " + Hex(background));
    lines.Group("AutoSave");
    lines.Number("AutoSave_bEnabled", s.AutoSave_bEnabled);
    lines.Number("AutoSave_iIntervalMin", s.AutoSave_iIntervalMin);
    lines.Group("Sound");
    lines.Number("CB_SoundPlay", s.CB_SoundPlay);
    lines.Group("Visual");
    lines.Number("EmbossStyle", s.EmbossStyle);
    lines.Number("WoodStyle", s.WoodStyle);
    lines.Add("WoodColor = " + Hex(s.WoodColor));
    lines.Number("CB_VisualShowJoin", s.CB_VisualShowJoin);
    lines.Number("FullScreen", s.FullScreen);
    lines.Group("Play");
    const MouseBindings& keys = s.PlayKeys;
    const std::tuple<const char*, int, int> bindings[] = {{"RotCW", keys.RotCW_Button, keys.RotCW_Shift},
                                                          {"RotCCW", keys.RotCCW_Button, keys.RotCCW_Shift},
                                                          {"MoveOW", keys.MoveOW_Button, keys.MoveOW_Shift}};
    for (const auto& [name, button, shift] : bindings) {
        lines.Add(std::string(name) + "_Button = " + MouseButtonName(button));
        lines.Add(std::string(name) + "_Shift = " + ShiftStateNames(shift));
    }
    lines.Number("bSingleWin", keys.bSingleWin);
    lines.Number("bClickToDrag", keys.bClickToDrag);
    lines.Number("iStuckKoef", s.iStuckKoef);
    lines.Group("Language");
    lines.Add("sCurLang = " + s.sCurLang);
    lines.Number("ShowQuickHelp", s.ShowQuickHelp);
    lines.Group("Download");
    lines.Add("sDnSrc = " + s.sDnSrc);
    lines.Number("bUseSecure", s.bUseSecure);
    lines.Number("iSecureMethodInd", s.iSecureMethodInd);
}

void AddComputer(Lines& lines, const ComputerFacts& c)
{
    lines.Heading("Screen");
    for (size_t i = 0; i < c.screens.size(); ++i) {
        const ReportScreen& screen = c.screens[i];
        lines.Add("Screen" + std::to_string(i) + ": ScreenW = " + std::to_string(screen.width) + ", ScreenH = " +
                  std::to_string(screen.height) + ", Scale = " + Fixed(screen.scale, 2) +
                  ", BitsPerPixel = " + std::to_string(screen.depth));
    }
    lines.Heading("OS");
    lines.Add("Kernel = " + c.kernel);
    lines.Add("Distribution = " + c.distribution);
    for (const auto& [name, version] : c.libraries)
        lines.Add(name + " = " + version);
    lines.Heading("System");
    lines.Add("Processor = " + c.processor);
    lines.Number("Cores", c.cores);
    lines.Heading("Memory");
    lines.Add("Total Physical = " + Megabytes(c.memoryTotalKb));
    lines.Add("Avail Physical = " + Fixed(double(c.memoryAvailableKb) / 1024, 3) + " Mb");
    lines.Heading("Folders");
    lines.Add("Program = " + c.programFolder);
    lines.Add("Data = " + c.dataFolder);
    lines.Add("Saved games = " + c.savedGamesFolder);
    if (c.savedGamesFreeBytes)
        lines.Add("\"" + c.savedGamesFolder + "\" free space = " + Megabytes(int64_t(*c.savedGamesFreeBytes / 1024)));
}

}  // namespace

ReportJigsaw ReportJigsawOf(const GameState& state, const FILE_NAMES& names, const PuzzleProgress& progress)
{
    const Descriptor& d = state.descriptor;
    ReportJigsaw jig {.sJig = names.sJig, .sSolve = names.sSolve, .sJigName = names.sJigName,
                      .GameSeed = d.GameSeed, .ImageW = d.ImageW, .ImageH = d.ImageH, .JigsL = d.JigsL,
                      .JigsT = d.JigsT, .MaskS = d.MaskS, .TileS = d.TileS, .TilePX = d.TilePX, .TilePY = d.TilePY,
                      .PicPX = d.PicPX, .PicPY = d.PicPY, .TileNum = d.TileNum, .TotalTileNum = d.TotalTileNum,
                      .Level = d.Level, .Rotate = d.Rotate, .BorderStyle = d.BorderStyle, .ShapeStyle = d.ShapeStyle,
                      .SpreadOut = d.SpreadOut, .FitToScreen = d.FitToScreen, .SideNum = d.SideNum,
                      .unsolved = progress.unsolved, .solvedPercent = progress.percent};
    std::set<std::pair<int, int>> units;  // window, group
    for (int i = 0; i < PieceCount(state); ++i)
        units.insert({state.pieces[size_t(i)].window, state.pieces[size_t(i)].group});
    for (const auto& [window, group] : units) {
        if (window < 2)
            ++jig.sideUnits[window];
        else if (window < 6)
            ++jig.pocketUnits[window - 2];
    }
    return jig;
}

std::string MouseButtonName(int button)
{
    constexpr const char* kNames[] = {"mbLeft", "mbRight", "mbMiddle"};
    return button >= 0 && button < 3 ? kNames[button] : "";
}

std::string ShiftStateNames(int shift)
{
    constexpr const char* kNames[] = {" ssShift", " ssAlt", " ssCtrl", " ssLeft", " ssRight", " ssMiddle", " ssDouble"};
    std::string names;
    for (int bit = 0; bit < 7; ++bit)
        if (shift & (1 << bit))
            names += kNames[bit];
    return names;
}

std::string OsReleaseName(std::string_view osRelease)
{
    std::string name = FieldValue(osRelease, "PRETTY_NAME");
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front())
        name = name.substr(1, name.size() - 2);
    return name;
}

std::string CpuModelName(std::string_view cpuInfo) { return FieldValue(cpuInfo, "model name"); }

int CpuCoreCount(std::string_view cpuInfo)
{
    int count = 0;
    for (size_t at = 0; (at = cpuInfo.find("processor", at)) != std::string_view::npos; at += 9)
        if (at == 0 || cpuInfo[at - 1] == '\n')
            ++count;
    return count;
}

int64_t MemInfoKb(std::string_view memInfo, std::string_view field)
{
    const std::string value = FieldValue(memInfo, field);
    return value.empty() ? 0 : std::atoll(value.c_str());
}

std::string SystemReportText(const ReportInput& input)
{
    Lines lines;
    const std::string rule(40, '=');
    lines.Add(rule);
    lines.Add(input.title + " System Report");
    lines.Add();
    lines.Add("Date: " + input.date);
    lines.Heading("Program");
    lines.Add(std::string("Version ") + kVersion);
    lines.Add(kReleaseDate);
    lines.Add("Exe path = " + input.exePath);
    if (!input.exeDate.empty())
        lines.Add("Exe date = " + input.exeDate);
    if (input.jigsaw)
        AddJigsaw(lines, *input.jigsaw);
    if (input.settings)
        AddOptions(lines, *input.settings, input.background);
    AddComputer(lines, input.computer);
    lines.Add();
    lines.Add(rule);
    return std::move(lines).Text();
}

}  // namespace kirvo
