#include <cassert>

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

// Flat stand-ins for the window skin, 0x00BBGGRR.
constexpr uint32_t kFrameColour = 0x707070;
constexpr uint32_t kActiveFrameColour = 0x9A6A3A;
constexpr uint32_t kTrackColour = 0xC8C8C8;
constexpr uint32_t kControlColour = 0x8C8C8C;
constexpr uint32_t kHotControlColour = 0xB4B4B4;
constexpr uint32_t kPressedControlColour = 0x5A5A5A;
constexpr uint32_t kCloseColour = 0x3C3CB4;
constexpr uint32_t kHotCloseColour = 0x5A5AE6;

constexpr int kRectangleTint = 240;  // the selection rectangle pulls every byte halfway to this

void FillClipped(TPixelBuffer& target, const TBox& box, const TBox& clip, uint32_t colour)
{
    TBox part;
    if (BoxIntersect(box, clip, &part) && part.width > 0 && part.height > 0)
        PixFillRect(target, part.left, part.top, part.width, part.height, colour);
}

uint32_t ControlColour(const TWinControl& control, bool closeButton)
{
    if (control.pressed)
        return kPressedControlColour;
    if (closeButton)
        return control.hot ? kHotCloseColour : kCloseColour;
    return control.hot ? kHotControlColour : kControlColour;
}

// The caption's ink, cut to the caption text box, centred over the frame but never left of the box.
void DrawCaption(TPixelBuffer& target, const TMyWin& w, const TBox& clip)
{
    const TBox& text = w.captionTextBox;
    const TBox& ink = w.captionInk;
    if (w.captionImage.width == 0 || BoxIsEmpty(ink) || BoxIsEmpty(text))
        return;
    TBox inside;
    if (!BoxIntersect(text, clip, &inside))
        return;
    const int width = MinInt(ink.width, text.width);
    const int height = MinInt(ink.height, text.height);
    const int left = MaxInt(w.frame.left + (w.frame.width - ink.width) / 2, text.left);
    const int top = text.top + (text.height - ink.height) / 2 + 1;
    PixBlendBlit(target, left, top, width, height, w.captionImage, ink.left, ink.top, width, height, inside);
}

// Everything of the frame box outside the client box: border, caption, scroll bars, buttons.
void DrawFrame(TPixelBuffer& target, const TMyWin& w, const TBox& clip)
{
    const TBox& f = w.frame;
    const TBox& c = w.client;
    const uint32_t colour = w.active && w.captionHeight > 0 ? kActiveFrameColour : kFrameColour;
    TBox strip;
    FillClipped(target, BoxFromCorners(strip, f.left, f.top, f.right, c.top - 1), clip, colour);
    FillClipped(target, BoxFromCorners(strip, f.left, c.bottom + 1, f.right, f.bottom), clip, colour);
    FillClipped(target, BoxFromCorners(strip, f.left, c.top, c.left - 1, c.bottom), clip, colour);
    FillClipped(target, BoxFromCorners(strip, c.right + 1, c.top, f.right, c.bottom), clip, colour);

    if (w.horizontalBar)
        FillClipped(target, w.horizontalTrack, clip, kTrackColour);
    if (w.verticalBar)
        FillClipped(target, w.verticalTrack, clip, kTrackColour);
    for (int i = 0; i < kControlCount; ++i) {
        const TWinControl& control = w.controls[i];
        if (control.shown)
            FillClipped(target, control.box, clip, ControlColour(control, i == kCloseButton));
    }
    DrawCaption(target, w, clip);
}

// Each byte moves halfway to kRectangleTint, rounding toward zero. Callers must clip.
void TintBox(TPixelBuffer& target, const TBox& box)
{
    uint8_t* row = PixAddress(target, box.left, box.top);
    for (int y = 0; y < box.height; ++y, row += target.stride) {
        uint8_t* byte = row;
        for (int i = 0; i < 3 * box.width; ++i, ++byte)
            *byte = uint8_t(*byte + (kRectangleTint - *byte) * 128 / 256);
    }
}

