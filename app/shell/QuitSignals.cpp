#include "shell/QuitSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kirvo {

namespace {

int signalSocket[2] = {-1, -1};  // the handler writes to [0], the event loop reads [1]

// A signal handler may do next to nothing: it wakes the event loop through the socket.
void WakeEventLoop(int)
{
    char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalSocket[0], &byte, 1);
}

}  // namespace

void CatchQuitSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void QuitOnSignals(QWidget* window, std::function<void()> quit)
{
    if (signalSocket[1] < 0)
        return;
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, quit = std::move(quit)] {
        char byte;
        [[maybe_unused]] ssize_t read = ::read(signalSocket[1], &byte, 1);
        // A dialog waiting for an answer would keep the program alive behind the closed window;
        // the quit itself waits until the code that opened the dialog has run on.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != window && widget->isVisible() && widget->isModal())
                widget->close();
        QTimer::singleShot(0, window, quit);
    });
}

}  // namespace kirvo
