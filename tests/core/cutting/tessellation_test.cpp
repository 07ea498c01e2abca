#include "cutting/Tessellation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>

#include "base/Random.h"
#include "base/Rounding.h"
#include "cutting/ApexSearch.h"
#include "cutting/CellLayout.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/SeedPoints.h"

namespace kirvo {
namespace {

struct Cut {
    std::string name;
    std::vector<TessellationNode> nodes;
    TBox area;
};

std::vector<TessellationNode> NodesAt(const std::vector<SeedPoint>& points)
{
    std::vector<TessellationNode> nodes(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        nodes[i].x = points[i].x;
        nodes[i].y = points[i].y;
        nodes[i].cell = int(i);
    }
    return nodes;
}

// Seed points as the artistic cut draws them.
Cut CutSeeds(int width, int height, int tileS, int borderStyle, uint32_t seed)
{
    Descriptor d;
    d.ImageW = width;
    d.ImageH = height;
    d.BorderStyle = uint8_t(borderStyle);
    PieceGeometry g = ComputePieceGeometry(width, height, borderStyle, 0, tileS);
    d.TileS = tileS;
    d.TilePX = g.TilePX;
    d.TilePY = g.TilePY;
    d.TileNum = d.TotalTileNum = g.TileNum;
    std::vector<PieceRecord> cells(d.TileNum + 1);
    LayOutCells(d, cells);

    Cut cut {std::to_string(width) + "x" + std::to_string(height) + " cells of " + std::to_string(tileS), {},
             BoxFromCorners(d.JigsL, d.JigsT, d.JigsR, d.JigsB)};
    Random random(seed);
    cut.nodes = PlaceSeedPoints(d, cells, random);
    return cut;
}

// One relaxation step of the cut: every seed point moves to its cell's mean point.
Cut Relaxed(Cut cut)
{
    Tessellate(cut.nodes, cut.area);
    for (TessellationNode& node : cut.nodes) {
        node.x = RoundHalfEven(node.meanX);
        node.y = RoundHalfEven(node.meanY);
    }
    cut.name += " relaxed";
    return cut;
}

// Every four neighbours lie on one circle; the point off the lattice gives the triangulation a
// first edge, which a lattice alone lacks (three points on every hull side).
Cut Lattice(int columns, int rows, int spacing)
{
    std::vector<SeedPoint> points;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            points.push_back({spacing / 2 + column * spacing, spacing / 2 + row * spacing});
    points.push_back({-5 * spacing, -9 * spacing});
    return {"lattice", NodesAt(points), BoxFromCorners(0, 0, columns * spacing - 1, rows * spacing - 1)};
}

std::vector<Cut> Cuts()
{
    std::vector<Cut> cuts = {
        CutSeeds(100, 100, 50, 0, 1),
        CutSeeds(180, 90, 40, 0, 2),
        CutSeeds(800, 600, 37, 0, 3),
        CutSeeds(803, 611, 23, 1, 4),
        CutSeeds(1024, 768, 20, 0, 5),
    };
    cuts.push_back(Relaxed(cuts[2]));
    cuts.push_back(Relaxed(cuts.back()));
    cuts.push_back(Relaxed(Relaxed(cuts[4])));
    return cuts;
}

std::vector<SeedPoint> SeedPointsOf(const std::vector<TessellationNode>& nodes)
{
    std::vector<SeedPoint> points;
    for (const TessellationNode& node : nodes)
        points.push_back({node.x, node.y});
    return points;
}

void ExpectSameCells(const std::vector<TessellationNode>& a, const std::vector<TessellationNode>& b, const std::string& name)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].triangles.size(), b[i].triangles.size()) << name << " node " << i;
        for (size_t t = 0; t < a[i].triangles.size(); ++t) {
            EXPECT_EQ(a[i].triangles[t].vertices, b[i].triangles[t].vertices) << name << " node " << i;
            EXPECT_EQ(a[i].triangles[t].centreX, b[i].triangles[t].centreX) << name << " node " << i;
            EXPECT_EQ(a[i].triangles[t].centreY, b[i].triangles[t].centreY) << name << " node " << i;
        }
        ASSERT_EQ(a[i].sides.size(), b[i].sides.size()) << name << " node " << i;
        for (size_t s = 0; s < a[i].sides.size(); ++s) {
            const TessellationEdge& p = a[i].sides[s];
            const TessellationEdge& q = b[i].sides[s];
            EXPECT_TRUE(p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2 && p.neighbour == q.neighbour)
                << name << " node " << i << " side " << s;
        }
        EXPECT_EQ(a[i].meanX, b[i].meanX) << name << " node " << i;
        EXPECT_EQ(a[i].meanY, b[i].meanY) << name << " node " << i;
    }
}

