#include "shell/ToolbarPanel.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include "commands/ToolbarSkin.h"
#include "raster/PixelImage.h"

namespace kirvo {

ToolbarPanel::ToolbarPanel(QWidget* parent, const TPixelBuffer& buttonSheet, const TPixelBuffer& skinSheet)
    : QWidget(parent)
    , buttonSheet_(buttonSheet)
    , skinSheet_(skinSheet)
{
    setObjectName("P_Toolbar");
    setFixedHeight(kToolbarHeight);
    setMouseTracking(true);
    int screenWidth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size().width() : 1280;
    background_ = BuildToolbarBackground(skinSheet_, screenWidth, kToolbarHeight);
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const ToolbarButtonInfo& info = ToolbarButtons()[size_t(i)];
        auto* image = new QLabel(this);
        image->setObjectName(info.name);
        image->setGeometry(0, 0, 29, 29);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        buttons_[size_t(i)] = {image, info.column, false, true};
        Paint(i, false);
    }
    clock_ = new QLabel(this);
    clock_->setObjectName("L_Clock");
    clock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clock_->setStyleSheet("color: #F2E6B8; font-weight: bold;");
    // The buttons keep clear of the time (see Layout); clicks on it reach the toolbar.
    clock_->setAttribute(Qt::WA_TransparentForMouseEvents);
    clock_->hide();
    overflowMenu_ = new QMenu(this);
    overflowMenu_->setObjectName("PM_Overflow");
    connect(overflowMenu_, &QMenu::aboutToShow, this, &ToolbarPanel::FillOverflowMenu);
    overflowButton_ = new QToolButton(this);
    overflowButton_->setObjectName("B_Overflow");
    overflowButton_->setText(QString(QChar(0x00BB)));  // »
    overflowButton_->setMenu(overflowMenu_);
    overflowButton_->setPopupMode(QToolButton::InstantPopup);
    overflowButton_->setFocusPolicy(Qt::NoFocus);  // the keys stay with the main window
    overflowButton_->setStyleSheet("QToolButton { color: #F2E6B8; font-weight: bold; font-size: 18px; border: none; }"
                                   "QToolButton:hover { background: rgba(242, 230, 184, 48); border-radius: 3px; }"
                                   "QToolButton::menu-indicator { image: none; }");
    overflowButton_->hide();
}

void ToolbarPanel::Paint(int button, bool raised)
{
    ButtonState& state = buttons_[size_t(button)];
    if (buttonSheet_.width == 0)
        return;
    ButtonLook look = ButtonLookFor(state.enabled, raised, state.checked);
    QImage face = PixImage(buttonSheet_).copy(ButtonFaceX(state.column), ButtonFaceY(look), state.image->width(), kButtonFace);
    state.image->setPixmap(QPixmap::fromImage(face));
}

void ToolbarPanel::SetEnabled(int button, bool enabled)
{
    buttons_[size_t(button)].enabled = enabled;
    if (hot_ == button && !enabled)
        hot_ = -1;
    Paint(button, false);
}

void ToolbarPanel::SetChecked(int button, bool checked)
{
    buttons_[size_t(button)].checked = checked;
    Paint(button, checked);
}

void ToolbarPanel::SetColumn(int button, int column)
{
    buttons_[size_t(button)].column = column;
    Paint(button, hot_ == button);
}

void ToolbarPanel::SetHint(int button, const QString& hint)
{
    buttons_[size_t(button)].image->setToolTip(hint);
}

void ToolbarPanel::SetCaption(int button, const QString& caption)
{
    captions_[size_t(button)] = caption;
}

