// The system report: a plain-text description of the program, the puzzle in play, the settings
// and the computer, which a player can send along with a question. Built here from plain values;
// the program gathers the facts about the computer and writes the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/FileNames.h"
#include "game/GameState.h"
#include "playfield/Completion.h"
#include "settings/Settings.h"

namespace kirvo {

// Facts about the puzzle in play, as the report prints them.
struct ReportJigsaw {
    std::string sJig, sSolve, sJigName;
    int GameSeed = 0;
    int ImageW = 0, ImageH = 0, JigsL = 0, JigsT = 0, MaskS = 0, TileS = 0;
    int TilePX = 0, TilePY = 0, PicPX = 0, PicPY = 0, TileNum = 0, TotalTileNum = 0;
    int Level = 0, Rotate = 0, BorderStyle = 0, ShapeStyle = 0, SpreadOut = 0, FitToScreen = 0, SideNum = 0;
    int sideUnits[2] = {0, 0};    // separate pieces and groups lying in each side
    int pocketUnits[4] = {0, 0, 0, 0};
    int unsolved = 0, solvedPercent = 0;
};

// The puzzle's facts: names, descriptor, the separate units (a group counts once) in each window
// and how far it is solved.
ReportJigsaw ReportJigsawOf(const GameState& state, const FILE_NAMES& names, const PuzzleProgress& progress);

struct ReportScreen {
    int width = 0, height = 0;
    double scale = 1;
    int depth = 0;  // bits per pixel
};

// Facts about the computer and the program's folders.
struct ComputerFacts {
    std::string kernel;        // "Linux 6.1.0 x86_64"
    std::string distribution;  // PRETTY_NAME of /etc/os-release
    std::string processor;     // model name of /proc/cpuinfo
    int cores = 0;
    int64_t memoryTotalKb = 0, memoryAvailableKb = 0;
    std::vector<ReportScreen> screens;
    std::vector<std::pair<std::string, std::string>> libraries;  // name, version ("Qt", "6.4.2")
    std::string programFolder, dataFolder, savedGamesFolder;
    std::optional<uint64_t> savedGamesFreeBytes;
};

struct ReportInput {
    std::string title;     // the application title
    std::string date;      // now, as the player's locale writes it
    std::string exePath;
    std::string exeDate;   // empty when the program file cannot be found
    std::optional<ReportJigsaw> jigsaw;  // none while no puzzle is open
    const Settings* settings = nullptr;
    uint32_t background = 0;
    ComputerFacts computer;
};

// The report's lines joined with CR LF, ending with one.
std::string SystemReportText(const ReportInput& input);

// Names of a mouse button (0 "mbLeft", 1 "mbRight", 2 "mbMiddle", other empty) and of a modifier
// set (" ssShift ssCtrl" for 5).
std::string MouseButtonName(int button);
std::string ShiftStateNames(int shift);

// The facts of the computer read from Linux's own files, given as text.
std::string OsReleaseName(std::string_view osRelease);                // PRETTY_NAME, unquoted
std::string CpuModelName(std::string_view cpuInfo);                   // the first "model name"
int CpuCoreCount(std::string_view cpuInfo);                           // "processor" entries
int64_t MemInfoKb(std::string_view memInfo, std::string_view field);  // "MemTotal" -> its kB; 0 when missing

}  // namespace kirvo
