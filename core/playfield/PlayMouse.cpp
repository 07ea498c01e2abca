#include "playfield/PlayMouse.h"

#include <algorithm>
#include <cstdlib>

#include "game/DrawOrder.h"
#include "playfield/Completion.h"
#include "playfield/Glass.h"
#include "playfield/GroupsIntoView.h"
#include "playfield/Joining.h"
#include "playfield/Selection.h"
#include "playfield/ThumbnailWindow.h"
#include "playfield/Weight.h"

namespace kirvo {

namespace {

bool IsCarrying(const PlayContext& play) { return play.drag.state == DragState::Carrying; }

bool HoldsWeight(const GameState& state, int32_t group)
{
    return state.weightedPiece >= 0 && state.pieces[size_t(state.weightedPiece)].group == group;
}

// The field point in virtual-field coordinates of the window.
int VirtualX(const TMyWin& w, int x) { return x - w.client.left + w.scrollX; }
int VirtualY(const TMyWin& w, int y) { return y - w.client.top + w.scrollY; }

void StartDrag(PlayContext& play, int x, int y, bool keepSelection)
{
    GameState& state = play.state;
    const PieceRecord& piece = state.pieces[size_t(state.draggedPiece)];
    if (!HoldsWeight(state, piece.group))
        BringGroupToTop(state, piece.group);
    const TMyWin& w = Window(play.windows, state.currentWindow);
    play.drag.offsetX = piece.x + w.client.left - w.scrollX - x;
    play.drag.offsetY = piece.y + w.client.top - w.scrollY - y;
    play.drag.state = DragState::Carrying;
    play.drag.pickUpWindow = state.currentWindow;
    play.drag.pickedUp.clear();
    const int count = PieceCount(state);
    for (int k = 0; k < count; ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        if (keepSelection ? p.selected : p.group == piece.group)
            play.drag.pickedUp.push_back({.piece = k, .x = p.x, .y = p.y, .window = p.window});
    }
    state.selectionExists = keepSelection;
    PrepareDragImages(play.field, Moving::Pieces, state, play.windows);
    state.redrawMode = RedrawMode::RepaintOnly;
}

void StartRectangle(PlayContext& play, int x, int y)
{
    GameState& state = play.state;
    if (state.selectionExists)
        ClearSelection(state, play.windows);
    const TMyWin& w = Window(play.windows, state.currentWindow);
    play.field.rectangle = {.drawing = true, .x = VirtualX(w, x), .y = VirtualY(w, y), .width = 1, .height = 1};
    play.drag.state = DragState::Rectangle;
    PrepareDragImages(play.field, Moving::Rectangle, state, play.windows);
    state.redrawMode = RedrawMode::RepaintOnly;
}

// Turns the carried group, or the group under the point; then checks for the finish.
PlayOutcome Rotate(PlayContext& play, int x, int y, Turn turn)
{
    GameState& state = play.state;
    PlayOutcome outcome;
    if (state.selectionExists) {
        ClearSelection(state, play.windows);
        if (IsCarrying(play))
            PrepareDragImagesAgain(play.field, Carried::Pieces, state, play.windows);
    }
    if (!IsCarrying(play))
        state.draggedPiece = PieceAtPoint(state, play.windows, x, y);
    if (state.draggedPiece < 0)
        return outcome;
    const int32_t group = state.pieces[size_t(state.draggedPiece)].group;
    const int frame = BorderPieceIndex(state);
    if (frame >= 0 && state.pieces[size_t(frame)].group == group)
        return outcome;
    if (!IsCarrying(play) && !HoldsWeight(state, group))
        BringGroupToTop(state, group);
    const TMyWin& w = Window(play.windows, state.currentWindow);
    const int f = VirtualX(w, x), g = VirtualY(w, y);
    TurnGroup(state, state.draggedPiece, turn, f, g);
    if (IsCarrying(play)) {
        const PieceRecord& piece = state.pieces[size_t(state.draggedPiece)];
        // The piece's place relative to the mouse, in field pixels: the pivot is under the mouse.
        play.drag.offsetX = piece.x - f;
        play.drag.offsetY = piece.y - g;
        PrepareDragImagesAgain(play.field, Carried::Pieces, state, play.windows);
    } else {
        state.draggedPiece = -1;
        state.redrawMode = RedrawMode::WholeField;
    }
    outcome.solved = CheckCompletion(state, play.windows);
    MarkChanged(state);
    return outcome;
}

// The window a carried piece would move into: a side or pocket under the point other than the
// current window, and never from one side to the other.
int DropTarget(const PlayContext& play, int x, int y)
{
    const int current = play.state.currentWindow;
    int target = WindowAt(play.windows, x, y);
    if (!IsSideOrPocket(target) || target == current)
        return kNoWindow;
    if (!IsPocket(target) && !IsPocket(current))
        return kNoWindow;
    return target;
}

// Carried pieces went from one window to another: pockets count their groups and fit their
// extent again, and the window they are in now becomes current (a pocket comes to front).
void PiecesChangedWindow(PlayWindows& windows, GameState& state, int from, int to)
{
    for (int n : {from, to}) {
        if (IsPocket(n)) {
            Recount(windows, state, n);
            UpdateExtent(windows.windows[size_t(n)], state);
        }
    }
    if (IsPocket(to))
        BringToFront(windows, state, to);
    else
        MakeCurrent(windows, state, to);
}

void MoveDragged(PlayContext& play, int x, int y, int target, bool selection)
{
    GameState& state = play.state;
    PlayWindows& windows = play.windows;
    const int old = state.currentWindow;
    const TMyWin& w = Window(windows, target != kNoWindow ? target : old);
    const PieceRecord& dragged = state.pieces[size_t(state.draggedPiece)];
    const int dx = x + play.drag.offsetX + w.scrollX - w.client.left - dragged.x;
    const int dy = y + play.drag.offsetY + w.scrollY - w.client.top - dragged.y;
    const int32_t group = dragged.group;
    const int count = PieceCount(state);
    for (int k = 0; k < count; ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (selection ? !p.selected : p.group != group)
            continue;
        if (target != kNoWindow)
            p.window = uint8_t(target);
        p.x += dx;
        p.y += dy;
    }
    MarkChanged(state);
    if (target == kNoWindow) {
        DrawDragStep(play.field, Moving::Pieces, state, windows);
        return;
    }
    PiecesChangedWindow(windows, state, old, target);
    PrepareDragImagesAgain(play.field, Carried::Pieces, state, windows);
    state.redrawMode = RedrawMode::RepaintOnly;
}

PlayOutcome Drop(PlayContext& play)
{
    GameState& state = play.state;
    PlayOutcome outcome;
    const int tolerance = SnapTolerance(state.descriptor.snapDistance, play.options.snapStrength);
    const JoinResult joins = JoinDroppedGroup(state, state.draggedPiece, state.currentWindow, tolerance, play.edgeLog);
    state.redrawMode = RedrawMode::WholeField;
    if (joins.joins > 0) {
        outcome.joined = true;
        WeightedGroupToBottom(state);
        SortDrawOrder(state, SortOrder::Ascending);
        if (play.options.showJoin) {
            StartJoinAnimation(play.field, state, play.windows, joins.piece, joins.otherPiece);
            outcome.animating = true;
        }
    }
    state.draggedPiece = -1;
    play.drag.state = DragState::Idle;
    outcome.solved = CheckCompletion(state, play.windows);
    MarkChanged(state);
    return outcome;
}

PlayOutcome CursorFor(WindowPart part)
{
    PlayOutcome outcome;
    outcome.cursor = PlayCursor::Sizing;
    outcome.sizing = CursorForPart(part);
    return outcome;
}

// Right-button-free equality: only Shift, Alt and Ctrl count.
bool Matches(int button, uint8_t modifiers, uint8_t wantedButton, uint8_t wantedModifiers)
{
    return button == wantedButton && (modifiers & 7) == wantedModifiers;
}

}  // namespace

PlayOutcome PlayMouseDown(PlayContext& play, int button, uint8_t modifiers, int x, int y, bool fromWheel)
{
    GameState& state = play.state;
    PlayWindows& windows = play.windows;
    const MouseBindings& keys = play.options.keys;
    state.redrawMode = RedrawMode::WholeField;
    windows.action = {};
    MakeCurrent(windows, state, kNoWindow);

    // Through the lens the press acts on the field point it shows; the rest of the glass is the
    // glass's own.
    const bool throughLens = MapThroughLens(windows, x, y);
    const bool onGlass = !throughLens && windows.glass.visible && BoxContains(windows.glass.frame, x, y);
    const int window = onGlass ? kGlassWindow : WindowAt(windows, x, y);
    if (window == kNoWindow)
        return {};
    MakeCurrent(windows, state, window);
    const bool clickToDragCarrying = keys.bClickToDrag && IsCarrying(play);
    if (!clickToDragCarrying) {
        const WindowPart part = BeginWindowAction(windows, state, x, y, play.mainWindow, play.field.glassSkin);
        if (part != WindowPart::None) {
            if (window != MW_SIDE0 && window != MW_SIDE1)
                PrepareDragImages(play.field, Moving::Window, state, windows);
            return CursorFor(part);
        }
    }
    if (onGlass || !BoxContains(Window(windows, window).client, x, y)) {
        MakeCurrent(windows, state, kNoWindow);
        return {};
    }
    if (IsPocket(window))
        BringToFront(windows, state, window);
    if (play.field.weight.carried)
        return {};

    const int piece = PieceAtPoint(state, windows, x, y);
    const TMyWin& w = Window(windows, window);
    if (button == kRightButton && piece < 0 && !fromWheel && (w.horizontalBar || w.verticalBar)) {
        BeginHandScroll(windows, state, x, y);
        PlayOutcome outcome;
        outcome.cursor = PlayCursor::HandScroll;
        return outcome;
    }
    const bool rotate = state.descriptor.Rotate == 1;
    if (rotate && Matches(button, modifiers, keys.RotCCW_Button, keys.RotCCW_Shift))
        return Rotate(play, x, y, Turn::CounterClockwise);
    if (rotate && Matches(button, modifiers, keys.RotCW_Button, keys.RotCW_Shift))
        return Rotate(play, x, y, Turn::Clockwise);
    if (button != kLeftButton || (modifiers & 7) != 0)
        return {};

    if (keys.bClickToDrag) {
        if (IsCarrying(play))
            return {};
        play.drag.clickToDragStart = true;
        play.drag.clickX = x;
        play.drag.clickY = y;
    }
    state.draggedPiece = piece;
    if (piece < 0) {
        StartRectangle(play, x, y);
    } else if (!state.selectionExists) {
        StartDrag(play, x, y, false);
    } else if (!state.pieces[size_t(piece)].selected) {
        ClearSelection(state, windows);
        StartDrag(play, x, y, false);
    } else {
        StartDrag(play, x, y, true);
    }
    return {};
}

PlayOutcome PlayMouseMove(PlayContext& play, bool buttonHeld, int x, int y)
{
    GameState& state = play.state;
    PlayWindows& windows = play.windows;
    PlayOutcome outcome;
    const WindowPart part = windows.action.part;
    if (windows.action.window != kGlassWindow)
        MapThroughLens(windows, x, y);
    if (part == WindowPart::HandScroll && !buttonHeld) {
        windows.action = {};
        outcome.cursor = PlayCursor::Normal;
        return outcome;
    }
    if (part == WindowPart::None && play.field.weight.carried) {
        CarryWeight(play, x, y);
        return outcome;
    }
    if (part != WindowPart::None) {
        outcome.mainWindowSize = ContinueWindowAction(windows, x, y);
        const int window = windows.action.window;
        if (window == MW_THUMB && part != WindowPart::Move)
            RenderThumbnail(play.field.thumbnail, windows.windows[MW_THUMB], state.buffers[kPictureBuffer]);
        if (window == MW_SIDE0 || window == MW_SIDE1) {
            state.redrawMode = RedrawMode::WholeField;
        } else {
            DrawDragStep(play.field, Moving::Window, state, windows);
            state.redrawMode = RedrawMode::RepaintOnly;
        }
        return outcome;
    }
    if (play.drag.state == DragState::Carrying && state.draggedPiece >= 0) {
        MoveDragged(play, x, y, DropTarget(play, x, y), state.selectionExists);
        return outcome;
    }
    if (play.drag.state == DragState::Rectangle && IsSideOrPocket(state.currentWindow)) {
        const TMyWin& w = Window(windows, state.currentWindow);
        play.field.rectangle.width = VirtualX(w, x) - play.field.rectangle.x + 1;
        play.field.rectangle.height = VirtualY(w, y) - play.field.rectangle.y + 1;
        DrawDragStep(play.field, Moving::Rectangle, state, windows);
        return outcome;
    }
    if (!buttonHeld) {
        outcome.cursor = PlayCursor::Sizing;
        outcome.sizing = HoverRedraw(play.field, windows, state, x, y);
    }
    return outcome;
}

PlayOutcome PlayMouseUp(PlayContext& play, int button, uint8_t modifiers, int x, int y)
{
    GameState& state = play.state;
    PlayWindows& windows = play.windows;
    const MouseBindings& keys = play.options.keys;
    PlayOutcome outcome;
    MapThroughLens(windows, x, y);
    if (windows.action.part != WindowPart::None) {
        const WindowPart part = EndWindowAction(windows, state);
        SetGlassZoom(windows, part);
        state.redrawMode = RedrawMode::WholeField;
        outcome.cursor = part == WindowPart::HandScroll ? PlayCursor::Normal : PlayCursor::Unchanged;
        return outcome;
    }
    if (keys.bClickToDrag && IsCarrying(play) && state.currentWindow == kNoWindow && state.draggedPiece >= 0)
        MakeCurrent(windows, state, state.pieces[size_t(state.draggedPiece)].window);

    if (button == kLeftButton) {
        if (IsCarrying(play) && state.draggedPiece >= 0) {
            if (keys.bClickToDrag && play.drag.clickToDragStart && std::abs(x - play.drag.clickX) <= 1
                && std::abs(y - play.drag.clickY) <= 2) {
                play.drag.clickToDragStart = false;
                return outcome;
            }
            const int dropped = state.draggedPiece;
            const bool selection = state.selectionExists;
            const int window = state.pieces[size_t(dropped)].window;
            MoveDragged(play, x, y, kNoWindow, selection);
            if (selection) {
                state.draggedPiece = -1;
                play.drag.state = DragState::Idle;
                MarkChanged(state);
            } else {
                outcome = Drop(play);
            }
            play.drag.pickedUp.clear();
            // Dropped over the toolbar or beyond the window's edge, it must stay within reach.
            PullDroppedIntoClient(state, windows, window, dropped, selection);
            if (!selection)
                BringGroupsIntoView(state, windows, window, Pulling::Off);
            if (IsPocket(window))
                UpdateExtent(windows.windows[size_t(window)], state);
            state.redrawMode = RedrawMode::WholeField;
            return outcome;
        }
        if (play.drag.state == DragState::Rectangle) {
            SelectionRectangle& r = play.field.rectangle;
            const TBox box = BoxFromCorners(std::min(r.x, r.x + r.width - 1), std::min(r.y, r.y + r.height - 1),
                                            std::max(r.x, r.x + r.width - 1), std::max(r.y, r.y + r.height - 1));
            r = {};
            play.drag.state = DragState::Idle;
            SelectByRectangle(state, box);
            state.redrawMode = RedrawMode::WholeField;
            return outcome;
        }
        if (play.field.weight.carried) {
            DropWeight(play);
            return outcome;
        }
    }
    if (Matches(button, modifiers, keys.MoveOW_Button, keys.MoveOW_Shift) && !keys.bSingleWin
        && IsSideOrPocket(state.currentWindow) && !IsPocket(state.currentWindow)) {
        const int piece = PieceAtPoint(state, windows, x, y);
        if (piece < 0)
            return outcome;
        const int side = state.currentWindow;
        if (state.selectionExists && state.pieces[size_t(piece)].selected) {
            MoveToOtherSide(state, piece, true, side);
            ClearSelection(state, windows);
        } else {
            if (state.selectionExists)
                ClearSelection(state, windows);
            BringGroupToTop(state, state.pieces[size_t(piece)].group);
            MoveToOtherSide(state, piece, false, side);
        }
        if (play.drag.state == DragState::Carrying)
            play.drag.state = DragState::Idle;
        state.redrawMode = RedrawMode::WholeField;
    }
    return outcome;
}

bool CancelDrag(PlayContext& play)
{
    GameState& state = play.state;
    PlayWindows& windows = play.windows;
    if (play.field.weight.carried) {
        play.field.weight.carried = false;
        state.redrawMode = RedrawMode::WholeField;
        return true;
    }
    if (!IsCarrying(play) || state.draggedPiece < 0)
        return false;
    const int carriedTo = state.pieces[size_t(state.draggedPiece)].window;
    for (const PickedUp& p : play.drag.pickedUp) {
        PieceRecord& piece = state.pieces[size_t(p.piece)];
        piece.x = p.x;
        piece.y = p.y;
        piece.window = p.window;
    }
    PiecesChangedWindow(windows, state, carriedTo, play.drag.pickUpWindow);
    state.draggedPiece = -1;
    play.drag.state = DragState::Idle;
    play.drag.clickToDragStart = false;
    play.drag.pickedUp.clear();
    MarkChanged(state);
    state.redrawMode = RedrawMode::WholeField;
    return true;
}

PlayOutcome PlayWheel(PlayContext& play, int delta, int x, int y)
{
    const MouseBindings& keys = play.options.keys;
    if (delta > 0)
        return PlayMouseDown(play, keys.RotCCW_Button, keys.RotCCW_Shift, x, y, true);
    return PlayMouseDown(play, keys.RotCW_Button, keys.RotCW_Shift, x, y, true);
}

}  // namespace kirvo
