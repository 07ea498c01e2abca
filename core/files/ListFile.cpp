#include "files/ListFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "files/Folders.h"

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
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    return ParseListFile(text);
}

bool IsDistributedJigsaw(const std::vector<std::string>& distributedJigsaws, const std::string& fileName)
{
    return std::any_of(distributedJigsaws.begin(), distributedJigsaws.end(),
                       [&](const std::string& line) { return SameNameIgnoringCase(line, fileName); });
}

}  // namespace kirvo
