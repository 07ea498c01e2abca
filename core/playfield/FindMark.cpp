#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

// The marked box in field pixels, grown by the frame; empty when its window is not shown.
TBox FieldBoxOf(const MarkedBox& marked, const PlayWindows& windows)
{
    if (!IsSideOrPocket(marked.window) || BoxIsEmpty(marked.box) || !windows.windows[marked.window].visible)
        return {};
    const TMyWin& w = windows.windows[marked.window];
    const int left = marked.box.left + w.client.left - w.scrollX - kFindFrameWidth;
    const int top = marked.box.top + w.client.top - w.scrollY - kFindFrameWidth;
    return BoxFromOrigin(left, top, marked.box.width + 2 * kFindFrameWidth, marked.box.height + 2 * kFindFrameWidth);
}

void RequestMarkRedraw(FieldImage& field, GameState& state, const PlayWindows& windows)
{
    for (const MarkedBox& marked : field.findMark.boxes) {
        const TBox outer = FieldBoxOf(marked, windows);
        TBox box;
        if (!BoxIsEmpty(outer) && BoxIntersect(outer, windows.windows[marked.window].client, &box))
            RequestHoverRedraw(field, state, box);
    }
}

// A filled rectangle clipped to the client box.
void FillClipped(TPixelBuffer& image, const TBox& client, int left, int top, int width, int height, uint32_t colour)
{
    TBox part;
    if (BoxIntersect(BoxFromOrigin(left, top, width, height), client, &part))
        PixFillRect(image, part.left, part.top, part.width, part.height, colour);
}

// Rings from the outside in: black, white, white, black.
void DrawFrame(TPixelBuffer& image, const TBox& client, const TBox& outer)
{
    constexpr uint32_t kRings[kFindFrameWidth] = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};
    for (int ring = 0; ring < kFindFrameWidth; ++ring) {
        const int left = outer.left + ring, top = outer.top + ring;
        const int width = outer.width - 2 * ring, height = outer.height - 2 * ring;
        if (width <= 0 || height <= 0)
            return;
        FillClipped(image, client, left, top, width, 1, kRings[ring]);
        FillClipped(image, client, left, top + height - 1, width, 1, kRings[ring]);
        FillClipped(image, client, left, top, 1, height, kRings[ring]);
        FillClipped(image, client, left + width - 1, top, 1, height, kRings[ring]);
    }
}

}  // namespace

void StartFindMark(FieldImage& field, GameState& state, const PlayWindows& windows, const FindMark& mark)
{
    RequestMarkRedraw(field, state, windows);  // a highlight still blinking goes
    field.findMark = mark;
    field.findMark.step = 0;
    RequestMarkRedraw(field, state, windows);
}

bool NextFindStep(FieldImage& field, GameState& state, const PlayWindows& windows)
{
    if (field.findMark.step < 0)
        return false;
    RequestMarkRedraw(field, state, windows);
    if (++field.findMark.step >= kFindSteps) {
        field.findMark.step = -1;
        return false;
    }
    return true;
}

void DrawFindMark(FieldImage& field, const PlayWindows& windows)
{
    if (field.findMark.step < 0 || field.findMark.step % 2 != 0)
        return;
    for (const MarkedBox& marked : field.findMark.boxes) {
        const TBox outer = FieldBoxOf(marked, windows);
        if (!BoxIsEmpty(outer))
            DrawFrame(field.image, windows.windows[marked.window].client, outer);
    }
}

}  // namespace kirvo
