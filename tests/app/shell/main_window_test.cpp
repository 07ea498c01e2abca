#include "shell/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDesktopServices>
#include <QTextBrowser>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QAbstractButton>
#include <QFileDialog>
#include <QSlider>
#include <QTabWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>
#include <fstream>
#include <vector>

#include "base/Folders.h"
#include "browser/JigsawBrowserDialog.h"
#include "browser/SettingsPage.h"
#include "browser/ThumbnailGrid.h"
#include "diagnostics/FinishDialog.h"
#include "help/HelpViewer.h"
#include "help/QuickHelpWindow.h"
#include "files/JigsawWriter.h"
#include "files/SavedGameFile.h"
#include "options/ColourPickerDialog.h"
#include "download/DownloadDialog.h"
#include "options/OptionsDialog.h"
#include "playfield/FieldImage.h"
#include "session/MessageSink.h"
#include "session/PickerSelectors.h"
#include "settings/Settings.h"
#include "shell/FieldWidget.h"
#include "shell/QuitSignals.h"
#include "shell/ToolbarPanel.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using enum MenuItem;

// Does what the player does in the dialog (the jigsaw browser, Options) the next time it comes up,
// then cancels unless that closed it.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        window.SetRunning(true);
        window.show();
    }

    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(type, key, modifiers);
        QCoreApplication::sendEvent(&window, &event);
    }
    void Tap(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Key(QEvent::KeyPress, key, modifiers);
        Key(QEvent::KeyRelease, key, modifiers);
    }
    void Click(int button)
    {
        QLabel* image = window.Toolbar()->Button(button);
        QPointF at(5, 5);
        QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QMouseEvent press(QEvent::MouseButtonPress, at, image->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, image->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
        QCoreApplication::sendEvent(image, &press);
        QCoreApplication::sendEvent(image, &release);
    }
    bool Enabled(int button)
    {
        // A disabled button never becomes hot.
        window.Toolbar()->ReleaseHot();
        QLabel* image = window.Toolbar()->Button(button);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), image->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
        bool hot = window.Toolbar()->HotButton() == button;
        window.Toolbar()->ReleaseHot();
        return hot;
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test has a home of its own: ctest runs them side by side, and saves must not meet.
    testing::TempFolder home;
    bool homeSet = qputenv("HOME", QByteArray::fromStdString(home.Path()));
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    bool testMode = (QStandardPaths::setTestModeEnabled(true), true);
    std::vector<std::string> shown;
    MainWindow window {[this](const MessageRequest& request) {
        shown.push_back(request.text);
        return MessageAnswer::Ok;
    }};
};

TEST_F(MainWindowTest, TheMenuHoldsTheCommandTableInOrder)
{
    std::vector<QString> top;
    for (QAction* action : window.Menu()->actions())
        top.push_back(action->isSeparator() ? "-" : action->objectName());
    EXPECT_EQ(top, (std::vector<QString> {"MI_File", "MI_Game", "MI_Pockets", "MI_Options", "MI_Help", "-",
                                          "MI_FullScreen", "MI_Min", "MI_Exit"}));
    EXPECT_EQ(window.Action(MI_FileSaveAs)->text(), "Save As\tShift+S");
    EXPECT_EQ(window.Action(MI_PocketsCascade)->parent()->objectName(), "MI_Pockets");
}

TEST_F(MainWindowTest, ToolbarButtonsAreLaidOutForTheWidthWithHintsFromTheMenu)
{
    auto places = ToolbarLayout(window.width(), false).buttons;
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        QLabel* image = window.Toolbar()->Button(i);
        EXPECT_EQ(image->objectName(), ToolbarButtons()[size_t(i)].name);
        EXPECT_EQ(image->x(), places[size_t(i)].x) << i;
        EXPECT_EQ(image->isVisibleTo(window.Toolbar()), places[size_t(i)].visible) << i;
    }
    EXPECT_EQ(window.Toolbar()->Button(BI_Help)->toolTip(), "Contents (F1)");
    EXPECT_EQ(window.Toolbar()->Button(BI_Save)->toolTip(), "Save (S)");
}

// At its smallest the window shows a new pocket whole, and its toolbar offers the buttons that do
// not fit in the overflow menu: with the popup menu's captions, enabled and checked like the
// buttons, each running its command.
TEST_F(MainWindowTest, ANarrowWindowOffersTheButtonsThatDoNotFitInTheOverflowMenu)
{
    window.RunCommand(MI_GameClock);
    window.resize(window.minimumSize());
    ASSERT_EQ(window.width(), window.minimumWidth());
    EXPECT_LE(SmallestField().height, window.Windows().field.visibleHeight);
    ToolbarPanel* toolbar = window.Toolbar();
    ASSERT_TRUE(toolbar->OverflowButton()->isVisibleTo(toolbar));
    EXPECT_LE(toolbar->OverflowButton()->geometry().right(), window.width());

    emit toolbar->OverflowMenu()->aboutToShow();
    const std::vector<int> hidden = ToolbarLayout(window.width(), false).overflowed;
    const QList<QAction*> actions = toolbar->OverflowMenu()->actions();
    ASSERT_EQ(size_t(actions.size()), hidden.size());
    QAction* options = nullptr;
    for (size_t i = 0; i < hidden.size(); ++i) {
        const int button = hidden[i];
        const MenuItem item = ToolbarButtons()[size_t(button)].item;
        SCOPED_TRACE(ToolbarButtons()[size_t(button)].name);
        EXPECT_FALSE(toolbar->Button(button)->isVisibleTo(toolbar));
        EXPECT_EQ(actions[i]->text(), window.Action(item)->text());
        EXPECT_EQ(actions[i]->isEnabled(), Enabled(button));
        EXPECT_EQ(actions[i]->isChecked(), toolbar->Checked(button));
        if (item == MI_Options)
            options = actions[i];
    }
    // Among them a checked button and a disabled one.
    EXPECT_NE(std::find(hidden.begin(), hidden.end(), BI_Clock), hidden.end());
    EXPECT_TRUE(toolbar->Checked(BI_Clock));
    EXPECT_NE(std::find(hidden.begin(), hidden.end(), BI_Win1), hidden.end());
    EXPECT_FALSE(Enabled(BI_Win1));
    ASSERT_NE(options, nullptr);
    int optionsShown = 0;
    WhenShown<OptionsDialog>([&optionsShown](OptionsDialog&) { ++optionsShown; });
    options->trigger();
    EXPECT_EQ(optionsShown, 1);
}

