#include "cutting/PicturePieces.h"

#include <algorithm>
#include <vector>

#include "base/Rounding.h"
#include "cutting/CutCanvas.h"
#include "cutting/MaskValues.h"
#include "cutting/PictureShape.h"
#include "raster/MetafileRaster.h"

namespace kirvo {

namespace {

constexpr double kShapeGrowth = 1.2;
constexpr int kAngles = 60;  // -30 to 29 degrees
constexpr int kFirstAngle = -30;
constexpr int kReach = 2;    // rows and columns around a cell that thinning and placing look at

bool OnOutside(const std::vector<TessellationEdge>& sides)
{
    return std::any_of(sides.begin(), sides.end(), [](const TessellationEdge& side) { return side.neighbour < 0; });
}

int FlaggedNeighbours(const std::vector<PieceRecord>& pieces, const std::vector<TessellationEdge>& sides)
{
    return int(std::count_if(sides.begin(), sides.end(), [&](const TessellationEdge& side) {
        return side.neighbour >= 0 && pieces[side.neighbour].pictureShape;
    }));
}

// Calls visit(i, row, column) for the interior cells, row by row.
template <typename Visit>
void ForEachInteriorCell(const Descriptor& d, Visit visit)
{
    for (int row = 1; row < d.TilePY - 1; ++row)
        for (int column = 1; column < d.TilePX - 1; ++column)
            visit(row * d.TilePX + column, row, column);
}

// A thin tip of a shape can come out as pixels apart from the body. Only the largest 8-connected
// part is kept: a side that ends beside a stray pixel would leave a gap between it and the body
// for the fills to run through.
void KeepLargestPart(TPixelBuffer& canvas, const TBox& rectangle, uint32_t colour)
{
    TBox area;
    if (!BoxIntersect(rectangle, BoxFromOrigin(0, 0, canvas.width, canvas.height), &area))
        return;
    const int width = area.width;
    auto index = [&](int x, int y) { return (y - area.top) * width + (x - area.left); };
    std::vector<int> part(size_t(width) * area.height, -1);
    std::vector<int> sizes;
    std::vector<PixelPoint> stack;
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x) {
            if (part[index(x, y)] >= 0 || PixGetPixel(canvas, x, y) != colour)
                continue;
            const int label = int(sizes.size());
            sizes.push_back(0);
            part[index(x, y)] = label;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const PixelPoint p = stack.back();
                stack.pop_back();
                ++sizes[label];
                for (int ny = std::max(p.y - 1, area.top); ny <= std::min(p.y + 1, area.bottom); ++ny)
                    for (int nx = std::max(p.x - 1, area.left); nx <= std::min(p.x + 1, area.right); ++nx)
                        if (part[index(nx, ny)] < 0 && PixGetPixel(canvas, nx, ny) == colour) {
                            part[index(nx, ny)] = label;
                            stack.push_back({nx, ny});
                        }
            }
        }
    if (sizes.size() < 2)
        return;
    const int largest = int(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x) {
            const int label = part[index(x, y)];
            if (label >= 0 && label != largest)
                PixSetPixel(canvas, x, y, kUnowned);
        }
}

bool SharesEnd(const TessellationEdge& a, const TessellationEdge& b)
{
    auto same = [](double x1, double y1, double x2, double y2) { return x1 == x2 && y1 == y2; };
    return same(a.x1, a.y1, b.x1, b.y1) || same(a.x1, a.y1, b.x2, b.y2) || same(a.x2, a.y2, b.x1, b.y1) ||
           same(a.x2, a.y2, b.x2, b.y2);
}

}  // namespace

void ThinPictureCells(const Descriptor& d, std::vector<PieceRecord>& pieces, const SideTable& sides)
{
    for (int allowed : {1, 0})
        ForEachInteriorCell(d, [&](int i, int row, int column) {
            if (!pieces[i].pictureShape)
                return;
            if (FlaggedNeighbours(pieces, sides[i]) <= allowed && !OnOutside(sides[i]))
                return;
            pieces[i].pictureShape = false;
            for (int r = row - kReach; r <= row + kReach; ++r)
                for (int c = column - kReach; c <= column + kReach; ++c) {
                    if (r < 1 || r > d.TilePY - 2 || c < 1 || c > d.TilePX - 2)
                        continue;
                    const int j = r * d.TilePX + c;
                    if (j == i || pieces[j].pictureShape || OnOutside(sides[j]) || FlaggedNeighbours(pieces, sides[j]) > 0)
                        continue;
                    pieces[j].pictureShape = true;
                    return;
                }
        });
}

