#include "session/ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "base/Folders.h"

namespace kirvo {

std::string FindProgramFolder(const std::string& executableFolder, const std::string& installedData)
{
    const std::filesystem::path executable(executableFolder);
    std::filesystem::path chosen = executable;
    std::error_code error;
    if (!installedData.empty() && std::filesystem::is_directory(executable / installedData, error))
        chosen = executable / installedData;
    return NormaliseFolder(chosen.lexically_normal().string());
}

}  // namespace kirvo
