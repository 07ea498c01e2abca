#include "cutting/ApexSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>

#include "base/Rounding.h"
#include "cutting/Tessellation.h"

namespace kirvo {
namespace {

struct PointSet {
    std::string name;
    std::vector<SeedPoint> points;
};

// One random point per cell of a grid, at least 3 pixels from every earlier point in x or y,
// as the cut places its seed points.
std::vector<SeedPoint> JitteredGrid(int columns, int rows, int cellSize, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<SeedPoint> points;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            SeedPoint p;
            bool tooClose = true;
            while (tooClose) {
                p = {column * cellSize + int(random() % cellSize), row * cellSize + int(random() % cellSize)};
                tooClose = std::any_of(points.begin(), points.end(), [&](SeedPoint q) {
                    return std::abs(q.x - p.x) <= 2 && std::abs(q.y - p.y) <= 2;
                });
            }
            points.push_back(p);
        }
    return points;
}

std::vector<SeedPoint> Scattered(int count, int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<SeedPoint> points;
    while (int(points.size()) < count) {
        SeedPoint p {int(random() % width), int(random() % height)};
        if (std::none_of(points.begin(), points.end(), [&](SeedPoint q) { return std::abs(q.x - p.x) <= 2 && std::abs(q.y - p.y) <= 2; }))
            points.push_back(p);
    }
    return points;
}

// Every four neighbours of a square lattice lie on one circle. The extra point off the lattice
// gives the triangulation a first edge: a lattice alone has three points on each hull side.
std::vector<SeedPoint> Lattice(int columns, int rows, int spacing)
{
    std::vector<SeedPoint> points;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            points.push_back({column * spacing, row * spacing});
    points.push_back({-spacing, -2 * spacing});
    return points;
}

// The twenty whole-number points of the circle of radius 25, and its centre.
std::vector<SeedPoint> CircleWithCentre()
{
    std::vector<SeedPoint> points;
    for (auto [a, b] : {std::pair {7, 24}, {15, 20}, {0, 25}})
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) {
                points.push_back({50 + sx * a, 50 + sy * b});
                points.push_back({50 + sx * b, 50 + sy * a});
            }
    std::sort(points.begin(), points.end(), [](SeedPoint p, SeedPoint q) { return std::pair {p.y, p.x} < std::pair {q.y, q.x}; });
    points.erase(std::unique(points.begin(), points.end(), [](SeedPoint p, SeedPoint q) { return p.x == q.x && p.y == q.y; }), points.end());
    points.push_back({50, 50});
    return points;
}

// Points a pixel off one long line: the circles of their triangles are huge.
std::vector<SeedPoint> AlmostOnALine(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<SeedPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({i * 7 + int(random() % 3), i * 3 + int(random() % 2)});
    return points;
}

std::vector<TessellationNode> NodesAt(const std::vector<SeedPoint>& points)
{
    std::vector<TessellationNode> nodes(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        nodes[i].x = points[i].x;
        nodes[i].y = points[i].y;
    }
    return nodes;
}

TBox AreaAround(const std::vector<SeedPoint>& points)
{
    TBox area;
    for (SeedPoint p : points)
        BoxUnion(area, p.x, p.y, p.x, p.y);
    return area;
}

// The seed points moved to their cells' mean points, as the cut's relaxation does.
std::vector<SeedPoint> Relaxed(const std::vector<SeedPoint>& points)
{
    std::vector<TessellationNode> nodes = NodesAt(points);
    Tessellate(nodes, AreaAround(points));
    std::vector<SeedPoint> moved;
    for (const TessellationNode& node : nodes)
        moved.push_back({RoundHalfEven(node.meanX), RoundHalfEven(node.meanY)});
    return moved;
}

std::vector<PointSet> PointSets()
{
    std::vector<PointSet> sets = {
        {"grid 2x2", JitteredGrid(2, 2, 26, 1)},
        {"grid 3x4", JitteredGrid(3, 4, 26, 2)},
        {"grid 10x7", JitteredGrid(10, 7, 26, 3)},
        {"grid 40x30", JitteredGrid(40, 30, 26, 4)},
        {"grid 60x33 small cells", JitteredGrid(60, 33, 9, 5)},
        {"scattered 3", Scattered(3, 100, 100, 6)},
        {"scattered 12", Scattered(12, 300, 200, 7)},
        {"scattered 200", Scattered(200, 400, 300, 8)},
        {"scattered 1000", Scattered(1000, 1920, 1080, 9)},
        {"lattice 30x20", Lattice(30, 20, 10)},
        {"dense lattice 40x40", Lattice(40, 40, 1)},
        {"circle", CircleWithCentre()},
        {"almost on a line", AlmostOnALine(300, 10)},
    };
    sets.push_back({"grid 40x30 relaxed once", Relaxed(sets[3].points)});
    sets.push_back({"grid 40x30 relaxed twice", Relaxed(sets.back().points)});
    sets.push_back({"grid 10x7 relaxed twice", Relaxed(Relaxed(sets[2].points))});
    return sets;
}

