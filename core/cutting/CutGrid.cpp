#include <algorithm>
#include <vector>

#include "base/Rounding.h"
#include "cutting/Cut.h"
#include "cutting/CutCanvas.h"
#include "cutting/Knob.h"
#include "cutting/KnobChoice.h"
#include "cutting/KnobTemplates.h"
#include "cutting/MaskCleanup.h"

namespace kirvo {

namespace {

constexpr int kLeft = 0, kTop = 1, kRight = 2, kBottom = 3;  // neighbours slots of the four sides

struct GridCell {
    PixelPoint leftTop, rightTop, leftBottom, rightBottom;  // inclusive corners
    int rightKnobSide = 0;  // 0 or 1: which way the knob on the right side bulges
    int bottomKnobSide = 0;
};

std::vector<GridCell> Corners(const std::vector<PieceRecord>& pieces, int count)
{
    std::vector<GridCell> cells(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const PieceRecord& p = pieces[i];
        const int right = p.cellX + p.cellWidth - 1;
        const int bottom = p.cellY + p.cellHeight - 1;
        cells[i].leftTop = {p.cellX, p.cellY};
        cells[i].rightTop = {right, p.cellY};
        cells[i].leftBottom = {p.cellX, bottom};
        cells[i].rightBottom = {right, bottom};
    }
    return cells;
}

void SetGridNeighbours(const Descriptor& d, std::vector<PieceRecord>& pieces)
{
    for (int row = 0; row < d.TilePY; ++row)
        for (int column = 0; column < d.TilePX; ++column) {
            const int i = row * d.TilePX + column;
            auto& neighbours = pieces[i].neighbours;
            neighbours.fill(-1);
            neighbours[kLeft] = int16_t(column > 0 ? i - 1 : -1);
            neighbours[kTop] = int16_t(row > 0 ? i - d.TilePX : -1);
            neighbours[kRight] = int16_t(column < d.TilePX - 1 ? i + 1 : -1);
            neighbours[kBottom] = int16_t(row < d.TilePY - 1 ? i + d.TilePX : -1);
        }
}

// A side's flag belongs to both its cells, as the right (bottom) one of the first and the left
// (top) one of the second; only the first draws the knob, so only its flags are kept.
void ChooseKnobSides(const Descriptor& d, std::vector<GridCell>& cells, Random& random)
{
    for (int row = 0; row < d.TilePY; ++row)
        for (int column = 0; column < d.TilePX; ++column) {
            GridCell& cell = cells[row * d.TilePX + column];
            if (column < d.TilePX - 1)
                cell.rightKnobSide = random(2);
            if (row < d.TilePY - 1)
                cell.bottomKnobSide = random(2);
        }
}

void DrawOuterLines(TPixelBuffer& canvas, const Descriptor& d, const std::vector<PieceRecord>& pieces,
                    const std::vector<GridCell>& cells)
{
    auto line = [&](int i, PixelPoint a, PixelPoint b) {
        PixLine(canvas, a.x, a.y, b.x, b.y, PieceColour(pieces[i].maskValue));
    };
    for (int row = 0; row < d.TilePY; ++row) {
        const int first = row * d.TilePX;
        const int last = first + d.TilePX - 1;
        line(first, cells[first].leftTop, cells[first].leftBottom);
        line(last, cells[last].rightTop, cells[last].rightBottom);
    }
    for (int column = 0; column < d.TilePX; ++column) {
        const int first = column;
        const int last = (d.TilePY - 1) * d.TilePX + column;
        line(first, cells[first].leftTop, cells[first].rightTop);
        line(last, cells[last].leftBottom, cells[last].rightBottom);
    }
}

// Every cell from the crossing of its diagonals, its centre; the last cell that finds no white
// there is the one reported.
FillFailure FillCells(TPixelBuffer& canvas, const std::vector<PieceRecord>& pieces, const std::vector<GridCell>& cells)
{
    FillFailure failure;
    for (int i = 0; i < int(cells.size()); ++i) {
        const GridCell& cell = cells[i];
        PixelPoint seed{RoundHalfEven((cell.leftTop.x + cell.rightBottom.x) / 2.0),
                        RoundHalfEven((cell.leftTop.y + cell.rightBottom.y) / 2.0)};
        if (IsUnowned(canvas, seed))
            PixFloodFill(canvas, seed.x, seed.y, PieceColour(pieces[i].maskValue));
        else
            failure = {i, seed};
    }
    return failure;
}

// The frame piece joins the outward slots of the outer cells.
void LinkFramePiece(const Descriptor& d, std::vector<PieceRecord>& pieces, int frame)
{
    for (int column = 0; column < d.TilePX; ++column) {
        pieces[column].neighbours[kTop] = int16_t(frame);
        pieces[(d.TilePY - 1) * d.TilePX + column].neighbours[kBottom] = int16_t(frame);
    }
    for (int row = 0; row < d.TilePY; ++row) {
        pieces[row * d.TilePX].neighbours[kLeft] = int16_t(frame);
        pieces[row * d.TilePX + d.TilePX - 1].neighbours[kRight] = int16_t(frame);
    }
}

}  // namespace

CutReport CutGrid(Descriptor& d, std::vector<PieceRecord>& pieces, TPixelBuffer& mask, Random& random,
             const KnobAtlas& atlas, const CutProgress& progress)
{
    const std::vector<int> firstChoice = KnobListsFor(std::max<int>(d.ShapeStyle, 4)).firstChoice;
    PreparePieceTable(d, pieces);
    TPixelBuffer canvas;
    ResetLineCanvas(canvas, d);
    Step(progress);
    const std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Grid);
    Step(progress);