TEST_F(MainWindowTest, WithoutAPuzzlePlayCommandsAreOffAndTheProgressPanelStopsTheRest)
{
    EXPECT_TRUE(Enabled(BI_Open));
    EXPECT_TRUE(Enabled(BI_FullScreen));
    EXPECT_FALSE(Enabled(BI_Save));
    EXPECT_FALSE(Enabled(BI_Win1));
    EXPECT_FALSE(window.Action(MI_Game)->isEnabled());

    window.ShowProgressPanel("", 2);
    EXPECT_FALSE(Enabled(BI_Open));
    EXPECT_FALSE(Enabled(BI_FullScreen));
    EXPECT_FALSE(window.Action(MI_FileOpen)->isEnabled());
    window.HideProgressPanel();
    EXPECT_TRUE(Enabled(BI_Open));
}

TEST_F(MainWindowTest, KeysActOnReleaseButNotWhenPressedUnderTheProgressPanel)
{
    window.ShowProgressPanel("", 1);
    Key(QEvent::KeyPress, Qt::Key_O);
    window.HideProgressPanel();
    Key(QEvent::KeyRelease, Qt::Key_O);
    EXPECT_TRUE(shown.empty());

    int downloadsShown = 0;
    WhenShown<DownloadDialog>([&downloadsShown](DownloadDialog&) { ++downloadsShown; });
    Tap(Qt::Key_D);
    EXPECT_EQ(downloadsShown, 1);
    shown.clear();
    Tap(Qt::Key_1);  // a pocket without a puzzle: disabled, nothing
    Tap(Qt::Key_Space);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(window.Windows().shownSide, MW_SIDE0);
}

TEST_F(MainWindowTest, ToolbarClicksRunTheirItems)
{
    int optionsShown = 0;
    WhenShown<OptionsDialog>([&optionsShown](OptionsDialog&) { ++optionsShown; });
    Click(BI_Options);
    EXPECT_EQ(optionsShown, 1);
    int downloadsShown = 0;
    WhenShown<DownloadDialog>([&downloadsShown](DownloadDialog&) { ++downloadsShown; });
    Click(BI_Download);
    EXPECT_EQ(downloadsShown, 1);
    Click(BI_Save);  // disabled
    EXPECT_EQ(optionsShown, 1);
    EXPECT_EQ(downloadsShown, 1);
}

// OK in Options applies the language chosen at once: the menu and the dialog speak German, and
// the settings written at exit keep it. The
// tests' program folder holds only German, so the list comes up on it while English is pending:
// the player clicks it.
TEST_F(MainWindowTest, OptionsApplyTheLanguageChosenAtOnce)
{
    WhenShown<OptionsDialog>([](OptionsDialog& options) {
        auto* list = options.findChild<QListWidget*>("LV_LangList");
        ASSERT_NE(list, nullptr);
        const QList<QListWidgetItem*> german = list->findItems("Deutsch", Qt::MatchExactly);
        ASSERT_EQ(german.size(), 1);
        const QPointF at = list->visualItemRect(german[0]).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(list->viewport(), &click);
        }
        options.findChild<QPushButton*>("B_Ok")->click();
    });
    window.RunCommand(MI_Options);
    EXPECT_EQ(window.Action(MI_FileOpen)->text(), "Öffnen\tO");
    EXPECT_EQ(window.Action(MI_GameWeight)->text(), "Gewicht auflegen\tW") << "what Weight will do";
    EXPECT_EQ(window.findChild<OptionsDialog*>()->windowTitle(), "Einstellungen");
    EXPECT_EQ(shown, std::vector<std::string> {});

    // and it is the language of the next start.
    const FILE_NAMES names = window.FileNames();
    window.close();
    Result<Settings> next = SettingsLoad(names);
    ASSERT_TRUE(next) << next.error();
    EXPECT_EQ(next.value().sCurLang, "german");
}

TEST_F(MainWindowTest, FullScreenShowsMinimiseAndCloseAndLeavingRestoresTheWorkArea)
{
    QRect normal = window.geometry();
    Tap(Qt::Key_U);
    EXPECT_TRUE(window.IsFullScreen());
    EXPECT_TRUE(window.Action(MI_FullScreen)->isChecked());
    EXPECT_TRUE(window.Toolbar()->Button(BI_Close)->isVisibleTo(window.Toolbar()));
    EXPECT_TRUE(window.Toolbar()->Button(BI_Min)->isVisibleTo(window.Toolbar()));

    Click(BI_FullScreen);
    EXPECT_FALSE(window.IsFullScreen());
    EXPECT_FALSE(window.Toolbar()->Button(BI_Close)->isVisibleTo(window.Toolbar()));
    EXPECT_EQ(window.geometry().size(), normal.size());
}

