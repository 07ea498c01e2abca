#include "playfield/WindowSkin.h"

#include <algorithm>
#include <cmath>

namespace kirvo {

namespace {

constexpr int kSkinWidth = 120;
constexpr int kSkinHeight = 130;

// Rows of the arrow and thumb pictures: normal, pressed.
constexpr int kBarSkinRow[2] = {30, 48};
constexpr int kArrowSkinX[4] = {0, 18, 36, 54};  // left, right, up, down
constexpr int kHorizontalThumbSkinX = 72;
constexpr int kVerticalThumbSkinX = 84;
// Close buttons: inactive, inactive-hot, active, active-hot, pressed, side by side.
constexpr int kCloseSkinX = 2;
constexpr int kCloseSkinY = 110;
constexpr int kCloseSkinStep = 22;
constexpr int kCloseSize = 20;

// Warm wood, 0x00BBGGRR.
const uint32_t kOutline = MakeColour(84, 52, 28);
const uint32_t kInnerEdge = MakeColour(96, 62, 34);
const uint32_t kGroove = MakeColour(232, 218, 192);
const uint32_t kGrooveEdge = MakeColour(168, 138, 100);
const uint32_t kGrooveShadow = MakeColour(206, 186, 154);
const uint32_t kArrowInk = MakeColour(70, 40, 20);
const uint32_t kRidgeDark = MakeColour(150, 108, 66);
const uint32_t kRidgeLight = MakeColour(252, 244, 226);

struct Wood {
    uint32_t captionTop;
    uint32_t captionBottom;
    uint32_t border;
};
const Wood kActiveWood {MakeColour(200, 132, 66), MakeColour(142, 84, 38), MakeColour(172, 110, 56)};
const Wood kInactiveWood {MakeColour(182, 166, 146), MakeColour(140, 126, 110), MakeColour(160, 146, 128)};

uint32_t Mix(uint32_t from, uint32_t to, float t)
{
    const Rgb a = SplitColour(from);
    const Rgb b = SplitColour(to);
    auto channel = [t](uint8_t x, uint8_t y) { return int(std::lround(x + (y - x) * t)); };
    return MakeColour(channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue));
}

uint32_t Lighten(uint32_t colour, int amount)
{
    const Rgb c = SplitColour(colour);
    return MakeColour(ClampByte(c.red + amount), ClampByte(c.green + amount), ClampByte(c.blue + amount));
}

// A faint grain along the wood, by position across it.
int Grain(int position)
{
    return int(std::lround(7 * std::sin(position * 1.9) + 4 * std::sin(position * 0.7 + 1.0)));
}

void Put(TPixelBuffer& skin, int x, int y, uint32_t colour, float coverage)
{
    const Rgb c = SplitColour(colour);
    uint8_t* pixel = PixAddress(skin, x, y);
    pixel[0] = c.blue;
    pixel[1] = c.green;
    pixel[2] = c.red;
    pixel[3] = ClampByte(int(std::lround(255 * coverage)));
}

// How far the centre of pixel (x, y) lies inside a w x h rectangle whose top corners are rounded
// by radius top and bottom corners by bottom; negative outside.
float EdgeDistance(int x, int y, int w, int h, float top, float bottom)
{
    const float px = x + 0.5f;
    const float py = y + 0.5f;
    const float r = py < h / 2.0f ? top : bottom;
    const float cx = std::clamp(px, r, w - r);
    const float cy = std::clamp(py, r, h - r);
    if (cx != px && cy != py)
        return r - std::hypot(px - cx, py - cy);
    return std::min({px, py, w - px, h - py});
}

float Coverage(float distance) { return std::clamp(distance + 0.5f, 0.0f, 1.0f); }

// A frame for border and caption: rounded wood with a dark outline, a lit top edge, and a dark
// inner edge around the client box.
void DrawFrame(TPixelBuffer& skin, const SkinPart& part, const Wood& wood)
{
    const int inner = kPocketBorder - 1;
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
            const float d = EdgeDistance(x, y, part.width, part.height, 6, 2);
            if (d <= -0.5f)
                continue;
            const bool innerRow = y == kFrameSkinTop - 1 || y == kFrameSkinTop + 1;
            const bool innerColumn = x == inner || x == part.width - 1 - inner;
            const bool insideColumns = x >= inner && x <= part.width - 1 - inner;
            const bool insideRows = y >= kFrameSkinTop - 1 && y <= kFrameSkinTop + 1;
            uint32_t colour;
            if (d < 1)
                colour = kOutline;
            else if ((innerRow && insideColumns) || (innerColumn && insideRows))
                colour = kInnerEdge;
            else if (y < kFrameSkinTop - 1)
                colour = Lighten(Mix(wood.captionTop, wood.captionBottom, float(y) / (kFrameSkinTop - 2)),
                                 Grain(y) + (d < 2 ? 36 : 0));
            else if (y == kFrameSkinTop)
                colour = Lighten(wood.border, Grain(x) + (x == 1 ? 24 : 0));
            else
                colour = Lighten(wood.border, Grain(y) - 12);
            Put(skin, part.x + x, part.y + y, colour, Coverage(d));
        }
}

