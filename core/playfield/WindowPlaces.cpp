// The places the player chose for pockets, the thumbnail window and the glass, kept apart from
// where a smaller field shows them, so that a main window shrunk and grown back shows them where
// they were put.
#include "playfield/PlayWindow.h"

#include <array>

namespace kirvo {

namespace {

// The windows that keep a chosen place: the sides always fill the field.
std::array<TMyWin*, 6> PlacedWindows(PlayWindows& windows)
{
    return {&windows.windows[MW_POCKET0], &windows.windows[MW_POCKET0 + 1], &windows.windows[MW_POCKET0 + 2],
            &windows.windows[MW_POCKET3],  &windows.windows[MW_THUMB],       &windows.glass};
}

bool MovedSinceFitted(const TMyWin& w)
{
    return w.frame.left != w.place.shownLeft || w.frame.top != w.place.shownTop;
}

// Along one axis: where a window of this length starts that was put at `chosen` in a field of
// `chosenField` pixels, in a field of `field` pixels.
int FittedStart(int chosen, int length, int chosenField, int field)
{
    const int pastFarEdge = MaxInt(0, chosen + length - field);
    const int shrunkBy = MaxInt(0, chosenField - field);
    return MaxInt(chosen - MinInt(pastFarEdge, shrunkBy), MinInt(chosen, 0));
}

void NoteShown(TMyWin& w)
{
    w.place.shownLeft = w.frame.left;
    w.place.shownTop = w.frame.top;
}

}  // namespace

void KeepChosenPlaces(PlayWindows& windows)
{
    for (TMyWin* w : PlacedWindows(windows))
        if (MovedSinceFitted(*w)) {
            w->place = {w->frame.left, w->frame.top, windows.field.visibleWidth, windows.field.visibleHeight, 0, 0};
            NoteShown(*w);
        }
}

void FitIntoField(PlayWindows& windows)
{
    KeepChosenPlaces(windows);
    const FieldSizes& field = windows.field;
    for (TMyWin* w : PlacedWindows(windows)) {
        const WindowPlace& place = w->place;
        const int left = FittedStart(place.left, w->frame.width, place.fieldWidth, field.visibleWidth);
        const int top = FittedStart(place.top, w->frame.height, place.fieldHeight, field.visibleHeight);
        if (left != w->frame.left || top != w->frame.top) {
            BoxMoveTo(w->frame, left, top);
            LayOut(*w, SizeSource::FromFrame);
        }
    }
    PullBackIntoField(windows);
    for (TMyWin* w : PlacedWindows(windows))
        NoteShown(*w);
}

TBox ChosenFrame(const TMyWin& w)
{
    if (MovedSinceFitted(w))
        return w.frame;
    return BoxFromOrigin(w.place.left, w.place.top, w.frame.width, w.frame.height);
}

void PlaceWindow(TMyWin& w, const TBox& frame, const FieldSizes& field)
{
    w.frame = frame;
    LayOut(w, SizeSource::FromFrame);
    w.place = {w.frame.left, w.frame.top, MaxInt(field.visibleWidth, w.frame.right + 1),
               MaxInt(field.visibleHeight, w.frame.bottom + 1), 0, 0};
    NoteShown(w);
}

}  // namespace kirvo