void DrawRectangle(TPixelBuffer& target, const SelectionRectangle& r, const TMyWin& w, const TBox& clip)
{
    TBox box;
    BoxFromCorners(box, MinInt(r.x, r.x + r.width - 1), MinInt(r.y, r.y + r.height - 1),
                   MaxInt(r.x, r.x + r.width - 1), MaxInt(r.y, r.y + r.height - 1));
    BoxAdjust(box, w.client.left - w.scrollX, w.client.top - w.scrollY, 0, 0);
    TBox visible;
    TBox part;
    if (BoxIntersect(box, w.client, &visible) && BoxIntersect(visible, clip, &part))
        TintBox(target, part);
}

bool Skips(What what, const PieceRecord& piece, int draggedGroup)
{
    return what == What::AllButDragged && (piece.selected || piece.group == draggedGroup);
}

int DraggedGroup(const GameState& state)
{
    return state.draggedPiece >= 0 ? state.pieces[state.draggedPiece].group : -1;
}

void ComposeWindow(TPixelBuffer& target, const TMyWin& w, const TBox& clip, What what, const GameState& state,
                   const SelectionRectangle& rectangle)
{
    DrawFrame(target, w, clip);
    // Background pictures and the thumbnail picture are not made yet: every client box shows its
    // colour.
    FillClipped(target, w.client, clip, w.background);
    if (w.kind != WindowKind::Side && w.kind != WindowKind::Pocket)
        return;

    TBox inside;
    if (BoxIntersect(w.client, clip, &inside)) {
        const int draggedGroup = DraggedGroup(state);
        for (const DrawOrderEntry& entry : state.drawOrder) {
            const PieceRecord& piece = state.pieces[entry.piece];
            if (piece.window == w.number && !Skips(what, piece, draggedGroup))
                DrawPiece(target, inside, w, state, entry.piece);
        }
    }
    if (rectangle.drawing && what != What::AllButRectangle && state.currentWindow == w.number)
        DrawRectangle(target, rectangle, w, clip);
}

void ComposeDragged(TPixelBuffer& target, const TBox& clip, const GameState& state, const PlayWindows& windows)
{
    const int draggedGroup = DraggedGroup(state);
    for (const DrawOrderEntry& entry : state.drawOrder) {
        const PieceRecord& piece = state.pieces[entry.piece];
        if (!piece.selected && piece.group != draggedGroup)
            continue;
        const int window = state.draggedPiece >= 0 ? state.pieces[state.draggedPiece].window : piece.window;
        DrawPiece(target, clip, windows.windows[window], state, entry.piece);
    }
}

}  // namespace

void Compose(FieldImage& field, Layer layer, const TBox& clipBox, What what, const GameState& state,
             const PlayWindows& windows)
{
    assert(layer == Layer::Field || what != What::FromUnder);
    TPixelBuffer& target = layer == Layer::Field ? field.image : field.under;
    TBox targetBox;
    TBox clip;
    if (!BoxIntersect(clipBox, BoxFromOrigin(targetBox, 0, 0, target.width, target.height), &clip))
        return;

    switch (what) {
    case What::FromUnder:
        PixCopyRect(target, clip.left, clip.top, clip.width, clip.height, field.under, clip.left, clip.top);
        return;
    case What::Dragged:
        ComposeDragged(target, clip, state, windows);
        return;
    case What::Rectangle:
        if (field.rectangle.drawing && IsSideOrPocket(state.currentWindow))
            DrawRectangle(target, field.rectangle, windows.windows[state.currentWindow], clip);
        return;
    default:
        break;
    }
    for (uint8_t number : windows.stacking) {
        const TMyWin& w = windows.windows[number];
        if (!w.visible || !BoxIntersect(w.frame, clip))
            continue;
        const bool current = number == state.currentWindow;
        if ((what == What::AllButCurrentWindow && current) || (what == What::CurrentWindow && !current))
            continue;
        ComposeWindow(target, w, clip, what, state, field.rectangle);
    }
}

TBox FieldBox(const PlayWindows& windows)
{
    TBox box;
    return BoxFromOrigin(box, 0, 0, windows.field.visibleWidth, windows.field.visibleHeight);
}

void SizeFieldImages(FieldImage& field, int screenWidth, int screenHeight, uint32_t background)
{
    if (field.image.width == screenWidth && field.image.height == screenHeight)
        return;
    for (TPixelBuffer* image : {&field.image, &field.under}) {
        PixCreate24(*image, screenWidth, screenHeight);
        PixFillRect(*image, 0, 0, screenWidth, screenHeight, background);
    }
}

}  // namespace kirvo
