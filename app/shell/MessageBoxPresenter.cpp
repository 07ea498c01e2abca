#include "shell/MessageBoxPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "diagnostics/DialogText.h"
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

MessageAnswer PresentMessageBox(const MessageRequest& request, const Translator& translator)
{
    QMessageBox box(Icon(request.icon), kApplicationTitle, QString::fromStdString(request.text), Buttons(request.buttons),
                    QApplication::activeWindow());
    const struct {
        QMessageBox::StandardButton button;
        QString text;
    } captions[] = {
        {QMessageBox::Ok, DialogText(translator, LangSection::All, "B_Ok", "OK")},
        {QMessageBox::Cancel, DialogText(translator, LangSection::All, "B_Cancel", "Cancel")},
        {QMessageBox::Yes, DialogText(translator, LangSection::All, "B_Yes", "Yes")},
        {QMessageBox::No, DialogText(translator, LangSection::All, "B_No", "No")},
    };
    for (const auto& [button, text] : captions)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(text);
    if (request.buttons == MessageButtons::YesNoCancel || request.buttons == MessageButtons::OkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return Answer(box.exec());
}

}  // namespace kirvo
