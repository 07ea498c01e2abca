#include "raster/TurnedView.h"

#include <gtest/gtest.h>

#include <vector>

namespace kirvo {
namespace {

uint32_t ColourAt(int x, int y) { return MakeColour(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8) + 1); }

TPixelBuffer Numbered(int width, int height)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, ColourAt(x, y));
    return buffer;
}

// A view must read exactly what the turned copy holds, row by row and with the selection's
// inversion: widths whose rows are padded, and a single pixel.
TEST(TurnedView, ReadsWhatTheTurnedCopyHolds)
{
    for (auto [width, height] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{2, 9}}) {
        const TPixelBuffer upright = Numbered(width, height);
        TPixelBuffer turned = Numbered(width, height);
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(testing::Message() << width << " x " << height << ", " << r << " turns");
            const TurnedView view = TurnedViewOf(upright, r);
            ASSERT_EQ(view.width, turned.width);
            ASSERT_EQ(view.height, turned.height);
            for (uint8_t invert : {uint8_t(0), uint8_t(0xFF)})
                for (int y = 0; y < view.height; ++y)
                    for (int x = 0; x < view.width; ++x) {
                        std::vector<uint8_t> row(3 * size_t(view.width - x));
                        CopyTurnedRow(row.data(), view, x, y, view.width - x, invert);
                        for (size_t i = 0; i < row.size(); ++i)
                            ASSERT_EQ(row[i], PixAddress(turned, x, y)[i] ^ invert) << x << ", " << y;
                    }
            PixRotate90(turned, turned);
        }
    }
}

TEST(TurnedView, EmptyBufferGivesAnEmptyView)
{
    const TPixelBuffer empty;
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(TurnedViewOf(empty, r).width, 0);
        EXPECT_EQ(TurnedViewOf(empty, r).height, 0);
    }
}

}  // namespace
}  // namespace kirvo
