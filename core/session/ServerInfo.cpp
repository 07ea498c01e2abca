#include "session/ServerInfo.h"

#include "base/TextFormat.h"

namespace kirvo {

ServerInfo ParseServerInfo(std::string_view text)
{
    ServerInfo info;
    while (!text.empty()) {
        size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string key = LowerTrimmed(line.substr(0, colon));
        std::string value = LowerTrimmed(line.substr(colon + 1));
        if (key == "ext" && !value.empty())
            info.ext = value;
    }
    if (info.ext.empty())
        return info;
    if (info.ext.find('.') == std::string::npos)
        info.ext.insert(0, ".");
    info.loaded = true;
    return info;
}

}  // namespace kirvo
