#include "shell/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

#include "game/FileNames.h"

namespace kirvo {

namespace {

QMessageBox::StandardButtons Buttons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon Icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer Answer(int button)
{
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

}  // namespace

MessageAnswer PresentMessageBox(const MessageRequest& request)
{
    QMessageBox box(Icon(request.icon), kApplicationTitle, QString::fromStdString(request.text), Buttons(request.buttons),
                    QApplication::activeWindow());
    if (request.buttons == MessageButtons::YesNoCancel || request.buttons == MessageButtons::OkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return Answer(box.exec());
}

}  // namespace kirvo
