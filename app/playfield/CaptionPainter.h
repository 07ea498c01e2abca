// Caption text through Qt: the font the play windows' captions are drawn in.
#pragma once

#include "playfield/Caption.h"

namespace kirvo {

// White bold 8-point "Tahoma" (or the closest font Qt finds) on black, left-aligned, vertically
// centred in the image, elided with "…" when wider than the image. Needs a QGuiApplication.
class CaptionPainter : public TextPainter {
public:
    void DrawCaptionText(TPixelBuffer& image, std::string_view text) override;
};

}  // namespace kirvo
