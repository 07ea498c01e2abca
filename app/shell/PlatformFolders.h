// The player's folders as the desktop names them (XDG user folders).
#pragma once

#include "shell/FolderSetup.h"

namespace kirvo {

UserFolders PlatformUserFolders();

}  // namespace kirvo
