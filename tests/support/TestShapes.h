// A small shape library for the cut's tests: polygons drawn as filled silhouettes, of other
// aspects and mirror permissions.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "cutting/ShapeLibrary.h"
#include "raster/Metafile.h"

namespace kirvo::testing {

// A shape of the given design size whose one polygon, filled with the selected brush, is points.
inline LibraryShape PolygonShape(int width, int height, std::vector<MetafilePoint> points, bool mirrorLeftToRight,
                                 bool mirrorTopToBottom)
{
    MetafileHeader header;
    header.bounds = {0, 0, width, height};
    header.frame = {0, 0, PixelsToHundredthsMm(width), PixelsToHundredthsMm(height)};
    header.handles = 2;
    const std::vector<MetafileRecord> records = {
        {Emr::CreateBrush, {}, 0, 1, 0},
        {Emr::SelectObject, {}, 0, 1, 0},
        {Emr::Polygon, std::move(points)},
    };
    LibraryShape shape;
    shape.data = EncodeMetafile(header, records).bytes;
    shape.designWidth = width;
    shape.designHeight = height;
    shape.mayMirrorLeftToRight = mirrorLeftToRight;
    shape.mayMirrorTopToBottom = mirrorTopToBottom;
    return shape;
}

// An ellipse filling the design size, as a polygon of 48 corners.
inline LibraryShape EllipseShape(int width, int height)
{
    std::vector<MetafilePoint> points;
    for (int k = 0; k < 48; ++k) {
        const double angle = 2 * std::numbers::pi * k / 48;
        points.push_back({int32_t(std::lround(width / 2.0 + width / 2.0 * std::cos(angle))),
                          int32_t(std::lround(height / 2.0 + height / 2.0 * std::sin(angle)))});
    }
    return PolygonShape(width, height, std::move(points), true, true);
}

// A disc, a wide ellipse, a square and a T that may not be mirrored top to bottom.
inline ShapeLibrary TestShapeLibrary()
{
    ShapeLibrary library;
    library.shapes.push_back(EllipseShape(100, 100));
    library.shapes.push_back(EllipseShape(120, 70));
    library.shapes.push_back(PolygonShape(80, 80, {{0, 0}, {80, 0}, {80, 80}, {0, 80}}, true, true));
    library.shapes.push_back(
        PolygonShape(90, 100, {{0, 0}, {90, 0}, {90, 35}, {60, 35}, {60, 100}, {30, 100}, {30, 35}, {0, 35}}, true, false));
    return library;
}

}  // namespace kirvo::testing
