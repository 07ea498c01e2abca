#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/Rounding.h"
#include "cutting/Cut.h"
#include "cutting/CellLayout.h"
#include "cutting/CutCanvas.h"
#include "cutting/Knob.h"
#include "cutting/KnobChoice.h"
#include "cutting/KnobTemplates.h"
#include "cutting/MaskCleanup.h"
#include "cutting/MaskSmoothing.h"
#include "cutting/MaskValues.h"
#include "cutting/PicturePieces.h"
#include "cutting/SeedPoints.h"
#include "cutting/Tessellation.h"

namespace kirvo {

namespace {

constexpr int kAttempts = 3;
constexpr int kRelaxations = 2;
constexpr int kListedNeighbours = 9;

// What one attempt works on besides the canvas and the records.
struct Attempt {
    SideTable sides;
    std::vector<TBox> boxes;  // source boxes as they grow
};

// Tessellates the seed points, then twice moves every point to its cell's mean point and
// tessellates again. The final seed points, not the last means, are the node points. False when
// some cell got no sides: the points cannot be split into cells.
bool Relax(std::vector<TessellationNode>& nodes, const TBox& area, const CutProgress& progress, CutReport& report)
{
    for (int round = 0; round <= kRelaxations; ++round) {
        if (round > 0)
            for (TessellationNode& node : nodes) {
                node.x = RoundHalfEven(node.meanX);
                node.y = RoundHalfEven(node.meanY);
            }
        if (!Tessellate(nodes, area))
            report.tessellationFailed = true;
        Step(progress);
        for (const TessellationNode& node : nodes)
            if (node.sides.empty())
                return false;
    }
    for (TessellationNode& node : nodes) {
        node.meanX = node.x;
        node.meanY = node.y;
        node.triangles.clear();
    }
    return true;
}

// Longest first; ties end up in the order this particular exchange sort leaves them, which the
// random draws of the knobs depend on.
void SortLongestFirst(std::vector<TessellationEdge>& sides)
{
    for (size_t j = 0; j < sides.size(); ++j)
        for (size_t p = j + 1; p < sides.size(); ++p)
            if (sides[p].length > sides[j].length)
                std::swap(sides[j], sides[p]);
}

// The saved cell with its ends on whole pixels; the exact ends stay as the extended line.
std::vector<TessellationEdge> RestoredSides(const TessellationNode& saved)
{
    std::vector<TessellationEdge> sides;
    sides.reserve(saved.sides.size());
    for (const TessellationEdge& exact : saved.sides) {
        TessellationEdge& side = sides.emplace_back();
        side.extendedLine = {exact.x1, exact.y1, exact.x2, exact.y2};
        side.x1 = RoundHalfEven(exact.x1);
        side.y1 = RoundHalfEven(exact.y1);
        side.x2 = RoundHalfEven(exact.x2);
        side.y2 = RoundHalfEven(exact.y2);
        side.length = std::hypot(side.x2 - side.x1, side.y2 - side.y1);
        side.neighbour = exact.neighbour;
        side.active = true;
    }
    SortLongestFirst(sides);
    return sides;
}

PixelPoint NodePoint(const PieceRecord& piece) { return {piece.nodeX, piece.nodeY}; }

// Source box and node point from the sides; sides of a pixel or less are left out of the box.
void Outline(PieceRecord& piece, const TessellationNode& node, const std::vector<TessellationEdge>& sides, TBox& box)
{
    box = TBox{};
    for (const TessellationEdge& side : sides)
        if (side.length > 1)
            BoxUnion(box, int(std::min(side.x1, side.x2)), int(side.y1), int(std::max(side.x1, side.x2)), int(side.y2));
    piece.nodeX = node.x;
    piece.nodeY = node.y;
}

// Each side learns where it is stored in its neighbour's cell, and the neighbour's side the same.
void LinkTwins(SideTable& sides)
{
    for (int i = 0; i < int(sides.size()); ++i)
        for (int s = 0; s < int(sides[i].size()); ++s) {
            TessellationEdge& side = sides[i][s];
            if (side.neighbour < 0 || side.twin >= 0)
                continue;
            std::vector<TessellationEdge>& across = sides[side.neighbour];
            for (int t = 0; t < int(across.size()); ++t)
                if (across[t].neighbour == i) {
                    side.twin = t;
                    across[t].twin = s;
                    break;
                }
        }
}

// The piece with the lower index draws the side, so only its flag counts; the twin keeps the
// opposite one.
void ChooseKnobSides(SideTable& sides, CutFlags flags, Random& random)
{
    for (int i = 0; i < int(sides.size()); ++i)
        for (TessellationEdge& side : sides[i]) {
            if (!side.active || side.length <= 3 || side.neighbour <= i)
                continue;
            side.knobSide = flags.fixedOrientation ? std::abs(side.y1 - side.y2) > std::abs(side.x1 - side.x2)
                                                   : random(2) == 1;
            if (side.twin >= 0)
                sides[side.neighbour][side.twin].knobSide = !side.knobSide;
        }
}

// Distance from the line through a and b to c: twice the triangle's area (Heron) over |ab|.
double Room(PixelPoint a, PixelPoint b, PixelPoint c)
{
    const double ab = std::hypot(double(b.x - a.x), double(b.y - a.y));
    const double ac = std::hypot(double(c.x - a.x), double(c.y - a.y));
    const double bc = std::hypot(double(c.x - b.x), double(c.y - b.y));
    const double s = (ab + ac + bc) / 2;
    // On the line the product can come out a hair below zero.
    const double product = std::max(0.0, s * (s - ab) * (s - ac) * (s - bc));
    return 2 * std::sqrt(product) / ab;
}

// Whether c lies on the side DrawKnob calls 1 of the side between a and b: left of the way from
// its start (the left end of a wide side, the upper end of a tall one) to its end.
bool OnSide1(PixelPoint a, PixelPoint b, PixelPoint c)
{
    const bool wide = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    if (wide ? b.x < a.x : b.y < a.y)
        std::swap(a, b);
    return int64_t(c.x - a.x) * (b.y - a.y) - int64_t(c.y - a.y) * (b.x - a.x) > 0;
}

// The chosen knob, then its mirror and side flipped, then the fallback templates: the first that
// keeps clear of the outlines already drawn. False when none does.
bool DrawSideKnob(const KnobContext& context, const std::vector<int>& fallback, KnobRequest request, Random& random,
                  KnobBox& box)
{
    const CutFlags flags = context.flags;
    auto tryVariants = [&](int templateIndex, bool mirror) {
        const int side = request.side;
        for (auto [flipMirror, flipSide] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            request.templateIndex = templateIndex;
            request.mirror = mirror != flipMirror;
            request.side = flipSide ? 1 - side : side;
            if (DrawKnob(context, request, box))
                return true;
            if (flags.fixedOrientation)
                break;
        }
        request.side = side;
        return false;
    };
    const KnobChoice choice = ChooseKnob(context.descriptor, flags, request.start, request.end, random);
    if (tryVariants(choice.templateIndex, choice.mirror))
        return true;
    for (int templateIndex : fallback)
        if (tryVariants(templateIndex, ChooseMirror(flags, request.start, request.end, random)))
            return true;
    return false;
}

// Every side once, by the piece with the lower index: a straight line when short, else a knob.
// A picture piece's silhouette is its outline: nothing is drawn by it or toward it.
void DrawOutlines(const KnobContext& context, const std::vector<int>& fallback, std::vector<PieceRecord>& pieces,
                  Attempt& attempt, Random& random)
{
    const Descriptor& d = context.descriptor;
    for (int i = 0; i < int(attempt.sides.size()); ++i) {
        if (pieces[i].pictureShape)
            continue;
        const uint32_t colour = WorkColour(i);
        for (const TessellationEdge& side : attempt.sides[i]) {
            if (!side.active || side.neighbour <= i || pieces[side.neighbour].pictureShape)
                continue;
            const PixelPoint start = SideStart(side);
            const PixelPoint end = SideEnd(side);
            const bool straight = side.length <= 3 || (context.flags.lengthLimit && side.length < d.TileS / 3.0);
            KnobBox box;
            if (!straight) {
                const PixelPoint own = NodePoint(pieces[i]);
                const PixelPoint across = NodePoint(pieces[side.neighbour]);
                const double ownRoom = Room(start, end, own);
                const double acrossRoom = Room(start, end, across);
                const bool ownOnSide1 = OnSide1(start, end, own);
                KnobRequest request{.side = side.knobSide ? 1 : 0,
                                    .start = start,
                                    .end = end,
                                    .ownCentre = own,
                                    .neighbourCentre = across,
                                    .clearance = d.TileS / 10,
                                    .roomSide1 = ownOnSide1 ? ownRoom : acrossRoom,
                                    .roomSide0 = ownOnSide1 ? acrossRoom : ownRoom,
                                    .colour = colour};
                DrawSideKnob(context, fallback, request, random, box);
            }
            if (!box.IsEmpty()) {
                BoxUnion(attempt.boxes[i], box.left, box.top, box.right, box.bottom);
                BoxUnion(attempt.boxes[side.neighbour], box.left, box.top, box.right, box.bottom);
                continue;
            }
            // A knob with no room draws nothing and still counts as drawn; without a line the two
            // pieces would run into one.
            PixLine(context.canvas, start.x, start.y, end.x, end.y, colour);
        }
    }
}

// The outline the frame piece's fill stops at, one pixel outside the cut area.
void DrawFrameLines(TPixelBuffer& canvas, const Descriptor& d)
{
    const int left = d.JigsL - 1;
    const int top = d.JigsT - 1;
    const int right = d.JigsR + 1;
    const int bottom = d.JigsB + 1;
    PixLine(canvas, left, top, right, top, kFrameColour);
    PixLine(canvas, left, bottom, right, bottom, kFrameColour);
    PixLine(canvas, left, top, left, bottom, kFrameColour);
    PixLine(canvas, right, top, right, bottom, kFrameColour);
}

// A node point on an outline gives way to the mean of the cell's side ends when that is free;
// sides toward a picture piece are left out.
PixelPoint FillPoint(const TPixelBuffer& canvas, PixelPoint node, const std::vector<TessellationEdge>& sides,
                     const std::vector<PieceRecord>& pieces)
{
    if (IsUnowned(canvas, node))
        return node;
    int sumX = 0;
    int sumY = 0;
    int count = 0;
    for (const TessellationEdge& side : sides) {
        if (!side.active || (side.neighbour >= 0 && pieces[side.neighbour].pictureShape))
            continue;
        sumX += int(side.x1 + side.x2);
        sumY += int(side.y1 + side.y2);
        ++count;
    }
    if (count == 0)
        return node;
    const PixelPoint mean{RoundHalfEven(double(sumX) / count / 2), RoundHalfEven(double(sumY) / count / 2)};
    return IsUnowned(canvas, mean) ? mean : node;
}

// Where an outline meets the edge of the cut area it can wall in a pixel that no fill reaches and
// the cleanup, which looks inside boxes only, passes over. Such a pixel (with any white region it
// belongs to) joins the piece beside it: left, else above, else right, else below.
void FillLeftovers(TPixelBuffer& canvas, const TBox& area)
{
    const ptrdiff_t stride = canvas.stride;
    for (int y = area.top; y <= area.bottom; ++y) {
        uint8_t* pixel = PixAddress(canvas, area.left, y);
        for (int x = area.left; x <= area.right; ++x, pixel += 3) {
            if (!IsUnownedPixel(pixel))
                continue;
            uint32_t colour = kUnowned;
            if (x > area.left)
                colour = ColourAt(pixel - 3);
            if (colour == kUnowned && y > area.top)
                colour = ColourAt(pixel - stride);
            if (colour == kUnowned && x < area.right)
                colour = ColourAt(pixel + 3);
            if (colour == kUnowned && y < area.bottom)
                colour = ColourAt(pixel + stride);
            if (colour != kUnowned)
                PixFloodFill(canvas, x, y, colour);
        }
    }
}

// The pixels of the picture no piece owns once the pieces are filled, row by row. There are few,
// so looking for them in a piece's box is far cheaper than walking the box.
std::vector<PixelPoint> UnownedPixels(const TPixelBuffer& canvas, const Descriptor& d)
{
    std::vector<PixelPoint> unowned;
    for (int y = 0; y < d.ImageH; ++y) {
        const uint8_t* pixel = PixRow(canvas, y);
        for (int x = 0; x < d.ImageW; ++x, pixel += 3)
            if (IsUnownedPixel(pixel))
                unowned.push_back({x, y});
    }
    return unowned;
}

// Cleans every piece's mask around its source box. The cleanup only ever colours unowned pixels
// strictly inside the box (clipped to the picture) and those joined to them, so a box without
// one still unowned is passed over.
void CleanMasks(TPixelBuffer& canvas, const Descriptor& d, const std::vector<PieceRecord>& pieces, int count)
{
    const std::vector<PixelPoint> unowned = UnownedPixels(canvas, d);
    for (int i = 0; i < count; ++i) {
        const PieceRecord& piece = pieces[i];
        const TBox around = BoxFromCorners(piece.sourceX, piece.sourceY, piece.sourceX + piece.sourceWidth + 1,
                                           piece.sourceY + piece.sourceHeight + 1);
        const int left = std::max(around.left, 0);
        const int right = std::min(around.right, d.ImageW - 1);
        const int bottom = std::min(around.bottom, d.ImageH - 1);
        auto inside = std::lower_bound(unowned.begin(), unowned.end(), std::max(around.top, 0) + 1,
                                       [](PixelPoint p, int row) { return p.y < row; });
        for (; inside != unowned.end() && inside->y < bottom; ++inside)
            if (inside->x > left && inside->x < right && IsUnowned(canvas, *inside)) {
                CleanMask(canvas, d.ImageW, d.ImageH, WorkColour(i), around);
                break;
            }
    }
}

// For every piece, the pieces whose pixels meet its own side by side, not just at a corner; the
// frame piece, when there is one, has the index count.
std::vector<std::vector<int>> TouchingPieces(const TPixelBuffer& canvas, const Descriptor& d, int count, bool frame)
{
    std::vector<std::vector<int>> touching(size_t(count) + 1);
    auto meet = [&](int a, int b) {
        if (a < 0 || b < 0 || a == b)
            return;
        std::vector<int>& list = touching[a];
        if (std::find(list.begin(), list.end(), b) == list.end()) {
            list.push_back(b);
            touching[b].push_back(a);
        }
    };
    std::vector<int> above(size_t(d.ImageW), -1);
    for (int y = 0; y < d.ImageH; ++y) {
        const uint8_t* pixel = PixRow(canvas, y);
        int left = -1;
        for (int x = 0; x < d.ImageW; ++x, pixel += 3) {
            int owner = WorkPiece(pixel);
            if (owner < 0 && frame && ColourAt(pixel) == kFrameColour)
                owner = count;
            if (owner != left)
                meet(owner, left);
            if (owner != above[x])
                meet(owner, above[x]);
            left = owner;
            above[x] = owner;
        }
    }
    return touching;
}

// The pieces across the first nine sides longer than a pixel, -1 (or the frame piece) for the
// outside. Knobs may run over a side of a few pixels near its ends, and its two pieces then
// meet at a corner at most: such a side lists nobody, for the pieces would join where they do
// not fit together.
void ListNeighbours(std::vector<PieceRecord>& pieces, const SideTable& sides,
                    const std::vector<std::vector<int>>& touching, int outside)
{
    for (int i = 0; i < int(sides.size()); ++i) {
        auto& neighbours = pieces[i].neighbours;
        neighbours.fill(-1);
        int listed = 0;
        for (const TessellationEdge& side : sides[i]) {
            if (side.length <= 1)
                continue;
            const int across = side.neighbour < 0 ? outside : side.neighbour;
            if (across >= 0 && std::find(touching[i].begin(), touching[i].end(), across) == touching[i].end())
                continue;
            if (listed == kListedNeighbours)
                break;
            neighbours[listed++] = int16_t(across);
        }
    }
}

// Picture pieces are not filled: their silhouettes hold their pixels already.
FillFailure FillPieces(TPixelBuffer& canvas, std::vector<PieceRecord>& pieces, Attempt& attempt)
{
    FillFailure failure;
    for (int i = 0; i < int(attempt.sides.size()); ++i) {
        PieceRecord& piece = pieces[i];
        if (piece.pictureShape)
            continue;
        const PixelPoint at = FillPoint(canvas, NodePoint(piece), attempt.sides[i], pieces);
        piece.nodeX = at.x;
        piece.nodeY = at.y;
        if (!IsUnowned(canvas, at)) {
            failure = {i, at};
            continue;
        }
        TBox filled;
        PixFloodFill(canvas, at.x, at.y, WorkColour(i), &filled);
        BoxUnion(attempt.boxes[i], filled.left, filled.top, filled.right, filled.bottom);
    }
    return failure;
}

}  // namespace

CutReport CutArtistic(Descriptor& d, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
                      const KnobAtlas& atlas, const CutProgress& progress, const ShapeLibrary* shapes)
{
    if (d.TileS < kMinSeedCell || d.TileNum < 3)
        return CutGrid(d, pieces, mask, random, atlas, progress);
    PreparePieceTable(d, pieces);
    const KnobLists lists = KnobListsFor(d.ShapeStyle);
    TPixelBuffer canvas;
    ResetLineCanvas(canvas, d);
    const std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Artistic);
    LayOutPlainCells(d, pieces);
    const int count = d.TileNum;

