// The sample piece of the jigsaw settings page: one piece of the chosen shape style, cut from a
// sample texture at the chosen piece size and lit along its edges, so the player sees how big and
// how shaped the pieces will be.
//
// The shapes come from a strip of masks drawn at build time (browser-shapes.png): one 164 x 168
// mask per style at x = s * 165 + 1, white (blue byte 255) inside the piece. A mask holds a piece
// of tile size 128, so a sample of tile size t is the mask stretched by t / 128. The shape choices
// of the page are samples of tile size kShapeChoiceTileSize on the transparent colour
// kShapeChoiceKey.
#pragma once

#include <cstdint>

#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kSampleWidth = 164;  // one mask of the shape strip, and the sample picture
inline constexpr int kSampleHeight = 168;
inline constexpr int kShapeStyleCount = 7;
inline constexpr int kShapeChoiceTileSize = 48;  // the tile size the seven shape choices are drawn at
inline constexpr uint32_t kShapeChoiceKey = 0xFF00FF;  // magenta: transparent in the shape choice pictures

struct SampleSize {
    int width;
    int height;
    bool enlarged;
};

// The size a sample of tile size t shows at: (t * 164 / 128) x (t * 168 / 128). A sample larger
// than 164 x 168 is drawn at 164 x 168 and flagged `enlarged`: the dialog stretches that picture
// to the size returned here.
SampleSize PieceSampleSize(int tileSize);

// target becomes a 24-bit kSampleWidth x kSampleHeight picture filled with background, with the
// sample piece of shape shapeIndex for tile size tileSize centred on it, its colours taken from
// the centre of texture. A shape index outside the styles, or a strip too small to hold its mask,
// leaves just the background.
void DrawPieceSample(TPixelBuffer& target, int tileSize, int shapeIndex, const TPixelBuffer& shapeMasks,
                     const TPixelBuffer& texture, uint32_t background);

// The sample shape of the Options dialog's effect preview (DrawEffectPreview): the mask of shape 0
// as a 24-bit kSampleWidth x kSampleHeight picture, 0 on the shape and 255 around it; empty when
// the strip is too small to hold that mask.
TPixelBuffer EffectPreviewMask(const TPixelBuffer& shapeMasks);

// A copy in which every pixel but those of keyColour is blended half and half with faceColour:
// the greyed look of a choice that cannot be taken.
TPixelBuffer GreyedCopy(const TPixelBuffer& picture, uint32_t keyColour, uint32_t faceColour);

}  // namespace kirvo
