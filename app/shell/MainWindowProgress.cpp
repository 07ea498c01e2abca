// The progress panel over the field while the session opens, cuts or saves.
#include <QCoreApplication>

#include "shell/MainWindow.h"

namespace kirvo {

void MainWindow::ProgressChanged()
{
    if (!session_->Progress().shown) {
        progressPanel_->hide();
        RefreshCommands();
        return;
    }
    if (!progressPanel_->isVisible()) {
        progressPanel_->move((field_->width() - progressPanel_->width()) / 2,
                             (field_->height() - progressPanel_->height()) / 2);
        progressPanel_->show();
        progressPanel_->raise();
        RefreshCommands();
        progressPanel_->repaint();
        return;
    }
    progressPanel_->repaint();
    // Paint and timer events go on while the puzzle is built; the player's input waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kirvo
