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

TBox DraggedBox(const GameState& state, const PlayWindows& windows)
{
    if (state.draggedPiece < 0)
        return {};
    const PieceRecord& dragged = state.pieces[size_t(state.draggedPiece)];
    const TMyWin& w = windows.windows[dragged.window];
    // The widest band any rotation draws; a box a little too large only restores a little more.
    const int e = state.look.edgeWidth;
    TBox box;
    const int count = PieceCount(state);
    for (int k = 0; k < count; ++k) {
        const PieceRecord& piece = state.pieces[size_t(k)];
        if (piece.selected || piece.group == dragged.group)
            BoxUnionWith(box, BoxFromOrigin(w.client.left + piece.x - w.scrollX, w.client.top + piece.y - w.scrollY,
                                      piece.width + e, piece.height + e));
    }
    TBox inside;
    if (box.width <= 0 || !BoxIntersect(box, w.client, &inside))
        return {};
    return inside;
}

// Where what moves lies now, for the drags that restore only the boxes it leaves and enters; the
// whole field for the others.
TBox MovingBox(const FieldImage& field, Moving moving, const GameState& state, const PlayWindows& windows)
{
    switch (moving) {
    case Moving::Pieces:
        return DraggedBox(state, windows);
    case Moving::Rectangle:
        return SelectionBox(field, state, windows);
    default:
        return FieldBox(windows);
    }
}

void PrepareDragImages(FieldImage& field, Moving moving, const GameState& state, const PlayWindows& windows)
{
    Compose(field, Layer::Under, FieldBox(windows), KindsFor(moving).still, state, windows);
    DrawMoving(field, moving, state, windows);
    field.dragBox = MovingBox(field, moving, state, windows);
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
    if (moving != Moving::Pieces && moving != Moving::Rectangle) {
        DrawMoving(field, moving, state, windows);
        state.redrawMode = RedrawMode::RepaintOnly;
        return;
    }
    // Outside the boxes what moves left and entered, the field image already shows the under image.
    const TBox now = MovingBox(field, moving, state, windows);
    TBox changed = field.dragBox;
    BoxUnionWith(changed, now);
    if (windows.glass.visible || field.star.step >= 0 || field.findMark.step >= 0)
        changed = FieldBox(windows);
    field.dragBox = now;
    field.repaintBox = {};
    if (changed.width > 0 && BoxIntersect(changed, FieldBox(windows), &field.repaintBox)) {
        Compose(field, Layer::Field, field.repaintBox, What::FromUnder, state, windows);
        Compose(field, Layer::Field, field.repaintBox, KindsFor(moving).moving, state, windows);
    }
    state.redrawMode = RedrawMode::RepaintBox;
}

}  // namespace kirvo
