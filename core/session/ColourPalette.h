// The fixed choices of the colour picker: the 48 palette colours, the eight textured backgrounds
// and the values that name them.
//
// A background value from 10 to 17 names the texture kTextureNames[value - 10]; every other value
// is a colour 0x00BBGGRR. The palette is 6 rows of 8 colours, stored row by row.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "playfield/PlayWindow.h"

namespace kirvo {

inline constexpr int kPaletteRows = 6;
inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteSize = kPaletteRows * kPaletteColumns;
inline constexpr std::array<uint32_t, kPaletteSize> kPaletteColours = {
    0x800080, 0xA000A0, 0xC000C0, 0xE000E0, 0x508000, 0x60A000, 0x80C000, 0x8FE000,
    0x800050, 0xA00060, 0xC00080, 0xE00090, 0x008000, 0x00A000, 0x00C000, 0x00E000,
    0x800000, 0xA00000, 0xC00000, 0xE00000, 0x008080, 0x00A0A0, 0x00C0C0, 0x00E0E0,
    0x805000, 0xA06000, 0xC08000, 0xE09000, 0x005080, 0x0060A0, 0x0080C0, 0x008FE0,
    0x808000, 0xA0A000, 0xC0C000, 0xE0E000, 0x000080, 0x0000A0, 0x0000C0, 0x0000E0,
    0x000000, 0x404040, 0x606060, 0x808080, 0x989898, 0xACACAC, 0xC0C0C0, 0xFFFFFF,
};

inline constexpr int kTextureCount = kBackgroundPictureCount;
inline constexpr uint32_t kFirstTextureValue = kFirstBackgroundPicture;
inline constexpr std::array<std::string_view, kTextureCount> kTextureNames = {
    "parquet", "stucco1", "stucco4", "wood1", "wood2", "wood3", "wood4", "wood5",
};

bool IsTextureValue(uint32_t value);
// The index into kTextureNames of a texture value.
int TextureIndex(uint32_t value);
uint32_t TextureValue(int index);

// The four darkest palette colours (black and the three darkest greys), on which a black frame
// would not show: the picker frames them in yellow.
bool IsDarkPaletteColour(uint32_t colour);

}  // namespace kirvo
