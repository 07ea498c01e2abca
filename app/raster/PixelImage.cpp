#include "raster/PixelImage.h"

#include <QBitmap>
#include <QFile>

namespace kirvo {

QColor PixQColor(uint32_t colour)
{
    const Rgb rgb = SplitColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

uint32_t PixColour(const QColor& colour) { return MakeColour(colour.red(), colour.green(), colour.blue()); }

QImage PixImage(const TPixelBuffer& buffer)
{
    if (buffer.width == 0)
        return {};
    QImage::Format format = buffer.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_BGR888;
    return QImage(buffer.bits, buffer.width, buffer.height, buffer.stride, format);
}

QPixmap PixKeyedPixmap(const TPixelBuffer& buffer, uint32_t keyColour)
{
    if (buffer.width == 0)
        return {};
    QPixmap pixmap = QPixmap::fromImage(PixImage(buffer).copy());
    pixmap.setMask(pixmap.createMaskFromColor(PixQColor(keyColour), Qt::MaskInColor));
    return pixmap;
}

Result<> PixLoadPngResource(TPixelBuffer& buffer, const QString& name)
{
    QFile file(":/png/" + name + ".png");
    if (!file.open(QIODevice::ReadOnly))
        return Fail("Missing PNG resource: " + name.toStdString());
    QByteArray bytes = file.readAll();
    return PixLoadPng(buffer, std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
}

}  // namespace kirvo
