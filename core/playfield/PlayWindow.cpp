#include "playfield/PlayWindow.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "playfield/Caption.h"

namespace kirvo {

namespace {

void SetControl(TWinControl& control, WindowPart command, int width, int height)
{
    control.command = command;
    control.width = width;
    control.height = height;
}

void Anchor(TWinControl& control, int left, int top, int right, int bottom)
{
    control.anchorLeft = left;
    control.anchorTop = top;
    control.anchorRight = right;
    control.anchorBottom = bottom;
}

void SetUpScrollBars(TMyWin& w)
{
    std::array<TWinControl, kControlCount>& c = w.controls;
    const int b = w.borderWidth;
    SetControl(c[kScrollLeftArrow], WindowPart::ScrollLeft, kBarSize, kBarSize);
    Anchor(c[kScrollLeftArrow], b, kBoxUnset, kBoxUnset, b);
    SetControl(c[kScrollRightArrow], WindowPart::ScrollRight, kBarSize, kBarSize);
    Anchor(c[kScrollRightArrow], kBoxUnset, kBoxUnset, b + kBarSize, b);
    SetControl(c[kHorizontalThumb], WindowPart::HorizontalThumb, 0, kBarSize);
    c[kHorizontalThumb].stretchHorizontally = true;
    SetControl(c[kScrollUpArrow], WindowPart::ScrollUp, kBarSize, kBarSize);
    Anchor(c[kScrollUpArrow], kBoxUnset, b + w.captionHeight, b, kBoxUnset);
    SetControl(c[kScrollDownArrow], WindowPart::ScrollDown, kBarSize, kBarSize);
    Anchor(c[kScrollDownArrow], kBoxUnset, kBoxUnset, b, b + kBarSize);
    SetControl(c[kVerticalThumb], WindowPart::VerticalThumb, kBarSize, 0);
    c[kVerticalThumb].stretchVertically = true;
}

// The glass skin has no places for its buttons yet; the zoom buttons share the bottom-left
// corner, since only one of them is shown at a time.
void SetUpGlassButtons(TMyWin& w)
{
    std::array<TWinControl, kControlCount>& c = w.controls;
    SetControl(c[kCloseButton], WindowPart::Close, 14, 14);
    SetControl(c[kZoom3Button], WindowPart::GlassZoom3, 27, 27);
    Anchor(c[kZoom3Button], 0, kBoxUnset, kBoxUnset, 0);
    c[kZoom3Button].shown = true;  // the glass starts at zoom 2
    SetControl(c[kZoom2Button], WindowPart::GlassZoom2, 27, 27);
    Anchor(c[kZoom2Button], 0, kBoxUnset, kBoxUnset, 0);
}

void SetActive(TMyWin& w, bool active)
{
    w.active = active;
    for (TWinControl& control : w.controls)
        control.windowActive = active;
}

}  // namespace

TMyWin& Window(PlayWindows& windows, int number)
{
    assert(number >= 0 && number <= kGlassWindow);
    return number == kGlassWindow ? windows.glass : windows.windows[number];
}

const TMyWin& Window(const PlayWindows& windows, int number)
{
    assert(number >= 0 && number <= kGlassWindow);
    return number == kGlassWindow ? windows.glass : windows.windows[number];
}

void InitialiseWindow(TMyWin& w, int left, int top, WindowKind kind, int width, int height)
{
    w = TMyWin {};
    w.kind = kind;
    switch (kind) {
    case WindowKind::Side:
        w.scrollable = true;
        break;
    case WindowKind::Pocket:
        w.borderWidth = kPocketBorder;
        w.captionHeight = kPocketCaption;
        w.scrollable = true;
        w.resizable = true;
        break;
    case WindowKind::Thumbnail:
        w.borderWidth = kPocketBorder;
        w.captionHeight = kPocketCaption;
        w.dragAnywhere = true;
        w.resizable = true;
        w.keepAspect = true;
        break;
    case WindowKind::Glass:
        break;
    }
    w.frameExtraWidth = 2 * w.borderWidth;
    w.frameExtraHeight = 2 * w.borderWidth + w.captionHeight;
    if (kind == WindowKind::Glass)
        SetClientLimits(w, kGlassMinClient, kGlassMinClient, kGlassMaxClient, kGlassMaxClient);
    else if (w.scrollable)
        SetClientLimits(w, kScrollableMinClient, kScrollableMinClient, 0, 0);
    else
        SetClientLimits(w, kPlainMinClient, kPlainMinClient, 0, 0);

    TWinControl& close = w.controls[kCloseButton];
    if (kind == WindowKind::Pocket || kind == WindowKind::Thumbnail)
        SetControl(close, WindowPart::Close, 20, 20);
    if (kind == WindowKind::Glass)
        SetUpGlassButtons(w);
    if (close.command == WindowPart::Close) {
        close.fourState = true;
        close.shown = true;
        Anchor(close, kBoxUnset, 0, 0, kBoxUnset);
    }
    if (w.scrollable)
        SetUpScrollBars(w);

    w.frame = BoxFromOrigin(left, top, width, height);
    LayOut(w, SizeSource::FromFrame);
}

void InitialisePlayWindows(PlayWindows& windows, GameState& state, std::string_view pocketCaptionFormat,
                           std::string_view thumbnailCaption)
{
    static constexpr const char* kMenuItems[kPlayWindowCount] = {
        "MI_GameWin1",       "MI_GameWin2",       "MI_PocketsPocket1", "MI_PocketsPocket2",
        "MI_PocketsPocket3", "MI_PocketsPocket4", "MI_GameThumb",
    };
    static constexpr int kToolbarButtons[kPlayWindowCount] = {5, 6, 9, 10, 11, 12, 7};

    const int fieldWidth = windows.field.visibleWidth;
    const int fieldHeight = windows.field.visibleHeight;
    windows.pocketCaptionFormat = pocketCaptionFormat;
    for (int n = MW_SIDE0; n <= MW_SIDE1; ++n) {
        TMyWin& side = windows.windows[n];
        InitialiseWindow(side, 0, 0, WindowKind::Side, fieldWidth, fieldHeight);
        side.visible = true;
        side.backgroundShown = true;
    }
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        const int offset = 50 * (n - MW_POCKET0);
        TMyWin& pocket = windows.windows[n];
        InitialiseWindow(pocket, offset, offset, WindowKind::Pocket, 100, 100);
        pocket.backgroundShown = true;
    }
    InitialiseWindow(windows.windows[MW_THUMB], 0, 0, WindowKind::Thumbnail, 100, 100);
    InitialiseWindow(windows.glass, 0, 0, WindowKind::Glass, kGlassMinClient, kGlassMinClient);
    windows.glass.menuItem = "MI_GameGlass";
    windows.glass.toolbarButton = 15;

