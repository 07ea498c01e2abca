// One choice of the jigsaw settings page: a picture that is clicked to choose what it shows.
// The choice in force is framed; while the choices cannot be changed the button is disabled and
// shows its picture greyed. Space and Enter click it when it has the focus.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <cstdint>

#include "raster/PixelBuffer.h"

namespace kirvo {

class ChoiceButton : public QAbstractButton {
    Q_OBJECT

public:
    // The room on every side of the picture, where the frame of the chosen one is drawn.
    static constexpr int kFrameWidth = 2;

    // The button has room for a picture of that size and for the frame around it.
    ChoiceButton(const QString& name, QSize pictureSize, QWidget* parent);

    // The picture, drawn at its own size from the top left of its room; pixels of keyColour are
    // transparent. The greyed copy shown while disabled blends the others half and half with
    // faceColour. An empty picture shows nothing. A picture drawn for a screen of pixelRatio pixels
    // a point shows at its size in points, with every pixel.
    void SetPicture(const TPixelBuffer& picture, uint32_t keyColour, uint32_t faceColour, double pixelRatio = 1);
    // The tooltip, and the name a screen reader says.
    void SetHint(const QString& hint);
    void SetChosen(bool chosen);
    bool Chosen() const { return chosen_; }

    QSize sizeHint() const override;
    // For tests: the picture shown while enabled.
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize pictureSize_;
    QPixmap picture_;
    QPixmap greyed_;
    bool chosen_ = false;
};

}  // namespace kirvo
