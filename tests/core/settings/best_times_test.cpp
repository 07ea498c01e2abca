#include "settings/BestTimes.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

// A time counts per jigsaw (without case), level, shape and rotation; only a shorter one replaces
// it, and lines of another kind are kept.
TEST(BestTimes, OnlyAShorterTimeOfTheSameChoicesReplacesTheBest)
{
    testing::TempFolder folder;
    const std::string file = folder.Write("besttimes.txt", "not a time\n");
    const BestTimeKey garden {"Garden", 5, 0, true};
    EXPECT_FALSE(ReadBestTime(file, garden));
    EXPECT_EQ(RecordBestTime(file, garden, 600).value(), true);
    EXPECT_EQ(RecordBestTime(file, {"garden", 5, 0, true}, 700).value(), false);
    EXPECT_EQ(RecordBestTime(file, garden, 550).value(), true);
    EXPECT_EQ(RecordBestTime(file, {"garden", 6, 0, true}, 900).value(), true);
    EXPECT_EQ(RecordBestTime(file, {"garden", 5, 0, false}, 800).value(), true);
    EXPECT_EQ(ReadBestTime(file, {"GARDEN", 5, 0, true}), 550);
    EXPECT_EQ(ReadBestTime(file, {"garden", 5, 1, true}), std::nullopt);
    EXPECT_EQ(testing::ReadText(file),
              "not a time\n550\t5\t0\t1\tGarden\n900\t6\t0\t1\tgarden\n800\t5\t0\t0\tgarden\n");
}

TEST(BestTimes, PlayTimeText)
{
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0:00"}, {59, "0:59"}, {61, "1:01"}, {3599, "59:59"}, {3600, "1:00:00"}, {90061, "25:01:01"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(PlayTimeText(seconds), text) << seconds;
}

}  // namespace
}  // namespace kirvo
