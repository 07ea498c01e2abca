#include "playfield/Weight.h"

#include "playfield/Joining.h"

namespace kirvo {

namespace {

void PlaceSprite(CarriedWeight& weight, int x, int y)
{
    weight.anchorX = x;
    weight.anchorY = y;
    weight.left = x - kWeightSpriteWidth / 2;
    weight.top = y - kWeightSpriteHeight + kWeightAnchorLift;
}

}  // namespace

void WeightCommand(PlayContext& play, int x, int y)
{
    GameState& state = play.state;
    CarriedWeight& weight = play.field.weight;
    if (play.drag.state == DragState::Carrying && state.draggedPiece >= 0) {
        state.weightedPiece = state.draggedPiece;
        WeightedGroupToBottom(state);
        MarkChanged(state);
        return;  // the group is still carried: its drag images stand
    }
    if (state.weightedPiece >= 0) {
        state.weightedPiece = -1;
        MarkChanged(state);
        state.redrawMode = RedrawMode::WholeField;
        return;
    }
    if (weight.carried) {
        weight.carried = false;
        state.redrawMode = RedrawMode::WholeField;
        return;
    }
    weight.carried = true;
    PlaceSprite(weight, x, y);
    weight.window = IsSideOrPocket(state.currentWindow) ? state.currentWindow : MW_SIDE0;
    PrepareDragImages(play.field, Moving::Nothing, state, play.windows);
    state.redrawMode = RedrawMode::RepaintOnly;
}

void CarryWeight(PlayContext& play, int x, int y)
{
    CarriedWeight& weight = play.field.weight;
    PlaceSprite(weight, x, y);
    const int window = WindowAt(play.windows, x, y);
    if (IsSideOrPocket(window) && window != weight.window) {
        weight.window = window;
        if (IsPocket(window))
            BringToFront(play.windows, play.state, window);
        else
            MakeCurrent(play.windows, play.state, window);
        PrepareDragImagesAgain(play.field, Carried::Weight, play.state, play.windows);
        play.state.redrawMode = RedrawMode::RepaintOnly;
        return;
    }
    DrawDragStep(play.field, Moving::Nothing, play.state, play.windows);
}

void DropWeight(PlayContext& play)
{
    GameState& state = play.state;
    CarriedWeight& weight = play.field.weight;
    MakeCurrent(play.windows, state, weight.window);
    state.weightedPiece = PieceAtPoint(state, play.windows, weight.anchorX, weight.anchorY);
    weight.carried = false;
    if (state.weightedPiece >= 0) {
        WeightedGroupToBottom(state);
        MarkChanged(state);
    }
    state.redrawMode = RedrawMode::WholeField;
}

}  // namespace kirvo
