#include "game/GroupRescale.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kirvo {

namespace {

struct GroupBounds {
    int left, top, right, bottom;  // inclusive
};

int Shift(double centre, int oldSize, int newSize)
{
    return oldSize == 0 ? 0 : int(std::lround(newSize * centre / oldSize - centre));
}

}  // namespace

void RescaleGroups(GameState& state, int window, int oldWidth, int oldHeight, int newWidth, int newHeight)
{
    int count = state.descriptor.TotalTileNum;
    std::map<int, GroupBounds> groups;
    for (int i = 0; i < count; ++i) {
        const PieceRecord& piece = state.pieces[size_t(i)];
        if (piece.window != window)
            continue;
        GroupBounds box {piece.x, piece.y, piece.x + piece.width - 1, piece.y + piece.height - 1};
        auto [at, inserted] = groups.try_emplace(piece.group, box);
        if (!inserted)
            at->second = {std::min(at->second.left, box.left), std::min(at->second.top, box.top),
                          std::max(at->second.right, box.right), std::max(at->second.bottom, box.bottom)};
    }
    std::map<int, std::pair<int, int>> shifts;
    for (const auto& [group, box] : groups)
        shifts[group] = {Shift((box.left + box.right) / 2.0, oldWidth, newWidth),
                         Shift((box.top + box.bottom) / 2.0, oldHeight, newHeight)};
    for (int i = 0; i < count; ++i) {
        PieceRecord& piece = state.pieces[size_t(i)];
        if (piece.window != window)
            continue;
        auto [dx, dy] = shifts[piece.group];
        piece.x += dx;
        piece.y += dy;
    }
}

}  // namespace kirvo
