// The program entry: the splash, the windows in their order, the event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <filesystem>

#include "base/Version.h"
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
    QApplication::setApplicationVersion(kVersion);
    QCommandLineParser arguments;
    arguments.setApplicationDescription("A jigsaw-puzzle game.");
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument("file", "A jigsaw (.ast) to choose in the browser, or a saved game (.sv1) to resume.",
                                    "[file]");
    arguments.process(application);
    const QStringList files = arguments.positionalArguments();
    const std::string commandLineFile = files.isEmpty() ? std::string() : files.first().toStdString();
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
    // the window behind it; then the file on the command line opens, or the player chooses what
    // to play.
    int remaining = std::max<qint64>(0, kSplashMilliseconds - sinceStart.elapsed());
    QTimer::singleShot(remaining, &mainWindow, [splash = QPointer<QWidget>(splash), &mainWindow, commandLineFile] {
        if (splash)
            splash->close();
        if (!mainWindow.isVisible())
            return;
        mainWindow.ShowQuickHelpAtStart();
        if (commandLineFile.empty())
            mainWindow.OpenMostRecent();
        else
            mainWindow.OpenCommandLineFile(commandLineFile);
    });

    return application.exec();
}
