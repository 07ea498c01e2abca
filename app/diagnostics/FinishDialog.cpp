#include "diagnostics/FinishDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "diagnostics/DialogText.h"

namespace kirvo {

namespace {

constexpr int kWidth = 370;
constexpr int kHeight = 225;
constexpr int kLabelWidth = 350;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;
constexpr int kTimeLineHeight = 26;

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text, int top, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry((kWidth - kLabelWidth) / 2, top, kLabelWidth, height);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int left)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, kHeight - kButtonHeight - 18, kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

FinishDialog::FinishDialog(const Translator& translator, QWidget* parent) : QDialog(parent)
{
    setObjectName("TF_Finish");
    setWindowTitle(DialogText(translator, LangSection::Finish, "FormCaption", "Finish the puzzle"));
    setFixedSize(kWidth, kHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName("P_Finish");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kWidth, kHeight);
    panel->setAutoFillBackground(true);
    QPalette sky = panel->palette();
    QLinearGradient gradient(0, 0, 0, kHeight);
    gradient.setColorAt(0, QColor(222, 238, 252));
    gradient.setColorAt(1, QColor(246, 234, 250));
    sky.setBrush(QPalette::Window, gradient);
    sky.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(sky);

    QLabel* congratulations = CentredLabel(
        panel, "L_Congratulations", DialogText(translator, LangSection::Finish, "L_Congratulations", "Congratulations!"), 22, 40);
    QFont large = congratulations->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.8);
    congratulations->setFont(large);
    QPalette festive = congratulations->palette();
    festive.setColor(QPalette::WindowText, QColor(200, 50, 150));
    congratulations->setPalette(festive);

    CentredLabel(panel, "L_Solved", DialogText(translator, LangSection::Finish, "L_Solved", "You've solved the puzzle."), 70, 24);
    QLabel* ask = CentredLabel(panel, "L_AskForSave",
                               DialogText(translator, LangSection::Finish, "L_AskForSave", "Would you like to save it as a picture file?"),
                               100, 50);
    ask->setWordWrap(true);

    const int gap = 16;
    const int left = (kWidth - 2 * kButtonWidth - gap) / 2;
    QPushButton* save = Button(panel, "B_Save", DialogText(translator, LangSection::Finish, "B_Save", "Save"), left);
    QPushButton* cancel = Button(panel, "B_Cancel", DialogText(translator, LangSection::All, "B_Cancel", "Cancel"),
                                 left + kButtonWidth + gap);
    save->setDefault(true);
    save->setFocus();
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FinishDialog::ShowTime(const QString& text)
{
    // Everything below the line moves down to make room for it.
    auto* panel = findChild<QFrame*>("P_Finish");
    for (QWidget* below : {static_cast<QWidget*>(findChild<QLabel*>("L_AskForSave")),
                           static_cast<QWidget*>(findChild<QPushButton*>("B_Save")),
                           static_cast<QWidget*>(findChild<QPushButton*>("B_Cancel"))})
        below->move(below->x(), below->y() + kTimeLineHeight);
    setFixedSize(kWidth, kHeight + kTimeLineHeight);
    panel->resize(kWidth, kHeight + kTimeLineHeight);
    QLabel* time = CentredLabel(panel, "L_Time", text, 96, kTimeLineHeight);
    time->setWordWrap(true);
    time->show();
}

}  // namespace kirvo
