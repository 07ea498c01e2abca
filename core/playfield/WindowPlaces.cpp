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

bool ChangedSinceFitted(const TMyWin& w) { return w.frame != w.place.shown; }

struct Span {
    int start;
    int length;
};

// Along one axis: where a window chosen at `chosen` in a field of `chosenField` pixels lies in a
// field of `field` pixels.
Span FittedSpan(Span chosen, int chosenField, int field)
{
    const int shrunkBy = MaxInt(0, chosenField - field);
    const int length = chosen.length - MinInt(MaxInt(0, chosen.length - field), shrunkBy);
    const int pastFarEdge = MaxInt(0, chosen.start + length - field);
    return {MaxInt(chosen.start - MinInt(pastFarEdge, shrunkBy), MinInt(chosen.start, 0)), length};
}

}  // namespace

void KeepChosenPlaces(PlayWindows& windows)
{
    for (TMyWin* w : PlacedWindows(windows))
        if (ChangedSinceFitted(*w))
            w->place = {w->frame, windows.field.visibleWidth, windows.field.visibleHeight, w->frame};
}

void FitIntoField(PlayWindows& windows)
{
    KeepChosenPlaces(windows);
    const FieldSizes& field = windows.field;
    for (TMyWin* w : PlacedWindows(windows)) {
        const WindowPlace& place = w->place;
        const Span across = FittedSpan({place.chosen.left, place.chosen.width}, place.fieldWidth, field.visibleWidth);
        const Span down = FittedSpan({place.chosen.top, place.chosen.height}, place.fieldHeight, field.visibleHeight);
        if (BoxFromOrigin(across.start, down.start, across.length, down.length) == w->frame)
            continue;
        BoxMoveTo(w->frame, across.start, down.start);
        LayOut(*w, SizeSource::Given, across.length - w->frameExtraWidth, down.length - w->frameExtraHeight);
    }
    PullBackIntoField(windows);
    for (TMyWin* w : PlacedWindows(windows))
        w->place.shown = w->frame;
}

TBox ChosenFrame(const TMyWin& w) { return ChangedSinceFitted(w) ? w.frame : w.place.chosen; }

void PlaceWindow(TMyWin& w, const TBox& frame, const FieldSizes& field)
{
    w.frame = frame;
    LayOut(w, SizeSource::FromFrame);
    w.place = {w.frame, MaxInt(field.visibleWidth, w.frame.right + 1), MaxInt(field.visibleHeight, w.frame.bottom + 1),
               w.frame};
}

}  // namespace kirvo
