#include <cassert>

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

constexpr int kRectangleTint = 240;  // the selection rectangle pulls every byte halfway to this

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

// The rectangle's field box inside the window's client box; empty when it lies outside.
TBox RectangleBox(const SelectionRectangle& r, const TMyWin& w)
{
    TBox box = BoxFromCorners(MinInt(r.x, r.x + r.width - 1), MinInt(r.y, r.y + r.height - 1),
                              MaxInt(r.x, r.x + r.width - 1), MaxInt(r.y, r.y + r.height - 1));
    BoxAdjust(box, w.client.left - w.scrollX, w.client.top - w.scrollY, 0, 0);
    TBox visible;
    return BoxIntersect(box, w.client, &visible) ? visible : TBox {};
}

void DrawRectangle(TPixelBuffer& target, const SelectionRectangle& r, const TMyWin& w, const TBox& clip)
{
    TBox part;
    if (BoxIntersect(RectangleBox(r, w), clip, &part))
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

// The client box's part of the clip box: the background picture at the window's scroll position,
// one row copy per line, or the colour. Where the picture does not reach, and for a picture code
// whose picture is not loaded, the default grey.
void DrawBackground(TPixelBuffer& target, const TMyWin& w, const TBox& clip, const BackgroundPicture& picture)
{
    TBox part;
    if (!BoxIntersect(w.client, clip, &part) || part.width <= 0 || part.height <= 0)
        return;
    const bool loaded = picture.pixels.width > 0 && picture.code == w.background;
    if (!loaded) {
        const uint32_t colour = IsBackgroundPicture(w.background) ? kDefaultBackground : w.background;
        PixFillRect(target, part.left, part.top, part.width, part.height, colour);
        return;
    }
    const int srcX = w.scrollX + part.left - w.client.left;
    const int srcY = w.scrollY + part.top - w.client.top;
    if (srcX < 0 || srcY < 0 || srcX + part.width > picture.pixels.width || srcY + part.height > picture.pixels.height)
        PixFillRect(target, part.left, part.top, part.width, part.height, kDefaultBackground);
    PixCopyRect(target, part.left, part.top, part.width, part.height, picture.pixels, srcX, srcY);
}

void DrawThumbnail(TPixelBuffer& target, const TMyWin& w, const TBox& clip, const TPixelBuffer& thumbnail)
{
    TBox part;
    if (!BoxIntersect(w.client, clip, &part) || part.width <= 0 || part.height <= 0)
        return;
    if (thumbnail.width < w.client.width || thumbnail.height < w.client.height)
        PixFillRect(target, part.left, part.top, part.width, part.height, w.background);
    PixCopyRect(target, part.left, part.top, part.width, part.height, thumbnail, part.left - w.client.left,
                part.top - w.client.top);
}

void ComposeWindow(TPixelBuffer& target, const TMyWin& w, const TBox& clip, What what, const GameState& state,
                   const FieldImage& field)
{
    DrawWindowFrame(target, field.windowSkin, w, clip);
    if (w.kind == WindowKind::Thumbnail) {
        DrawThumbnail(target, w, clip, field.thumbnail);
        return;
    }
    DrawBackground(target, w, clip, field.backgroundPicture);
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
    if (field.rectangle.drawing && what != What::AllButRectangle && state.currentWindow == w.number)
        DrawRectangle(target, field.rectangle, w, clip);
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

TBox SelectionBox(const FieldImage& field, const GameState& state, const PlayWindows& windows)
{
    if (!field.rectangle.drawing || !IsSideOrPocket(state.currentWindow))
        return {};
    return RectangleBox(field.rectangle, windows.windows[state.currentWindow]);
}

void Compose(FieldImage& field, Layer layer, const TBox& clipBox, What what, const GameState& state,
             const PlayWindows& windows)
{
    assert(layer == Layer::Field || what != What::FromUnder);
    TPixelBuffer& target = layer == Layer::Field ? field.image : field.under;
    TBox clip;
    if (!BoxIntersect(clipBox, BoxFromOrigin(0, 0, target.width, target.height), &clip))
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
        ComposeWindow(target, w, clip, what, state, field);
    }
}

TBox FieldBox(const PlayWindows& windows)
{
    return BoxFromOrigin(0, 0, windows.field.visibleWidth, windows.field.visibleHeight);
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
