// kirvo-browser-art FOLDER: draws the pictures of the jigsaw settings page and writes them as PNGs:
//   browser-shapes.png          the strip of the seven shape masks the sample piece is cut with
//                               (one piece per shape style, white inside; see session/PieceSample.h)
//   browser-sample-texture.png  the landscape the sample pieces are cut from
//   browser-borders.png         without and with a frame, two 50 x 50 pictures 51 apart
//   browser-mix.png             pieces in a heap and spread out, likewise
//   browser-rotation.png        a piece with a turning arrow, 50 x 50
//   browser-fit.png             a picture with arrows to the screen's edges, 50 x 50
//   save-icon.png               the 16 x 16 mark of a saved game
// White is the transparent colour of the choice pictures. The shape masks are outlines of Bezier
// curves and superellipse arcs, filled scanline by scanline; the small pieces of the choice
// pictures are squares with round knobs, drawn pixel by pixel.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "raster/PixelBuffer.h"
#include "PaintColour.h"
#include "PngFile.h"
#include "session/PieceSample.h"

namespace {

using namespace kirvo;

constexpr double kPi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Outlines

struct Point {
    double x = 0;
    double y = 0;
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double Length(Point a) { return std::hypot(a.x, a.y); }
Point Rotated(Point a, double angle) { return {a.x * std::cos(angle) - a.y * std::sin(angle), a.x * std::sin(angle) + a.y * std::cos(angle)}; }

// A closed polygon; the last point joins the first.
using Outline = std::vector<Point>;

// Appends the cubic Bezier curve from p0 (already in the outline) to p3.
void AddCubic(Outline& outline, Point p0, Point p1, Point p2, Point p3)
{
    const int steps = 16;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps, s = 1 - t;
        outline.push_back(p0 * (s * s * s) + p1 * (3 * s * s * t) + p2 * (3 * s * t * t) + p3 * (t * t * t));
    }
}

Outline Placed(const Outline& outline, Point centre, double angle, double scale)
{
    Outline placed;
    for (Point p : outline)
        placed.push_back(centre + Rotated(p, angle) * scale);
    return placed;
}

// Fills the outline by the even-odd rule, taking each pixel whose centre lies inside.
void FillOutline(TPixelBuffer& buffer, const Outline& outline, uint32_t colour)
{
    std::vector<double> crossings;
    for (int y = 0; y < buffer.height; ++y) {
        const double centreY = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < outline.size(); ++i) {
            const Point a = outline[i], b = outline[(i + 1) % outline.size()];
            if ((a.y <= centreY) != (b.y <= centreY))
                crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(0, int(std::ceil(crossings[i] - 0.5)));
            const int to = std::min(buffer.width - 1, int(std::floor(crossings[i + 1] - 0.5)));
            if (from <= to)
                PixFillRect(buffer, from, y, to - from + 1, 1, colour);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Pieces: a square body whose four sides carry a knob each, outward or inward. All measures are
// in body widths.

struct Knob {
    double reach = 0;        // from the side to the top of the head; negative for a hole, 0 for none
    double width = 0;        // of the head
    double tall = 0.95;      // the head's height over its width
    double squareness = 2;   // 2 for an elliptic head, more for a squarer one
    double centre = 0.5;     // of the neck along the side, as a fraction of it
    double lean = 0;         // how far the head stands along the side from its neck
    double tilt = 0;         // turn of the head, in radians
    double wave = 0;         // how far the side bends out near its ends and in at its middle
};

// One side in its own frame: u runs along the side from 0 to 1, v outward. The outline ends just
// before u = 1, where the next side begins.
Outline SideOutline(const Knob& knob)
{
    Outline side{{0, 0}};
    if (knob.reach != 0) {
        // The head is a superellipse on a pinched neck, joined to the side by two curved shoulders.
        const double h = std::abs(knob.reach), rx = knob.width / 2, ry = rx * knob.tall, grip = 30 * kPi / 180;
        const Point head{knob.centre + knob.lean, h - ry};
        auto on = [&](double a) {
            auto power = [&](double t) { return std::copysign(std::pow(std::abs(t), 2 / knob.squareness), t); };
            return head + Rotated({rx * power(std::cos(a)), ry * power(std::sin(a))}, knob.tilt);
        };
        auto along = [&](double a) {  // the direction of travel at angle a, going over the top
            const Point d = on(a - 1e-4) - on(a);
            return d * (1 / Length(d));
        };
        const double startAngle = kPi + grip, endAngle = -grip;
        const Point footIn{knob.centre - rx * 1.7, 0}, footOut{knob.centre + rx * 1.7, 0};
        const Point neckIn = on(startAngle), neckOut = on(endAngle);
        const double pull = neckIn.y * 0.9;
        side.push_back(footIn);
        AddCubic(side, footIn, footIn + Point{rx * 0.9, 0}, neckIn - along(startAngle) * pull, neckIn);
        for (int i = 1; i <= 48; ++i)
            side.push_back(on(startAngle + (endAngle - startAngle) * i / 48));
        AddCubic(side, neckOut, neckOut + along(endAngle) * pull, footOut - Point{rx * 0.9, 0}, footOut);
    }
    for (Point& p : side) {
        if (knob.reach < 0)
            p.y = -p.y;
        p.y += knob.wave * std::sin(3 * kPi * p.x);
    }
    return side;
}

// The knobs of the top, right, bottom and left sides, each side followed clockwise.
struct Sides {
    Knob knobs[4];
};

// The piece with its body from (-0.5, -0.5) to (0.5, 0.5).
Outline PieceOutline(const Sides& sides)
{
    const Point corners[4] = {{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}};
    Outline outline;
    for (int s = 0; s < 4; ++s) {
        const Point from = corners[s], to = corners[(s + 1) % 4];
        const Point along = to - from, outward{along.y, -along.x};
        for (Point p : SideOutline(sides.knobs[s]))
            outline.push_back(from + along * p.x + outward * p.y);
    }
    return outline;
}

// ---------------------------------------------------------------------------------------------
// The shape strip

constexpr int kMaskBody = 112;  // the body of a mask's piece; its knobs reach nearly to the mask's edges

// A sitting cat seen from the front, its tail curled up beside it: one solid region.
Outline CatOutline()
{
    Outline cat{{0, -0.08}};
    auto curve = [&cat](Point p1, Point p2, Point p3) { AddCubic(cat, cat.back(), p1, p2, p3); };
    curve({-0.17, -0.08}, {-0.27, -0.16}, {-0.27, -0.3});    // left cheek
    curve({-0.27, -0.38}, {-0.25, -0.44}, {-0.22, -0.48});   // left side of the head
    curve({-0.24, -0.56}, {-0.24, -0.64}, {-0.22, -0.72});   // left ear, outer edge
    curve({-0.16, -0.66}, {-0.12, -0.6}, {-0.08, -0.56});    // left ear, inner edge
    curve({-0.03, -0.575}, {0.03, -0.575}, {0.08, -0.56});   // crown
    curve({0.12, -0.6}, {0.16, -0.66}, {0.22, -0.72});       // right ear, inner edge
    curve({0.24, -0.64}, {0.24, -0.56}, {0.22, -0.48});      // right ear, outer edge
    curve({0.25, -0.44}, {0.27, -0.38}, {0.27, -0.3});       // right side of the head
    curve({0.27, -0.16}, {0.2, -0.09}, {0.12, -0.07});       // right cheek
    curve({0.26, -0.02}, {0.34, 0.14}, {0.34, 0.3});         // right flank
    curve({0.4, 0.3}, {0.46, 0.24}, {0.47, 0.14});           // tail, inner edge
    curve({0.48, 0.08}, {0.47, 0.04}, {0.5, 0.0});
    curve({0.54, -0.04}, {0.6, 0.0}, {0.59, 0.08});          // tail tip
    curve({0.6, 0.24}, {0.56, 0.44}, {0.4, 0.5});            // tail, outer edge
    curve({0.32, 0.53}, {0.24, 0.55}, {0.16, 0.55});         // along the ground
    curve({0.12, 0.6}, {0.05, 0.6}, {0.02, 0.56});           // right paw
    curve({0.01, 0.55}, {-0.01, 0.55}, {-0.02, 0.56});
    curve({-0.05, 0.6}, {-0.12, 0.6}, {-0.16, 0.55});        // left paw
    curve({-0.3, 0.54}, {-0.37, 0.3}, {-0.32, 0.08});        // left flank
    curve({-0.28, -0.03}, {-0.16, -0.07}, {0, -0.08});       // back to the chin
    cat.pop_back();
    return cat;
}

Knob Out(double reach, double width) { return {.reach = reach, .width = width}; }
Knob In(double reach, double width) { return {.reach = -reach, .width = width}; }

Outline ShapeOutline(int style)
{
    switch (style) {
    case 0:  // classic: round knobs, two out and two in, a little off the middle of slightly bent sides
        return PieceOutline({{{.reach = 0.22, .width = 0.22, .centre = 0.52, .wave = 0.01},
                              {.reach = 0.22, .width = 0.21, .centre = 0.47, .wave = 0.01},
                              {.reach = -0.22, .width = 0.22, .centre = 0.53, .wave = -0.01},
                              {.reach = -0.21, .width = 0.21, .centre = 0.49, .wave = -0.01}}});
    case 1:  // even: the same knob in the middle of every straight side, out and in by turns
        return PieceOutline({{Out(0.21, 0.21), In(0.21, 0.21), Out(0.21, 0.21), In(0.21, 0.21)}});
    case 2:  // fancy: long heads leaning and turned off their necks, on wavy sides
        return PieceOutline({{{.reach = 0.22, .width = 0.19, .tall = 1.15, .centre = 0.45, .lean = 0.04, .tilt = -0.45, .wave = 0.02},
                              {.reach = 0.22, .width = 0.19, .tall = 1.15, .centre = 0.55, .lean = -0.04, .tilt = 0.45, .wave = 0.02},
                              {.reach = -0.22, .width = 0.19, .tall = 1.15, .centre = 0.45, .lean = 0.04, .tilt = -0.45, .wave = -0.02},
                              {.reach = -0.22, .width = 0.19, .tall = 1.15, .centre = 0.55, .lean = -0.04, .tilt = 0.45, .wave = -0.02}}});
    case 3:
        return Placed(CatOutline(), {-0.12, 0.06}, 0, 1.04);  // with picture pieces: one shaped as a cat
    case 4:  // grid, simple: small round knobs on straight sides
        return PieceOutline({{Out(0.14, 0.14), Out(0.14, 0.14), In(0.14, 0.14), In(0.14, 0.14)}});
    case 5:  // grid, mixed: round knobs of several sizes
        return PieceOutline({{Out(0.22, 0.22), In(0.12, 0.12), Out(0.16, 0.16), In(0.19, 0.19)}});
    default:  // grid, varied: square, tall, round and flat heads
        return PieceOutline({{{.reach = 0.2, .width = 0.2, .squareness = 5},
                              {.reach = -0.22, .width = 0.15, .tall = 1.35},
                              Out(0.19, 0.19),
                              {.reach = -0.16, .width = 0.26, .tall = 0.5}}});
    }
}

TPixelBuffer DrawShapeStrip()
{
    TPixelBuffer strip;
    PixCreate24(strip, kShapeStyleCount * (kSampleWidth + 1) + 1, kSampleHeight);
    for (int style = 0; style < kShapeStyleCount; ++style) {
        TPixelBuffer mask;
        PixCreate24(mask, kSampleWidth, kSampleHeight);
        const Point centre{kSampleWidth / 2.0, kSampleHeight / 2.0};
        FillOutline(mask, Placed(ShapeOutline(style), centre, 0, kMaskBody), MakeColour(255, 255, 255));
        PixCopyRect(strip, style * (kSampleWidth + 1) + 1, 0, kSampleWidth, kSampleHeight, mask, 0, 0);
    }
    return strip;
}

// ---------------------------------------------------------------------------------------------
// The sample texture: a landscape of sky, sun, hills and a flowering meadow in soft gradients

constexpr int kTextureWidth = 2 * kSampleWidth;
constexpr int kTextureHeight = 2 * kSampleHeight;

struct Blob {
    Point centre;
    double radius;
    Colour colour;
};

// Flowers on the meadow and the near hill, smaller towards the horizon, from a fixed seed.
std::vector<Blob> Flowers()
{
    const Colour petals[] = {{236, 72, 86}, {252, 212, 64}, {244, 134, 196}, {255, 250, 240}, {160, 110, 230}};
    uint32_t seed = 20240611;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % uint32_t(range));
    };
    std::vector<Blob> flowers;
    for (int i = 0; i < 70; ++i) {
        const double y = 238 + next(kTextureHeight - 234);
        flowers.push_back({{double(next(kTextureWidth)), y}, 2 + (y - 238) / 24, petals[next(5)]});
    }
    return flowers;
}

Colour TextureColour(double x, double y, const std::vector<Blob>& flowers)
{
    const double horizon = 165;
    Colour c = Mix({58, 118, 206}, {255, 204, 150}, Smoothstep(0, horizon, y));
    const double sun = Length(Point{x, y} - Point{206, 116});
    c = Mix(c, {255, 226, 120}, 0.55 * std::exp(-sun * sun / (2 * 46.0 * 46.0)));
    c = Mix(c, {255, 246, 200}, 1 - Smoothstep(19, 21, sun));
    for (Point cloud : {Point{70, 62}, Point{112, 54}, Point{150, 88}, Point{290, 40}}) {
        const Point d = Point{x, y} - cloud;
        c = Mix(c, {255, 255, 255}, 0.75 * std::exp(-(d.x * d.x / 900 + d.y * d.y / 160)));
    }

    const double farRidge = 150 + 16 * std::sin(x * 0.028 + 1.7) + 6 * std::sin(x * 0.083 + 2);
    c = Mix(c, Mix({146, 136, 198}, {104, 104, 164}, Smoothstep(farRidge, farRidge + 50, y)), Smoothstep(farRidge - 1, farRidge + 1, y));
    const double nearRidge = 184 + 14 * std::sin(x * 0.019) + 5 * std::sin(x * 0.061);
    c = Mix(c, Mix({128, 190, 80}, {56, 128, 60}, Smoothstep(nearRidge, nearRidge + 70, y)), Smoothstep(nearRidge - 1, nearRidge + 1, y));
    const double meadow = 232 + 8 * std::sin(x * 0.031 + 1);
    c = Mix(c, Mix({170, 204, 84}, {96, 160, 56}, Smoothstep(meadow, kTextureHeight, y)), Smoothstep(meadow - 1, meadow + 1, y));

    for (const Blob& flower : flowers) {
        const double d = Length(Point{x, y} - flower.centre);
        c = Mix(c, flower.colour, 1 - Smoothstep(flower.radius * 0.6, flower.radius, d));
    }
    return c;
}

TPixelBuffer DrawTexture()
{
    const std::vector<Blob> flowers = Flowers();
    TPixelBuffer texture;
    PixCreate24(texture, kTextureWidth, kTextureHeight);
    for (int y = 0; y < kTextureHeight; ++y)
        for (int x = 0; x < kTextureWidth; ++x)
            PixSetPixel(texture, x, y, Packed(TextureColour(x + 0.5, y + 0.5, flowers)));
    return texture;
}

// ---------------------------------------------------------------------------------------------
// The choice pictures: 50 x 50 on white, outlined in dark ink

constexpr int kChoiceSize = 50;
const uint32_t kKey = MakeColour(255, 255, 255);
const uint32_t kInk = MakeColour(40, 44, 60);
const uint32_t kPieceColours[] = {MakeColour(238, 106, 90),  MakeColour(252, 192, 64),  MakeColour(104, 186, 104),
                                  MakeColour(84, 156, 224),  MakeColour(176, 126, 214), MakeColour(246, 146, 64),
                                  MakeColour(72, 196, 186),  MakeColour(230, 120, 170), MakeColour(150, 200, 80)};

TPixelBuffer Sheet(int pictures)
{
    TPixelBuffer sheet;
    PixCreate24(sheet, pictures * (kChoiceSize + 1) - 1, kChoiceSize);
    PixFillRect(sheet, 0, 0, sheet.width, sheet.height, kKey);
    return sheet;
}

// A piece of a choice picture. At these sizes a pinched neck vanishes between the pixels, so a
// small piece is a square with a round knob added or cut out at the middle of each side.
struct SmallPiece {
    int knobs[4];  // top, right, bottom, left: 1 out, -1 in, 0 a straight edge of the picture
};

bool InsideSmallPiece(const SmallPiece& piece, Point p)
{
    const Point outward[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    const double knobRadius = 0.2, knobOffset = 0.1;  // the knob's centre beyond the side, or inside it
    bool inside = std::abs(p.x) <= 0.5 && std::abs(p.y) <= 0.5;
    for (int s = 0; s < 4; ++s)
        if (piece.knobs[s] != 0 && Length(p - outward[s] * (0.5 + knobOffset * piece.knobs[s])) <= knobRadius)
            inside = piece.knobs[s] > 0;
    return inside;
}

// The piece turned by `angle` round `centre`, `body` pixels wide, filled and ringed in ink.
void DrawSmallPiece(TPixelBuffer& buffer, const SmallPiece& piece, Point centre, double angle, double body, uint32_t colour)
{
    auto inside = [&](int x, int y) { return InsideSmallPiece(piece, Rotated(Point{x + 0.5, y + 0.5} - centre, -angle) * (1 / body)); };
    const int reach = int(body);
    for (int y = int(centre.y) - reach; y <= int(centre.y) + reach; ++y)
        for (int x = int(centre.x) - reach; x <= int(centre.x) + reach; ++x) {
            if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height)
                continue;  // a turned piece may reach past the sheet
            if (inside(x, y))
                PixSetPixel(buffer, x, y, colour);
            else if (inside(x - 1, y) || inside(x + 1, y) || inside(x, y - 1) || inside(x, y + 1))
                PixSetPixel(buffer, x, y, kInk);
        }
}

// The landscape of the texture, shrunk into the rectangle and cut into columns x rows pieces.
void DrawCutPicture(TPixelBuffer& buffer, int left, int top, int width, int height, int columns, int rows)
{
    TPixelBuffer texture = DrawTexture(), picture;
    PixCreate24(picture, width, height);
    PixScale(picture, texture);
    PixCopyRect(buffer, left, top, width, height, picture, 0, 0);

    const uint32_t cut = MakeColour(70, 72, 88);
    const double cellWidth = double(width) / columns, cellHeight = double(height) / rows;
    auto cutLine = [&](Point from, Point to, bool out) {
        const Point along = to - from, outward{along.y, -along.x};
        Outline line;
        for (Point p : SideOutline(out ? Out(0.28, 0.3) : In(0.28, 0.3)))
            line.push_back(from + along * p.x + outward * p.y);
        line.push_back(to);
        for (size_t i = 0; i + 1 < line.size(); ++i)
            PixLine(buffer, int(line[i].x), int(line[i].y), int(line[i + 1].x), int(line[i + 1].y), cut);
    };
    for (int c = 1; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            const double x = left + c * cellWidth;
            cutLine({x, top + r * cellHeight}, {x, top + (r + 1) * cellHeight}, (c + r) % 2 == 0);
        }
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const double y = top + r * cellHeight;
            cutLine({left + c * cellWidth, y}, {left + (c + 1) * cellWidth, y}, (c + r) % 2 == 1);
        }
    PixFrameRect(buffer, left - 1, top - 1, width + 2, height + 2, kInk);
}

