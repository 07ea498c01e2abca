#include "playfield/PlayWindow.h"

namespace kirvo {

namespace {

int ClampScroll(int scroll, int extent, int visible) { return MaxInt(0, MinInt(scroll, extent - visible)); }

// The thumb stays inside its track; the scroll is the thumb's share of the track. A thumb
// that does not move leaves the scroll alone: the thumb's place is itself rounded from the scroll,
// and mapping it back would creep by a few pixels at every press.
void FollowThumb(int& scroll, int thumbStart, int currentStart, int trackStart, int trackLength, int thumbLength,
                 int extent, int visible)
{
    const int start = MaxInt(trackStart, MinInt(thumbStart, trackStart + trackLength - thumbLength));
    if (start != currentStart)
        scroll = MinInt((start - trackStart) * extent / trackLength, extent - visible);
}

// The sides always show the same part of their fields.
void Settle(PlayWindows& windows, int number)
{
    TMyWin& w = Window(windows, number);
    LayOut(w, SizeSource::FromFrame);
    if (number == MW_SIDE0 || number == MW_SIDE1)
        CopyGeometry(windows.windows[MW_SIDE1 - number], w);
}

}  // namespace

void ScrollStep(PlayWindows& windows, int number, WindowPart arrow)
{
    TMyWin& w = Window(windows, number);
    switch (arrow) {
    case WindowPart::ScrollLeft:
        w.scrollX = ClampScroll(w.scrollX - w.extentWidth / 10, w.extentWidth, w.client.width);
        break;
    case WindowPart::ScrollRight:
        w.scrollX = ClampScroll(w.scrollX + w.extentWidth / 10, w.extentWidth, w.client.width);
        break;
    case WindowPart::ScrollUp:
        w.scrollY = ClampScroll(w.scrollY - w.extentHeight / 10, w.extentHeight, w.client.height);
        break;
    case WindowPart::ScrollDown:
        w.scrollY = ClampScroll(w.scrollY + w.extentHeight / 10, w.extentHeight, w.client.height);
        break;
    default:
        return;
    }
    Settle(windows, number);
}

void ScrollToThumb(PlayWindows& windows, int number, WindowPart thumb, int thumbStart)
{
    TMyWin& w = Window(windows, number);
    if (thumb == WindowPart::HorizontalThumb && w.horizontalBar && w.horizontalTrack.width > 0) {
        const TBox& track = w.horizontalTrack;
        const TBox& current = w.controls[kHorizontalThumb].box;
        FollowThumb(w.scrollX, thumbStart, current.left, track.left, track.width, current.width, w.extentWidth,
                    w.client.width);
    } else if (thumb == WindowPart::VerticalThumb && w.verticalBar && w.verticalTrack.height > 0) {
        const TBox& track = w.verticalTrack;
        const TBox& current = w.controls[kVerticalThumb].box;
        FollowThumb(w.scrollY, thumbStart, current.top, track.top, track.height, current.height, w.extentHeight,
                    w.client.height);
    } else {
        return;
    }
    Settle(windows, number);
}

}  // namespace kirvo
