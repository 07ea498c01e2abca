#include "cutting/ApexSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kirvo {

namespace {

constexpr int kPointsPerBucket = 2;

// Beyond this radius of the circle through u, v and the best point so far, in half edge lengths,
// that point lies almost on the edge's line and the search scans every point instead of trusting
// the margin argument in Find.
constexpr double kFlatCircle = 4096;

// Cosines further apart than this belong to angles further apart than acos can round together:
// acos falls at least as steeply as the cosine rises, and its results lie within a few units of
// rounding (below 1e-15 at pi) of the exact angles.
constexpr double kSameAngleBand = 1e-14;

// The cosine of the angle under which k sees u and v: the one expression of both searches, so
// that equal angles compare equal. The products and sums are of whole numbers below 2^53 and
// therefore exact; the clamp only matters if the quotient were to round past +-1.
double ApexCosine(SeedPoint u, SeedPoint v, SeedPoint k)
{
    double ux = u.x - k.x;
    double uy = u.y - k.y;
    double vx = v.x - k.x;
    double vy = v.y - k.y;
    double cosine = (ux * vx + uy * vy) / (std::sqrt(ux * ux + uy * uy) * std::sqrt(vx * vx + vy * vy));
    return std::clamp(cosine, -1.0, 1.0);
}

// Compares the angles of two cosines as acos gives them: +1 when the first is wider, 0 when the
// computed angles are equal, -1 when it is narrower. A smaller cosine is a wider angle; acos is
// only worked out for cosines so close that their angles may round to one value, and those ties
// keep deciding which point wins exactly as they always did.
int CompareAngles(double cosine, double other)
{
    if (cosine == other)
        return 0;
    if (std::abs(cosine - other) > kSameAngleBand)
        return cosine < other ? 1 : -1;
    double angle = std::acos(cosine);
    double otherAngle = std::acos(other);
    return (angle > otherAngle) - (angle < otherAngle);
}

}  // namespace

int Orientation(SeedPoint a, SeedPoint b, SeedPoint p)
{
    int64_t cross = int64_t(a.x - p.x) * (a.y - b.y) - int64_t(a.x - b.x) * (a.y - p.y);
    return (cross > 0) - (cross < 0);
}

RealPoint Circumcentre(SeedPoint a, SeedPoint b, SeedPoint c)
{
    // Numerators and denominator are exact integers below 2^53, so each coordinate is one
    // correctly rounded division.
    int64_t aa = int64_t(a.x) * a.x + int64_t(a.y) * a.y;
    int64_t bb = int64_t(b.x) * b.x + int64_t(b.y) * b.y;
    int64_t cc = int64_t(c.x) * c.x + int64_t(c.y) * c.y;
    int64_t d = 2 * (int64_t(a.x) * (b.y - c.y) + int64_t(b.x) * (c.y - a.y) + int64_t(c.x) * (a.y - b.y));
    int64_t x = aa * (b.y - c.y) + bb * (c.y - a.y) + cc * (a.y - b.y);
    int64_t y = aa * (c.x - b.x) + bb * (a.x - c.x) + cc * (b.x - a.x);
    return {double(x) / double(d), double(y) / double(d)};
}

int FindApexByScan(std::span<const SeedPoint> points, int u, int v, int side)
{
    if (side == 0)
        return -1;
    double bestCosine = kNoCosine;
    int best = -1;
    for (int k = 0; k < int(points.size()); ++k) {
        if (Orientation(points[u], points[v], points[k]) != side)
            continue;
        double cosine = ApexCosine(points[u], points[v], points[k]);
        if (CompareAngles(cosine, bestCosine) > 0) {
            bestCosine = cosine;
            best = k;
        }
    }
    return best;
}

