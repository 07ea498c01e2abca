// Reused dialog: a dialog made once and shown modally again and again. While it is hidden it holds
// no window with the window system: closing it releases its window, and with it the image the
// size of the dialog that the window is painted from; the next showing makes a new one. Its
// widgets, their contents and its place on the screen are kept.
#pragma once

#include <QDialog>

namespace kirvo {

class ReusedDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    // Shows the dialog modally until it closes, then releases its window; returns exec()'s result.
    int ExecAndRelease();
};

}  // namespace kirvo
