// Shows the game's messages and questions as dialogs owned by the active window.
#pragma once

#include "session/MessageSink.h"

namespace kirvo {

MessageAnswer PresentMessageBox(const MessageRequest& request);

}  // namespace kirvo
