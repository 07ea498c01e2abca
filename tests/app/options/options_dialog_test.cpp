#include "options/OptionsDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

#include "raster/PixelImage.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

constexpr int kRightCtrl = 5;

class OptionsDialogTest : public ::testing::Test {
protected:
    // Shows the dialog on the choices, does what the player does, and cancels unless that closed it.
    std::optional<OptionsChoices> Edit(std::function<void()> act, const OptionsChoices& start = FillOptions(Settings()))
    {
        QTimer::singleShot(0, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.Edit(start, "english");
    }

    template <typename T>
    T* Part(const char* name)
    {
        T* part = dialog.findChild<T*>(name);
        EXPECT_NE(part, nullptr) << name;
        return part;
    }

    QComboBox* List(const char* name) { return Part<QComboBox>(name); }
    void Ok() { Part<QPushButton>("B_Ok")->click(); }

    // Pixels of the preview that are (or with `other`, are not) of the colour.
    int PreviewPixels(uint32_t colour, bool other = false)
    {
        const TPixelBuffer& preview = dialog.Preview();
        int count = 0;
        for (int y = 0; y < preview.height; ++y)
            for (int x = 0; x < preview.width; ++x)
                count += (PixGetPixel(preview, x, y) == colour) != other;
        return count;
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    Translator translator;
    std::vector<std::string> told;
    struct Picking {
        QString caption;
        uint32_t current = 0;
        std::vector<uint32_t> presets;
    };
    std::vector<Picking> pickings;
    // The picker tries a colour, then gives `picked`.
    std::optional<uint32_t> picked;
    uint32_t tried = 0x0000FF;
    uint32_t swatchWhileTrying = 0;
    int previewPixelsWhileTrying = 0;  // of the colour tried: the band of the wooden edge
    OptionsDialog dialog {translator,
                          [this](const MessageRequest& request) {
                              told.push_back(request.text);
                              return MessageAnswer::Ok;
                          },
                          KIRVO_PROGRAM_FOLDER "/",
                          KIRVO_LANGUAGES "/",
                          [this](const QString& caption, uint32_t current, std::vector<uint32_t> presets,
                                 std::function<void(uint32_t)> preview) {
                              pickings.push_back({caption, current, presets});
                              preview(tried);
                              swatchWhileTrying = PixColour(
                                  Part<QWidget>("S_ViewWoodColor")->palette().color(QPalette::Window));
                              previewPixelsWhileTrying = PreviewPixels(tried);
                              return picked;
                          },
                          nullptr};
};

// Choosing a schema sets the three lists and both boxes; setting them by hand to a schema shows
// it; single window takes the move-to-other-window list out of play.
TEST_F(OptionsDialogTest, SchemasSetTheListsAndAreRecognisedFromThem)
{
    std::optional<OptionsChoices> chosen = Edit([this] {
        QComboBox* schema = List("CB_PlayModes");
        EXPECT_EQ(schema->currentIndex(), int(PlaySchema::Standard));
        EXPECT_TRUE(List("CB_PlayMoveOW")->isEnabled());

        schema->setCurrentIndex(int(PlaySchema::Simple));
        EXPECT_EQ(List("CB_PlayRotCW")->currentText(), "Right");
        EXPECT_EQ(List("CB_PlayRotCCW")->currentText(), "Right + Ctrl");
        EXPECT_EQ(List("CB_PlayMoveOW")->currentText(), "Left + Ctrl");
        EXPECT_TRUE(Part<QCheckBox>("CB_PlaySingleWin")->isChecked());
        EXPECT_TRUE(Part<QCheckBox>("CB_PlayClickToDrag")->isChecked());
        EXPECT_FALSE(List("CB_PlayMoveOW")->isEnabled());

        schema->setCurrentIndex(int(PlaySchema::Standard));
        EXPECT_TRUE(List("CB_PlayMoveOW")->isEnabled());
        List("CB_PlayRotCW")->setCurrentIndex(3);
        EXPECT_EQ(schema->currentIndex(), int(PlaySchema::Other));
        List("CB_PlayRotCCW")->setCurrentIndex(kRightCtrl);
        List("CB_PlayMoveOW")->setCurrentIndex(1);
        Part<QCheckBox>("CB_PlaySingleWin")->click();
        EXPECT_EQ(schema->currentIndex(), int(PlaySchema::Other)) << "click to drag is still off";
        Part<QCheckBox>("CB_PlayClickToDrag")->click();
        EXPECT_EQ(schema->currentIndex(), int(PlaySchema::Simple));
        Ok();
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(RecogniseSchema(*chosen), PlaySchema::Simple);
}

TEST_F(OptionsDialogTest, ClashingAssignmentsKeepTheDialogOpenOnThePlayPage)
{
    std::optional<OptionsChoices> chosen = Edit([this] {
        dialog.Pages()->setCurrentIndex(0);
        List("CB_PlayRotCCW")->setCurrentIndex(kRightCtrl);  // as rotate clockwise
        Ok();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Pages()->currentWidget()->objectName(), "TS_Play");
        List("CB_PlayRotCCW")->setCurrentIndex(1);
        Ok();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(told, std::vector<std::string> {"Each of the three play actions needs its own mouse button and key."});
    EXPECT_TRUE(chosen);
}

// Cancel gives nothing back, but the sound box has already been heard.
TEST_F(OptionsDialogTest, CancelKeepsOnlyTheSoundAndConjunctionBoxes)
{
    std::vector<bool> sound, join;
    QObject::connect(&dialog, &OptionsDialog::SoundChanged, [&sound](bool on) { sound.push_back(on); });
    QObject::connect(&dialog, &OptionsDialog::ShowJoinChanged, [&join](bool on) { join.push_back(on); });
    OptionsChoices start = FillOptions(Settings());
    start.stuckKoef = 14;
    const OptionsChoices before = start;
    std::optional<OptionsChoices> chosen = Edit(
        [this] {
            Part<QCheckBox>("CB_SoundPlay")->click();
            Part<QCheckBox>("CB_VisualShowJoin")->click();
            Part<QAbstractButton>("RB_VisualEmboss0")->click();
            Part<QCheckBox>("CB_AutoSave")->click();
            Part<QPushButton>("B_Cancel")->click();
        },
        start);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(start, before);
    EXPECT_EQ(sound, std::vector<bool> {false});
    EXPECT_EQ(join, std::vector<bool> {false});

    // The next showing starts again from what it is given.
    chosen = Edit([this] { Ok(); }, start);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, start);
}

// The language list shows every installed language with its flag; the one chosen goes back on OK.
TEST_F(OptionsDialogTest, TheLanguageChosenComesBackOnOk)
{
    std::optional<OptionsChoices> chosen = Edit([this] {
        auto* list = Part<QListWidget>("LV_LangList");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentItem()->text(), "English");
        EXPECT_EQ(list->item(1)->text(), "Deutsch");
        EXPECT_FALSE(list->item(1)->icon().isNull());
        list->setCurrentRow(1);
        EXPECT_EQ(Part<QLabel>("L_LangName")->text(), "Deutsch");
        EXPECT_TRUE(Part<QLabel>("L_LangNoHelp")->isHidden()) << "the shipped languages bring their help";
        Ok();
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->language, "german");
    EXPECT_TRUE(told.empty());
}

// A press on the swatch opens the picker with the presets; what is tried shows at once, and Cancel
// puts the old colour back. The preview is drawn from the browser's pictures, grey without them.
TEST_F(OptionsDialogTest, TheWoodSwatchOpensThePickerAndCancelKeepsTheOldColour)
{
    std::optional<OptionsChoices> chosen = Edit([this] {
        dialog.Pages()->setCurrentIndex(3);
        QWidget* swatch = Part<QWidget>("S_ViewWoodColor");
        EXPECT_FALSE(swatch->isVisibleTo(&dialog)) << "only with Wood";
        EXPECT_GT(PreviewPixels(0x989898, true), 0) << "the sample piece is drawn";
        Part<QAbstractButton>("RB_VisualWood1")->click();
        ASSERT_TRUE(swatch->isVisibleTo(&dialog));

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), swatch->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(swatch, &press);
        ASSERT_EQ(pickings.size(), 1u);
        EXPECT_EQ(pickings[0].caption, "Wood Colour");
        EXPECT_EQ(pickings[0].current, 0x49687Au);
        EXPECT_EQ(pickings[0].presets, (std::vector<uint32_t> {0x49687A, 0x92ADBE}));
        EXPECT_EQ(swatchWhileTrying, tried);
        EXPECT_GT(previewPixelsWhileTrying, 100);
        EXPECT_EQ(PreviewPixels(tried), 0);
        EXPECT_EQ(PixColour(swatch->palette().color(QPalette::Window)), 0x49687Au);

        picked = 0x92ADBE;
        QCoreApplication::sendEvent(swatch, &press);
        EXPECT_EQ(PixColour(swatch->palette().color(QPalette::Window)), 0x92ADBEu);
        Ok();
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->woodColor, 0x92ADBEu);
    EXPECT_EQ(chosen->woodStyle, 1);

    testing::TempFolder noArt;
    OptionsDialog plain(translator, {}, noArt.Path(), KIRVO_LANGUAGES "/", {}, nullptr);
    EXPECT_EQ(plain.Preview().width, 164);
    for (int y = 0; y < plain.Preview().height; ++y)
        for (int x = 0; x < plain.Preview().width; ++x)
            ASSERT_EQ(PixGetPixel(plain.Preview(), x, y), 0x989898) << "without the pictures the preview is plain grey";
}

// Ctrl + Shift on the dialog's background shows the test panel below the pages; its trimmed texts
// go back on OK.
TEST_F(OptionsDialogTest, TheHiddenTestPanelGrowsTheDialog)
{
    std::optional<OptionsChoices> chosen = Edit([this] {
        auto* thumbs = Part<QLineEdit>("E_TestThumbPath");
        EXPECT_FALSE(thumbs->isVisibleTo(&dialog));
        const int height = dialog.height();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), dialog.mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::sendEvent(&dialog, &press);
        ASSERT_TRUE(thumbs->isVisibleTo(&dialog));
        EXPECT_GT(dialog.height(), height);
        EXPECT_EQ(Part<QLineEdit>("E_TestSiteJigsawsDir")->text(), "kirvo/jigsaws_pleo3/");
        thumbs->setText("  /tmp/thumbs/ ");
        Ok();
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->thumbnailsPath, "/tmp/thumbs/");
    EXPECT_EQ(chosen->siteJigsawsFolder, "kirvo/jigsaws_pleo3/");
}

// Each page has its help topic.
TEST_F(OptionsDialogTest, HelpNamesThePageTopic)
{
    std::vector<QString> topics;
    QObject::connect(&dialog, &OptionsDialog::HelpRequested, [&topics](const QString& topic) { topics.push_back(topic); });
    Edit([this] {
        for (int page = 0; page < dialog.Pages()->count(); ++page) {
            dialog.Pages()->setCurrentIndex(page);
            Part<QPushButton>("B_Help")->click();
        }
    });
    EXPECT_EQ(topics, (std::vector<QString> {"save.htm", "sound.htm", "play-mode.htm", "effects.htm", "language.htm",
                                             "options.htm"}));
}

}  // namespace
}  // namespace kirvo
