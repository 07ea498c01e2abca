#include "session/ColourPalette.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ColourPaletteTest, TenToSeventeenNameTheTexturesInOrder)
{
    struct Case {
        uint32_t value;
        bool texture;
    };
    const Case cases[] = {{9, false}, {10, true}, {17, true}, {18, false}, {0x0A0000, false}, {0x989898, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsTextureValue(c.value), c.texture) << c.value;
    EXPECT_EQ(kTextureNames[TextureIndex(10)], "parquet");
    EXPECT_EQ(kTextureNames[TextureIndex(12)], "stucco4");
    EXPECT_EQ(kTextureNames[TextureIndex(17)], "wood5");
    EXPECT_EQ(TextureValue(TextureIndex(15)), 15u);
}

}  // namespace
}  // namespace kirvo