// Cells are compared bit for bit; the fast search runs twice on the same nodes, which must start
// from empty lists each time.
TEST(Tessellation, FastApexSearchChangesNothing)
{
    std::vector<Cut> cuts = Cuts();
    cuts.push_back(Lattice(24, 16, 20));
    for (const Cut& cut : cuts) {
        std::vector<SeedPoint> points = SeedPointsOf(cut.nodes);
        std::vector<TessellationNode> plain = cut.nodes;
        ASSERT_TRUE(Tessellate(plain, cut.area, [&](int u, int v, int side) { return FindApexByScan(points, u, v, side); }));
        std::vector<TessellationNode> fast = cut.nodes;
        ASSERT_TRUE(Tessellate(fast, cut.area));
        ASSERT_TRUE(Tessellate(fast, cut.area));
        ExpectSameCells(plain, fast, cut.name);
    }
}

bool Inside(const TBox& area, double x, double y) { return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom; }

bool HasSideTowards(const TessellationNode& node, int neighbour)
{
    return std::any_of(node.sides.begin(), node.sides.end(), [&](const TessellationEdge& side) { return side.neighbour == neighbour; });
}

// Each end point of a closed polygon is shared by two of its sides (a side of no length is
// closed by itself).
bool IsClosed(const TessellationNode& node)
{
    std::map<std::pair<double, double>, int> ends;
    for (const TessellationEdge& side : node.sides) {
        ++ends[{side.x1, side.y1}];
        ++ends[{side.x2, side.y2}];
    }
    return std::all_of(ends.begin(), ends.end(), [](const auto& end) { return end.second % 2 == 0; });
}

// Every side lies inside the cut area with its upper end first, and the cell across it has a
// side back.
void ExpectSidesInsideAndMutual(const Cut& cut)
{
    for (int i = 0; i < int(cut.nodes.size()); ++i)
        for (const TessellationEdge& side : cut.nodes[i].sides) {
            EXPECT_TRUE(Inside(cut.area, side.x1, side.y1) && Inside(cut.area, side.x2, side.y2))
                << cut.name << " node " << i << ": " << side.x1 << "," << side.y1 << " " << side.x2 << "," << side.y2;
            EXPECT_TRUE(side.y1 < side.y2 || (side.y1 == side.y2 && side.x1 <= side.x2)) << cut.name << " node " << i;
            if (side.neighbour >= 0) {
                EXPECT_TRUE(HasSideTowards(cut.nodes[side.neighbour], i))
                    << cut.name << ": node " << i << " borders " << side.neighbour << " but not the other way round";
            }
        }
}

TEST(Tessellation, CellsOfACutAreClosedInsideAndMutual)
{
    for (Cut cut : Cuts()) {
        ASSERT_TRUE(Tessellate(cut.nodes, cut.area)) << cut.name;
        ExpectSidesInsideAndMutual(cut);
        for (int i = 0; i < int(cut.nodes.size()); ++i) {
            const TessellationNode& node = cut.nodes[i];
            EXPECT_GE(node.sides.size(), 3u) << cut.name << " node " << i;
            EXPECT_TRUE(IsClosed(node)) << cut.name << " node " << i;
            EXPECT_TRUE(Inside(cut.area, node.meanX, node.meanY)) << cut.name << " node " << i;
        }
    }
}

