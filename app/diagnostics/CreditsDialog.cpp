#include "diagnostics/CreditsDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "diagnostics/DialogText.h"

namespace kirvo {

namespace {

// The photographers of the sample jigsaws (data/pictures/CREDITS.md), then the libraries.
constexpr const char* kThanked[] = {
    "Aitzol Berasategi",
    "Clemens Engelhardt",
    "\"Bolly\"",
    "Marco Cogoni",
    "Hylke Bons",
    "Trevor \"Freespace\"",
    "Charles Barbin",
    "Lukas Baubkus",
    "The Qt Project",
    "libjpeg-turbo",
    "libpng",
    "zlib",
    "libcurl",
    "libarchive",
    "GoogleTest",
};

}  // namespace

CreditsDialog::CreditsDialog(const Translator& translator, QWidget* parent) : QDialog(parent)
{
    setObjectName("TF_Credits");
    setWindowTitle(DialogText(translator, LangSection::Credits, "FormCaption", "Credits"));

    auto* panel = new QFrame(this);
    panel->setObjectName("P_Credits");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    auto* thanks = new QLabel(DialogText(translator, LangSection::Credits, "L_Thanks", "Special Thanks"), panel);
    thanks->setObjectName("L_Thanks");
    thanks->setAlignment(Qt::AlignCenter);
    QFont large = thanks->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    thanks->setFont(large);

    QString lines;
    for (const char* name : kThanked)
        lines += QString::fromUtf8(name) + "\n\n";
    auto* names = new QTextEdit(panel);
    names->setObjectName("M_Names");
    names->setPlainText(lines.chopped(1));
    names->setReadOnly(true);
    names->setFrameStyle(QFrame::NoFrame);
    QPalette face = names->palette();
    face.setColor(QPalette::Base, palette().color(QPalette::Button));
    names->setPalette(face);
    QTextCursor all = names->textCursor();
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    names->setFixedSize(260, 360);

    auto* inside = new QVBoxLayout(panel);
    inside->addWidget(thanks);
    inside->addWidget(names);

    auto* ok = new QPushButton(DialogText(translator, LangSection::All, "B_Ok", "OK"), this);
    ok->setObjectName("B_Ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

}  // namespace kirvo
