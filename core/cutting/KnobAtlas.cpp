#include "cutting/KnobAtlas.h"

#include <algorithm>
#include <cassert>

namespace kirvo {

namespace {

struct LegendPixel {
    int x;
    int y;
};
constexpr LegendPixel kBackgroundPixel{4, 5};
constexpr LegendPixel kSide0Pixel{4, 6};
constexpr LegendPixel kSide1Pixel{4, 7};
constexpr LegendPixel kStopPixel{4, 8};

Error Invalid(const char* problem) { return Fail(std::string("Invalid knob atlas: ") + problem); }

}  // namespace

int AtlasColumn(int length)
{
    int a = length - kKnobAtlasShortest;
    return 21 * a + a * (a - 1) / 2;
}

Result<KnobAtlas> KnobAtlasFromPicture(const TPixelBuffer& picture)
{
    if (picture.width != kKnobAtlasWidth || picture.height != kKnobAtlasHeight)
        return Invalid("the picture is not 1015 x 132 pixels");
    KnobAtlas atlas;
    atlas.width = picture.width;
    atlas.height = picture.height;
    atlas.pixels.resize(size_t(atlas.width) * atlas.height);
    std::vector<uint32_t> colours;
    uint8_t* out = atlas.pixels.data();
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* pixel = PixRow(picture, y);
        for (int x = 0; x < picture.width; ++x, pixel += picture.bytesPerPixel) {
            uint32_t colour = MakeColour(pixel[2], pixel[1], pixel[0]);
            auto found = std::find(colours.begin(), colours.end(), colour);
            if (found == colours.end()) {
                if (colours.size() == kKnobAtlasMaxColours)
                    return Invalid("more than 16 colours");
                colours.push_back(colour);
                found = colours.end() - 1;
            }
            *out++ = uint8_t(found - colours.begin());
        }
    }
    auto legend = [&](LegendPixel p) { return atlas.pixels[size_t(p.y) * atlas.width + p.x]; };
    atlas.background = legend(kBackgroundPixel);
    atlas.side0 = legend(kSide0Pixel);
    atlas.side1 = legend(kSide1Pixel);
    atlas.stop = legend(kStopPixel);
    // With two legend colours alike a copy would paint background or never stop.
    uint8_t legendColours[] = {atlas.background, atlas.side0, atlas.side1, atlas.stop};
    std::sort(std::begin(legendColours), std::end(legendColours));
    if (std::adjacent_find(std::begin(legendColours), std::end(legendColours)) != std::end(legendColours))
        return Invalid("the legend colours are not four different ones");

    for (int i = 0; i < kKnobAtlasLengths; ++i) {
        const int column = AtlasColumn(kKnobAtlasShortest + i);
        for (int row = 0; row < kKnobAtlasShortest + i; ++row) {
            if (atlas.pixels[size_t(row) * atlas.width + column] != atlas.background) {
                atlas.depth[i] = row;
                break;
            }
        }
    }
    return atlas;
}

Result<KnobAtlas> LoadKnobAtlas(std::span<const uint8_t> bytes)
{
    TPixelBuffer picture;
    if (Result<> decoded = PixLoadPng(picture, bytes); !decoded)
        return Fail(decoded.error());
    return KnobAtlasFromPicture(picture);
}

bool CopyAtlasKnob(TPixelBuffer& canvas, const KnobAtlas& atlas, int templateIndex, int side, bool mirror,
                   PixelPoint s, PixelPoint t, uint32_t colour)
{
    if (atlas.width == 0 || templateIndex < 0 || templateIndex >= kKnobAtlasTemplates)
        return false;
    assert(atlas.width == kKnobAtlasWidth && atlas.height == kKnobAtlasHeight);
    const bool horizontal = s.y == t.y;
    if (!horizontal && s.x != t.x)
        return false;
    const int length = horizontal ? t.x - s.x + 1 : t.y - s.y + 1;
    if (length < kKnobAtlasShortest || length > kKnobAtlasLongest)
        return false;

    const int depth = atlas.depth[length - kKnobAtlasShortest];
    const uint8_t marker = side == 0 ? atlas.side0 : atlas.side1;
    const int firstRow = kKnobAtlasBandRows * templateIndex + side;
    // A picture without its stop rows must not lead the copy into the next band or off its end.
    const int rows = std::min(length / 2 + depth, kKnobAtlasBandRows - side);
    const int firstColumn = mirror ? AtlasColumn(length) + length - 1 : AtlasColumn(length);
    const int step = mirror ? -1 : 1;
    const Rgb rgb = SplitColour(colour);
    for (int k = 0; k < rows; ++k) {
        const uint8_t* row = &atlas.pixels[size_t(firstRow + k) * atlas.width];
        if (row[firstColumn] == atlas.stop)
            break;
        const int across = side == 0 ? k - depth : depth - k;
        for (int j = 0; j < length; ++j) {
            if (row[firstColumn + step * j] != marker)
                continue;
            int x = horizontal ? s.x + j : s.x + across;
            int y = horizontal ? s.y + across : s.y + j;
            if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height)
                continue;
            uint8_t* pixel = PixAddress(canvas, x, y);
            pixel[0] = rgb.blue;
            pixel[1] = rgb.green;
            pixel[2] = rgb.red;
        }
    }
    return true;
}

}  // namespace kirvo
