#include "cutting/Cut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_set>
#include <utility>

#include "base/ByteReader.h"
#include "cutting/CellLayout.h"
#include "cutting/PieceOwners.h"
#include "cutting/PieceSizeTable.h"
#include "session/CutMessages.h"
#include "support/DrawnAtlas.h"
#include "support/TestShapes.h"

namespace kirvo {
namespace {

using testing::DrawnAtlas;

struct CutCase {
    int width;
    int height;
    int shapeStyle;
    int borderStyle;
    int level;
    uint32_t seed;

    std::string Name() const
    {
        return std::to_string(width) + "x" + std::to_string(height) + " style " + std::to_string(shapeStyle) +
               " border " + std::to_string(borderStyle) + " level " + std::to_string(level) + " seed " +
               std::to_string(seed);
    }
};

struct CutResult {
    Descriptor descriptor;
    std::vector<PieceRecord> pieces;
    TPixelBuffer mask;
    std::vector<std::string> messages;  // what the player is told of the cut's report
    int steps = 0;
    uint32_t endState = 0;  // the generator after the cut
};

Descriptor LevelApplied(const CutCase& c)
{
    Descriptor d;
    d.ImageW = c.width;
    d.ImageH = c.height;
    d.ShapeStyle = uint8_t(c.shapeStyle);
    d.BorderStyle = uint8_t(c.borderStyle);
    d.Level = c.level;
    d.GameSeed = int32_t(c.seed);
    ApplyLevel(d, c.width, c.height);
    return d;
}

CutResult Cut(const Descriptor& descriptor, uint32_t seed, const ShapeLibrary* shapes = nullptr)
{
    CutResult result;
    result.descriptor = descriptor;
    result.pieces.resize(size_t(descriptor.TotalTileNum) + 1);
    Random random(seed);
    result.messages = CutMessages(CutPieces(result.descriptor, result.pieces, result.mask, random, DrawnAtlas(),
                                            [&] { ++result.steps; }, shapes),
                                  Translator());
    result.endState = random.state;
    return result;
}

CutResult Cut(const CutCase& c, const ShapeLibrary* shapes = nullptr) { return Cut(LevelApplied(c), c.seed, shapes); }

std::array<int, 4> SourceBox(const PieceRecord& piece)
{
    return {piece.sourceX, piece.sourceY, piece.sourceWidth, piece.sourceHeight};
}

bool SameMask(const TPixelBuffer& a, const TPixelBuffer& b)
{
    return a.width == b.width && a.height == b.height && a.size == b.size && std::memcmp(a.bits, b.bits, a.size) == 0;
}

uint64_t PairKey(int a, int b) { return uint64_t(uint32_t(std::min(a, b))) << 32 | uint32_t(std::max(a, b)); }

// Which piece owns each pixel, and which pieces' pixels meet (4-connected).
struct Ownership {
    std::vector<int> owners;  // ImageW x ImageH, row by row
    std::unordered_set<uint64_t> touching;

