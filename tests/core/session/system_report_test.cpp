#include "session/SystemReport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kirvo {
namespace {

ReportInput Input(const Settings& settings)
{
    ReportInput input;
    input.title = "Kirvo Jigsaw Pleo III";
    input.date = "12/10/2026 10:15:00 PM";
    input.exePath = "/opt/kirvo/kirvo";
    input.exeDate = "12/9/2026";
    input.settings = &settings;
    input.background = 0x00FF8000;
    input.computer = {.kernel = "Linux 6.1.0 x86_64",
                      .distribution = "Test Linux 12",
                      .processor = "Test CPU 3000",
                      .cores = 4,
                      .memoryTotalKb = 8 * 1024 * 1024,
                      .memoryAvailableKb = 1536,
                      .screens = {{1920, 1080, 1.25, 24}},
                      .libraries = {{"Qt", "6.4.2"}, {"zlib", "1.2.13"}},
                      .programFolder = "/opt/kirvo/",
                      .dataFolder = "/home/p/.local/share/kirvo/",
                      .savedGamesFolder = "/home/p/Documents/Saved/",
                      .savedGamesFreeBytes = uint64_t(5) * 1024 * 1024 * 1024};
    return input;
}

bool Holds(const std::string& text, const std::string& line) { return text.find("\r\n" + line + "\r\n") != std::string::npos; }

TEST(SystemReport, HoldsEverySectionWithTheGivenValues)
{
    Settings settings;
    settings.PlayKeys.RotCW_Button = 2;
    settings.PlayKeys.RotCW_Shift = 5;
    settings.WoodColor = 0x49687A;
    ReportInput input = Input(settings);
    input.jigsaw = ReportJigsaw {.sJig = "/j/tulips.ast", .GameSeed = 77, .ImageW = 800, .ImageH = 600};
    input.jigsaw->pocketUnits[3] = 9;
    const std::string text = SystemReportText(input);

    EXPECT_TRUE(text.starts_with(std::string(40, '=') + "\r\nKirvo Jigsaw Pleo III System Report\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n\r\n" + std::string(40, '=') + "\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // CR LF throughout
    for (const char* line : {"Date: 12/10/2026 10:15:00 PM", "------ Program ------", "Exe path = /opt/kirvo/kirvo",
                             "------ Jigsaw ------", "sJig: /j/tulips.ast", "GameSeed = 77", "ImageW = 800, ImageH = 600",
                             "Jigs in MW_POCKET3 = 9", "lBkg = FF8000", "WoodColor = 49687A", "RotCW_Button = mbMiddle",
                             "RotCW_Shift =  ssShift ssCtrl", "MoveOW_Shift = ", "sCurLang = english",
                             "Screen0: ScreenW = 1920, ScreenH = 1080, Scale = 1.25, BitsPerPixel = 24",
                             "Kernel = Linux 6.1.0 x86_64", "Distribution = Test Linux 12", "Qt = 6.4.2", "zlib = 1.2.13",
                             "Processor = Test CPU 3000", "Cores = 4", "Total Physical = 8192 Mb",
                             "Avail Physical = 1.500 Mb", "\"/home/p/Documents/Saved/\" free space = 5120 Mb"})
        EXPECT_TRUE(Holds(text, line)) << line;
}

TEST(SystemReport, WithoutAPuzzleTheProgramLinesLeadStraightToTheOptions)
{
    Settings settings;
    ReportInput input = Input(settings);
    input.exeDate.clear();
    const std::string text = SystemReportText(input);
    EXPECT_EQ(text.find("Jigsaw ------"), std::string::npos);
    EXPECT_EQ(text.find("Exe date"), std::string::npos);
    EXPECT_NE(text.find("Exe path = /opt/kirvo/kirvo\r\n\r\n------ Options ------\r\n"), std::string::npos);
}

TEST(SystemReport, NamesAndLinuxFacts)
{
    EXPECT_EQ(MouseButtonName(0), "mbLeft");
    EXPECT_EQ(MouseButtonName(3), "");
    EXPECT_EQ(ShiftStateNames(0), "");
    EXPECT_EQ(ShiftStateNames(5), " ssShift ssCtrl");
    EXPECT_EQ(ShiftStateNames(2 | 64), " ssAlt ssDouble");

    EXPECT_EQ(OsReleaseName("NAME=\"Test\"\nPRETTY_NAME=\"Test Linux 12 (bookworm)\"\nID=test\n"), "Test Linux 12 (bookworm)");
    EXPECT_EQ(OsReleaseName("NAME=x\n"), "");
    const char* cpu = "processor\t: 0\nmodel name\t: Test CPU @ 3.00GHz\n\nprocessor\t: 1\nmodel name\t: Test CPU @ 3.00GHz\n";
    EXPECT_EQ(CpuModelName(cpu), "Test CPU @ 3.00GHz");
    EXPECT_EQ(CpuCoreCount(cpu), 2);
    const char* mem = "MemTotal:       16307216 kB\nMemFree:  1000 kB\nMemAvailable:   9876543 kB\n";
    EXPECT_EQ(MemInfoKb(mem, "MemTotal"), 16307216);
    EXPECT_EQ(MemInfoKb(mem, "MemAvailable"), 9876543);
    EXPECT_EQ(MemInfoKb(mem, "Mem"), 0);  // a field is named whole
}

TEST(SystemReport, AJoinedGroupCountsOnceInItsWindow)
{
    GameState state;
    state.descriptor.TotalTileNum = 5;
    state.descriptor.ImageW = 640;
    state.pieces.resize(5);
    const std::pair<uint8_t, int> placed[] = {{0, 0}, {0, 0}, {0, 2}, {1, 3}, {5, 4}};  // window, group
    for (size_t i = 0; i < 5; ++i)
        std::tie(state.pieces[i].window, state.pieces[i].group) = placed[i];
    FILE_NAMES names;
    names.sJigName = "tulips";
    const ReportJigsaw jig = ReportJigsawOf(state, names, {.unsolved = 4, .percent = 25});
    EXPECT_EQ(jig.sJigName, "tulips");
    EXPECT_EQ(jig.ImageW, 640);
    EXPECT_EQ(jig.sideUnits[0], 2);
    EXPECT_EQ(jig.sideUnits[1], 1);
    EXPECT_EQ(jig.pocketUnits[3], 1);
    EXPECT_EQ(jig.pocketUnits[0], 0);
    EXPECT_EQ(jig.solvedPercent, 25);
}

}  // namespace
}  // namespace kirvo
