// MessageSink: where the game's messages and questions go. The program hands one in — a real
// dialog in the game, a recorder in tests — and every message goes through Tell with a text
// already translated; "$D" in it becomes a line break.
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

using MessageSink = std::function<MessageAnswer(const MessageRequest&)>;

// Without a sink the answer is Cancel for questions that offer it, else No, else Ok: never the
// answer that goes ahead with something.
MessageAnswer Tell(const MessageSink& sink, std::string_view text, MessageButtons buttons, MessageIcon icon);

}  // namespace kirvo