    int At(const Descriptor& d, int x, int y) const { return owners[size_t(y) * d.ImageW + x]; }
};

Ownership OwnershipOf(const CutResult& r)
{
    const Descriptor& d = r.descriptor;
    Ownership o{PieceOwners(d, r.pieces, r.mask), {}};
    for (int y = 0; y < d.ImageH; ++y)
        for (int x = 0; x < d.ImageW; ++x) {
            const int owner = o.At(d, x, y);
            if (x + 1 < d.ImageW && o.At(d, x + 1, y) != owner)
                o.touching.insert(PairKey(owner, o.At(d, x + 1, y)));
            if (y + 1 < d.ImageH && o.At(d, x, y + 1) != owner)
                o.touching.insert(PairKey(owner, o.At(d, x, y + 1)));
        }
    return o;
}

// What every cut must give: no message; each pixel of the cut area owned by exactly one cell
// piece and the band outside it by the frame piece, which comes last; every piece some pixels;
// every listed neighbour touching; the mask's margin black. Picture pieces only where a shape
// library was given.
void ExpectSoundCut(const CutResult& r, const Ownership& o, const std::string& name, bool withShapes = false)
{
    const Descriptor& d = r.descriptor;
    const bool border = d.BorderStyle == 1;
    EXPECT_TRUE(r.messages.empty()) << name << ": " << r.messages.front();
    EXPECT_EQ(r.steps, d.ShapeStyle < 4 ? 9 : 11) << name;
    ASSERT_EQ(d.TotalTileNum, d.TileNum + (border ? 1 : 0)) << name;
    ASSERT_EQ(r.mask.width, d.ImageW + 5) << name;
    ASSERT_EQ(r.mask.height, d.ImageH + 5) << name;
    ASSERT_EQ(r.mask.bytesPerPixel, 3) << name;
    EXPECT_EQ(PixGetPixel(r.mask, d.ImageW + 4, d.ImageH / 2), 0) << name;
    EXPECT_EQ(PixGetPixel(r.mask, d.ImageW / 2, d.ImageH + 4), 0) << name;
    const int frame = border ? d.TotalTileNum - 1 : -1;
    if (border) {
        const PieceRecord& piece = r.pieces[frame];
        EXPECT_EQ(piece.maskValue, 5) << name;
        EXPECT_EQ(piece.classBit, 128) << name;
        EXPECT_EQ(SourceBox(piece), (std::array<int, 4>{0, 0, d.ImageW, d.ImageH})) << name;
        EXPECT_TRUE(std::all_of(piece.neighbours.begin(), piece.neighbours.end(), [](int16_t n) { return n == -1; }))
            << name;
    }

    std::vector<int> owned(size_t(d.TotalTileNum), 0);
    for (int y = 0; y < d.ImageH; ++y)
        for (int x = 0; x < d.ImageW; ++x) {
            const int owner = o.At(d, x, y);
            const bool inCutArea = x >= d.JigsL && x <= d.JigsR && y >= d.JigsT && y <= d.JigsB;
            if (inCutArea)
                ASSERT_TRUE(owner >= 0 && owner < d.TileNum)
                    << name << ": pixel " << x << "," << y << " owner " << owner << ", colour "
                    << PixGetPixel(r.mask, x, y);
            else
                ASSERT_EQ(owner, frame) << name << ": pixel " << x << "," << y;
            ++owned[owner];
        }
    for (int i = 0; i < d.TotalTileNum; ++i) {
        EXPECT_GT(owned[i], 0) << name << ": piece " << i << " has no pixels";
        EXPECT_TRUE(withShapes || !r.pieces[i].pictureShape) << name << ": piece " << i;
        for (int16_t neighbour : r.pieces[i].neighbours) {
            if (neighbour < 0)
                continue;
            EXPECT_TRUE(o.touching.count(PairKey(i, neighbour))) << name << ": piece " << i << " lists " << neighbour;
        }
    }
}

// Small and odd sizes, both border styles, a few seeds; a level each that keeps the pieces many
// but the cut quick. The frame takes 40 pixels off both sides, which leaves a 61 x 47 picture no
// cells worth cutting.
std::vector<CutCase> Table(int shapeStyle)
{
    struct Size {
        int width;
        int height;
        int level;
    };
    const Size sizes[] = {{61, 47, 13}, {97, 83, 0}, {200, 150, 0}, {333, 211, 6}, {800, 600, 8}};
    std::vector<CutCase> cases;
    for (const Size& size : sizes)
        for (int border : {0, 1})
            for (uint32_t seed : {1u, 16u, 2024u})
                if (border == 0 || size.width > 61)
                    cases.push_back({size.width, size.height, shapeStyle, border, size.level, seed});
    // Many pieces.
    cases.push_back({800, 600, shapeStyle, 0, 0, 7});
    cases.push_back({801, 599, shapeStyle, 1, 1, 11});
    return cases;
}

class CutEveryStyle : public ::testing::TestWithParam<int> {};

TEST_P(CutEveryStyle, EveryPixelHasOneOwnerAndListedNeighboursTouch)
{
    for (const CutCase& c : Table(GetParam())) {
        CutResult r = Cut(c);
        ExpectSoundCut(r, OwnershipOf(r), c.Name());
    }
}

INSTANTIATE_TEST_SUITE_P(ShapeStyles, CutEveryStyle, ::testing::Values(0, 1, 2, 3, 4, 5, 6));

TEST(CutPieces, TheSameSeedGivesTheSameCutAnotherSeedAnotherMask)
{
    for (int style : {0, 1, 2, 3, 4, 6}) {
        const CutCase c{333, 211, style, 1, 4, 99};
        const CutResult first = Cut(c);
        const CutResult again = Cut(c);
        EXPECT_TRUE(SameMask(first.mask, again.mask)) << c.Name();
        EXPECT_EQ(first.pieces, again.pieces) << c.Name();
        EXPECT_EQ(first.descriptor, again.descriptor) << c.Name();
        EXPECT_EQ(first.endState, again.endState) << c.Name();
        EXPECT_FALSE(SameMask(first.mask, Cut(CutCase{333, 211, style, 1, 4, 100}).mask)) << c.Name();
    }
}

// Shape style 3 has no shape library yet: the cells the layout marks as picture-shape candidates
// must still be drawn and filled like all others.
TEST(CutArtistic, ShapeStyle3CutsEveryCellWithoutAShapeLibrary)
{
    const CutCase c{640, 480, 3, 0, 6, 5};
    Descriptor laidOut = LevelApplied(c);
    std::vector<PieceRecord> cells(size_t(laidOut.TileNum) + 1);
    LayOutCells(laidOut, cells);
    EXPECT_GT(std::count_if(cells.begin(), cells.end(), [](const PieceRecord& p) { return p.pictureShape; }), 10);

    CutResult r = Cut(c);
    ExpectSoundCut(r, OwnershipOf(r), c.Name());
}

// With a shape library some cells become picture pieces. Each owns its silhouette alone, its
// source box fits its pixels tightly, and it lists neighbours it touches; the cut stays sound
// around it and the same seed gives the same mask. The test's simple shapes and the library the
// build draws, whose thin tips and hollows the simple ones lack.
TEST(CutArtistic, PicturePiecesOwnTheirSilhouettesAndTouchTheirNeighbours)
{
    const ShapeLibrary simple = testing::TestShapeLibrary();
    const Result<ShapeLibrary> built = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY);
    ASSERT_TRUE(built) << built.error();
    struct Size {
        int width;
        int height;
        int level;
    };
    const Size sizes[] = {{200, 150, 0}, {333, 211, 4}, {640, 480, 6}, {800, 600, 8}, {801, 599, 1}};
    std::vector<std::pair<CutCase, const ShapeLibrary*>> cases;
    for (const ShapeLibrary* shapes : {&simple, &built.value()})
        for (const Size& size : sizes)
            for (int border : {0, 1})
                for (uint32_t seed : {1u, 16u, 2024u})
                    cases.push_back({{size.width, size.height, 3, border, size.level, seed}, shapes});
    // The finest cut, where silhouettes all but meet and sides of one cell cross.
    cases.push_back({{1920, 1080, 3, 0, 0, 9}, &simple});
    cases.push_back({{1920, 1080, 3, 0, 0, 2}, &built.value()});
    int pictures = 0;
    for (const auto& [c, shapes] : cases) {
        CutResult r = Cut(c, shapes);
        const Descriptor& d = r.descriptor;
        const Ownership o = OwnershipOf(r);
        ExpectSoundCut(r, o, c.Name(), true);
        std::vector<TBox> owned(size_t(d.TileNum));
        for (int y = 0; y < d.ImageH; ++y)
            for (int x = 0; x < d.ImageW; ++x)
                if (const int owner = o.At(d, x, y); owner >= 0 && owner < d.TileNum)
                    BoxUnion(owned[owner], x, y, x, y);
        for (int i = 0; i < d.TileNum; ++i) {
            const PieceRecord& piece = r.pieces[i];
            if (!piece.pictureShape)
                continue;
            ++pictures;
            EXPECT_GE(piece.neighbours[0], 0) << c.Name() << ": picture piece " << i << " lists nobody";
            const TBox& own = owned[i];
            EXPECT_EQ(SourceBox(piece), (std::array<int, 4>{own.left, own.top, own.width, own.height}))
                << c.Name() << ": picture piece " << i;
        }
        if (c.seed == 16) {
            EXPECT_TRUE(SameMask(r.mask, Cut(c, shapes).mask)) << c.Name();
        }
    }
    EXPECT_GT(pictures, 1000);
}

// The artistic cut fills every piece from its node point: the point lies on the piece.
TEST(CutArtistic, NodePointsLieOnTheirPieces)
{
    for (int style : {0, 2}) {
        const CutCase c{800, 600, style, 1, 3, 31};
        CutResult r = Cut(c);
        const Ownership o = OwnershipOf(r);
        for (int i = 0; i < r.descriptor.TileNum; ++i)
            EXPECT_EQ(o.At(r.descriptor, r.pieces[i].nodeX, r.pieces[i].nodeY), i) << c.Name() << " piece " << i;
    }
}

// Seed points need cells of at least 4 pixels, and at least three cells that the tessellation can
// close; anything less is cut on the grid instead of drawing seed points for ever or filling
// cells without sides.
TEST(CutArtistic, PicturesWithoutRoomForSeedPointsAreCutOnTheGrid)
{
    struct Case {
        const char* what;
        int width;
        int height;
        int level;
    } cases[] = {
        {"cells of 3 pixels", 15, 14, 13},
        {"two cells", 45, 25, 0},
        {"one row of cells, too thin for the tessellation to close", 300, 30, 0},
    };
    for (const Case& c : cases) {
        Descriptor artistic = LevelApplied({c.width, c.height, 0, 0, c.level, 3});
        Descriptor grid = artistic;
        grid.ShapeStyle = 4;
        CutResult r = Cut(artistic, 3);
        EXPECT_TRUE(r.messages.empty()) << c.what << ": " << r.messages.front();
        const Ownership o = OwnershipOf(r);
        EXPECT_TRUE(std::all_of(o.owners.begin(), o.owners.end(), [](int owner) { return owner >= 0; })) << c.what;
        if (artistic.TileS < 4 || artistic.TileNum < 3) {
            EXPECT_TRUE(SameMask(r.mask, Cut(grid, 3).mask)) << c.what;
        }
    }
}

// The grid cut's cells keep their places: neighbours left, above, right and below in slots 0 to 3
// (the frame piece on the outside with a border), every inner side one knob, source boxes tight.
TEST(CutGrid, CellsHaveTheirFourNeighboursAKnobOnEveryInnerSideAndTightBoxes)
{
    for (int style : {4, 5, 6})
        for (int border : {0, 1}) {
            const CutCase c{333, 211, style, border, 3, 40u + uint32_t(style)};
            CutResult r = Cut(c);
            const Descriptor& d = r.descriptor;
            const Ownership o = OwnershipOf(r);
            ExpectSoundCut(r, o, c.Name());
            const int outside = border ? d.TotalTileNum - 1 : -1;
            const int columns = d.TilePX;
            const int rows = d.TilePY;
            for (int i = 0; i < d.TileNum; ++i) {
                const int row = i / columns;
                const int column = i % columns;
                const auto& n = r.pieces[i].neighbours;
                EXPECT_EQ(n[0], column > 0 ? i - 1 : outside) << c.Name() << " piece " << i;
                EXPECT_EQ(n[1], row > 0 ? i - columns : outside) << c.Name() << " piece " << i;
                EXPECT_EQ(n[2], column < columns - 1 ? i + 1 : outside) << c.Name() << " piece " << i;
                EXPECT_EQ(n[3], row < rows - 1 ? i + columns : outside) << c.Name() << " piece " << i;
                for (int slot = 4; slot < 9; ++slot)
                    EXPECT_EQ(n[slot], -1) << c.Name() << " piece " << i;
                for (int16_t other : n) {
                    if (other < 0 || other >= d.TileNum)
                        continue;
                    const auto& back = r.pieces[other].neighbours;
                    EXPECT_NE(std::find(back.begin(), back.end(), i), back.end())
                        << c.Name() << ": " << other << " does not list " << i;
                }
            }

            // A knob bulges at least two pixels past the straight side into one of the cells.
            auto knobbed = [&](int a, int b, bool vertical) {
                const PieceRecord& first = r.pieces[a];
                const int line = vertical ? first.cellX + first.cellWidth - 1 : first.cellY + first.cellHeight - 1;
                const int from = vertical ? first.cellY : first.cellX;
                const int to = from + (vertical ? first.cellHeight : first.cellWidth);
                for (int along = from; along < to; ++along)
                    for (int depth = 2; depth <= d.knobMargin + 1; ++depth) {
                        auto owner = [&](int across) {
                            return vertical ? o.At(d, across, along) : o.At(d, along, across);
                        };
                        if (owner(line + depth) == a || owner(line + 1 - depth) == b)
                            return true;
                    }
                return false;
            };
            int sides = 0;
            for (int i = 0; i < d.TileNum; ++i) {
                if (i % columns < columns - 1) {
                    EXPECT_TRUE(knobbed(i, i + 1, true)) << c.Name() << ": right side of " << i;
                    ++sides;
                }
                if (i / columns < rows - 1) {
                    EXPECT_TRUE(knobbed(i, i + columns, false)) << c.Name() << ": bottom side of " << i;
                    ++sides;
                }
            }
            // One flag, one template and one mirror drawn per inner side, and nothing more.
            Random replay(c.seed);
            for (int draw = 0; draw < 3 * sides; ++draw)
                replay(2);
            EXPECT_EQ(r.endState, replay.state) << c.Name();

            for (int i = 0; i < d.TileNum; ++i) {
                int left = d.ImageW, top = d.ImageH, right = -1, bottom = -1;
                for (int y = 0; y < d.ImageH; ++y)
                    for (int x = 0; x < d.ImageW; ++x)
                        if (o.At(d, x, y) == i) {
                            left = std::min(left, x);
                            top = std::min(top, y);
                            right = std::max(right, x);
                            bottom = std::max(bottom, y);
                        }
                EXPECT_EQ(SourceBox(r.pieces[i]), (std::array<int, 4>{left, top, right - left + 1, bottom - top + 1}))
                    << c.Name() << " piece " << i;
            }
        }
}

// Cells of one pixel have sides of no length, so nothing is drawn: the first cell's fill takes
// the whole picture, every later cell finds its centre taken, and the last of them is reported.
// The cut still finishes.
TEST(CutGrid, AFillFailureIsReportedWithTheLastFailingCell)
{
    Descriptor d;
    d.ImageW = 3;
    d.ImageH = 2;
    d.ShapeStyle = 4;
    d.TileS = 1;
    d.knobMargin = 1;
    d.TilePX = 3;
    d.TilePY = 2;
    d.TileNum = d.TotalTileNum = 6;
    CutResult r = Cut(d, 1);
    EXPECT_EQ(r.messages, (std::vector<std::string>{"PaintError: Ind = 5, CellX = 2, CellY = 1",
                                                    "Jigsaw has not been cut properly! Please reopen the puzzle."}));
    EXPECT_EQ(r.steps, 11);
    EXPECT_EQ(r.descriptor.TotalTileNum, 6);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixGetPixel(r.mask, x, y), MakeColour(128, 0, r.pieces[0].maskValue)) << x << "," << y;
}

