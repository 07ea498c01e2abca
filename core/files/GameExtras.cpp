#include "files/GameExtras.h"

#include <charconv>
#include <climits>
#include <optional>
#include <string_view>

#include "base/DurableFile.h"
#include "base/ListFile.h"
#include "base/TextFormat.h"

namespace kirvo {

namespace {

constexpr std::string_view kPlayed = "played";
constexpr std::string_view kFindUses = "find";
// Ten years of play: anything larger is not a time this game measured.
constexpr int64_t kLongestPlay = int64_t(10) * 366 * 24 * 3600;

// A whole number from 0 to limit, or nothing.
std::optional<int64_t> Count(std::string_view text, int64_t limit)
{
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit)
        return std::nullopt;
    return value;
}

}  // namespace

std::string GameExtrasPath(const std::string& savedGame) { return savedGame + ".extra"; }

GameExtras ReadGameExtras(const std::string& savedGame)
{
    GameExtras extras;
    const std::optional<std::vector<std::string>> lines = LoadListFile(GameExtrasPath(savedGame));
    for (const std::string& line : lines.value_or(std::vector<std::string>())) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string_view key = Trimmed(std::string_view(line).substr(0, equals));
        const std::string_view value = Trimmed(std::string_view(line).substr(equals + 1));
        if (key == kPlayed) {
            if (std::optional<int64_t> seconds = Count(value, kLongestPlay))
                extras.playedSeconds = *seconds;
        } else if (key == kFindUses) {
            if (std::optional<int64_t> uses = Count(value, INT32_MAX))
                extras.findUses = int(*uses);
        }
    }
    return extras;
}

Result<> WriteGameExtras(const std::string& savedGame, const GameExtras& extras)
{
    const std::string text = std::string(kPlayed) + "=" + std::to_string(extras.playedSeconds) + "\n"
                             + std::string(kFindUses) + "=" + std::to_string(extras.findUses) + "\n";
    return WriteFileDurably(GameExtrasPath(savedGame),
                            {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

}  // namespace kirvo
