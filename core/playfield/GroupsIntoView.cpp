#include "playfield/GroupsIntoView.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

#include "game/DrawOrder.h"

namespace kirvo {

namespace {

constexpr int kSaneCoordinate = 100000;  // beyond this a position is damage, not play
constexpr int kFrameReach = 40;

struct Shift {
    int x = 0;
    int y = 0;

    bool IsZero() const { return x == 0 && y == 0; }
    int64_t LengthSquared() const { return int64_t(x) * x + int64_t(y) * y; }
};

// What groups are kept inside, in virtual-field coordinates.
struct Limits {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The move that brings lo up to above low, or hi down to high.
int AxisShift(int lo, int hi, int low, int high)
{
    if (lo <= low)
        return low - lo;
    if (hi > high)
        return high - hi;
    return 0;
}

void MoveGroup(GameState& state, std::span<const DrawOrderEntry> group, int dx, int dy)
{
    for (const DrawOrderEntry& entry : group) {
        state.pieces[size_t(entry.piece)].x += dx;
        state.pieces[size_t(entry.piece)].y += dy;
    }
}

// A position far outside the field (a damaged saved game) is first taken back to 0. True when it was.
bool RepairGroup(GameState& state, std::span<const DrawOrderEntry> group)
{
    const PieceRecord& first = state.pieces[size_t(group.front().piece)];
    const bool wildX = std::abs(int64_t(first.x)) > kSaneCoordinate;
    const bool wildY = std::abs(int64_t(first.y)) > kSaneCoordinate;
    if (wildX || wildY)
        MoveGroup(state, group, wildX ? -first.x : 0, wildY ? -first.y : 0);
    return wildX || wildY;
}

Shift FrameShift(const PieceRecord& frame, Pulling pulling, const Limits& in)
{
    const bool pull = pulling == Pulling::On;
    const int x = frame.x, y = frame.y, w = frame.width, h = frame.height;
    return {pull ? AxisShift(x + kFrameReach, x + w - kFrameReach, in.left, in.right)
                 : AxisShift(x + w - kFrameReach, x + kFrameReach, in.left, in.right),
            pull ? AxisShift(y + kFrameReach, y + h - kFrameReach, in.top, in.bottom)
                 : AxisShift(y + h - kFrameReach, y + kFrameReach, in.top, in.bottom)};
}

Shift PieceShift(const PieceRecord& piece, Pulling pulling, int tileSize, const Limits& in)
{
    const int x = piece.x, y = piece.y, w = piece.width, h = piece.height;
    if (pulling == Pulling::On)
        return {AxisShift(x + w / 4, x + w - w / 4, in.left, in.right),
                AxisShift(y + h / 4, y + h - h / 4, in.top, in.bottom)};
    const int grabX = std::max(std::min(kFrameReach, tileSize), w * 3 / 4);
    const int grabY = std::max(std::min(kFrameReach, tileSize), h * 3 / 4);
    return {AxisShift(x + w - grabX, x + grabX, in.left, in.right),
            AxisShift(y + h - grabY, y + grabY, in.top, in.bottom)};
}

Shift GroupShift(const GameState& state, std::span<const DrawOrderEntry> group, Pulling pulling, const Limits& in)
{
    Shift shortest;
    int64_t shortestLength = std::numeric_limits<int64_t>::max();
    bool someInView = false;
    for (const DrawOrderEntry& entry : group) {
        Shift shift = PieceShift(state.pieces[size_t(entry.piece)], pulling, state.descriptor.TileS, in);
        if (shift.IsZero()) {
            someInView = true;
        } else if (shift.LengthSquared() < shortestLength) {
            shortest = shift;
            shortestLength = shift.LengthSquared();
        }
    }
    if (pulling == Pulling::Off && someInView)
        return {};
    return shortest;
}

bool HoldsFrame(std::span<const DrawOrderEntry> group, int border)
{
    return border >= 0 && std::ranges::any_of(group, [border](const DrawOrderEntry& e) { return e.piece == border; });
}

// The shift that brings the group in: the frame's when the group holds it.
Shift ShiftInto(const GameState& state, std::span<const DrawOrderEntry> group, Pulling pulling, const Limits& in)
{
    const int border = BorderPieceIndex(state);
    return HoldsFrame(group, border) ? FrameShift(state.pieces[size_t(border)], pulling, in)
                                     : GroupShift(state, group, pulling, in);
}

}  // namespace

bool BringGroupsIntoView(GameState& state, PlayWindows& windows, int window, Pulling pulling)
{
    const int count = PieceCount(state);
    if (int(state.drawOrder.size()) != count)
        SortDrawOrder(state, SortOrder::Ascending);
    const bool pocket = IsPocket(window);
    const Limits in {.right = pocket ? windows.field.visibleWidth : windows.field.virtualWidth,
                     .bottom = pocket ? windows.field.visibleHeight : windows.field.virtualHeight};

    bool moved = false;
    std::span<const DrawOrderEntry> order = state.drawOrder;
    for (size_t start = 0; start < order.size();) {
        size_t end = start + 1;
        while (end < order.size() && order[end].group == order[start].group)
            ++end;
        std::span<const DrawOrderEntry> group = order.subspan(start, end - start);
        start = end;
        if (state.pieces[size_t(group.front().piece)].window != window)
            continue;

        moved |= RepairGroup(state, group);
        const Shift shift = ShiftInto(state, group, pulling, in);
        if (!shift.IsZero()) {
            MoveGroup(state, group, shift.x, shift.y);
            moved = true;
        }
    }
    if (moved) {
        if (pocket)
            UpdateExtent(windows.windows[size_t(window)], state);
        state.redrawMode = RedrawMode::WholeField;
    }
    MarkChanged(state);
    return moved;
}

bool PullDroppedIntoClient(GameState& state, PlayWindows& windows, int window, int piece, bool selection)
{
    if (!IsSideOrPocket(window) || piece < 0)
        return false;
    const int32_t group = state.pieces[size_t(piece)].group;
    std::vector<DrawOrderEntry> dropped;
    for (int k = 0; k < PieceCount(state); ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        if (selection ? p.selected : p.group == group)
            dropped.push_back({.group = p.group, .piece = k});
    }
    const TMyWin& w = windows.windows[size_t(window)];
    const Limits in {.left = w.scrollX, .top = w.scrollY, .right = w.scrollX + w.client.width,
                     .bottom = w.scrollY + w.client.height};
    const Shift shift = ShiftInto(state, dropped, Pulling::Off, in);
    if (shift.IsZero())
        return false;
    MoveGroup(state, dropped, shift.x, shift.y);
    if (IsPocket(window))
        UpdateExtent(windows.windows[size_t(window)], state);
    state.redrawMode = RedrawMode::WholeField;
    MarkChanged(state);
    return true;
}

}  // namespace kirvo
