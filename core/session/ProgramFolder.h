// Where the program's data lies: beside the executable when it runs from the build folder, or in
// the data folder it was installed with.
#pragma once

#include <string>

namespace kirvo {

// The installed data folder when `installedData` (a path relative to the executable's folder, such
// as "../share/kirvo-jigsaw-pleo3") names a folder; otherwise the executable's own folder. The
// answer is a plain path ending with "/", without "." or ".." steps.
std::string FindProgramFolder(const std::string& executableFolder, const std::string& installedData);

}  // namespace kirvo
