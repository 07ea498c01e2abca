#include "playfield/PlayWindow.h"

#include "base/TextFormat.h"
#include "playfield/Caption.h"

namespace kirvo {

namespace {

constexpr int kNewPocketShare = 4;  // a new pocket takes a quarter of the field each way

}  // namespace

void ShowOrHidePocket(PlayWindows& windows, GameState& state, int pocket, Visibility visibility)
{
    SetVisible(windows, state, pocket, visibility);
    if (visibility == Visibility::Shown) {
        BringToFront(windows, state, pocket);
        TMyWin& w = windows.windows[pocket];
        // A pocket with pieces reopens where the player left it.
        if (w.groupCount == 0) {
            SetCaption(w, PocketCaption(windows, pocket));
            w.frame = NewPocketFrame(windows, pocket);
            LayOut(w, SizeSource::FromFrame);
        }
    }
    state.redrawMode = RedrawMode::WholeField;
}

// A quarter of the field at the right edge, or, when other pockets are open, beside and below
// the left-most of them that lies lowest so far in pocket order.
TBox NewPocketFrame(const PlayWindows& windows, int pocket)
{
    const int fieldWidth = windows.field.visibleWidth;
    const int fieldHeight = windows.field.visibleHeight;
    const int width = fieldWidth / kNewPocketShare;
    const int height = fieldHeight / kNewPocketShare;
    int bestLeft = 10000;
    int bestTop = -10000;
    bool found = false;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        const TMyWin& other = windows.windows[n];
        if (n == pocket || !other.visible)
            continue;
        if (other.frame.left < bestLeft && other.frame.top > bestTop) {
            bestLeft = other.frame.left;
            bestTop = other.frame.top;
            found = true;
        }
    }
    int left = fieldWidth - width;
    int top = 0;
    if (found) {
        left = fieldWidth >= width + bestLeft - 40 ? bestLeft - 40 : fieldWidth - width;
        top = fieldHeight < height + bestTop + 40 ? fieldHeight - height : bestTop + 40;
    }
    return BoxFromOrigin(MaxInt(left, 0), MaxInt(top, 0), width, height);
}

WindowSize SmallestField()
{
    const int pocketWidth = kScrollableMinClient + 2 * kPocketBorder;
    const int pocketHeight = kScrollableMinClient + 2 * kPocketBorder + kPocketCaption;
    return {kNewPocketShare * pocketWidth, kNewPocketShare * pocketHeight};
}

void TogglePocket(PlayWindows& windows, GameState& state, int pocket)
{
    const bool visible = windows.windows[pocket].visible;
    ShowOrHidePocket(windows, state, pocket, visible ? Visibility::Hidden : Visibility::Shown);
}

namespace {

// Opens the hidden pockets that hold pieces; returns how many pockets are open then.
int OpenPocketsWithPieces(PlayWindows& windows, GameState& state)
{
    int open = 0;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        const TMyWin& w = windows.windows[n];
        if (!w.visible && w.groupCount > 0)
            ShowOrHidePocket(windows, state, n, Visibility::Shown);
        open += w.visible ? 1 : 0;
    }
    return open;
}

void ArrangePocket(PlayWindows& windows, GameState& state, int pocket, int left, int top, int width, int height)
{
    TMyWin& w = windows.windows[pocket];
    w.frame = BoxFromOrigin(left, top, width, height);
    LayOut(w, SizeSource::FromFrame);
    BringToFront(windows, state, pocket);
    UpdateExtent(w, state);
}

}  // namespace

void TilePockets(PlayWindows& windows, GameState& state)
{
    const int open = OpenPocketsWithPieces(windows, state);
    if (open == 0)
        return;
    const int width = windows.field.visibleWidth / 4;
    const int height = windows.field.visibleHeight / open;
    const int left = windows.field.visibleWidth - width;
    int top = 0;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        if (!windows.windows[n].visible)
            continue;
        ArrangePocket(windows, state, n, left, top, width, height);
        top += height;
    }
    state.redrawMode = RedrawMode::WholeField;
}

void CascadePockets(PlayWindows& windows, GameState& state)
{
    const int open = OpenPocketsWithPieces(windows, state);
    if (open == 0)
        return;
    const int width = windows.field.visibleWidth / 4;
    const int height = windows.field.visibleHeight - 34 * open;
    int left = windows.field.visibleWidth - width - 30 * open + 30;
    int top = 0;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        if (!windows.windows[n].visible)
            continue;
        ArrangePocket(windows, state, n, left, top, width, height);
        left += 30;
        top += 34;
    }
    state.redrawMode = RedrawMode::WholeField;
}

void ResetPockets(PlayWindows& windows, GameState& state)
{
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        SetVisible(windows, state, n, Visibility::Hidden);
        TMyWin& w = windows.windows[n];
        w.groupCount = 0;
        SetCaption(w, PocketCaption(windows, n));
        UpdateExtent(w, state);
    }
}

void SetPocketCaptionFormat(PlayWindows& windows, std::string_view format)
{
    windows.pocketCaptionFormat = format;
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n)
        SetCaption(windows.windows[n], PocketCaption(windows, n));
}

std::string PocketCaption(const PlayWindows& windows, int pocket)
{
    return FormatText(windows.pocketCaptionFormat,
                      {std::to_string(PocketNumber(pocket)), std::to_string(windows.windows[pocket].groupCount)});
}

}  // namespace kirvo
