// Opening a puzzle: asking to put the game in play away, choosing the file and handing it to the
// game session.
#include <QFileInfo>
#include <QTimer>

#include "browser/JigsawBrowserDialog.h"
#include "diagnostics/OpeningLog.h"
#include "files/SavedGame.h"
#include "session/CommandLineFile.h"
#include "shell/MainWindow.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

void MainWindow::OpenWithBrowser(const std::string& name, bool direct)
{
    session_->SetBusy(true);
    if (session_->AskToPutAway() == Proceed::Stop) {
        session_->SetBusy(false);
        RefreshCommands();
        return;
    }
    if (direct && HasSavedGameExtension(name) && QFileInfo::exists(QString::fromStdString(name))) {
        OpenFile(name);
        session_->SetBusy(false);
        return;
    }
    if (std::optional<std::string> chosen = ChooseJigsaw(name.empty() ? session_->PreselectedFile() : name))
        OpenFile(*chosen);
    session_->SetBusy(false);
}

void MainWindow::OpenMostRecent()
{
    OpenWithBrowser(session_->RecentFileAt(0), false);
}

void MainWindow::OpenCommandLineFile(const std::string& path)
{
    const CommandLineFile file = TakeCommandLineFile(session_->Names(), path);
    if (file.action == CommandLineAction::Browse) {
        OpenWithBrowser(file.path, false);
        return;
    }
    session_->SetBusy(true);
    OpenFile(file.path);
    session_->SetBusy(false);
}

std::optional<std::string> MainWindow::ChooseJigsaw(const std::string& preselected)
{
    return browserDialog_->Choose(BrowserMode::Open, preselected, FitArea());
}

WindowSize MainWindow::FitArea() const
{
    // A fitted picture takes the work area less the window's frame and the toolbar, in the
    // screen's pixels.
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    return fieldWidget_->Scale().Pixels(
        WindowSize {WorkArea().width() - frameWidth, WorkArea().height() - frameHeight - kToolbarHeight});
}

bool MainWindow::OpenFile(const std::string& name)
{
    const bool opened = session_->Open(name, FitArea());
    RefreshRecentItems();
    RefreshCommands();
    RedrawField();
    if (opened) {
        qCInfo(openingLog, "opened %s", name.c_str());
        sinceAutoSave_.restart();
        autoSaveTimer_->start();
    }
    return opened;
}

}  // namespace kirvo