// The seed points cover more than the cut area: the sides of cells left of it are dropped, and
// sides crossing its borders are clipped onto them.
TEST(Tessellation, SidesAreDroppedOrClippedAtTheCutArea)
{
    Cut whole = CutSeeds(400, 300, 25, 0, 6);
    for (TBox area :
         {BoxFromCorners(100, 50, 300, 250), BoxFromCorners(37, 81, 123, 299), BoxFromCorners(211, 7, 399, 140)}) {
        Cut cut = whole;
        cut.area = area;
        cut.name = "area from " + std::to_string(area.left) + "," + std::to_string(area.top);
        ASSERT_TRUE(Tessellate(cut.nodes, cut.area));
        ExpectSidesInsideAndMutual(cut);
        int clippedOntoLeft = 0;
        for (const TessellationNode& node : cut.nodes) {
            if (node.x < area.left - 2 * 25) {
                EXPECT_TRUE(node.sides.empty()) << cut.name << " seed " << node.x << "," << node.y;
            }
            for (const TessellationEdge& side : node.sides)
                clippedOntoLeft += side.neighbour >= 0 && (side.x1 == area.left || side.x2 == area.left);
        }
        EXPECT_GT(clippedOntoLeft, 0) << cut.name;
    }
}

// In this lattice of rows 18 apart, shifted by half of 20 every other row, the Voronoi side
// between (0, 0) and (10, 18) runs from (0, 11.8) to (10, 6.2): past the corner (6, 10) outside.
// Clipped to the top row it lies wholly left of the area, and must go rather than end up as a
// point outside it.
TEST(Tessellation, SidePassingOutsideACornerIsDropped)
{
    std::vector<SeedPoint> points;
    for (int row = -1; row < 6; ++row)
        for (int column = -1; column < 8; ++column)
            points.push_back({20 * column + (row % 2 == 0 ? 0 : 10), 18 * row});
    Cut cut {"shifted lattice", NodesAt(points), BoxFromCorners(6, 10, 120, 80)};
    ASSERT_TRUE(Tessellate(cut.nodes, cut.area));
    ExpectSidesInsideAndMutual(cut);
    auto index = [&](int x, int y) {
        return int(std::find_if(points.begin(), points.end(), [&](SeedPoint p) { return p.x == x && p.y == y; }) - points.begin());
    };
    EXPECT_FALSE(HasSideTowards(cut.nodes[index(0, 0)], index(10, 18)));
    EXPECT_FALSE(HasSideTowards(cut.nodes[index(10, 18)], index(0, 0)));
}

void ExpectSide(const TessellationEdge& side, double x1, double y1, double x2, double y2, int neighbour)
{
    EXPECT_DOUBLE_EQ(side.x1, x1);
    EXPECT_DOUBLE_EQ(side.y1, y1);
    EXPECT_DOUBLE_EQ(side.x2, x2);
    EXPECT_DOUBLE_EQ(side.y2, y2);
    EXPECT_EQ(side.neighbour, neighbour);
}

// One triangle with circumcentre (50, 62.1875). The two upper cells are open towards the top and
// the sides: each gets a side from the circumcentre up to the top row, one along the bisector to
// its side border, and is closed through its upper corner.
TEST(Tessellation, HullCellsReachTheBorderAndCloseThroughTheCorner)
{
    std::vector<TessellationNode> nodes = NodesAt({{25, 50}, {75, 50}, {50, 90}});
    ASSERT_TRUE(Tessellate(nodes, BoxFromCorners(0, 0, 100, 100)));
    ASSERT_EQ(nodes[0].triangles.size(), 1u);
    EXPECT_EQ(nodes[0].triangles[0].vertices, (std::array {0, 1, 2}));
    EXPECT_DOUBLE_EQ(nodes[0].triangles[0].centreY, 62.1875);

    ASSERT_EQ(nodes[0].sides.size(), 4u);
    ExpectSide(nodes[0].sides[0], 50, 0, 50, 62.1875, 1);
    ExpectSide(nodes[0].sides[1], 50, 62.1875, 0, 93.4375, 2);
    ExpectSide(nodes[0].sides[2], 0, 0, 0, 93.4375, -1);
    ExpectSide(nodes[0].sides[3], 0, 0, 50, 0, -1);
    EXPECT_DOUBLE_EQ(nodes[0].meanX, 25);
    EXPECT_DOUBLE_EQ(nodes[0].meanY, 38.90625);

    ASSERT_EQ(nodes[1].sides.size(), 4u);
    ExpectSide(nodes[1].sides[0], 50, 0, 50, 62.1875, 0);
    ExpectSide(nodes[1].sides[1], 50, 62.1875, 100, 93.4375, 2);
    ExpectSide(nodes[1].sides[2], 100, 0, 100, 93.4375, -1);
    ExpectSide(nodes[1].sides[3], 50, 0, 100, 0, -1);
    EXPECT_DOUBLE_EQ(nodes[1].meanX, 75);
    EXPECT_DOUBLE_EQ(nodes[1].meanY, 38.90625);
}

