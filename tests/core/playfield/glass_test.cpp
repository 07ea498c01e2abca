#include "playfield/Glass.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "field_fixture.h"

namespace kirvo {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kLens = 240;

// Every field pixel has a colour of its own, never black nor one of the rim's greys.
uint32_t Pattern(int x, int y) { return MakeColour(x & 255, y & 255, 64 + 16 * (x >> 8) + (y >> 8)); }

// Inside the ellipse filling a width x height box, in whole numbers.
bool InsideEllipse(int u, int v, int width, int height)
{
    const int64_t dx = 2 * u - width;
    const int64_t dy = 2 * v - height;
    const int64_t w = width;
    const int64_t h = height;
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

class GlassTest : public testing::Test {
protected:
    GlassTest()
    {
        SetStartField(windows, kWidth, kHeight);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        PixCreate24(image, kWidth, kHeight);
        PixCreate32(clearSkin, 270, 189);  // nothing of the frame shows: the lens alone is seen
    }

    void PaintField()
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                PixSetPixel(image, x, y, Pattern(x, y));
    }

    void PlaceGlass(int left, int top, int zoom, int width = kLens, int height = kLens)
    {
        windows.glass.visible = true;
        BoxMoveTo(windows.glass.frame, left, top);
        LayOut(windows.glass, SizeSource::Given, width, height);
        SetGlassZoom(windows, zoom == 3 ? WindowPart::GlassZoom3 : WindowPart::GlassZoom2);
    }

    uint32_t At(int x, int y) const { return uint32_t(PixGetPixel(image, x, y)); }

    GameState state;
    PlayWindows windows;
    TPixelBuffer image;
    TPixelBuffer clearSkin;
    GlassLens lens;
};

// Each lens pixel inside the rim shows the field pixel it magnifies, each repeated zoom times;
// where that lies outside the field it is black. The rim is light at the upper left and dark at
// the lower right; nothing outside the ellipse changes. A resized glass gets a lens of its new size.
TEST_F(GlassTest, TheLensShowsTheFieldUnderItsCentreMagnified)
{
    struct Case {
        int zoom;
        int left;
        int top;
        int width;
        int height;
        int offsetX;  // where the magnified part starts inside the lens box
        int offsetY;
    } cases[] = {
        {2, 100, 50, 240, 240, 60, 60},
        {3, 100, 50, 240, 240, 80, 80},
        {2, 500, 300, 240, 240, 60, 60},   // sticks out at the right and the bottom
        {3, -100, -60, 240, 240, 80, 80},  // and at the left and the top
        {2, 100, 50, 300, 260, 75, 65},
        {3, 100, 50, 334, 250, 112, 84},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " at " << c.left << ", " << c.top << ", " << c.width
                                        << " x " << c.height);
        PaintField();
        PlaceGlass(c.left, c.top, c.zoom, c.width, c.height);
        DrawGlass(image, BoxFromOrigin(0, 0, kWidth, kHeight), lens, windows, clearSkin);

        int wrong = 0;
        std::set<uint32_t> light, dark;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int u = x - c.left;
                const int v = y - c.top;
                const int w = c.width;
                const int h = c.height;
                const bool inBox = u >= 0 && u < w && v >= 0 && v < h;
                uint32_t expected = Pattern(x, y);
                if (inBox && InsideEllipse(u, v, w, h)) {
                    const bool rim = u == 0 || v == 0 || u == w - 1 || v == h - 1 || !InsideEllipse(u - 1, v, w, h)
                        || !InsideEllipse(u + 1, v, w, h) || !InsideEllipse(u, v - 1, w, h)
                        || !InsideEllipse(u, v + 1, w, h);
                    const int fx = c.left + c.offsetX + u / c.zoom;
                    const int fy = c.top + c.offsetY + v / c.zoom;
                    const bool inField = fx >= 0 && fx < kWidth && fy >= 0 && fy < kHeight;
                    if (rim) {
                        (2 * u * h + 2 * v * w < 2 * w * h ? light : dark).insert(At(x, y));
                        continue;
                    }
                    expected = inField ? Pattern(fx, fy) : 0;
                }
                if (At(x, y) != expected && ++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << ", " << y << ": " << std::hex << At(x, y) << " not " << expected;
            }
        EXPECT_EQ(wrong, 0);
        // A glass sticking out may hide one half of its rim.
        EXPECT_FALSE(light.empty() && dark.empty());
        EXPECT_TRUE(light.empty() || light == std::set<uint32_t>({0xF2F2F2}));
        EXPECT_TRUE(dark.empty() || dark == std::set<uint32_t>({0x0D0D0D}));
    }
}

TEST_F(GlassTest, ALensOf240ShowsAPartOfTheFieldAsWideAsItDividedByTheZoom)
{
    for (int zoom : {2, 3}) {
        PaintField();
        PlaceGlass(200, 100, zoom);
        DrawGlass(image, BoxFromOrigin(0, 0, kWidth, kHeight), lens, windows, clearSkin);
        std::set<uint32_t> shown;
        for (int x = 201; x < 200 + kLens - 1; ++x)  // the centre row, rim left out
            shown.insert(At(x, 100 + kLens / 2));
        EXPECT_EQ(int(shown.size()), kLens / zoom) << "zoom " << zoom;
    }
}

