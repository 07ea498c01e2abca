#include "shell/QtLanguage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "shell/MessageBoxPresenter.h"

namespace kirvo {
namespace {

const std::string kLanguages = KIRVO_LANGUAGES;

class QtLanguageTest : public ::testing::Test {
protected:
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    Translator translator;
    QtLanguage qtLanguage;
};

// Qt's own dialogs speak the game's language, and go back to English with it.
TEST_F(QtLanguageTest, QtsOwnTextsFollowTheGamesLanguage)
{
    ASSERT_TRUE(translator.Apply(kLanguages + "/german.lng"));
    qtLanguage.Follow(translator);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    ASSERT_TRUE(translator.Apply(kLanguages + "/english.lng"));
    qtLanguage.Follow(translator);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(QtLanguageTest, MessageBoxButtonsAreCaptionedFromTheLanguageFile)
{
    ASSERT_TRUE(translator.Apply(kLanguages + "/german.lng"));
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        box->button(QMessageBox::No)->click();
    });
    const MessageAnswer answer =
        PresentMessageBox({"Speichern?", MessageButtons::YesNoCancel, MessageIcon::Question}, translator);
    EXPECT_EQ(answer, MessageAnswer::No);
    captions.sort();
    EXPECT_EQ(captions, (QStringList {"Abbrechen", "Ja", "Nein"}));
}

}  // namespace
}  // namespace kirvo
