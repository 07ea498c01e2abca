#include "diagnostics/AboutWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "base/Version.h"

namespace kirvo {

namespace {

constexpr int kWidth = 370;
constexpr int kHeight = 320;
constexpr int kLabelWidth = 260;

// One jigsaw piece outline with a knob on the right and a socket at the bottom, for the backdrop.
QPainterPath PieceOutline(QPointF origin, qreal size)
{
    qreal s = size;
    QPainterPath path(origin);
    path.lineTo(origin + QPointF(s, 0));
    path.lineTo(origin + QPointF(s, s * 0.35));
    path.cubicTo(origin + QPointF(s * 1.35, s * 0.2), origin + QPointF(s * 1.35, s * 0.8), origin + QPointF(s, s * 0.65));
    path.lineTo(origin + QPointF(s, s));
    path.lineTo(origin + QPointF(s * 0.65, s));
    path.cubicTo(origin + QPointF(s * 0.8, s * 0.65), origin + QPointF(s * 0.2, s * 0.65), origin + QPointF(s * 0.35, s));
    path.lineTo(origin + QPointF(0, s));
    path.closeSubpath();
    return path;
}

// A label drawn twice, a white shadow one pixel right of and below the text.
void ShadowedLabel(QPainter& painter, int top, int pixelSize, const QString& text, QColor colour)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    QRect box((kWidth - kLabelWidth) / 2, top, kLabelWidth, pixelSize + 8);
    painter.setPen(Qt::white);
    painter.drawText(box.translated(1, 1), Qt::AlignHCenter | Qt::AlignVCenter, text);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, text);
}

}  // namespace

AboutWindow::AboutWindow(Role role, QWidget* parent)
    : QWidget(parent, role == Role::Splash ? Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint : Qt::Dialog),
      role_(role)
{
    setObjectName("TF_AboutKirvoPleo3");
    setWindowTitle("About");  // the dialog takes its translated title from whoever opens it
    setFixedSize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void AboutWindow::mousePressEvent(QMouseEvent*)
{
    if (role_ == Role::Dialog)
        close();
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (role_ == Role::Dialog && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape))
        close();
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, QColor(200, 226, 250));
    sky.setColorAt(1, QColor(236, 214, 246));
    painter.fillRect(rect(), sky);

    painter.setPen(QPen(QColor(255, 255, 255, 150), 2));
    painter.setBrush(QColor(255, 255, 255, 60));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            painter.drawPath(PieceOutline(QPointF(10 + column * 92 + (row % 2) * 30, 200 + row * 40 - column * 6), 34));

    ShadowedLabel(painter, 30, 28, "Kirvo Jigsaw", QColor(116, 124, 255));
    ShadowedLabel(painter, 68, 28, "Pleo III", QColor(231, 62, 180));
    ShadowedLabel(painter, 112, 16, QString("Version ") + kVersion, Qt::black);
    ShadowedLabel(painter, 134, 15, "Moru Games", Qt::black);
    ShadowedLabel(painter, 156, 15, kMakerHomePage, Qt::black);
    ShadowedLabel(painter, 178, 15, kMakerEmail, Qt::black);
    ShadowedLabel(painter, 200, 15, kReleaseDate, Qt::black);

    if (role_ == Role::Splash) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));  // B_Frame
    }
}

}  // namespace kirvo
