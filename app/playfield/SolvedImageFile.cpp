#include "playfield/SolvedImageFile.h"

#include <QDate>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <vector>

#include "base/DurableFile.h"
#include "playfield/SolvedPicture.h"
#include "raster/PixelImage.h"

namespace kirvo {

namespace {

constexpr int kTextLeft = 10;
constexpr int kTextTop = 4;     // from the top of a band
constexpr int kDateRight = 10;  // pixels from the right edge of the picture to the end of the date
constexpr int kPointSize = 10;

QString PictureName(const std::string& infoText)
{
    QString name;
    for (const QString& line : QString::fromStdString(infoText).split('\n'))
        if (QString trimmed = line.trimmed(); !trimmed.isEmpty())
            name += trimmed + "   ";
    return name.isEmpty() ? QStringLiteral("Unknown image") : name;
}

struct Run {
    QString text;
    bool bold = false;
    QColor colour = Qt::black;
};

// Writes the runs one after another from x on, each in its own weight and colour; top is the top
// of the text.
void WriteRuns(QPainter& painter, QFont font, int x, int top, const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        font.setBold(run.bold);
        painter.setFont(font);
        painter.setPen(run.colour);
        painter.drawText(x, top + painter.fontMetrics().ascent(), run.text);
        x += painter.fontMetrics().horizontalAdvance(run.text);
    }
}

void WriteCaption(TPixelBuffer& image, const GameState& state, const std::string& infoText)
{
    const Descriptor& d = state.descriptor;
    QImage view = PixImage(image);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = QGuiApplication::font();
    font.setPointSize(kPointSize);
    font.setBold(false);

    const TBox first = SolvedCaptionBand(d, 0);
    painter.setClipRect(first.left, first.top, first.width, first.height);
    WriteRuns(painter, font, kTextLeft, first.top + kTextTop, {{PictureName(infoText)}});

    const TBox second = SolvedCaptionBand(d, 1);
    painter.setClipRect(second.left, second.top, second.width, second.height);
    std::vector<Run> made = {{"Assembled from  "}, {QString::number(d.TotalTileNum), true}, {"  pieces"}};
    if (d.BorderStyle != 0)
        made.push_back({"  with border", false, QColor(0, 128, 128)});
    if (d.Rotate != 0)
        made.push_back({"  with rotation", false, QColor(0, 0, 255)});
    WriteRuns(painter, font, kTextLeft, second.top + kTextTop, made);

    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    painter.setFont(font);
    const int dateLeft = image.width - kDateRight - painter.fontMetrics().horizontalAdvance(date);
    WriteRuns(painter, font, dateLeft, second.top + kTextTop, {{date}});
}

}  // namespace

Result<> SaveSolvedImage(const std::string& path, const GameState& state, const std::string& infoText)
{
    TPixelBuffer image = DrawSolvedPicture(state);
    WriteCaption(image, state, infoText);
    return WriteFileDurably(path, PixEncodeBmp(image));
}

}  // namespace kirvo
