#include "base/Random.h"

#include <gtest/gtest.h>

#include "base/Rounding.h"

namespace kirvo {
namespace {

TEST(Random, KnownSequenceFrom12345)
{
    Random random(12345);
    EXPECT_EQ(random(100), 38);
    EXPECT_EQ(random(100), 28);
    EXPECT_EQ(random(100), 7);
    EXPECT_EQ(random(2), 1);
    EXPECT_EQ(random(60), 38);
}

TEST(Random, StaysBelowTheLimitAndStepsTheState)
{
    Random random(0);
    for (int i = 0; i < 1000; ++i) {
        uint32_t before = random.state;
        int value = random(7);
        EXPECT_EQ(random.state, before * 134775813u + 1u);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
    }
    EXPECT_EQ(random(1), 0);
}

TEST(Rounding, HalvesGoToEven)
{
    struct Case {
        double value;
        int rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {151.5, 152}, {2.4999, 2}, {-2.6, -3}, {7.0, 7}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

}  // namespace
}  // namespace kirvo
