// FieldScale: between the field widget's points and the field image's pixels.
//
// The field is composed in the screen's own pixels: on a screen that shows two pixels a point (or
// one and a half) a picture pixel is still one screen pixel and the pieces stay sharp. Qt gives
// the widget's size, mouse positions and repaint rectangles in points; the game counts in pixels.
#pragma once

#include <QPointF>
#include <QRect>

#include "playfield/PlayWindow.h"

namespace kirvo {

class FieldScale {
public:
    explicit FieldScale(double pixelsPerPoint) : ratio_(pixelsPerPoint) {}

    double Ratio() const { return ratio_; }
    // A length, rounded as Qt rounds a window's size to the screen's pixels.
    int Pixels(int points) const;
    WindowSize Pixels(WindowSize points) const;
    WindowSize Points(WindowSize pixels) const;
    // The pixel under a point of the widget.
    QPoint PixelAt(QPointF point) const;
    // Where a pixel's top-left corner lies in points.
    QPointF PointOf(QPoint pixel) const;
    // The pixels a rectangle of points touches, and the points a rectangle of pixels touches:
    // repainting either covers the other whole.
    QRect PixelsCovering(const QRect& points) const;
    QRect PointsCovering(const QRect& pixels) const;

private:
    double ratio_;
};

}  // namespace kirvo
