#include "session/PieceSample.h"

#include <algorithm>
#include <vector>

namespace kirvo {

namespace {

constexpr int kMaskPitch = kSampleWidth + 1;  // the strip starts with a one-pixel gap before each mask
constexpr int kMaskTileSize = 128;            // the tile size the masks are drawn for
constexpr int kEdgeLight = 30;

// The mask of shape `shape` stretched to w x h by nearest neighbour, row by row: true inside the
// piece. The strip must hold the whole mask.
std::vector<bool> StretchedMask(const TPixelBuffer& strip, int shape, int w, int h)
{
    std::vector<bool> inside(size_t(w) * size_t(h));
    const int left = shape * kMaskPitch + 1;
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = PixRow(strip, y * kSampleHeight / h);
        for (int x = 0; x < w; ++x)
            inside[size_t(y) * w + x] = row[(left + x * kSampleWidth / w) * strip.bytesPerPixel] == 255;
    }
    return inside;
}

// Light falls from the top left: the top and left edges of the piece and of the sample are
// lightened, the bottom and right ones darkened. (x, y) is inside the piece.
int EdgeShade(const std::vector<bool>& inside, int w, int h, int x, int y)
{
    if (x == 0 || y == 0)
        return kEdgeLight;
    if (x == w - 1 || y == h - 1)
        return -kEdgeLight;
    // Not on the sample's border, so all four neighbours are inside the w x h grid.
    auto in = [&](int px, int py) { return inside[size_t(py) * w + px]; };
    if (!in(x, y - 1) || !in(x - 1, y))
        return kEdgeLight;
    if (!in(x, y + 1) || !in(x + 1, y))
        return -kEdgeLight;
    return 0;
}

}  // namespace

SampleSize PieceSampleSize(int tileSize)
{
    const int width = tileSize * kSampleWidth / kMaskTileSize;
    const int height = tileSize * kSampleHeight / kMaskTileSize;
    return {width, height, width > kSampleWidth || height > kSampleHeight};
}

void DrawPieceSample(TPixelBuffer& target, int tileSize, int shapeIndex, const TPixelBuffer& shapeMasks,
                     const TPixelBuffer& texture, uint32_t background)
{
    PixCreate24(target, kSampleWidth, kSampleHeight);
    PixFillRect(target, 0, 0, kSampleWidth, kSampleHeight, background);
    const SampleSize size = PieceSampleSize(tileSize);
    const int w = size.enlarged ? kSampleWidth : size.width;
    const int h = size.enlarged ? kSampleHeight : size.height;
    if (shapeIndex < 0 || shapeIndex >= kShapeStyleCount || w <= 0 || h <= 0
        || shapeMasks.width < (shapeIndex + 1) * kMaskPitch || shapeMasks.height < kSampleHeight)
        return;

    const std::vector<bool> inside = StretchedMask(shapeMasks, shapeIndex, w, h);
    const int left = (kSampleWidth - w) / 2, top = (kSampleHeight - h) / 2;
    // The centre w x h of the texture; where the texture is smaller, the sample stays background.
    const int cropX = (texture.width - w) / 2, cropY = (texture.height - h) / 2;
    for (int y = 0; y < h; ++y) {
        const int textureY = cropY + y;
        if (textureY < 0 || textureY >= texture.height)
            continue;
        for (int x = 0; x < w; ++x) {
            const int textureX = cropX + x;
            if (!inside[size_t(y) * w + x] || textureX < 0 || textureX >= texture.width)
                continue;
            const uint8_t* from = PixAddress(texture, textureX, textureY);
            uint8_t* to = PixAddress(target, left + x, top + y);
            const int shade = EdgeShade(inside, w, h, x, y);
            for (int channel = 0; channel < 3; ++channel)
                to[channel] = uint8_t(std::clamp(from[channel] + shade, 0, 255));
        }
    }
}

TPixelBuffer EffectPreviewMask(const TPixelBuffer& shapeMasks)
{
    TPixelBuffer mask;
    if (shapeMasks.width < kMaskPitch || shapeMasks.height < kSampleHeight)
        return mask;
    PixCreate24(mask, kSampleWidth, kSampleHeight);
    const std::vector<bool> inside = StretchedMask(shapeMasks, 0, kSampleWidth, kSampleHeight);
    for (int y = 0; y < kSampleHeight; ++y)
        for (int x = 0; x < kSampleWidth; ++x)
            if (!inside[size_t(y) * kSampleWidth + x])
                PixSetPixel(mask, x, y, 0xFFFFFF);
    return mask;
}

TPixelBuffer GreyedCopy(const TPixelBuffer& picture, uint32_t keyColour, uint32_t faceColour)
{
    TPixelBuffer copy;
    if (picture.hasAlpha)
        PixCreate32(copy, picture.width, picture.height);
    else
        PixCreate24(copy, picture.width, picture.height);
    PixCopyRect(copy, 0, 0, picture.width, picture.height, picture, 0, 0);
    if (copy.width > 0)
        PixTint(copy, 0, 0, copy.width, copy.height, keyColour, faceColour);
    return copy;
}

}  // namespace kirvo