    for (int n = 0; n < kPlayWindowCount; ++n) {
        TMyWin& w = windows.windows[n];
        w.number = uint8_t(n);
        w.menuItem = kMenuItems[n];
        w.toolbarButton = kToolbarButtons[n];
        windows.stacking[n] = uint8_t(n);
        if (IsPocket(n))
            SetCaption(w, PocketCaption(windows, n));
    }
    SetCaption(windows.windows[MW_THUMB], thumbnailCaption);
    ShowSide(windows, state, MW_SIDE0, Carrying::Nothing);
}

void SetClientLimits(TMyWin& w, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    w.minClientWidth = minWidth;
    w.minClientHeight = minHeight;
    w.maxClientWidth = maxWidth;
    w.maxClientHeight = maxHeight;
    w.minFrameWidth = minWidth + w.frameExtraWidth;
    w.minFrameHeight = minHeight + w.frameExtraHeight;
    w.maxFrameWidth = maxWidth == 0 ? 0 : maxWidth + w.frameExtraWidth;
    w.maxFrameHeight = maxHeight == 0 ? 0 : maxHeight + w.frameExtraHeight;
}

void SetStartField(PlayWindows& windows, int width, int height)
{
    KeepChosenPlaces(windows);
    windows.field.visibleWidth = width;
    windows.field.visibleHeight = height;
    windows.field.startWidth = width;
    windows.field.startHeight = height;
}

void ResizeField(PlayWindows& windows, int width, int height)
{
    KeepChosenPlaces(windows);
    windows.field.visibleWidth = width;
    windows.field.visibleHeight = height;
    for (int n = MW_SIDE0; n <= MW_SIDE1; ++n) {
        TMyWin& side = windows.windows[n];
        side.frame = BoxFromOrigin(0, 0, width, height);
        LayOut(side, SizeSource::FromFrame);
    }
    FitIntoField(windows);
}

void SetVirtualField(PlayWindows& windows, int imageWidth, int imageHeight)
{
    FieldSizes& f = windows.field;
    f.virtualWidth = MaxInt(f.startWidth, imageWidth);
    f.virtualHeight = MaxInt(f.startHeight, imageHeight);
    for (int n = MW_SIDE0; n <= MW_SIDE1; ++n) {
        TMyWin& side = windows.windows[n];
        side.extentWidth = f.virtualWidth;
        side.extentHeight = f.virtualHeight;
        LayOut(side, SizeSource::FromFrame);
    }
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        TMyWin& pocket = windows.windows[n];
        SetClientLimits(pocket, pocket.minClientWidth, pocket.minClientHeight, f.virtualWidth, f.virtualHeight);
        LayOut(pocket, SizeSource::FromFrame);
    }
}

