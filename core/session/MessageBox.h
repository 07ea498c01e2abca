// The one message box of the game. Every message and question goes through MsgBox with a text
// already looked up in the translation (LangText); "$D" in it becomes a line break. The box
// itself is the presenter the program installed: a real dialog in the game, a recorder in tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kirvo {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;  // what the player reads
    MessageButtons buttons;
    MessageIcon icon;
};

using MessagePresenter = std::function<MessageAnswer(const MessageRequest&)>;

// Installs the presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Without a presenter the answer is Cancel for questions that offer it, else No, else Ok:
// never the answer that goes ahead with something.
MessageAnswer MsgBox(std::string_view text, MessageButtons buttons, MessageIcon icon);

}  // namespace kirvo
