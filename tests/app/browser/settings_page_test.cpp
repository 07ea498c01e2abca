#include "browser/SettingsPage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>

#include "browser/ChoiceButton.h"
#include "support/BrowserFolders.h"

namespace kirvo {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

// The two frame pictures: red and blue squares, each with a white (transparent) corner.
TPixelBuffer BorderSheet()
{
    TPixelBuffer sheet;
    PixCreate24(sheet, 101, 50);
    PixFillRect(sheet, 0, 0, 101, 50, 0xFFFFFF);
    PixFillRect(sheet, 0, 0, 50, 50, kRed);
    PixFillRect(sheet, 51, 0, 50, 50, kBlue);
    PixFillRect(sheet, 0, 0, 10, 10, 0xFFFFFF);
    return sheet;
}

QColor PixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

BrowserArt WithBorders()
{
    BrowserArt art;
    art.borders = BorderSheet();
    return art;
}

// The page over the browser of a session whose folders hold what each test writes there.
class SettingsPageTest : public testing::BrowserFolders {
protected:
    // Opens the browser on the file and shows the page.
    void OpenOn(const std::string& path)
    {
        Browser().Activate(BrowserMode::Open, path, {1000, 700});
        page.Show(Browser());
    }

    template <typename T>
    T* Part(const char* name) const
    {
        T* part = page.findChild<T*>(name);
        EXPECT_NE(part, nullptr) << name;
        return part;
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    BrowserArt art = WithBorders();  // no other pictures: the page shows none there
    SettingsPage page {translator, art};
};

TEST_F(SettingsPageTest, AJigsawShowsItsPreviewCountAndChoices)
{
    OpenOn(MakeJigsaw("Alpine"));
    ASSERT_EQ(Browser().Selection(), SelectionKind::Jigsaw);
    ASSERT_GT(Browser().PieceCount(), 0);

    EXPECT_EQ(Part<QLabel>("L_Thumb")->text(), "Alpine");
    EXPECT_FALSE(Part<QLabel>("I_Thumb")->isHidden());
    EXPECT_EQ(Part<QLabel>("I_Thumb")->pixmap().size(), QSize(240, 180));
    EXPECT_TRUE(Part<QLabel>("L_Comment")->isHidden());
    EXPECT_EQ(Part<QLabel>("L_PieceSize")->text(), QString::number(Browser().PieceCount()) + " pieces");
    EXPECT_FALSE(Part<QLabel>("I_PieceSize")->isHidden());
    EXPECT_EQ(Part<QSlider>("SB_PieceSize")->value(), Browser().Choices().level);
    for (int shape = 0; shape < kShapeStyleCount; ++shape) {
        const std::string name = "B_Shapes" + std::to_string(shape);
        EXPECT_EQ(Part<ChoiceButton>(name.c_str())->Chosen(), shape == Browser().Choices().shape) << name;
    }
    EXPECT_EQ(Part<QLabel>("L_Rotation")->text(), Browser().Choices().rotate ? "Rotation on" : "Rotation off");

    // The chosen frame style is framed in the accent colour; its picture shows inside the frame.
    ChoiceButton* without = Part<ChoiceButton>("B_Borders0");
    ChoiceButton* with = Part<ChoiceButton>("B_Borders1");
    EXPECT_TRUE(without->Chosen() && without->isEnabled());
    EXPECT_FALSE(with->Chosen());
    EXPECT_EQ(PixelOf(without, 0, 0), QColor(0, 128, 255));
    EXPECT_NE(PixelOf(with, 0, 0), QColor(0, 128, 255));
    EXPECT_EQ(PixelOf(without, 30, 30), QColor(255, 0, 0));
    EXPECT_EQ(PixelOf(with, 30, 30), QColor(0, 0, 255));
    EXPECT_NE(PixelOf(without, 5, 5), QColor(255, 255, 255));  // the white corner is see-through
    EXPECT_EQ(without->toolTip(), "Without frame");
}

TEST_F(SettingsPageTest, EveryChoiceReportsItsClickAndTheModelsAnswerIsShown)
{
    OpenOn(MakeJigsaw("Alpine"));
    std::vector<std::string> reported;
    QObject::connect(&page, &SettingsPage::shapeChosen, [&](int i) { reported.push_back("shape " + std::to_string(i)); });
    QObject::connect(&page, &SettingsPage::borderChosen, [&](int i) { reported.push_back("border " + std::to_string(i)); });
    QObject::connect(&page, &SettingsPage::mixChosen, [&](int i) { reported.push_back("mix " + std::to_string(i)); });
    QObject::connect(&page, &SettingsPage::rotationToggled, [&] { reported.push_back("rotation"); });
    QObject::connect(&page, &SettingsPage::fitToggled, [&] { reported.push_back("fit"); });
    QObject::connect(&page, &SettingsPage::levelChosen, [&](int i) { reported.push_back("level " + std::to_string(i)); });

    Part<ChoiceButton>("B_Shapes3")->click();
    Part<ChoiceButton>("B_Shapes6")->click();
    Part<ChoiceButton>("B_Borders1")->click();
    Part<ChoiceButton>("B_Mix1")->click();
    Part<ChoiceButton>("B_Rotation0")->click();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(Part<ChoiceButton>("B_FitToScreen0"), &enter);
    Part<QSlider>("SB_PieceSize")->setValue(2);
    EXPECT_EQ(reported, (std::vector<std::string> {"shape 3", "shape 6", "border 1", "mix 1", "rotation", "fit", "level 2"}));

    // Showing the model's choices moves nothing the player could have moved.
    reported.clear();
    Browser().ChooseShape(5);
    Browser().ChooseLevel(9);
    page.Show(Browser());
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(Part<QSlider>("SB_PieceSize")->value(), 9);
    EXPECT_TRUE(Part<ChoiceButton>("B_Shapes5")->Chosen());
    EXPECT_FALSE(Part<ChoiceButton>("B_Shapes3")->Chosen());
    EXPECT_EQ(Part<QLabel>("L_Shapes")->text(), "Grid, mixed knobs");
    EXPECT_EQ(Part<QLabel>("L_PieceSize")->text(), QString::number(Browser().PieceCount()) + " pieces");
}

TEST_F(SettingsPageTest, ASavedGameShowsItsChoicesGreyed)
{
    OpenOn(CopySavedGame("evening"));
    ASSERT_EQ(Browser().Selection(), SelectionKind::SavedGame);

    EXPECT_EQ(Part<QLabel>("L_PieceSize")->text(), "17 pieces");
    EXPECT_FALSE(Part<QSlider>("SB_PieceSize")->isEnabled());
    const QList<ChoiceButton*> buttons = page.findChildren<ChoiceButton*>();
    EXPECT_EQ(buttons.size(), 13);
    for (ChoiceButton* button : buttons)
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();

    // The greyed picture: red blended with the button face.
    const QColor face = page.palette().color(QPalette::Button);
    const uint32_t greyed = uint32_t(PixGetPixel(GreyedCopy(BorderSheet(), 0xFFFFFF, MakeColour(face.red(), face.green(), face.blue())), 30, 30));
    const QColor shown = PixelOf(Part<ChoiceButton>("B_Borders0"), 32, 32);
    EXPECT_NE(shown, QColor(255, 0, 0));
    EXPECT_EQ(shown, QColor(int(greyed & 0xFF), int(greyed >> 8 & 0xFF), int(greyed >> 16 & 0xFF)));
}

TEST_F(SettingsPageTest, ACorruptJigsawShowsTheCommentInsteadOfThePicture)
{
    MakeJigsaw("Alpine");
    temp.Write("Jigsaws/Broken.ast", "KIRVO1.0 but nothing after it");
    OpenOn("");
    Browser().ClickItem(BrowserPage::Jigsaws, 1);
    page.Show(Browser());
    ASSERT_EQ(Browser().Preview(), PreviewState::Invalid);

    EXPECT_FALSE(Part<QLabel>("L_Comment")->isHidden());
    EXPECT_EQ(Part<QLabel>("L_Comment")->text(), "Invalid Jigsaw");
    EXPECT_TRUE(Part<QLabel>("I_Thumb")->isHidden());
    EXPECT_TRUE(Part<QLabel>("L_PieceSize")->isHidden());
    EXPECT_TRUE(Part<QLabel>("I_PieceSize")->isHidden());
    EXPECT_FALSE(Part<ChoiceButton>("B_Shapes0")->isEnabled());
}

}  // namespace
}  // namespace kirvo
