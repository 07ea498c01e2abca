#include "settings/ConfigLines.h"

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "base/ListFile.h"
#include "base/TextFormat.h"

#include <charconv>
#include <cstdint>
#include <span>

namespace kirvo {

namespace {

std::string Bracketed(char open, std::string_view name, char close)
{
    std::string text(1, open);
    text.append(name);
    text += close;
    return text;
}

// First line from `from` that begins with `prefix`, stopping at a line that begins with one of `stops`.
int FindLine(const ConfigLines& config, int from, std::string_view prefix, std::string_view stops)
{
    for (int at = from; at < int(config.lines.size()); ++at) {
        std::string_view line = Trimmed(config.lines[size_t(at)]);
        if (line.starts_with(prefix))
            return at;
        if (!line.empty() && stops.find(line.front()) != std::string_view::npos)
            return -1;
    }
    return -1;
}

std::string SubEntryLine(std::string_view sub, std::string_view value)
{
    return "   " + Bracketed('<', sub, '>') + " " + std::string(value);
}

std::string SubEntryHeading(std::string_view sub) { return "   " + Bracketed('<', sub, '>'); }

std::string KeyLine(std::string_view key, std::string_view value)
{
    return "      " + std::string(key) + "=" + std::string(value);
}

}  // namespace

CfgPosition CfgFind(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key)
{
    section = Trimmed(section);
    sub = Trimmed(sub);
    key = Trimmed(key);
    CfgPosition found;
    found.section = FindLine(config, 0, Bracketed('[', section, ']'), {});
    if (found.section < 0)
        return found;
    found.sub = FindLine(config, found.section + 1, Bracketed('<', sub, '>'), "[");
    if (found.sub < 0 || key.empty())
        return found;
    found.key = FindLine(config, found.sub + 1, std::string(key) + "=", "[<");
    return found;
}

std::string CfgReadString(const ConfigLines& config, std::string_view section, std::string_view sub,
                          std::string_view key, std::string_view fallback)
{
    CfgPosition found = CfgFind(config, section, sub, key);
    int at = Trimmed(key).empty() ? found.sub : found.key;
    if (at < 0)
        return std::string(fallback);
    std::string_view line = Trimmed(config.lines[size_t(at)]);
    size_t skip = Trimmed(key).empty() ? Trimmed(sub).size() + 2 : Trimmed(key).size() + 1;
    return std::string(Trimmed(line.substr(skip)));
}

int CfgReadInt(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
               int fallback)
{
    std::string text = CfgReadString(config, section, sub, key, std::to_string(fallback));
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return fallback;
    return value;
}

bool CfgReadBool(const ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                 bool fallback)
{
    int value = CfgReadInt(config, section, sub, key, fallback ? 1 : 0);
    return value == 0 || value == 1 ? value == 1 : fallback;
}

void CfgWriteString(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                    std::string_view value)
{
    section = Trimmed(section);
    sub = Trimmed(sub);
    key = Trimmed(key);
    std::vector<std::string>& lines = config.lines;
    CfgPosition found = CfgFind(config, section, sub, key);
    if (found.section < 0) {
        if (!lines.empty())
            lines.insert(lines.end(), 2, std::string());
        lines.push_back(Bracketed('[', section, ']'));
        found.section = int(lines.size()) - 1;
    }
    auto below = [&](int at) { return lines.begin() + at + 1; };
    if (found.sub < 0) {
        if (key.empty()) {
            lines.insert(below(found.section), SubEntryLine(sub, value));
        } else {
            lines.insert(below(found.section), {SubEntryHeading(sub), KeyLine(key, value)});
        }
    } else if (key.empty()) {
        lines[size_t(found.sub)] = SubEntryLine(sub, value);
    } else if (found.key >= 0) {
        lines[size_t(found.key)] = KeyLine(key, value);
    } else {
        lines.insert(below(found.sub), KeyLine(key, value));
    }
}

void CfgWriteInt(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key, int value)
{
    CfgWriteString(config, section, sub, key, std::to_string(value));
}

void CfgWriteBool(ConfigLines& config, std::string_view section, std::string_view sub, std::string_view key,
                  bool value)
{
    CfgWriteString(config, section, sub, key, value ? "1" : "0");
}

Result<ConfigLines> LoadConfigLines(const std::string& path)
{
    if (!FileExists(path))
        return ConfigLines{};
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    const std::vector<uint8_t>& text = bytes.value();
    ConfigLines config {ParseListFile(std::span(reinterpret_cast<const char*>(text.data()), text.size()))};
    // Nothing the game or a player writes is that long: such a line would be written back at
    // every exit.
    std::erase_if(config.lines, [](const std::string& line) { return line.size() > kLongestConfigLine; });
    return config;
}

Result<> SaveConfigLines(const ConfigLines& config, const std::string& path)
{
    std::string text;
    for (const std::string& line : config.lines)
        text.append(line).append("\r\n");
    return WriteFileDurably(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace kirvo