// A groove, lit at the far side; across is the position across the bar.
uint32_t GrooveColour(int across)
{
    if (across == 0 || across == kBarSize - 1)
        return kGrooveEdge;
    return across == 1 ? kGrooveShadow : kGroove;
}

void DrawTracks(TPixelBuffer& skin)
{
    for (int i = 0; i < kBarSize; ++i) {
        Put(skin, kHorizontalTrackSkin.x, kHorizontalTrackSkin.y + i, GrooveColour(i), 1);
        Put(skin, kVerticalTrackSkin.x + i, kVerticalTrackSkin.y, GrooveColour(i), 1);
    }
}

// A rounded wooden knob over width x height, lit along its top and left; the gradient runs across
// the short side so a thumb's middle can be stretched.
void DrawKnob(TPixelBuffer& skin, int left, int top, int width, int height, bool pressed, uint32_t backing)
{
    const uint32_t light = pressed ? MakeColour(184, 130, 74) : MakeColour(236, 198, 140);
    const uint32_t dark = pressed ? MakeColour(206, 156, 96) : MakeColour(196, 144, 82);
    const bool across = width < height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float d = EdgeDistance(x, y, width, height, 3, 3);
            const float t = across ? float(x) / (width - 1) : float(y) / (height - 1);
            uint32_t colour = d < 1 ? kOutline : Mix(light, dark, t);
            if (d >= 1 && d < 2 && !pressed && (across ? x < width / 2 : y < height / 2))
                colour = Lighten(colour, 22);
            Put(skin, left + x, top + y, Mix(backing, colour, Coverage(d)), 1);
        }
}

// Direction 0 left, 1 right, 2 up, 3 down: a solid triangle, base 9 and height 5, on a knob.
void DrawArrow(TPixelBuffer& skin, int left, int top, int direction, bool pressed)
{
    DrawKnob(skin, left, top, kBarSize, kBarSize, pressed, kGroove);
    const int shift = pressed ? 1 : 0;
    const int centre = kBarSize / 2;
    for (int y = 0; y < kBarSize; ++y)
        for (int x = 0; x < kBarSize; ++x) {
            const int dx = x - centre - shift;
            const int dy = y - centre - shift;
            const int toward[4] = {-dx, dx, -dy, dy};
            const int sideways = direction < 2 ? dy : dx;
            const int a = toward[direction];
            if (a >= -2 && a <= 2 && std::abs(sideways) <= 2 - a)
                Put(skin, left + x, top + y, kArrowInk, 1);
        }
}

void DrawThumbs(TPixelBuffer& skin)
{
    for (int pressed = 0; pressed < 2; ++pressed) {
        const int y = kBarSkinRow[pressed];
        DrawKnob(skin, kHorizontalThumbSkinX, y, kThumbSkinLength, kBarSize, pressed != 0, kGroove);
        DrawKnob(skin, kVerticalThumbSkinX, y, kBarSize, kThumbSkinLength, pressed != 0, kGroove);
        for (int direction = 0; direction < 4; ++direction)
            DrawArrow(skin, kArrowSkinX[direction], y, direction, pressed != 0);
    }
}

