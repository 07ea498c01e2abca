// Square cells for the tests of the picture-shape steps: a grid of cells of one size with their
// sides as the artistic cut keeps them (upper or left end first, twins linked, lines extended to
// the area), node points in the middle, a white line canvas and boxes of the cells.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cutting/CutCanvas.h"
#include "cutting/MaskValues.h"
#include "cutting/PictureSides.h"
#include "game/Descriptor.h"

namespace kirvo::testing {

struct SquareCells {
    static constexpr int kSize = 20;
    Descriptor descriptor;
    std::vector<PieceRecord> pieces;
    SideTable sides;
    std::vector<TBox> boxes;
    TPixelBuffer canvas;
    PictureCut cut;

    // Sides in the order top, left, right, bottom; the outside (-1) along the grid's edge.
    SquareCells(int columns, int rows)
        : pieces(size_t(columns * rows)), sides(pieces.size()), boxes(pieces.size()),
          cut{canvas, BoxFromCorners(0, 0, columns * kSize, rows * kSize), pieces, sides, boxes}
    {
        descriptor.TilePX = columns;
        descriptor.TilePY = rows;
        descriptor.TileNum = columns * rows;
        PixCreate24(canvas, columns * kSize + 6, rows * kSize + 6);
        PixFillRect(canvas, 0, 0, canvas.width, canvas.height, kUnowned);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const int i = Index(row, column);
                const int left = column * kSize;
                const int top = row * kSize;
                const int right = left + kSize;
                const int bottom = top + kSize;
                pieces[i].nodeX = left + kSize / 2;
                pieces[i].nodeY = top + kSize / 2;
                boxes[i] = BoxFromCorners(left, top, right, bottom);
                auto neighbour = [&](int r, int c) { return r < 0 || c < 0 || r >= rows || c >= columns ? -1 : Index(r, c); };
                AddSide(i, left, top, right, top, neighbour(row - 1, column), 3);
                AddSide(i, left, top, left, bottom, neighbour(row, column - 1), 2);
                AddSide(i, right, top, right, bottom, neighbour(row, column + 1), 1);
                AddSide(i, left, bottom, right, bottom, neighbour(row + 1, column), 0);
            }
    }

    int Index(int row, int column) const { return row * descriptor.TilePX + column; }

    void AddSide(int i, int x1, int y1, int x2, int y2, int neighbour, int twin)
    {
        TessellationEdge side;
        side.x1 = x1;
        side.y1 = y1;
        side.x2 = x2;
        side.y2 = y2;
        side.length = kSize;
        side.neighbour = int16_t(neighbour);
        side.twin = neighbour < 0 ? -1 : twin;
        side.active = true;
        ExtendToArea(side, x1, y1, x2, y2, cut.area);
        sides[i].push_back(side);
    }

    // A filled disc in the piece's working colour, which becomes its box: a silhouette drawn
    // straight onto the canvas.
    void DrawDisc(int piece, int centreX, int centreY, int radius)
    {
        for (int y = centreY - radius; y <= centreY + radius; ++y)
            for (int x = centreX - radius; x <= centreX + radius; ++x)
                if ((x - centreX) * (x - centreX) + (y - centreY) * (y - centreY) <= radius * radius)
                    PixSetPixel(canvas, x, y, WorkColour(piece));
        boxes[piece] = BoxFromCorners(centreX - radius, centreY - radius, centreX + radius, centreY + radius);
    }

    bool NearColour(PixelPoint p, uint32_t colour) const
    {
        for (int y = p.y - 1; y <= p.y + 1; ++y)
            for (int x = p.x - 1; x <= p.x + 1; ++x)
                if (PixGetPixel(canvas, x, y) == colour)
                    return true;
        return false;
    }
};

// A side and its twin agree: the same ends, markers and activity, the twin naming the piece.
inline void ExpectSameAsTwin(const SideTable& sides, int piece, const TessellationEdge& side, const std::string& name)
{
    const TessellationEdge& twin = sides[side.neighbour][side.twin];
    EXPECT_EQ(SideStart(twin), SideStart(side)) << name;
    EXPECT_EQ(SideEnd(twin), SideEnd(side)) << name;
    EXPECT_EQ(twin.endMarkers, side.endMarkers) << name;
    EXPECT_EQ(twin.active, side.active) << name;
    EXPECT_EQ(twin.neighbour, piece) << name;
}

}  // namespace kirvo::testing
