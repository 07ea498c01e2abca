#include "cutting/KnobAtlas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const uint32_t kInk = MakeColour(128, 0, 25);

const KnobAtlas& Atlas()
{
    static const KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    return atlas;
}

uint8_t At(const KnobAtlas& atlas, int x, int y) { return atlas.pixels[size_t(y) * atlas.width + x]; }

TPixelBuffer WhiteCanvas(int width, int height)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, width, height);
    PixFillRect(canvas, 0, 0, width, height, kWhite);
    return canvas;
}

// A plain atlas picture: background everywhere but the legend.
TPixelBuffer LegendOnly()
{
    TPixelBuffer picture = WhiteCanvas(kKnobAtlasWidth, kKnobAtlasHeight);
    PixSetPixel(picture, 4, 6, MakeColour(255, 0, 0));
    PixSetPixel(picture, 4, 7, MakeColour(0, 0, 255));
    PixSetPixel(picture, 4, 8, MakeColour(0, 160, 0));
    return picture;
}

TEST(KnobAtlas, DrawingsSitSideBySideWithASeparatorAfterEach)
{
    struct Case {
        int length;
        int column;
    } cases[] = {{20, 0}, {21, 21}, {22, 43}, {23, 66}, {48, 966}};
    for (const Case& c : cases)
        EXPECT_EQ(AtlasColumn(c.length), c.column) << c.length;
    EXPECT_EQ(AtlasColumn(kKnobAtlasLongest) + kKnobAtlasLongest, kKnobAtlasWidth - 1);

    const KnobAtlas& atlas = Atlas();
    const std::set<uint8_t> legend = {atlas.background, atlas.side0, atlas.side1, atlas.stop};
    ASSERT_EQ(legend.size(), 4u);
    const uint8_t separator = At(atlas, AtlasColumn(20) + 20, 0);
    EXPECT_FALSE(legend.count(separator));
    std::set<uint8_t> used(atlas.pixels.begin(), atlas.pixels.end());
    EXPECT_EQ(used.size(), 5u);
    for (int length = kKnobAtlasShortest; length <= kKnobAtlasLongest; ++length)
        for (int y = 0; y < atlas.height; ++y)
            ASSERT_EQ(At(atlas, AtlasColumn(length) + length, y), separator) << length << " row " << y;
}

// What the copy relies on, drawing by drawing: the base line at the measured depth in every band,
// side 1 one row under side 0 at both ends, and a stop row inside the band under everything.
TEST(KnobAtlas, EveryDrawingHasItsBaseLineAtTheDepthAndAStopRowUnderIt)
{
    const KnobAtlas& atlas = Atlas();
    for (int length = kKnobAtlasShortest; length <= kKnobAtlasLongest; ++length) {
        const int first = AtlasColumn(length);
        const int last = first + length - 1;
        const int depth = atlas.depth[length - kKnobAtlasShortest];
        ASSERT_GT(depth, 0);
        for (int t = 0; t < kKnobAtlasTemplates; ++t) {
            SCOPED_TRACE(::testing::Message() << "C" << t << " length " << length);
            const int top = kKnobAtlasBandRows * t;
            for (int column : {first, last}) {
                EXPECT_EQ(At(atlas, column, top + depth), atlas.side0);
                EXPECT_EQ(At(atlas, column, top + depth + 1), atlas.side1);
            }
            int stop = top;
            while (stop < top + kKnobAtlasBandRows && At(atlas, first, stop) != atlas.stop)
                ++stop;
            ASSERT_LT(stop, top + kKnobAtlasBandRows);
            EXPECT_LE(stop - top, length / 2 + depth) << "the copy would end before the stop row";
            for (int x = first; x <= last; ++x) {
                for (int y = top; y < top + kKnobAtlasBandRows; ++y)
                    EXPECT_EQ(At(atlas, x, y) == atlas.stop, y == stop) << x << "," << y;
                for (int y = stop + 1; y < top + kKnobAtlasBandRows; ++y)
                    EXPECT_EQ(At(atlas, x, y), atlas.background);
            }
        }
    }
}

TEST(KnobAtlas, LegendIsPartOfTheShortestC0Drawing)
{
    // Column 4 of the 20-pixel C0 knob crosses its left shoulder: background above it, the side-0
    // outline, the side-1 outline and the stop row under it.
    const KnobAtlas& atlas = Atlas();
    EXPECT_EQ(At(atlas, 4, 5), atlas.background);
    EXPECT_EQ(At(atlas, 4, 6), atlas.side0);
    EXPECT_EQ(At(atlas, 4, 7), atlas.side1);
    EXPECT_EQ(At(atlas, 4, 8), atlas.stop);
    TPixelBuffer picture = DrawKnobAtlas();
    EXPECT_EQ(PixGetPixel(picture, 4, 5), kWhite);
}