// A shape that lies in a corner of its rectangle leaves the cell's centre bare: sides that cross
// beside it find no silhouette toward that centre, or no picture piece they both reached, and no
// attempt can part the cells. The puzzle is then cut without picture pieces, and the player is told.
TEST(CutArtistic, WhenNoAttemptCanPartTheCellsAroundTheShapesTheyAreLeftOut)
{
    ShapeLibrary corner;
    corner.shapes.push_back(testing::PolygonShape(100, 100, {{0, 0}, {45, 0}, {45, 45}, {0, 45}}, true, true));
    for (uint32_t seed : {1u, 2u}) {
        const CutCase c{800, 600, 3, 0, 4, seed};
        CutResult r = Cut(c, &corner);
        EXPECT_EQ(r.messages, std::vector<std::string>{"MS_PaintError"}) << c.Name();
        r.messages.clear();
        ExpectSoundCut(r, OwnershipOf(r), c.Name());
    }
}

// Picture shapes left out are told once, with the advice that a fill failure also ends with.
TEST(CutPieces, PictureShapesLeftOutAreToldOnce)
{
    CutReport report;
    report.picturesDropped = true;
    EXPECT_EQ(CutMessages(report, Translator()), std::vector<std::string>{"MS_PaintError"});
    report.unfilled = {4, {10, 20}};
    EXPECT_EQ(CutMessages(report, Translator()),
              (std::vector<std::string>{"PaintError: Ind = 4, CellX = 10, CellY = 20", "MS_PaintError"}));
}