TPixelBuffer DrawBorders()
{
    TPixelBuffer sheet = Sheet(2);
    DrawCutPicture(sheet, 5, 10, 40, 30, 3, 2);

    // The frame: one wooden band round a smaller copy of the picture, lit from the top left.
    const int x = kChoiceSize + 1 + 3, y = 7, width = 44, height = 36, band = 6;
    PixFillRect(sheet, x, y, width, height, MakeColour(188, 136, 80));
    PixFillRect(sheet, x + 1, y + 1, width - 2, 2, MakeColour(226, 184, 126));
    PixFillRect(sheet, x + 1, y + 1, 2, height - 2, MakeColour(226, 184, 126));
    PixFillRect(sheet, x + 1, y + height - 3, width - 2, 2, MakeColour(146, 98, 52));
    PixFillRect(sheet, x + width - 3, y + 1, 2, height - 2, MakeColour(146, 98, 52));
    PixFrameRect(sheet, x, y, width, height, kInk);
    DrawCutPicture(sheet, x + band, y + band, width - 2 * band, height - 2 * band, 3, 2);
    return sheet;
}

TPixelBuffer DrawMix()
{
    TPixelBuffer sheet = Sheet(2);
    struct Placing {
        Point centre;
        double angle;
        SmallPiece piece;
    };
    const Placing heap[] = {{{17, 16}, 0.1, {1, -1, 1, 0}},   {{32, 14}, -0.15, {-1, 1, 0, -1}},
                            {{37, 30}, 0.12, {1, 1, -1, -1}}, {{13, 31}, -0.1, {0, -1, 1, 1}},
                            {{25, 24}, 0, {-1, 1, 1, -1}},    {{24, 38}, 0.15, {1, -1, 0, 1}},
                            {{38, 41}, -0.1, {-1, 0, 1, 1}}};
    int colour = 0;
    for (const Placing& p : heap)
        DrawSmallPiece(sheet, p.piece, p.centre, p.angle, 12, kPieceColours[colour++]);

    // Three rows of three, each piece fitting its neighbours, the outer ones with straight edges.
    // A piece's knob below (to its right) goes out where row + column is even (odd), and the
    // neighbour there takes it in.
    auto below = [](int row, int column) { return (row + column) % 2 == 0 ? 1 : -1; };
    auto right = [&below](int row, int column) { return -below(row, column); };
    colour = 0;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const SmallPiece piece{{row == 0 ? 0 : -below(row - 1, column), column == 2 ? 0 : right(row, column),
                                    row == 2 ? 0 : below(row, column), column == 0 ? 0 : -right(row, column - 1)}};
            const Point centre{kChoiceSize + 1 + 9.0 + column * 16, 9.0 + row * 16};
            DrawSmallPiece(sheet, piece, centre, 0, 10, kPieceColours[colour++]);
        }
    return sheet;
}

