// The pictures kirvo-browser-art draws for the jigsaw settings page: their sizes, and shape masks
// the sample piece can be cut with.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "session/PieceSample.h"
#include "support/RunTool.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::ReadText;
using testing::RunTool;
using testing::TempFolder;

class BrowserArtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(RunTool(KIRVO_BROWSER_ART, folder->Path()));
    }
    static void TearDownTestSuite() { folder.reset(); }

    static TPixelBuffer Load(const std::string& name)
    {
        const std::string bytes = ReadText(folder->Path() + name);
        TPixelBuffer picture;
        EXPECT_TRUE(PixLoadPng(picture, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()})) << name;
        return picture;
    }

    static std::unique_ptr<TempFolder> folder;
};

std::unique_ptr<TempFolder> BrowserArtTest::folder;

TEST_F(BrowserArtTest, EveryPictureHasItsSize)
{
    struct Case {
        const char* name;
        int width, height;
    };
    const Case cases[] = {
        {"browser-shapes.png", kShapeStyleCount * (kSampleWidth + 1) + 1, kSampleHeight},
        {"browser-sample-texture.png", 2 * kSampleWidth, 2 * kSampleHeight},
        {"browser-borders.png", 101, 50},
        {"browser-mix.png", 101, 50},
        {"browser-rotation.png", 50, 50},
        {"browser-fit.png", 50, 50},
        {"save-icon.png", 16, 16},
    };
    for (const Case& c : cases) {
        const TPixelBuffer picture = Load(c.name);
        EXPECT_EQ(picture.width, c.width) << c.name;
        EXPECT_EQ(picture.height, c.height) << c.name;
        EXPECT_FALSE(picture.hasAlpha) << c.name;
    }
}

// Each mask holds one piece: a single 4-connected white region, clear of the mask's edges,
// without holes, on black.
TEST_F(BrowserArtTest, EachShapeMaskIsOneSolidPiece)
{
    const TPixelBuffer strip = Load("browser-shapes.png");
    ASSERT_EQ(strip.width, kShapeStyleCount * (kSampleWidth + 1) + 1);
    const int w = kSampleWidth, h = kSampleHeight;
    for (int shape = 0; shape < kShapeStyleCount; ++shape) {
        const int left = shape * (w + 1) + 1;
        std::vector<int> inside(size_t(w) * h);
        int area = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int64_t pixel = PixGetPixel(strip, left + x, y);
                ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << "shape " << shape << " at " << x << "," << y;
                inside[size_t(y) * w + x] = pixel != 0;
                area += pixel != 0;
            }
        EXPECT_GT(area, w * h / 4) << "shape " << shape;
        EXPECT_LT(area, w * h * 3 / 4) << "shape " << shape;

        // Floods a region of one value from (x, y), marking it 2; returns its size.
        auto flood = [&](int x, int y, int value) {
            std::vector<std::pair<int, int>> stack{{x, y}};
            int size = 0;
            while (!stack.empty()) {
                auto [px, py] = stack.back();
                stack.pop_back();
                if (px < 0 || py < 0 || px >= w || py >= h || inside[size_t(py) * w + px] != value)
                    continue;
                inside[size_t(py) * w + px] = 2;
                ++size;
                stack.insert(stack.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
            }
            return size;
        };
        int onEdge = 0;
        for (int x = 0; x < w; ++x)
            onEdge += inside[x] + inside[size_t(h - 1) * w + x];
        for (int y = 0; y < h; ++y)
            onEdge += inside[size_t(y) * w] + inside[size_t(y) * w + w - 1];
        EXPECT_EQ(onEdge, 0) << "shape " << shape << " touches the mask's edge";
        const int first = int(std::find(inside.begin(), inside.end(), 1) - inside.begin());
        EXPECT_EQ(flood(first % w, first / w, 1), area) << "shape " << shape << " falls apart";
        EXPECT_EQ(flood(0, 0, 0), w * h - area) << "shape " << shape << " has a hole";
    }
}

TEST_F(BrowserArtTest, ChoicePicturesStandOnWhite)
{
    for (const char* name : {"browser-borders.png", "browser-mix.png", "browser-rotation.png", "browser-fit.png"}) {
        const TPixelBuffer picture = Load(name);
        for (int left = 0; left < picture.width; left += 51) {
            EXPECT_EQ(PixGetPixel(picture, left, 0), 0xFFFFFF) << name << " at " << left;
            EXPECT_EQ(PixGetPixel(picture, left + 49, 49), 0xFFFFFF) << name << " at " << left;
            int drawn = 0;
            for (int y = 0; y < 50; ++y)
                for (int x = left; x < left + 50; ++x)
                    drawn += PixGetPixel(picture, x, y) != 0xFFFFFF;
            EXPECT_GT(drawn, 50 * 50 / 4) << name << " at " << left;
        }
        if (picture.width > 50) {
            for (int y = 0; y < 50; ++y)
                ASSERT_EQ(PixGetPixel(picture, 50, y), 0xFFFFFF) << name << ": the gap between its pictures";
        }
    }
}

}  // namespace
}  // namespace kirvo
