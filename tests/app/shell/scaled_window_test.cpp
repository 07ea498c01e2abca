// The main window on a screen of two pixels a point, or one and a half (QT_SCALE_FACTOR): the field
// is composed and shown in the screen's own pixels, and the mouse reaches the piece under it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QWindow>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "browser/ChoiceButton.h"
#include "help/QuickHelpWindow.h"
#include "raster/PixelImage.h"
#include "session/PieceSample.h"
#include "shell/FieldWidget.h"
#include "shell/MainWindow.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

constexpr int kScreenWidth = 2560;  // pixels
constexpr int kScreenHeight = 1600;

// The main window, running and shown, on an offscreen desktop of the screens given (as the
// offscreen platform's JSON) at QT_SCALE_FACTOR scale (none when empty), in a home of its own.
struct WindowOnDesktop {
    WindowOnDesktop(const std::string& screens, const QByteArray& scale)
        : screensFile(home.Write("screens.json", R"({"screens": [)" + screens + "]}"))
        , platform(qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString("offscreen:configfile=" + screensFile)))
        , scaled(scale.isEmpty() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", scale))
    {
        window.SetRunning(true);
        window.show();
    }

    testing::TempFolder home;
    std::string screensFile;
    bool platform;
    bool scaled;
    bool homeSet = qputenv("HOME", QByteArray::fromStdString(home.Path()));
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    bool testMode = (QStandardPaths::setTestModeEnabled(true), true);
    std::vector<std::string> shown;  // the messages the player was given
    MainWindow window {[this](const MessageRequest& request) {
        shown.push_back(request.text);
        return MessageAnswer::Ok;
    }};
};

class ScaledWindowTest : public ::testing::TestWithParam<double> {
protected:
    FieldWidget* Field() { return window.findChild<FieldWidget*>(); }

    void Mouse(QEvent::Type type, QPointF at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, Field()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(Field(), &event);
    }

    // A pixel of the first side's field where piece k is on top.
    std::optional<QPoint> PixelOnPiece(int k)
    {
        const PieceRecord& piece = window.State().pieces[size_t(k)];
        const TBox& client = window.Windows().windows[MW_SIDE0].client;
        for (int y = piece.y; y < piece.y + piece.height; ++y)
            for (int x = piece.x; x < piece.x + piece.width; ++x)
                if (PieceAtPoint(window.State(), window.Windows(), x + client.left, y + client.top) == k)
                    return QPoint(x + client.left, y + client.top);
        return std::nullopt;
    }

    WindowOnDesktop desktop {R"({"name": "wide", "x": 0, "y": 0, "width": )" + std::to_string(kScreenWidth)
                                 + R"(, "height": )" + std::to_string(kScreenHeight) + "}",
                             QByteArray::number(GetParam())};
    MainWindow& window = desktop.window;
};

