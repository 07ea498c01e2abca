#include "playfield/Glass.h"

#include "playfield/GlassSkin.h"

namespace kirvo {

namespace {

// Whether the lens pixel (u, v) of a width x height lens lies inside its ellipse.
bool InEllipse(int u, int v, int width, int height)
{
    const double rx = width / 2.0;
    const double ry = height / 2.0;
    const double dx = (u - rx) / rx;
    const double dy = (v - ry) / ry;
    return dx * dx + dy * dy <= 1.0;
}

uint8_t MaskLevel(int u, int v, int width, int height)
{
    if (!InEllipse(u, v, width, height))
        return kLensOutside;
    const bool rim = u == 0 || v == 0 || u == width - 1 || v == height - 1 || !InEllipse(u - 1, v, width, height)
        || !InEllipse(u + 1, v, width, height) || !InEllipse(u, v - 1, width, height)
        || !InEllipse(u, v + 1, width, height);
    if (!rim)
        return kLensInside;
    const bool upperLeft = (u - width / 2.0) / width + (v - height / 2.0) / height < 0;
    return upperLeft ? kLensRimLight : kLensRimDark;
}

// The first field column (or row) the lens shows: the lens pixel at offset u shows this plus
// u div zoom.
int MagnifiedStart(int lensStart, int lensSize, int zoom) { return lensStart + lensSize / 2 - lensSize / 2 / zoom; }

void BlendSkinPart(TPixelBuffer& target, const TBox& box, const TPixelBuffer& skin, const SkinPart& part,
                   int rowOffset, const TBox& clip)
{
    PixBlendBlit(target, box.left, box.top, box.width, box.height, skin, part.x, part.y + rowOffset, part.width,
                 part.height, clip);
}

// The corner images and the shown buttons, pressed ones from their pressed pictures.
void DrawGlassFrame(TPixelBuffer& target, const TMyWin& glass, const TPixelBuffer& skin, const TBox& clip)
{
    for (size_t i = 0; i < kGlassCornerSkins.size(); ++i)
        BlendSkinPart(target, glass.glassCorners[i], skin, kGlassCornerSkins[i], 0, clip);
    struct Button {
        ControlIndex control;
        SkinPart skin;
        int pressedOffset;
    };
    static constexpr Button kButtons[] = {
        {kCloseButton, kGlassCloseSkin, kGlassClosePressedOffset},
        {kZoom3Button, kGlassZoom3Skin, kGlassZoomPressedOffset},
        {kZoom2Button, kGlassZoom2Skin, kGlassZoomPressedOffset},
    };
    for (const Button& button : kButtons) {
        const TWinControl& control = glass.controls[button.control];
        if (control.shown)
            BlendSkinPart(target, control.box, skin, button.skin, control.pressed ? button.pressedOffset : 0, clip);
    }
}

// Every lens pixel inside the clip box: left alone outside the ellipse, the rim's grey on the rim,
// and inside it the magnified field pixel, or black where that lies outside the field (an empty
// magnified box: all of it).
void DrawLens(TPixelBuffer& target, const TBox& clip, const GlassLens& lens, const TBox& lensBox,
              const TBox& magnified, int magnifiedLeft, int magnifiedTop, int zoom)
{
    for (int y = clip.top; y <= clip.bottom; ++y) {
        const int v = y - lensBox.top;
        const int fieldY = magnifiedTop + v / zoom;
        const bool rowInField = !BoxIsEmpty(magnified) && fieldY >= magnified.top && fieldY <= magnified.bottom;
        const uint8_t* mask = PixAddress(lens.mask, clip.left - lensBox.left, v);
        uint8_t* out = PixAddress(target, clip.left, y);
        for (int x = clip.left; x <= clip.right; ++x, mask += 3, out += 3) {
            const uint8_t level = mask[0];
            if (level == kLensOutside)
                continue;
            if (level != kLensInside) {
                out[0] = out[1] = out[2] = level;
                continue;
            }
            const int u = x - lensBox.left;
            const int fieldX = magnifiedLeft + u / zoom;
            if (rowInField && fieldX >= magnified.left && fieldX <= magnified.right) {
                const uint8_t* in = PixAddress(lens.source, u / zoom, v / zoom);
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
            } else {
                out[0] = out[1] = out[2] = 0;
            }
        }
    }
}

}  // namespace

void ShowGlassAtCorner(PlayWindows& windows)
{
    TMyWin& glass = windows.glass;
    glass.visible = true;
    BoxMoveTo(glass.frame, 0, 0);
    LayOut(glass, SizeSource::FromFrame);
}

void ToggleGlass(PlayWindows& windows, GameState& state)
{
    if (windows.glass.visible)
        SetVisible(windows, state, kGlassWindow, Visibility::Hidden);
    else
        ShowGlassAtCorner(windows);
    state.redrawMode = RedrawMode::WholeField;
}

void SetGlassZoom(PlayWindows& windows, WindowPart button)
{
    if (button != WindowPart::GlassZoom3 && button != WindowPart::GlassZoom2)
        return;
    const bool three = button == WindowPart::GlassZoom3;
    windows.glassZoom = three ? 3 : 2;
    windows.glass.controls[kZoom3Button].shown = !three;
    windows.glass.controls[kZoom2Button].shown = three;
}

bool MapThroughLens(const PlayWindows& windows, int& x, int& y)
{
    const TMyWin& glass = windows.glass;
    const TBox& lens = glass.client;
    if (!glass.visible || !BoxContains(lens, x, y) || !InEllipse(x - lens.left, y - lens.top, lens.width, lens.height))
        return false;
    const int zoom = windows.glassZoom;
    x = MagnifiedStart(lens.left, lens.width, zoom) + (x - lens.left) / zoom;
    y = MagnifiedStart(lens.top, lens.height, zoom) + (y - lens.top) / zoom;
    return true;
}

void MakeLensMask(GlassLens& lens, int width, int height)
{
    if (lens.mask.width == 0) {
        PixCreate24(lens.mask, kGlassBufferSize, kGlassBufferSize);
        PixCreate24(lens.source, kGlassBufferSize, kGlassBufferSize);
    }
    for (int v = 0; v < height; ++v) {
        uint8_t* pixel = PixAddress(lens.mask, 0, v);
        for (int u = 0; u < width; ++u, pixel += 3)
            pixel[0] = pixel[1] = pixel[2] = MaskLevel(u, v, width, height);
    }
    lens.maskWidth = width;
    lens.maskHeight = height;
}

void DrawGlass(TPixelBuffer& target, const TBox& fieldBox, GlassLens& lens, const PlayWindows& windows,
               const TPixelBuffer& skin)
{
    const TMyWin& glass = windows.glass;
    TBox field;
    TBox clip;
    if (!glass.visible || !BoxIntersect(fieldBox, BoxFromOrigin(0, 0, target.width, target.height), &field)
        || !BoxIntersect(glass.frame, field, &clip))
        return;
    const TBox& lensBox = glass.client;
    if (lens.maskWidth != lensBox.width || lens.maskHeight != lensBox.height)
        MakeLensMask(lens, lensBox.width, lensBox.height);

    // The lens shows the field as it is before the glass covers any of it.
    const int zoom = windows.glassZoom;
    const int left = MagnifiedStart(lensBox.left, lensBox.width, zoom);
    const int top = MagnifiedStart(lensBox.top, lensBox.height, zoom);
    TBox magnified;
    if (BoxIntersect(BoxFromOrigin(left, top, lensBox.width / zoom, lensBox.height / zoom), field, &magnified))
        PixCopyRect(lens.source, magnified.left - left, magnified.top - top, magnified.width, magnified.height, target,
                    magnified.left, magnified.top);

    DrawGlassFrame(target, glass, skin, clip);
    DrawLens(target, clip, lens, lensBox, magnified, left, top, zoom);
}

}  // namespace kirvo