// The widest angle as acos measures it, the first point among equal computed angles: the searches
// compare cosines and must still pick this very point, ties included.
int WidestByArcCosine(const std::vector<SeedPoint>& points, int u, int v, int side)
{
    double bestAngle = -1;
    int best = -1;
    for (int k = 0; k < int(points.size()); ++k) {
        if (side == 0 || Orientation(points[u], points[v], points[k]) != side)
            continue;
        const double ux = points[u].x - points[k].x;
        const double uy = points[u].y - points[k].y;
        const double vx = points[v].x - points[k].x;
        const double vy = points[v].y - points[k].y;
        const double cosine = (ux * vx + uy * vy) / (std::sqrt(ux * ux + uy * uy) * std::sqrt(vx * vx + vy * vy));
        const double angle = std::acos(std::clamp(cosine, -1.0, 1.0));
        if (angle > bestAngle) {
            bestAngle = angle;
            best = k;
        }
    }
    return best;
}

// Every edge the gift wrapping can put on its work list is an edge of a triangle it found; both
// sides of each are asked, and random pairs besides.
TEST(ApexSearch, FindsTheSamePointAsTheScan)
{
    for (const PointSet& set : PointSets()) {
        std::vector<TessellationNode> nodes = NodesAt(set.points);
        Tessellate(nodes, AreaAround(set.points));
        std::set<std::pair<int, int>> edges;
        for (const TessellationNode& node : nodes)
            for (const TessellationTriangle& triangle : node.triangles)
                for (auto [a, b] : {std::pair {0, 1}, {0, 2}, {1, 2}})
                    edges.insert({triangle.vertices[a], triangle.vertices[b]});
        std::mt19937 random(99);
        const int count = int(set.points.size());
        for (int i = 0; i < 500; ++i) {
            int u = int(random() % count);
            int v = int(random() % count);
            if (u != v)
                edges.insert({std::min(u, v), std::max(u, v)});
        }

        ApexSearch search(set.points);
        int found = 0;
        for (auto [u, v] : edges)
            for (int side : {-1, 1}) {
                int expected = FindApexByScan(set.points, u, v, side);
                ASSERT_EQ(expected, WidestByArcCosine(set.points, u, v, side)) << set.name << ": edge " << u << "-" << v;
                ASSERT_EQ(search.Find(u, v, side), expected) << set.name << ": edge " << u << "-" << v << " side " << side;
                found += expected >= 0;
            }
        EXPECT_GT(found, 0) << set.name;
    }
}

// The two upper corners of the square over the edge see it under exactly the same computed
// angle. They lie in different buckets, the lower index in the later one.
TEST(ApexSearch, EqualAnglesGoToTheLowestIndex)
{
    for (bool rightFirst : {false, true}) {
        SeedPoint left {0, 100};
        SeedPoint right {100, 100};
        std::vector<SeedPoint> points = {{0, 0}, {100, 0}, rightFirst ? right : left, rightFirst ? left : right};
        for (int x = 0; x <= 400; x += 20)
            points.push_back({x, -200});
        int side = Orientation(points[0], points[1], points[2]);
        EXPECT_EQ(FindApexByScan(points, 0, 1, side), 2);
        EXPECT_EQ(ApexSearch(points).Find(0, 1, side), 2);
    }
}

TEST(ApexSearch, NoApexOnAnEmptySideOrOnTheEdgesLine)
{
    std::vector<SeedPoint> points = {{0, 0}, {10, 0}, {5, 5}, {20, 0}, {-7, 0}};
    int filled = Orientation(points[0], points[1], points[2]);
    ApexSearch search(points);
    EXPECT_EQ(search.Find(0, 1, filled), 2);
    EXPECT_EQ(search.Find(0, 1, -filled), -1);
    EXPECT_EQ(search.Find(0, 1, 0), -1);
    EXPECT_EQ(FindApexByScan(points, 0, 1, 0), -1);
}

TEST(ApexSearch, CircumcentreIsTheSameForEveryTripleOfOneCircle)
{
    std::vector<SeedPoint> circle = CircleWithCentre();
    circle.pop_back();
    for (size_t a = 0; a + 2 < circle.size(); ++a) {
        RealPoint centre = Circumcentre(circle[a], circle[a + 1], circle[a + 2]);
        EXPECT_EQ(centre.x, 50.0);
        EXPECT_EQ(centre.y, 50.0);
    }
    RealPoint thin = Circumcentre({0, 0}, {3, 0}, {1, 1});
    EXPECT_DOUBLE_EQ(thin.x, 1.5);
    EXPECT_DOUBLE_EQ(thin.y, -0.5);
}

}  // namespace
}  // namespace kirvo
