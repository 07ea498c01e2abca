// Caption text through Qt: the font the play windows' captions are drawn in.
#pragma once

#include "playfield/Caption.h"

namespace kirvo {

// White bold 8-point "Tahoma" (or the closest font Qt finds) on black, left-aligned, vertically
// centred in the image, elided with "…" when wider than the image. Needs a QGuiApplication.
//
// On a screen of more pixels a point the field is composed in the screen's pixels and its caption
// bars keep their height in pixels: the text grows with the ratio as far as the bar holds it.
class CaptionPainter : public TextPainter {
public:
    explicit CaptionPainter(double pixelsPerPoint = 1) : pixelsPerPoint_(pixelsPerPoint) {}
    void DrawCaptionText(TPixelBuffer& image, std::string_view text) override;

private:
    double pixelsPerPoint_;
};

}  // namespace kirvo