// The field image has the screen's pixels, the window shows it pixel for pixel, and a piece
// carried by the mouse from a point on it is that piece, moved as far in pixels as the mouse went.
TEST_P(ScaledWindowTest, TheFieldHasTheScreensPixelsAndTheMouseCarriesThePieceUnderIt)
{
    const double ratio = GetParam();
    ASSERT_EQ(Field()->devicePixelRatio(), ratio);
    ASSERT_TRUE(window.OpenFile(KIRVO_SAMPLE_JIGSAW));
    // Qt rounds the screen to whole points: back in pixels it may come out one pixel larger.
    EXPECT_NEAR(window.Field().image.width, kScreenWidth, 1);
    EXPECT_NEAR(window.Field().image.height, kScreenHeight, 1);
    EXPECT_GE(window.Field().image.width, kScreenWidth) << "the image covers the screen";
    EXPECT_GE(window.Field().image.height, kScreenHeight);
    EXPECT_EQ(window.Windows().field.visibleWidth, Field()->Scale().Pixels(window.width()));

    const int k = window.State().drawOrder.back().piece;  // on top of the dealt heap
    const std::optional<QPoint> pixel = PixelOnPiece(k);
    ASSERT_TRUE(pixel);
    const PieceRecord before = window.State().pieces[size_t(k)];
    const QPointF from = Field()->Scale().PointOf(*pixel);
    const QPointF to = from + QPointF(30, 20);
    Mouse(QEvent::MouseButtonPress, from);
    Mouse(QEvent::MouseMove, to);
    Mouse(QEvent::MouseButtonRelease, to);
    const PieceRecord& after = window.State().pieces[size_t(k)];
    const QPoint went = Field()->Scale().PixelAt(to) - *pixel;
    EXPECT_EQ(std::pair(after.x - before.x, after.y - before.y), std::pair(went.x(), went.y()))
        << "the piece went as far as the mouse";
    EXPECT_NEAR(went.x(), 30 * ratio, 1);

    const QImage screen = Field()->grab().toImage();
    const QImage image = PixImage(window.Field().image);
    int wrong = 0;
    for (int y = 0; y < window.Windows().field.visibleHeight; ++y)
        for (int x = 0; x < window.Windows().field.visibleWidth; ++x)
            wrong += screen.pixel(x, y) != image.pixel(x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(desktop.shown, std::vector<std::string> {});
}

// The quick help draws its mouse pictures in the screen's pixels rather than blowing them up.
TEST_P(ScaledWindowTest, TheQuickHelpDrawsItsMiceInTheScreensPixels)
{
    window.RunCommand(MenuItem::MI_HelpQuick);
    auto* quick = window.findChild<QuickHelpWindow*>();
    ASSERT_NE(quick, nullptr);
    for (const QImage& mouse : quick->MousePictures()) {
        EXPECT_EQ(mouse.deviceIndependentSize(), QSizeF(64, 60));
        EXPECT_EQ(mouse.size(), QSize(64, 60) * GetParam());
    }
}

// The shape choices of the jigsaw settings are drawn in the screen's pixels from the shape masks.
TEST_P(ScaledWindowTest, TheShapeChoicesAreDrawnInTheScreensPixels)
{
    const SampleSize size = PieceSampleSize(kShapeChoiceTileSize);
    for (int shape = 0; shape < kShapeStyleCount; ++shape) {
        auto* choice = window.findChild<ChoiceButton*>("B_Shapes" + QString::number(shape));
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(choice->Picture().devicePixelRatio(), GetParam());
        EXPECT_NEAR(choice->Picture().width(), size.width * GetParam(), 1);
        EXPECT_NEAR(choice->Picture().height(), size.height * GetParam(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ScaledWindowTest, ::testing::Values(2.0, 1.5));

// Moved from a screen of one pixel a point to one of two, the window composes its field in the new
// screen's pixels: the field doubles, the pieces keep their place on it and the captions are drawn
// again, larger.
TEST(ScreenChange, TheFieldFollowsTheWindowOntoAScreenOfAnotherPixelRatio)
{
    WindowOnDesktop desktop {R"({"name": "first", "x": 0, "y": 0, "width": 1600, "height": 1000, "dpr": 1},)"
                             R"({"name": "second", "x": 1600, "y": 0, "width": 1600, "height": 1000, "dpr": 2})",
                             {}};
    MainWindow& window = desktop.window;
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    ASSERT_EQ(window.devicePixelRatio(), 1);
    ASSERT_TRUE(window.OpenFile(KIRVO_SAMPLE_JIGSAW));
    window.RunCommand(MenuItem::MI_PocketsPocket1);
    const int width = window.Windows().field.visibleWidth;
    const int captionWidth = window.Windows().windows[MW_POCKET0].captionInk.width;
    const PieceRecord before = window.State().pieces[0];

    window.windowHandle()->setScreen(QGuiApplication::screens()[1]);
    ASSERT_EQ(window.devicePixelRatio(), 2);
    EXPECT_EQ(window.Windows().field.visibleWidth, 2 * width);
    EXPECT_GE(window.Field().image.width, 2 * width);
    const PieceRecord& after = window.State().pieces[0];
    EXPECT_NEAR(after.x + after.width / 2, 2 * (before.x + before.width / 2), 2) << "the piece keeps its place";
    EXPECT_GT(window.Windows().windows[MW_POCKET0].captionInk.width, captionWidth * 5 / 4);
    EXPECT_EQ(desktop.shown, std::vector<std::string> {});
}

}  // namespace
}  // namespace kirvo
