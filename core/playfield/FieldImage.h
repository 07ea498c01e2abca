// Field image: everything the player sees in the field, composed into one 24-bit image, and the
// hit test that finds the piece under the mouse.
//
// A compose walks the play windows bottom of the stacking order first: frame, background, then
// the window's pieces in drawing order (ascending group numbers, so later groups lie on top), and
// the selection rectangle. A piece is copied from the picture buffer of its rotation through the
// mask buffer of that rotation: the pixels of its box whose mask blue byte is its maskValue,
// inverted while it is selected. Every piece is clipped as a box to its window's client box and
// to the clip box before a pixel is touched, so nothing is ever drawn over a frame or scroll bar.
// While something is dragged, the field without it is kept in the under image: a drag step is
// one copy of the field plus the blits of what moves, never a recompose.
//
// Cost: a full compose fills or copies each client box once and reads each visible piece's box of mask
// once; a drag step is one copy of the field image plus the moving pieces; the hit test reads at
// most one mask pixel per piece whose box holds the point. Nothing allocates once the images are
// sized. A piece whose box reaches outside its buffers (a damaged saved game, a turn without
// turned buffers) is drawn and hit only where the buffers reach.
//
// Frames, caption bars, scroll bars, size grips and close buttons are blended from the window skin
// (WindowSkin.h), inside the frame box and outside the client box.
//
// A side or pocket whose background is a picture shows the loaded background picture shifted by
// its scroll position, so the picture moves with the pieces; a picture code whose picture is not
// loaded shows the default grey. The thumbnail window shows the top-left client-sized part of the
// thumbnail picture (ThumbnailWindow.h).
//
// The carried weight's sprite lies over everything, windows and frames too, and is drawn after
// every compose of the field image while it is carried; it is never part of the under image.
// The glass is drawn over the field image by every redraw (Glass.h), never into the under image.
#pragma once

#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "game/TurnedBuffers.h"
#include "playfield/Glass.h"
#include "playfield/GlassSkin.h"
#include "playfield/PlayWindow.h"
#include "playfield/WeightSprite.h"
#include "playfield/WindowSkin.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// What a compose draws.
enum class What : int {
    All = 0,
    AllButDragged = 1,        // leaves out the dragged group and every selected piece
    Dragged = 2,              // only those, placed through the dragged piece's window
    AllButCurrentWindow = 3,  // while the current window is moved or resized
    CurrentWindow = 4,
    AllButRectangle = 5,
    Rectangle = 6,            // only the selection rectangle
    FromUnder = 100,          // copies the clip box from the under image
};

enum class Layer { Field, Under };  // the image a compose draws into

// What follows the mouse during a drag.
enum class Moving : int {
    Nothing = 0,  // the weight is carried: the field is restored and its sprite drawn over it
    Pieces = 1,   // the dragged group or the selection
    Window = 3,   // the current window, moved or resized
    Rectangle = 5,
};

// What is carried when the drag images are asked for again (window change, side switch, pocket
// toggle, background change).
enum class Carried { Nothing, Pieces, Weight };

struct SelectionRectangle {
    bool drawing = false;  // a rectangle is being drawn in the current window
    int x = 0;             // anchor: the press point, virtual-field coordinates
    int y = 0;
    int width = 1;         // to the far corner, inclusive; 0 or less when the corner lies left of the anchor
    int height = 1;        // likewise above it
};

inline constexpr int kStarSize = 23;              // one frame of the star strip
inline constexpr int kStarStep = 24;              // pixels between frames of the strip
inline constexpr uint32_t kStarKey = 0xFFFFFF;    // transparent in the strip
inline constexpr int kJoinSteps = 6;              // frames 0 to 4, then none
inline constexpr int kJoinStepMilliseconds = 18;  // callers wait this long after each step's redraw

struct JoinStar {
    int step = -1;  // 0 to kJoinSteps - 1 while the animation runs; -1 = none
    int x = 0;      // top-left, field pixels
    int y = 0;
    int window = kNoWindow;  // the star is clipped to its client box
};

inline constexpr int kFindSteps = 6;               // shown on even steps: three blinks
inline constexpr int kFindStepMilliseconds = 250;  // 1.5 s in all
inline constexpr int kFindFrameWidth = 4;          // black, two white, black: seen on any picture

