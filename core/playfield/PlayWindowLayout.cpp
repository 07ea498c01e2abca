#include "playfield/PlayWindow.h"

namespace kirvo {

namespace {

void PlaceControl(TWinControl& control, const TBox& frame)
{
    int x = control.anchorLeft != kBoxUnset ? frame.left + control.anchorLeft
                                            : frame.right - control.width - control.anchorRight + 1;
    int y = control.anchorTop != kBoxUnset ? frame.top + control.anchorTop
                                           : frame.bottom - control.height - control.anchorBottom + 1;
    control.box = BoxFromOrigin(x, y, control.width, control.height);
}

// The thumb's length is the visible share of the track, at least 12 pixels; its start is the
// scrolled share, pulled back so it never runs past the track's end.
void PlaceThumb(int trackStart, int trackLength, int visible, int extent, int scroll, int& start, int& length)
{
    length = MaxInt(12, trackLength * visible / extent);
    start = trackStart + trackLength * scroll / extent;
    if (start + length > trackStart + trackLength)
        start = trackStart + trackLength - length;
}

void LayOutScrollBars(TMyWin& w)
{
    std::array<TWinControl, kControlCount>& c = w.controls;
    for (int i : {kScrollLeftArrow, kScrollRightArrow, kHorizontalThumb})
        c[i].shown = w.horizontalBar;
    for (int i : {kScrollUpArrow, kScrollDownArrow, kVerticalThumb})
        c[i].shown = w.verticalBar;
    if (w.horizontalBar) {
        const TBox& left = c[kScrollLeftArrow].box;
        w.horizontalTrack = BoxFromCorners(left.right + 1, left.top, c[kScrollRightArrow].box.left - 1, left.bottom);
        int start = 0;
        int length = 0;
        PlaceThumb(w.horizontalTrack.left, w.horizontalTrack.width, w.client.width, w.extentWidth, w.scrollX, start,
                   length);
        c[kHorizontalThumb].box = BoxFromOrigin(start, left.top, length, kBarSize);
    } else {
        BoxClear(w.horizontalTrack);
        BoxClear(c[kHorizontalThumb].box);
    }
    if (w.verticalBar) {
        const TBox& up = c[kScrollUpArrow].box;
        w.verticalTrack = BoxFromCorners(up.left, up.bottom + 1, up.right, c[kScrollDownArrow].box.top - 1);
        int start = 0;
        int length = 0;
        PlaceThumb(w.verticalTrack.top, w.verticalTrack.height, w.client.height, w.extentHeight, w.scrollY, start,
                   length);
        c[kVerticalThumb].box = BoxFromOrigin(up.left, start, kBarSize, length);
    } else {
        BoxClear(w.verticalTrack);
        BoxClear(c[kVerticalThumb].box);
    }
}

// Corners reach twice the border along each edge so that they can be caught with the mouse.
void LayOutResizeAreas(TMyWin& w)
{
    const TBox& f = w.frame;
    const int b = w.borderWidth;
    const int corner = 2 * b;
    w.leftStrip = BoxFromCorners(f.left, f.top, f.left + b - 1, f.bottom);
    w.rightStrip = BoxFromCorners(f.right - b + 1, f.top, f.right, f.bottom);
    w.topStrip = BoxFromCorners(f.left, f.top, f.right, f.top + b - 1);
    w.bottomStrip = BoxFromCorners(f.left, f.bottom - b + 1, f.right, f.bottom);
    w.topLeftCorner = BoxFromOrigin(f.left, f.top, corner, corner);
    w.bottomLeftCorner = BoxFromOrigin(f.left, f.bottom - corner + 1, corner, corner);
    w.bottomRightCorner = BoxFromOrigin(f.right - corner + 1, f.bottom - corner + 1, corner, corner);
}

void LayOutGlassCorners(TMyWin& w)
{
    const TBox& f = w.frame;
    const int far = kGlassLensCorner - 1;
    w.glassCorners[0] = BoxFromOrigin(f.left, f.top, kGlassLensCorner, kGlassLensCorner);
    w.glassCorners[1] = BoxFromOrigin(f.right - far, f.top, kGlassLensCorner, kGlassLensCorner);
    w.glassCorners[2] = BoxFromOrigin(f.left, f.bottom - far, kGlassLensCorner, kGlassLensCorner);
    w.glassCorners[3] = BoxFromOrigin(f.right - far, f.bottom - far, kGlassLensCorner, kGlassLensCorner);
}

}  // namespace

void LayOut(TMyWin& w, SizeSource source, int a, int b)
{
    if (source == SizeSource::FromFrame) {
        a = w.frame.width - w.frameExtraWidth;
        b = w.frame.height - w.frameExtraHeight;
    }
    if (w.keepAspect && w.maxClientWidth > 0)
        b = a * w.maxClientHeight / w.maxClientWidth;
    a = MaxInt(a, w.minClientWidth);
    b = MaxInt(b, w.minClientHeight);
    if (w.maxClientWidth != 0)
        a = MinInt(a, w.maxClientWidth);
    if (w.maxClientHeight != 0)
        b = MinInt(b, w.maxClientHeight);

    bool horizontal = false;
    bool vertical = false;
    if (w.scrollable && (w.extentWidth != 0 || w.extentHeight != 0)) {
        horizontal = a < w.extentWidth;
        vertical = b < w.extentHeight;
        // One bar takes 17 pixels from the other axis; if that hides part of the extent there,
        // the other bar is needed too, or those pixels could never be scrolled into view.
        if (horizontal && !vertical)
            vertical = b - kBarSize < w.extentHeight;
        if (vertical && !horizontal)
            horizontal = a - kBarSize < w.extentWidth;
    } else {
        w.scrollX = 0;
        w.scrollY = 0;
    }
    const int visibleWidth = vertical ? a - kBarSize : a;
    const int visibleHeight = horizontal ? b - kBarSize : b;

    w.frame = BoxFromOrigin(w.frame.left, w.frame.top, a + w.frameExtraWidth, b + w.frameExtraHeight);

    if (horizontal != w.horizontalBar)
        w.scrollX = 0;
    if (vertical != w.verticalBar)
        w.scrollY = 0;
    w.horizontalBar = horizontal;
    w.verticalBar = vertical;
    if (w.scrollX > 0 && w.extentWidth < visibleWidth + w.scrollX)
        w.scrollX = MaxInt(0, w.extentWidth - visibleWidth);
    if (w.scrollY > 0 && w.extentHeight < visibleHeight + w.scrollY)
        w.scrollY = MaxInt(0, w.extentHeight - visibleHeight);

    const TBox& f = w.frame;
    const int border = w.borderWidth;
    w.client = BoxFromOrigin(f.left + border, f.top + border + w.captionHeight, visibleWidth, visibleHeight);
    if (w.captionHeight > 0)
        w.captionTextBox = BoxFromCorners(f.left + border + 8, f.top, f.right - w.controls[kCloseButton].width - 7,
                                          f.top + border + w.captionHeight - 1);
    else
        BoxClear(w.captionTextBox);
    for (TWinControl& control : w.controls)
        if (control.anchorLeft != kBoxUnset || control.anchorRight != kBoxUnset)
            PlaceControl(control, f);
    LayOutScrollBars(w);

    const TBox gripSquare = BoxFromOrigin(f.right - border - 16, f.bottom - border - 16, kBarSize, kBarSize);
    if (horizontal || vertical)
        w.sizeGrip = gripSquare;
    else
        BoxClear(w.sizeGrip);
    if (w.resizable || w.kind == WindowKind::Glass)
        w.resizeGrip = gripSquare;
    if (w.resizable)
        LayOutResizeAreas(w);
    if (w.kind == WindowKind::Glass)
        LayOutGlassCorners(w);
}

void CopyGeometry(TMyWin& target, const TMyWin& source)
{
    target.frame = source.frame;
    target.client = source.client;
    target.minClientWidth = source.minClientWidth;
    target.minClientHeight = source.minClientHeight;
    target.maxClientWidth = source.maxClientWidth;
    target.maxClientHeight = source.maxClientHeight;
    target.minFrameWidth = source.minFrameWidth;
    target.minFrameHeight = source.minFrameHeight;
    target.maxFrameWidth = source.maxFrameWidth;
    target.maxFrameHeight = source.maxFrameHeight;
    target.frameExtraWidth = source.frameExtraWidth;
    target.frameExtraHeight = source.frameExtraHeight;
    target.scrollX = source.scrollX;
    target.scrollY = source.scrollY;
    target.extentWidth = source.extentWidth;
    target.extentHeight = source.extentHeight;
    target.horizontalTrack = source.horizontalTrack;
    target.verticalTrack = source.verticalTrack;
    target.sizeGrip = source.sizeGrip;
    target.resizeGrip = source.resizeGrip;
    target.horizontalBar = source.horizontalBar;
    target.verticalBar = source.verticalBar;
    for (int i = kScrollLeftArrow; i < kControlCount; ++i) {
        // The hot, pressed and active flags belong to the window the mouse is on.
        TWinControl& control = target.controls[i];
        const TWinControl& from = source.controls[i];
        control.width = from.width;
        control.height = from.height;
        control.box = from.box;
        control.shown = from.shown;
    }
}

}  // namespace kirvo