// A thick arc of radius `radius` round `centre` from angle `from` to `to` (clockwise as they
// grow), ending in an arrowhead.
void DrawTurningArrow(TPixelBuffer& buffer, Point centre, double radius, double from, double to, uint32_t colour)
{
    const double half = 1.6, headHalf = 4.5, headLength = 6 / radius;
    Outline arc;
    for (int i = 0; i <= 40; ++i)
        arc.push_back(centre + Rotated({radius + half, 0}, from + (to - from) * i / 40));
    for (int i = 40; i >= 0; --i)
        arc.push_back(centre + Rotated({radius - half, 0}, from + (to - from) * i / 40));
    FillOutline(buffer, arc, colour);
    const Outline head{centre + Rotated({radius + headHalf, 0}, to), centre + Rotated({radius, 0}, to + headLength),
                       centre + Rotated({radius - headHalf, 0}, to)};
    FillOutline(buffer, head, colour);
}

TPixelBuffer DrawRotation()
{
    TPixelBuffer picture = Sheet(1);
    const Point centre{25, 25};
    DrawTurningArrow(picture, centre, 20, kPi * 0.85, kPi * 2.45, MakeColour(52, 116, 210));
    DrawSmallPiece(picture, {1, -1, 1, -1}, centre, 0.35, 20, kPieceColours[0]);
    return picture;
}

