#include "raster/PixelImage.h"

#include <QBitmap>
#include <QFile>

namespace kirvo {

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
    const QColor key(int(keyColour & 0xFF), int(keyColour >> 8 & 0xFF), int(keyColour >> 16 & 0xFF));
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
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