ShapeFit FitShape(int designWidth, int designHeight, int boxWidth, int boxHeight)
{
    int width = designWidth;
    int height = designHeight;
    if (boxWidth < designWidth || boxHeight < designHeight) {
        width = boxHeight * designWidth / designHeight;
        height = boxHeight;
        if (boxWidth < width) {
            width = boxWidth;
            height = boxWidth * designHeight / designWidth;
        }
    }
    ShapeFit fit{RoundHalfEven(width * kShapeGrowth), RoundHalfEven(height * kShapeGrowth), 0};
    fit.scale = fit.width >= fit.height ? double(fit.width) / designWidth : double(fit.height) / designHeight;
    return fit;
}

bool RunsIntoOtherCells(const PictureCut& cut, const Descriptor& d, int i)
{
    const uint32_t colour = WorkColour(i);
    const int row = i / d.TilePX;
    const int column = i % d.TilePX;
    for (int r = std::max(row - kReach, 0); r <= std::min(row + kReach, d.TilePY - 1); ++r)
        for (int c = std::max(column - kReach, 0); c <= std::min(column + kReach, d.TilePX - 1); ++c) {
            const int j = r * d.TilePX + c;
            if (!cut.pieces[j].pictureShape && PixGetPixel(cut.canvas, cut.pieces[j].nodeX, cut.pieces[j].nodeY) == colour)
                return true;
        }
    for (const TessellationEdge& between : cut.sides[i]) {
        if (between.neighbour < 0)
            continue;
        const std::vector<TessellationEdge>& around = cut.sides[between.neighbour];
        for (int k = 0; k < int(around.size()); ++k)
            if (k != between.twin && !SharesEnd(around[k], between) && LineHasColour(cut.canvas, SideStart(around[k]), SideEnd(around[k]), colour))
                return true;
    }
    return false;
}

void PlacePictureShapes(PictureCut& cut, const Descriptor& d, const ShapeLibrary& library, Random& random)
{
    const int count = int(library.shapes.size());
    ForEachInteriorCell(d, [&](int i, int, int) {
        PieceRecord& piece = cut.pieces[i];
        if (!piece.pictureShape)
            return;
        const LibraryShape& entry = library.shapes[random(count)];
        const TBox& box = cut.boxes[i];
        const int angle = random(kAngles) + kFirstAngle;
        const bool leftToRight = entry.mayMirrorLeftToRight && random(2) == 1;
        const bool topToBottom = entry.mayMirrorTopToBottom && random(2) == 1;
        Result<Metafile> shape = LoadMetafile(entry.data);
        if (!shape || entry.designWidth <= 0 || entry.designHeight <= 0) {
            piece.pictureShape = false;
            return;
        }
        const ShapeFit fit = FitShape(entry.designWidth, entry.designHeight, box.width, box.height);
        MirrorShape(shape.value(), leftToRight, topToBottom);
        const MetafileSize turned = RotateShape(shape.value(), angle);
        const int width = RoundHalfEven(turned.width * fit.scale);
        const int height = RoundHalfEven(turned.height * fit.scale);
        const TBox rectangle = BoxFromOrigin(piece.nodeX - width / 2, piece.nodeY - height / 2, width, height);
        cut.boxes[i] = rectangle;
        RecolourShape(shape.value(), WorkColour(i));
        DrawMetafile(cut.canvas, shape.value(), rectangle.left, rectangle.top, width, height);
        KeepLargestPart(cut.canvas, rectangle, WorkColour(i));
        if (RunsIntoOtherCells(cut, d, i)) {
            RecolourShape(shape.value(), kUnowned);
            DrawMetafile(cut.canvas, shape.value(), rectangle.left, rectangle.top, width, height);
            piece.pictureShape = false;
        }
    });
}

bool ShapePictures(PictureCut& cut, const Descriptor& d, const ShapeLibrary& library, Random& random)
{
    for (std::vector<TessellationEdge>& sides : cut.sides)
        for (TessellationEdge& side : sides) {
            const auto& exact = side.extendedLine;
            ExtendToArea(side, exact[0], exact[1], exact[2], exact[3], cut.area);
        }
    ThinPictureCells(d, cut.pieces, cut.sides);
    PlacePictureShapes(cut, d, library, random);
    ReachPictures(cut);
    TrimSides(cut);
    if (!JoinCrossingSides(cut))
        return false;
    DropStubs(cut);
    BoxOrdinaryPieces(cut);
    return true;
}

}  // namespace kirvo
