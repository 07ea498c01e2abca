#include "playfield/PlayWindow.h"

namespace kirvo {

namespace {

WindowPart ResizePart(const TMyWin& w, int x, int y)
{
    // Corners before the strips they overlap.
    if (BoxContains(w.topLeftCorner, x, y))
        return WindowPart::TopLeftCorner;
    if (BoxContains(w.bottomLeftCorner, x, y))
        return WindowPart::BottomLeftCorner;
    if (BoxContains(w.bottomRightCorner, x, y) || BoxContains(w.resizeGrip, x, y))
        return WindowPart::BottomRightCorner;
    if (BoxContains(w.leftStrip, x, y))
        return WindowPart::LeftEdge;
    if (BoxContains(w.rightStrip, x, y))
        return WindowPart::RightEdge;
    if (BoxContains(w.topStrip, x, y))
        return WindowPart::TopEdge;
    if (BoxContains(w.bottomStrip, x, y))
        return WindowPart::BottomEdge;
    return WindowPart::None;
}

// A click in a track beside the thumb pages like its arrow.
WindowPart TrackPart(const TMyWin& w, int x, int y)
{
    if (w.horizontalBar && BoxContains(w.horizontalTrack, x, y)) {
        const TBox& thumb = w.controls[kHorizontalThumb].box;
        if (x > thumb.right)
            return WindowPart::ScrollRight;
        if (x < thumb.left)
            return WindowPart::ScrollLeft;
    }
    if (w.verticalBar && BoxContains(w.verticalTrack, x, y)) {
        const TBox& thumb = w.controls[kVerticalThumb].box;
        if (y > thumb.bottom)
            return WindowPart::ScrollDown;
        if (y < thumb.top)
            return WindowPart::ScrollUp;
    }
    return WindowPart::None;
}

}  // namespace

WindowPart HitPart(TMyWin& w, int x, int y, PressState press)
{
    for (TWinControl& control : w.controls) {
        control.hot = false;
        control.pressed = false;
    }
    w.hotControl = -1;

    if (!w.visible || !BoxContains(w.frame, x, y))
        return WindowPart::None;
    if (w.kind != WindowKind::Glass && BoxContains(w.client, x, y) && !BoxContains(w.resizeGrip, x, y))
        return WindowPart::None;

    if (w.resizable) {
        WindowPart part = ResizePart(w, x, y);
        if (part != WindowPart::None)
            return part;
    }
    if (w.kind == WindowKind::Glass && BoxContains(w.resizeGrip, x, y)
        && x + y - w.resizeGrip.left - w.resizeGrip.top >= w.resizeGrip.width)
        return WindowPart::BottomRightCorner;
    if (w.kind == WindowKind::Side && BoxContains(w.sizeGrip, x, y))
        return WindowPart::BottomRightCorner;

    WindowPart track = TrackPart(w, x, y);
    if (track != WindowPart::None)
        return track;
    for (int i = 0; i < kControlCount; ++i) {
        TWinControl& control = w.controls[i];
        if (!control.shown || !BoxContains(control.box, x, y))
            continue;
        control.hot = true;
        control.pressed = press == PressState::Pressed;
        w.hotControl = i;
        return control.command;
    }
    return WindowPart::None;
}

SizingCursor CursorForPart(WindowPart part)
{
    switch (part) {
    case WindowPart::LeftEdge:
    case WindowPart::RightEdge:
        return SizingCursor::WestEast;
    case WindowPart::TopEdge:
    case WindowPart::BottomEdge:
        return SizingCursor::NorthSouth;
    case WindowPart::TopLeftCorner:
    case WindowPart::BottomRightCorner:
        return SizingCursor::NorthWestSouthEast;
    case WindowPart::BottomLeftCorner:
        return SizingCursor::NorthEastSouthWest;
    default:
        return SizingCursor::Normal;
    }
}

int WindowAt(const PlayWindows& windows, int x, int y)
{
    for (int i = kPlayWindowCount - 1; i >= 0; --i) {
        const TMyWin& w = windows.windows[windows.stacking[i]];
        if (w.visible && BoxContains(w.frame, x, y))
            return w.number;
    }
    return kNoWindow;
}

}  // namespace kirvo