// Diagonal ridges in the bottom-right of a groove-coloured square.
void DrawSizeGrip(TPixelBuffer& skin)
{
    for (int y = 0; y < kBarSize; ++y)
        for (int x = 0; x < kBarSize; ++x) {
            const int diagonal = x + y;
            uint32_t colour = kGroove;
            if (x <= 14 && y <= 14 && diagonal >= 14)
                colour = diagonal % 4 == 2 ? kRidgeDark : diagonal % 4 == 3 ? kRidgeLight : kGroove;
            Put(skin, kSizeGripSkin.x + x, kSizeGripSkin.y + y, colour, 1);
        }
}

// A 14 x 14 rounded square with an X, inset so the frame's corner shows around it.
void DrawCloseButton(TPixelBuffer& skin, int state)
{
    static const uint32_t kFills[5] = {MakeColour(150, 128, 108), MakeColour(176, 118, 84), MakeColour(178, 64, 40),
                                       MakeColour(216, 86, 54), MakeColour(118, 38, 22)};
    const uint32_t cross = state < 2 ? MakeColour(238, 228, 212) : MakeColour(252, 244, 234);
    const int left = kCloseSkinX + state * kCloseSkinStep;
    const float shift = state == 4 ? 1 : 0;
    constexpr int kInset = 3;
    constexpr int kSide = 14;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const float d = EdgeDistance(x, y, kSide, kSide, 3, 3);
            const float dx = std::abs(x + 0.5f - kSide / 2.0f - shift);
            const float dy = std::abs(y + 0.5f - kSide / 2.0f - shift);
            uint32_t colour = d < 1 ? kOutline : d < 2 && y < kSide / 2 ? Lighten(kFills[state], 30) : kFills[state];
            if (dx <= 4 && dy <= 4)
                colour = Mix(colour, cross, std::clamp(1.3f - std::abs(dx - dy), 0.0f, 1.0f));
            Put(skin, left + kInset + x, kCloseSkinY + kInset + 1 + y, colour, Coverage(d));
        }
}

int ControlState(const TWinControl& control)
{
    if (control.pressed)
        return 4;
    if (!control.fourState)
        return 0;
    return (control.windowActive ? 2 : 0) + (control.hot ? 1 : 0);
}

}  // namespace

TPixelBuffer DrawWindowSkin()
{
    TPixelBuffer skin;
    PixCreate32(skin, kSkinWidth, kSkinHeight);
    DrawFrame(skin, kActiveFrameSkin, kActiveWood);
    DrawFrame(skin, kInactiveFrameSkin, kInactiveWood);
    DrawTracks(skin);
    DrawThumbs(skin);
    DrawSizeGrip(skin);
    for (int state = 0; state < 5; ++state)
        DrawCloseButton(skin, state);
    return skin;
}

SkinPart ControlSkin(const TWinControl& control)
{
    const int state = ControlState(control);
    const int row = kBarSkinRow[state == 4 ? 1 : 0];
    switch (control.command) {
    case WindowPart::Close:
        return {kCloseSkinX + state * kCloseSkinStep, kCloseSkinY, kCloseSize, kCloseSize};
    case WindowPart::ScrollLeft:
        return {kArrowSkinX[0], row, kBarSize, kBarSize};
    case WindowPart::ScrollRight:
        return {kArrowSkinX[1], row, kBarSize, kBarSize};
    case WindowPart::ScrollUp:
        return {kArrowSkinX[2], row, kBarSize, kBarSize};
    case WindowPart::ScrollDown:
        return {kArrowSkinX[3], row, kBarSize, kBarSize};
    case WindowPart::HorizontalThumb:
        return {kHorizontalThumbSkinX, row, kThumbSkinLength, kBarSize};
    case WindowPart::VerticalThumb:
        return {kVerticalThumbSkinX, row, kBarSize, kThumbSkinLength};
    default:
        return {};  // the glass's buttons come from the glass skin
    }
}

}  // namespace kirvo
