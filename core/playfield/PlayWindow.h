// Play windows: the two sides, four pockets and the thumbnail window that share the field, and
// the glass.
//
// The field is one image; every window is a TMyWin record whose boxes are in field pixels (origin
// top-left of the field). Sides and pockets show part of a larger virtual field: a field point
// (X, Y) in the client box is (X - client.left + scrollX, Y - client.top + scrollY) of the virtual
// field. Window numbers are MW_SIDE0 to MW_THUMB; the glass is a separate record addressed as
// kGlassWindow. Everything here is box arithmetic on a handful of records: no pixels are touched
// except the caption images (Caption.h), and nothing can fail, since every size is clamped.
//
// The current window is GameState::currentWindow. The menu check marks and pressed toolbar
// buttons of sides, pockets, the thumbnail window and the glass mirror their visible flags; a
// pocket's button image is PocketButtonImage. Operations that the player sees end by asking for a full redraw through
// GameState::redrawMode; preparing the drag images again is the caller's (piece drawing's) step.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/GameState.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int MW_SIDE0 = 0;
inline constexpr int MW_SIDE1 = 1;
inline constexpr int MW_POCKET0 = 2;
inline constexpr int MW_POCKET3 = 5;
inline constexpr int MW_THUMB = 6;
inline constexpr int kPlayWindowCount = 7;
inline constexpr int kGlassWindow = 7;  // window number that names the glass record
inline constexpr int kNoWindow = -1;

inline constexpr int kBarSize = 17;              // scroll-bar thickness, arrow size and size-grip square
inline constexpr int kPocketBorder = 4;          // pockets and the thumbnail window
inline constexpr int kPocketCaption = 18;
inline constexpr int kScrollableMinClient = 78;
inline constexpr int kPlainMinClient = 20;
inline constexpr int kCaptionImageWidth = 300;
inline constexpr int kGlassMinClient = 240;
inline constexpr int kGlassMaxClient = 480;
inline constexpr int kGlassLensCorner = 93;      // the four corner images of the glass skin
inline constexpr int kGlassPullBack = 38;        // pixels of the glass kept inside the field
inline constexpr uint32_t kDefaultBackground = 0x989898;
// A background value in 10 .. 17 names one of the eight background pictures; any other is a colour.
inline constexpr uint32_t kFirstBackgroundPicture = 10;
inline constexpr int kBackgroundPictureCount = 8;
inline bool IsBackgroundPicture(uint32_t value)
{
    return value >= kFirstBackgroundPicture && value < kFirstBackgroundPicture + kBackgroundPictureCount;
}

enum class WindowKind : uint8_t { Side, Pocket, Thumbnail, Glass };

// What the mouse is on, or the window action in progress. Controls carry these as command codes.
enum class WindowPart : int {
    None = 0,
    Move = 1,
    LeftEdge = 10,
    TopEdge = 11,
    RightEdge = 12,
    BottomEdge = 13,
    TopLeftCorner = 14,
    BottomLeftCorner = 16,
    BottomRightCorner = 17,  // also the resize grip and a side's size grip
    HorizontalThumb = 20,
    ScrollLeft = 21,
    ScrollRight = 22,
    VerticalThumb = 23,
    ScrollUp = 24,
    ScrollDown = 25,
    Close = 26,
    GlassZoom3 = 27,
    GlassZoom2 = 28,
    HandScroll = 29,
};

// The nine controls of a window, by index.
enum ControlIndex : int {
    kCloseButton,
    kZoom3Button,  // glass only
    kZoom2Button,  // glass only
    kScrollLeftArrow,
    kScrollRightArrow,
    kHorizontalThumb,
    kScrollUpArrow,
    kScrollDownArrow,
    kVerticalThumb,
    kControlCount,
};

struct TWinControl {
    int width = 0;
    int height = 0;
    TBox box;  // recomputed by each lay-out
    // Offsets from the frame's edges; kBoxUnset = not anchored on that side.
    int anchorLeft = kBoxUnset;
    int anchorTop = kBoxUnset;
    int anchorRight = kBoxUnset;
    int anchorBottom = kBoxUnset;
    bool shown = false;
    bool windowActive = false;  // its window is the current window
    bool hot = false;           // under the mouse
    bool pressed = false;
    bool stretchHorizontally = false;
    bool stretchVertically = false;
    bool fourState = false;  // has hot and active pictures of its own
    WindowPart command = WindowPart::None;
};

