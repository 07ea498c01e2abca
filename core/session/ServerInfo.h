// The download server's information file "info.dat": which extension its jigsaw archives have.
//
// The file is text, one "key: value" entry a line. Key and value are trimmed and lower-cased; a
// line without ":" or with an empty key or value is skipped, and a later entry overrides an
// earlier one. Only "ext" is used; the information counts as loaded when it gave an extension.
#pragma once

#include <string>
#include <string_view>

namespace kirvo {

struct ServerInfo {
    bool loaded = false;
    std::string ext;  // with its leading dot: ".rar"
};

ServerInfo ParseServerInfo(std::string_view text);

}  // namespace kirvo
