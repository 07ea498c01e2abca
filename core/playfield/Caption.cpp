#include "playfield/Caption.h"

namespace kirvo {

void SetCaption(TMyWin& window, std::string_view text)
{
    window.caption = text;
}

void RenderCaption(TMyWin& window, TextPainter& painter)
{
    if (window.captionHeight == 0)
        return;
    TPixelBuffer& image = window.captionImage;
    if (image.width != 0 && window.renderedCaption == window.caption)
        return;
    PixCreate32(image, kCaptionImageWidth, window.captionHeight);
    painter.DrawCaptionText(image, window.caption);

    // The text is white on black, so its blue byte is its coverage: that becomes the alpha, and
    // the painter's own alpha (whatever it wrote) is discarded.
    BoxClear(window.captionInk);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* pixel = PixRow(image, y);
        for (int x = 0; x < image.width; ++x, pixel += 4) {
            pixel[3] = pixel[0];
            if (pixel[0] != 0)
                BoxUnion(window.captionInk, x, y, x, y);
        }
    }
    window.renderedCaption = window.caption;
}


}  // namespace kirvo
