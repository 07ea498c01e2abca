// ApexSearch: the third corner of a Delaunay triangle over a known edge.
//
// For an edge (u, v) and a side, the apex is the seed point strictly on that side that sees u and
// v under the largest angle; among equal angles (as computed in double precision) the lowest index
// wins. FindApexByScan looks at every point, which makes a triangulation quadratic. ApexSearch
// keeps the points in a bucket grid and only looks near the circle through u, v and the best point
// found so far, so evenly spread points cost about a constant per edge; it returns the very same
// point as the scan, angle for angle. Side 0 has no apex: a triangle never lies on its own edge.
// Undefined: coordinates beyond +-65535.
#pragma once

#include <span>
#include <vector>

namespace kirvo {

struct SeedPoint {
    int x = 0;
    int y = 0;
};

// Above every cosine: any angle is wider than none.
inline constexpr double kNoCosine = 2;

struct RealPoint {
    double x = 0;
    double y = 0;
};

// Which side of the line a -> b the point p lies on: the sign (-1, 0, +1) of
// (a.x - p.x)(a.y - b.y) - (a.x - b.x)(a.y - p.y), computed exactly.
int Orientation(SeedPoint a, SeedPoint b, SeedPoint p);

// The centre of the circle through three points that are not on one line. Correctly rounded from
// the exact value, so every triple of one circle gives the same centre.
RealPoint Circumcentre(SeedPoint a, SeedPoint b, SeedPoint c);

// The apex over every point in index order: -1 when no point lies on that side.
int FindApexByScan(std::span<const SeedPoint> points, int u, int v, int side);

class ApexSearch {
public:
    explicit ApexSearch(std::span<const SeedPoint> points);

    // Same result as FindApexByScan over the points given to the constructor.
    int Find(int u, int v, int side) const;

private:
    struct Entry {
        int x;
        int y;
        int index;
    };
    struct Best {
        double cosine = kNoCosine;
        int index = -1;
    };

    // A rectangle of buckets, edges inclusive; empty by default.
    struct Buckets {
        int column0 = 0;
        int column1 = -1;
        int row0 = 0;
        int row1 = -1;
    };

    // The buckets covering the rectangle (edges inclusive) of the picture's points.
    Buckets Covering(double left, double top, double right, double bottom) const;
    // Offers every point of the buckets, except those of seen, to best.
    void Scan(SeedPoint u, SeedPoint v, int side, const Buckets& buckets, const Buckets& seen, Best& best) const;
    int Column(double x) const;
    int Row(double y) const;

    std::vector<SeedPoint> points;
    int minX = 0;
    int minY = 0;
    int maxX = -1;
    int maxY = -1;
    int bucketSize = 1;  // pixels, square buckets
    int columns = 0;
    int rows = 0;
    std::vector<int> bucketStart;  // row by row; bucket b holds entries[bucketStart[b] .. bucketStart[b + 1])
    std::vector<Entry> entries;
};

}  // namespace kirvo
