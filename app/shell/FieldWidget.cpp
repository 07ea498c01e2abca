#include "shell/FieldWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "raster/PixelImage.h"

namespace kirvo {

FieldWidget::FieldWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("I_Field");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintFieldPart(QPainter& painter, const TPixelBuffer& image, const QRect& part)
{
    const FieldScale scale(painter.device()->devicePixelRatio());
    const QRect inside = scale.PixelsCovering(part).intersected(QRect(0, 0, image.width, image.height));
    if (inside.isEmpty())
        return;
    // A view of the part alone: the whole image is never converted for a small change.
    QImage view(PixAddress(image, inside.left(), inside.top()), inside.width(), inside.height(), image.stride,
                QImage::Format_BGR888);
    view.setDevicePixelRatio(scale.Ratio());
    painter.drawImage(scale.PointOf(inside.topLeft()), view);
}

void FieldWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (image_ && image_->width > 0)
        PaintFieldPart(painter, *image_, event->rect());
    else
        painter.fillRect(event->rect(), QColor(0x98, 0x98, 0x98));
}

void FieldWidget::mousePressEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Press, event->button(), event->modifiers(), Scale().PixelAt(event->position()));
}

void FieldWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Move, Qt::NoButton, event->modifiers(), Scale().PixelAt(event->position()));
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Release, event->button(), event->modifiers(), Scale().PixelAt(event->position()));
}

void FieldWidget::wheelEvent(QWheelEvent* event)
{
    // The window takes the wheel whether or not it acts on it.
    event->accept();
    emit WheelEvent(event->angleDelta().y(), event->modifiers(), Scale().PixelAt(event->position()));
}

}  // namespace kirvo
