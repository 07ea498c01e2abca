#include "diagnostics/FinishDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <functional>

namespace kirvo {
namespace {

class FinishDialogTest : public ::testing::Test {
protected:
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    Translator translator;
};

void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

TEST_F(FinishDialogTest, SaveAndEnterAcceptWhileCancelAndEscapeReject)
{
    struct Case {
        const char* what;
        std::function<void(FinishDialog&)> act;
        int result;
    };
    const Case cases[] = {
        {"Save", [](FinishDialog& d) { d.findChild<QPushButton*>("B_Save")->click(); }, QDialog::Accepted},
        {"Cancel", [](FinishDialog& d) { d.findChild<QPushButton*>("B_Cancel")->click(); }, QDialog::Rejected},
        {"Enter", [](FinishDialog& d) { Press(d.focusWidget(), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [](FinishDialog& d) { Press(d.focusWidget(), Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FinishDialog dialog(translator);
        dialog.setResult(-1);
        dialog.show();
        ASSERT_NE(dialog.focusWidget(), nullptr);
        c.act(dialog);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// The line of the time goes between the congratulations and the question, and nothing overlaps.
TEST_F(FinishDialogTest, TheTimeLineMakesRoomForItself)
{
    FinishDialog dialog(translator);
    dialog.ShowTime("Your time: 12:34 - a new best time!");
    dialog.show();
    const char* order[] = {"L_Congratulations", "L_Solved", "L_Time", "L_AskForSave", "B_Save"};
    for (size_t i = 1; i < std::size(order); ++i) {
        const QWidget* above = dialog.findChild<QWidget*>(order[i - 1]);
        const QWidget* below = dialog.findChild<QWidget*>(order[i]);
        ASSERT_TRUE(above && below) << order[i];
        EXPECT_LE(above->geometry().bottom(), below->geometry().top()) << order[i];
    }
    EXPECT_LE(dialog.findChild<QWidget*>("B_Save")->geometry().bottom(), dialog.height());
    EXPECT_EQ(dialog.findChild<QLabel*>("L_Time")->text(), "Your time: 12:34 - a new best time!");
}

}  // namespace
}  // namespace kirvo