    LayOutPlainCells(d, pieces);
    const int count = d.TileNum;
    std::vector<GridCell> cells = Corners(pieces, count);
    SetGridNeighbours(d, pieces);
    ChooseKnobSides(d, cells, random);
    Step(progress);

    const KnobContext context{canvas, d, templates, {}};
    for (int column = 0; column < d.TilePX - 1; ++column)
        for (int row = 0; row < d.TilePY; ++row) {
            const int i = row * d.TilePX + column;
            DrawGridKnob(context, atlas, firstChoice, random, cells[i].rightKnobSide, cells[i].rightTop,
                         cells[i].rightBottom, PieceColour(pieces[i].maskValue));
        }
    Step(progress);
    for (int row = 0; row < d.TilePY - 1; ++row)
        for (int column = 0; column < d.TilePX; ++column) {
            const int i = row * d.TilePX + column;
            DrawGridKnob(context, atlas, firstChoice, random, cells[i].bottomKnobSide, cells[i].leftBottom,
                         cells[i].rightBottom, PieceColour(pieces[i].maskValue));
        }
    Step(progress);
    if (IsBorderPuzzle(d) && count > 0)
        DrawOuterLines(canvas, d, pieces, cells);
    Step(progress);
    const FillFailure failure = FillCells(canvas, pieces, cells);
    Step(progress);
    FillFrame(canvas, d);
    Step(progress);

    // Knobs reach up to a knob margin past the cell, and a hole beside one further still.
    const int reach = 2 * d.knobMargin;
    for (int i = 0; i < count; ++i) {
        PieceRecord& piece = pieces[i];
        const TBox around = BoxFromCorners(piece.sourceX - reach, piece.sourceY - reach,
                                           piece.sourceX + piece.sourceWidth + reach,
                                           piece.sourceY + piece.sourceHeight + reach);
        TBox found = CleanMask(canvas, d.ImageW, d.ImageH, PieceColour(piece.maskValue), around);
        if (!BoxIsEmpty(found))
            SetSourceBox(piece, found);
    }
    Step(progress);
    if (IsBorderPuzzle(d) && count > 0)
        LinkFramePiece(d, pieces, d.TotalTileNum);
    AddFramePiece(d, pieces);
    Step(progress);
    mask = std::move(canvas);
    Step(progress);
    CutReport report;
    report.unfilled = failure;
    report.unfilledOnGrid = true;
    return report;
}

}  // namespace kirvo
