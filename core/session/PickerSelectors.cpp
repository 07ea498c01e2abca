#include "session/PickerSelectors.h"

namespace kirvo {

namespace {

constexpr int kMargin = 6;       // from the picture's edge to the first cell
constexpr int kFrameWidth = 3;   // the frame around the selected cell
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kYellow = 0x00FFFF;

void StartPicture(TPixelBuffer& picture, const SelectorGrid& grid, uint32_t faceColour)
{
    const int width = SelectorWidth(grid), height = SelectorHeight(grid);
    PixCreate24(picture, width, height);
    PixFillRect(picture, 0, 0, width, height, faceColour);
    PixFrameRect(picture, 0, 0, width, height, kBlack);
}

void FrameIfSelected(TPixelBuffer& picture, const TBox& cell, uint32_t value, uint32_t selected)
{
    if (value != selected)
        return;
    const uint32_t colour = IsDarkPaletteColour(value) ? kYellow : kBlack;
    for (int ring = 1; ring <= kFrameWidth; ++ring)
        PixFrameRect(picture, cell.left - ring, cell.top - ring, cell.width + 2 * ring, cell.height + 2 * ring, colour);
}

void DrawColourCells(TPixelBuffer& picture, const SelectorGrid& grid, std::span<const uint32_t> colours,
                     uint32_t selected, uint32_t faceColour)
{
    StartPicture(picture, grid, faceColour);
    for (int i = 0; i < int(colours.size()); ++i) {
        const TBox cell = SelectorCell(grid, i);
        FrameIfSelected(picture, cell, colours[i], selected);
        PixFillRect(picture, cell.left, cell.top, cell.width, cell.height, colours[i]);
    }
}

}  // namespace

SelectorGrid PresetGrid(int count) { return {count, 1, 24, 24, 28}; }

int SelectorWidth(const SelectorGrid& grid) { return (grid.columns - 1) * grid.step + grid.cellWidth + 2 * kMargin; }

int SelectorHeight(const SelectorGrid& grid) { return (grid.rows - 1) * grid.step + grid.cellHeight + 2 * kMargin; }

TBox SelectorCell(const SelectorGrid& grid, int index)
{
    const int row = index / grid.columns, column = index % grid.columns;
    return BoxFromOrigin(column * grid.step + kMargin, row * grid.step + kMargin, grid.cellWidth, grid.cellHeight);
}

std::optional<int> SelectorCellAt(const SelectorGrid& grid, int x, int y)
{
    const int across = x - kMargin, down = y - kMargin;
    if (across < 0 || down < 0)
        return std::nullopt;
    const int column = across / grid.step, row = down / grid.step;
    if (column >= grid.columns || row >= grid.rows || across % grid.step >= grid.cellWidth ||
        down % grid.step >= grid.cellHeight)
        return std::nullopt;
    return row * grid.columns + column;
}

void DrawPaletteSelector(TPixelBuffer& picture, uint32_t selected, uint32_t faceColour)
{
    DrawColourCells(picture, kPaletteGrid, kPaletteColours, selected, faceColour);
}

void DrawPresetSelector(TPixelBuffer& picture, std::span<const uint32_t> presets, uint32_t selected,
                        uint32_t faceColour)
{
    DrawColourCells(picture, PresetGrid(int(presets.size())), presets, selected, faceColour);
}

void DrawTextureSelector(TPixelBuffer& picture, const std::array<TPixelBuffer, kTextureCount>& thumbnails,
                         uint32_t selected, uint32_t faceColour)
{
    StartPicture(picture, kTextureGrid, faceColour);
    for (int i = 0; i < kTextureCount; ++i) {
        const TBox cell = SelectorCell(kTextureGrid, i);
        FrameIfSelected(picture, cell, TextureValue(i), selected);
        PixCopyRect(picture, cell.left, cell.top, cell.width, cell.height, thumbnails[i], 0, 0);
    }
}

}  // namespace kirvo
