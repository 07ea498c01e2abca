// Closes the main window when the process is asked to stop (SIGTERM at logout, SIGINT from a
// terminal), so the game leaves the way it does on Exit: questions asked, files tidied.
#pragma once

class QWidget;

namespace kirvo {

// Catches the signals from now on; one that arrives early waits for the window.
void CatchQuitSignals();
// The window to close on a caught signal.
void CloseOnQuitSignals(QWidget* window);

}  // namespace kirvo
