// P_Toolbar: the skinned background and the 28 image buttons. A button stands for a menu item:
// clicking it emits Clicked with that item. The panel keeps only how the buttons look (enabled,
// checked, sheet column, hot) and their captions; the main window decides them. Buttons that do
// not fit the width are offered by the overflow button at the end of the row, in a menu of their
// captions that is enabled and checked like the buttons.
#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <vector>

#include "commands/Toolbar.h"
#include "raster/PixelBuffer.h"

class QMenu;
class QToolButton;

namespace kirvo {

inline constexpr int kToolbarHeight = 35;

class ToolbarPanel : public QWidget {
    Q_OBJECT

public:
    // The sheets are painted from; they must outlive the panel.
    ToolbarPanel(QWidget* parent, const TPixelBuffer& buttonSheet, const TPixelBuffer& skinSheet);

    void SetEnabled(int button, bool enabled);
    void SetChecked(int button, bool checked);
    void SetColumn(int button, int column);
    void SetHint(int button, const QString& hint);
    // The text of the button's item in the overflow menu.
    void SetCaption(int button, const QString& caption);
    void Layout(int width, bool fullScreen);
    void ReleaseHot();
    // The clock at the right end of the bar; an empty text hides it.
    void ShowClock(const QString& text);
    QLabel* Clock() const { return clock_; }

    QLabel* Button(int button) const { return buttons_[size_t(button)].image; }
    int HotButton() const { return hot_; }
    int Column(int button) const { return buttons_[size_t(button)].column; }
    bool Checked(int button) const { return buttons_[size_t(button)].checked; }
    QToolButton* OverflowButton() const { return overflowButton_; }
    QMenu* OverflowMenu() const { return overflowMenu_; }

signals:
    void Clicked(MenuItem item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct ButtonState {
        QLabel* image = nullptr;
        int column = 0;
        bool checked = false;
        bool enabled = true;
    };

    void Paint(int button, bool raised);
    void Hover(int button);
    void Press();
    void Release();
    bool InCloseCorner(QPoint at) const;
    // Fills the overflow menu with the buttons left out of the row, as they look now.
    void FillOverflowMenu();

    const TPixelBuffer& buttonSheet_;
    const TPixelBuffer& skinSheet_;
    TPixelBuffer background_;
    std::array<ButtonState, kToolbarButtonCount> buttons_;
    std::array<QString, kToolbarButtonCount> captions_;  // in the overflow menu
    int hot_ = -1;  // -1 = none
    int width_ = 0;  // of the last layout
    bool fullScreen_ = false;
    QLabel* clock_ = nullptr;  // L_Clock
    QToolButton* overflowButton_ = nullptr;  // B_Overflow
    QMenu* overflowMenu_ = nullptr;
    std::vector<int> overflowed_;  // the buttons left out of the row, left to right
};

}  // namespace kirvo
