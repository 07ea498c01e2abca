#include "playfield/GlassSkin.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(GlassSkin, CornersAreQuarterRingsOpaqueOnlyOnTheBezel)
{
    TPixelBuffer skin = DrawGlassSkin();
    const int n = kGlassLensCorner;
    const int onRim = n - (kGlassRimOuter + kGlassRimInner) / 2;  // along the axis through the inner corner
    struct Probe {
        int corner;
        int x, y;   // inside the corner image
        bool opaque;
    } probes[] = {
        {0, onRim, n - 1, true},   {0, n - 1, onRim, true},   {0, 0, 0, false},     {0, n - 1, n - 1, false},
        {1, n - 1 - onRim, n - 1, true}, {1, n - 1, 0, false}, {1, 0, n - 1, false},
        {2, onRim, 0, true},       {2, 0, n - 1, false},      {2, n - 1, 0, false},
        {3, n - 1 - onRim, 0, true}, {3, n - 1, n - 1, false}, {3, 0, 0, false},
    };
    for (const Probe& p : probes) {
        const SkinPart& part = kGlassCornerSkins[p.corner];
        int alpha = PixGetAlpha(skin, part.x + p.x, part.y + p.y);
        EXPECT_EQ(alpha > 200, p.opaque) << "corner " << p.corner << " at " << p.x << "," << p.y << " alpha " << alpha;
    }
}

TEST(GlassSkin, ButtonsLookDifferentWhenPressed)
{
    TPixelBuffer skin = DrawGlassSkin();
    auto differs = [&](const SkinPart& part, int offset) {
        for (int y = 0; y < part.height; ++y)
            for (int x = 0; x < part.width; ++x)
                if (PixGetPixel(skin, part.x + x, part.y + y) != PixGetPixel(skin, part.x + x, part.y + offset + y))
                    return true;
        return false;
    };
    EXPECT_TRUE(differs(kGlassCloseSkin, kGlassClosePressedOffset));
    EXPECT_TRUE(differs(kGlassZoom3Skin, kGlassZoomPressedOffset));
    EXPECT_TRUE(differs(kGlassZoom2Skin, kGlassZoomPressedOffset));
    EXPECT_GT(PixGetAlpha(skin, kGlassCloseSkin.x + 7, kGlassCloseSkin.y + 7), 200);
}

}  // namespace
}  // namespace kirvo
