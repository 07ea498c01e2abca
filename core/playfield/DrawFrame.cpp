#include <cassert>

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

void Blit(TPixelBuffer& target, const TPixelBuffer& skin, const TBox& clip, int x, int y, int w, int h,
          int srcX, int srcY, int srcW, int srcH)
{
    if (w > 0 && h > 0)
        PixBlendBlit(target, x, y, w, h, skin, srcX, srcY, srcW, srcH, clip);
}

void BlitPart(TPixelBuffer& target, const TPixelBuffer& skin, const TBox& clip, const TBox& box, const SkinPart& part)
{
    Blit(target, skin, clip, box.left, box.top, box.width, box.height, part.x, part.y, part.width, part.height);
}

// Border and caption bar as nine slices: corners copied, edges stretched from the middle column
// and row of the frame picture.
void DrawBorder(TPixelBuffer& target, const TPixelBuffer& skin, const TMyWin& w, const TBox& clip)
{
    assert(w.borderWidth == kPocketBorder && w.captionHeight == kPocketCaption);
    const SkinPart& s = w.active ? kActiveFrameSkin : kInactiveFrameSkin;
    const TBox& f = w.frame;
    const int corner = kFrameSkinCorner;
    const int top = kFrameSkinTop;
    const int border = w.borderWidth;
    const int middle = f.width - 2 * corner;
    const int bottomY = f.bottom - border + 1;
    const int rightX = f.right - corner + 1;
    const int srcRight = s.x + corner + 1;
    const int srcBottom = s.y + top + 1;

    Blit(target, skin, clip, f.left, f.top, corner, top, s.x, s.y, corner, top);
    Blit(target, skin, clip, f.left + corner, f.top, middle, top, s.x + corner, s.y, 1, top);
    Blit(target, skin, clip, rightX, f.top, corner, top, srcRight, s.y, corner, top);

    const int sideHeight = f.height - top - border;
    Blit(target, skin, clip, f.left, f.top + top, border, sideHeight, s.x, s.y + top, border, 1);
    Blit(target, skin, clip, f.right - border + 1, f.top + top, border, sideHeight, s.x + s.width - border,
         s.y + top, border, 1);

    Blit(target, skin, clip, f.left, bottomY, corner, border, s.x, srcBottom, corner, border);
    Blit(target, skin, clip, f.left + corner, bottomY, middle, border, s.x + corner, srcBottom, 1, border);
    Blit(target, skin, clip, rightX, bottomY, corner, border, srcRight, srcBottom, corner, border);
}

// Thumbs keep their ends and stretch the middle; everything else is copied at its size.
void DrawControl(TPixelBuffer& target, const TPixelBuffer& skin, const TWinControl& control, const TBox& clip)
{
    const SkinPart part = ControlSkin(control);
    const TBox& b = control.box;
    const int end = kThumbSkinLength / 2;
    if (control.stretchHorizontally) {
        Blit(target, skin, clip, b.left, b.top, end, b.height, part.x, part.y, end, part.height);
        Blit(target, skin, clip, b.left + end, b.top, b.width - 2 * end, b.height, part.x + end, part.y, 1,
             part.height);
        Blit(target, skin, clip, b.right - end + 1, b.top, end, b.height, part.x + end + 1, part.y, end, part.height);
    } else if (control.stretchVertically) {
        Blit(target, skin, clip, b.left, b.top, b.width, end, part.x, part.y, part.width, end);
        Blit(target, skin, clip, b.left, b.top + end, b.width, b.height - 2 * end, part.x, part.y + end, part.width,
             1);
        Blit(target, skin, clip, b.left, b.bottom - end + 1, b.width, end, part.x, part.y + end + 1, part.width, end);
    } else {
        BlitPart(target, skin, clip, b, part);
    }
}

// The caption's ink, cut to the caption text box and centred over the frame, but kept inside the
// box: a long caption centred over a narrow frame would otherwise run under the close button.
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
    const int centred = w.frame.left + (w.frame.width - ink.width) / 2;
    const int left = MaxInt(MinInt(centred, text.right - width + 1), text.left);
    const int top = text.top + (text.height - ink.height) / 2 + 1;
    PixBlendBlit(target, left, top, width, height, w.captionImage, ink.left, ink.top, width, height, inside);
}

}  // namespace

void DrawWindowFrame(TPixelBuffer& target, const TPixelBuffer& skin, const TMyWin& w, const TBox& clipBox)
{
    TBox clip;
    if (!BoxIntersect(clipBox, w.frame, &clip))
        return;
    if (w.borderWidth > 0)
        DrawBorder(target, skin, w, clip);
    if (w.horizontalBar)
        BlitPart(target, skin, clip, w.horizontalTrack, kHorizontalTrackSkin);
    if (w.verticalBar)
        BlitPart(target, skin, clip, w.verticalTrack, kVerticalTrackSkin);
    if (!BoxIsEmpty(w.sizeGrip))
        BlitPart(target, skin, clip, w.sizeGrip, kSizeGripSkin);
    DrawCaption(target, w, clip);
    for (const TWinControl& control : w.controls)
        if (control.shown)
            DrawControl(target, skin, control, clip);
}

}  // namespace kirvo