void SetVisible(PlayWindows& windows, GameState& state, int number, Visibility visibility)
{
    TMyWin& w = Window(windows, number);
    const bool wasVisible = w.visible;
    w.visible = visibility == Visibility::Shown;
    if (w.visible)
        return;
    SetActive(w, false);
    if (wasVisible)
        MakeCurrent(windows, state, FallbackCurrentWindow(windows));
}

void BringToFront(PlayWindows& windows, GameState& state, int number)
{
    if (IsPocket(number) || number == MW_THUMB) {
        auto& order = windows.stacking;
        auto at = std::find(order.begin(), order.end(), uint8_t(number));
        std::rotate(at, at + 1, order.end());
    }
    MakeCurrent(windows, state, number);
}

void MakeCurrent(PlayWindows& windows, GameState& state, int number)
{
    for (TMyWin& w : windows.windows)
        SetActive(w, false);
    SetActive(windows.glass, false);
    state.currentWindow = number;
    if (number == kNoWindow)
        return;
    SetActive(Window(windows, number), true);
    if (IsSideOrPocket(number))
        windows.menuWindow = number;
}

int FallbackCurrentWindow(const PlayWindows& windows)
{
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        if (windows.windows[n].active)
            return n;
    return windows.windows[MW_SIDE0].visible ? MW_SIDE0 : MW_SIDE1;
}

void ShowSide(PlayWindows& windows, GameState& state, int side, Carrying carrying)
{
    assert(side == MW_SIDE0 || side == MW_SIDE1);
    windows.windows[side].visible = true;
    MakeCurrent(windows, state, side);
    SetVisible(windows, state, MW_SIDE1 - side, Visibility::Hidden);
    windows.shownSide = side;

    const int dragged = state.draggedPiece;
    if (carrying == Carrying::Nothing || dragged < 0 || state.pieces[dragged].window > MW_SIDE1)
        return;
    const int32_t group = state.pieces[dragged].group;
    for (int i = 0; i < PieceCount(state); ++i) {
        PieceRecord& piece = state.pieces[i];
        if (piece.group == group || piece.selected)
            piece.window = uint8_t(side);
    }
    MarkChanged(state);
}

MenuCaptionKeys CurrentWindowMenuKeys(const PlayWindows& windows)
{
    const int n = windows.menuWindow;
    if (IsPocket(n)) {
        const std::string pocket = std::to_string(PocketNumber(n));
        return {{"MI_GameBkgPocket" + pocket, "Bkg for Pocket " + pocket},
                {"MI_GameSelectAllPocket" + pocket, "Select All in Pocket " + pocket}};
    }
    const std::string side = std::to_string(n + 1);
    const std::string name = n == MW_SIDE0 ? "First Win" : "Second Win";
    return {{"MI_GameBkgWin" + side, "Bkg for " + name}, {"MI_GameSelectAllWin" + side, "Select All in " + name}};
}

int PocketButtonImage(const TMyWin& pocket) { return pocket.groupCount > 0 ? 10 : 9; }

void Recount(PlayWindows& windows, const GameState& state, int number)
{
    std::vector<int32_t> groups;
    for (int i = 0; i < PieceCount(state); ++i)
        if (state.pieces[i].window == number)
            groups.push_back(state.pieces[i].group);
    std::sort(groups.begin(), groups.end());
    TMyWin& w = Window(windows, number);
    w.groupCount = int(std::unique(groups.begin(), groups.end()) - groups.begin());
    if (IsPocket(number))
        SetCaption(w, PocketCaption(windows, number));
}

void UpdateExtent(TMyWin& w, const GameState& state)
{
    if (w.kind != WindowKind::Pocket)
        return;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < PieceCount(state); ++i) {
        const PieceRecord& piece = state.pieces[i];
        if (piece.window != w.number)
            continue;
        right = MaxInt(right, piece.x + piece.width);
        bottom = MaxInt(bottom, piece.y + piece.height);
    }
    w.extentWidth = w.maxClientWidth != 0 ? MinInt(right, w.maxClientWidth) : right;
    w.extentHeight = w.maxClientHeight != 0 ? MinInt(bottom, w.maxClientHeight) : bottom;
    LayOut(w, SizeSource::FromFrame);
}

}  // namespace kirvo
