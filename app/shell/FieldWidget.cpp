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

void FieldWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (image_ && image_->width > 0)
        painter.drawImage(event->rect(), PixImage(*image_), event->rect());
    else
        painter.fillRect(event->rect(), QColor(0x98, 0x98, 0x98));
}

void FieldWidget::mousePressEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Press, event->button(), event->modifiers(), event->position().toPoint());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Move, Qt::NoButton, event->modifiers(), event->position().toPoint());
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseEvent(FieldMouse::Release, event->button(), event->modifiers(), event->position().toPoint());
}

void FieldWidget::wheelEvent(QWheelEvent* event)
{
    // The window takes the wheel whether or not it acts on it.
    event->accept();
    emit WheelEvent(event->angleDelta().y(), event->modifiers(), event->position().toPoint());
}

}  // namespace kirvo
