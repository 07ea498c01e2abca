#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

// What stays put, and what moves, for each kind of drag.
struct DragKinds {
    What still;
    What moving;  // FromUnder: nothing to draw over the restored field
};

DragKinds KindsFor(Moving moving)
{
    switch (moving) {
    case Moving::Pieces:
        return {What::AllButDragged, What::Dragged};
    case Moving::Window:
        return {What::AllButCurrentWindow, What::CurrentWindow};
    case Moving::Rectangle:
        return {What::AllButRectangle, What::Rectangle};
    case Moving::Nothing:
        break;
    }
    return {What::All, What::FromUnder};
}

void DrawMoving(FieldImage& field, Moving moving, const GameState& state, const PlayWindows& windows)
{
    const TBox box = FieldBox(windows);
    Compose(field, Layer::Field, box, What::FromUnder, state, windows);
    const What what = KindsFor(moving).moving;
    if (what != What::FromUnder)
        Compose(field, Layer::Field, box, what, state, windows);
    if (moving == Moving::Nothing)
        DrawCarriedWeight(field, windows);
}

}  // namespace

void PrepareDragImages(FieldImage& field, Moving moving, const GameState& state, const PlayWindows& windows)
{
    Compose(field, Layer::Under, FieldBox(windows), KindsFor(moving).still, state, windows);
    DrawMoving(field, moving, state, windows);
}

void PrepareDragImagesAgain(FieldImage& field, Carried carried, const GameState& state, const PlayWindows& windows)
{
    if (carried == Carried::Pieces)
        PrepareDragImages(field, Moving::Pieces, state, windows);
    else if (carried == Carried::Weight)
        PrepareDragImages(field, Moving::Nothing, state, windows);
}

void DrawDragStep(FieldImage& field, Moving moving, GameState& state, const PlayWindows& windows)
{
    DrawMoving(field, moving, state, windows);
    state.redrawMode = RedrawMode::RepaintOnly;
}

}  // namespace kirvo
