#include "raster/MetafileRaster.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const uint32_t kInk = MakeColour(128, 0, 37);

TPixelBuffer WhiteCanvas(int width, int height)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, width, height);
    PixFillRect(canvas, 0, 0, width, height, kWhite);
    return canvas;
}

// A 10 x 10 metafile drawing the records with a solid brush and pen in the ink.
Metafile Drawing(std::vector<MetafileRecord> records, int32_t size = 10)
{
    MetafileHeader header;
    header.bounds = {0, 0, size, size};
    records.insert(records.begin(), {{Emr::CreateBrush, {}, kInk, 1, 0},
                                     {Emr::SelectObject, {}, 0, 1, 0},
                                     {Emr::CreatePen, {}, kInk, 2, 0},
                                     {Emr::SelectObject, {}, 0, 2, 0}});
    return EncodeMetafile(header, records);
}

int CountInk(const TPixelBuffer& canvas)
{
    int inked = 0;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            inked += PixGetPixel(canvas, x, y) == kInk;
    return inked;
}

// Every pixel is the ink exactly or still white.
bool HardEdged(const TPixelBuffer& canvas)
{
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            if (PixGetPixel(canvas, x, y) != kInk && PixGetPixel(canvas, x, y) != kWhite)
                return false;
    return true;
}

const std::vector<MetafilePoint> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(MetafileRaster, ASquareFillsExactlyItsStretchedRectangleClippedToTheBuffer)
{
    struct Case {
        int x, y, w, h;
    } cases[] = {{0, 0, 10, 10}, {5, 4, 23, 11}, {7, 3, 3, 17}, {-6, -4, 20, 12}, {30, 22, 25, 40}, {-50, 0, 200, 30}};
    for (Emr kind : {Emr::Polygon, Emr::Polygon16}) {
        for (const Case& c : cases) {
            TPixelBuffer canvas = WhiteCanvas(40, 30);
            DrawMetafile(canvas, Drawing({{kind, kSquare}}), c.x, c.y, c.w, c.h);
            for (int y = 0; y < canvas.height; ++y)
                for (int x = 0; x < canvas.width; ++x) {
                    bool inside = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
                    ASSERT_EQ(PixGetPixel(canvas, x, y), inside ? kInk : kWhite)
                        << int(kind) << ": rectangle " << c.x << "," << c.y << " " << c.w << "x" << c.h << " at " << x << "," << y;
                }
        }
    }
}

TEST(MetafileRaster, FiguresOfOnePathFillTheirUnionWithHardEdges)
{
    // Two overlapping squares drawn the same way round, and a curved figure: the nonzero rule
    // fills the overlap, where an even-odd fill would leave a hole.
    TPixelBuffer canvas = WhiteCanvas(60, 60);
    DrawMetafile(canvas,
                 Drawing({{Emr::BeginPath},
                          {Emr::Polygon, {{0, 0}, {6, 0}, {6, 6}, {0, 6}}},
                          {Emr::Polygon16, {{3, 3}, {9, 3}, {9, 9}, {3, 9}}},
                          {Emr::MoveTo, {{5, 0}}},
                          {Emr::PolyBezierTo16, {{10, 0}, {10, 5}, {10, 5}}},
                          {Emr::CloseFigure},
                          {Emr::EndPath},
                          {Emr::FillPath}}),
                 0, 0, 60, 60);
    EXPECT_TRUE(HardEdged(canvas));
    EXPECT_EQ(PixGetPixel(canvas, 27, 27), kInk);  // in both squares
    EXPECT_EQ(PixGetPixel(canvas, 57, 2), kWhite);  // beyond the curve's corner
    EXPECT_EQ(PixGetPixel(canvas, 47, 10), kInk);   // between the chord and the curve
    EXPECT_EQ(PixGetPixel(canvas, 2, 57), kWhite);
}

TEST(MetafileRaster, LinesOutsideAPathAreStrokedOnePixelWide)
{
    TPixelBuffer canvas = WhiteCanvas(10, 10);
    DrawMetafile(canvas, Drawing({{Emr::Polyline, {{0, 2}, {9, 2}}}, {Emr::MoveTo, {{4, 0}}}, {Emr::LineTo, {{4, 9}}}}), 0, 0, 10, 10);
    EXPECT_EQ(CountInk(canvas), 19);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(PixGetPixel(canvas, i, 2), kInk);
        EXPECT_EQ(PixGetPixel(canvas, 4, i), kInk);
    }

    // A Bezier curve and a path stroke reach their end points.
    TPixelBuffer curves = WhiteCanvas(10, 10);
    DrawMetafile(curves,
                 Drawing({{Emr::PolyBezier16, {{0, 9}, {0, 0}, {9, 0}, {9, 9}}},
                          {Emr::BeginPath}, {Emr::MoveTo, {{2, 5}}}, {Emr::LineTo, {{7, 5}}}, {Emr::EndPath}, {Emr::StrokePath}}),
                 0, 0, 10, 10);
    EXPECT_TRUE(HardEdged(curves));
    for (auto [x, y] : {std::pair{0, 9}, {9, 9}, {4, 2}, {2, 5}, {7, 5}})
        EXPECT_EQ(PixGetPixel(curves, x, y), kInk) << x << "," << y;
}

TEST(MetafileRaster, NullToolsAndEmptyFiguresDrawNothing)
{
    TPixelBuffer canvas = WhiteCanvas(10, 10);
    DrawMetafile(canvas,
                 Drawing({{Emr::SelectObject, {}, 0, kStockObject | 5, 0},
                          {Emr::SelectObject, {}, 0, kStockObject | 8, 0},
                          {Emr::Polygon, kSquare},
                          {Emr::Polyline, kSquare},
                          {Emr::CreateBrush, {}, kInk, 3, kNullBrushStyle},
                          {Emr::SelectObject, {}, 0, 3, 0},
                          {Emr::Polygon, kSquare}}),
                 0, 0, 10, 10);
    EXPECT_EQ(CountInk(canvas), 0);

    // Poly records without points add no figure for a close-figure to close.
    DrawMetafile(canvas,
                 Drawing({{Emr::BeginPath}, {Emr::Polygon16, {}}, {Emr::CloseFigure}, {Emr::Polyline, {}},
                          {Emr::CloseFigure}, {Emr::EndPath}, {Emr::StrokeAndFillPath}}),
                 0, 0, 10, 10);
    EXPECT_EQ(CountInk(canvas), 0);
}

TEST(MetafileRaster, FarOffCoordinatesAreClippedWithoutWalkingThem)
{
    TPixelBuffer canvas = WhiteCanvas(10, 10);
    const MetafilePoint far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    DrawMetafile(canvas,
                 Drawing({{Emr::Polyline, {far[0], far[1]}},
                          {Emr::Polygon, {{INT_MIN, 0}, {INT_MAX, 0}, {0, INT_MAX}}},
                          {Emr::PolyBezier, {far[0], far[1], far[0], far[1]}}},
                         1),
                 0, 0, 10, 10);
    EXPECT_TRUE(HardEdged(canvas));
    EXPECT_EQ(PixGetPixel(canvas, 9, 9), kInk);
}

}  // namespace
}  // namespace kirvo