// A seed point with thirty neighbours around it: far more triangles and sides than the twenty the
// cells were once limited to.
TEST(Tessellation, ListsGrowPastTwenty)
{
    std::vector<SeedPoint> points = {{100, 100}};
    for (int i = 0; i < 30; ++i) {
        double angle = 2 * std::numbers::pi * i / 30;
        points.push_back({100 + int(std::lround(50 * std::cos(angle))), 100 + int(std::lround(50 * std::sin(angle)))});
    }
    Cut cut {"hub", NodesAt(points), BoxFromCorners(0, 0, 200, 200)};
    ASSERT_TRUE(Tessellate(cut.nodes, cut.area));
    const TessellationNode& hub = cut.nodes[0];
    EXPECT_EQ(hub.triangles.size(), 30u);
    ASSERT_EQ(hub.sides.size(), 30u);
    EXPECT_TRUE(IsClosed(hub));
    for (int i = 1; i <= 30; ++i)
        EXPECT_TRUE(HasSideTowards(hub, i)) << i;
    ExpectSidesInsideAndMutual(cut);
}

// A first edge needs every other point on one side of it, or every other point on its line: a
// lattice has three points on each hull side, so none of its pairs qualifies; one point more makes
// two-point hull sides. Points all on one line qualify but give no triangles, and cells without
// sides keep their seed points as mean points.
TEST(TessellationFirstEdge, NeedsAPairWithEveryOtherPointOnOneSide)
{
    std::vector<SeedPoint> lattice = {{10, 10}, {20, 10}, {30, 10}, {10, 20}, {20, 20}, {30, 20}, {10, 30}, {20, 30}, {30, 30}};
    std::vector<SeedPoint> latticeAndOneMore = lattice;
    latticeAndOneMore.push_back({5, 3});
    struct Case {
        const char* name;
        std::vector<SeedPoint> points;
        bool found;
        bool triangles;
    };
    for (const Case& c : {Case {"no points", {}, false, false}, Case {"one point", {{5, 5}}, false, false},
                          Case {"two points", {{5, 5}, {40, 20}}, true, false},
                          Case {"on one line", {{10, 10}, {20, 15}, {40, 25}, {30, 20}, {0, 5}}, true, false},
                          Case {"lattice", lattice, false, false}, Case {"lattice and one more", latticeAndOneMore, true, true}}) {
        std::vector<TessellationNode> nodes = NodesAt(c.points);
        for (TessellationNode& node : nodes)
            node.sides.resize(2);
        EXPECT_EQ(Tessellate(nodes, BoxFromCorners(0, 0, 50, 50)), c.found) << c.name;
        for (const TessellationNode& node : nodes) {
            EXPECT_EQ(!node.triangles.empty(), c.triangles) << c.name;
            if (node.sides.empty()) {
                EXPECT_EQ(node.meanX, node.x) << c.name;
                EXPECT_EQ(node.meanY, node.y) << c.name;
            }
        }
    }
}

}  // namespace
}  // namespace kirvo
