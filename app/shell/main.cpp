// The program entry: the splash, the windows in their order, the event loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <filesystem>

#include "diagnostics/AboutWindow.h"
#include "shell/MainWindow.h"
#include "shell/QuitSignals.h"

using namespace kirvo;

namespace {

constexpr int kSplashMilliseconds = 2000;

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    CatchQuitSignals();
    QElapsedTimer sinceStart;
    sinceStart.start();

    auto* splash = new AboutWindow(AboutWindow::Role::Splash);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->repaint();

    MainWindow mainWindow;
    QuitOnSignals(&mainWindow, [&mainWindow] { mainWindow.QuitWithoutAsking(); });
    std::error_code ignored;
    std::filesystem::remove(mainWindow.FileNames().saveTempFile, ignored);  // left by an interrupted save
    mainWindow.SetRunning(true);
    mainWindow.show();
    mainWindow.LoadSettings();
    if (!mainWindow.isVisible())  // closed by a quit signal while a start-up message was up
        return 0;
    splash->raise();

    // The splash stays up until two seconds have passed since the start, without holding up
    // the window behind it; then the player chooses what to play.
    int remaining = std::max<qint64>(0, kSplashMilliseconds - sinceStart.elapsed());
    QTimer::singleShot(remaining, &mainWindow, [splash = QPointer<QWidget>(splash), &mainWindow] {
        if (splash)
            splash->close();
        if (!mainWindow.isVisible())
            return;
        mainWindow.ShowQuickHelpAtStart();
        mainWindow.OpenMostRecent();
    });

    return application.exec();
}
