#include "playfield/Joining.h"

#include <algorithm>
#include <cstdlib>

#include "base/Rounding.h"
#include "cutting/EdgeBands.h"
#include "cutting/PieceEffects.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"

namespace kirvo {

namespace {

bool OnOuterEdge(const Descriptor& d, const PieceRecord& q)
{
    return q.sourceX == d.JigsL || q.sourceY == d.JigsT || q.sourceX + q.sourceWidth == d.JigsR + 1
        || q.sourceY + q.sourceHeight == d.JigsB + 1;
}

struct Match {
    int piece = -1;
    Offset correction;  // how far r's group must move to lie in place
};

// The frame matches the first edge piece whose picture origin lies within the tolerance of its own.
Match MatchFrame(const GameState& state, int r, int group, int window, int tolerance)
{
    const PieceRecord& frame = state.pieces[size_t(r)];
    const int frameX = frame.x - frame.sourceX;
    const int frameY = frame.y - frame.sourceY;
    for (int q = 0; q < PieceCount(state); ++q) {
        const PieceRecord& p = state.pieces[size_t(q)];
        if (q == r || p.group == group || p.rotation != frame.rotation || p.window != window
            || !OnOuterEdge(state.descriptor, p))
            continue;
        const int pieceX = p.x - p.sourceX;
        const int pieceY = p.y - p.sourceY;
        if (std::abs(frameX - pieceX) < tolerance && std::abs(frameY - pieceY) < tolerance)
            return {q, {pieceX - frameX, pieceY - frameY}};
    }
    return {};
}

Match MatchNeighbour(const GameState& state, int r, int group, int window, int tolerance)
{
    const PieceRecord& piece = state.pieces[size_t(r)];
    for (int16_t q : piece.neighbours) {
        if (q < 0 || q >= PieceCount(state))
            continue;
        const PieceRecord& other = state.pieces[size_t(q)];
        if (other.group == group || other.rotation != piece.rotation || other.window != window)
            continue;
        const Offset expected = OffsetInPlace(piece, other, piece.rotation);
        const int dx = expected.x - (piece.x - other.x);
        const int dy = expected.y - (piece.y - other.y);
        if (std::abs(dx) < tolerance && std::abs(dy) < tolerance)
            return {q, {dx, dy}};
    }
    return {};
}

// Group sizes and whether the frame is in each: the smaller moves, the frame's never does.
void Join(GameState& state, int32_t a, int32_t m, Offset correction, EdgeCellLog* log)
{
    const int frame = BorderPieceIndex(state);
    int sizeA = 0, sizeM = 0;
    bool frameInA = false, frameInM = false;
    for (int k = 0; k < PieceCount(state); ++k) {
        const int32_t g = state.pieces[size_t(k)].group;
        sizeA += g == a;
        sizeM += g == m;
        frameInA |= g == a && k == frame;
        frameInM |= g == m && k == frame;
    }
    const bool moveOther = frameInA || (sizeM < sizeA && !frameInM);
    if (state.look.woodStyle != kWoodNone) {
        const int32_t moving = moveOther ? m : a;
        for (int k = 0; k < PieceCount(state); ++k)
            if (state.pieces[size_t(k)].group == moving)
                HideBandsAtJoin(state, k, moveOther ? a : m, log);
    }
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (moveOther && p.group == m) {
            p.x -= correction.x;
            p.y -= correction.y;
        } else if (!moveOther && p.group == a) {
            p.x += correction.x;
            p.y += correction.y;
        }
        if (p.group == m)
            p.group = a;
    }
}

}  // namespace

Offset OffsetInPlace(const PieceRecord& r, const PieceRecord& q, int b)
{
    switch (b) {
    case 0: return {r.sourceX - q.sourceX, r.sourceY - q.sourceY};
    case 1: return {(q.sourceHeight + q.sourceY) - (r.sourceHeight + r.sourceY), r.sourceX - q.sourceX};
    case 2:
        return {(q.sourceWidth + q.sourceX) - (r.sourceWidth + r.sourceX),
                (q.sourceHeight + q.sourceY) - (r.sourceHeight + r.sourceY)};
    default: return {r.sourceY - q.sourceY, (q.sourceWidth + q.sourceX) - (r.sourceWidth + r.sourceX)};
    }
}

int SnapTolerance(int snapDistance, int strength)
{
    return RoundHalfEven(snapDistance * strength / 10.0);
}

JoinResult JoinDroppedGroup(GameState& state, int draggedPiece, int window, int tolerance, EdgeCellLog* log)
{
    JoinResult result;
    const int32_t a = state.pieces[size_t(draggedPiece)].group;
    const uint8_t b = state.pieces[size_t(draggedPiece)].rotation;
    const int frame = BorderPieceIndex(state);
    // A join grows the group and may move it, so every piece is tried again until none joins.
    for (bool joined = true; joined;) {
        joined = false;
        for (int r = 0; r < PieceCount(state); ++r) {
            const PieceRecord& piece = state.pieces[size_t(r)];
            if (piece.group != a || piece.rotation != b)
                continue;
            const Match match = r == frame ? MatchFrame(state, r, a, window, tolerance)
                                           : MatchNeighbour(state, r, a, window, tolerance);
            if (match.piece < 0)
                continue;
            Join(state, a, state.pieces[size_t(match.piece)].group, match.correction, log);
            result = {result.joins + 1, r, match.piece};
            joined = true;
        }
    }
    return result;
}

bool TurnGroup(GameState& state, int piece, Turn turn, int pivotX, int pivotY)
{
    const int32_t group = state.pieces[size_t(piece)].group;
    const int frame = BorderPieceIndex(state);
    if (frame >= 0 && state.pieces[size_t(frame)].group == group)
        return false;
    const int r = state.pieces[size_t(piece)].rotation;
    const uint8_t rotation = uint8_t(turn == Turn::Clockwise ? (r + 1) % 4 : (r + 3) % 4);
    const int f = pivotX, g = pivotY;
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (p.group != group)
            continue;
        const int px = p.x, py = p.y, w = p.width, h = p.height;
        if (turn == Turn::Clockwise) {
            p.x = f + g - py - h + 1;
            p.y = g + px - f;
        } else {
            p.x = f + py - g;
            p.y = g + f - px - w + 1;
        }
        p.rotation = rotation;
        DeriveGeometry(state, k);
    }
    MakeMissingRuns(state);
    return true;
}

void MoveToOtherSide(GameState& state, int piece, bool selection, int fromSide)
{
    const int32_t group = state.pieces[size_t(piece)].group;
    const uint8_t side = fromSide == 0 ? 1 : 0;
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (selection ? p.selected : p.group == group)
            p.window = side;
    }
    state.draggedPiece = -1;
    MarkChanged(state);
}

void WeightedGroupToBottom(GameState& state)
{
    if (state.weightedPiece < 0 || state.weightedPiece >= PieceCount(state))
        return;
    const int32_t g = state.pieces[size_t(state.weightedPiece)].group;
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (p.group == g)
            p.group = 0;
        else if (p.group < g)
            ++p.group;
    }
    SortDrawOrder(state, SortOrder::Ascending);
}

}  // namespace kirvo
