#include "session/PickerSelectors.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TextureThumbnails.h"

namespace kirvo {
namespace {

const uint32_t kFace = MakeColour(200, 201, 202);
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kYellow = 0x00FFFF;

TEST(PickerSelectorsTest, PicturesHaveTheirCellsSixPixelsInFromTheEdges)
{
    EXPECT_EQ(SelectorWidth(kPaletteGrid), 232);
    EXPECT_EQ(SelectorHeight(kPaletteGrid), 176);
    EXPECT_EQ(SelectorWidth(PresetGrid(3)), 3 * 28 + 8);
    EXPECT_EQ(SelectorHeight(PresetGrid(3)), 36);
    EXPECT_EQ(SelectorWidth(kTextureGrid), 544);
    EXPECT_EQ(SelectorHeight(kTextureGrid), 62);
    EXPECT_EQ(SelectorCell(kPaletteGrid, 9), BoxFromOrigin(34, 34, 24, 24));
    EXPECT_EQ(SelectorCell(kPaletteGrid, 47), BoxFromOrigin(202, 146, 24, 24));
    EXPECT_EQ(SelectorCell(kTextureGrid, 7), BoxFromOrigin(475, 6, 63, 50));
}

TEST(PickerSelectorsTest, APointIsOnACellUpToItsEdgesAndOnNoneInTheGaps)
{
    struct Case {
        SelectorGrid grid;
        int x, y;
        std::optional<int> cell;
    };
    const Case cases[] = {
        {kPaletteGrid, 6, 6, 0},      {kPaletteGrid, 29, 29, 0},     {kPaletteGrid, 5, 6, std::nullopt},
        {kPaletteGrid, 6, 5, std::nullopt}, {kPaletteGrid, 30, 6, std::nullopt}, {kPaletteGrid, 33, 6, std::nullopt},
        {kPaletteGrid, 34, 6, 1},     {kPaletteGrid, 225, 6, 7},     {kPaletteGrid, 226, 6, std::nullopt},
        {kPaletteGrid, 6, 34, 8},     {kPaletteGrid, 225, 169, 47},  {kPaletteGrid, 202, 170, std::nullopt},
        {kPaletteGrid, 231, 175, std::nullopt}, {kPaletteGrid, -1, -1, std::nullopt},
        {PresetGrid(2), 57, 29, 1},   {PresetGrid(2), 62, 6, std::nullopt},  {PresetGrid(2), 6, 30, std::nullopt},
        {kTextureGrid, 68, 55, 0},    {kTextureGrid, 69, 6, std::nullopt},   {kTextureGrid, 72, 6, std::nullopt},
        {kTextureGrid, 73, 6, 1},     {kTextureGrid, 6, 56, std::nullopt},   {kTextureGrid, 537, 6, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectorCellAt(c.grid, c.x, c.y), c.cell) << c.grid.columns << " columns, (" << c.x << ", " << c.y << ")";
}

// The cells of the picture with a frame around them: the pixel diagonally outside the top-left
// corner is not the face colour.
std::vector<int> FramedCells(const TPixelBuffer& picture, const SelectorGrid& grid)
{
    std::vector<int> framed;
    for (int i = 0; i < grid.columns * grid.rows; ++i) {
        const TBox cell = SelectorCell(grid, i);
        if (PixGetPixel(picture, cell.left - 1, cell.top - 1) != kFace)
            framed.push_back(i);
    }
    return framed;
}

TEST(PickerSelectorsTest, TheCellOfTheSelectedValueIsFramed)
{
    const std::vector<uint32_t> presets = {0x989898, 0x49687A};
    const auto thumbnails = testing::PlainThumbnails();
    struct Case {
        const char* what;
        uint32_t selected;
        std::vector<int> palette, presets, textures;
    };
    const Case cases[] = {
        {"black", 0x000000, {40}, {}, {}},
        {"a palette and preset grey", 0x989898, {44}, {0}, {}},
        {"a preset only", 0x49687A, {}, {1}, {}},
        {"the first palette colour", 0x800080, {0}, {}, {}},
        {"the third texture", 12, {}, {}, {2}},
        {"a colour found nowhere", 0x123456, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPixelBuffer palette, presetPicture, textures;
        DrawPaletteSelector(palette, c.selected, kFace);
        DrawPresetSelector(presetPicture, presets, c.selected, kFace);
        DrawTextureSelector(textures, thumbnails, c.selected, kFace);
        EXPECT_EQ(FramedCells(palette, kPaletteGrid), c.palette);
        EXPECT_EQ(FramedCells(presetPicture, PresetGrid(2)), c.presets);
        EXPECT_EQ(FramedCells(textures, kTextureGrid), c.textures);
    }
}

TEST(PickerSelectorsTest, TheFrameIsThreePixelsWideAndYellowAroundTheDarkestColours)
{
    struct Case {
        uint32_t selected;
        uint32_t frame;
    };
    const Case cases[] = {{0x000000, kYellow}, {0x404040, kYellow}, {0x606060, kYellow}, {0x808080, kYellow},
                          {0x989898, kBlack},  {0xFFFFFF, kBlack},  {0x0000E0, kBlack}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.selected);
        TPixelBuffer palette;
        DrawPaletteSelector(palette, c.selected, kFace);
        int index = 0;
        while (kPaletteColours[index] != c.selected)
            ++index;
        const TBox cell = SelectorCell(kPaletteGrid, index);
        EXPECT_EQ(PixGetPixel(palette, cell.left - 3, cell.top - 3), c.frame);
        EXPECT_EQ(PixGetPixel(palette, cell.right + 3, cell.bottom + 3), c.frame);
        EXPECT_EQ(PixGetPixel(palette, cell.left - 1, cell.bottom), c.frame);
        EXPECT_EQ(PixGetPixel(palette, cell.left - 4, cell.top - 4), kFace);
        EXPECT_EQ(PixGetPixel(palette, cell.left, cell.top), c.selected);
    }
}

TEST(PickerSelectorsTest, PicturesAreOutlinedAndShowTheirValues)
{
    TPixelBuffer palette;
    DrawPaletteSelector(palette, 0x123456, kFace);
    ASSERT_EQ(palette.width, 232);
    ASSERT_EQ(palette.height, 176);
    EXPECT_EQ(PixGetPixel(palette, 0, 0), kBlack);
    EXPECT_EQ(PixGetPixel(palette, 231, 175), kBlack);
    EXPECT_EQ(PixGetPixel(palette, 1, 1), kFace);
    for (int i = 0; i < kPaletteSize; ++i) {
        const TBox cell = SelectorCell(kPaletteGrid, i);
        EXPECT_EQ(PixGetPixel(palette, cell.right, cell.bottom), kPaletteColours[i]) << i;
    }

    const std::vector<uint32_t> presets = {0x49687A, 0x92ADBE};
    TPixelBuffer presetPicture;
    DrawPresetSelector(presetPicture, presets, 0x123456, kFace);
    ASSERT_EQ(presetPicture.width, 64);
    EXPECT_EQ(PixGetPixel(presetPicture, 6, 6), 0x49687A);
    EXPECT_EQ(PixGetPixel(presetPicture, 57, 29), 0x92ADBE);
    EXPECT_EQ(PixGetPixel(presetPicture, 63, 35), kBlack);
}

TEST(PickerSelectorsTest, TextureCellsShowTheirThumbnailsAndStayEmptyWithout)
{
    auto thumbnails = testing::PlainThumbnails();
    PixFree(thumbnails[4]);
    PixCreate24(thumbnails[5], 80, 60);  // larger than a cell: its top-left part shows
    PixFillRect(thumbnails[5], 0, 0, 80, 60, MakeColour(1, 2, 3));
    PixSetPixel(thumbnails[5], 62, 49, MakeColour(4, 5, 6));

    TPixelBuffer textures;
    DrawTextureSelector(textures, thumbnails, 14, kFace);  // the missing one is even selected
    const TBox missing = SelectorCell(kTextureGrid, 4);
    EXPECT_EQ(PixGetPixel(textures, missing.left, missing.top), kFace);
    EXPECT_EQ(PixGetPixel(textures, missing.right, missing.bottom), kFace);
    EXPECT_EQ(PixGetPixel(textures, missing.left - 1, missing.top - 1), kBlack);
    for (int i : {0, 3, 7}) {
        const TBox cell = SelectorCell(kTextureGrid, i);
        EXPECT_EQ(PixGetPixel(textures, cell.left + 30, cell.top + 25), testing::ThumbnailColour(i)) << i;
    }
    const TBox large = SelectorCell(kTextureGrid, 5);
    EXPECT_EQ(PixGetPixel(textures, large.right, large.bottom), MakeColour(4, 5, 6));
    EXPECT_EQ(PixGetPixel(textures, large.right + 1, large.bottom), kFace);
    EXPECT_EQ(PixGetPixel(textures, large.right, large.bottom + 1), kFace);
}

}  // namespace
}  // namespace kirvo
