#include "shell/FieldScale.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "raster/PixelImage.h"
#include "shell/FieldWidget.h"
#include "support/GuiApplication.h"

namespace kirvo {
namespace {

constexpr double kRatios[] = {1.0, 1.25, 1.5, 2.0};

// Every pixel is found again from where Qt puts its corner and its middle in points: a click never
// lands on the neighbouring pixel.
TEST(FieldScale, ThePixelUnderAPointIsThePixelItCameFrom)
{
    for (double ratio : kRatios) {
        const FieldScale scale(ratio);
        for (int x = 0; x < 400; ++x) {
            const QPoint pixel(x, 399 - x);
            EXPECT_EQ(scale.PixelAt(scale.PointOf(pixel)), pixel) << ratio;
            EXPECT_EQ(scale.PixelAt(scale.PointOf(pixel) + QPointF(0.5, 0.5) / ratio), pixel) << ratio;
        }
    }
}

TEST(FieldScale, CoveringRectanglesLeaveNoPixelOut)
{
    for (double ratio : kRatios) {
        const FieldScale scale(ratio);
        for (const QRect pixels : {QRect(0, 0, 1, 1), QRect(7, 3, 5, 9), QRect(100, 101, 33, 2)}) {
            const QRect points = scale.PointsCovering(pixels);
            EXPECT_TRUE(scale.PixelsCovering(points).contains(pixels)) << ratio;
            EXPECT_LE(scale.PixelsCovering(points).width(), pixels.width() + 2 * int(ratio) + 1) << ratio;
        }
        EXPECT_EQ(scale.PixelsCovering(QRect(0, 0, 10, 4)), QRect(0, 0, scale.Pixels(10), scale.Pixels(4))) << ratio;
    }
}

TEST(FieldScale, SizesRoundTrip)
{
    const FieldScale scale(1.5);
    EXPECT_EQ(scale.Pixels(WindowSize {1001, 640}), (WindowSize {1502, 960}));
    EXPECT_EQ(scale.Points(WindowSize {1502, 960}), (WindowSize {1001, 640}));
    EXPECT_EQ(FieldScale(2).Points(WindowSize {1001, 641}), (WindowSize {501, 321}));
}

// Painted in odd parts that tile the widget, as repaints come, the screen shows the image pixel for
// pixel: no gap, no seam painted twice from the wrong place, no smoothing.
TEST(FieldScale, PaintedPartsShowTheImagePixelForPixel)
{
    testing::GuiApplication();
    for (double ratio : kRatios) {
        const FieldScale scale(ratio);
        const QSize points(61, 43);
        TPixelBuffer image;
        PixCreate24(image, scale.Pixels(points.width()), scale.Pixels(points.height()));
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                PixSetPixel(image, x, y, MakeColour(x * 7 % 256, y * 13 % 256, (x ^ y) % 2 * 255));
        QImage screen(image.width, image.height, QImage::Format_RGB32);
        screen.fill(Qt::magenta);
        screen.setDevicePixelRatio(ratio);
        {
            QPainter painter(&screen);
            for (int top = 0; top < points.height(); top += 7)
                for (int left = 0; left < points.width(); left += 9)
                    PaintFieldPart(painter, image, QRect(left, top, 9, 7));
        }
        int wrong = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                wrong += screen.pixel(x, y) != PixImage(image).pixel(x, y);
        EXPECT_EQ(wrong, 0) << "at " << ratio;
    }
}

}  // namespace
}  // namespace kirvo
