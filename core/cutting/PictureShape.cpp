#include "cutting/PictureShape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "base/Rounding.h"

namespace kirvo {

namespace {

constexpr double kMaxCorner = 100000;

bool HasColour(Emr type)
{
    switch (type) {
    case Emr::SetPixel:
    case Emr::SetTextColour:
    case Emr::SetBackgroundColour:
    case Emr::CreatePen:
    case Emr::CreateBrush:
    case Emr::ExtFloodFill:
    case Emr::ExtCreatePen: return true;
    default: return false;
    }
}

bool HasMovingPoints(Emr type)
{
    switch (type) {
    case Emr::PolyBezier:
    case Emr::Polygon:
    case Emr::Polyline:
    case Emr::PolyBezierTo:
    case Emr::PolyBezier16:
    case Emr::Polygon16:
    case Emr::Polyline16:
    case Emr::PolyBezierTo16:
    case Emr::MoveTo:
    case Emr::LineTo: return true;
    default: return false;
    }
}

int32_t Saturate32(double value)
{
    return int32_t(std::clamp<double>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

template <typename Move>
void MovePoints(Metafile& shape, Move move)
{
    for (size_t i = 1; i < shape.recordOffsets.size(); ++i) {
        if (!HasMovingPoints(RecordType(shape, i)))
            continue;
        MetafileRecord record = ReadMetafileRecord(shape, i);
        for (MetafilePoint& point : record.points)
            point = move(point);
        WriteMetafileRecord(shape, i, record);
    }
}

MetafileSize ShapeSize(const Metafile& shape)
{
    MetafileRect bounds = ReadMetafileHeader(shape).bounds;
    return {Saturate32(double(bounds.right) - bounds.left), Saturate32(double(bounds.bottom) - bounds.top)};
}

void SetShapeSize(Metafile& shape, MetafileSize size)
{
    SetMetafileExtent(shape, {0, 0, size.width, size.height},
                      {0, 0, PixelsToHundredthsMm(size.width), PixelsToHundredthsMm(size.height)});
}

}  // namespace

void RecolourShape(Metafile& shape, uint32_t colour)
{
    for (size_t i = 1; i < shape.recordOffsets.size(); ++i) {
        if (!HasColour(RecordType(shape, i)))
            continue;
        MetafileRecord record = ReadMetafileRecord(shape, i);
        record.colour = colour;
        WriteMetafileRecord(shape, i, record);
    }
}

void MirrorShape(Metafile& shape, bool leftToRight, bool topToBottom)
{
    MetafileSize size = ShapeSize(shape);
    MovePoints(shape, [&](MetafilePoint p) {
        if (leftToRight)
            p.x = Saturate32(double(size.width) - p.x - 1);
        if (topToBottom)
            p.y = Saturate32(double(size.height) - p.y - 1);
        return p;
    });
    SetShapeSize(shape, size);
}

MetafileSize RotateShape(Metafile& shape, double degrees)
{
    MetafileSize size = ShapeSize(shape);
    double theta = degrees * std::numbers::pi / 180;
    double cosine = std::cos(theta), sine = std::sin(theta);

    double corners[4][2] = {{0, 0}, {size.width - 1.0, 0}, {0, size.height - 1.0}, {size.width - 1.0, size.height - 1.0}};
    double minX = kMaxCorner, maxX = -kMaxCorner, minY = kMaxCorner, maxY = -kMaxCorner;
    for (auto [x, y] : corners) {
        double turnedX = RoundHalfEven(std::clamp(x * cosine - y * sine, -kMaxCorner, kMaxCorner));
        double turnedY = RoundHalfEven(std::clamp(x * sine + y * cosine, -kMaxCorner, kMaxCorner));
        minX = std::min(minX, turnedX);
        maxX = std::max(maxX, turnedX);
        minY = std::min(minY, turnedY);
        maxY = std::max(maxY, turnedY);
    }
    MetafileSize turned{int32_t(maxX - minX + 1), int32_t(maxY - minY + 1)};

    int32_t cx = size.width / 2, cy = size.height / 2;
    int64_t dx = (int64_t(turned.width) - size.width) / 2, dy = (int64_t(turned.height) - size.height) / 2;
    auto place = [](double value) {
        return RoundHalfEven(std::clamp<double>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    };
    MovePoints(shape, [&](MetafilePoint p) {
        double l = 2.0 * (double(p.x) - cx) + 1;
        double m = 2.0 * (double(p.y) - cy) + 1;
        return MetafilePoint{place((l * cosine - m * sine - 1) / 2 + cx + double(dx)),
                             place((l * sine + m * cosine - 1) / 2 + cy + double(dy))};
    });
    SetShapeSize(shape, turned);
    return turned;
}

}  // namespace kirvo
