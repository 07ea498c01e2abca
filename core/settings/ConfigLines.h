// The settings file as a list of text lines, and the keyed reads and writes over it.
//
// The file has sections ("[Main]"), sub-entries inside sections that either carry a value
// ("   <Sound> 1") or head keyed values ("   <AutoSave>"), and keyed values ("      Interval=10").
// Lines are matched trimmed, by case-sensitive prefix; every line that is not written through
// these functions (blank lines, the player's own text) stays exactly where it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace kirvo {

struct ConfigLines {
    std::vector<std::string> lines;
};

struct CfgPosition {
    int section = -1;  // line index; -1 = not found
    int sub = -1;
    int key = -1;
};

// Finds the section, then the sub-entry below it up to the next section, then (when key is not
// empty) the key below the sub-entry up to the next section or sub-entry.
CfgPosition CfgFind(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key);

// The trimmed text after "<sub>" (empty key) or after "key="; the default when anything is missing.
std::string CfgReadString(const ConfigLines& config, std::string_view section, std::string_view sub,
                          std::string_view key, std::string_view fallback);
// The default unless the whole text is a decimal integer that fits.
int CfgReadInt(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
               int fallback);
// Only 0 and 1 are booleans; anything else gives the default.
bool CfgReadBool(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                 bool fallback);

// Replaces the matched line, or inserts what is missing directly below its parent (a missing
// section goes to the end, after two empty lines).
void CfgWriteString(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                    std::string_view value);
void CfgWriteInt(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key, int value);
void CfgWriteBool(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                  bool value);

// Lines end at CR, LF or CR LF; lines longer than kLongestConfigLine are left out. A missing file
// gives no lines, one that cannot be read the reason.
inline constexpr size_t kLongestConfigLine = 65536;
Result<ConfigLines> LoadConfigLines(const std::string& path);
// Writes every line followed by CR LF, replacing the file whole and durably (base/DurableFile.h).
Result<> SaveConfigLines(const ConfigLines& config, const std::string& path);

}  // namespace kirvo