// Copies one knob between two cells walled in on the sides (the neighbouring sides' lines) and
// floods each cell from its far end.
struct Separation {
    bool separated = false;  // flooding the first cell leaves the second one alone
    int leftover = 0;        // white pixels neither flood reached: pockets cut off by the outline
    bool connected = false;  // the copied pixels are one 8-connected stroke from wall to wall
    int reach = 0;           // pixels the knob reaches past the base line on its own side
};

Separation CopyBetweenCells(int templateIndex, int length, int side, bool mirror, bool horizontal)
{
    const int size = 80;
    TPixelBuffer canvas = WhiteCanvas(size, size);
    // Along the side: a; across it: b. The side runs at b = 40 from a = 10.
    auto put = [&](int a, int b, uint32_t colour) {
        horizontal ? PixSetPixel(canvas, a, b, colour) : PixSetPixel(canvas, b, a, colour);
    };
    auto get = [&](int a, int b) { return horizontal ? PixGetPixel(canvas, a, b) : PixGetPixel(canvas, b, a); };
    const int first = 10;
    const int last = first + length - 1;
    for (int b = 0; b < size; ++b) {
        put(first - 1, b, 0);
        put(last + 1, b, 0);
    }
    PixelPoint s = horizontal ? PixelPoint{first, 40} : PixelPoint{40, first};
    PixelPoint t = horizontal ? PixelPoint{last, 40} : PixelPoint{40, last};
    EXPECT_TRUE(CopyAtlasKnob(canvas, Atlas(), templateIndex, side, mirror, s, t, kInk));

    Separation result;
    std::set<std::pair<int, int>> stroke;
    for (int b = 0; b < size; ++b)
        for (int a = first; a <= last; ++a)
            if (get(a, b) == kInk) {
                stroke.insert({a, b});
                result.reach = std::max(result.reach, side == 0 ? 40 - b : b - 40);
            }
    const uint32_t before = MakeColour(1, 2, 3);
    const uint32_t after = MakeColour(3, 2, 1);
    horizontal ? PixFloodFill(canvas, first, 0, before) : PixFloodFill(canvas, 0, first, before);
    result.separated = get(first, size - 1) == kWhite;
    horizontal ? PixFloodFill(canvas, first, size - 1, after) : PixFloodFill(canvas, size - 1, first, after);
    for (int b = 0; b < size; ++b)
        for (int a = first; a <= last; ++a)
            result.leftover += get(a, b) == kWhite;

    std::set<std::pair<int, int>> reached;
    std::vector<std::pair<int, int>> open;
    for (auto p : stroke)
        if (p.first == first && reached.insert(p).second)
            open.push_back(p);
    while (!open.empty()) {
        auto [a, b] = open.back();
        open.pop_back();
        for (int db = -1; db <= 1; ++db)
            for (int da = -1; da <= 1; ++da)
                if (stroke.count({a + da, b + db}) && reached.insert({a + da, b + db}).second)
                    open.push_back({a + da, b + db});
    }
    bool touchesLast = false;
    for (auto p : reached)
        touchesLast |= p.first == last;
    result.connected = touchesLast && reached.size() == stroke.size();
    return result;
}

TEST(KnobAtlas, EveryCopiedKnobSeparatesTheTwoCells)
{
    for (int t = 0; t < kKnobAtlasTemplates; ++t)
        for (int length = kKnobAtlasShortest; length <= kKnobAtlasLongest; ++length)
            for (int side : {0, 1})
                for (bool mirror : {false, true})
                    for (bool horizontal : {true, false}) {
                        Separation s = CopyBetweenCells(t, length, side, mirror, horizontal);
                        SCOPED_TRACE(::testing::Message() << "C" << t << " length " << length << " side " << side
                                                          << (mirror ? " mirrored" : "")
                                                          << (horizontal ? " horizontal" : " vertical"));
                        ASSERT_TRUE(s.separated);
                        EXPECT_EQ(s.leftover, 0);
                        EXPECT_TRUE(s.connected);
                        EXPECT_GE(s.reach, length / 6) << "the knob bulges to its side";
                    }
}

TEST(KnobAtlas, DepthIsTheFirstDrawnRowOfEachDrawingsFirstColumnInBandZero)
{
    TPixelBuffer picture = LegendOnly();
    const uint32_t mark = MakeColour(9, 9, 9);
    PixSetPixel(picture, AtlasColumn(21), 20, mark);   // the last row looked at for length 21
    PixSetPixel(picture, AtlasColumn(22), 22, mark);   // one row too far for length 22
    PixSetPixel(picture, AtlasColumn(48), 3, mark);
    PixSetPixel(picture, AtlasColumn(48), 10, mark);
    PixSetPixel(picture, AtlasColumn(30), 30, mark);   // band 1: not looked at
    Result<KnobAtlas> atlas = KnobAtlasFromPicture(picture);
    ASSERT_TRUE(atlas) << atlas.error();
    std::array<int, kKnobAtlasLengths> expected {};
    expected[1] = 20;
    expected[28] = 3;
    EXPECT_EQ(atlas.value().depth, expected);
    EXPECT_EQ(atlas.value().background, 0);
    EXPECT_EQ(atlas.value().side0, 2);  // numbered in reading order: the mark on row 3 came first
}

