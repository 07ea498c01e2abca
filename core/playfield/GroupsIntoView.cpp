#include "playfield/GroupsIntoView.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <span>

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

// The move that brings lo up to above 0, or hi down to the limit.
int AxisShift(int lo, int hi, int limit)
{
    if (lo <= 0)
        return -lo;
    if (hi > limit)
        return limit - hi;
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

Shift FrameShift(const PieceRecord& frame, Pulling pulling, int limitX, int limitY)
{
    const bool pull = pulling == Pulling::On;
    const int x = frame.x, y = frame.y, w = frame.width, h = frame.height;
    return {pull ? AxisShift(x + kFrameReach, x + w - kFrameReach, limitX)
                 : AxisShift(x + w - kFrameReach, x + kFrameReach, limitX),
            pull ? AxisShift(y + kFrameReach, y + h - kFrameReach, limitY)
                 : AxisShift(y + h - kFrameReach, y + kFrameReach, limitY)};
}

Shift PieceShift(const PieceRecord& piece, Pulling pulling, int tileSize, int limitX, int limitY)
{
    const int x = piece.x, y = piece.y, w = piece.width, h = piece.height;
    if (pulling == Pulling::On)
        return {AxisShift(x + w / 4, x + w - w / 4, limitX), AxisShift(y + h / 4, y + h - h / 4, limitY)};
    const int grabX = std::max(std::min(kFrameReach, tileSize), w * 3 / 4);
    const int grabY = std::max(std::min(kFrameReach, tileSize), h * 3 / 4);
    return {AxisShift(x + w - grabX, x + grabX, limitX), AxisShift(y + h - grabY, y + grabY, limitY)};
}

Shift GroupShift(const GameState& state, std::span<const DrawOrderEntry> group, Pulling pulling, int limitX,
                 int limitY)
{
    Shift shortest;
    int64_t shortestLength = std::numeric_limits<int64_t>::max();
    bool someInView = false;
    for (const DrawOrderEntry& entry : group) {
        Shift shift = PieceShift(state.pieces[size_t(entry.piece)], pulling, state.descriptor.TileS, limitX, limitY);
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

}  // namespace

bool BringGroupsIntoView(GameState& state, PlayWindows& windows, int window, Pulling pulling)
{
    const int count = PieceCount(state);
    if (int(state.drawOrder.size()) != count)
        SortDrawOrder(state, SortOrder::Ascending);
    const bool pocket = IsPocket(window);
    const int limitX = pocket ? windows.field.visibleWidth : windows.field.virtualWidth;
    const int limitY = pocket ? windows.field.visibleHeight : windows.field.virtualHeight;
    const int border = BorderPieceIndex(state);

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
        const bool holdsFrame = border >= 0 && std::ranges::any_of(group, [border](const DrawOrderEntry& e) {
            return e.piece == border;
        });
        const Shift shift = holdsFrame ? FrameShift(state.pieces[size_t(border)], pulling, limitX, limitY)
                                       : GroupShift(state, group, pulling, limitX, limitY);
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

}  // namespace kirvo
