#include "cutting/PieceEffects.h"

#include <cassert>
#include <thread>

#include "cutting/EdgeBands.h"
#include "cutting/MeetingBoxes.h"
#include "game/DrawOrder.h"
#include "game/TurnedBuffers.h"

namespace kirvo {

namespace {

uint8_t Clamp(int value) { return uint8_t(value < 0 ? 0 : value > 255 ? 255 : value); }

// The picture's pixels where the relief raises or lowers them, each channel moved by E and held to
// 0 .. 255, so that drawing copies them; cells beyond the picture are never drawn. The relief's
// bytes are not kept: drawing needs only these.
void LightRelief(PieceRuns& runs, const CellSpans& raised, const TurnedView& picture)
{
    runs.relief = {std::vector<CellSpan>(raised.spans.begin(), raised.spans.end()), {}};
    runs.lit = std::vector<uint8_t>(3 * raised.bytes.size(), 0);
    uint8_t* out = runs.lit.data();
    const uint8_t* relief = raised.bytes.data();
    for (size_t k = 0; k < raised.spans.size(); ++k) {
        // The rim's rows lie a picture row apart, too far for the cache to guess: the pixels of
        // the span after next are asked for ahead.
        if (k + 2 < raised.spans.size() && raised.spans[k + 2].y < picture.height)
            __builtin_prefetch(picture.At(raised.spans[k + 2].x, raised.spans[k + 2].y));
        const CellSpan& span = raised.spans[k];
        const int inside = span.y < picture.height ? MinInt(span.count, picture.width - span.x) : 0;
        const uint8_t* in = inside > 0 ? picture.At(span.x, span.y) : nullptr;
        for (int i = 0; i < inside; ++i, in += picture.stepX) {
            const int d = relief[i] - 128;
            for (int c = 0; c < 3; ++c)
                out[3 * i + c] = Clamp(in[c] + d);
        }
        out += 3 * size_t(span.count);
        relief += span.count;
    }
}

}  // namespace

void ApplyEffects(GameState& state, const ProgressStep& step)
{
    state.look.edgeWidth = EdgeWidth(state.look.woodStyle, state.look.edgeWidth);
    SortDrawOrder(state, SortOrder::Ascending);
    // The edge buffers and runs of the rotations in play are made afresh below, reusing their memory.
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    for (int r = state.look.woodStyle == kWoodNone ? 0 : rotations; r < 4; ++r)
        FreeEdgeBuffer(state.edgeBuffers[size_t(r)]);
    for (int r = HasEffects(state.look) ? rotations : 0; r < 4; ++r)
        state.pieceRuns[size_t(r)].clear();
    if (!HasEffects(state.look))
        return;
    if (state.look.woodStyle != kWoodNone)
        AssignEdgeSlots(state);
    if (rotations == 1) {
        EmbossPieces(state, 0);
        Step(step);
        return;
    }
    // Two workers, two rotations each, one upright and one turned a quarter so that the work is
    // even: a rotation's work writes only its own mask, edge buffer and runs. The steps are taken
    // here, on the calling thread.
    std::thread worker([&state] {
        EmbossPieces(state, 1);
        EmbossPieces(state, 2);
    });
    for (int r : {0, 3}) {
        EmbossPieces(state, r);
        Step(step);
    }
    worker.join();
    Step(step);
    Step(step);
}

void EmbossPieces(GameState& state, int rotation)
{
    assert(rotation >= 0 && rotation <= 3);
    TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    const TurnedView picture = PictureView(state, rotation);
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const bool bands = state.look.woodStyle != kWoodNone;
    const bool relief = HasRelief(state.look.embossStyle);
    if (bands)
        MakeEdgeCells(state, rotation);
    else
        FreeEdgeBuffer(edges);
    const int edgeWidth = bands ? state.look.edgeWidth : 0;
    const ReliefPass pass = relief ? MakeReliefPass(ReliefOf(state.look.embossStyle)) : ReliefPass();
    // The runs and relief of a piece are all drawing needs unless another piece of its mask value
    // reaches into its grown box: then drawing reads the mask.
    std::vector<PieceRuns>& runs = state.pieceRuns[size_t(rotation)];
    runs.resize(size_t(PieceCount(state)));
    const std::vector<bool> meeting =
        MeetingBoxes(state, rotation, 256, [&](int i) { return int(state.pieces[size_t(i)].maskValue); });
    // Runs are found in these, which grow once, and kept in copies just large enough.
    PieceBits bits;
    CellSpans own, raised;
    for (int i = 0; i < PieceCount(state); ++i) {
        const PieceRecord& piece = state.pieces[size_t(i)];
        PieceRuns& drawn = runs[size_t(i)];
        LoadPieceBits(bits, mask, ClippedPieceArea(state, i, rotation, 0, mask.width, mask.height), piece.maskValue,
                      edgeWidth);
        if (bands && edges.width > 0)
            StampBand(state, rotation, i, bits);
        drawn.known = !meeting[size_t(i)];
        own.Clear();
        raised.Clear();
        if (drawn.known)
            AddRuns(bits, own);
        drawn.own = own.Fitted();
        if (relief) {
            EmbossPiece(mask, bits, pass, raised);
            LightRelief(drawn, raised, picture);
        } else {
            drawn.relief = CellSpans();
            drawn.lit = {};
        }
    }
    if (bands && edges.width > 0)
        FinishBands(state, rotation);
}

}  // namespace kirvo
