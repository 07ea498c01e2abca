#include "session/CommandLineFile.h"

#include <filesystem>
#include <system_error>

#include "base/Folders.h"
#include "files/JigsawFile.h"

namespace kirvo {

namespace {

bool SameBytes(const std::string& a, const std::string& b)
{
    Result<std::vector<uint8_t>> first = ReadFileBytes(a);
    Result<std::vector<uint8_t>> second = ReadFileBytes(b);
    return first && second && first.value() == second.value();
}

}  // namespace

CommandLineFile TakeCommandLineFile(const FILE_NAMES& names, const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
    const CommandLineFile open {CommandLineAction::Open, absolute.string()};
    if (error || !HasJigsawExtension(open.path) || !std::filesystem::is_regular_file(absolute, error))
        return open;

    const std::string inFolder = names.personalJigsawsFolder + absolute.filename().string();
    if (std::filesystem::equivalent(absolute, inFolder, error) || SameBytes(open.path, inFolder))
        return {CommandLineAction::Browse, inFolder};
    if (FileExists(inFolder))
        return open;
    Result<bool> copied = CopyIfMissing(open.path, inFolder);
    return copied && copied.value() ? CommandLineFile {CommandLineAction::Browse, inFolder} : open;
}

}  // namespace kirvo
