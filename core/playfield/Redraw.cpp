#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

constexpr int kStarFrames[kJoinSteps] = {0, 1, 2, 3, 4, -1};  // -1: the last step takes the star away

void DrawJoinStar(FieldImage& field, const PlayWindows& windows, const TPixelBuffer& starStrip)
{
    const JoinStar& star = field.star;
    if (star.step < 0 || star.step >= kJoinSteps || kStarFrames[star.step] < 0 || !IsSideOrPocket(star.window))
        return;
    PixKeyedBlit(field.image, star.x, star.y, kStarSize, kStarSize, starStrip, kStarFrames[star.step] * kStarStep, 0,
                 kStarSize, kStarSize, windows.windows[star.window].client, kStarKey);
}

void ClearHot(TMyWin& w)
{
    for (TWinControl& control : w.controls) {
        control.hot = false;
        control.pressed = false;
    }
    w.hotControl = -1;
}

}  // namespace

void DrawCarriedWeight(FieldImage& field, const PlayWindows& windows)
{
    const CarriedWeight& weight = field.weight;
    if (!weight.carried)
        return;
    PixBlendBlit(field.image, weight.left, weight.top, kWeightSpriteWidth, kWeightSpriteHeight, field.weightSprite, 0,
                 0, kWeightSpriteWidth, kWeightSpriteHeight, FieldBox(windows));
}

void RequestHoverRedraw(FieldImage& field, GameState& state, const TBox& box)
{
    if (state.redrawMode == RedrawMode::WholeField || BoxIsEmpty(box))
        return;
    if (state.redrawMode != RedrawMode::HoverBox)
        BoxClear(field.hoverBox);
    BoxUnionWith(field.hoverBox, box);
    state.redrawMode = RedrawMode::HoverBox;
}

TBox Redraw(FieldImage& field, GameState& state, const PlayWindows& windows, const TPixelBuffer& starStrip)
{
    TBox area;
    switch (state.redrawMode) {
    case RedrawMode::Nothing:
        return area;
    case RedrawMode::WholeField:
        area = FieldBox(windows);
        Compose(field, Layer::Field, area, What::All, state, windows);
        // A recompose draws whatever lies there: the next drag step restores the whole field.
        field.dragBox = area;
        break;
    case RedrawMode::HoverBox:
        area = field.hoverBox;
        if (windows.glass.visible)
            BoxUnionWith(area, windows.glass.frame);
        Compose(field, Layer::Field, area, What::All, state, windows);
        field.dragBox = FieldBox(windows);
        break;
    case RedrawMode::RepaintOnly:
        area = FieldBox(windows);
        break;
    case RedrawMode::RepaintBox:
        area = field.repaintBox;
        break;
    }
    DrawJoinStar(field, windows, starStrip);
    DrawFindMark(field, windows);
    if (state.redrawMode != RedrawMode::RepaintOnly && state.redrawMode != RedrawMode::RepaintBox)
        DrawCarriedWeight(field, windows);
    state.redrawMode = RedrawMode::Nothing;
    DrawGlass(field.image, FieldBox(windows), field.lens, windows, field.glassSkin);
    return area;
}

SizingCursor HoverRedraw(FieldImage& field, PlayWindows& windows, GameState& state, int x, int y)
{
    for (TMyWin& w : windows.windows)
        ClearHot(w);
    ClearHot(windows.glass);

    // The glass lies over every window, so it answers first.
    int window = kNoWindow;
    if (windows.glass.visible && BoxContains(windows.glass.frame, x, y))
        window = kGlassWindow;
    else
        window = WindowAt(windows, x, y);
    WindowPart part = WindowPart::None;
    int control = -1;
    if (window != kNoWindow) {
        TMyWin& w = Window(windows, window);
        part = HitPart(w, x, y, PressState::Hover);
        control = w.hotControl;
        if (control < 0)
            window = kNoWindow;
    }

    TBox hover;
    if ((window != field.hotWindow || control != field.hotControl) && field.hotControl >= 0)
        BoxUnionWith(hover, Window(windows, field.hotWindow).controls[field.hotControl].box);
    if (control >= 0)
        BoxUnionWith(hover, Window(windows, window).controls[control].box);
    if (windows.glass.visible)
        BoxUnionWith(hover, windows.glass.frame);
    field.hotWindow = window;
    field.hotControl = control;
    RequestHoverRedraw(field, state, hover);
    return CursorForPart(part);
}

}  // namespace kirvo