    std::vector<TessellationNode> saved = PlaceSeedPoints(d, pieces, random);
    Step(progress);
    CutReport report;
    if (!Relax(saved, CutArea(d), progress, report)) {
        CutReport grid = CutGrid(d, pieces, mask, random, atlas, progress);
        grid.tessellationFailed = grid.tessellationFailed || report.tessellationFailed;
        return grid;
    }

    const KnobContext context{canvas, d, templates, lists.flags};
    Attempt attempt;
    attempt.sides.resize(size_t(count));
    attempt.boxes.resize(size_t(count));
    PictureCut pictureCut{canvas, CutArea(d), pieces, attempt.sides, attempt.boxes};
    bool pictures = d.ShapeStyle == 3 && shapes && !shapes->shapes.empty();
    FillFailure failure;
    // A later attempt keeps drawing where the failed one stopped: the same cells, other knobs.
    for (int round = 0; round < kAttempts; ++round) {
        ResetLineCanvas(canvas, d);
        if (pictures)
            LayOutCells(d, pieces);
        else
            LayOutPlainCells(d, pieces);
        for (int i = 0; i < count; ++i) {
            attempt.sides[i] = RestoredSides(saved[i]);
            Outline(pieces[i], saved[i], attempt.sides[i], attempt.boxes[i]);
        }
        LinkTwins(attempt.sides);
        // The indicator goes back to the same place on every attempt: only the first one steps.
        if (round == 0) {
            Step(progress);
            Step(progress);  // the picture-shape steps
        }
        if (pictures && !ShapePictures(pictureCut, d, *shapes, random)) {
            if (round + 1 < kAttempts)
                continue;
            // The last attempt could not part its cells around the shapes either: it is made
            // again without picture pieces, so that the puzzle can still be played.
            report.picturesDropped = true;
            pictures = false;
            --round;
            continue;
        }
        ChooseKnobSides(attempt.sides, lists.flags, random);
        DrawOutlines(context, lists.fallback, pieces, attempt, random);
        if (IsBorderPuzzle(d))
            DrawFrameLines(canvas, d);
        failure = FillPieces(canvas, pieces, attempt);
        for (int i = 0; i < count; ++i)
            SetSourceBox(pieces[i], attempt.boxes[i]);
        if (failure.piece < 0)
            break;
    }
    Step(progress);

    FillFrame(canvas, d);
    CleanMasks(canvas, d, pieces, count);
    Despeckle(canvas, CutArea(d));
    FillLeftovers(canvas, CutArea(d));
    TakeInOwnPixels(canvas, d, pieces, count);
    const int outside = IsBorderPuzzle(d) ? d.TotalTileNum : -1;
    ListNeighbours(pieces, attempt.sides, TouchingPieces(canvas, d, count, IsBorderPuzzle(d)), outside);
    SeparateMaskValues(canvas, d, pieces, count);
    PaintMaskValues(canvas, d, pieces);
    AddFramePiece(d, pieces);
    Step(progress);
    mask = std::move(canvas);
    Step(progress);
    report.unfilled = failure;
    return report;
}

}  // namespace kirvo