// A box the find highlight frames: virtual-field coordinates of a side or pocket.
struct MarkedBox {
    int window = kNoWindow;
    TBox box;
};

struct FindMark {
    int step = -1;  // 0 to kFindSteps - 1 while it blinks; -1 = none
    std::array<MarkedBox, 2> boxes;
};

// The weight while the player carries it with the mouse.
struct CarriedWeight {
    bool carried = false;
    int anchorX = 0;  // the mouse point, field pixels: the piece under it takes the weight
    int anchorY = 0;
    int left = 0;     // the sprite's top-left, field pixels
    int top = 0;
    int window = kNoWindow;  // the side or pocket it is carried over
};

// The one background picture kept loaded, 24-bit, already at the size the windows need; empty
// when none is.
struct BackgroundPicture {
    uint32_t code = 0;  // the picture code it was loaded for
    TPixelBuffer pixels;
};

struct FieldImage {
    TPixelBuffer image;  // what the player sees: 24-bit, the screen's size
    TPixelBuffer under;  // the field without what is being dragged
    TPixelBuffer windowSkin = DrawWindowSkin();  // 32-bit, drawn once; see WindowSkin.h
    TPixelBuffer glassSkin = DrawGlassSkin();    // 32-bit, drawn once; see GlassSkin.h
    GlassLens lens;
    TBox hoverBox;       // what RedrawMode::HoverBox recomposes
    SelectionRectangle rectangle;
    JoinStar star;
    FindMark findMark;
    TPixelBuffer weightSprite = DrawWeightSprite();  // 32-bit; see WeightSprite.h
    CarriedWeight weight;
    int hotWindow = kNoWindow;  // the window and control hovering made hot; kGlassWindow = the glass
    int hotControl = -1;
    BackgroundPicture backgroundPicture;
    TPixelBuffer thumbnail;  // the picture at the thumbnail window's client size, top-left
    TBox dragBox;    // where the dragged pieces were last drawn; the whole field after a recompose
    TBox repaintBox;  // what RedrawMode::RepaintBox shows again
};

// (0, 0) to the visible field size.
TBox FieldBox(const PlayWindows& windows);
// Re-creates both images at the screen size when their size differs, filled with the colour.
void SizeFieldImages(FieldImage& field, int screenWidth, int screenHeight, uint32_t background);

// --- Composing (Compose.cpp) ---

// Draws what into the clip box of the chosen image. FromUnder draws into the field image only.
void Compose(FieldImage& field, Layer layer, const TBox& clip, What what, const GameState& state,
             const PlayWindows& windows);

// --- Frames (DrawFrame.cpp) ---

// Border, caption bar, caption, scroll bars, size grip and controls of the window from the skin,
// clipped to the clip box and the frame box; the client box is left alone.
void DrawWindowFrame(TPixelBuffer& target, const TPixelBuffer& skin, const TMyWin& window, const TBox& clip);

// --- Pieces (DrawPiece.cpp) ---

// One piece at its place in the window, clipped to the client box and the clip box; the border
// piece as its four 20-pixel bars.
void DrawPiece(TPixelBuffer& target, const TBox& clip, const TMyWin& window, const GameState& state, int piece);
// What a piece is drawn from: the picture and mask buffers of one rotation, its edge buffer while
// pieces have a band, and the look. A turned mask is freed while the pieces have effects, which
// draw from the runs; its size is that of the mask turned all the same.
struct PieceSource {
    TurnedView picture;
    const TPixelBuffer& mask;
    int maskWidth;
    int maskHeight;
    const CellSpans* band;  // null without a band
    const PieceRuns* runs;  // null when drawing reads the mask
    const PieceLook& look;
};
// Where the piece is drawn from in the rotation.
PieceSource SourceOf(const GameState& state, int rotation, int piece);

// Copies the piece's pixels of a width x height area from (srcX, srcY) of its source to (x, y) of
// the target: the picture raised or lowered by the relief when there is an emboss style, inverted
// when the piece is selected, and over its band (as the edge buffer keeps it) the wooden edge or
// the shadow. Runs of the piece's pixels are copied whole; with effects they come from the runs
// worked out with them where the source has these. All buffers 24-bit; a band may reach into the
// mask's margin beyond the picture. Callers must clip.
void BlitPiece(TPixelBuffer& target, int x, int y, const PieceRecord& piece, const PieceSource& source, int srcX,
               int srcY, int width, int height);

