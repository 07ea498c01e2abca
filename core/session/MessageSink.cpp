#include "session/MessageSink.h"

#include "base/TextFormat.h"

namespace kirvo {

namespace {

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

MessageAnswer Tell(const MessageSink& sink, std::string_view text, MessageButtons buttons, MessageIcon icon)
{
    if (!sink)
        return CautiousAnswer(buttons);
    return sink(MessageRequest{WideReplace(text, "$D", "\n", kReplaceAll), buttons, icon});
}

}  // namespace kirvo