ApexSearch::ApexSearch(std::span<const SeedPoint> points) : points(points.begin(), points.end())
{
    if (points.empty())
        return;
    minX = maxX = points[0].x;
    minY = maxY = points[0].y;
    for (SeedPoint p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    double width = double(maxX) - minX + 1;
    double height = double(maxY) - minY + 1;
    bucketSize = std::max(1, int(std::sqrt(width * height * kPointsPerBucket / double(points.size()))));
    columns = (maxX - minX) / bucketSize + 1;
    rows = (maxY - minY) / bucketSize + 1;

    // Counting sort by bucket; within a bucket the points stay in index order.
    bucketStart.assign(size_t(columns) * rows + 1, 0);
    auto bucketOf = [&](SeedPoint p) { return size_t(Row(p.y)) * columns + Column(p.x); };
    for (SeedPoint p : points)
        ++bucketStart[bucketOf(p) + 1];
    for (size_t b = 1; b < bucketStart.size(); ++b)
        bucketStart[b] += bucketStart[b - 1];
    entries.resize(points.size());
    std::vector<int> next(bucketStart.begin(), bucketStart.end() - 1);
    for (int i = 0; i < int(points.size()); ++i)
        entries[next[bucketOf(points[i])]++] = {points[i].x, points[i].y, i};
}

int ApexSearch::Column(double x) const { return int(std::floor(x) - minX) / bucketSize; }
int ApexSearch::Row(double y) const { return int(std::floor(y) - minY) / bucketSize; }

ApexSearch::Buckets ApexSearch::Covering(double left, double top, double right, double bottom) const
{
    if (right < minX || left > maxX || bottom < minY || top > maxY)
        return {};
    return {Column(std::max(left, double(minX))), Column(std::ceil(std::min(right, double(maxX)))),
            Row(std::max(top, double(minY))), Row(std::ceil(std::min(bottom, double(maxY))))};
}

void ApexSearch::Scan(SeedPoint u, SeedPoint v, int side, const Buckets& buckets, const Buckets& seen, Best& best) const
{
    // The buckets of one row are stored one after another: a run of columns is one run of entries.
    auto scanColumns = [&](const int* start, int column0, int column1) {
        for (int at = start[column0]; at < start[column1 + 1]; ++at) {
            const Entry& entry = entries[at];
            SeedPoint k {entry.x, entry.y};
            if (Orientation(u, v, k) != side)
                continue;
            // Equal angles go to the lowest index: the scan keeps the first of them.
            double cosine = ApexCosine(u, v, k);
            int order = CompareAngles(cosine, best.cosine);
            if (order > 0 || (order == 0 && entry.index < best.index))
                best = {cosine, entry.index};
        }
    };
    for (int row = buckets.row0; row <= buckets.row1; ++row) {
        const int* start = &bucketStart[size_t(row) * columns];
        if (row < seen.row0 || row > seen.row1) {
            scanColumns(start, buckets.column0, buckets.column1);
            continue;
        }
        scanColumns(start, buckets.column0, std::min(buckets.column1, seen.column0 - 1));
        scanColumns(start, std::max(buckets.column0, seen.column1 + 1), buckets.column1);
    }
}

int ApexSearch::Find(int u, int v, int side) const
{
    if (side == 0)
        return -1;
    SeedPoint a = points[u];
    SeedPoint b = points[v];

    // A first candidate from the buckets around the edge.
    Best best;
    const Buckets aroundEdge = Covering(std::min(a.x, b.x) - bucketSize, std::min(a.y, b.y) - bucketSize,
                                        std::max(a.x, b.x) + bucketSize, std::max(a.y, b.y) + bucketSize);
    Scan(a, b, side, aroundEdge, {}, best);
    if (best.index < 0)
        return FindApexByScan(points, u, v, side);

    // A point sees u and v under a larger angle than the candidate only inside the circle through
    // the three. The angle falls off at least as fast as c / (34 r) per margin of r / 16 outside
    // (c half the edge, r the radius), which dwarfs the rounding of computed angles (about
    // 1e-15 r / c) while r / c stays below kFlatCircle; so no point outside the margin can reach
    // or tie the candidate's computed angle.
    RealPoint centre = Circumcentre(a, b, points[best.index]);
    double radius = std::hypot(centre.x - a.x, centre.y - a.y);
    double halfEdge = std::hypot(double(b.x) - a.x, double(b.y) - a.y) / 2;
    if (radius > kFlatCircle * halfEdge)
        return FindApexByScan(points, u, v, side);
    // The buckets already scanned are left out: a point offered again cannot displace the best,
    // which is at least as good as every point offered before.
    double reach = radius + radius / 16 + 2;
    Scan(a, b, side, Covering(centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach), aroundEdge,
         best);
    return best.index;
}

}  // namespace kirvo
