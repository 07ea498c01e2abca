// The main window's input: Qt's keys, mouse and timer ticks as the game session takes them.
#include <QAction>
#include <QKeyEvent>

#include "shell/MainWindow.h"

namespace kirvo {

namespace {

int KeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return kKeyF1 + (qtKey - Qt::Key_F1);
    return 0;
}

uint8_t KeyModifiers(Qt::KeyboardModifiers modifiers)
{
    return uint8_t((modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::AltModifier ? kAlt : 0)
                   | (modifiers & Qt::ControlModifier ? kCtrl : 0));
}

int PlayButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return kLeftButton;
    }
}

uint8_t PlayModifiers(Qt::KeyboardModifiers modifiers)
{
    return uint8_t((modifiers & Qt::ShiftModifier ? kModifierShift : 0) | (modifiers & Qt::AltModifier ? kModifierAlt : 0)
                   | (modifiers & Qt::ControlModifier ? kModifierCtrl : 0));
}

}  // namespace

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    sinceInput_.restart();
    if (event->key() == Qt::Key_Escape && running_ && session_->CancelDrag()) {
        RefreshCommands();
        RedrawField();
        return;
    }
    if (!event->isAutoRepeat())
        session_->KeyPressed(KeyCode(event->key()), KeyModifiers(event->modifiers()));
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    ItemFlags enabled;
    for (int i = 0; i < kMenuItemCount; ++i)
        enabled[size_t(i)] = actions_[size_t(i)]->isEnabled();
    const int shownSide = session_->Windows().shownSide;
    std::optional<MenuItem> item = session_->KeyReleased(KeyCode(event->key()), enabled, running_);
    if (session_->Windows().shownSide != shownSide) {  // Space switched sides
        RefreshCommands();
        RedrawField();
    }
    if (item)
        RunCommand(*item);
}

void MainWindow::FieldMouseEvent(FieldMouse kind, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    sinceInput_.restart();
    if (!running_)
        return;
    const SessionOutcome outcome = session_->Mouse(kind, PlayButton(button), PlayModifiers(modifiers), at.x(), at.y(),
                                                   fieldWidget_->Scale().Pixels(WindowSize {width(), height()}));
    if (kind != FieldMouse::Move)
        RefreshCommands();  // a press or release may join, select or solve
    ApplyOutcome(outcome);
}

void MainWindow::FieldWheelEvent(int delta, Qt::KeyboardModifiers, QPoint at)
{
    sinceInput_.restart();
    const FieldScale scale = fieldWidget_->Scale();
    if (!running_ || !scale.PixelsCovering(fieldWidget_->rect()).contains(at))
        return;
    const SessionOutcome outcome = session_->Wheel(delta, at.x(), at.y(), scale.Pixels(WindowSize {width(), height()}));
    RefreshCommands();
    ApplyOutcome(outcome);
}

void MainWindow::AutoSaveTick()
{
    if (session_->AutosaveTick(sinceAutoSave_.elapsed() / 60000.0))
        sinceAutoSave_.restart();
}

}  // namespace kirvo
