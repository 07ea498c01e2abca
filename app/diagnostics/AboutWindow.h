// TF_AboutKirvoPleo3: the about box, which also stands as the splash while the game starts.
#pragma once

#include <QWidget>

namespace kirvo {

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    enum class Role { Splash, Dialog };
    explicit AboutWindow(Role role, QWidget* parent = nullptr);

protected:
    // In its dialog form a click, Enter or Escape closes it.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Role role_;
};

}  // namespace kirvo
