// The player's folders as the desktop names them (XDG user folders).
#pragma once

#include "session/FolderSetup.h"

namespace kirvo {

UserFolders PlatformUserFolders();

}  // namespace kirvo