TEST_F(MainWindowTest, RecentFilesFillTheFileMenu)
{
    for (const char* name : {"/j/a.sv1", "/j/b.sv1", "/j/c.sv1", "/j/d.sv1", "/j/e.sv1"})
        window.PutRecent(name);
    EXPECT_EQ(window.Action(MI_FileLast0)->text(), "&1. e.sv1");
    EXPECT_EQ(window.Action(MI_FileLast3)->text(), "&4. b.sv1");
    EXPECT_TRUE(window.Action(MI_FileLast3)->isVisible());
    EXPECT_TRUE(window.Action(MI_FileLast3)->isEnabled());

    window.PutRecent("/j/c.sv1");
    EXPECT_EQ(window.Action(MI_FileLast0)->text(), "&1. c.sv1");
    EXPECT_EQ(window.Action(MI_FileLast2)->text(), "&3. d.sv1");
    EXPECT_EQ(window.Action(MI_FileLast3)->text(), "&4. b.sv1");
}

// A jigsaw of a picture in stripes of colour, in the player's jigsaws folder.
std::string MakeJigsaw(const MainWindow& window, const std::string& name, int width, int height)
{
    TPixelBuffer picture;
    PixCreate24(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(picture, x, y, x < width / 2 ? 0x2040E0 : 0x30C050);
    std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 90);
    std::vector<uint8_t> info = {'S', 't', 'r', 'i', 'p', 'e', 's'};
    std::filesystem::create_directories(window.FileNames().personalJigsawsFolder);
    std::string path = window.FileNames().personalJigsawsFolder + name;
    EXPECT_TRUE(WriteJigsawFile(path, {.ImageW = width, .ImageH = height, .preview = jpeg, .info = info, .picture = jpeg}));
    return path;
}

// Pixels of the field that are neither the background nor a frame: the pieces.
int PiecePixels(const MainWindow& window)
{
    const TPixelBuffer& image = window.Field().image;
    const TBox& client = window.Windows().windows[MW_SIDE0].client;
    int count = 0;
    for (int y = client.top; y <= client.bottom; ++y)
        for (int x = client.left; x <= client.right; ++x)
            count += PixGetPixel(image, x, y) != kDefaultBackground;
    return count;
}

// Open shows the player's jigsaws; the one picked goes to the settings page, where the choices
// made start it: the pieces lie on the first side, the game commands are on and closing would ask
// nothing. The choices stay for the next jigsaw.
TEST_F(MainWindowTest, OpenStartsThePickedJigsawWithTheChoicesMade)
{
    MakeJigsaw(window, "meadow.ast", 200, 150);
    MakeJigsaw(window, "stripes.ast", 320, 240);
    WhenShown<JigsawBrowserDialog>([](JigsawBrowserDialog& browser) {
        ThumbnailGrid* jigsaws = browser.Grid(BrowserPage::Jigsaws);
        ASSERT_EQ(jigsaws->count(), 2);
        EXPECT_EQ(jigsaws->item(1)->text(), "stripes");
        jigsaws->setCurrentRow(1);
        browser.OkButton()->click();
        ASSERT_TRUE(browser.Settings()->isVisible());
        auto* slider = browser.Settings()->findChild<QSlider*>("SB_PieceSize");
        ASSERT_NE(slider, nullptr);
        slider->setValue(9);
        auto* shape = browser.Settings()->findChild<QAbstractButton*>("B_Shapes5");
        ASSERT_NE(shape, nullptr);
        shape->click();
        ASSERT_TRUE(browser.OkButton()->isEnabled());
        browser.OkButton()->click();
    });
    Tap(Qt::Key_O);

    EXPECT_EQ(shown, std::vector<std::string> {});
    const GameState& state = window.State();
    EXPECT_GT(state.descriptor.TotalTileNum, 1);
    EXPECT_EQ(state.descriptor.Level, 9);
    EXPECT_EQ(state.descriptor.ShapeStyle, 5);
    EXPECT_FALSE(state.changed);
    EXPECT_FALSE(state.loading);
    EXPECT_EQ(window.FileNames().sJigName, "stripes");
    EXPECT_TRUE(window.Action(MI_FileSave)->isEnabled());
    EXPECT_TRUE(window.Action(MI_Game)->isEnabled());
    EXPECT_EQ(window.Action(MI_FileLast0)->text(), "&1. stripes.ast");
    EXPECT_GT(PiecePixels(window), 320 * 240 / 2);

    // The browser comes back on the jigsaw in play, at its settings, with the choices made.
    WhenShown<JigsawBrowserDialog>([](JigsawBrowserDialog& browser) {
        EXPECT_TRUE(browser.Settings()->isVisible());
        EXPECT_EQ(browser.Settings()->findChild<QSlider*>("SB_PieceSize")->value(), 9);
    });
    Tap(Qt::Key_O);
}

// A file named on the command line: a jigsaw from elsewhere joins the player's jigsaws and comes
// up selected in the browser (not the first one listed); a saved game is resumed where it lies.
TEST_F(MainWindowTest, TheFileOnTheCommandLineIsOpened)
{
    const std::string downloads = home.Path() + "Downloads/";
    std::filesystem::create_directories(downloads);
    MakeJigsaw(window, "alpine.ast", 200, 150);
    std::filesystem::rename(MakeJigsaw(window, "garden.ast", 160, 120), downloads + "garden.ast");
    bool browsed = false;
    WhenShown<JigsawBrowserDialog>([&browsed](JigsawBrowserDialog& browser) {
        ThumbnailGrid* jigsaws = browser.Grid(BrowserPage::Jigsaws);
        ASSERT_NE(jigsaws->currentItem(), nullptr);
        EXPECT_EQ(jigsaws->currentItem()->text(), "garden");
        browsed = true;
    });
    window.OpenCommandLineFile(downloads + "garden.ast");
    EXPECT_TRUE(browsed);
    EXPECT_TRUE(FileExists(window.FileNames().personalJigsawsFolder + "garden.ast"));

    std::filesystem::copy_file(KIRVO_TEST_DATA "/saved-games/played.sv1", downloads + "played.sv1");
    window.OpenCommandLineFile(downloads + "played.sv1");
    EXPECT_EQ(shown, std::vector<std::string> {});
    EXPECT_EQ(window.State().descriptor.TotalTileNum, 17);
    EXPECT_EQ(window.FileNames().sSolve, downloads + "played.sv1");
}

