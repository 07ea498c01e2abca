#include "shell/FieldScale.h"

#include <cmath>

namespace kirvo {

namespace {

// A point Qt gave for a pixel's corner may come back a hair short of it once multiplied.
constexpr double kSlack = 1e-6;

int Down(double value) { return int(std::floor(value + kSlack)); }
int Up(double value) { return int(std::ceil(value - kSlack)); }

}  // namespace

int FieldScale::Pixels(int points) const
{
    return int(std::lround(points * ratio_));
}

WindowSize FieldScale::Pixels(WindowSize points) const
{
    return {Pixels(points.width), Pixels(points.height)};
}

WindowSize FieldScale::Points(WindowSize pixels) const
{
    return {int(std::lround(pixels.width / ratio_)), int(std::lround(pixels.height / ratio_))};
}

QPoint FieldScale::PixelAt(QPointF point) const
{
    return {Down(point.x() * ratio_), Down(point.y() * ratio_)};
}

QPointF FieldScale::PointOf(QPoint pixel) const
{
    return {pixel.x() / ratio_, pixel.y() / ratio_};
}

QRect FieldScale::PixelsCovering(const QRect& points) const
{
    const QPoint topLeft(Down(points.left() * ratio_), Down(points.top() * ratio_));
    const QPoint end(Up((points.right() + 1) * ratio_), Up((points.bottom() + 1) * ratio_));
    return {topLeft, end - QPoint(1, 1)};
}

QRect FieldScale::PointsCovering(const QRect& pixels) const
{
    const QPoint topLeft(Down(pixels.left() / ratio_), Down(pixels.top() / ratio_));
    const QPoint end(Up((pixels.right() + 1) / ratio_), Up((pixels.bottom() + 1) / ratio_));
    return {topLeft, end - QPoint(1, 1)};
}

}  // namespace kirvo