// A point inside the ellipse becomes the field point the lens shows there; the rest of the box,
// and everything while the glass is off, is left alone.
TEST_F(GlassTest, PointsInsideTheEllipseAreMappedToTheFieldTheyShow)
{
    struct Case {
        int zoom;
        int x, y;
        bool mapped;
        int mappedX, mappedY;
    } cases[] = {
        {2, 100 + 120, 50 + 120, true, 100 + 120, 50 + 120},  // the centre shows itself
        {2, 100 + 238, 50 + 120, true, 100 + 60 + 119, 50 + 120},
        {3, 100 + 0, 50 + 120, true, 100 + 80, 50 + 80 + 40},
        {3, 100 + 150, 50 + 30, true, 100 + 80 + 50, 50 + 80 + 10},
        {2, 100 + 2, 50 + 2, false, 0, 0},      // a corner of the box, outside the ellipse
        {2, 100 + 237, 50 + 237, false, 0, 0},
        {2, 99, 50 + 120, false, 0, 0},         // left of the box
    };
    for (const Case& c : cases) {
        PlaceGlass(100, 50, c.zoom);
        int x = c.x, y = c.y;
        EXPECT_EQ(MapThroughLens(windows, x, y), c.mapped) << c.x << ", " << c.y;
        EXPECT_EQ(std::pair(x, y), c.mapped ? std::pair(c.mappedX, c.mappedY) : std::pair(c.x, c.y));
    }
    windows.glass.visible = false;
    int x = 220, y = 170;
    EXPECT_FALSE(MapThroughLens(windows, x, y));
}

TEST_F(GlassTest, TheZoomButtonsSwapAndTheToggleComesBackAtTheCorner)
{
    TMyWin& glass = windows.glass;
    EXPECT_EQ(windows.glassZoom, 2);
    SetGlassZoom(windows, WindowPart::GlassZoom3);
    EXPECT_EQ(windows.glassZoom, 3);
    EXPECT_FALSE(glass.controls[kZoom3Button].shown);
    EXPECT_TRUE(glass.controls[kZoom2Button].shown);
    SetGlassZoom(windows, WindowPart::Close);
    EXPECT_EQ(windows.glassZoom, 3);
    SetGlassZoom(windows, WindowPart::GlassZoom2);
    EXPECT_EQ(windows.glassZoom, 2);
    EXPECT_TRUE(glass.controls[kZoom3Button].shown);
    EXPECT_FALSE(glass.controls[kZoom2Button].shown);

    ToggleGlass(windows, state);
    EXPECT_TRUE(glass.visible);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
    BoxMoveTo(glass.frame, 300, 200);
    LayOut(glass, SizeSource::FromFrame);
    MakeCurrent(windows, state, kGlassWindow);
    ToggleGlass(windows, state);
    EXPECT_FALSE(glass.visible);
    EXPECT_NE(state.currentWindow, kGlassWindow);
    ToggleGlass(windows, state);
    EXPECT_EQ(glass.frame, BoxFromOrigin(0, 0, kLens, kLens));
    EXPECT_EQ(glass.glassCorners[3], BoxFromOrigin(147, 147, 93, 93));
}

// The glass lies over the field after every kind of redraw, and the lens always magnifies the
// field itself, never the lens an earlier redraw left there.
class GlassRedrawTest : public FieldTest {
protected:
    std::vector<uint8_t> Shown() const { return {field.image.bits, field.image.bits + field.image.size}; }
};

TEST_F(GlassRedrawTest, EveryRedrawLaysTheSameGlassOverTheField)
{
    Own(0, 0, 48, 44, 1);
    AddPiece(0, 0, 48, 44, 1, MW_SIDE0, 70, 60);  // under the magnified part of a glass at (0, 0)
    ToggleGlass(windows, state);
    TPixelBuffer strip;
    Redraw(field, state, windows, strip);
    const std::vector<uint8_t> full = Shown();
    EXPECT_EQ(At(40, 40), PictureColour(10, 20));  // the lens shows field point (80, 80)
    EXPECT_EQ(At(120, 0), 0xF2F2F2u);

    RequestHoverRedraw(field, state, BoxFromOrigin(5, 100, 10, 10));
    EXPECT_EQ(Redraw(field, state, windows, strip), BoxFromOrigin(0, 0, 240, 240));
    EXPECT_TRUE(Shown() == full) << "hover redraw";

    PrepareDragImages(field, Moving::Nothing, state, windows);
    DrawDragStep(field, Moving::Nothing, state, windows);
    Redraw(field, state, windows, strip);
    EXPECT_TRUE(Shown() == full) << "drag step";
    EXPECT_EQ(UnderAt(120, 0), uint32_t(kDefaultBackground)) << "the under image never holds the glass";

    // Without the glass the field shows the piece where the lens was.
    ToggleGlass(windows, state);
    Redraw(field, state, windows, strip);
    EXPECT_EQ(At(120, 0), uint32_t(kDefaultBackground));
    EXPECT_EQ(At(80, 70), PictureColour(10, 10));
}

}  // namespace
}  // namespace kirvo
