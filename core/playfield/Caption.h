// Window captions: the text is kept in the record and rendered on demand into a 32-bit caption
// image whose alpha is the text's coverage, so the drawing code blends it over any frame art.
//
// Fonts live in the user interface, so the text itself is drawn through TextPainter; the rest is
// plain pixel arithmetic here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "playfield/PlayWindow.h"

namespace kirvo {

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Draws text in white bold 8-point "Tahoma" on the black image: one line from the left edge,
    // ending in an ellipsis when it does not fit the width. Anti-aliased grey is fine.
    virtual void DrawCaptionText(TPixelBuffer& image, std::string_view text) = 0;
};

// Stores the text; the image is rendered again by the next RenderCaption.
void SetCaption(TMyWin& window, std::string_view text);
// Brings the caption image and ink box up to date with the caption text. Windows without a
// caption bar have none. The drawing code calls this before it blends the caption.
void RenderCaption(TMyWin& window, TextPainter& painter);

}  // namespace kirvo