// Where the player put a pocket, the thumbnail window or the glass, at the size given it, and the
// field it was put in. While the field is smaller than that, the frame shows the window moved and
// if need be narrowed into view (FitIntoField).
struct WindowPlace {
    TBox chosen;
    int fieldWidth = 0;
    int fieldHeight = 0;
    TBox shown;  // the frame the last fitting left: a frame found otherwise was moved or resized since
};

struct TMyWin {
    uint8_t number = 0;  // MW_SIDE0 .. MW_THUMB; 0 for the glass
    WindowKind kind = WindowKind::Side;
    TBox frame;   // outer rectangle, field pixels
    TBox client;  // where the virtual field (or the thumbnail) shows
    int captionHeight = 0;
    int borderWidth = 0;
    int minClientWidth = 0;
    int minClientHeight = 0;
    int maxClientWidth = 0;  // 0 = no limit
    int maxClientHeight = 0;
    int minFrameWidth = 0;   // the client limits plus the frame extras
    int minFrameHeight = 0;
    int maxFrameWidth = 0;   // 0 = no limit
    int maxFrameHeight = 0;
    int frameExtraWidth = 0;   // 2 x border
    int frameExtraHeight = 0;  // 2 x border + caption
    bool scrollable = false;
    int scrollX = 0;  // virtual-field point at the client box's top-left
    int scrollY = 0;
    int extentWidth = 0;  // virtual field that can be scrolled over; 0 = none
    int extentHeight = 0;
    TBox horizontalTrack;
    TBox verticalTrack;
    TBox sizeGrip;    // the square where both bars meet; empty when no bar is shown
    TBox resizeGrip;  // bottom-right resize handle of resizable windows and the glass
    TBox leftStrip;
    TBox topStrip;
    TBox rightStrip;
    TBox bottomStrip;
    TBox topLeftCorner;
    TBox bottomLeftCorner;
    TBox bottomRightCorner;
    bool horizontalBar = false;
    bool verticalBar = false;
    TBox captionTextBox;  // empty without a caption bar
    std::array<TBox, 4> glassCorners;  // glass: where its four corner images lie on the field
    std::array<TWinControl, kControlCount> controls;
    int hotControl = -1;  // index into controls; -1 = none
    bool visible = false;
    bool active = false;  // this is the current window
    bool dragAnywhere = false;
    bool resizable = false;
    bool keepAspect = false;  // client height follows client width in the maximum size's proportion
    std::string caption;
    TPixelBuffer captionImage;        // 32-bit, kCaptionImageWidth x captionHeight; see Caption.h
    std::string renderedCaption;   // the text captionImage holds
    TBox captionInk;                  // non-black pixels of captionImage
    bool backgroundShown = false;
    uint32_t background = kDefaultBackground;  // a 0x00BBGGRR colour, or a picture code 10 to 17
    const char* menuItem = "";  // component name of the menu item that toggles the window
    int toolbarButton = -1;
    int groupCount = 0;  // groups of pieces in the window
    WindowPlace place;   // pockets, the thumbnail window and the glass
};

struct FieldSizes {
    int visibleWidth = 0;  // the main window's field area
    int visibleHeight = 0;
    int startWidth = 0;    // the visible size at the last field sizing
    int startHeight = 0;
    int virtualWidth = 0;  // larger of the start size and the picture
    int virtualHeight = 0;
};

// The window action between a press and its release: a move, resize, thumb drag or hand scroll.
struct WindowAction {
    int window = kNoWindow;
    WindowPart part = WindowPart::None;
    int offsetX = 0;  // grab offsets; their meaning depends on the part
    int offsetY = 0;
};

struct PlayWindows {
    std::array<TMyWin, kPlayWindowCount> windows;
    TMyWin glass;
    std::array<uint8_t, kPlayWindowCount> stacking {0, 1, 2, 3, 4, 5, 6};  // window numbers, bottom first
    FieldSizes field;
    int shownSide = MW_SIDE0;
    int menuWindow = MW_SIDE0;  // the side or pocket the current-window menu captions name
    std::string pocketCaptionFormat;  // translated; two integers: pocket number, group count
    WindowAction action;
    int glassZoom = 2;  // the glass magnifies 2 or 3 times
};

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

