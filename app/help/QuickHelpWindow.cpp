// The quick help window.
#include "help/QuickHelpWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "diagnostics/DialogText.h"

namespace kirvo {

namespace {

// A transparent picture of width x height points.
QImage Canvas(int width, int height, double pixelRatio)
{
    QImage image(QSize(width, height) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage MousePicture(int button, int shift, double pixelRatio)
{
    QImage image = Canvas(64, 60, pixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(20, 2, 24, 36);
    QPainterPath outline;
    outline.addRoundedRect(body, 11, 11);
    painter.fillPath(outline, Qt::white);
    // The button pressed: the left or right top half, or the wheel between them.
    painter.setClipPath(outline);
    const QColor pressed(231, 62, 180);
    if (button == 0 || button == 1)
        painter.fillRect(QRectF(button == 0 ? body.left() : body.center().x(), body.top(), body.width() / 2, 14), pressed);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawPath(outline);
    painter.drawLine(QPointF(body.left(), body.top() + 14), QPointF(body.right(), body.top() + 14));
    painter.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), body.top() + 14));
    painter.setBrush(button == 2 ? pressed : QColor(Qt::white));
    painter.drawRoundedRect(QRectF(body.center().x() - 2.5, body.top() + 3, 5, 9), 2, 2);

    QStringList keys;
    for (const auto& [bit, name] : {std::pair {1, "Shift"}, {2, "Alt"}, {4, "Ctrl"}})
        if (shift & bit)
            keys << name;
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 42, 64, 16), Qt::AlignCenter, keys.isEmpty() ? QString() : "+" + keys.join('+'));
    return image;
}

QImage WheelPicture(bool down, double pixelRatio)
{
    QImage image = Canvas(40, 60, pixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(8, 2, 24, 36);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(body, 11, 11);
    painter.drawLine(QPointF(body.left(), body.top() + 14), QPointF(body.right(), body.top() + 14));
    painter.setBrush(QColor(231, 62, 180));
    painter.drawRoundedRect(QRectF(body.center().x() - 2.5, body.top() + 3, 5, 9), 2, 2);
    // The way the wheel turns: an arrow beside the mouse.
    const qreal x = body.center().x();
    const qreal tip = down ? 56 : 42;
    const qreal tail = down ? 42 : 56;
    painter.setPen(QPen(QColor(231, 62, 180), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(x, tail), QPointF(x, tip));
    const qreal back = down ? -5 : 5;
    painter.drawLine(QPointF(x - 4, tip + back), QPointF(x, tip));
    painter.drawLine(QPointF(x + 4, tip + back), QPointF(x, tip));
    return image;
}

QuickHelpWindow::QuickHelpWindow(const Translator& translator, std::function<void(bool)> showAtStart, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), translator_(translator), mainWindow_(mainWindow)
{
    setObjectName("TF_Help");
    auto* grid = new QGridLayout;
    for (int row = 0; row < 9; ++row) {
        auto* picture = new QLabel;
        picture->setAlignment(Qt::AlignCenter);
        auto* text = new QLabel;
        text->setWordWrap(true);
        if (row == 5 || row == 6) {
            // A turn: the mouse as assigned, or the wheel.
            auto* turn = new QWidget;
            auto* turnLayout = new QHBoxLayout(turn);
            turnLayout->setContentsMargins(0, 0, 0, 0);
            auto* wheel = new QLabel;
            wheel->setObjectName(row == 5 ? "I_Wheel" : "I_Wheel1");
            wheel->setPixmap(QPixmap::fromImage(WheelPicture(row == 5, devicePixelRatio())));
            turnLayout->addWidget(picture);
            turnLayout->addWidget(wheel);
            grid->addWidget(turn, row, 0);
        } else {
            grid->addWidget(picture, row, 0);
        }
        grid->addWidget(text, row, 1);
        rows_.push_back({picture, text});
    }
    rows_[1].second->setTextFormat(Qt::RichText);
    connect(rows_[1].second, &QLabel::linkActivated, this, [this] { emit ContentsRequested(); });
    for (int i = 0; i < 3; ++i)
        mice_[i] = rows_[size_t(5 + i)].first;
    rows_[1].first->setText("F1");

    show_ = new QCheckBox;
    show_->setObjectName("CB_Show");
    connect(show_, &QCheckBox::toggled, this, [showAtStart](bool on) { showAtStart(on); });
    auto* close = new QPushButton;
    close->setObjectName("B_Close");
    close->setText(DialogText(translator_, LangSection::All, "B_Close", "Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(show_, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    resize(297, 483);
}

void QuickHelpWindow::Refresh(const MouseBindings& keys, bool showAtStart)
{
    const auto text = [this](const char* key, const char* english) {
        return DialogText(translator_, LangSection::QuickHelp, key, english);
    };
    setWindowTitle(text("FormCaption", "Quick Help"));
    const std::pair<const char*, const char*> labels[] = {
        {"L_Click", "Click buttons"}, {"L_Contents", "To see the Help's contents"}, {"L_Open", "To open a new jigsaw"},
        {"L_Download", "To download jigsaws"}, {"L_Menu", "To load game menu"}, {"L_RotateCW", "To rotate clockwise"},
        {"L_RotateCCW", "To rotate counterclockwise"}, {"L_MoveOW", "To move a piece to other window"},
        {"L_Switch", "To switch between windows"}};
    for (size_t row = 0; row < rows_.size(); ++row) {
        rows_[row].second->setText(text(labels[row].first, labels[row].second));
        rows_[row].second->setObjectName(labels[row].first);
    }
    rows_[1].second->setText("<a href=\"contents\">" + rows_[1].second->text().toHtmlEscaped() + "</a>");
    rows_[8].first->setText(text("L_Spacebar", "Spacebar"));
    const std::pair<int, int> mice[] = {{keys.RotCW_Button, keys.RotCW_Shift},
                                        {keys.RotCCW_Button, keys.RotCCW_Shift},
                                        {keys.MoveOW_Button, keys.MoveOW_Shift}};
    for (int i = 0; i < 3; ++i)
        mice_[i]->setPixmap(QPixmap::fromImage(MousePicture(mice[i].first, mice[i].second, devicePixelRatio())));
    const QSignalBlocker quiet(show_);
    show_->setText(text("CB_Show", "Show this box at start"));
    show_->setChecked(showAtStart);
}

void QuickHelpWindow::SetButtonPictures(const QPixmap& open, const QPixmap& download, const QPixmap& menu)
{
    rows_[2].first->setPixmap(open);
    rows_[3].first->setPixmap(download);
    rows_[4].first->setPixmap(menu);
}

void QuickHelpWindow::PlaceBeside(const QRect& mainFrame)
{
    move(mainFrame.left() + mainFrame.width() - width() - 10, mainFrame.top() + (mainFrame.height() - height()) / 2);
}

std::vector<QImage> QuickHelpWindow::MousePictures() const
{
    std::vector<QImage> pictures;
    for (const QLabel* mouse : mice_)
        pictures.push_back(mouse->pixmap().toImage());
    return pictures;
}

void QuickHelpWindow::keyPressEvent(QKeyEvent* event) { QCoreApplication::sendEvent(mainWindow_, event); }

void QuickHelpWindow::keyReleaseEvent(QKeyEvent* event) { QCoreApplication::sendEvent(mainWindow_, event); }

}  // namespace kirvo
