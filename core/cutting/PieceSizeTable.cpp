#include "cutting/PieceSizeTable.h"

#include <algorithm>
#include <cmath>

#include "base/Rounding.h"

namespace kirvo {

namespace {

constexpr int kFewestPieces = 16;
constexpr int kFinestTileS = 20;

PieceGeometry CoarsestGeometry(int width, int height, int borderStyle, int shapeStyle)
{
    auto geometry = [&](int tileS) { return ComputePieceGeometry(width, height, borderStyle, shapeStyle, tileS); };
    double t = std::max(1, std::min(width, height) / 4);
    PieceGeometry kept = geometry(static_cast<int>(t));
    if (kept.TotalTileNum < kFewestPieces) {
        // Shrink until there are enough pieces, but never to a cell of no pixels.
        while (kept.TotalTileNum < kFewestPieces) {
            t *= 0.99;
            int tileS = RoundHalfEven(t);
            if (tileS < 1)
                break;
            kept = geometry(tileS);
        }
        return kept;
    }
    while (kept.TotalTileNum > kFewestPieces) {
        t *= 1.01;
        PieceGeometry grown = geometry(RoundHalfEven(t));
        if (grown.TotalTileNum <= kFewestPieces)
            break;
        if (grown.TotalTileNum < kept.TotalTileNum)
            return grown;
    }
    return kept;
}

}  // namespace

PieceGeometry ComputePieceGeometry(int width, int height, int borderStyle, int shapeStyle, int TileS)
{
    PieceGeometry g;
    g.TileS = TileS;
    g.MaskS = (TileS - 20) / 4 * 6 + 28;
    g.knobMargin = (g.MaskS - TileS) / 2;
    int frame = borderStyle == 1 ? 40 : 0;
    g.TilePX = std::max(0, (width - frame) / TileS);  // a picture smaller than its frame has no cells
    g.TilePY = std::max(0, (height - frame) / TileS);
    g.TileNum = g.TilePX * g.TilePY;
    if (shapeStyle == 3) {
        g.PicPX = g.TilePX / 2;
        g.PicPY = g.TilePY / 2;
    }
    g.pictureAllowance = g.PicPX * g.PicPY;
    g.TotalTileNum = g.TileNum + g.pictureAllowance;
    return g;
}

PieceSizeTable BuildPieceSizeTable(int width, int height, int shapeStyle, int borderStyle)
{
    PieceSizeTable table {};
    if (width == 0 || height == 0)
        return table;
    auto geometry = [&](int tileS) { return ComputePieceGeometry(width, height, borderStyle, shapeStyle, tileS); };

    int finest = kFinestTileS;
    while (geometry(finest).TotalTileNum >= kMaxPieces)
        ++finest;
    table[0] = geometry(finest);
    table[kLevelCount - 1] = CoarsestGeometry(width, height, borderStyle, shapeStyle);

    double ratio = std::pow(double(table[kLevelCount - 1].TileS) / table[0].TileS, 1.0 / (kLevelCount - 1));
    double m = table[0].TileS;
    for (int level = 1; level < kLevelCount - 1; ++level) {
        m *= ratio;
        table[level] = geometry(RoundHalfEven(m));
    }
    return table;
}

bool ApplyLevel(Descriptor& descriptor, int width, int height)
{
    PieceSizeTable table = BuildPieceSizeTable(width, height, descriptor.ShapeStyle, descriptor.BorderStyle);
    const PieceGeometry& entry = table[std::clamp(descriptor.Level, 0, kLevelCount - 1)];
    if (entry.TileS == 0)
        return false;
    PieceGeometry cells = ComputePieceGeometry(width, height, descriptor.BorderStyle, 0, entry.TileS);
    descriptor.MaskS = entry.MaskS;
    descriptor.TileS = entry.TileS;
    descriptor.knobMargin = entry.knobMargin;
    descriptor.snapDistance = std::max(entry.knobMargin / 2, 4);
    descriptor.TilePX = cells.TilePX;
    descriptor.TilePY = cells.TilePY;
    descriptor.TileNum = cells.TileNum;
    descriptor.PicPX = 0;
    descriptor.PicPY = 0;
    descriptor.pictureCount = 0;
    descriptor.TotalTileNum = cells.TileNum;
    return descriptor.TotalTileNum <= kMaxPieces;
}

}  // namespace kirvo
