// What the game does with a file named on its command line.
//
// A saved game is resumed at once. A jigsaw comes up in the browser, selected, as a recent one
// does; the browser lists only the player's jigsaws folder, so a jigsaw from elsewhere is copied
// in first. One that cannot join the folder (another jigsaw of its name is there, or the copy
// fails) is started at once with the standing choices. Any other file is opened all the same, so
// that the player is told why it cannot be.
#pragma once

#include <string>

#include "game/FileNames.h"

namespace kirvo {

enum class CommandLineAction { Open, Browse };

struct CommandLineFile {
    CommandLineAction action = CommandLineAction::Open;
    std::string path;  // absolute: the file named, or its copy among the player's jigsaws
};

// `path` may be relative to the working folder.
CommandLineFile TakeCommandLineFile(const FILE_NAMES& names, const std::string& path);

}  // namespace kirvo
