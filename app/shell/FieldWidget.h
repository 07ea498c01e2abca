// I_Field: shows the field image and hands the mouse to the main window. Holds no game state.
//
// The image holds the screen's own pixels (FieldScale): the mouse is handed on in them.
#pragma once

#include <QPainter>
#include <QWidget>

#include "playfield/PlayMouse.h"
#include "raster/PixelBuffer.h"
#include "shell/FieldScale.h"

namespace kirvo {

// Paints the field image (24-bit, in the painted device's own pixels) where it touches the part,
// given in the painter's points: each image pixel lands on one device pixel, unsmoothed. Only that
// part is converted to the screen's format, however large the image.
void PaintFieldPart(QPainter& painter, const TPixelBuffer& image, const QRect& part);

class FieldWidget : public QWidget {
    Q_OBJECT

public:
    explicit FieldWidget(QWidget* parent);

    // The buffer painted; shown without a copy. It must outlive the widget or be replaced.
    void SetImage(const TPixelBuffer* image) { image_ = image; }
    FieldScale Scale() const { return FieldScale(devicePixelRatio()); }

signals:
    // at: the image pixel under the mouse.
    void MouseEvent(FieldMouse kind, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void WheelEvent(int delta, Qt::KeyboardModifiers modifiers, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const TPixelBuffer* image_ = nullptr;
};

}  // namespace kirvo
