#include "cutting/EffectPreview.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/PieceLook.h"

namespace kirvo {
namespace {

// The Options sample: a 6 x 6 shape at (2, 2) in a 14 x 14 preview of grey 0x989898. The band
// runs diagonally off the lower-right corner; the shape shows the source raised by the relief
// in real numbers (the left side's 37.6 of Paper rounds to 38).
TEST(EffectPreviewTest, BandAndReliefOfTheSample)
{
    TPixelBuffer preview, shape, source;
    for (TPixelBuffer* buffer : {&preview, &shape, &source})
        PixCreate24(*buffer, 14, 14);
    PixFillRect(preview, 0, 0, 14, 14, 0x989898);
    PixFillRect(shape, 0, 0, 14, 14, 0xFFFFFF);
    PixFillRect(shape, 2, 2, 6, 6, 0);
    PixFillRect(source, 0, 0, 14, 14, 0x505050);

    struct Case {
        int woodStyle;
        std::vector<uint32_t> band;  // at (7 + k, 7 + k), k = 1 ..
    } cases[] = {
        {kWoodEdge, {0x49687A, 0x3F5E70, 0x355466, 0x989898}},
        {kWoodShadow, {0x4C4C4C, 0x5C5C5C, 0x6D6D6D, 0x7D7D7D, 0x8E8E8E, 0x989898}},
    };
    for (const Case& c : cases) {
        PixFillRect(preview, 0, 0, 14, 14, 0x989898);
        DrawEffectPreview(preview, shape, source, 0x49687A, c.woodStyle, kEmbossPaper);
        for (int k = 1; k <= int(c.band.size()); ++k)
            EXPECT_EQ(PixGetPixel(preview, 7 + k, 7 + k), c.band[size_t(k - 1)]) << c.woodStyle << " " << k;
        EXPECT_EQ(PixGetPixel(preview, 2, 5), 0x505050 + 38 * 0x010101);
        EXPECT_EQ(PixGetPixel(preview, 4, 5), 0x505050);
        EXPECT_EQ(PixGetPixel(preview, 1, 1), 0x989898) << "nothing above the shape";
    }
}

}  // namespace
}  // namespace kirvo
