#include "session/MessageBox.h"

#include <utility>

#include "base/TextFormat.h"

namespace kirvo {

namespace {

MessagePresenter& Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

MessageAnswer CautiousAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

MessageAnswer MsgBox(std::string_view text, MessageButtons buttons, MessageIcon icon)
{
    if (!Presenter())
        return CautiousAnswer(buttons);
    return Presenter()(MessageRequest{WideReplace(text, "$D", "\n", kReplaceAll), buttons, icon});
}

}  // namespace kirvo
