#include "browser/JigsawBrowserDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "base/Folders.h"
#include "browser/ThumbnailGrid.h"
#include "session/ListThumbnail.h"
#include "support/BrowserFolders.h"

namespace kirvo {
namespace {

bool SamePixels(const TPixelBuffer& a, const TPixelBuffer& b)
{
    return a.size == b.size && std::equal(a.bits, a.bits + a.size, b.bits);
}

// The dialog over the browser of a session whose folders hold what each test writes there.
class JigsawBrowserDialogTest : public testing::BrowserFolders {
protected:
    // Shows the dialog in open mode, does what the player does, and closes it unless that did.
    std::optional<std::string> Choose(std::function<void()> act, const std::string& preselected = "")
    {
        QTimer::singleShot(0, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.Choose(BrowserMode::Open, preselected, {1000, 700});
    }

    void Press(QWidget* widget, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    JigsawBrowserDialog dialog {Browser(), translator, sink, temp.Path() + "program/", temp.Path() + "thumb/", nullptr};
};

// Thumbnails fill in behind the list; a file that cannot be read keeps the placeholder and does
// not hold up the others.
TEST_F(JigsawBrowserDialogTest, ACorruptJigsawKeepsThePlaceholderAndTheOthersGetTheirs)
{
    MakeJigsaw("alpine");
    temp.Write("Jigsaws/broken.ast", "not a jigsaw");
    MakeJigsaw("cliffs");
    CopySavedGame("evening");
    Choose([this] {
        EXPECT_EQ(dialog.Grid(BrowserPage::Jigsaws)->count(), 3);
        dialog.WaitForThumbnails();
    });
    const ThumbnailCache& cache = Browser().Thumbnails();
    for (const char* made : {"alpine.ast", "cliffs.ast", "evening.sv1"})
        EXPECT_TRUE(cache.Has(made)) << made;
    EXPECT_FALSE(cache.Has("broken.ast"));
    EXPECT_TRUE(SamePixels(cache.ImageFor("broken.ast"), PlaceholderThumbnail()));
    // Closed, the dialog holds no window (nor the image it is painted from) until shown again.
    EXPECT_EQ(dialog.windowHandle(), nullptr);

    // A second showing finds them in the cache: nothing is read again.
    std::filesystem::remove(Names().personalJigsawsFolder + "alpine.ast");
    MakeJigsaw("alpine", 40, 30);
    TPixelBuffer before;
    PixFromBitmap(before, cache.ImageFor("alpine.ast"));
    Choose([this] { dialog.WaitForThumbnails(); });
    EXPECT_TRUE(SamePixels(cache.ImageFor("alpine.ast"), before));
}

// On a screen narrower than the dialog is laid out for (the offscreen screen is 800 x 800, as a small
// laptop at a large scale), the dialog, its buttons and its pages stay on the screen; the settings
// page scrolls.
TEST_F(JigsawBrowserDialogTest, TheDialogStaysOnASmallScreen)
{
    MakeJigsaw("alpine");
    Choose([this] {
        const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
        ASSERT_LT(workArea.width(), 1000);
        EXPECT_TRUE(workArea.contains(dialog.geometry())) << dialog.geometry().width() << "x" << dialog.geometry().height();
        const QWidget* ok = dialog.OkButton();
        EXPECT_TRUE(workArea.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    });
}

TEST_F(JigsawBrowserDialogTest, CtrlClickOnTheButtonBarShowsTheSeedBoxWhichGoesToTheNextGame)
{
    const std::string jigsaw = MakeJigsaw("alpine");
    std::optional<std::string> chosen = Choose([this] {
        QWidget* bar = dialog.findChild<QWidget*>("P_ButBar");
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(dialog.SeedBox()->isVisibleTo(&dialog));
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, bar->height() - 5), bar->mapToGlobal(QPointF(5, bar->height() - 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
        QCoreApplication::sendEvent(bar, &click);
        ASSERT_TRUE(dialog.SeedBox()->isVisibleTo(&dialog));
        dialog.SeedBox()->setText(" 77 ");
        emit dialog.SeedBox()->textEdited(" 77 ");
        dialog.OkButton()->click();  // Next
        dialog.OkButton()->click();  // Open
    });
    EXPECT_EQ(chosen, jigsaw);
    EXPECT_EQ(Browser().SeedForNewGame(), "77");
    ASSERT_TRUE(session->Open(*chosen, {1000, 700}));
    EXPECT_EQ(session->State().descriptor.GameSeed, 77);
}

// A jigsaw chosen before the browser opens (a file the game was started with, a recent file) is
// selected in the list. Before any game, Enter goes on to its pieces page; with a game in play the
// browser opens on that page. Enter there starts the jigsaw rather than picking one of the choices.
TEST_F(JigsawBrowserDialogTest, EnterOpensAPreselectedJigsawWithItsChoices)
{
    MakeJigsaw("alpine");
    const std::string jigsaw = MakeJigsaw("cliffs");
    for (const int presses : {2, 1}) {
        if (presses == 1)
            ASSERT_TRUE(session->Open(jigsaw, {1000, 700}));
        PageChoices before;
        std::optional<std::string> chosen = Choose(
            [this, &before, presses] {
                before = Browser().Choices();
                for (int press = 0; press < presses; ++press) {
                    QWidget* focused = dialog.focusWidget();
                    ASSERT_NE(focused, nullptr);
                    Press(focused, Qt::Key_Return);
                }
            },
            jigsaw);
        EXPECT_EQ(chosen, jigsaw) << presses;
        EXPECT_EQ(Browser().Choices().shape, before.shape) << presses;
    }
}

// Extra Jigsaws runs the download dialog and lists at once what it brought.
TEST_F(JigsawBrowserDialogTest, DeleteKeyAsksAndExtraJigsawsListsWhatArrived)
{
    MakeJigsaw("alpine");
    MakeJigsaw("shipped");
    QObject::connect(&dialog, &JigsawBrowserDialog::DownloadRequested, [this] { MakeJigsaw("arrived"); });
    Choose([this] {
        ThumbnailGrid* jigsaws = dialog.Grid(BrowserPage::Jigsaws);
        jigsaws->setCurrentRow(1);
        Press(jigsaws, Qt::Key_Delete);  // a jigsaw that came with the game
        EXPECT_EQ(jigsaws->count(), 2);
        jigsaws->setCurrentRow(0);
        Press(jigsaws, Qt::Key_Delete);
        EXPECT_EQ(jigsaws->count(), 1);
        EXPECT_EQ(jigsaws->currentRow(), 0);
        dialog.findChild<QPushButton*>("B_Extra")->click();
        ASSERT_EQ(jigsaws->count(), 2);
        EXPECT_EQ(jigsaws->item(0)->text(), "arrived");
        dialog.WaitForThumbnails();
    });
    EXPECT_EQ(told, (std::vector<std::string> {"The file shipped cannot be deleted.", "Do you really want to delete alpine?"}));
    EXPECT_FALSE(FileExists(Names().personalJigsawsFolder + "alpine.ast"));
    EXPECT_TRUE(Browser().Thumbnails().Has("arrived.ast"));
}

}  // namespace
}  // namespace kirvo
