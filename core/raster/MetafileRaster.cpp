#include "raster/MetafileRaster.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <vector>

namespace kirvo {

namespace {

constexpr double kBezierStepPixels = 2.0;
constexpr double kMaxBezierSteps = 256.0;

struct Point {
    double x = 0;
    double y = 0;
};

struct Figure {
    std::vector<Point> points;
    bool closed = false;
};

// A pen or a brush: whether it draws, and in which colour.
struct Tool {
    bool draws = true;
    uint32_t colour = 0;
};

struct Object {
    bool isPen = false;
    Tool tool;
};

// The stock objects by their index: white, light grey, grey, dark grey, black and null brush,
// then white, black and null pen.
const Object kStockObjects[] = {
    {false, {true, 0xFFFFFF}}, {false, {true, 0xC0C0C0}}, {false, {true, 0x808080}},
    {false, {true, 0x404040}}, {false, {true, 0x000000}}, {false, {false, 0}},
    {true, {true, 0xFFFFFF}},  {true, {true, 0x000000}},  {true, {false, 0}},
};

double Distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The curve from p[0] through controls p[1], p[2] to p[3], without its first point.
void AppendBezier(std::vector<Point>& out, Point p0, Point p1, Point p2, Point p3)
{
    double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
    int steps = int(std::clamp(std::ceil(length / kBezierStepPixels), 1.0, kMaxBezierSteps));
    for (int i = 1; i <= steps; ++i) {
        double t = double(i) / steps;
        double s = 1.0 - t;
        double w0 = s * s * s, w1 = 3 * t * s * s, w2 = 3 * t * t * s, w3 = t * t * t;
        out.push_back({w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x, w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y});
    }
}

// Whole Bezier segments from start through points, three points each; a short tail is dropped.
void AppendBeziers(std::vector<Point>& out, Point start, const std::vector<Point>& points)
{
    for (size_t i = 0; i + 3 <= points.size(); i += 3) {
        AppendBezier(out, start, points[i], points[i + 1], points[i + 2]);
        start = points[i + 2];
    }
}

void PutPixel(TPixelBuffer& buffer, int x, int y, uint32_t colour)
{
    uint8_t* pixel = PixAddress(buffer, x, y);
    pixel[0] = uint8_t(colour >> 16);
    pixel[1] = uint8_t(colour >> 8);
    pixel[2] = uint8_t(colour);
}

// A pixel index for a coordinate, kept to one pixel around the buffer so that it fits an int.
int PixelIndex(double value, int size) { return int(std::clamp(std::floor(value), -1.0, double(size))); }

// The line clipped to one pixel around the buffer (Liang-Barsky), then drawn pixel by pixel:
// clipping first keeps far-off lines from walking millions of pixels outside.
void StrokeLine(TPixelBuffer& buffer, Point a, Point b, uint32_t colour)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    double right = buffer.width + 1.0, bottom = buffer.height + 1.0;
    if (!clip(-dx, a.x + 1) || !clip(dx, right - a.x) || !clip(-dy, a.y + 1) || !clip(dy, bottom - a.y))
        return;
    Point from{a.x + t0 * dx, a.y + t0 * dy};
    Point to{a.x + t1 * dx, a.y + t1 * dy};
    PixLine(buffer, PixelIndex(from.x, buffer.width), PixelIndex(from.y, buffer.height),
            PixelIndex(to.x, buffer.width), PixelIndex(to.y, buffer.height), colour);
}

void StrokeFigure(TPixelBuffer& buffer, const Figure& figure, uint32_t colour)
{
    const std::vector<Point>& p = figure.points;
    for (size_t i = 1; i < p.size(); ++i)
        StrokeLine(buffer, p[i - 1], p[i], colour);
    if (figure.closed && p.size() > 2)
        StrokeLine(buffer, p.back(), p[0], colour);
}

struct Edge {
    double xTop;
    double yTop;
    double yBottom;
    double slope;  // x per y
    int winding;   // +1 downwards, -1 upwards
};

struct Crossing {
    double x;
    int winding;
};

// Pixels whose centres lie in [from, to) on the row.
void FillSpan(TPixelBuffer& buffer, int row, double from, double to, uint32_t colour)
{
    int first = int(std::clamp(std::ceil(from - 0.5), 0.0, double(buffer.width)));
    int end = int(std::clamp(std::ceil(to - 0.5), 0.0, double(buffer.width)));
    for (int x = first; x < end; ++x)
        PutPixel(buffer, x, row, colour);
}

// Scan-line fill of the figures, each closed, row by row through the pixel centres; an edge
// covers the rows whose centres lie in [yTop, yBottom).
void FillFigures(TPixelBuffer& buffer, const std::vector<Figure>& figures, uint32_t colour)
{
    std::vector<Edge> edges;
    for (const Figure& figure : figures) {
        const std::vector<Point>& p = figure.points;
        for (size_t i = 0; i < p.size(); ++i) {
            Point a = p[i], b = p[(i + 1) % p.size()];
            if (a.y == b.y)
                continue;
            int winding = a.y < b.y ? 1 : -1;
            if (winding < 0)
                std::swap(a, b);
            edges.push_back({a.x, a.y, b.y, (b.x - a.x) / (b.y - a.y), winding});
        }
    }
    if (edges.empty())
        return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    double yBottom = std::max_element(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
                         return a.yBottom < b.yBottom;
                     })->yBottom;
    int firstRow = int(std::clamp(std::ceil(edges.front().yTop - 0.5), 0.0, double(buffer.height)));
    int endRow = int(std::clamp(std::ceil(yBottom - 0.5), 0.0, double(buffer.height)));

    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    size_t next = 0;
    for (int row = firstRow; row < endRow; ++row) {
        double centre = row + 0.5;
        while (next < edges.size() && edges[next].yTop <= centre)
            active.push_back(&edges[next++]);
        std::erase_if(active, [centre](const Edge* e) { return e->yBottom <= centre; });
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back({e->xTop + (centre - e->yTop) * e->slope, e->winding});
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += crossings[k].winding;
            if (winding != 0)
                FillSpan(buffer, row, crossings[k].x, crossings[k + 1].x, colour);
        }
    }
}

