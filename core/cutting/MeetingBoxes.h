// Meeting boxes: which pieces' boxes in a rotation's buffers, grown by the edge width, meet the
// box of another piece that shares some key with them, such as an edge slot or a mask value.
#pragma once

#include <algorithm>
#include <vector>

#include "cutting/PieceArea.h"
#include "game/MaskValue.h"

namespace kirvo {

// Calls meet(a, b) once for every two pieces of one key whose boxes meet; keyOf(i) is in
// 0 .. keys - 1, or outside for a piece left out. By key, the boxes in order of their left edge,
// each against those that start before it ends.
template <typename KeyOf, typename Meet>
void ForMeetingBoxes(const GameState& state, int rotation, int keys, KeyOf keyOf, Meet meet)
{
    const MaskSize mask = TurnedMaskSize(state, rotation);
    const int grow = state.look.edgeWidth;
    std::vector<PieceArea> areas(size_t(PieceCount(state)));
    std::vector<std::vector<int>> byKey(static_cast<size_t>(keys));
    for (int i = 0; i < PieceCount(state); ++i) {
        areas[size_t(i)] = ClippedPieceArea(state, i, rotation, grow, mask.width, mask.height);
        const int key = keyOf(i);
        if (key >= 0 && key < keys)
            byKey[size_t(key)].push_back(i);
    }
    for (std::vector<int>& pieces : byKey) {
        std::sort(pieces.begin(), pieces.end(),
                  [&](int a, int b) { return areas[size_t(a)].left < areas[size_t(b)].left; });
        for (size_t k = 0; k < pieces.size(); ++k) {
            const PieceArea& a = areas[size_t(pieces[k])];
            if (a.right < a.left || a.bottom < a.top)
                continue;
            for (size_t l = k + 1; l < pieces.size() && areas[size_t(pieces[l])].left <= a.right; ++l) {
                const PieceArea& b = areas[size_t(pieces[l])];
                if (b.right >= b.left && b.top <= a.bottom && a.top <= b.bottom)
                    meet(pieces[k], pieces[l]);
            }
        }
    }
}

// Whether each piece's box meets another of its key; a piece whose key lies outside
// 0 .. keys - 1 counts as meeting others anyway.
template <typename KeyOf>
std::vector<bool> MeetingBoxes(const GameState& state, int rotation, int keys, KeyOf keyOf)
{
    std::vector<bool> meeting(size_t(PieceCount(state)), false);
    for (int i = 0; i < PieceCount(state); ++i)
        if (const int key = keyOf(i); key < 0 || key >= keys)
            meeting[size_t(i)] = true;
    ForMeetingBoxes(state, rotation, keys, keyOf, [&](int a, int b) { meeting[size_t(a)] = meeting[size_t(b)] = true; });
    return meeting;
}

}  // namespace kirvo
