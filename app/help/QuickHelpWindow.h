// The quick help: a small tool window on top of the main window that shows the game's controls as
// pictures and short labels. The mouse pictures are drawn from the player's current mouse
// assignments, so they follow the Options. Keys pressed in it go to the main window.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

#include "game/MouseBindings.h"
#include "settings/Translation.h"

class QCheckBox;
class QLabel;

namespace kirvo {

// The pictures are drawn with pixelRatio pixels a point (the screen's), so they stay sharp where
// the desktop is scaled.
// A small mouse with the button (0 left, 1 right, 2 middle) filled in and the modifier keys
// (1 Shift, 2 Alt, 4 Ctrl) written below it.
QImage MousePicture(int button, int shift, double pixelRatio = 1);
// A mouse with its wheel filled in and an arrow the way it turns: down or up.
QImage WheelPicture(bool down, double pixelRatio = 1);

class QuickHelpWindow : public QWidget {
    Q_OBJECT

public:
    // showAtStart is told when the player ticks or clears "Show this box at start".
    QuickHelpWindow(const Translator& translator, std::function<void(bool)> showAtStart, QWidget* mainWindow);

    // The texts from the language and the pictures from the mouse assignments.
    void Refresh(const MouseBindings& keys, bool showAtStart);
    // The toolbar's open, download and menu buttons as the player sees them.
    void SetButtonPictures(const QPixmap& open, const QPixmap& download, const QPixmap& menu);
    // Right-aligned inside the main window, 10 pixels from its right edge, centred vertically.
    void PlaceBeside(const QRect& mainFrame);

    // For tests: the mouse pictures in order (rotate clockwise, counter-clockwise, move).
    std::vector<QImage> MousePictures() const;

signals:
    // A click on the line that names F1.
    void ContentsRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    const Translator& translator_;
    QWidget* mainWindow_;
    std::vector<std::pair<QLabel*, QLabel*>> rows_;  // picture or key name, label text
    QLabel* mice_[3] = {};
    QCheckBox* show_ = nullptr;
};

}  // namespace kirvo