// Plays the records one by one, keeping the pen, the brush, the object slots, the current
// position and the path being built.
class Player {
public:
    Player(TPixelBuffer& buffer, const MetafileRect& bounds, int x, int y, int w, int h)
        : buffer_(buffer),
          scaleX_(w / (double(bounds.right) - bounds.left)),
          scaleY_(h / (double(bounds.bottom) - bounds.top)),
          originX_(x - bounds.left * scaleX_),
          originY_(y - bounds.top * scaleY_)
    {
    }

    void Play(const MetafileRecord& record);

private:
    Point Map(MetafilePoint p) const { return {originX_ + p.x * scaleX_, originY_ + p.y * scaleY_}; }
    std::vector<Point> Mapped(const MetafileRecord& record) const;
    // The figure that a line-to or Bezier-to in the path continues: a new one from the current
    // position when the last one is closed.
    Figure& OpenFigure();
    void Draw(Figure figure, bool filled);
    void Select(uint32_t handle);
    void FinishPath(bool fill, bool stroke);

    TPixelBuffer& buffer_;
    double scaleX_, scaleY_, originX_, originY_;
    Tool pen_{true, 0x000000};
    Tool brush_{true, 0xFFFFFF};
    std::map<uint32_t, Object> objects_;
    Point current_;
    bool inPath_ = false;
    std::vector<Figure> path_;
};

std::vector<Point> Player::Mapped(const MetafileRecord& record) const
{
    std::vector<Point> points;
    points.reserve(record.points.size());
    for (MetafilePoint p : record.points)
        points.push_back(Map(p));
    return points;
}

Figure& Player::OpenFigure()
{
    if (path_.empty() || path_.back().closed)
        path_.push_back({{current_}});
    return path_.back();
}

// A figure outside a path is drawn at once; inside one it joins the path. A poly record of no
// points adds nothing.
void Player::Draw(Figure figure, bool filled)
{
    if (figure.points.empty())
        return;
    if (inPath_)
        path_.push_back(std::move(figure));
    else if (filled && brush_.draws)
        FillFigures(buffer_, {std::move(figure)}, brush_.colour);
    else if (!filled && pen_.draws)
        StrokeFigure(buffer_, figure, pen_.colour);
}

