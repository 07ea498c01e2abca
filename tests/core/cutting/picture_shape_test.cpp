#include "cutting/PictureShape.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "raster/Box.h"
#include "support/SampleMetafile.h"

namespace kirvo {
namespace {

using testing::EveryRecordKind;
using testing::SampleHeader;

constexpr int32_t kW = 40;  // SampleHeader's size
constexpr int32_t kH = 30;

Metafile Sample() { return EncodeMetafile(SampleHeader(), EveryRecordKind()); }

bool Moves(Emr type)
{
    switch (type) {
    case Emr::PolyBezier: case Emr::Polygon: case Emr::Polyline: case Emr::PolyBezierTo:
    case Emr::PolyBezier16: case Emr::Polygon16: case Emr::Polyline16: case Emr::PolyBezierTo16:
    case Emr::MoveTo: case Emr::LineTo: return true;
    default: return false;
    }
}

// The sample with every point of the moving kinds mapped, and the header's extent set to size.
Metafile Expected(const std::function<MetafilePoint(MetafilePoint)>& map, MetafileSize size)
{
    MetafileHeader header = SampleHeader();
    header.bounds = {0, 0, size.width, size.height};
    header.frame = {0, 0, PixelsToHundredthsMm(size.width), PixelsToHundredthsMm(size.height)};
    std::vector<MetafileRecord> records = EveryRecordKind();
    for (MetafileRecord& record : records)
        if (Moves(record.type))
            for (MetafilePoint& p : record.points)
                p = map(p);
    return EncodeMetafile(header, records);
}

// Headers and records alike; the bounds that poly records carry are not compared, as the
// rewriting leaves them.
void ExpectSameDrawing(const Metafile& actual, const Metafile& expected, const std::string& label)
{
    EXPECT_EQ(ReadMetafileHeader(actual), ReadMetafileHeader(expected)) << label;
    ASSERT_EQ(actual.recordOffsets, expected.recordOffsets) << label;
    for (size_t i = 1; i < actual.recordOffsets.size(); ++i)
        EXPECT_EQ(ReadMetafileRecord(actual, i), ReadMetafileRecord(expected, i)) << label << ", record " << i;
}

TEST(PictureShape, RecolouringChangesEveryColourAndNothingElse)
{
    const uint32_t colour = MakeColour(128, 0, 77);
    Metafile shape = Sample();
    RecolourShape(shape, colour);
    std::vector<MetafileRecord> records = EveryRecordKind();
    int recoloured = 0;
    for (MetafileRecord& record : records)
        if (record.colour != 0) {
            record.colour = colour;
            ++recoloured;
        }
    EXPECT_EQ(recoloured, 7);  // both pens, brush, text, background, set-pixel, flood fill
    EXPECT_EQ(shape.bytes, EncodeMetafile(SampleHeader(), records).bytes);
}

TEST(PictureShape, MirroringMovesThePointsOfTheDrawingKinds)
{
    struct Case {
        bool leftToRight, topToBottom;
        std::function<MetafilePoint(MetafilePoint)> map;
    } cases[] = {
        {true, false, [](MetafilePoint p) { return MetafilePoint{kW - p.x - 1, p.y}; }},
        {false, true, [](MetafilePoint p) { return MetafilePoint{p.x, kH - p.y - 1}; }},
        {true, true, [](MetafilePoint p) { return MetafilePoint{kW - p.x - 1, kH - p.y - 1}; }},
        {false, false, [](MetafilePoint p) { return p; }},
    };
    for (const Case& c : cases) {
        Metafile shape = Sample();
        MirrorShape(shape, c.leftToRight, c.topToBottom);
        ExpectSameDrawing(shape, Expected(c.map, {kW, kH}), "mirrored " + std::to_string(c.leftToRight) + std::to_string(c.topToBottom));
        MirrorShape(shape, c.leftToRight, c.topToBottom);
        EXPECT_EQ(shape.bytes, Sample().bytes) << "twice " << c.leftToRight << c.topToBottom;
    }
}

TEST(PictureShape, QuarterTurnsOfAnEvenSizeMovePixelsLikeAPictureTurn)
{
    // For even sizes a quarter turn takes pixel (x, y) to (H - 1 - y, x), as PixRotate90 does.
    struct Case {
        double degrees;
        MetafileSize size;
        std::function<MetafilePoint(MetafilePoint)> map;
    } cases[] = {
        {0, {kW, kH}, [](MetafilePoint p) { return p; }},
        {90, {kH, kW}, [](MetafilePoint p) { return MetafilePoint{kH - 1 - p.y, p.x}; }},
        {180, {kW, kH}, [](MetafilePoint p) { return MetafilePoint{kW - 1 - p.x, kH - 1 - p.y}; }},
        {270, {kH, kW}, [](MetafilePoint p) { return MetafilePoint{p.y, kW - 1 - p.x}; }},
        {-90, {kH, kW}, [](MetafilePoint p) { return MetafilePoint{p.y, kW - 1 - p.x}; }},
        {360, {kW, kH}, [](MetafilePoint p) { return p; }},
    };
    for (const Case& c : cases) {
        Metafile shape = Sample();
        EXPECT_EQ(RotateShape(shape, c.degrees), c.size) << c.degrees;
        ExpectSameDrawing(shape, Expected(c.map, c.size), "turned " + std::to_string(c.degrees));
    }
}

TEST(PictureShape, TurnedSizeIsTheExtentOfTheTurnedCorners)
{
    struct Case {
        MetafileSize size;
        double degrees;
        MetafileSize turned;
    } cases[] = {
        {{7, 5}, 90, {5, 7}},
        {{7, 5}, 0, {7, 5}},
        {{100, 100}, 45, {141, 141}},  // x from -70 to 70, y from 0 to 140
        {{60, 20}, 20, {62, 39}},      // x from -6.498 to 55.44, y from 0 to 38.03, rounded
        {{1, 1}, 77, {1, 1}},
    };
    for (const Case& c : cases) {
        MetafileHeader header;
        header.bounds = {0, 0, c.size.width, c.size.height};
        Metafile shape = EncodeMetafile(header, std::vector<MetafileRecord>{{Emr::MoveTo, {{0, 0}}}});
        EXPECT_EQ(RotateShape(shape, c.degrees), c.turned) << c.size.width << "x" << c.size.height << " by " << c.degrees;
        EXPECT_EQ(ReadMetafileHeader(shape).bounds, (MetafileRect{0, 0, c.turned.width, c.turned.height}));
    }
}

}  // namespace
}  // namespace kirvo
