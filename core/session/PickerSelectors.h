// The three selector pictures of the colour picker, and which of their cells a point is on.
//
// Each picture is a row-by-row grid of cells 6 pixels in from its edges: the palette (8 x 6 cells
// of 24 x 24, 28 pixels apart: 232 x 176), the caller's preset colours (one row of up to eight
// such cells: count * 28 + 8 wide, 36 high) and the texture thumbnails (one row of eight 63 x 50
// cells, 67 pixels apart: 544 x 62). A picture is filled with the button-face colour and outlined
// in black; every cell shows its value, and the cell whose value is the selection is framed three
// pixels wide around it (in yellow for the darkest palette colours, black otherwise).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "raster/Box.h"
#include "raster/PixelBuffer.h"
#include "session/ColourPalette.h"

namespace kirvo {

inline constexpr int kMaxPresets = 8;

struct SelectorGrid {
    int columns;
    int rows;
    int cellWidth;
    int cellHeight;
    int step;  // from one cell to the next, across and down
};

inline constexpr SelectorGrid kPaletteGrid = {kPaletteColumns, kPaletteRows, 24, 24, 28};
inline constexpr SelectorGrid kTextureGrid = {kTextureCount, 1, 63, 50, 67};
SelectorGrid PresetGrid(int count);

int SelectorWidth(const SelectorGrid& grid);
int SelectorHeight(const SelectorGrid& grid);
// The box of cell `index`, counted row by row.
TBox SelectorCell(const SelectorGrid& grid, int index);
// The cell that (x, y) is on; nothing on the margins and the gaps between cells.
std::optional<int> SelectorCellAt(const SelectorGrid& grid, int x, int y);

// Each makes picture a new 24-bit picture of its grid's size. A texture cell whose thumbnail is
// empty stays the face colour; a larger thumbnail shows its top-left part.
void DrawPaletteSelector(TPixelBuffer& picture, uint32_t selected, uint32_t faceColour);
void DrawPresetSelector(TPixelBuffer& picture, std::span<const uint32_t> presets, uint32_t selected,
                        uint32_t faceColour);
void DrawTextureSelector(TPixelBuffer& picture, const std::array<TPixelBuffer, kTextureCount>& thumbnails,
                         uint32_t selected, uint32_t faceColour);

}  // namespace kirvo
