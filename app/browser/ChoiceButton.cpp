#include "browser/ChoiceButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "raster/PixelImage.h"
#include "session/PieceSample.h"

namespace kirvo {

namespace {

const QColor kChosenColour(0, 128, 255);

}  // namespace

ChoiceButton::ChoiceButton(const QString& name, QSize pictureSize, QWidget* parent)
    : QAbstractButton(parent), pictureSize_(pictureSize)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

void ChoiceButton::SetPicture(const TPixelBuffer& picture, uint32_t keyColour, uint32_t faceColour, double pixelRatio)
{
    picture_ = PixKeyedPixmap(picture, keyColour);
    greyed_ = PixKeyedPixmap(GreyedCopy(picture, keyColour, faceColour), keyColour);
    picture_.setDevicePixelRatio(pixelRatio);
    greyed_.setDevicePixelRatio(pixelRatio);
    update();
}

void ChoiceButton::SetHint(const QString& hint)
{
    setToolTip(hint);
    setAccessibleName(hint);
}

void ChoiceButton::SetChosen(bool chosen)
{
    if (chosen_ == chosen)
        return;
    chosen_ = chosen;
    update();
}

QSize ChoiceButton::sizeHint() const
{
    return pictureSize_ + QSize(2 * kFrameWidth, 2 * kFrameWidth);
}

void ChoiceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(kFrameWidth, kFrameWidth, isEnabled() ? picture_ : greyed_);
    if (chosen_) {
        painter.setPen(QPen(kChosenColour, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0, -kFrameWidth / 2.0));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ChoiceButton::keyPressEvent(QKeyEvent* event)
{
    // Space is the button's own key; Enter chooses too rather than closing the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace kirvo