// A jigsaw that cannot be read is refused with its reason; the game in play stays as it was.
TEST_F(MainWindowTest, ABrokenJigsawLeavesTheGameInPlay)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    const std::vector<PieceRecord> pieces = window.State().pieces;

    const std::string broken = MakeJigsaw(window, "broken.ast", 200, 150);
    std::filesystem::resize_file(broken, std::filesystem::file_size(broken) - 40);
    EXPECT_FALSE(window.OpenFile(broken));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("broken.ast cannot be opened"), std::string::npos) << shown[0];
    EXPECT_EQ(window.State().pieces, pieces);
    EXPECT_EQ(window.FileNames().sJigName, "good");
    EXPECT_TRUE(window.FileNames().puzzleLoaded);
    EXPECT_TRUE(Enabled(BI_Open)) << "no progress panel stays up";
    EXPECT_TRUE(window.Action(MI_Game)->isEnabled());
}

// Select All, Arrange and Gather reach the game: A selects the side's pieces and turns Arrange on,
// its button arranges them, and Gather asks first (answered here with OK: nothing happens).
TEST_F(MainWindowTest, SelectAllArrangeAndGatherActOnTheGame)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    EXPECT_FALSE(Enabled(BI_Arrange));
    Tap(Qt::Key_A);
    EXPECT_TRUE(window.State().selectionExists);
    EXPECT_TRUE(Enabled(BI_Arrange));
    Click(BI_Arrange);
    EXPECT_TRUE(window.State().changed);
    EXPECT_TRUE(shown.empty());

    const std::vector<PieceRecord> pieces = window.State().pieces;
    window.RunCommand(MI_GameGather);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("gathered"), std::string::npos) << shown[0];
    EXPECT_EQ(window.State().pieces, pieces);
    EXPECT_TRUE(window.State().selectionExists);
}

// G and the glass button turn the glass on and off; its menu item and button show which.
TEST_F(MainWindowTest, TheGlassKeyAndButtonToggleTheGlass)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    EXPECT_FALSE(window.Action(MI_GameGlass)->isChecked());
    Tap(Qt::Key_G);
    EXPECT_TRUE(window.Windows().glass.visible);
    EXPECT_TRUE(window.Action(MI_GameGlass)->isChecked());
    Click(BI_Glass);
    EXPECT_FALSE(window.Windows().glass.visible);
    EXPECT_FALSE(window.Action(MI_GameGlass)->isChecked());
    EXPECT_TRUE(shown.empty());
}

// K and the clock button show and hide the time played at the right of the toolbar; the menu item
// and the button are checked while it is shown.
TEST_F(MainWindowTest, TheClockKeyAndButtonShowTheTimeOnTheToolbar)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    EXPECT_TRUE(Enabled(BI_Clock));
    EXPECT_EQ(window.Toolbar()->Button(BI_Clock)->toolTip(), "Clock (K)");
    auto state = [this] {
        return std::tuple {window.Toolbar()->Clock()->isVisibleTo(window.Toolbar()),
                           window.Action(MI_GameClock)->isChecked(), window.Toolbar()->Checked(BI_Clock)};
    };
    EXPECT_EQ(state(), std::tuple(false, false, false));
    Tap(Qt::Key_K);
    EXPECT_EQ(state(), std::tuple(true, true, true));
    EXPECT_EQ(window.Toolbar()->Clock()->text(), "0:00");
    Click(BI_Clock);
    EXPECT_EQ(state(), std::tuple(false, false, false));
}

// The clock counts the seconds of play and stands still while a dialog waits for the player.
TEST_F(MainWindowTest, TheClockStandsStillWhileADialogIsOpen)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    Tap(Qt::Key_K);
    window.ClockTick();
    EXPECT_EQ(window.Toolbar()->Clock()->text(), "0:01");
    QDialog question(&window);
    QTimer::singleShot(0, [&] {
        window.ClockTick();
        question.reject();
    });
    question.exec();
    EXPECT_EQ(window.Toolbar()->Clock()->text(), "0:01");
    window.ClockTick();
    EXPECT_EQ(window.Toolbar()->Clock()->text(), "0:02");
}

// The clock at the toolbar's right end never covers a button: those it would cover go into the
// overflow menu while it is shown, and come back when it is hidden.
TEST_F(MainWindowTest, TheClockKeepsClearOfTheButtons)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    ToolbarPanel* toolbar = window.Toolbar();
    for (int width : {700, 1000, 1280}) {
        window.resize(width, 600);
        const bool overflowing = toolbar->OverflowButton()->isVisibleTo(toolbar);
        Tap(Qt::Key_K);
        QLabel* clock = toolbar->Clock();
        const int textLeft = clock->geometry().right() - clock->fontMetrics().horizontalAdvance(clock->text());
        for (QWidget* shown : toolbar->findChildren<QWidget*>())
            if (shown != clock && shown->parentWidget() == toolbar && shown->isVisibleTo(toolbar))
                EXPECT_LT(shown->geometry().right(), textLeft) << width << " " << shown->objectName().toStdString();
        Tap(Qt::Key_K);
        EXPECT_EQ(toolbar->OverflowButton()->isVisibleTo(toolbar), overflowing) << width;
    }
}

TEST_F(MainWindowTest, CurrentWindowCaptionsNameTheWindowInView)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    auto captions = [this] {
        return std::pair {window.Action(MI_GameSelectAll)->text(), window.Toolbar()->Button(BI_BkgCur)->toolTip()};
    };
    EXPECT_EQ(captions(), std::pair(QString("Select All in First Win\tA"), QString("Bkg for First Win (Shift+B)")));
    window.RunCommand(MI_PocketsPocket2);
    EXPECT_EQ(captions(), std::pair(QString("Select All in Pocket 2\tA"), QString("Bkg for Pocket 2 (Shift+B)")));
    Tap(Qt::Key_Space);
    EXPECT_EQ(captions().first, "Select All in Second Win\tA");
}

