// Shows the game's messages and questions as dialogs owned by the active window, their buttons
// captioned in the game's language.
#pragma once

#include "session/MessageSink.h"
#include "settings/Translation.h"

namespace kirvo {

MessageAnswer PresentMessageBox(const MessageRequest& request, const Translator& translator);

}  // namespace kirvo
