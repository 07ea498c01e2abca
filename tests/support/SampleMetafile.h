// A metafile with a record of every kind the program understands, each with distinct values, for
// the tests that read, write and rewrite records.
#pragma once

#include <vector>

#include "raster/Metafile.h"

namespace kirvo::testing {

inline MetafileHeader SampleHeader()
{
    MetafileHeader header;
    header.bounds = {0, 0, 40, 30};
    header.frame = {0, 0, PixelsToHundredthsMm(40), PixelsToHundredthsMm(30)};
    header.handles = 4;
    header.devicePixels = {1920, 1080};
    header.deviceMillimetres = {508, 286};
    return header;
}

inline std::vector<MetafileRecord> EveryRecordKind()
{
    return {
        {Emr::CreatePen, {}, 0x112233, 1, 0},
        {Emr::CreateBrush, {}, 0x445566, 2, 0},
        {Emr::ExtCreatePen, {}, 0x778899, 3, 0x10000},
        {Emr::SelectObject, {}, 0, 1, 0},
        {Emr::SetTextColour, {}, 0x0A0B0C, 0, 0},
        {Emr::SetBackgroundColour, {}, 0x0D0E0F, 0, 0},
        {Emr::SetPixel, {{3, 4}}, 0x123456, 0, 0},
        {Emr::ExtFloodFill, {{5, 6}}, 0x654321, 0, 1},
        {Emr::MoveTo, {{1, 2}}},
        {Emr::LineTo, {{39, 2}}},
        {Emr::Polyline, {{0, 29}, {20, 0}, {39, 29}}},
        {Emr::PolyBezier, {{2, 3}, {10, -4}, {30, 40}, {38, 27}}},
        {Emr::PolyBezierTo, {{7, 8}, {9, 10}, {11, 12}}},
        {Emr::BeginPath},
        {Emr::Polygon, {{4, 4}, {36, 5}, {20, 26}}},
        {Emr::CloseFigure},
        {Emr::EndPath},
        {Emr::FillPath},
        {Emr::Polyline16, {{-3, 0}, {12, 28}}},
        {Emr::PolyBezier16, {{0, 0}, {13, 1}, {26, 2}, {39, 3}}},
        {Emr::PolyBezierTo16, {{30, 20}, {20, 25}, {10, 29}}},
        {Emr::Polygon16, {{1, 1}, {38, 1}, {38, 28}, {1, 28}}},
        {Emr::StrokePath},
        {Emr::StrokeAndFillPath},
        {Emr::DeleteObject, {}, 0, 2, 0},
    };
}

}  // namespace kirvo::testing