// T shows and hides the thumbnail window, its item and button checked while it is shown.
TEST_F(MainWindowTest, TheThumbnailCommandMirrorsTheWindow)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    for (bool shown : {true, false}) {
        Tap(Qt::Key_T);
        EXPECT_EQ(window.Windows().windows[MW_THUMB].visible, shown);
        EXPECT_EQ(window.Action(MI_GameThumb)->isChecked(), shown);
    }
}

// B and Shift+B open the picker titled with their menu caption; each colour picked shows on the
// windows at once, and Cancel puts the backgrounds back.
TEST_F(MainWindowTest, TheBackgroundPickerPreviewsAndCancelRestores)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    const struct {
        Qt::KeyboardModifiers modifiers;
        const char* title;
        int changedWindow;
    } cases[] = {
        {Qt::NoModifier, "Bkg for All Wins", MW_POCKET3},
        {Qt::ShiftModifier, "Bkg for First Win", MW_SIDE0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        QString title;
        uint32_t previewed = 0;
        WhenShown<ColourPickerDialog>([&](ColourPickerDialog& picker) {
            title = picker.windowTitle();
            QLabel* palette = picker.findChild<QLabel*>("I_Pal");
            ASSERT_NE(palette, nullptr);
            const TBox cell = SelectorCell(kPaletteGrid, 0);
            const QPointF at(cell.left + cell.width / 2, cell.top + cell.height / 2);
            QMouseEvent press(QEvent::MouseButtonPress, at, palette->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(palette, &press);
            previewed = window.Windows().windows[size_t(c.changedWindow)].background;
        });
        Tap(Qt::Key_B, c.modifiers);
        EXPECT_EQ(title, c.title);
        EXPECT_NE(previewed, kDefaultBackground);
        for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
            EXPECT_EQ(window.Windows().windows[size_t(n)].background, kDefaultBackground) << n;
        EXPECT_FALSE(window.State().changed);
        EXPECT_FALSE(window.State().busy);
    }
}

// Saved under a new name, the game is mirrored into the autosave file; saved again it is rewritten
// in place; after another jigsaw, opening the save resumes the game as it was left.
TEST_F(MainWindowTest, SaveAndResume)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "stripes.ast", 200, 150)));
    WhenShown<JigsawBrowserDialog>([](JigsawBrowserDialog& browser) {
        EXPECT_EQ(browser.FileNameBox()->text(), "stripes");
        EXPECT_TRUE(browser.FileNameBox()->isVisible());
        EXPECT_FALSE(browser.Pages()->isTabVisible(0));
        browser.FileNameBox()->setText("evening");
        emit browser.FileNameBox()->textEdited("evening");
        browser.OkButton()->click();
    });
    // Shift+S, with Shift let go a moment before the S, as fast hands do.
    Key(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    Key(QEvent::KeyPress, Qt::Key_S, Qt::ShiftModifier);
    Key(QEvent::KeyRelease, Qt::Key_Shift);
    Key(QEvent::KeyRelease, Qt::Key_S);
    const std::string saved = window.FileNames().savedGamesFolder + "evening.sv1";
    ASSERT_TRUE(std::filesystem::exists(saved)) << (shown.empty() ? "" : shown.front());
    EXPECT_FALSE(window.State().changed);
    EXPECT_EQ(window.FileNames().sSolve, saved);
    EXPECT_EQ(ReadFileBytes(saved).value(), ReadFileBytes(window.FileNames().autosaveFile).value());
    EXPECT_FALSE(std::filesystem::exists(window.FileNames().saveTempFile));

    const std::vector<PieceRecord> pieces = window.State().pieces;
    const auto size = std::filesystem::file_size(saved);
    Tap(Qt::Key_S);
    EXPECT_EQ(std::filesystem::file_size(saved), size) << "the second save rewrites the play state in place";

    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "other.ast", 160, 120)));
    ASSERT_TRUE(window.OpenFile(saved));
    EXPECT_EQ(window.FileNames().sJigName, "stripes");
    EXPECT_EQ(window.FileNames().sSolve, saved);
    EXPECT_FALSE(window.State().changed);
    for (size_t k = 0; k + 1 < pieces.size(); ++k)
        EXPECT_EQ(window.State().pieces[k], pieces[k]) << "piece " << k;
    EXPECT_TRUE(shown.empty());
}

