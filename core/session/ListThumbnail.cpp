#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kPlaceholderFrame = 0x800000;  // blue 128

}  // namespace

TBox FitRectangle(int targetW, int targetH, int w, int h)
{
    if (w <= 0 || h <= 0)
        return {};
    int width = w;
    int height = h;
    if (w > targetW || h > targetH) {
        // 64-bit products: a picture may be tens of thousands of pixels on a side.
        const int d = int(int64_t(targetH) * w / h);
        if (targetW < d) {
            width = targetW;
            height = int(int64_t(h) * targetW / w);
        } else {
            width = d;
            height = targetH;
        }
        // A very thin picture would otherwise round down to nothing.
        width = MaxInt(width, 1);
        height = MaxInt(height, 1);
    }
    return BoxFromOrigin((targetW - width) / 2, (targetH - height) / 2, width, height);
}

void FitDraw(TPixelBuffer& target, int W, int H, const TPixelBuffer* overlay, uint32_t background,
             const TPixelBuffer& source)
{
    PixCreate24(target, W, H);
    PixFillRect(target, 0, 0, W, H, background);
    const TBox place = FitRectangle(W, H, source.width, source.height);
    if (BoxIsEmpty(place))
        return;
    if (place.width == source.width && place.height == source.height) {
        PixCopyRect(target, place.left, place.top, place.width, place.height, source, 0, 0);
    } else {
        TPixelBuffer area;
        PixAttach(PixAddress(target, place.left, place.top), place.width, place.height, target.bytesPerPixel,
                  target.stride, area);
        PixScale(area, source);
    }
    if (overlay) {
        const int x = place.left > 0 ? place.left - 1 : 0;
        const int y = place.top > 0 ? place.top - 1 : 0;
        PixCopyRect(target, x, y, overlay->width, overlay->height, *overlay, 0, 0);
    }
}

TPixelBuffer RenderListThumbnail(const TPixelBuffer& preview, const TPixelBuffer* saveIcon)
{
    TPixelBuffer thumbnail;
    FitDraw(thumbnail, kListThumbWidth, kListThumbHeight, saveIcon, kWhite, preview);
    return thumbnail;
}

TPixelBuffer PlaceholderThumbnail()
{
    TPixelBuffer placeholder;
    PixCreate24(placeholder, kListThumbWidth, kListThumbHeight);
    PixFillRect(placeholder, 0, 0, kListThumbWidth, kListThumbHeight, kWhite);
    PixFrameRect(placeholder, 2, 2, kListThumbWidth - 4, kListThumbHeight - 4, kPlaceholderFrame);
    return placeholder;
}

}  // namespace kirvo
