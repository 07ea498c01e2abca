#include "session/ColourPalette.h"

#include <algorithm>

namespace kirvo {

namespace {

constexpr std::array<uint32_t, 4> kDarkColours = {0x000000, 0x404040, 0x606060, 0x808080};

}  // namespace

bool IsTextureValue(uint32_t value)
{
    return IsBackgroundPicture(value);
}

int TextureIndex(uint32_t value) { return int(value - kFirstTextureValue); }

uint32_t TextureValue(int index) { return kFirstTextureValue + uint32_t(index); }

bool IsDarkPaletteColour(uint32_t colour)
{
    return std::find(kDarkColours.begin(), kDarkColours.end(), colour) != kDarkColours.end();
}

}  // namespace kirvo