// FNV-1a over bytes, carried on from an earlier hash.
uint64_t Hash(const uint8_t* bytes, size_t count, uint64_t hash = 14695981039346656037u)
{
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211u;
    return hash;
}

// The mask; and every record as a saved game stores it, then the generator after the cut.
std::pair<uint64_t, uint64_t> Hashes(const CutResult& r)
{
    uint64_t mask = Hash(nullptr, 0);
    for (int y = 0; y < r.mask.height; ++y)
        mask = Hash(PixRow(r.mask, y), size_t(r.mask.width) * size_t(r.mask.bytesPerPixel), mask);
    ByteWriter records;
    for (const PieceRecord& piece : r.pieces)
        EncodePiece(piece, records);
    records.U32(r.endState);
    return {mask, Hash(records.Bytes().data(), records.Bytes().size())};
}

// Fixed cuts hashed: the artistic cut in every style (3 with and without the build's shape
// library), the grid cut, both border styles, a few seeds and the finest level of a full-size
// picture. The hashes were taken before the cut was made faster, so any quicker way of cutting
// must give the same bytes.
TEST(CutPieces, FixedCutsGiveTheBytesTheyAlwaysGave)
{
    const ShapeLibrary library = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY).value();
    struct HashCase {
        CutCase cut;
        bool shapes;
        std::pair<uint64_t, uint64_t> expected;
    };
    const HashCase cases[] = {
        {{1920, 1080, 0, 0, 0, 20240611}, false, {0xf192b4d23a54032fu, 0x89c1a281397e0357u}},
        {{1920, 1080, 0, 1, 0, 7}, false, {0xb2f8800200572d68u, 0x2925ade0802e5f52u}},
        {{800, 600, 0, 0, 0, 16}, false, {0xe32e04539efda73fu, 0x1e0962f509c12092u}},
        {{801, 599, 0, 1, 4, 2024}, false, {0xf201a8c53fc2296u, 0x838313eedb96288fu}},
        {{1024, 768, 1, 1, 2, 5}, false, {0xbb594d2269e5947fu, 0x141a8e23fa94cf90u}},
        {{1024, 768, 2, 0, 1, 99}, false, {0xf8dfbcc35fd60e83u, 0x1fb8f4cc8f33d54fu}},
        {{1920, 1080, 3, 0, 0, 20240611}, true, {0x7dc533ee1fd9e614u, 0x1e229594063f62e9u}},
        {{800, 600, 3, 1, 0, 3}, true, {0xa58d98afe663d613u, 0x19701e62d39499a4u}},
        {{800, 600, 3, 0, 0, 3}, false, {0x539879102cb58ac1u, 0xd5ceb6cae919f87du}},
        {{1920, 1080, 4, 1, 0, 11}, false, {0x6d174077ff06c859u, 0x78a51401a5bca570u}},
    };
    for (const HashCase& c : cases) {
        const std::pair<uint64_t, uint64_t> hashes = Hashes(Cut(c.cut, c.shapes ? &library : nullptr));
        EXPECT_EQ(hashes, c.expected) << c.cut.Name() << std::hex << ": 0x" << hashes.first << "u, 0x" << hashes.second
                                      << "u";
    }
}

TEST(CutPieces, AShortPieceTableGrowsToHoldTheFramePiece)
{
    Descriptor d = LevelApplied({200, 150, 4, 1, 6, 8});
    std::vector<PieceRecord> pieces(3);
    TPixelBuffer mask;
    Random random(8);
    CutPieces(d, pieces, mask, random, DrawnAtlas());
    ASSERT_EQ(int(pieces.size()), d.TotalTileNum);
    EXPECT_EQ(pieces.back().maskValue, 5);
}

}  // namespace
}  // namespace kirvo
