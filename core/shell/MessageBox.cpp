#include "shell/MessageBox.h"

#include <map>
#include <utility>

namespace kirvo {

namespace {

MessagePresenter& Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

const std::map<std::string, std::string, std::less<>>& EnglishTexts()
{
    static const std::map<std::string, std::string, std::less<>> texts = {
        {"Q_SaveChanges", "The current game has changed.$DDo you want to save it?"},
    };
    return texts;
}

std::string ReplaceLineBreaks(std::string_view text)
{
    std::string result;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, 2) == "$D") {
            result += '\n';
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
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

std::string MessageText(std::string_view key)
{
    auto found = EnglishTexts().find(key);
    return ReplaceLineBreaks(found != EnglishTexts().end() ? std::string_view(found->second) : key);
}

MessageAnswer ShowMessage(std::string_view key, MessageButtons buttons, MessageIcon icon)
{
    if (!Presenter())
        return CautiousAnswer(buttons);
    return Presenter()(MessageRequest{std::string(key), MessageText(key), buttons, icon});
}

}  // namespace kirvo
