#include "game/DrawOrder.h"

#include <algorithm>
#include <cassert>
#include <deque>
#include <numeric>

namespace kirvo {
namespace {

bool Precedes(int32_t a, int32_t b, SortOrder order) { return order == SortOrder::Ascending ? a < b : a > b; }

// Moves the front entry to the back, count times.
void Rotate(std::deque<DrawOrderEntry>& queue, int count)
{
    if (queue.empty())
        return;
    for (count %= int(queue.size()); count > 0; --count) {
        queue.push_back(queue.front());
        queue.pop_front();
    }
}

// Sorts in the order of the exchange sort the draw order has always used (for each j, swap entry
// j with every later entry k whose group precedes it), in O(n log n) instead of O(n^2). That sort
// is not stable, and the order it leaves the pieces of one group in is kept exactly.
//
// The exchange sort moves an entry of group v only while some earlier-sorting group is still
// unplaced, and only like this: when the first v entry comes before every entry of an earlier
// group, it jumps into the place of the first such entry, past the v entries between them. So,
// walking the table, the v entries behave as a queue: a v entry joins at the back, and an entry
// of an earlier group sends the front to the back when the queue is not empty. Once every earlier
// group is placed, the v entries are placed in queue order.
void ExchangeSortOrder(std::vector<DrawOrderEntry>& entries, SortOrder order)
{
    const int n = int(entries.size());
    std::vector<int> byGroup(n);
    std::iota(byGroup.begin(), byGroup.end(), 0);
    std::stable_sort(byGroup.begin(), byGroup.end(),
                     [&](int a, int b) { return Precedes(entries[a].group, entries[b].group, order); });

    std::vector<int> rank(n);  // of the entry's group in the sorted order
    int groupCount = 0;
    for (int k = 0; k < n; ++k) {
        if (k > 0 && entries[byGroup[k]].group != entries[byGroup[k - 1]].group)
            ++groupCount;
        rank[byGroup[k]] = groupCount;
    }
    if (n > 0)
        ++groupCount;

    // earlier[i]: entries before i in the table whose group precedes its own, counted with a
    // Fenwick tree over the group ranks.
    std::vector<int> earlier(n, 0);
    std::vector<int> tree(groupCount + 1, 0);
    for (int i = 0; i < n; ++i) {
        for (int r = rank[i]; r > 0; r -= r & -r)
            earlier[i] += tree[r];
        for (int r = rank[i] + 1; r <= groupCount; r += r & -r)
            ++tree[r];
    }

    std::vector<DrawOrderEntry> sorted;
    sorted.reserve(n);
    std::deque<DrawOrderEntry> queue;
    for (int begin = 0, end = 0; begin < n; begin = end) {
        end = begin + 1;
        while (end < n && rank[byGroup[end]] == rank[byGroup[begin]])
            ++end;
        int passed = 0;
        for (int k = begin; k < end; ++k) {
            const int i = byGroup[k];
            Rotate(queue, earlier[i] - passed);
            passed = earlier[i];
            queue.push_back(entries[i]);
        }
        // begin is the number of entries of all earlier groups.
        Rotate(queue, begin - passed);
        sorted.insert(sorted.end(), queue.begin(), queue.end());
        queue.clear();
    }
    entries = std::move(sorted);
}

}  // namespace

void SortDrawOrder(GameState& state, SortOrder order)
{
    const int count = state.descriptor.TotalTileNum;
    assert(count >= 0 && size_t(count) <= state.pieces.size());
    state.drawOrder.clear();
    for (int i = 0; i < count; ++i)
        state.drawOrder.push_back({state.pieces[i].group, i});
    ExchangeSortOrder(state.drawOrder, order);
}

void BringGroupToTop(GameState& state, int32_t group)
{
    const int count = state.descriptor.TotalTileNum;
    for (int i = 0; i < count; ++i) {
        int32_t& number = state.pieces[i].group;
        if (number == group)
            number = count - 1;
        else if (number > group)
            --number;
    }
    SortDrawOrder(state, SortOrder::Ascending);
}

void SendGroupToBottom(GameState& state, int32_t group)
{
    for (int i = 0; i < state.descriptor.TotalTileNum; ++i) {
        int32_t& number = state.pieces[i].group;
        if (number == group)
            number = 0;
        else if (number < group)
            ++number;
    }
    SortDrawOrder(state, SortOrder::Ascending);
}

void BringSelectionToTop(GameState& state)
{
    SortDrawOrder(state, SortOrder::Ascending);
    if (state.drawOrder.empty())
        return;
    const int32_t lift = state.drawOrder.back().group + 1;  // above every group, keeping their order
    for (int i = 0; i < state.descriptor.TotalTileNum; ++i) {
        if (state.pieces[i].selected)
            state.pieces[i].group += lift;
    }
    SortDrawOrder(state, SortOrder::Ascending);

    int32_t number = 0;
    for (size_t k = 0; k < state.drawOrder.size(); ++k) {
        if (k > 0 && state.drawOrder[k].group != state.drawOrder[k - 1].group)
            ++number;
        state.pieces[state.drawOrder[k].piece].group = number;
    }
    SortDrawOrder(state, SortOrder::Ascending);
}

}  // namespace kirvo