// Games played with the mouse on the field.
class PlayTest : public MainWindowTest {
protected:
    FieldWidget* Field() { return window.findChild<FieldWidget*>(); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, Field()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Field(), &event);
    }

    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    }

    void WheelDown(QPoint at)
    {
        QWheelEvent event(at, Field()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(Field(), &event);
    }

    const PieceRecord& Piece(int k) { return window.State().pieces[size_t(k)]; }

    // A point of the first side where piece k is the topmost piece; nothing when it is covered.
    std::optional<QPoint> VisiblePointOn(int k)
    {
        const TMyWin& side = window.Windows().windows[MW_SIDE0];
        for (int y = Piece(k).y; y < Piece(k).y + Piece(k).height; ++y)
            for (int x = Piece(k).x; x < Piece(k).x + Piece(k).width; ++x)
                if (PieceAtPoint(window.State(), window.Windows(), x + side.client.left, y + side.client.top) == k)
                    return QPoint(x + side.client.left, y + side.client.top);
        return std::nullopt;
    }
    QPoint PointOnPiece(int k)
    {
        std::optional<QPoint> point = VisiblePointOn(k);
        if (!point)
            ADD_FAILURE() << "piece " << k << " is covered";
        return point.value_or(QPoint());
    }

    // Opens pocket 1 and picks a piece of the first side, with a point on it, that the pocket
    // leaves free: the pieces lie where the game's random scatter put them.
    std::pair<int, QPoint> OpenPocketBesideAPiece()
    {
        std::vector<std::optional<QPoint>> points;
        for (int k = 0; k < window.State().descriptor.TotalTileNum; ++k)
            points.push_back(VisiblePointOn(k));
        window.RunCommand(MI_PocketsPocket1);
        const TBox& frame = window.Windows().windows[MW_POCKET0].frame;
        const auto found = std::find_if(points.begin(), points.end(), [&frame](const std::optional<QPoint>& p) {
            return p && !BoxContains(frame, p->x(), p->y());
        });
        if (found == points.end()) {
            ADD_FAILURE() << "the pocket covers every piece";
            return {0, QPoint()};
        }
        return {int(found - points.begin()), **found};
    }

    // A point of the side where the topmost piece belongs to the first piece's group.
    std::optional<QPoint> PointOnGroup()
    {
        const TBox& client = window.Windows().windows[MW_SIDE0].client;
        for (int y = client.top + 2; y < client.bottom; y += 3)
            for (int x = client.left + 2; x < client.right; x += 3) {
                int piece = PieceAtPoint(window.State(), window.Windows(), x, y);
                if (piece >= 0 && Piece(piece).group == Piece(first).group)
                    return QPoint(x, y);
            }
        return std::nullopt;
    }

    // A loose piece that meets the group.
    int NextPiece()
    {
        const int count = window.State().descriptor.TotalTileNum;
        for (int k = 0; k < count; ++k) {
            if (Piece(k).group == Piece(first).group)
                continue;
            for (int16_t q : Piece(k).neighbours)
                if (q >= 0 && Piece(q).group == Piece(first).group)
                    return k;
        }
        return -1;
    }

    // Turns the group to piece k's rotation and drops it where it fits piece k.
    void CarryGroupOnto(int k)
    {
        for (int turns = 0; turns < 4 && Piece(first).rotation != Piece(k).rotation; ++turns) {
            std::optional<QPoint> grip = PointOnGroup();
            ASSERT_TRUE(grip) << "the group is always on top and in view";
            WheelDown(*grip);
        }
        std::optional<QPoint> grip = PointOnGroup();
        ASSERT_TRUE(grip);
        const PieceRecord& held = Piece(PieceAtPoint(window.State(), window.Windows(), grip->x(), grip->y()));
        QPoint shift((Piece(k).x - Piece(k).rotatedSourceX) - (held.x - held.rotatedSourceX),
                     (Piece(k).y - Piece(k).rotatedSourceY) - (held.y - held.rotatedSourceY));
        Drag(*grip, *grip + shift);
    }

    int first = 0;  // the piece the group grows from
};

// Weight (W) while a piece is carried sets the weight on it: the item is checked, the button shows
// the placed weight and the caption offers to lift it; Escape puts the piece back; W again lifts
// the weight.
TEST_F(PlayTest, WeightAndEscapeActOnTheCarriedPiece)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    auto display = [this] {
        return std::tuple {window.Action(MI_GameWeight)->isChecked(), window.Toolbar()->Column(BI_Weight),
                           window.Action(MI_GameWeight)->text()};
    };
    EXPECT_EQ(display(), std::tuple(false, kWeightOffColumn, QString("Put Weight\tW")));
    const int k = 3;
    const PieceRecord before = Piece(k);
    const QPoint at = PointOnPiece(k);
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(QEvent::MouseMove, at + QPoint(30, 20), Qt::LeftButton);
    Tap(Qt::Key_W);
    EXPECT_EQ(window.State().weightedPiece, k);
    EXPECT_EQ(display(), std::tuple(true, kWeightOnColumn, QString("Lift Weight\tW")));
    Tap(Qt::Key_Escape);
    EXPECT_EQ(std::pair(Piece(k).x, Piece(k).y), std::pair(before.x, before.y));
    Mouse(QEvent::MouseButtonRelease, at + QPoint(30, 20), Qt::LeftButton);
    EXPECT_EQ(std::pair(Piece(k).x, Piece(k).y), std::pair(before.x, before.y)) << "the release drops nothing";
    Tap(Qt::Key_W);
    EXPECT_EQ(window.State().weightedPiece, -1);
    EXPECT_EQ(display(), std::tuple(false, kWeightOffColumn, QString("Put Weight\tW")));
}

// A pocket's caption image follows its group count as pieces go in.
TEST_F(PlayTest, APocketCaptionShowsThePiecesThatWentIn)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    const auto [piece, from] = OpenPocketBesideAPiece();
    const TMyWin& pocket = window.Windows().windows[MW_POCKET0];
    EXPECT_EQ(pocket.renderedCaption, "Pocket 1 (0)");
    Drag(from, QPoint(pocket.client.left + 10, pocket.client.top + 10));
    ASSERT_EQ(Piece(piece).window, MW_POCKET0);
    EXPECT_EQ(pocket.renderedCaption, "Pocket 1 (1)");
}