void ToolbarPanel::Layout(int width, bool fullScreen)
{
    width_ = width;
    fullScreen_ = fullScreen;
    // A shown clock keeps the room of its longest time free of buttons.
    const int clockWidth = clock_->isVisibleTo(this) ? clock_->fontMetrics().horizontalAdvance("00:00:00") + 8 : 0;
    const ToolbarRow row = ToolbarLayout(width, fullScreen, clockWidth);
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const ButtonPlace& place = row.buttons[size_t(i)];
        buttons_[size_t(i)].image->setGeometry(place.x, place.y, place.width, place.height);
        buttons_[size_t(i)].image->setVisible(place.visible);
        Paint(i, hot_ == i);
    }
    const ButtonPlace& overflow = row.overflow;
    overflowButton_->setGeometry(overflow.x, overflow.y, overflow.width, overflow.height);
    overflowButton_->setVisible(overflow.visible);
    overflowed_ = row.overflowed;
    // At the row's end: left of the window buttons a full screen shows.
    const int right = fullScreen ? buttons_[BI_Min].image->x() - 8 : width - 12;
    clock_->setGeometry(right - 120, 0, 120, kToolbarHeight);
}

void ToolbarPanel::FillOverflowMenu()
{
    overflowMenu_->clear();
    for (int button : overflowed_) {
        const ButtonState& state = buttons_[size_t(button)];
        QAction* action = overflowMenu_->addAction(captions_[size_t(button)]);
        action->setObjectName(ToolbarButtons()[size_t(button)].name);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
        const MenuItem item = ToolbarButtons()[size_t(button)].item;
        connect(action, &QAction::triggered, this, [this, item] { emit Clicked(item); });
    }
}

void ToolbarPanel::ShowClock(const QString& text)
{
    clock_->setText(text);
    if (clock_->isVisibleTo(this) != !text.isEmpty()) {
        clock_->setVisible(!text.isEmpty());
        Layout(width_, fullScreen_);
    }
}

void ToolbarPanel::ReleaseHot()
{
    if (hot_ >= 0 && !buttons_[size_t(hot_)].checked)
        Paint(hot_, false);
    hot_ = -1;
}

void ToolbarPanel::Hover(int button)
{
    if (hot_ == button)
        return;
    if (hot_ >= 0 && !buttons_[size_t(hot_)].checked)
        Paint(hot_, false);
    hot_ = -1;
    if (buttons_[size_t(button)].enabled) {
        hot_ = button;
        Paint(button, true);
    }
}

void ToolbarPanel::Press()
{
    if (hot_ < 0)
        return;
    QLabel* image = buttons_[size_t(hot_)].image;
    image->move(image->pos() + QPoint(1, 1));
}

void ToolbarPanel::Release()
{
    if (hot_ < 0)
        return;
    int button = hot_;
    ButtonState& state = buttons_[size_t(button)];
    if (!state.checked)
        Paint(button, false);
    state.image->move(state.image->pos() - QPoint(1, 1));
    emit Clicked(ToolbarButtons()[size_t(button)].item);
}

bool ToolbarPanel::eventFilter(QObject* watched, QEvent* event)
{
    int button = 0;
    while (button < kToolbarButtonCount && buttons_[size_t(button)].image != watched)
        ++button;
    if (button == kToolbarButtonCount)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!(static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton))
            Hover(button);
        return true;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (hot_ >= 0)
                Hover(hot_);
            Press();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Release();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

bool ToolbarPanel::InCloseCorner(QPoint at) const
{
    const QLabel* close = buttons_[BI_Close].image;
    return fullScreen_ && at.x() >= close->x() && at.y() <= close->geometry().bottom();
}

void ToolbarPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (background_.width > 0)
        painter.drawImage(event->rect(), PixImage(background_), event->rect());
}

void ToolbarPanel::mouseMoveEvent(QMouseEvent*)
{
    ReleaseHot();
}

void ToolbarPanel::mousePressEvent(QMouseEvent* event)
{
    // In full screen the very corner of the screen closes the program.
    if (event->button() == Qt::LeftButton && InCloseCorner(event->position().toPoint())) {
        Hover(BI_Close);
        Press();
    }
}

void ToolbarPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && InCloseCorner(event->position().toPoint()) && hot_ == BI_Close)
        Release();
}

void ToolbarPanel::leaveEvent(QEvent*)
{
    ReleaseHot();
}

}  // namespace kirvo
