// The main window on the screen: field sizing, full-screen mode, resizing and display changes.
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include "shell/MainWindow.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

QRect MainWindow::WorkArea() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void MainWindow::SizeField()
{
    // The field image always covers the whole screen so that any later window size fits it; the
    // visible part is the client area below the toolbar. The game counts in the screen's pixels.
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const FieldScale scale = fieldWidget_->Scale();
    fieldRatio_ = scale.Ratio();
    const WindowSize visible = scale.Pixels(WindowSize {width(), height() - kToolbarHeight});
    if (!fullScreen_)
        setMaximumSize(WorkArea().size());
    else
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    session_->SizeField(visible.width, visible.height, scale.Pixels(screenSize.width()),
                        scale.Pixels(screenSize.height()));
    // The largest field the window can show: the whole screen in full-screen mode, else the work
    // area less the frame and the toolbar.
    session_->SetLargestField(fullScreen_ ? visible : FitArea());
    fieldWidget_->setGeometry(0, 0, screenSize.width(), screenSize.height());
}

void MainWindow::ToggleFullScreen()
{
    changingFullScreen_ = true;
    fullScreen_ = !fullScreen_;
    const int oldWidth = session_->Windows().field.visibleWidth;
    const int oldHeight = session_->Windows().field.visibleHeight;
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (fullScreen_) {
        showFullScreen();
    } else {
        showNormal();
        setGeometry(WorkArea());
    }
    SizeField();
    session_->RescaleField(oldWidth, oldHeight);
    changingFullScreen_ = false;
    ResizeWithField();
    RefreshCommands();
}

void MainWindow::ResizeWithField()
{
    toolbar_->Layout(width(), fullScreen_);
    const WindowSize field = fieldWidget_->Scale().Pixels(WindowSize {field_->width(), field_->height()});
    session_->ResizeField(field.width, field.height);
    RedrawField();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (running_ && isVisible() && !changingFullScreen_)
        ResizeWithField();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::ScreenChanged, Qt::UniqueConnection);
}

void MainWindow::ScreenChanged()
{
    if (fieldWidget_->devicePixelRatio() == fieldRatio_)
        return;
    const int oldWidth = session_->Windows().field.visibleWidth;
    const int oldHeight = session_->Windows().field.visibleHeight;
    SizeField();
    session_->RescaleField(oldWidth, oldHeight);
    // The captions are drawn again for the new ratio.
    for (TMyWin& window : session_->Windows().windows)
        window.captionImage = {};
    ResizeWithField();
}

void MainWindow::DisplayChanged()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (fullScreen_ && screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
    else
        ResizeWithField();
}

}  // namespace kirvo
