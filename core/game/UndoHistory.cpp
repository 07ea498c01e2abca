#include "game/UndoHistory.h"

#include <algorithm>
#include <utility>

namespace kirvo {

namespace {

// Equal but for the group number and the selected flag.
bool SamePlace(const PieceRecord& a, const PieceRecord& b)
{
    PieceRecord c = a;
    c.group = b.group;
    c.selected = b.selected;
    return c == b;
}

std::vector<int32_t> Groups(const std::vector<PieceRecord>& pieces, int count)
{
    std::vector<int32_t> groups(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k)
        groups[size_t(k)] = pieces[size_t(k)].group;
    return groups;
}

size_t DistinctCount(std::vector<int32_t> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return size_t(std::unique(numbers.begin(), numbers.end()) - numbers.begin());
}

bool IsEmpty(const UndoStep& step)
{
    return step.pieces.empty() && step.groupsAfter.empty() && step.drawAfter.empty() && step.edges.empty();
}

// A join leaves fewer groups; renumbering alone keeps their count.
bool MovesOrJoins(const UndoStep& step)
{
    return !step.pieces.empty() || !step.edges.empty()
        || DistinctCount(step.groupsBefore) != DistinctCount(step.groupsAfter);
}

// Adds the later changes to those of a step, both sorted by key: a change to the same thing keeps
// the step's before and takes the later after.
template <typename Change, typename Key>
void MergeChanges(std::vector<Change>& changes, const std::vector<Change>& later, Key key)
{
    for (const Change& change : later) {
        auto at = std::lower_bound(changes.begin(), changes.end(), key(change),
                                   [&](const Change& c, auto k) { return key(c) < k; });
        if (at != changes.end() && key(*at) == key(change))
            at->after = change.after;
        else
            changes.insert(at, change);
    }
}

template <typename T>
void MergeWhole(std::vector<T>& before, std::vector<T>& after, std::vector<T>& laterBefore, std::vector<T>& laterAfter)
{
    if (laterAfter.empty())
        return;
    if (before.empty())
        before = std::move(laterBefore);
    after = std::move(laterAfter);
}

void Merge(UndoStep& step, UndoStep& later)
{
    MergeChanges(step.pieces, later.pieces, [](const PieceChange& c) { return c.piece; });
    MergeChanges(step.edges, later.edges, [](const EdgeCellChange& c) {
        return uint64_t(c.rotation) << 56 | uint64_t(uint32_t(c.piece)) << 32 | c.cell;
    });
    MergeWhole(step.groupsBefore, step.groupsAfter, later.groupsBefore, later.groupsAfter);
    MergeWhole(step.drawBefore, step.drawAfter, later.drawBefore, later.drawAfter);
}

}  // namespace

void UndoHistory::Reset(const GameState& state)
{
    steps_.clear();
    done_ = 0;
    edgeLog_.clear();
    See(state);
}

void UndoHistory::See(const GameState& state)
{
    pieces_.assign(state.pieces.begin(), state.pieces.begin() + PieceCount(state));
    drawOrder_ = state.drawOrder;
}

UndoStep UndoHistory::Changes(const GameState& state)
{
    UndoStep step;
    const int count = PieceCount(state);
    bool groupsChanged = false;
    for (int k = 0; k < count; ++k) {
        const PieceRecord& was = pieces_[size_t(k)];
        const PieceRecord& now = state.pieces[size_t(k)];
        groupsChanged |= was.group != now.group;
        if (!SamePlace(was, now))
            step.pieces.push_back({k, was, now});
    }
    if (groupsChanged) {
        step.groupsBefore = Groups(pieces_, count);
        step.groupsAfter = Groups(state.pieces, count);
    }
    if (drawOrder_ != state.drawOrder) {
        step.drawBefore = drawOrder_;
        step.drawAfter = state.drawOrder;
    }
    step.edges = TakeEdgeCellChanges(edgeLog_, state);
    return step;
}

bool UndoHistory::Take(const GameState& state, bool ownStep)
{
    if (pieces_.size() != size_t(PieceCount(state))) {
        Reset(state);
        return false;
    }
    UndoStep changes = Changes(state);
    if (IsEmpty(changes))
        return true;
    steps_.resize(done_);
    if (ownStep && MovesOrJoins(changes)) {
        steps_.push_back(std::move(changes));
        if (steps_.size() > kUndoSteps)
            steps_.pop_front();
        done_ = steps_.size();
    } else if (done_ > 0) {
        Merge(steps_.back(), changes);
    }
    See(state);
    return true;
}

void UndoHistory::Record(const GameState& state) { Take(state, true); }

bool UndoHistory::Undo(GameState& state)
{
    if (!Take(state, false) || !CanUndo())
        return false;
    --done_;
    Apply(steps_[done_], ChangeSide::Before, state);
    return true;
}

bool UndoHistory::Redo(GameState& state)
{
    if (!Take(state, false) || !CanRedo())
        return false;
    Apply(steps_[done_], ChangeSide::After, state);
    ++done_;
    return true;
}

void UndoHistory::Apply(const UndoStep& step, ChangeSide side, GameState& state)
{
    const bool before = side == ChangeSide::Before;
    for (const PieceChange& change : step.pieces) {
        PieceRecord record = before ? change.before : change.after;
        record.selected = state.pieces[size_t(change.piece)].selected;
        state.pieces[size_t(change.piece)] = pieces_[size_t(change.piece)] = record;
    }
    const std::vector<int32_t>& groups = before ? step.groupsBefore : step.groupsAfter;
    for (size_t k = 0; k < groups.size(); ++k)
        state.pieces[k].group = pieces_[k].group = groups[k];
    if (!step.drawAfter.empty())
        state.drawOrder = drawOrder_ = before ? step.drawBefore : step.drawAfter;
    WriteEdgeCells(state, step.edges, side);
}

}  // namespace kirvo
