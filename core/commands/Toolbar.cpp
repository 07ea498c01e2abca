#include "commands/Toolbar.h"

#include <algorithm>

namespace kirvo {

namespace {

using enum MenuItem;

constexpr int kButtonSize = 29;
constexpr int kNarrowButtonWidth = 25;  // minimise, close and the overflow button
constexpr int kButtonTop = 2;
constexpr int kFirstLeft = 4;
constexpr int kRightMargin = 8;  // kept free at the right end of a window's row

enum class Gap { Group, Inner };

struct Step {
    int button;
    Gap gap;
};

// Left to right after the application button.
constexpr Step kOrder[] = {
    {BI_Open, Gap::Group}, {BI_Save, Gap::Inner}, {BI_Undo, Gap::Group}, {BI_Redo, Gap::Inner},
    {BI_Download, Gap::Group}, {BI_BkgAll, Gap::Group}, {BI_BkgCur, Gap::Inner}, {BI_Thumb, Gap::Group},
    {BI_Info, Gap::Group}, {BI_Clock, Gap::Inner}, {BI_Win1, Gap::Group}, {BI_Win2, Gap::Inner},
    {BI_Pocket1, Gap::Group}, {BI_Pocket2, Gap::Inner}, {BI_Pocket3, Gap::Inner}, {BI_Pocket4, Gap::Inner},
    {BI_SelectAll, Gap::Group}, {BI_Arrange, Gap::Inner}, {BI_Find, Gap::Inner}, {BI_Edges, Gap::Inner},
    {BI_Glass, Gap::Group}, {BI_Weight, Gap::Group}, {BI_FullScreen, Gap::Group}, {BI_Options, Gap::Group},
    {BI_Help, Gap::Group},
};

void EraseFirst(std::string& text, const std::string& part)
{
    if (size_t at = text.find(part); at != std::string::npos)
        text.erase(at, part.size());
}

}  // namespace

const std::array<ToolbarButtonInfo, kToolbarButtonCount>& ToolbarButtons()
{
    static const std::array<ToolbarButtonInfo, kToolbarButtonCount> buttons = {{
        {"BI_Open", 0, MI_FileOpen},
        {"BI_Save", 1, MI_FileSave},
        {"BI_Download", 2, MI_FileDownload},
        {"BI_BkgAll", 3, MI_GameBkgAll},
        {"BI_BkgCur", 4, MI_GameBkgCur},
        {"BI_Win1", 5, MI_GameWin1},
        {"BI_Win2", 6, MI_GameWin2},
        {"BI_Thumb", 7, MI_GameThumb},
        {"BI_Info", 8, MI_GameInfo},
        {"BI_Pocket1", kPocketEmptyColumn, MI_PocketsPocket1},
        {"BI_Pocket2", kPocketEmptyColumn, MI_PocketsPocket2},
        {"BI_Pocket3", kPocketEmptyColumn, MI_PocketsPocket3},
        {"BI_Pocket4", kPocketEmptyColumn, MI_PocketsPocket4},
        {"BI_SelectAll", 11, MI_GameSelectAll},
        {"BI_Arrange", 12, MI_GameArrange},
        {"BI_Glass", 13, MI_GameGlass},
        {"BI_Weight", kWeightOffColumn, MI_GameWeight},
        {"BI_Options", 16, MI_Options},
        {"BI_Help", 17, MI_HelpCont},
        {"BI_App", 18, MI_Menu},
        {"BI_Min", 19, MI_Min},
        {"BI_FullScreen", 21, MI_FullScreen},
        {"BI_Close", 20, MI_Exit},
        {"BI_Undo", 22, MI_GameUndo},
        {"BI_Redo", 23, MI_GameRedo},
        {"BI_Find", 24, MI_GameFind},
        {"BI_Edges", 25, MI_GameEdges},
        {"BI_Clock", 26, MI_GameClock},
    }};
    return buttons;
}

ToolbarGaps ToolbarGapsFor(int width, bool fullScreen)
{
    if (width <= 640)
        return {10, 1};
    if (width <= 800)
        return {fullScreen ? 8 : 12, 2};
    if (width <= 1024)
        return {fullScreen ? 20 : 24, 8};
    return {26, 10};
}

namespace {

int GapOf(Step step, const ToolbarGaps& gaps) { return step.gap == Gap::Group ? gaps.group : gaps.inner; }

// The right edge of the row of buttons with these gaps.
int RowEnd(const ToolbarGaps& gaps)
{
    int right = kFirstLeft + kButtonSize;
    for (Step step : kOrder)
        right += GapOf(step, gaps) + kButtonSize;
    return right;
}

// Where the row must end: short of the window's right edge, and in full screen short of Minimise
// and Close.
int RowRoom(int width, bool fullScreen)
{
    return fullScreen ? width - 30 - kNarrowButtonWidth - 16 : width - kRightMargin;
}

// The gaps of the width, or of a narrower width when the row would not fit with them.
ToolbarGaps GapsThatFit(int width, bool fullScreen, int clockWidth)
{
    const int room = RowRoom(width, fullScreen) - clockWidth;
    for (int asIf : {width, 1024, 800})
        if (const ToolbarGaps gaps = ToolbarGapsFor(std::min(width, asIf), fullScreen); RowEnd(gaps) <= room)
            return gaps;
    return ToolbarGapsFor(640, fullScreen);
}

}  // namespace

ToolbarRow ToolbarLayout(int width, bool fullScreen, int clockWidth)
{
    const ToolbarGaps gaps = GapsThatFit(width, fullScreen, clockWidth);
    const int room = RowRoom(width, fullScreen) - clockWidth;
    const bool overflowing = RowEnd(gaps) > room;
    // With the overflow button at its end the row has that much less room.
    const int buttonRoom = overflowing ? room - gaps.group - kNarrowButtonWidth : room;
    ToolbarRow row;
    std::array<ButtonPlace, kToolbarButtonCount>& places = row.buttons;
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        bool narrow = i == BI_Min || i == BI_Close;
        places[size_t(i)] = {0, kButtonTop, narrow ? kNarrowButtonWidth : kButtonSize, kButtonSize, !narrow};
    }
    places[BI_App].x = kFirstLeft;
    int right = kFirstLeft + kButtonSize;
    int shownRight = right;
    for (Step step : kOrder) {
        ButtonPlace& place = places[size_t(step.button)];
        place.x = right + GapOf(step, gaps);
        right = place.x + kButtonSize;
        // Once one button is left out, so are all to its right. Those keep the place they would
        // have in the row.
        if (!row.overflowed.empty() || right > buttonRoom) {
            place.visible = false;
            row.overflowed.push_back(step.button);
        } else {
            shownRight = right;
        }
    }
    if (overflowing)
        row.overflow = {shownRight + gaps.group, kButtonTop, kNarrowButtonWidth, kButtonSize, true};
    if (fullScreen) {
        places[BI_Close].x = width - 30;
        places[BI_Min].x = places[BI_Close].x - gaps.inner - kNarrowButtonWidth;
        places[BI_Close].visible = places[BI_Min].visible = true;
    }
    return row;
}

int SmallestToolbarWidth()
{
    return kFirstLeft + kButtonSize + ToolbarGapsFor(0, false).group + kNarrowButtonWidth + kRightMargin;
}

std::string ToolbarHint(std::string caption, const std::string& shortcutText)
{
    EraseFirst(caption, "...");
    EraseFirst(caption, "\u2026");
    if (!shortcutText.empty())
        caption.append(" (").append(shortcutText).append(")");
    return caption;
}

}  // namespace kirvo
