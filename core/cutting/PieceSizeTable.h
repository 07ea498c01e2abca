// The piece sizes a picture can be cut into: fourteen levels from the finest (fewer than 4000
// pieces, the smallest cells of at least 20 pixels) to the coarsest (about sixteen pieces),
// growing geometrically in between.
#pragma once

#include <array>

#include "game/Descriptor.h"

namespace kirvo {

inline constexpr int kLevelCount = 14;
inline constexpr int kMaxPieces = 4000;  // the most pieces a game may have

// The cut geometry of one cell size for one picture.
struct PieceGeometry {
    int MaskS = 0;             // pixels: a piece's square with its knobs
    int TileS = 0;             // pixels: nominal cell side
    int knobMargin = 0;        // pixels a knob reaches past its cell side
    int TilePX = 0;            // cell columns
    int TilePY = 0;            // cell rows
    int TileNum = 0;           // TilePX * TilePY
    int PicPX = 0;             // picture-shape allowance, shape style 3 only
    int PicPY = 0;
    int pictureAllowance = 0;  // PicPX * PicPY
    int TotalTileNum = 0;      // TileNum + pictureAllowance

    friend bool operator==(const PieceGeometry&, const PieceGeometry&) = default;
};

using PieceSizeTable = std::array<PieceGeometry, kLevelCount>;

PieceGeometry ComputePieceGeometry(int width, int height, int borderStyle, int shapeStyle, int TileS);

// All zero when either size is 0.
PieceSizeTable BuildPieceSizeTable(int width, int height, int shapeStyle, int borderStyle);

// Puts the descriptor's Level of a width x height picture into the descriptor's cut geometry
// (without any picture allowance). False when that level would give more than kMaxPieces.
bool ApplyLevel(Descriptor& descriptor, int width, int height);

}  // namespace kirvo