enum class Visibility { Hidden, Shown };
enum class SizeSource { FromFrame, Given };
enum class PressState { Hover, Pressed };
enum class Carrying { Nothing, Pieces };
enum class SizingCursor { Normal, WestEast, NorthSouth, NorthWestSouthEast, NorthEastSouthWest };

// Window number to record; kGlassWindow gives the glass.
TMyWin& Window(PlayWindows& windows, int number);
const TMyWin& Window(const PlayWindows& windows, int number);
inline bool IsSideOrPocket(int number) { return number >= MW_SIDE0 && number <= MW_POCKET3; }
inline bool IsPocket(int number) { return number >= MW_POCKET0 && number <= MW_POCKET3; }
inline int PocketNumber(int window) { return window - 1; }  // 1 to 4, as the player sees it

// --- Set-up and field sizes (PlayWindow.cpp) ---

// Clears the record and sets it up for its kind, then lays it out at width x height frame.
void InitialiseWindow(TMyWin& window, int left, int top, WindowKind kind, int width, int height);
// The seven windows and the glass as the main window creates them, after the field sizing: sides
// filling the field, the pockets and the thumbnail window hidden, window-number stacking. Side 0 is
// shown and current.
void InitialisePlayWindows(PlayWindows& windows, GameState& state, std::string_view pocketCaptionFormat,
                           std::string_view thumbnailCaption);
// Sets the client limits (0 maximum = none) and the frame limits that follow from them.
void SetClientLimits(TMyWin& window, int minWidth, int minHeight, int maxWidth, int maxHeight);
// Field sizing (start-up, full-screen and display changes): visible and start size.
void SetStartField(PlayWindows& windows, int width, int height);
// A resize of the main window: the sides fill the new field and the other windows are fitted into
// it (FitIntoField).
void ResizeField(PlayWindows& windows, int width, int height);
// Virtual field for a picture: sides scroll over it, pockets may grow to it.
void SetVirtualField(PlayWindows& windows, int imageWidth, int imageHeight);

// --- Lay-out (PlayWindowLayout.cpp) ---

// Clamps the client size, decides the scroll bars, keeps the scroll position valid and
// recomputes every sub-box. The frame's top-left stays.
void LayOut(TMyWin& window, SizeSource source, int clientWidth = 0, int clientHeight = 0);
// Copies the frame, limits, scroll state, bars and their boxes: the two sides scroll together.
void CopyGeometry(TMyWin& target, const TMyWin& source);

// --- Visibility, stacking and the current window (PlayWindow.cpp) ---

// Hiding clears the active flag and, when the window was visible, picks a new current window.
void SetVisible(PlayWindows& windows, GameState& state, int number, Visibility visibility);
// Pockets and the thumbnail window go to the top of the stacking order; then the window becomes
// current.
void BringToFront(PlayWindows& windows, GameState& state, int number);
// number may be kNoWindow.
void MakeCurrent(PlayWindows& windows, GameState& state, int number);
// The first active side or pocket, else the visible side.
int FallbackCurrentWindow(const PlayWindows& windows);
// Shows one side and hides the other. Pieces carried from a side go with it; callers then
// prepare the drag images again.
void ShowSide(PlayWindows& windows, GameState& state, int side, Carrying carrying);

// A translation key with the English caption shown while the language has none.
struct CaptionKey {
    std::string key;
    std::string english;
    bool operator==(const CaptionKey&) const = default;
};
struct MenuCaptionKeys {
    CaptionKey backgroundForCurrent;  // MI_GameBkgCur (and button 4's hint)
    CaptionKey selectAll;             // MI_GameSelectAll (and button 13's hint)
    bool operator==(const MenuCaptionKeys&) const = default;
};
MenuCaptionKeys CurrentWindowMenuKeys(const PlayWindows& windows);
// Toolbar image of a pocket's button: 9 empty, 10 holding pieces.
int PocketButtonImage(const TMyWin& pocket);

// Group count of the window from the pieces; a pocket's caption follows.
void Recount(PlayWindows& windows, const GameState& state, int number);
// Pockets: the extent becomes the far edges of their pieces, capped by the maximum client size;
// then lays out. Sides keep the virtual field.
void UpdateExtent(TMyWin& window, const GameState& state);