// Ctrl+Z after a drag into a pocket puts the piece back where it lay, Ctrl+Y carries it in again,
// and the menu items follow.
TEST_F(PlayTest, CtrlZPutsADraggedPieceBackAndCtrlYDoesItAgain)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    const auto [piece, from] = OpenPocketBesideAPiece();
    const TMyWin& pocket = window.Windows().windows[MW_POCKET0];
    const PieceRecord before = Piece(piece);
    EXPECT_FALSE(window.Action(MI_GameUndo)->isEnabled());
    Drag(from, QPoint(pocket.client.left + 10, pocket.client.top + 10));
    const PieceRecord after = Piece(piece);
    ASSERT_EQ(after.window, MW_POCKET0);
    EXPECT_TRUE(window.Action(MI_GameUndo)->isEnabled());
    EXPECT_EQ(window.Action(MI_GameUndo)->text(), "Undo\tCtrl+Z");
    EXPECT_TRUE(Enabled(BI_Undo));
    EXPECT_FALSE(Enabled(BI_Redo));
    EXPECT_EQ(window.Toolbar()->Button(BI_Undo)->toolTip(), "Undo (Ctrl+Z)");

    Tap(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(Piece(piece).x, Piece(piece).y, Piece(piece).window), std::tuple(before.x, before.y, before.window));
    EXPECT_EQ(pocket.renderedCaption, "Pocket 1 (0)");
    EXPECT_FALSE(window.Action(MI_GameUndo)->isEnabled());
    EXPECT_TRUE(window.Action(MI_GameRedo)->isEnabled());
    EXPECT_FALSE(Enabled(BI_Undo));
    EXPECT_TRUE(Enabled(BI_Redo));
    Tap(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(Piece(piece).x, Piece(piece).y, Piece(piece).window), std::tuple(after.x, after.y, after.window));
    EXPECT_EQ(pocket.renderedCaption, "Pocket 1 (1)");
    EXPECT_TRUE(shown.empty());
}

// F frames two pieces that fit on a timer of its own; the frames go by themselves.
TEST_F(PlayTest, FFramesAPieceThatFitsForAMoment)
{
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "good.ast", 200, 150)));
    Tap(Qt::Key_F);
    auto* blink = window.findChild<QTimer*>("T_FindHighlight");
    ASSERT_NE(blink, nullptr);
    EXPECT_TRUE(blink->isActive());
    EXPECT_EQ(window.Field().findMark.step, 0);
    QElapsedTimer waited;
    waited.start();
    while (blink->isActive() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(blink->isActive());
    EXPECT_LT(window.Field().findMark.step, 0);
    EXPECT_TRUE(shown.empty());
}

// Plays a sample jigsaw from start to finish as a player would: every piece is joined by carrying
// the growing group onto it, turned to match it first; the finish offers to save the solved
// picture, which is then checked.
TEST_F(PlayTest, ASampleIsSolvedWithTheMouseAndItsPictureSaved)
{
    Settings settings;
    settings.DefJigP = {.Rotate = true, .BorderStyle = 0, .ShapeStyle = 0, .Level = 13, .SpreadOut = 0, .FitToScreen = true};
    settings.CB_VisualShowJoin = false;
    settings.EmbossStyle = 0;  // the saved picture then holds the picture's own pixels
    settings.WoodStyle = 0;
    ASSERT_TRUE(SettingsSave(settings, window.FileNames()));
    window.LoadSettings();
    shown.clear();  // the tests' program folder has no language files
    ASSERT_TRUE(window.OpenFile(KIRVO_SAMPLE_JIGSAW));
    const int count = window.State().descriptor.TotalTileNum;
    ASSERT_GE(count, 9);
    ASSERT_LE(count, 30);
    first = window.State().drawOrder.back().piece;  // the dealt heap may hide any piece but the top one

    std::filesystem::create_directories(window.FileNames().picturesFolder);
    const std::string picture = window.FileNames().picturesFolder + "ladybird.png";  // the name offered
    std::filesystem::remove(picture);
    bool finishShown = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* finish = qobject_cast<FinishDialog*>(modal)) {
            finishShown = true;
            finish->accept();
        } else if (auto* save = qobject_cast<QFileDialog*>(modal)) {
            QMetaObject::invokeMethod(save, "done", Q_ARG(int, QDialog::Accepted));
        }
    });
    answer.start(10);

    for (int k = NextPiece(); k >= 0; k = NextPiece()) {
        CarryGroupOnto(k);
        ASSERT_EQ(Piece(k).group, Piece(first).group) << "piece " << k << " joined";
    }
    for (int k = 0; k < count; ++k)
        ASSERT_EQ(Piece(k).group, Piece(first).group) << "every piece meets the group through its neighbours";
    for (int turns = 0; turns < 4 && !window.State().solved; ++turns)
        WheelDown(*PointOnGroup());

    EXPECT_TRUE(window.State().solved);
    EXPECT_TRUE(finishShown);
    EXPECT_EQ(shown, std::vector<std::string> {});
    EXPECT_TRUE(window.Action(MI_FileSaveImage)->isEnabled());
    TPixelBuffer saved;
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(picture);
    ASSERT_TRUE(bytes) << bytes.error();
    ASSERT_TRUE(PixLoadPng(saved, bytes.value()));
    const Descriptor& d = window.State().descriptor;
    EXPECT_EQ(saved.width, d.ImageW + 2);
    EXPECT_GT(saved.height, d.ImageH + 52) << "the sample's long description goes on over more lines";
    EXPECT_EQ(PixGetPixel(saved, 0, 0), 0) << "the black margin";
    const TPixelBuffer& source = window.State().buffers[kPictureBuffer];
    for (auto [x, y] : {std::pair {d.ImageW / 3, d.ImageH / 2}, std::pair {d.ImageW - 5, 4}, std::pair {7, d.ImageH - 3}})
        EXPECT_EQ(PixGetPixel(saved, x + 1, y + 1), PixGetPixel(source, x, y)) << x << "," << y;
}

