#include "diagnostics/InfoDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "base/TextFormat.h"
#include "diagnostics/DialogText.h"
#include "diagnostics/StyleNames.h"

namespace kirvo {

namespace {

constexpr int kThumbWidth = 256;
constexpr int kThumbHeight = 192;
constexpr int kPanelWidth = 200;

// The translated format with the number filled in.
QString Counted(const Translator& translator, const char* key, const char* english, int number)
{
    return QString::fromStdString(FormatText(DialogText(translator, LangSection::Info, key, english).toStdString(),
                                             {std::to_string(number)}));
}

// The preview fitted into the thumbnail box and centred on the button face.
QPixmap Thumbnail(const QImage& preview, const QColor& face)
{
    QImage canvas(kThumbWidth, kThumbHeight, QImage::Format_RGB32);
    canvas.fill(face);
    if (!preview.isNull()) {
        QImage fitted = preview.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter(&canvas).drawImage((kThumbWidth - fitted.width()) / 2, (kThumbHeight - fitted.height()) / 2, fitted);
    }
    return QPixmap::fromImage(canvas);
}

QLabel* Label(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

InfoDialog::InfoDialog(const PuzzleInfo& info, const Translator& translator, QWidget* parent) : QDialog(parent)
{
    setObjectName("TF_Info");
    setWindowTitle(DialogText(translator, LangSection::Info, "FormCaption", "Image info"));

    auto* thumb = new QLabel(this);
    thumb->setObjectName("I_ShowThumb");
    thumb->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    thumb->setPixmap(Thumbnail(info.thumbnail, palette().color(QPalette::Button)));
    thumb->setFixedSize(kThumbWidth + 2 * thumb->frameWidth(), kThumbHeight + 2 * thumb->frameWidth());

    auto* text = new QPlainTextEdit(QString::fromStdString(info.text), this);
    text->setObjectName("M_Info");
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setFixedWidth(thumb->width());
    text->setMinimumHeight(110);

    auto* panel = new QFrame(this);
    panel->setObjectName("P_Info");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(kPanelWidth);
    QLabel* caption = Label(panel, "L_JigCap", DialogText(translator, LangSection::Info, "L_JigCap", "Jigsaw"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    const bool savedGame = !info.savedGameName.empty();
    QLabel* name = Label(panel, "L_Jig", QString::fromStdString(savedGame ? info.savedGameName : info.jigsawName));
    name->setFont(bold);
    QLabel* jigsaw = Label(panel, "L_Jig1", "(" + QString::fromStdString(info.jigsawName) + ")");
    jigsaw->setVisible(savedGame);
    QLabel* rotation = Label(panel, "L_Rotation", DialogText(translator, LangSection::Info, "L_Rotation", "Rotation"));
    rotation->setEnabled(info.rotate);
    QLabel* borders = Label(panel, "L_Borders", BorderStyleText(translator, info.borderStyle));
    borders->setEnabled(info.borderStyle == 1);

    auto* facts = new QVBoxLayout(panel);
    facts->addWidget(caption);
    facts->addWidget(name);
    facts->addWidget(jigsaw);
    facts->addSpacing(10);
    facts->addWidget(Label(panel, "L_PieceNum", Counted(translator, "L_PieceNum", "Pieces: %d", info.pieces)));
    facts->addWidget(Label(panel, "l_UnsolvedNum", Counted(translator, "l_UnsolvedNum", "Unsolved pieces: %d", info.unsolved)));
    facts->addWidget(Label(panel, "L_SolvedPercent", Counted(translator, "L_SolvedPercent", "Solved: %d%%", info.percent)));
    const auto timed = [&translator](const char* key, const char* english, const std::string& time) {
        return QString::fromStdString(FormatText(DialogText(translator, LangSection::Info, key, english).toStdString(), {time}));
    };
    facts->addWidget(Label(panel, "L_PlayTime", timed("L_PlayTime", "Time played: %s", info.playTime)));
    if (!info.bestTime.empty())
        facts->addWidget(Label(panel, "L_BestTime", timed("L_BestTime", "Best time: %s", info.bestTime)));
    facts->addSpacing(10);
    facts->addWidget(Label(panel, "L_Shapes", ShapeStyleText(translator, info.shapeStyle)));
    facts->addWidget(borders);
    facts->addWidget(rotation);
    facts->addStretch();

    auto* ok = new QPushButton(DialogText(translator, LangSection::All, "B_Ok", "OK"), this);
    ok->setObjectName("B_Ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* picture = new QVBoxLayout;
    picture->addWidget(thumb);
    picture->addWidget(text);
    auto* side = new QVBoxLayout;
    side->addWidget(panel, 1);
    side->addWidget(ok, 0, Qt::AlignRight);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(picture);
    columns->addLayout(side);
    columns->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

}  // namespace kirvo
