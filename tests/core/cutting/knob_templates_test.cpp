#include "cutting/KnobTemplates.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(KnobTemplates, ArtisticSetMeasures)
{
    struct Case {
        int points;
        int baseLine;
        int reachUp;
        int reachDown;
    } cases[] = {{25, 31, 32, 14}, {19, 31, 17, 17}, {25, 31, 1, 29},  {13, 31, 28, 28}, {13, 31, 16, 28}, {13, 31, 28, 21},
                 {22, 31, 32, 17}, {19, 41, 42, 40}, {19, 41, 42, 21}, {19, 31, 32, 30}, {13, 31, 6, 12},  {7, 31, 14, 1},
                 {13, 31, 16, 16}, {13, 31, 32, 1},  {31, 31, 26, 10}, {37, 31, 32, 5}};
    std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Artistic);
    ASSERT_EQ(templates.size(), 16u);
    for (size_t i = 0; i < templates.size(); ++i) {
        const KnobTemplate& knob = templates[i];
        SCOPED_TRACE(::testing::Message() << "A" << i);
        EXPECT_EQ(int(knob.points.size()), cases[i].points);
        EXPECT_EQ(knob.baseLine, cases[i].baseLine);
        EXPECT_EQ(knob.length, 127);
        EXPECT_EQ(knob.reachUp, cases[i].reachUp);
        EXPECT_EQ(knob.reachDown, cases[i].reachDown);
        // Every knob runs along its side from one end of the base line to the other.
        EXPECT_EQ(knob.points.front().x, 0);
        EXPECT_EQ(knob.points.front().y, knob.baseLine);
        EXPECT_EQ(knob.points.back().x, 127);
        EXPECT_EQ(knob.points.back().y, knob.baseLine);
    }
}

TEST(KnobTemplates, GridSetRepeatsFourArtisticOutlinesAndMeasuresWithoutTheExtraRow)
{
    std::vector<KnobTemplate> artistic = LoadKnobTemplates(KnobSet::Artistic);
    std::vector<KnobTemplate> grid = LoadKnobTemplates(KnobSet::Grid);
    ASSERT_EQ(grid.size(), 7u);
    const int repeated[] = {0, 13, 14, 15};
    for (int c = 0; c < 4; ++c) {
        const KnobTemplate& a = artistic[repeated[c]];
        ASSERT_EQ(grid[c].points.size(), a.points.size());
        for (size_t i = 0; i < a.points.size(); ++i) {
            EXPECT_EQ(grid[c].points[i].x, a.points[i].x);
            EXPECT_EQ(grid[c].points[i].y, a.points[i].y);
        }
        EXPECT_EQ(grid[c].reachUp, a.reachUp - 1) << "C" << c;
        EXPECT_EQ(grid[c].reachDown, 0) << "C" << c;
    }
    struct Case {
        int points;
        int reachUp;
    } others[] = {{25, 24}, {28, 31}, {31, 12}};  // C4 to C6: least on-path y 7, 0 and 19
    for (int c = 4; c < 7; ++c) {
        EXPECT_EQ(int(grid[c].points.size()), others[c - 4].points) << "C" << c;
        EXPECT_EQ(grid[c].reachUp, others[c - 4].reachUp) << "C" << c;
        EXPECT_EQ(grid[c].baseLine, 31);
        EXPECT_EQ(grid[c].length, 127);
    }
}

}  // namespace
}  // namespace kirvo
