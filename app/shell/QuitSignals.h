// Quits the game when the process is asked to stop (SIGTERM at logout, SIGINT from a terminal).
// There is nobody to answer a question then: the window saves what the player did and closes.
#pragma once

#include <functional>

class QWidget;

namespace kirvo {

// Catches the signals from now on; one that arrives early waits for the window.
void CatchQuitSignals();
// What to do on a caught signal, run by the window's event loop once any dialog that was waiting
// for an answer has been closed.
void QuitOnSignals(QWidget* window, std::function<void()> quit);

}  // namespace kirvo
