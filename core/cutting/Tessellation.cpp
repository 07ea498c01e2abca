#include "cutting/Tessellation.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <optional>

#include "cutting/ApexSearch.h"

namespace kirvo {

namespace {

// A triangulation edge waiting for the triangle on its open side.
struct WorkEdge {
    int u;     // the smaller index
    int v;
    int side;  // Orientation(u, v, apex) of the triangle still to find
};

// One triangle as its node sees it while the cell is built.
struct FanTriangle {
    std::array<int, 2> others {};       // the two corners other than the node, ascending
    std::array<int, 2> links {-1, -1};  // the fan's triangle across the edge to others[i]; -1 = open
};

// Where along one border a cell's sides end; the first two count.
struct BorderTouches {
    int count = 0;
    std::array<double, 2> at {};

    void Add(double position)
    {
        if (count < 2)
            at[count] = position;
        ++count;
    }
};

std::vector<SeedPoint> SeedPointsOf(std::span<const TessellationNode> nodes)
{
    std::vector<SeedPoint> points;
    points.reserve(nodes.size());
    for (const TessellationNode& node : nodes)
        points.push_back({node.x, node.y});
    return points;
}

// The first pair (in index order) with every other point on one side of it, or every other point
// on its line: an edge of the hull, with that side. A lone pair, or points all on one line, get
// side 0, which has no apex: such points have no triangles.
std::optional<WorkEdge> FindFirstEdge(std::span<const SeedPoint> points)
{
    constexpr int kUnseen = 2;
    const int count = int(points.size());
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j) {
            int side = kUnseen;
            bool qualifies = true;
            for (int k = 0; k < count && qualifies; ++k) {
                if (k == i || k == j)
                    continue;
                int orientation = Orientation(points[i], points[j], points[k]);
                if (side == kUnseen)
                    side = orientation;
                qualifies = orientation == side;
            }
            if (qualifies)
                return WorkEdge {i, j, side == kUnseen ? 0 : side};
        }
    return std::nullopt;
}

// The same three corners, or an overlap: a shared edge with both third corners on one side of it.
bool Conflicts(const TessellationTriangle& stored, const std::array<int, 3>& corners, std::span<const SeedPoint> points)
{
    if (stored.vertices == corners)
        return true;
    auto storedHas = [&](int index) { return std::find(stored.vertices.begin(), stored.vertices.end(), index) != stored.vertices.end(); };
    for (int third = 0; third < 3; ++third) {
        int p = corners[(third + 1) % 3];
        int q = corners[(third + 2) % 3];
        if (!storedHas(p) || !storedHas(q))
            continue;
        int storedThird = stored.vertices[0] + stored.vertices[1] + stored.vertices[2] - p - q;
        if (Orientation(points[p], points[q], points[storedThird]) == Orientation(points[p], points[q], points[corners[third]]))
            return true;
    }
    return false;
}

bool AddTriangle(std::span<TessellationNode> nodes, std::span<const SeedPoint> points, int a, int b, int c)
{
    std::array<int, 3> corners {a, b, c};
    std::sort(corners.begin(), corners.end());
    for (int corner : corners)
        for (const TessellationTriangle& stored : nodes[corner].triangles)
            if (Conflicts(stored, corners, points))
                return false;
    RealPoint centre = Circumcentre(points[corners[0]], points[corners[1]], points[corners[2]]);
    for (int corner : corners)
        nodes[corner].triangles.push_back({corners, centre.x, centre.y});
    return true;
}

// Gift wrapping from the first hull edge: every edge on the work list gets the triangle on its
// open side, and that triangle's two new edges join the list unless they are on it already.
bool Triangulate(std::span<TessellationNode> nodes, std::span<const SeedPoint> points, const ApexFinder& findApex)
{
    std::optional<WorkEdge> first = FindFirstEdge(points);
    if (!first)
        return false;
    std::vector<WorkEdge> work {*first};
    work.reserve(3 * points.size());
    // The list holds the first edge and the edges of every triangle found: an edge of the newest
    // triangle is on it already when it is the first edge or a side of an earlier triangle.
    auto listedBefore = [&](int u, int v) {
        if (u == first->u && v == first->v)
            return true;
        const std::vector<TessellationTriangle>& triangles = nodes[u].triangles;
        return std::any_of(triangles.begin(), triangles.end() - 1, [v](const TessellationTriangle& triangle) {
            return std::find(triangle.vertices.begin(), triangle.vertices.end(), v) != triangle.vertices.end();
        });
    };
    for (size_t at = 0; at < work.size(); ++at) {
        const WorkEdge edge = work[at];
        int apex = findApex(edge.u, edge.v, edge.side);
        if (apex < 0 || !AddTriangle(nodes, points, edge.u, edge.v, apex))
            continue;
        for (auto [end, third] : {std::pair {edge.u, edge.v}, std::pair {edge.v, edge.u}}) {
            int u = std::min(end, apex);
            int v = std::max(end, apex);
            if (!listedBefore(u, v))
                work.push_back({u, v, -Orientation(points[u], points[v], points[third])});
        }
    }
    return true;
}

bool IsBeyondOneBorder(const TessellationEdge& side, const TBox& area)
{
    return (side.x1 < area.left && side.x2 < area.left) || (side.x1 > area.right && side.x2 > area.right) ||
           (side.y1 < area.top && side.y2 < area.top) || (side.y1 > area.bottom && side.y2 > area.bottom);
}

void OrderEnds(TessellationEdge& side)
{
    if (side.y1 > side.y2 || (side.y1 == side.y2 && side.x1 > side.x2)) {
        std::swap(side.x1, side.x2);
        std::swap(side.y1, side.y2);
    }
}

// The other coordinate of the point where the line through (a0, b0) and (a1, b1) has a = to.
double CrossingAt(double a0, double b0, double a1, double b1, double to) { return b0 + (b1 - b0) * (to - a0) / (a1 - a0); }

// Moves the end (x, y) along the side onto the left or right border when it lies beyond it. The
// other end is already between the top and bottom rows, so the new end is too; the clamp keeps
// rounding from putting it a hair outside.
void ClipToColumns(double& x, double& y, double otherX, double otherY, const TBox& area)
{
    double column = std::clamp(x, double(area.left), double(area.right));
    if (column == x)
        return;
    y = std::clamp(CrossingAt(x, y, otherX, otherY, column), double(area.top), double(area.bottom));
    x = column;
}

// A side from p to q, clipped to the area; dropped when nothing of it is inside.
void AddSide(std::vector<TessellationEdge>& sides, int neighbour, RealPoint p, RealPoint q, const TBox& area)
{
    TessellationEdge side;
    side.x1 = p.x;
    side.y1 = p.y;
    side.x2 = q.x;
    side.y2 = q.y;
    side.neighbour = int16_t(neighbour);
    if (IsBeyondOneBorder(side, area))
        return;
    OrderEnds(side);
    if (side.y1 < area.top) {
        side.x1 = CrossingAt(side.y1, side.x1, side.y2, side.x2, area.top);
        side.y1 = area.top;
    }
    if (side.y2 > area.bottom) {
        side.x2 = CrossingAt(side.y2, side.x2, side.y1, side.x1, area.bottom);
        side.y2 = area.bottom;
    }
    // A side that passes outside a corner is now wholly left or right of the area.
    if (IsBeyondOneBorder(side, area))
        return;
    ClipToColumns(side.x1, side.y1, side.x2, side.y2, area);
    ClipToColumns(side.x2, side.y2, side.x1, side.y1, area);
    OrderEnds(side);
    sides.push_back(side);
}

bool Contains(const TBox& area, RealPoint p)
{
    return p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom;
}

// Where the ray from start (inside the area) in direction (dx, dy) reaches the border. The
// coordinate of the border it reaches is exact, so the border test of CloseAlongBorder finds it.
RealPoint BorderExit(RealPoint start, double dx, double dy, const TBox& area)
{
    constexpr double kNever = std::numeric_limits<double>::infinity();
    double toColumn = dx > 0 ? (area.right - start.x) / dx : dx < 0 ? (area.left - start.x) / dx : kNever;
    double toRow = dy > 0 ? (area.bottom - start.y) / dy : dy < 0 ? (area.top - start.y) / dy : kNever;
    if (toColumn <= toRow)
        return {double(dx > 0 ? area.right : area.left), start.y + toColumn * dy};
    return {start.x + toRow * dx, double(dy > 0 ? area.bottom : area.top)};
}

// The side of an open hull cell along the perpendicular bisector of its hull edge (node, outer),
// from the circumcentre outward (away from the triangle's third corner) to the border.
void AddHullSide(std::vector<TessellationEdge>& sides, std::span<const SeedPoint> points, int node, int outer, int third,
                 RealPoint centre, const TBox& area)
{
    if (!Contains(area, centre))
        return;
    // Both cells of the edge compute the direction from the lower index, so their sides match.
    SeedPoint low = points[std::min(node, outer)];
    SeedPoint high = points[std::max(node, outer)];
    int64_t dx = -(int64_t(high.y) - low.y);
    int64_t dy = int64_t(high.x) - low.x;
    if (dx * (points[third].x - low.x) + dy * (points[third].y - low.y) > 0) {
        dx = -dx;
        dy = -dy;
    }
    AddSide(sides, outer, centre, BorderExit(centre, double(dx), double(dy), area), area);
}

// Joins the ends of a cell's sides on the border: two ends on one border (left, top, right, bottom
// in that order) by one side along it, else ends on two adjacent borders through their corner.
void CloseAlongBorder(std::vector<TessellationEdge>& sides, const TBox& area)
{
    BorderTouches left, top, right, bottom;
    for (const TessellationEdge& side : sides) {
        if (side.x1 == side.x2 && side.y1 == side.y2)
            continue;
        if (side.y1 == area.top)
            top.Add(side.x1);
        if (side.y2 == area.bottom)
            bottom.Add(side.x2);
        if (side.x1 == area.left)
            left.Add(side.y1);
        else if (side.x2 == area.left)
            left.Add(side.y2);
        if (side.x1 == area.right)
            right.Add(side.y1);
        else if (side.x2 == area.right)
            right.Add(side.y2);
    }
    const double l = area.left;
    const double t = area.top;
    const double r = area.right;
    const double b = area.bottom;
    auto throughCorner = [&](RealPoint from, RealPoint corner, RealPoint to) {
        AddSide(sides, -1, from, corner, area);
        AddSide(sides, -1, corner, to, area);
    };
    if (left.count >= 2)
        AddSide(sides, -1, {l, left.at[0]}, {l, left.at[1]}, area);
    else if (top.count >= 2)
        AddSide(sides, -1, {top.at[0], t}, {top.at[1], t}, area);
    else if (right.count >= 2)
        AddSide(sides, -1, {r, right.at[0]}, {r, right.at[1]}, area);
    else if (bottom.count >= 2)
        AddSide(sides, -1, {bottom.at[0], b}, {bottom.at[1], b}, area);
    else if (left.count > 0 && top.count > 0)
        throughCorner({l, left.at[0]}, {l, t}, {top.at[0], t});
    else if (right.count > 0 && top.count > 0)
        throughCorner({r, right.at[0]}, {r, t}, {top.at[0], t});
    else if (left.count > 0 && bottom.count > 0)
        throughCorner({l, left.at[0]}, {l, b}, {bottom.at[0], b});
    else if (right.count > 0 && bottom.count > 0)
        throughCorner({r, right.at[0]}, {r, b}, {bottom.at[0], b});
}

// A cell without sides keeps its seed point, so relaxing it leaves the point where it is.
void SetMeanPoint(TessellationNode& node)
{
    if (node.sides.empty()) {
        node.meanX = node.x;
        node.meanY = node.y;
        return;
    }
    double sumX = 0;
    double sumY = 0;
    for (const TessellationEdge& side : node.sides) {
        sumX += side.x1 + side.x2;
        sumY += side.y1 + side.y2;
    }
    node.meanX = sumX / double(node.sides.size()) / 2;
    node.meanY = sumY / double(node.sides.size()) / 2;
}

// The cell of one node from the fan of its triangles: a side between the circumcentres of every
// two triangles that share an edge, a side to the border from each triangle with an open edge,
// then the sides along the border.
void BuildCell(TessellationNode& node, int index, std::span<const SeedPoint> points, const TBox& area,
               std::vector<FanTriangle>& fan)
{
    fan.clear();
    for (const TessellationTriangle& triangle : node.triangles) {
        FanTriangle& seen = fan.emplace_back();
        std::copy_if(triangle.vertices.begin(), triangle.vertices.end(), seen.others.begin(),
                     [index](int vertex) { return vertex != index; });
    }
    const int count = int(fan.size());
    auto centreOf = [&](int t) { return RealPoint {node.triangles[t].centreX, node.triangles[t].centreY}; };
    for (int j = 0; j < count; ++j)
        for (int k = j + 1; k < count; ++k)
            for (int sj = 0; sj < 2; ++sj) {
                auto sk = std::find(fan[k].others.begin(), fan[k].others.end(), fan[j].others[sj]);
                if (sk == fan[k].others.end())
                    continue;
                fan[j].links[sj] = k;
                fan[k].links[sk - fan[k].others.begin()] = j;
                AddSide(node.sides, fan[j].others[sj], centreOf(j), centreOf(k), area);
                break;
            }
    for (int t = 0; t < count; ++t)
        for (int s = 0; s < 2; ++s)
            if (fan[t].links[s] < 0)
                AddHullSide(node.sides, points, index, fan[t].others[s], fan[t].others[1 - s], centreOf(t), area);
    CloseAlongBorder(node.sides, area);
}

}  // namespace

bool Tessellate(std::span<TessellationNode> nodes, const TBox& cutArea, const ApexFinder& findApex)
{
    assert(nodes.size() <= size_t(std::numeric_limits<int16_t>::max()));
    for (TessellationNode& node : nodes) {
        node.sides.clear();
        node.triangles.clear();
    }
    std::vector<SeedPoint> points = SeedPointsOf(nodes);
    bool triangulated = Triangulate(nodes, points, findApex);
    std::vector<FanTriangle> fan;
    for (int i = 0; i < int(nodes.size()); ++i) {
        BuildCell(nodes[i], i, points, cutArea, fan);
        SetMeanPoint(nodes[i]);
    }
    return triangulated;
}

bool Tessellate(std::span<TessellationNode> nodes, const TBox& cutArea)
{
    ApexSearch search(SeedPointsOf(nodes));
    return Tessellate(nodes, cutArea, [&search](int u, int v, int side) { return search.Find(u, v, side); });
}

}  // namespace kirvo
