// The facts the system report gives about the computer: kernel, distribution, processor, memory,
// screens, the versions of the libraries the program uses, and its folders.
#pragma once

#include "game/FileNames.h"
#include "session/SystemReport.h"

namespace kirvo {

ComputerFacts GatherComputerFacts(const FILE_NAMES& names);

}  // namespace kirvo
