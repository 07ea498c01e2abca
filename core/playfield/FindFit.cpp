#include "playfield/FindFit.h"

#include "playfield/Joining.h"

namespace kirvo {

std::vector<char> PickedPieces(const GameState& state, int piece)
{
    const int count = PieceCount(state);
    if (!state.selectionExists && piece < 0)
        return {};
    std::vector<char> picked(static_cast<size_t>(count), 0);
    for (int k = 0; k < count; ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        picked[size_t(k)] = state.selectionExists ? p.selected : p.group == state.pieces[size_t(piece)].group;
    }
    return picked;
}

Fit FindFit(const GameState& state, const std::vector<char>& picked, const std::array<bool, kPieceWindowCount>& shown,
            int after)
{
    const int count = PieceCount(state);
    const bool anyPair = picked.empty();
    // partner[p]: a piece p joins, or -1.
    std::vector<int> partner(static_cast<size_t>(count), -1);
    auto consider = [&](int p, int q) {
        if (q < 0 || q >= count || state.pieces[size_t(p)].group == state.pieces[size_t(q)].group)
            return;
        if (anyPair || (picked[size_t(q)] && !picked[size_t(p)]))
            partner[size_t(p)] = q;
    };
    for (int p = 0; p < count; ++p)
        for (const int16_t q : state.pieces[size_t(p)].neighbours) {
            consider(p, q);
            if (q >= 0 && q < count)
                consider(q, p);
        }
    for (const bool shownOnly : {true, false})
        for (int i = 0; i < count; ++i) {
            const int p = (after + 1 + i) % count;
            const uint8_t window = state.pieces[size_t(p)].window;
            if (partner[size_t(p)] >= 0 && (!shownOnly || (window < kPieceWindowCount && shown[window])))
                return {p, partner[size_t(p)]};
        }
    return {};
}

PieceBox PlaceOfFit(const GameState& state, const Fit& fit)
{
    const PieceRecord& r = state.pieces[size_t(fit.piece)];
    const PieceRecord& q = state.pieces[size_t(fit.partner)];
    if (fit.piece == BorderPieceIndex(state) && q.rotation != 0)
        return {};
    const Offset offset = OffsetInPlace(r, q, q.rotation);
    const bool upright = q.rotation % 2 == 0;
    return {q.x + offset.x, q.y + offset.y, upright ? r.sourceWidth : r.sourceHeight,
            upright ? r.sourceHeight : r.sourceWidth};
}

}  // namespace kirvo
