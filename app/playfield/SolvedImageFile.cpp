#include "playfield/SolvedImageFile.h"

#include <QDate>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "base/DurableFile.h"
#include "base/WordWrap.h"
#include "playfield/SolvedPicture.h"
#include "raster/PixelImage.h"

namespace kirvo {

namespace {

constexpr int kTextLeft = 10;
constexpr int kTextTop = 4;     // from the top of a band
constexpr int kDateRight = 10;  // pixels from the right edge of the picture to the end of the date
constexpr int kDateGap = 20;    // at least this between the last word and the date on its line
constexpr int kPointSize = 10;
constexpr int kJpegQuality = 92;

QString PictureName(const std::string& infoText, const std::string& unknownImage)
{
    QString name;
    for (const QString& line : QString::fromStdString(infoText).split('\n'))
        if (QString trimmed = line.trimmed(); !trimmed.isEmpty())
            name += trimmed + "   ";
    return name.isEmpty() ? QString::fromStdString(unknownImage) : name;
}

struct Word {
    QString text;
    bool bold = false;
    QColor colour = Qt::black;
    WordWidth measure;  // in its own weight
};

// A caption band: its words, where its lines start, and the date at the right of its last line.
struct Band {
    std::vector<Word> words;
    QString blanks;  // after the last word, before the next one added
    std::vector<size_t> lineStarts;
    QString date;
    int lines = 1;
};

class CaptionFonts {
public:
    CaptionFonts()
    {
        plain_ = QGuiApplication::font();
        plain_.setPointSize(kPointSize);
        plain_.setBold(false);
        bold_ = plain_;
        bold_.setBold(true);
    }

    const QFont& Font(bool bold) const { return bold ? bold_ : plain_; }
    int Width(const QString& text, bool bold = false) const
    {
        return QFontMetrics(Font(bold)).horizontalAdvance(text);
    }
    int LineSpacing() const { return QFontMetrics(plain_).lineSpacing(); }

    // Adds the words of the text to the band, each with the blanks before it as its gap; blanks
    // at the end of the text come before the next word added.
    void AddWords(Band& band, const QString& text, bool bold = false, QColor colour = Qt::black) const
    {
        QString word;
        const auto endWord = [&] {
            if (word.isEmpty())
                return;
            band.words.push_back({word, bold, colour, {Width(band.blanks), Width(word, bold)}});
            band.blanks.clear();
            word.clear();
        };
        for (const QChar c : text) {
            if (c == ' ') {
                endWord();
                band.blanks += c;
            } else {
                word += c;
            }
        }
        endWord();
    }

private:
    QFont plain_;
    QFont bold_;
};

// Breaks the band's words into lines that keep kTextLeft from both sides of the image; the date
// takes a line of its own when it does not fit at the right of the last.
void WrapBand(Band& band, int imageWidth, const CaptionFonts& fonts)
{
    std::vector<WordWidth> widths;
    for (const Word& word : band.words)
        widths.push_back(word.measure);
    band.lineStarts = LineStarts(widths, imageWidth - 2 * kTextLeft);
    band.lines = std::max(int(band.lineStarts.size()), 1);
    if (band.date.isEmpty() || band.words.empty())
        return;
    int right = kTextLeft;
    for (size_t i = band.lineStarts.back(); i < band.words.size(); ++i)
        right += (i == band.lineStarts.back() ? 0 : band.words[i].measure.gap) + band.words[i].measure.width;
    if (right + kDateGap > imageWidth - kDateRight - fonts.Width(band.date))
        ++band.lines;
}

int BandHeight(const Band& band, const CaptionFonts& fonts)
{
    return kSolvedBandHeight + (band.lines - 1) * fonts.LineSpacing();
}

void WriteBand(QPainter& painter, const Band& band, const TBox& box, int imageWidth, const CaptionFonts& fonts)
{
    painter.setClipRect(box.left, box.top, box.width, box.height);
    const auto lineTop = [&](int line) { return box.top + kTextTop + line * fonts.LineSpacing(); };
    for (size_t line = 0; line < band.lineStarts.size(); ++line) {
        const size_t end = line + 1 < band.lineStarts.size() ? band.lineStarts[line + 1] : band.words.size();
        int x = kTextLeft;
        for (size_t i = band.lineStarts[line]; i < end; ++i) {
            const Word& word = band.words[i];
            x += i == band.lineStarts[line] ? 0 : word.measure.gap;
            painter.setFont(fonts.Font(word.bold));
            painter.setPen(word.colour);
            painter.drawText(x, lineTop(int(line)) + painter.fontMetrics().ascent(), word.text);
            x += word.measure.width;
        }
    }
    if (band.date.isEmpty())
        return;
    painter.setFont(fonts.Font(false));
    painter.setPen(Qt::black);
    const int dateLeft = imageWidth - kDateRight - fonts.Width(band.date);
    painter.drawText(dateLeft, lineTop(band.lines - 1) + painter.fontMetrics().ascent(), band.date);
}

std::array<Band, 2> CaptionBands(const GameState& state, const std::string& infoText, const SolvedCaptionTexts& texts,
                                 const CaptionFonts& fonts)
{
    const Descriptor& d = state.descriptor;
    std::array<Band, 2> bands;
    fonts.AddWords(bands[0], PictureName(infoText, texts.unknownImage));

    const QString made = QString::fromStdString(texts.assembledFrom);
    const qsizetype count = made.indexOf("%d");
    fonts.AddWords(bands[1], made.left(count < 0 ? made.size() : count));
    if (count >= 0) {
        fonts.AddWords(bands[1], QString::number(d.TotalTileNum), true);
        fonts.AddWords(bands[1], made.mid(count + 2));
    }
    if (d.BorderStyle != 0)
        fonts.AddWords(bands[1], "  " + QString::fromStdString(texts.withBorder), false, QColor(0, 128, 128));
    if (d.Rotate != 0)
        fonts.AddWords(bands[1], "  " + QString::fromStdString(texts.withRotation), false, QColor(0, 0, 255));
    bands[1].date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);

    for (Band& band : bands)
        WrapBand(band, d.ImageW + 2, fonts);  // the picture and its margins
    return bands;
}

std::vector<uint8_t> Encode(const std::string& path, const TPixelBuffer& image)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "png")
        return PixEncodePng(image);
    if (suffix == "jpg" || suffix == "jpeg")
        return PixEncodeJpeg(image, kJpegQuality);
    return PixEncodeBmp(image);
}

}  // namespace

Result<> SaveSolvedImage(const std::string& path, const GameState& state, const std::string& infoText,
                         const SolvedCaptionTexts& texts)
{
    const CaptionFonts fonts;
    const std::array<Band, 2> bands = CaptionBands(state, infoText, texts, fonts);
    const std::array<int, 2> heights = {BandHeight(bands[0], fonts), BandHeight(bands[1], fonts)};
    TPixelBuffer image = DrawSolvedPicture(state, heights);
    {
        QImage view = PixImage(image);
        QPainter painter(&view);
        painter.setRenderHint(QPainter::TextAntialiasing);
        for (int k = 0; k < 2; ++k)
            WriteBand(painter, bands[size_t(k)], SolvedCaptionBand(state.descriptor, heights, k), image.width, fonts);
    }
    return WriteFileDurably(path, Encode(path, image));
}

}  // namespace kirvo