// An arrow at 45 degrees, `length` pixels long, whose tip (tipX, tipY) points the way of
// (stepX, stepY), each of them 1 or -1: a two-pixel shaft and a solid right-angled head.
void DrawCornerArrow(TPixelBuffer& buffer, int tipX, int tipY, int stepX, int stepY, int length, uint32_t colour)
{
    for (int i = 0; i < length; ++i) {
        PixSetPixel(buffer, tipX - i * stepX, tipY - i * stepY, colour);
        PixSetPixel(buffer, tipX - (i + 1) * stepX, tipY - i * stepY, colour);
    }
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 5 - j; ++i)
            PixSetPixel(buffer, tipX - i * stepX, tipY - j * stepY, colour);
}

TPixelBuffer DrawFit()
{
    TPixelBuffer picture = Sheet(1);
    // The screen: a dark bezel on a stand, with a pale screen inside.
    const uint32_t bezel = MakeColour(64, 70, 88);
    PixFillRect(picture, 1, 3, 48, 34, bezel);
    PixFillRect(picture, 4, 6, 42, 28, MakeColour(222, 232, 244));
    PixFillRect(picture, 21, 37, 8, 4, bezel);
    PixFillRect(picture, 14, 41, 22, 3, bezel);
    // The picture in the middle, and arrows from its corners out to the screen's corners.
    DrawCutPicture(picture, 18, 15, 14, 10, 1, 1);
    const uint32_t arrow = MakeColour(232, 108, 40);
    DrawCornerArrow(picture, 7, 7, -1, -1, 8, arrow);
    DrawCornerArrow(picture, 42, 7, 1, -1, 8, arrow);
    DrawCornerArrow(picture, 7, 32, -1, 1, 8, arrow);
    DrawCornerArrow(picture, 42, 32, 1, 1, 8, arrow);
    return picture;
}

