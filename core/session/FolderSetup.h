// Start-up folder set-up: works out every path of FILE_NAMES, makes the player's folders and
// copies what comes with the program into them.
//
// On every start, the distributed jigsaws missing from the personal jigsaws folder are copied
// again. On the first run only (no settings file yet), the first-run jigsaws, the autosave file
// and the sample saved games are copied too. Nothing that exists is ever overwritten. Failures
// are not reported here: a folder that cannot be made or a copy that fails shows up later, with
// its reason, where a file in it is needed.
#pragma once

#include <string>

#include "game/FileNames.h"

namespace kirvo {

// The player's folders as the platform reports them; any of them may be empty.
struct UserFolders {
    std::string home;
    std::string documents;
    std::string pictures;
    std::string localAppData;  // the folder applications keep their per-user data in
    std::string temp;
};

void SetUpFolders(FILE_NAMES& names, const std::string& programFolder, const UserFolders& user);

// Deletes the extraction temp file; the last step before exit.
void CleanUpFiles(const FILE_NAMES& names);

}  // namespace kirvo
