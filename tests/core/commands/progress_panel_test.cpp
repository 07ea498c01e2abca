#include "commands/ProgressPanel.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ProgressPanel, StepsFillTheBarBetweenTheMarginsAndStopAtTheTotal)
{
    ProgressPanel panel;
    ShowProgress(panel, 3);
    EXPECT_TRUE(panel.shown);
    EXPECT_EQ(ProgressBarWidth(370), 300);
    const int expected[] = {100, 200, 300, 300};
    for (int width : expected) {
        StepProgress(panel);
        EXPECT_EQ(ProgressDoneWidth(panel, 370), width);
    }
    HideProgress(panel);
    EXPECT_FALSE(panel.shown);
    EXPECT_EQ(ProgressDoneWidth(panel, 370), 0);
}

TEST(ProgressPanel, NoStepsAndNarrowPanelsStayInRange)
{
    ProgressPanel panel;
    ShowProgress(panel, 0);
    StepProgress(panel);
    EXPECT_EQ(ProgressDoneWidth(panel, 370), 300);
    EXPECT_EQ(ProgressBarWidth(50), 0);
}

}  // namespace
}  // namespace kirvo
