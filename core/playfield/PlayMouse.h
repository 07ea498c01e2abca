// The play itself, driven by the field's mouse: picking up a piece with its group (or the
// selection), carrying it within a window or into another, dropping it so it snaps and joins,
// turning groups and sending them to the other side with the player's button combinations,
// drawing a selection rectangle, scrolling by hand, and the window actions of the play windows.
// Escape puts what is carried back where it was picked up; a carried weight (Weight.h) follows
// the mouse instead of any of this.
// While the glass is shown, a point inside its lens stands for the field point the lens shows
// there (Glass.h), except while the glass itself is moved or resized.
//
// Each handler leaves GameState::redrawMode saying what the main window must redraw, and tells
// in a PlayOutcome what else it must do: a sound, the join animation, the finish, a cursor.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/EdgeCellLog.h"
#include "game/GameState.h"
#include "game/MouseBindings.h"
#include "playfield/FieldImage.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// Modifier bits of a mouse event, as the play keys store them.
inline constexpr uint8_t kModifierShift = 1;
inline constexpr uint8_t kModifierAlt = 2;
inline constexpr uint8_t kModifierCtrl = 4;

// Mouse buttons.
inline constexpr int kLeftButton = 0;
inline constexpr int kRightButton = 1;
inline constexpr int kMiddleButton = 2;

enum class DragState { Idle, Carrying, Rectangle };

// Where a carried piece was picked up, so that a cancelled drag can put it back.
struct PickedUp {
    int piece = -1;
    int x = 0;
    int y = 0;
    uint8_t window = 0;
};

// What the mouse is doing between events; every open starts it afresh.
struct PlayDrag {
    DragState state = DragState::Idle;
    int offsetX = 0;  // the dragged piece's top-left relative to the mouse, field pixels
    int offsetY = 0;
    bool clickToDragStart = false;  // click-to-drag: the press that picked the pieces up is not released yet
    int clickX = 0;
    int clickY = 0;
    std::vector<PickedUp> pickedUp;  // every piece being carried, as it was when picked up
    int pickUpWindow = kNoWindow;    // the current window at the pick-up
};

struct PlayOptions {
    MouseBindings keys;
    int snapStrength = 12;  // tenths of the snap distance
    bool showJoin = true;   // the star on every join
};

// Everything one mouse event acts on.
struct PlayContext {
    GameState& state;
    PlayWindows& windows;
    FieldImage& field;
    PlayDrag& drag;
    const PlayOptions& options;
    WindowSize mainWindow;
    EdgeCellLog* edgeLog = nullptr;  // where joins save the edge cells they change, for undo
};

// What the mouse did over the field.
enum class FieldMouse { Press, Move, Release };

enum class PlayCursor { Unchanged, Normal, HandScroll, Sizing };

struct PlayOutcome {
    bool joined = false;     // pieces joined: the join sound
    bool solved = false;     // the puzzle has just been solved
    bool animating = false;  // a join animation has started: step it with NextJoinStep
    std::optional<WindowSize> mainWindowSize;  // a side's size grip resizes the main window
    PlayCursor cursor = PlayCursor::Unchanged;
    SizingCursor sizing = SizingCursor::Normal;  // with PlayCursor::Sizing
};

// Buttons 0 left, 1 right, 2 middle; fromWheel marks a turn made by the wheel.
PlayOutcome PlayMouseDown(PlayContext& play, int button, uint8_t modifiers, int x, int y, bool fromWheel = false);
// buttonHeld: any mouse button is down.
PlayOutcome PlayMouseMove(PlayContext& play, bool buttonHeld, int x, int y);
PlayOutcome PlayMouseUp(PlayContext& play, int button, uint8_t modifiers, int x, int y);
// Escape: carried pieces go back where they were picked up, window and all, without joining; a
// carried weight is put away. True when something was carried.
bool CancelDrag(PlayContext& play);
// Up (delta > 0) turns the piece under the mouse counter-clockwise, down clockwise.
PlayOutcome PlayWheel(PlayContext& play, int delta, int x, int y);

}  // namespace kirvo