void Player::Select(uint32_t handle)
{
    const Object* object = nullptr;
    if (handle & kStockObject) {
        uint32_t index = handle & ~kStockObject;
        if (index < std::size(kStockObjects))
            object = &kStockObjects[index];
    } else if (auto found = objects_.find(handle); found != objects_.end()) {
        object = &found->second;
    }
    if (object)
        (object->isPen ? pen_ : brush_) = object->tool;
}

void Player::FinishPath(bool fill, bool stroke)
{
    inPath_ = false;
    if (fill && brush_.draws)
        FillFigures(buffer_, path_, brush_.colour);
    if (stroke && pen_.draws)
        for (const Figure& figure : path_)
            StrokeFigure(buffer_, figure, pen_.colour);
    path_.clear();
}

void Player::Play(const MetafileRecord& record)
{
    switch (record.type) {
    case Emr::Polygon:
    case Emr::Polygon16: Draw({Mapped(record), true}, true); break;
    case Emr::Polyline:
    case Emr::Polyline16: Draw({Mapped(record), false}, false); break;
    case Emr::PolyBezier:
    case Emr::PolyBezier16: {
        std::vector<Point> points = Mapped(record);
        if (points.empty())
            break;
        Figure figure{{points[0]}};
        AppendBeziers(figure.points, points[0], {points.begin() + 1, points.end()});
        Draw(std::move(figure), false);
        break;
    }
    case Emr::PolyBezierTo:
    case Emr::PolyBezierTo16: {
        std::vector<Point> points = Mapped(record);
        if (points.size() < 3)
            break;
        if (inPath_) {
            AppendBeziers(OpenFigure().points, current_, points);
        } else {
            Figure figure{{current_}};
            AppendBeziers(figure.points, current_, points);
            Draw(std::move(figure), false);
        }
        current_ = points[points.size() / 3 * 3 - 1];
        break;
    }
    case Emr::MoveTo:
        current_ = Map(record.points[0]);
        if (inPath_)
            path_.push_back({{current_}});
        break;
    case Emr::LineTo: {
        Point to = Map(record.points[0]);
        if (inPath_)
            OpenFigure().points.push_back(to);
        else
            Draw({{current_, to}}, false);
        current_ = to;
        break;
    }
    case Emr::CloseFigure:
        if (inPath_ && !path_.empty()) {
            path_.back().closed = true;
            current_ = path_.back().points[0];
        }
        break;
    case Emr::SetPixel: {
        Point p = Map(record.points[0]);
        int px = PixelIndex(p.x, buffer_.width), py = PixelIndex(p.y, buffer_.height);
        if (px >= 0 && py >= 0 && px < buffer_.width && py < buffer_.height)
            PutPixel(buffer_, px, py, record.colour);
        break;
    }
    case Emr::CreatePen:
    case Emr::ExtCreatePen: objects_[record.handle] = {true, {(record.style & 0xF) != kNullPenStyle, record.colour}}; break;
    case Emr::CreateBrush: objects_[record.handle] = {false, {record.style != kNullBrushStyle, record.colour}}; break;
    case Emr::SelectObject: Select(record.handle); break;
    case Emr::DeleteObject: objects_.erase(record.handle); break;
    case Emr::BeginPath:
        inPath_ = true;
        path_.clear();
        break;
    case Emr::EndPath: inPath_ = false; break;
    case Emr::FillPath: FinishPath(true, false); break;
    case Emr::StrokeAndFillPath: FinishPath(true, true); break;
    case Emr::StrokePath: FinishPath(false, true); break;
    default: break;
    }
}

}  // namespace

void DrawMetafile(TPixelBuffer& buffer, const Metafile& metafile, int x, int y, int w, int h)
{
    MetafileRect bounds = ReadMetafileHeader(metafile).bounds;
    if (buffer.width == 0 || w <= 0 || h <= 0 || bounds.right <= bounds.left || bounds.bottom <= bounds.top)
        return;
    Player player(buffer, bounds, x, y, w, h);
    for (size_t i = 1; i < metafile.recordOffsets.size(); ++i)
        player.Play(ReadMetafileRecord(metafile, i));
}

}  // namespace kirvo