TEST(KnobAtlas, RefusesPicturesThatDoNotFollowTheLayout)
{
    TPixelBuffer narrow = WhiteCanvas(kKnobAtlasWidth - 1, kKnobAtlasHeight);
    TPixelBuffer colourful = LegendOnly();
    for (int i = 0; i < 13; ++i)
        PixSetPixel(colourful, 100 + i, 50, MakeColour(i, 40, 40));
    TPixelBuffer plain = LegendOnly();
    PixSetPixel(plain, 4, 7, kWhite);
    struct Case {
        const TPixelBuffer* picture;
        const char* message;
    } cases[] = {
        {&narrow, "Invalid knob atlas: the picture is not 1015 x 132 pixels"},
        {&colourful, "Invalid knob atlas: more than 16 colours"},
        {&plain, "Invalid knob atlas: the legend colours are not four different ones"},
    };
    for (const Case& c : cases) {
        Result<KnobAtlas> atlas = KnobAtlasFromPicture(*c.picture);
        ASSERT_FALSE(atlas);
        EXPECT_EQ(atlas.error(), c.message);
    }
    const uint8_t garbage[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
    Result<KnobAtlas> atlas = LoadKnobAtlas(garbage);
    ASSERT_FALSE(atlas);
    EXPECT_EQ(atlas.error().rfind("Invalid PNG image", 0), 0u) << atlas.error();
}

TEST(KnobAtlas, GeneratedFileHoldsTheDrawnAtlas)
{
    std::ifstream file(KIRVO_KNOB_ATLAS, std::ios::binary);
    ASSERT_TRUE(file) << KIRVO_KNOB_ATLAS;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Result<KnobAtlas> loaded = LoadKnobAtlas(bytes);
    ASSERT_TRUE(loaded) << loaded.error();
    const KnobAtlas& drawn = Atlas();
    EXPECT_EQ(loaded.value().pixels, drawn.pixels);
    EXPECT_EQ(loaded.value().depth, drawn.depth);
    EXPECT_EQ(loaded.value().side0, drawn.side0);
    EXPECT_EQ(loaded.value().side1, drawn.side1);
    EXPECT_EQ(loaded.value().stop, drawn.stop);
}

TEST(KnobAtlas, CopyRefusesSidesItHasNoDrawingFor)
{
    struct Case {
        int templateIndex;
        PixelPoint s;
        PixelPoint t;
    } cases[] = {
        {6, {10, 40}, {39, 40}},
        {-1, {10, 40}, {39, 40}},
        {0, {10, 40}, {39, 41}},
        {0, {10, 40}, {28, 40}},
        {0, {10, 10}, {10, 58}},
    };
    for (const Case& c : cases) {
        TPixelBuffer canvas = WhiteCanvas(80, 80);
        EXPECT_FALSE(CopyAtlasKnob(canvas, Atlas(), c.templateIndex, 0, false, c.s, c.t, kInk));
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                ASSERT_EQ(PixGetPixel(canvas, x, y), kWhite);
    }
    TPixelBuffer canvas = WhiteCanvas(80, 80);
    EXPECT_FALSE(CopyAtlasKnob(canvas, KnobAtlas{}, 0, 0, false, {10, 40}, {39, 40}, kInk));
}

TEST(KnobAtlas, CopyStaysInsideTheCanvasAndTheAtlas)
{
    // A knob bulging off the top of the canvas keeps only what lands on it.
    TPixelBuffer canvas = WhiteCanvas(60, 60);
    EXPECT_TRUE(CopyAtlasKnob(canvas, Atlas(), 0, 0, false, {5, 2}, {52, 2}, kInk));

    // An atlas without stop rows: a copy ends with its band, also the last one.
    TPixelBuffer picture = LegendOnly();
    PixFillRect(picture, AtlasColumn(48), 22, 48, 22, MakeColour(255, 0, 0));
    PixFillRect(picture, AtlasColumn(48), 22 * 5, 48, 22, MakeColour(0, 0, 255));
    Result<KnobAtlas> atlas = KnobAtlasFromPicture(picture);
    ASSERT_TRUE(atlas) << atlas.error();
    ASSERT_EQ(atlas.value().depth[28], 22);
    auto inkedBy = [&](int templateIndex, int side) {
        TPixelBuffer canvas = WhiteCanvas(100, 100);
        EXPECT_TRUE(CopyAtlasKnob(canvas, atlas.value(), templateIndex, side, false, {10, 40}, {57, 40}, kInk));
        int inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                inked += PixGetPixel(canvas, x, y) == kInk;
        return inked;
    };
    EXPECT_EQ(inkedBy(0, 0), 0);
    EXPECT_EQ(inkedBy(5, 1), 48 * 21);
}

}  // namespace
}  // namespace kirvo
