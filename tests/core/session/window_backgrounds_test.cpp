// The backgrounds of the sides and pockets: one background picture at a time, loaded at the size
// the field needs, and grey for whatever cannot be shown.
#include "session/WindowBackgrounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

constexpr uint32_t kParquet = 10;
constexpr uint32_t kStucco1 = 11;  // its file is missing
constexpr uint32_t kWood1 = 13;
constexpr uint32_t kColour = 0x102030;

// A folder holding the parquet and wood1 pictures, and the windows of an 800 x 600 field.
class WindowBackgroundsTest : public ::testing::Test {
protected:
    WindowBackgroundsTest()
    {
        for (const char* name : {"parquet", "wood1"}) {
            TPixelBuffer picture;
            PixCreate24(picture, 64, 48);
            PixFillRect(picture, 0, 0, 64, 48, 0x3060C0);
            const std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 90);
            temp.Write(name + std::string("-1600.jpg"), std::string(jpeg.begin(), jpeg.end()));
        }
        windows.field.virtualWidth = 900;
        windows.field.virtualHeight = 500;
    }

    WindowBackgrounds Backgrounds() { return {windows, record, picture, folder, {800, 600}}; }

    testing::TempFolder temp;
    std::string folder = temp.Path();
    PlayWindows windows;
    BackgroundRecord record = DefaultBackgroundRecord();
    BackgroundPicture picture;
};

TEST_F(WindowBackgroundsTest, TheCheckKeepsOnlyTheFirstPictureByWindowNumber)
{
    const uint32_t g = kDefaultBackground;
    const struct {
        const char* what;
        std::array<uint32_t, 6> before;
        std::array<uint32_t, 6> after;
        uint32_t loaded;
    } cases[] = {
        {"wood1 before parquet", {kColour, kWood1, kColour, kParquet, g, g}, {kColour, kWood1, kColour, g, g, g}, kWood1},
        {"one picture twice", {kParquet, g, g, g, kWood1, kParquet}, {kParquet, g, g, g, g, kParquet}, kParquet},
        {"the first cannot be loaded", {g, g, kStucco1, kWood1, kStucco1, kColour}, {g, g, g, g, g, kColour}, 0},
        {"colours only", {kColour, g, 0, 0xFFFFFF, g, g}, {kColour, g, 0, 0xFFFFFF, g, g}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int n = 0; n < 6; ++n)
            record[size_t(kFirstWindowBackground + n)] = int32_t(c.before[size_t(n)]);
        CheckBackgrounds(Backgrounds());
        for (int n = 0; n < 6; ++n) {
            EXPECT_EQ(windows.windows[size_t(n)].background, c.after[size_t(n)]) << "window " << n;
            EXPECT_EQ(uint32_t(record[size_t(kFirstWindowBackground + n)]), c.after[size_t(n)]) << "window " << n;
        }
        if (c.loaded != 0)
            EXPECT_EQ(picture.code, c.loaded);
        else
            EXPECT_EQ(picture.pixels.width, 0) << "a failed load leaves nothing loaded";
    }
}

TEST_F(WindowBackgroundsTest, APictureIsLoadedAtTheSizeTheFieldNeeds)
{
    ASSERT_TRUE(LoadBackgroundPicture(Backgrounds(), kWood1));
    EXPECT_EQ(picture.pixels.width, 900) << "the virtual field is wider";
    EXPECT_EQ(picture.pixels.height, 600) << "the largest field is taller";
    EXPECT_EQ(picture.pixels.bytesPerPixel, 3);

    EXPECT_FALSE(LoadBackgroundPicture(Backgrounds(), kStucco1));
    EXPECT_EQ(picture.pixels.width, 0);
    SetWindowBackground(Backgrounds(), MW_POCKET0, kStucco1);
    EXPECT_EQ(windows.windows[MW_POCKET0].background, kDefaultBackground);
    SetWindowBackground(Backgrounds(), MW_POCKET0, kParquet);
    EXPECT_EQ(windows.windows[MW_POCKET0].background, kParquet);
    EXPECT_EQ(picture.code, kParquet);
}

}  // namespace
}  // namespace kirvo
