#include "game/DrawOrder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <utility>
#include <vector>

namespace kirvo {

void PrintTo(const DrawOrderEntry& entry, std::ostream* out) { *out << "(" << entry.group << ", " << entry.piece << ")"; }

namespace {

// The plain exchange sort the draw order must match, ties included.
std::vector<DrawOrderEntry> ExchangeSorted(std::vector<DrawOrderEntry> list, SortOrder order)
{
    const size_t n = list.size();
    for (size_t j = 0; j + 1 < n; ++j)
        for (size_t k = j + 1; k < n; ++k)
            if (order == SortOrder::Ascending ? list[k].group < list[j].group : list[k].group > list[j].group)
                std::swap(list[j], list[k]);
    return list;
}

std::vector<DrawOrderEntry> TableOrder(const GameState& state)
{
    std::vector<DrawOrderEntry> list;
    for (int i = 0; i < state.descriptor.TotalTileNum; ++i)
        list.push_back({state.pieces[i].group, i});
    return list;
}

GameState WithGroups(const std::vector<int32_t>& groups, const std::vector<int>& selected = {})
{
    GameState state;
    state.descriptor.TotalTileNum = int(groups.size());
    AllocatePieceTable(state, state.descriptor.TotalTileNum);
    for (size_t i = 0; i < groups.size(); ++i)
        state.pieces[i].group = groups[i];
    for (int piece : selected)
        state.pieces[piece].selected = true;
    return state;
}

std::vector<int32_t> Groups(const GameState& state)
{
    std::vector<int32_t> groups;
    for (int i = 0; i < state.descriptor.TotalTileNum; ++i)
        groups.push_back(state.pieces[i].group);
    return groups;
}

TEST(DrawOrder, ExchangeSortIsNotStable)
{
    GameState state = WithGroups({1, 1, 0});
    SortDrawOrder(state, SortOrder::Ascending);
    EXPECT_EQ(state.drawOrder, (std::vector<DrawOrderEntry> {{0, 2}, {1, 1}, {1, 0}}));

    state = WithGroups({0, 0, 1});
    SortDrawOrder(state, SortOrder::Descending);
    EXPECT_EQ(state.drawOrder, (std::vector<DrawOrderEntry> {{1, 2}, {0, 1}, {0, 0}}));
}

TEST(DrawOrder, MatchesThePlainExchangeSortOnRandomTables)
{
    std::mt19937 random(20240611);
    for (int size : {0, 1, 2, 3, 4, 7, 16, 61, 250}) {
        for (int groupRange : {1, 2, 3, size / 4 + 1, size + 1}) {
            for (int round = 0; round < 20; ++round) {
                std::vector<int32_t> groups(size);
                for (int32_t& group : groups)
                    group = int32_t(random() % groupRange);
                GameState state = WithGroups(groups);
                for (SortOrder order : {SortOrder::Ascending, SortOrder::Descending}) {
                    SortDrawOrder(state, order);
                    ASSERT_EQ(state.drawOrder, ExchangeSorted(TableOrder(state), order))
                        << "size " << size << ", groups below " << groupRange
                        << (order == SortOrder::Ascending ? ", ascending" : ", descending");
                }
            }
        }
    }
}

TEST(DrawOrder, OnlyTheFirstTotalTileNumRecordsArePieces)
{
    GameState state = WithGroups({2, 0, 1});
    state.pieces[3].group = -5;  // the spare record kept for a border piece
    SortDrawOrder(state, SortOrder::Ascending);
    EXPECT_EQ(state.drawOrder, (std::vector<DrawOrderEntry> {{0, 1}, {1, 2}, {2, 0}}));
}

TEST(DrawOrder, BringGroupToTop)
{
    const struct {
        const char* name;
        std::vector<int32_t> before;
        int32_t group;
        std::vector<int32_t> after;
    } cases[] = {
        {"groups above drop by one", {3, 0, 3, 5, 1, 2}, 3, {5, 0, 5, 4, 1, 2}},
        {"bottom group", {0, 1, 2, 0}, 0, {3, 0, 1, 3}},
        {"already on top", {0, 1, 2}, 2, {0, 1, 2}},
        {"numbers with gaps", {0, 4, 4, 1, 1}, 0, {4, 3, 3, 0, 0}},
    };
    for (const auto& c : cases) {
        GameState state = WithGroups(c.before);
        state.drawOrder = {{99, 99}};
        BringGroupToTop(state, c.group);
        EXPECT_EQ(Groups(state), c.after) << c.name;
        EXPECT_EQ(state.drawOrder, ExchangeSorted(TableOrder(state), SortOrder::Ascending)) << c.name;
    }
}

TEST(DrawOrder, BringSelectionToTop)
{
    const struct {
        const char* name;
        std::vector<int32_t> before;
        std::vector<int> selected;
        std::vector<int32_t> after;
    } cases[] = {
        // Groups 0 and 4 are selected; 2, 3, 6 stay below in their order, then 0 and 4.
        {"selected groups on top, in order", {4, 0, 4, 6, 2, 3, 6}, {0, 1, 2}, {4, 3, 4, 2, 0, 1, 2}},
        {"nothing selected renumbers densely", {5, 5, 2, 0, 5, 2}, {}, {2, 2, 1, 0, 2, 1}},
        {"everything selected", {3, 1, 1}, {0, 1, 2}, {1, 0, 0}},
        {"top group selected", {0, 2, 1}, {1}, {0, 2, 1}},
    };
    for (const auto& c : cases) {
        GameState state = WithGroups(c.before, c.selected);
        BringSelectionToTop(state);
        EXPECT_EQ(Groups(state), c.after) << c.name;
        EXPECT_EQ(state.drawOrder, ExchangeSorted(TableOrder(state), SortOrder::Ascending)) << c.name;
    }
}

}  // namespace
}  // namespace kirvo
