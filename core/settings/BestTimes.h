// BestTimes: the shortest time each jigsaw was solved in, per piece-size level, shape style and
// rotation, kept in a text file of the settings folder ("besttimes.txt"), one line each:
// seconds, level, shape, rotation (0 or 1) and the jigsaw name, separated by tabs. Lines that do
// not read so are kept as they are and otherwise left alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Result.h"

namespace kirvo {

inline constexpr const char* kBestTimesFile = "besttimes.txt";

struct BestTimeKey {
    std::string jigsaw;  // compared without case
    int level = 0;
    int shape = 0;
    bool rotation = false;
};

std::optional<int64_t> ReadBestTime(const std::string& file, const BestTimeKey& key);
// Keeps seconds as the best time when none is kept or it is shorter; true when it did.
Result<bool> RecordBestTime(const std::string& file, const BestTimeKey& key, int64_t seconds);

// "m:ss", or "h:mm:ss" from an hour on.
std::string PlayTimeText(int64_t seconds);

}  // namespace kirvo
