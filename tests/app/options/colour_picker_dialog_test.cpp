#include "options/ColourPickerDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <vector>

#include "raster/PixelImage.h"
#include "session/PickerSelectors.h"
#include "support/TextureThumbnails.h"

namespace kirvo {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kWood = 0x49687A;

QPoint CentreOf(const SelectorGrid& grid, int cell)
{
    const TBox box = SelectorCell(grid, cell);
    return {box.left + box.width / 2, box.top + box.height / 2};
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class ColourPickerDialogTest : public ::testing::Test {
protected:
    PickerRequest Request(uint32_t selected, bool textures = true)
    {
        return {.caption = "Bkg for All Wins",
                .selected = selected,
                .shape = GammaShape::Square,
                .showTextures = textures,
                .presets = {0x989898, kWood},
                .preview = [this](uint32_t value) { previewed.push_back(value); }};
    }

    template <typename T = QLabel>
    static T* Part(QWidget* dialog, const char* name)
    {
        T* part = dialog->findChild<T*>(name);
        EXPECT_NE(part, nullptr) << name;
        return part;
    }

    static void Press(QWidget* dialog, const char* picture, QPoint at)
    {
        Mouse(Part(dialog, picture), QEvent::MouseButtonPress, at);
    }

    // Runs the picker, doing `act` to it once it is shown.
    std::optional<uint32_t> Pick(const PickerRequest& request, std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            act(dialog);
        });
        return PickColour(request, translator, thumbnails, nullptr);
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    Translator translator;
    std::array<TPixelBuffer, kTextureCount> thumbnails = testing::PlainThumbnails();
    std::vector<uint32_t> previewed;
};

TEST_F(ColourPickerDialogTest, EveryPressOnAnotherValueIsPreviewedAndOkReturnsTheLast)
{
    struct Case {
        const char* picture;
        QPoint at;
        uint32_t chosen;
    };
    const Case cases[] = {
        {"I_Pal", CentreOf(kPaletteGrid, 47), 0xFFFFFF},
        {"I_Pal", CentreOf(kPaletteGrid, 0), 0x800080},
        {"I_DefCol", CentreOf(PresetGrid(2), 1), kWood},
        {"I_BkgPics", CentreOf(kTextureGrid, 5), 15},
        {"I_Gamma", QPoint(0, 150), kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        previewed.clear();
        const std::optional<uint32_t> picked = Pick(Request(0x000000), [&](QWidget* dialog) {
            Press(dialog, c.picture, c.at);
            Press(dialog, "I_Pal", QPoint(2, 2));  // on the margin: no cell
            Part<QPushButton>(dialog, "B_Ok")->click();
        });
        EXPECT_EQ(picked, c.chosen);
        EXPECT_EQ(previewed, std::vector<uint32_t> {c.chosen});
    }
}

TEST_F(ColourPickerDialogTest, APressOnTheSelectedCellDoesNothing)
{
    ColourPickerDialog dialog(Request(kWood), translator, thumbnails);
    Press(&dialog, "I_DefCol", CentreOf(PresetGrid(2), 1));
    Press(&dialog, "I_Pal", CentreOf(kPaletteGrid, 44));
    Press(&dialog, "I_DefCol", CentreOf(PresetGrid(2), 0));  // the same grey from the presets
    EXPECT_EQ(previewed, std::vector<uint32_t> {0x989898});
}

TEST_F(ColourPickerDialogTest, CancelPreviewsTheStartingValueAgainAndReturnsNothing)
{
    const std::optional<uint32_t> picked = Pick(Request(13), [](QWidget* dialog) {
        Press(dialog, "I_Pal", CentreOf(kPaletteGrid, 3));
        Press(dialog, "I_Gamma", QPoint(100, 100));
        Part<QPushButton>(dialog, "B_Cancel")->click();
    });
    EXPECT_EQ(picked, std::nullopt);
    ASSERT_EQ(previewed.size(), 3u);
    EXPECT_EQ(previewed[0], 0xE000E0u);
    EXPECT_EQ(previewed.back(), 13u);
}

TEST_F(ColourPickerDialogTest, TheSwatchShowsTheSelectedColourAndHidesWhileATextureIsSelected)
{
    ColourPickerDialog dialog(Request(kWood), translator, thumbnails);
    dialog.show();
    QLabel* swatch = Part(&dialog, "I_SelCol");
    auto swatchColour = [swatch] { return ColourOf(swatch->pixmap().toImage().pixelColor(5, 5)); };
    EXPECT_TRUE(swatch->isVisible());
    EXPECT_EQ(swatchColour(), kWood);

    Press(&dialog, "I_BkgPics", CentreOf(kTextureGrid, 2));
    EXPECT_FALSE(swatch->isVisible());
    Press(&dialog, "I_Pal", CentreOf(kPaletteGrid, 12));
    EXPECT_TRUE(swatch->isVisible());
    EXPECT_EQ(swatchColour(), 0x008000u);
}

TEST_F(ColourPickerDialogTest, ADoubleClickOnTheSelectedPaletteOrTextureCellClosesWithOk)
{
    struct Case {
        const char* picture;
        QPoint at;
        bool closes;
    };
    const Case cases[] = {
        {"I_Pal", CentreOf(kPaletteGrid, 20), true},
        {"I_BkgPics", CentreOf(kTextureGrid, 7), true},
        {"I_DefCol", CentreOf(PresetGrid(2), 1), false},
        {"I_Pal", QPoint(31, 6), false},  // in the gap after the first cell
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        ColourPickerDialog dialog(Request(0x000000), translator, thumbnails);
        dialog.show();
        QLabel* picture = Part(&dialog, c.picture);
        Mouse(picture, QEvent::MouseButtonPress, c.at);
        Mouse(picture, QEvent::MouseButtonRelease, c.at, Qt::NoButton);
        Mouse(picture, QEvent::MouseButtonDblClick, c.at);
        EXPECT_EQ(dialog.isVisible(), !c.closes);
        EXPECT_EQ(dialog.result(), c.closes ? QDialog::Accepted : QDialog::Rejected);
    }
    ColourPickerDialog dialog(Request(0x000000), translator, thumbnails);
    dialog.show();
    Mouse(Part(&dialog, "I_Pal"), QEvent::MouseButtonDblClick, CentreOf(kPaletteGrid, 20));  // not the selection
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ColourPickerDialogTest, TheShapeButtonsRedrawTheGammaAreaAndItsMarker)
{
    ColourPickerDialog dialog(Request(0xFFFFFF), translator, thumbnails);
    dialog.show();
    QLabel* gamma = Part(&dialog, "I_Gamma");
    auto pixel = [gamma](int x, int y) { return ColourOf(gamma->pixmap().toImage().pixelColor(x, y)); };
    const uint32_t face = ColourOf(dialog.palette().color(QPalette::Button));
    // The field as it is drawn, and as it shows under the marker.
    TPixelBuffer field;
    auto drawn = [&field](int x, int y) { return uint32_t(PixGetPixel(field, x, y)); };
    auto inverted = [&](int x, int y) { return drawn(x, y) ^ 0xFFFFFF; };

    RenderGammaArea(field, GammaShape::Square, face);
    EXPECT_TRUE(Part<QToolButton>(&dialog, "B_Square")->isChecked());
    EXPECT_EQ(pixel(0, 2), inverted(0, 2));  // white is first found at (0, 0)
    EXPECT_EQ(pixel(2, 0), inverted(2, 0));
    EXPECT_EQ(pixel(3, 3), drawn(3, 3));
    EXPECT_EQ(pixel(150, 150), drawn(150, 150));

    Part<QToolButton>(&dialog, "B_Circle")->click();
    RenderGammaArea(field, GammaShape::Circle, face);
    EXPECT_TRUE(Part<QToolButton>(&dialog, "B_Circle")->isChecked());
    EXPECT_EQ(pixel(0, 2), face);
    EXPECT_EQ(pixel(148, 148), inverted(148, 148));  // now white is the centre
    EXPECT_EQ(pixel(150, 152), inverted(150, 152));
    EXPECT_EQ(pixel(150, 150), 0xFFFFFFu);
    EXPECT_EQ(pixel(0, 150), drawn(0, 150));

    Press(&dialog, "I_Gamma", QPoint(1, 1));  // outside the circle: nothing is chosen
    EXPECT_TRUE(previewed.empty());
}

TEST_F(ColourPickerDialogTest, HoveringOverTheGammaAreaShowsTheColourUnderTheMouse)
{
    ColourPickerDialog dialog(Request(0xFFFFFF), translator, thumbnails);
    dialog.show();
    QLabel* gamma = Part(&dialog, "I_Gamma");
    QLabel* hover = Part(&dialog, "I_PointColor");
    EXPECT_FALSE(hover->isVisible());
    Mouse(gamma, QEvent::MouseMove, QPoint(0, 150), Qt::NoButton);
    EXPECT_TRUE(hover->isVisible());
    EXPECT_EQ(ColourOf(hover->pixmap().toImage().pixelColor(5, 5)), kRed);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(gamma, &leave);
    EXPECT_FALSE(hover->isVisible());
}

TEST_F(ColourPickerDialogTest, PartsStandWhereTheLayoutPutsThem)
{
    for (bool textures : {false, true}) {
        SCOPED_TRACE(textures);
        ColourPickerDialog dialog(Request(0x000000, textures), translator, thumbnails);
        const QRect palette = Part(&dialog, "I_Pal")->geometry();
        const QRect gamma = Part(&dialog, "I_Gamma")->geometry();
        const QRect swatch = Part(&dialog, "I_SelCol")->geometry();
        const QRect presets = Part(&dialog, "I_DefCol")->geometry();
        const QRect cancel = Part<QPushButton>(&dialog, "B_Cancel")->geometry();
        const QRect ok = Part<QPushButton>(&dialog, "B_Ok")->geometry();
        EXPECT_EQ(palette, QRect(16, gamma.y(), 232, 176));
        EXPECT_EQ(gamma, QRect(palette.right() + 17, palette.y(), 300, 300));
        EXPECT_EQ(presets.right(), palette.right());
        EXPECT_EQ(presets.size(), QSize(64, 36));
        EXPECT_EQ(swatch.width(), 112);
        EXPECT_EQ(swatch.bottom(), gamma.bottom());
        EXPECT_EQ(Part(&dialog, "I_PointColor")->geometry(), swatch.translated(palette.right() + 1 - 112 - 16, 0));
        const int lowest = textures ? Part(&dialog, "I_BkgPics")->geometry().bottom() : gamma.bottom();
        EXPECT_EQ(cancel.top(), lowest + 25);
        EXPECT_EQ(cancel.right(), gamma.right());
        EXPECT_EQ(ok.right(), cancel.left() - 17);
        EXPECT_EQ(dialog.size(), QSize(gamma.right() + 17, cancel.bottom() + 13));
        EXPECT_EQ(dialog.findChild<QLabel*>("I_BkgPics") != nullptr, textures);
        EXPECT_EQ(Part(&dialog, "L_SelColCap")->text(), "Selected colour");
        EXPECT_EQ(dialog.windowTitle(), "Bkg for All Wins");
    }
}

}  // namespace
}  // namespace kirvo
