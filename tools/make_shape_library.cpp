// kirvo-shape-library FILE [--sheet PNG]: draws the picture shapes of the artistic cut as closed
// Bezier paths and writes them as the shape library FILE (pic_kirvo.dat). With --sheet it also
// draws every shape large, small and turned by 30 degrees into a contact sheet, for looking them
// over.
//
// Shapes are unions of figures: ellipses, straight-sided polygons, smooth closed curves through
// points and thick curved strokes. Every figure is turned to run the same way round, so the
// nonzero fill of the drawing gives their union. Each shape is moved to start one pixel from its
// top left corner; its design size is its extent plus that pixel on each side.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "cutting/PictureShape.h"
#include "cutting/ShapeLibrary.h"
#include "raster/Metafile.h"
#include "raster/MetafileRaster.h"
#include "PngFile.h"

namespace {

using namespace kirvo;

constexpr const char* kTool = "kirvo-shape-library";

struct P {
    double x = 0;
    double y = 0;
};

P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
P operator*(P a, double k) { return {a.x * k, a.y * k}; }

// A closed figure of cubic segments: its first point, then two control points and an end point
// per segment; the last end point is the first point.
using Figure = std::vector<P>;

// A point of a smooth curve; the curve turns sharply at a corner.
struct Knot {
    double x = 0;
    double y = 0;
    bool corner = false;
};

struct Design {
    const char* name;
    bool mayMirrorTopToBottom;
    bool mayMirrorLeftToRight;
    std::vector<Figure> figures;
};

P Turn(P p, P centre, double degrees)
{
    double a = degrees * std::numbers::pi / 180;
    P d = p - centre;
    return {centre.x + d.x * std::cos(a) - d.y * std::sin(a), centre.y + d.x * std::sin(a) + d.y * std::cos(a)};
}

Figure Ellipse(double cx, double cy, double rx, double ry, double degrees = 0)
{
    constexpr double k = 0.5523;  // control distance of a quarter circle
    Figure f = {{cx + rx, cy},
                {cx + rx, cy + k * ry}, {cx + k * rx, cy + ry}, {cx, cy + ry},
                {cx - k * rx, cy + ry}, {cx - rx, cy + k * ry}, {cx - rx, cy},
                {cx - rx, cy - k * ry}, {cx - k * rx, cy - ry}, {cx, cy - ry},
                {cx + k * rx, cy - ry}, {cx + rx, cy - k * ry}, {cx + rx, cy}};
    for (P& p : f)
        p = Turn(p, {cx, cy}, degrees);
    return f;
}

Figure Circle(double cx, double cy, double r) { return Ellipse(cx, cy, r, r); }

// Straight sides: each control point a third of the way along its side.
Figure Polygon(const std::vector<P>& corners)
{
    Figure f = {corners[0]};
    for (size_t i = 0; i < corners.size(); ++i) {
        P a = corners[i], b = corners[(i + 1) % corners.size()];
        f.insert(f.end(), {a + (b - a) * (1.0 / 3), a + (b - a) * (2.0 / 3), b});
    }
    return f;
}

Figure Rect(double left, double top, double right, double bottom)
{
    return Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

// A closed Catmull-Rom curve through the knots, with no tangent at the corners.
Figure Smooth(const std::vector<Knot>& knots)
{
    size_t n = knots.size();
    auto at = [&](size_t i) { return P{knots[i % n].x, knots[i % n].y}; };
    auto tangent = [&](size_t i) { return knots[i % n].corner ? P{} : (at(i + 1) - at(i + n - 1)) * 0.5; };
    Figure f = {at(0)};
    for (size_t i = 0; i < n; ++i)
        f.insert(f.end(), {at(i) + tangent(i) * (1.0 / 3), at(i + 1) - tangent(i + 1) * (1.0 / 3), at(i + 1)});
    return f;
}

// A stroke of the given width along a smooth line through the points, with round ends.
Figure Thick(const std::vector<P>& line, double width)
{
    size_t n = line.size();
    std::vector<P> direction(n);
    for (size_t i = 0; i < n; ++i) {
        P d = line[std::min(i + 1, n - 1)] - line[i == 0 ? 0 : i - 1];
        direction[i] = d * (1 / std::hypot(d.x, d.y));
    }
    double half = width / 2;
    std::vector<Knot> knots;
    for (size_t i = 0; i < n; ++i) {
        P side = line[i] + P{-direction[i].y, direction[i].x} * half;
        knots.push_back({side.x, side.y});
    }
    P tip = line[n - 1] + direction[n - 1] * half;
    knots.push_back({tip.x, tip.y});
    for (size_t i = n; i-- > 0;) {
        P side = line[i] - P{-direction[i].y, direction[i].x} * half;
        knots.push_back({side.x, side.y});
    }
    P tail = line[0] - direction[0] * half;
    knots.push_back({tail.x, tail.y});
    return Smooth(knots);
}

std::vector<P> StarCorners(double cx, double cy, double outer, double inner, int points)
{
    std::vector<P> corners;
    for (int i = 0; i < 2 * points; ++i) {
        double a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        double r = i % 2 == 0 ? outer : inner;
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return corners;
}

std::vector<Design> Designs()
{
    std::vector<Design> d;
    d.push_back({"cat", false, true, {
        Ellipse(40, 30, 21, 18), Polygon({{21, 26}, {22, 2}, {38, 15}}), Polygon({{42, 15}, {58, 2}, {59, 26}}),
        Smooth({{28, 40}, {17, 62}, {13, 86}, {20, 98, true}, {60, 98, true}, {67, 86}, {63, 62}, {52, 40}}),
        Thick({{60, 93}, {80, 90}, {90, 74}, {84, 56}}, 13)}});
    d.push_back({"fish", false, true, {
        Ellipse(42, 40, 36, 22), Polygon({{68, 40}, {98, 16}, {90, 40}, {98, 64}}),
        Polygon({{28, 22}, {46, 5}, {58, 24}}), Polygon({{38, 56}, {50, 70}, {58, 56}})}});
    d.push_back({"bird", false, true, {
        Ellipse(46, 52, 30, 19, -15), Circle(74, 30, 15), Polygon({{84, 24}, {100, 31}, {84, 37}}),
        Polygon({{24, 52}, {2, 68}, {10, 80}, {32, 64}}), Polygon({{44, 68}, {40, 84}, {54, 84}, {56, 68}})}});
    d.push_back({"rabbit", false, true, {
        Ellipse(44, 70, 30, 25), Ellipse(70, 42, 17, 15), Ellipse(64, 15, 7, 17, -14), Ellipse(79, 16, 7, 17, 16),
        Circle(14, 68, 10), Ellipse(68, 93, 13, 6)}});
    d.push_back({"snail", false, true, {
        Circle(42, 42, 31),
        Smooth({{4, 88, true}, {12, 74}, {70, 72}, {80, 56}, {94, 54}, {100, 66}, {96, 88, true}}),
        Thick({{84, 60}, {84, 44}, {80, 34}}, 12), Thick({{92, 60}, {96, 46}, {98, 38}}, 12)}});
    {
        // Each pair of wings is one outline, with a wide notch between the upper and the lower wing.
        std::vector<Knot> left = {{48, 30}, {28, 12}, {6, 12}, {4, 34}, {24, 52, true}, {8, 72}, {20, 94}, {40, 90}, {48, 66}};
        std::vector<Knot> right;
        for (size_t i = left.size(); i-- > 0;)
            right.push_back({100 - left[i].x, left[i].y, left[i].corner});
        d.push_back({"butterfly", false, true, {
            Smooth(left), Smooth(right), Ellipse(50, 52, 7, 33), Thick({{48, 28}, {47, 12}, {43, 3}}, 11),
            Thick({{52, 28}, {53, 12}, {57, 3}}, 11)}});
    }
    d.push_back({"duck", false, true, {
        Smooth({{6, 56}, {22, 50}, {56, 52}, {90, 42}, {92, 62}, {78, 88}, {34, 94}, {12, 82}}),
        Smooth({{66, 16}, {80, 21}, {86, 30}, {99, 34, true}, {97, 41}, {84, 44}, {78, 50}, {66, 52}, {52, 46}, {48, 34},
                {53, 22}})}});
    d.push_back({"elephant", false, true, {
        Ellipse(48, 48, 36, 27), Circle(84, 38, 19), Ellipse(72, 40, 13, 18),
        Thick({{96, 44}, {102, 64}, {100, 82}, {92, 92}}, 14), Rect(20, 56, 36, 96), Rect(58, 56, 74, 96)}});
    d.push_back({"turtle", false, true, {
        Smooth({{8, 66, true}, {18, 32}, {50, 18}, {82, 32}, {92, 66, true}}), Ellipse(100, 56, 12, 10),
        Rect(18, 60, 32, 80), Rect(66, 60, 80, 80), Polygon({{10, 56}, {0, 66}, {12, 66}})}});
    d.push_back({"leaf", true, true, {
        Smooth({{12, 88, true}, {16, 56}, {40, 26}, {96, 6, true}, {76, 52}, {46, 80}}),
        Thick({{18, 84}, {6, 98}}, 11)}});
    d.push_back({"tree", false, true, {
        Circle(50, 30, 27), Circle(27, 47, 21), Circle(73, 47, 21), Circle(50, 54, 22),
        Polygon({{42, 64}, {58, 64}, {63, 100}, {37, 100}})}});
    {
        Design flower{"flower", false, true, {Circle(50, 34, 19)}};
        for (int i = 0; i < 6; ++i) {
            double a = i * 60.0 - 90;
            double r = a * std::numbers::pi / 180;
            flower.figures.push_back(Ellipse(50 + 20 * std::cos(r), 34 + 20 * std::sin(r), 16, 9, a));
        }
        flower.figures.push_back(Thick({{50, 50}, {53, 76}, {50, 100}}, 12));
        flower.figures.push_back(Ellipse(66, 80, 15, 7, -30));
        d.push_back(flower);
    }
    d.push_back({"mushroom", false, true, {
        Smooth({{4, 54, true}, {10, 24}, {50, 4}, {90, 24}, {96, 54, true}}),
        Smooth({{34, 50, true}, {66, 50, true}, {70, 80}, {66, 98, true}, {34, 98, true}, {30, 80}})}});
    d.push_back({"apple", false, true, {
        Smooth({{50, 24, true}, {72, 16}, {94, 34}, {92, 70}, {72, 98}, {50, 92}, {28, 98}, {8, 70}, {6, 34}, {28, 16}}),
        Thick({{50, 26}, {52, 12}, {58, 2}}, 11), Ellipse(70, 6, 13, 6, -20)}});
    d.push_back({"key", true, true, {
        Circle(20, 50, 19), Rect(34, 44, 98, 56), Rect(76, 54, 86, 74), Rect(90, 54, 98, 70)}});
    d.push_back({"cup", false, true, {
        Smooth({{8, 18, true}, {72, 18, true}, {70, 80}, {58, 94, true}, {22, 94, true}, {10, 80}}),
        Smooth({{66, 30}, {88, 30}, {98, 50}, {90, 70}, {66, 76}}), Ellipse(40, 95, 38, 6)}});
    d.push_back({"bell", false, true, {
        Smooth({{50, 8}, {66, 14}, {72, 40}, {80, 68}, {96, 82, true}, {4, 82, true}, {20, 68}, {28, 40}, {34, 14}}),
        Circle(50, 90, 10), Circle(50, 8, 8)}});
    d.push_back({"umbrella", false, true, {
        Smooth({{4, 50, true}, {12, 20}, {50, 4}, {88, 20}, {96, 50, true}, {84, 43}, {73, 50, true}, {62, 43},
                {50, 50, true}, {38, 43}, {27, 50, true}, {16, 43}}),
        Rect(44, 40, 56, 86), Thick({{50, 84}, {48, 96}, {36, 98}, {30, 88}}, 12)}});
    d.push_back({"house", false, true, {
        Rect(14, 46, 86, 98), Polygon({{2, 52}, {50, 6}, {98, 52}}), Rect(66, 12, 80, 36)}});
    d.push_back({"boat", false, true, {
        Polygon({{2, 70}, {98, 70}, {84, 94}, {16, 94}}), Smooth({{54, 2, true}, {82, 36}, {92, 72, true}, {52, 72, true}}),
        Smooth({{52, 24, true}, {52, 72, true}, {14, 72, true}, {30, 50}})}});
    d.push_back({"teapot", false, true, {
        Ellipse(50, 60, 33, 28), Ellipse(50, 31, 19, 7), Circle(50, 21, 8),
        Thick({{78, 68}, {90, 54}, {100, 36}}, 13), Smooth({{22, 42}, {6, 46}, {2, 62}, {10, 78}, {24, 80}}),
        Rect(30, 80, 70, 92)}});
    d.push_back({"heart", false, true, {{
        {50, 88}, {30, 72}, {4, 54}, {4, 30}, {4, 10}, {18, 2}, {29, 2}, {40, 2}, {48, 10}, {50, 20},
        {52, 10}, {60, 2}, {71, 2}, {82, 2}, {96, 10}, {96, 30}, {96, 54}, {70, 72}, {50, 88}}}});
    d.push_back({"star", false, true, {Polygon(StarCorners(50, 52, 50, 24, 5))}});
    d.push_back({"moon", true, true, {{
        {56, 4}, {30.6, 4}, {10, 24.6}, {10, 50}, {10, 75.4}, {30.6, 96}, {56, 96},
        {46, 96}, {36, 75.4}, {36, 50}, {36, 24.6}, {46, 4}, {56, 4}}}});
    d.push_back({"note", false, false, {
        Ellipse(30, 82, 20, 14, -20), Rect(38, 8, 50, 80), Thick({{44, 10}, {64, 24}, {76, 44}, {70, 62}}, 13)}});
    d.push_back({"anchor", false, true, {
        Circle(50, 13, 11), Rect(44, 18, 56, 90), Rect(24, 28, 76, 39),
        Thick({{12, 58}, {20, 80}, {50, 92}, {80, 80}, {88, 58}}, 12),
        Polygon({{2, 66}, {12, 44}, {24, 64}}), Polygon({{98, 66}, {88, 44}, {76, 64}})}});
    d.push_back({"crown", false, true, {
        Polygon({{4, 92}, {4, 28}, {26, 56}, {50, 14}, {74, 56}, {96, 28}, {96, 92}}),
        Circle(6, 24, 7), Circle(50, 10, 7), Circle(94, 24, 7)}});
    d.push_back({"letter K", true, false, {
        Rect(8, 4, 30, 96), Polygon({{24, 56}, {72, 4}, {100, 4}, {44, 64}}), Polygon({{38, 42}, {100, 96}, {72, 96}, {24, 58}})}});
    return d;
}

double SignedArea(const Figure& f)
{
    double area = 0;
    for (size_t i = 0; i + 1 < f.size(); ++i)
        area += f[i].x * f[i + 1].y - f[i + 1].x * f[i].y;
    return area / 2;
}

// The shape's metafile, moved to start a pixel from the top left, and its design size.
Metafile DrawShape(const Design& design)
{
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Figure& f : design.figures)
        for (P p : f) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    MetafileHeader header;
    int width = int(std::ceil(right - left)) + 3;
    int height = int(std::ceil(bottom - top)) + 3;
    header.bounds = {0, 0, width, height};
    header.frame = {0, 0, PixelsToHundredthsMm(width), PixelsToHundredthsMm(height)};
    header.handles = 2;
    header.devicePixels = {1920, 1080};
    header.deviceMillimetres = {508, 286};

    auto place = [&](P p) { return MetafilePoint{int32_t(std::lround(p.x - left + 1)), int32_t(std::lround(p.y - top + 1))}; };
    std::vector<MetafileRecord> records = {{Emr::CreateBrush, {}, 0, 1, 0}, {Emr::SelectObject, {}, 0, 1, 0}, {Emr::BeginPath}};
    for (Figure f : design.figures) {
        if (SignedArea(f) < 0)
            std::reverse(f.begin(), f.end());
        records.push_back({Emr::MoveTo, {place(f[0])}});
        MetafileRecord curves{Emr::PolyBezierTo16};
        for (size_t i = 1; i < f.size(); ++i)
            curves.points.push_back(place(f[i]));
        records.push_back(curves);
        records.push_back({Emr::CloseFigure});
    }
    records.insert(records.end(), {{Emr::EndPath}, {Emr::FillPath}, {Emr::SelectObject, {}, 0, kStockObject, 0},
                                   {Emr::DeleteObject, {}, 0, 1, 0}});
    return EncodeMetafile(header, records);
}

// The largest rectangle of the shape's proportions inside a box, centred in it.
void DrawFitted(TPixelBuffer& sheet, const Metafile& shape, int x, int y, int box, uint32_t colour)
{
    MetafileRect bounds = ReadMetafileHeader(shape).bounds;
    double scale = std::min(double(box) / bounds.right, double(box) / bounds.bottom);
    int w = int(std::lround(bounds.right * scale)), h = int(std::lround(bounds.bottom * scale));
    Metafile coloured = shape;
    RecolourShape(coloured, colour);
    DrawMetafile(sheet, coloured, x + (box - w) / 2, y + (box - h) / 2, w, h);
}

// One cell per shape: large, then small and turned beneath it.
bool WriteSheet(const std::string& path, const std::vector<Metafile>& shapes)
{
    constexpr int kColumns = 7, kCell = 150, kBig = 120, kSmall = 40, kTurned = 60, kCellHeight = kBig + kTurned + 20;
    int rows = int(shapes.size() + kColumns - 1) / kColumns;
    TPixelBuffer sheet;
    PixCreate24(sheet, kColumns * kCell, rows * kCellHeight);
    PixFillRect(sheet, 0, 0, sheet.width, sheet.height, MakeColour(236, 232, 222));
    for (size_t i = 0; i < shapes.size(); ++i) {
        int x = int(i % kColumns) * kCell, y = int(i / kColumns) * kCellHeight;
        PixFrameRect(sheet, x, y, kCell, kCellHeight, MakeColour(200, 196, 186));
        DrawFitted(sheet, shapes[i], x + (kCell - kBig) / 2, y + 6, kBig, MakeColour(40, 44, 60));
        DrawFitted(sheet, shapes[i], x + 14, y + kBig + 16 + (kTurned - kSmall) / 2, kSmall, MakeColour(128, 0, 60));
        Metafile turned = shapes[i];
        RotateShape(turned, 30);
        DrawFitted(sheet, turned, x + kCell - kTurned - 14, y + kBig + 16, kTurned, MakeColour(20, 110, 80));
    }
    return WritePng(kTool, path, sheet);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string sheetPath;
    if (argc == 4 && std::string(argv[2]) == "--sheet")
        sheetPath = argv[3];
    else if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE [--sheet PNG]\n", kTool);
        return 2;
    }
    ShapeLibrary library;
    std::vector<Metafile> shapes;
    for (const Design& design : Designs()) {
        Metafile shape = DrawShape(design);
        MetafileRect bounds = ReadMetafileHeader(shape).bounds;
        library.shapes.push_back({shape.bytes, bounds.right, bounds.bottom, design.mayMirrorTopToBottom,
                                  design.mayMirrorLeftToRight});
        shapes.push_back(std::move(shape));
    }
    if (Result<> written = WriteShapeLibrary(argv[1], library); !written) {
        std::fprintf(stderr, "%s: %s\n", kTool, written.error().c_str());
        return 1;
    }
    if (sheetPath.empty())
        return 0;
    std::printf("%s, row by row:", sheetPath.c_str());
    for (const Design& design : Designs())
        std::printf(" %s", design.name);
    std::printf("\n");
    return WriteSheet(sheetPath, shapes) ? 0 : 1;
}
