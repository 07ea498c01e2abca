#include "base/ListFile.h"

#include <algorithm>
#include <iterator>

#include "base/Folders.h"

namespace kirvo {

std::vector<std::string> ParseListFile(std::span<const char> text)
{
    auto end = std::find(text.begin(), text.end(), '\0');
    std::vector<std::string> lines;
    std::string line;
    bool open = false;  // whether the text after the last line break holds a line
    for (auto it = text.begin(); it != end; ++it) {
        if (*it == '\r' || *it == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            if (*it == '\r' && std::next(it) != end && *std::next(it) == '\n')
                ++it;
            continue;
        }
        line += *it;
        open = true;
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

std::optional<std::vector<std::string>> LoadListFile(const std::string& path)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return ParseListFile(std::span(reinterpret_cast<const char*>(bytes.value().data()), bytes.value().size()));
}

bool IsDistributedJigsaw(const std::vector<std::string>& distributedJigsaws, const std::string& fileName)
{
    return std::any_of(distributedJigsaws.begin(), distributedJigsaws.end(),
                       [&](const std::string& line) { return SameNameIgnoringCase(line, fileName); });
}

}  // namespace kirvo