// --- Hit parts (PlayWindowHit.cpp) ---

// The part of the window under the field point; marks the control there hot (and pressed).
WindowPart HitPart(TMyWin& window, int x, int y, PressState press);
SizingCursor CursorForPart(WindowPart part);
// Top-most visible window (not the glass) whose frame holds the point; kNoWindow if none.
int WindowAt(const PlayWindows& windows, int x, int y);

// --- Scrolling (PlayWindowScroll.cpp) ---

// Arrow steps (ScrollLeft .. ScrollDown) by a tenth of the extent; a side's partner follows.
void ScrollStep(PlayWindows& windows, int number, WindowPart arrow);
// Puts a thumb's start at the given track position and scrolls to match; a side's partner follows.
void ScrollToThumb(PlayWindows& windows, int number, WindowPart thumb, int thumbStart);

// --- Pockets (Pockets.cpp) ---

// Shows or hides a pocket; a shown pocket comes to front, and an empty one is placed anew.
void ShowOrHidePocket(PlayWindows& windows, GameState& state, int pocket, Visibility visibility);
// Where a newly shown empty pocket goes: the frame box it gets before lay-out.
TBox NewPocketFrame(const PlayWindows& windows, int pocket);
// The smallest field the main window leaves: a new pocket in it still has a pocket's smallest
// frame, and the rest of the field holds the thumbnail window and pieces.
WindowSize SmallestField();
// Pocket commands; callers prepare the drag images again after a toggle.
void TogglePocket(PlayWindows& windows, GameState& state, int pocket);
void TilePockets(PlayWindows& windows, GameState& state);
void CascadePockets(PlayWindows& windows, GameState& state);
// On every open: hidden, no groups, caption refreshed, extent from the (new) pieces.
void ResetPockets(PlayWindows& windows, GameState& state);
// After a language change.
void SetPocketCaptionFormat(PlayWindows& windows, std::string_view format);
std::string PocketCaption(const PlayWindows& windows, int pocket);

// --- Places the player chose (WindowPlaces.cpp) ---

// Takes the frame of each pocket, the thumbnail window and the glass that has been moved or
// resized since it was last fitted (by the player, a pocket command or a restored game) as the
// place chosen for it, in the field as it is now. Called before the field changes size.
void KeepChosenPlaces(PlayWindows& windows);
// Shows each of those windows at its chosen place: narrowed by as much as it is longer than the
// field and moved left and up by as much as it would stick out past the field's right and bottom
// edges, but neither by more than the field has shrunk since the place was chosen, and never
// moved past the left and top edges; then pulls the visible ones back into the field. A field
// grown back to its old size shows every window as the player left it.
void FitIntoField(PlayWindows& windows);
// The frame at the window's chosen place and size, whatever the field shows now.
TBox ChosenFrame(const TMyWin& window);
// Puts the window at a frame chosen in a field large enough to hold it whole (a saved game's
// pocket); FitIntoField then brings it into view in a smaller one.
void PlaceWindow(TMyWin& window, const TBox& frame, const FieldSizes& field);

// --- Moving and resizing with the mouse (WindowMoves.cpp) ---

// The press on the current window (the caller has made the window under the mouse current): its
// part, with the frame of a pocket or the thumbnail window, the whole thumbnail window and the
// glass's opaque corners counting as Move. A part other than None starts the window action
// (arrow parts have already scrolled one step); callers then prepare the drag images without the
// window unless it is a side. glassSkin holds the corner images (alpha above 200 = opaque).
WindowPart BeginWindowAction(PlayWindows& windows, GameState& state, int x, int y, WindowSize mainWindow,
                             const TPixelBuffer& glassSkin);
// Hand scrolling of the current window with the right button.
void BeginHandScroll(PlayWindows& windows, const GameState& state, int x, int y);
// Each mouse move during an action. Dragging a side's size grip asks for a new main-window size.
std::optional<WindowSize> ContinueWindowAction(PlayWindows& windows, int x, int y);
// The release: pulls windows back into the field after a move, hides the window on Close.
// Returns the finished part (callers set the glass zoom and the cursor from it).
WindowPart EndWindowAction(PlayWindows& windows, GameState& state);
// Keeps every window with a caption, and the glass, grabbable inside the field.
void PullBackIntoField(PlayWindows& windows);

}  // namespace kirvo
