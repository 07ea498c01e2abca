// The main window on the screen: field sizing, full-screen mode, resizing and display changes.
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include "game/GroupRescale.h"
#include "playfield/GroupsIntoView.h"
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
    // visible part is the client area below the toolbar.
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    int visibleWidth = width();
    int visibleHeight = height() - kToolbarHeight;
    if (!fullScreen_)
        setMaximumSize(WorkArea().size());
    else
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    SetStartField(windows_, visibleWidth, visibleHeight);
    SizeFieldImages(fieldImage_, screenSize.width(), screenSize.height(), kDefaultBackground);
    fieldWidget_->setGeometry(0, 0, screenSize.width(), screenSize.height());
}

void MainWindow::ToggleFullScreen()
{
    changingFullScreen_ = true;
    fullScreen_ = !fullScreen_;
    int oldWidth = windows_.field.visibleWidth;
    int oldHeight = windows_.field.visibleHeight;
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (fullScreen_) {
        showFullScreen();
    } else {
        showNormal();
        setGeometry(WorkArea());
    }
    SizeField();
    if (names_.puzzleLoaded) {
        SetVirtualField(windows_, state_.descriptor.ImageW, state_.descriptor.ImageH);
        for (int window = MW_SIDE0; window <= MW_POCKET3; ++window) {
            RescaleGroups(state_, window, oldWidth, oldHeight, windows_.field.visibleWidth, windows_.field.visibleHeight);
            BringGroupsIntoView(state_, windows_, window, Pulling::On);
        }
    }
    changingFullScreen_ = false;
    ResizeWithField();
    RefreshCommands();
}

void MainWindow::ResizeWithField()
{
    toolbar_->Layout(width(), fullScreen_);
    ResizeField(windows_, field_->width(), field_->height());
    state_.redrawMode = RedrawMode::WholeField;
    RedrawField();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (running_ && isVisible() && !changingFullScreen_)
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
