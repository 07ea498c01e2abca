#include "playfield/CaptionPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "raster/PixelImage.h"

namespace kirvo {

void CaptionPainter::DrawCaptionText(TPixelBuffer& image, std::string_view text)
{
    QImage view = PixImage(image);
    if (view.isNull())
        return;
    QFont font(QStringLiteral("Tahoma"), 8, QFont::Bold);
    font.setPointSizeF(font.pointSizeF() * pixelsPerPoint_);
    const int lineHeight = QFontMetrics(font, &view).height();
    if (lineHeight > view.height())
        font.setPointSizeF(font.pointSizeF() * view.height() / lineHeight);
    const QString line = QFontMetrics(font, &view).elidedText(
        QString::fromUtf8(text.data(), qsizetype(text.size())), Qt::ElideRight, view.width());

    // Opaque black underneath, so anti-aliased edges come out as grey levels equal to their
    // coverage, whatever alpha the view's format carries.
    QPainter painter(&view);
    painter.fillRect(view.rect(), Qt::black);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(view.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
}

}  // namespace kirvo
