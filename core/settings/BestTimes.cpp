#include "settings/BestTimes.h"

#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "base/ListFile.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace {

struct BestTimeLine {
    int64_t seconds = 0;
    BestTimeKey key;
};

std::optional<int64_t> Number(std::string_view text)
{
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<BestTimeLine> ParseLine(std::string_view line)
{
    std::string_view fields[5];
    for (int i = 0; i < 4; ++i) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return std::nullopt;
        fields[i] = line.substr(0, tab);
        line = line.substr(tab + 1);
    }
    fields[4] = line;
    const std::optional<int64_t> seconds = Number(fields[0]);
    const std::optional<int64_t> level = Number(fields[1]);
    const std::optional<int64_t> shape = Number(fields[2]);
    const std::optional<int64_t> rotation = Number(fields[3]);
    if (!seconds || !level || !shape || !rotation || *rotation > 1 || *level > 1000 || *shape > 1000 || fields[4].empty())
        return std::nullopt;
    return BestTimeLine {*seconds, {std::string(fields[4]), int(*level), int(*shape), *rotation == 1}};
}

bool SameKey(const BestTimeKey& a, const BestTimeKey& b)
{
    return a.level == b.level && a.shape == b.shape && a.rotation == b.rotation && SameNameIgnoringCase(a.jigsaw, b.jigsaw);
}

// The file's lines without the empty ones; none when it cannot be read.
std::vector<std::string> ReadLines(const std::string& file)
{
    std::vector<std::string> lines = LoadListFile(file).value_or(std::vector<std::string>());
    std::erase(lines, std::string());
    return lines;
}

}  // namespace

std::optional<int64_t> ReadBestTime(const std::string& file, const BestTimeKey& key)
{
    for (const std::string& line : ReadLines(file))
        if (std::optional<BestTimeLine> entry = ParseLine(line); entry && SameKey(entry->key, key))
            return entry->seconds;
    return std::nullopt;
}

Result<bool> RecordBestTime(const std::string& file, const BestTimeKey& key, int64_t seconds)
{
    std::vector<std::string> lines = ReadLines(file);
    const std::string line = std::to_string(seconds) + "\t" + std::to_string(key.level) + "\t" + std::to_string(key.shape)
                             + "\t" + (key.rotation ? "1" : "0") + "\t" + key.jigsaw;
    bool found = false;
    for (std::string& kept : lines) {
        const std::optional<BestTimeLine> entry = ParseLine(kept);
        if (!entry || !SameKey(entry->key, key))
            continue;
        if (entry->seconds <= seconds)
            return false;
        kept = line;
        found = true;
        break;
    }
    if (!found)
        lines.push_back(line);
    std::string text;
    for (const std::string& kept : lines)
        text += kept + "\n";
    if (Result<> written = WriteFileDurably(file, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}); !written)
        return Fail(written.error());
    return true;
}

std::string PlayTimeText(int64_t seconds)
{
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02d:%02d", static_cast<long long>(seconds / 3600), int(seconds / 60 % 60),
                      int(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%d:%02d", int(seconds / 60), int(seconds % 60));
    return text;
}

}  // namespace kirvo