// --- Hit testing (HitTest.cpp) ---

// The topmost piece of the current window whose mask holds the field point; -1 when none, and
// outside the current window's client box.
int PieceAtPoint(const GameState& state, const PlayWindows& windows, int x, int y);

// --- Dragging (DragImages.cpp) ---

// Composes the under image without what moves, copies it to the field image and draws what moves
// on top; always over the whole field box.
void PrepareDragImages(FieldImage& field, Moving moving, const GameState& state, const PlayWindows& windows);
// After a change under a drag: pieces or the weight get their drag images again, nothing else.
void PrepareDragImagesAgain(FieldImage& field, Carried carried, const GameState& state, const PlayWindows& windows);
// Each mouse move of a drag: restores the field from the under image and draws what moves at its
// new place; the field then only needs repainting, and the redraw that repaints it lays the glass
// on top. Dragged pieces and the selection rectangle restore and repaint only the boxes they left
// and entered (RedrawMode::RepaintBox), unless the glass, the join star or the find highlight is out, which
// read or draw over the whole field. A scrolled side moves everything: callers compose What::All instead.
void DrawDragStep(FieldImage& field, Moving moving, GameState& state, const PlayWindows& windows);
// The field box the dragged pieces cover at their place, bands included, inside their window's
// client box; empty when nothing is dragged.
TBox DraggedBox(const GameState& state, const PlayWindows& windows);
// The field box the selection rectangle tints, inside the current window's client box; empty
// when none is drawn (Compose.cpp).
TBox SelectionBox(const FieldImage& field, const GameState& state, const PlayWindows& windows);

// --- Redrawing (Redraw.cpp) ---

// Asks the next redraw to recompose the box too (RedrawMode::HoverBox), unless the whole field is
// already due.
void RequestHoverRedraw(FieldImage& field, GameState& state, const TBox& box);
// The carried weight's sprite over the field image, clipped to the field; nothing when not carried.
void DrawCarriedWeight(FieldImage& field, const PlayWindows& windows);
// Carries out the pending redraw mode and resets it; then draws the join star, the find highlight,
// the carried weight and the shown glass (a hover redraw recomposes the glass's box too, so the lens reads a fresh
// field). Returns the area to repaint: empty in RedrawMode::Nothing. starStrip is the 24-bit strip
// of star frames.
TBox Redraw(FieldImage& field, GameState& state, const PlayWindows& windows, const TPixelBuffer& starStrip);
// The mouse moved with no button held and nothing dragged: the control under it becomes hot, and
// the controls whose look changed are redrawn (RedrawMode::HoverBox). Returns the cursor to show.
SizingCursor HoverRedraw(FieldImage& field, PlayWindows& windows, GameState& state, int x, int y);

// --- Join animation (JoinAnimation.cpp) ---

// Puts the star on the join of the two pieces (piece's window places it) at its first frame and
// asks for its redraw. Callers then redraw, wait kJoinStepMilliseconds and call NextJoinStep
// until it returns false.
void StartJoinAnimation(FieldImage& field, GameState& state, const PlayWindows& windows, int piece, int otherPiece);
// The next frame; the last step takes the star away. False once the animation is over.
bool NextJoinStep(FieldImage& field, GameState& state, const PlayWindows& windows);

// --- Find highlight (FindMark.cpp) ---

// Frames the boxes (a box with no window is left out) on the field from the first step on and asks
// for their redraw. Callers then redraw, wait kFindStepMilliseconds and call NextFindStep until it
// returns false.
void StartFindMark(FieldImage& field, GameState& state, const PlayWindows& windows, const FindMark& mark);
// The next blink; the last step takes the frames away. False once the highlight is over.
bool NextFindStep(FieldImage& field, GameState& state, const PlayWindows& windows);
// The frames over the field image on the steps that show them, in the shown windows, clipped to
// their client boxes.
void DrawFindMark(FieldImage& field, const PlayWindows& windows);

}  // namespace kirvo
