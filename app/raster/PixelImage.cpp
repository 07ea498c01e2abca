#include "raster/PixelImage.h"

#include <QFile>

namespace kirvo {

QImage PixImage(const TPixelBuffer& buffer)
{
    if (buffer.width == 0)
        return {};
    QImage::Format format = buffer.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_BGR888;
    return QImage(buffer.bits, buffer.width, buffer.height, buffer.stride, format);
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
