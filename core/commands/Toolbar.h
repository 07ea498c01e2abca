// The toolbar: 28 buttons, each standing for a menu item and drawn from one column of the button
// sheet, laid out in groups whose gaps depend on the window width.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "commands/Commands.h"

namespace kirvo {

inline constexpr int kToolbarButtonCount = 28;

enum ToolbarButtonIndex : int {
    BI_Open, BI_Save, BI_Download, BI_BkgAll, BI_BkgCur, BI_Win1, BI_Win2, BI_Thumb, BI_Info,
    BI_Pocket1, BI_Pocket2, BI_Pocket3, BI_Pocket4, BI_SelectAll, BI_Arrange, BI_Glass, BI_Weight,
    BI_Options, BI_Help, BI_App, BI_Min, BI_FullScreen, BI_Close, BI_Undo, BI_Redo, BI_Find, BI_Edges, BI_Clock,
};

struct ToolbarButtonInfo {
    const char* name;  // "BI_Open"
    int column;        // initial column of the button sheet
    MenuItem item;
};

const std::array<ToolbarButtonInfo, kToolbarButtonCount>& ToolbarButtons();

inline constexpr int kPocketEmptyColumn = 9;
inline constexpr int kPocketFullColumn = 10;
inline constexpr int kWeightOffColumn = 14;
inline constexpr int kWeightOnColumn = 15;

struct ToolbarGaps {
    int group;
    int inner;

    friend bool operator==(const ToolbarGaps&, const ToolbarGaps&) = default;
};

// width: the client width, or the full width in full-screen mode.
ToolbarGaps ToolbarGapsFor(int width, bool fullScreen);

struct ButtonPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = false;
};

// The toolbar's buttons for a width. When the row does not fit even with the tightest gaps, the
// buttons on its right leave it and the overflow button ("»") at its end offers them in a menu.
struct ToolbarRow {
    std::array<ButtonPlace, kToolbarButtonCount> buttons;
    ButtonPlace overflow;          // visible when buttons were left out
    std::vector<int> overflowed;  // the buttons left out, left to right
};

// The buttons in a row with the gaps of the width; where the row would not fit with them, with the
// tighter gaps of a narrower width, so that the buttons on the right stay in view as long as any
// gaps let them; past that, into the overflow menu. A clock shown at the row's right end takes
// clockWidth pixels there, which the buttons and the overflow button keep clear of.
ToolbarRow ToolbarLayout(int width, bool fullScreen, int clockWidth = 0);

// The narrowest window whose toolbar still shows the application button and the overflow button,
// which between them reach every command.
int SmallestToolbarWidth();

// The hint of a button: the caption without its first "..." and first "…", then " (shortcut)".
std::string ToolbarHint(std::string caption, const std::string& shortcutText);

}  // namespace kirvo
