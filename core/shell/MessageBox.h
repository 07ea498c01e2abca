// The one message box of the game. Every message and question goes through ShowMessage, which
// turns a message key into the player's text ("$D" becomes a line break) and hands it to the
// presenter the program installed: a real dialog in the game, a recorder in tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kirvo {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string key;   // "MS_..." for messages, "Q_..." for questions
    std::string text;  // what the player reads
    MessageButtons buttons;
    MessageIcon icon;
};

using MessagePresenter = std::function<MessageAnswer(const MessageRequest&)>;

// Installs the presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Without a presenter the answer is Cancel for questions that offer it, else No, else Ok:
// never the answer that goes ahead with something.
MessageAnswer ShowMessage(std::string_view key, MessageButtons buttons, MessageIcon icon);

// The text shown for a key: the built-in English text, or the key itself when there is none.
std::string MessageText(std::string_view key);

}  // namespace kirvo