// The star of a join turns on a timer: the drop returns at once and the window answers meanwhile.
TEST_F(PlayTest, AJoinStarTurnsOnATimerWhileTheWindowAnswers)
{
    Settings settings;
    settings.CB_VisualShowJoin = true;
    ASSERT_TRUE(SettingsSave(settings, window.FileNames()));
    window.LoadSettings();
    shown.clear();
    ASSERT_TRUE(window.OpenFile(KIRVO_SAMPLE_JIGSAW));
    first = window.State().drawOrder.back().piece;  // the dealt heap may hide any piece but the top one
    const int k = NextPiece();
    ASSERT_GE(k, 0);
    CarryGroupOnto(k);
    ASSERT_EQ(Piece(k).group, Piece(first).group);

    auto* star = window.findChild<QTimer*>("T_JoinStar");
    ASSERT_NE(star, nullptr);
    EXPECT_TRUE(star->isActive());
    EXPECT_GE(window.Field().star.step, 0) << "the drop returned before the star was done";
    QElapsedTimer waited;
    waited.start();
    while (star->isActive() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(star->isActive());
    EXPECT_LT(window.Field().star.step, 0);
}

// At logout the desktop sends a quit signal and then, soon after, kills the game: there is no
// time for a question, so the changed game is saved to the autosave file and the window closes.
TEST_F(PlayTest, AQuitSignalSavesAChangedGameWithoutAsking)
{
    CatchQuitSignals();
    QuitOnSignals(&window, [this] { window.QuitWithoutAsking(); });
    ASSERT_TRUE(window.OpenFile(MakeJigsaw(window, "stripes.ast", 200, 150)));
    std::filesystem::remove(window.FileNames().autosaveFile);
    QPoint from = PointOnPiece(2);
    Drag(from, from + QPoint(30, 20));
    ASSERT_TRUE(window.State().changed);
    shown.clear();

    std::raise(SIGTERM);
    QElapsedTimer waited;
    waited.start();
    while (window.isVisible() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shown, std::vector<std::string> {});
    Result<SavedGame> saved = ReadSavedGame(window.FileNames().autosaveFile, SavedGameReadMode::Start);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value().pieces[2].x, Piece(2).x);
}

// The tests' program folder has English help only, a contents page and "save.htm"; returns its folder.
std::string WriteEnglishHelp(const std::string& languageFolder)
{
    const std::string help = languageFolder + "english/";
    std::filesystem::create_directories(help);
    std::ofstream(help + "cont-pleo3.htm") << "<html><title>Contents</title><body><a href=\"save.htm\">Saving</a></body></html>";
    std::ofstream(help + "save.htm") << "<html><title>Saving</title><body>Saving a game</body></html>";
    return help;
}

TEST_F(MainWindowTest, F1ShowsTheHelpContentsAndHelpButtonsTheirTopics)
{
    const std::string help = WriteEnglishHelp(window.FileNames().languageFolder);

    Tap(Qt::Key_F1);
    auto* viewer = window.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Source().toLocalFile().toStdString(), help + "cont-pleo3.htm");

    WhenShown<OptionsDialog>([](OptionsDialog& dialog) {
        dialog.findChild<QPushButton*>("B_Help")->click();
    });
    window.RunCommand(MI_Options);
    EXPECT_EQ(window.findChildren<HelpViewer*>().size(), 1);
    EXPECT_EQ(viewer->Source().toLocalFile().toStdString(), help + "save.htm");  // the first page is AutoSave
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainWindowTest, TheReportIsWrittenToTheDocumentsFolderAndOpened)
{
    // Opened files are caught by a text browser standing in for the desktop's viewer.
    QTextBrowser opened;
    QDesktopServices::setUrlHandler("file", &opened, "setSource");
    window.RunCommand(MI_HelpReport);
    QDesktopServices::unsetUrlHandler("file");

    const std::string path = window.FileNames().documentsFolder + "kirvo-report.txt";
    EXPECT_EQ(opened.source().toLocalFile().toStdString(), path);
    const std::string text = testing::ReadText(path);
    EXPECT_NE(text.find("Kirvo Jigsaw Pleo III System Report\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n------ Options ------\r\n"), std::string::npos);
    EXPECT_EQ(text.find("------ Jigsaw ------"), std::string::npos);  // no puzzle open
    EXPECT_NE(text.find("\r\nQt = "), std::string::npos);
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainWindowTest, QuickHelpShowsTheMouseAssignmentsOfTheSettings)
{
    window.RunCommand(MI_HelpQuick);
    auto* quick = window.findChild<QuickHelpWindow*>();
    ASSERT_NE(quick, nullptr);
    EXPECT_TRUE(quick->isVisible());
    EXPECT_EQ(quick->findChild<QLabel*>("L_RotateCW")->text(), "To rotate clockwise");
    const std::vector<QImage> before = quick->MousePictures();
    ASSERT_EQ(before.size(), 3u);
    EXPECT_NE(before[0], before[2]);  // Ctrl is written below the rotating mouse only

    // Rotating clockwise moves to the middle button without a key.
    MouseBindings keys;
    keys.RotCW_Button = 2;
    keys.RotCW_Shift = 0;
    quick->Refresh(keys, true);
    const std::vector<QImage> after = quick->MousePictures();
    EXPECT_NE(after[0], before[0]);
    EXPECT_EQ(after[0], MousePicture(2, 0));
    EXPECT_EQ(after[1], before[1]);

    // Keys pressed in it act in the main window: F1 opens the help.
    WriteEnglishHelp(window.FileNames().languageFolder);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier), release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(quick, &press);
    QCoreApplication::sendEvent(quick, &release);
    auto* viewer = window.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());

    // Clearing "Show this box at start" and closing hide it without a word.
    quick->findChild<QCheckBox*>("CB_Show")->setChecked(false);
    quick->findChild<QPushButton*>("B_Close")->click();
    EXPECT_FALSE(quick->isVisible());
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainWindowTest, NoHelpCommandIsPutOff)
{
    QTextBrowser opened;
    QDesktopServices::setUrlHandler("file", &opened, "setSource");
    for (MenuItem item : {MI_HelpCont, MI_HelpQuick, MI_HelpReport})
        window.RunCommand(item);
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace kirvo