// A small blue disk with a metal shutter and a white label.
TPixelBuffer DrawSaveIcon()
{
    TPixelBuffer icon;
    PixCreate24(icon, 16, 16);
    PixFillRect(icon, 0, 0, 16, 16, MakeColour(255, 255, 255));
    const uint32_t navy = MakeColour(26, 50, 112);
    FillOutline(icon, {{0, 0}, {13, 0}, {16, 3}, {16, 16}, {0, 16}}, navy);
    FillOutline(icon, {{1, 1}, {12.6, 1}, {15, 3.4}, {15, 15}, {1, 15}}, MakeColour(60, 118, 214));
    PixFillRect(icon, 4, 1, 8, 5, MakeColour(206, 212, 222));
    PixFillRect(icon, 9, 2, 2, 3, navy);
    PixFillRect(icon, 3, 8, 10, 7, MakeColour(250, 250, 250));
    PixFillRect(icon, 5, 10, 6, 1, MakeColour(150, 172, 220));
    PixFillRect(icon, 5, 12, 6, 1, MakeColour(150, 172, 220));
    return icon;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* tool = "kirvo-browser-art";
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", tool);
        return 2;
    }
    std::string folder = std::string(argv[1]) + "/";
    const bool written = WritePng(tool, folder + "browser-shapes.png", DrawShapeStrip())
                && WritePng(tool, folder + "browser-sample-texture.png", DrawTexture())
                && WritePng(tool, folder + "browser-borders.png", DrawBorders())
                && WritePng(tool, folder + "browser-mix.png", DrawMix())
                && WritePng(tool, folder + "browser-rotation.png", DrawRotation())
                && WritePng(tool, folder + "browser-fit.png", DrawFit())
                && WritePng(tool, folder + "save-icon.png", DrawSaveIcon());
    return written ? 0 : 1;
}
