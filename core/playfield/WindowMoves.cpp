#include "playfield/PlayWindow.h"

namespace kirvo {

namespace {

// Where the four lens corner images lie in the glass skin.
constexpr int kGlassCornerSourceX[4] = {0, 96, 0, 96};
constexpr int kGlassCornerSourceY[4] = {0, 0, 96, 96};

bool OnOpaqueGlassCorner(const TMyWin& glass, const TPixelBuffer& skin, int x, int y)
{
    for (int i = 0; i < 4; ++i) {
        const TBox& corner = glass.glassCorners[i];
        if (BoxContains(corner, x, y)
            && PixGetAlpha(skin, kGlassCornerSourceX[i] + x - corner.left, kGlassCornerSourceY[i] + y - corner.top) > 200)
            return true;
    }
    return false;
}

// A press that hits no part still grabs the window by its frame, anywhere in a window dragged
// anywhere, or by the glass's corner images. Sides fill the field and never move.
bool GrabsForMove(const TMyWin& w, const TPixelBuffer& glassSkin, int x, int y)
{
    if (!w.visible || !BoxContains(w.frame, x, y))
        return false;
    switch (w.kind) {
    case WindowKind::Side:
        return false;
    case WindowKind::Glass:
        return OnOpaqueGlassCorner(w, glassSkin, x, y);
    default:
        return w.dragAnywhere || !BoxContains(w.client, x, y);
    }
}

bool MovesLeftEdge(WindowPart part)
{
    return part == WindowPart::LeftEdge || part == WindowPart::TopLeftCorner || part == WindowPart::BottomLeftCorner;
}

bool MovesRightEdge(WindowPart part) { return part == WindowPart::RightEdge || part == WindowPart::BottomRightCorner; }

bool MovesTopEdge(WindowPart part) { return part == WindowPart::TopEdge || part == WindowPart::TopLeftCorner; }

bool MovesBottomEdge(WindowPart part)
{
    return part == WindowPart::BottomEdge || part == WindowPart::BottomLeftCorner
        || part == WindowPart::BottomRightCorner;
}

bool IsResize(WindowPart part)
{
    return part >= WindowPart::LeftEdge && part <= WindowPart::BottomRightCorner;
}

// The moved edges follow the mouse, the lay-out clamps the size, and the opposite edges stay.
void Resize(TMyWin& w, WindowPart part, int x, int y, int offsetX, int offsetY)
{
    int left = w.frame.left;
    int top = w.frame.top;
    int right = w.frame.right;
    int bottom = w.frame.bottom;
    if (MovesLeftEdge(part))
        left = x - offsetX;
    if (MovesRightEdge(part))
        right = x + offsetX;
    if (MovesTopEdge(part))
        top = y - offsetY;
    if (MovesBottomEdge(part))
        bottom = y + offsetY;
    int clientWidth = right - left + 1 - w.frameExtraWidth;
    const int clientHeight = bottom - top + 1 - w.frameExtraHeight;
    const bool widthMoved = MovesLeftEdge(part) || MovesRightEdge(part);
    if (w.keepAspect && w.maxClientHeight > 0 && !widthMoved)
        clientWidth = clientHeight * w.maxClientWidth / w.maxClientHeight;

    BoxMoveTo(w.frame, left, top);
    LayOut(w, SizeSource::Given, clientWidth, clientHeight);
    const int finalLeft = MovesLeftEdge(part) ? right - w.frame.width + 1 : left;
    const int finalTop = MovesTopEdge(part) ? bottom - w.frame.height + 1 : top;
    if (finalLeft != left || finalTop != top) {
        BoxMoveTo(w.frame, finalLeft, finalTop);
        LayOut(w, SizeSource::FromFrame);
    }
}

void PullBack(TMyWin& w, int fieldWidth, int fieldHeight)
{
    int left = w.frame.left;
    int top = w.frame.top;
    if (w.kind == WindowKind::Glass) {
        if (w.frame.right <= kGlassPullBack)
            left = kGlassPullBack - w.frame.width;
        if (left >= fieldWidth - kGlassPullBack)
            left = fieldWidth - kGlassPullBack;
        if (w.frame.bottom <= kGlassPullBack)
            top = kGlassPullBack - w.frame.height;
        if (top >= fieldHeight - kGlassPullBack)
            top = fieldHeight - kGlassPullBack;
    } else {
        const int bar = w.borderWidth + w.captionHeight;
        if (w.frame.right <= 2 * bar)
            left = 2 * bar - w.frame.width;
        if (left >= fieldWidth - 2 * bar)
            left = fieldWidth - 2 * bar;
        if (top < 0)
            top = 0;
        if (top >= fieldHeight - bar)
            top = fieldHeight - bar;
    }
    if (left == w.frame.left && top == w.frame.top)
        return;
    BoxMoveTo(w.frame, left, top);
    LayOut(w, SizeSource::FromFrame);
}

}  // namespace

WindowPart BeginWindowAction(PlayWindows& windows, GameState& state, int x, int y, WindowSize mainWindow,
                             const TPixelBuffer& glassSkin)
{
    const int number = state.currentWindow;
    if (number == kNoWindow)
        return WindowPart::None;
    TMyWin& w = Window(windows, number);
    WindowPart part = HitPart(w, x, y, PressState::Pressed);
    if (part == WindowPart::None && GrabsForMove(w, glassSkin, x, y))
        part = WindowPart::Move;
    if (part == WindowPart::None)
        return part;

    WindowAction& action = windows.action;
    action = WindowAction {number, part, 0, 0};
    const TBox& f = w.frame;
    switch (part) {
    case WindowPart::Move:
    case WindowPart::LeftEdge:
    case WindowPart::TopEdge:
    case WindowPart::TopLeftCorner:
        action.offsetX = x - f.left;
        action.offsetY = y - f.top;
        break;
    case WindowPart::RightEdge:
    case WindowPart::BottomEdge:
    case WindowPart::BottomRightCorner:
        // A side's size grip resizes the main window instead.
        action.offsetX = w.kind == WindowKind::Side ? mainWindow.width - x : f.right - x;
        action.offsetY = w.kind == WindowKind::Side ? mainWindow.height - y : f.bottom - y;
        break;
    case WindowPart::BottomLeftCorner:
        action.offsetX = x - f.left;
        action.offsetY = f.bottom - y;
        break;
    case WindowPart::HorizontalThumb:
    case WindowPart::VerticalThumb:
        action.offsetX = x - w.controls[kHorizontalThumb].box.left;
        action.offsetY = y - w.controls[kVerticalThumb].box.top;
        break;
    case WindowPart::ScrollLeft:
    case WindowPart::ScrollRight:
    case WindowPart::ScrollUp:
    case WindowPart::ScrollDown:
        ScrollStep(windows, number, part);
        break;
    default:
        break;
    }
    if (IsPocket(number) || number == MW_THUMB)
        BringToFront(windows, state, number);
    return part;
}

void BeginHandScroll(PlayWindows& windows, const GameState& state, int x, int y)
{
    const int number = state.currentWindow;
    if (number == kNoWindow)
        return;
    const TMyWin& w = Window(windows, number);
    windows.action = WindowAction {number, WindowPart::HandScroll, w.controls[kHorizontalThumb].box.left + x,
                                   w.controls[kVerticalThumb].box.top + y};
}

std::optional<WindowSize> ContinueWindowAction(PlayWindows& windows, int x, int y)
{
    const WindowAction& action = windows.action;
    if (action.part == WindowPart::None)
        return std::nullopt;
    TMyWin& w = Window(windows, action.window);
    switch (action.part) {
    case WindowPart::Move:
        BoxMoveTo(w.frame, x - action.offsetX, y - action.offsetY);
        LayOut(w, SizeSource::FromFrame);
        break;
    case WindowPart::HorizontalThumb:
        ScrollToThumb(windows, action.window, action.part, x - action.offsetX);
        break;
    case WindowPart::VerticalThumb:
        ScrollToThumb(windows, action.window, action.part, y - action.offsetY);
        break;
    case WindowPart::HandScroll:
        ScrollToThumb(windows, action.window, WindowPart::HorizontalThumb, action.offsetX - x);
        ScrollToThumb(windows, action.window, WindowPart::VerticalThumb, action.offsetY - y);
        break;
    default:
        if (!IsResize(action.part))
            break;
        if (w.kind == WindowKind::Side)
            return WindowSize {x + action.offsetX, y + action.offsetY};
        Resize(w, action.part, x, y, action.offsetX, action.offsetY);
        break;
    }
    return std::nullopt;
}

WindowPart EndWindowAction(PlayWindows& windows, GameState& state)
{
    const WindowAction action = windows.action;
    windows.action = WindowAction {};
    if (action.part == WindowPart::Move)
        PullBackIntoField(windows);
    if (action.part == WindowPart::Close) {
        if (IsPocket(action.window))
            ShowOrHidePocket(windows, state, action.window, Visibility::Hidden);
        else
            SetVisible(windows, state, action.window, Visibility::Hidden);
        state.redrawMode = RedrawMode::WholeField;
    }
    return action.part;
}

void PullBackIntoField(PlayWindows& windows)
{
    const int width = windows.field.visibleWidth;
    const int height = windows.field.visibleHeight;
    for (TMyWin& w : windows.windows)
        if (w.visible && w.captionHeight > 0)
            PullBack(w, width, height);
    if (windows.glass.visible)
        PullBack(windows.glass, width, height);
}

}  // namespace kirvo
