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
    for (const CellSpan& span : raised.spans) {
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

// A piece's runs from its bits: its own pixels unless they are read from the mask later, and with
// a relief pass the raised cells lit from the picture, which are left in raised. own and raised are
// working room.
void MakeRuns(PieceRuns& drawn, const PieceBits& bits, bool addOwn, const ReliefPass* pass, const TurnedView& picture,
              CellSpans& own, CellSpans& raised)
{
    own.Clear();
    raised.Clear();
    if (addOwn)
        AddRuns(bits, own);
    drawn.own = own.Fitted();
    if (pass != nullptr) {
        EmbossPiece(bits, *pass, raised);
        LightRelief(drawn, raised, picture);
    } else {
        drawn.relief = CellSpans();
        drawn.lit = {};
    }
}

// A piece whose grown box meets another piece of its mask value draws every pixel of that value
// in the box it is drawn from, with the relief the mask ends with, whichever piece's embossing
// wrote it. Its runs are read from the mask once every piece of the rotation is embossed.
void ReadSharedRuns(GameState& state, int rotation, const std::vector<bool>& meeting, int edgeWidth, bool relief)
{
    const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    const TurnedView picture = PictureView(state, rotation);
    CellSpans own, raised;
    for (int i = 0; i < PieceCount(state); ++i) {
        if (!meeting[size_t(i)])
            continue;
        const uint8_t value = state.pieces[size_t(i)].maskValue;
        const PieceArea area = ClippedPieceArea(state, i, rotation, edgeWidth, picture.width, picture.height);
        own.Clear();
        raised.Clear();
        for (int y = area.top; y <= area.bottom; ++y) {
            const uint8_t* pixel = PixAddress(mask, area.left, y);
            for (int x = area.left; x <= area.right; ++x, pixel += 3) {
                if (pixel[0] != value)
                    continue;
                own.AddRun(x, y, 1);
                if (relief && pixel[2] != 128)
                    raised.Add(x, y, pixel[2]);
            }
        }
        PieceRuns& drawn = state.pieceRuns[size_t(rotation)][size_t(i)];
        drawn.known = true;
        drawn.own = own.Fitted();
        LightRelief(drawn, raised, picture);
    }
}

// Asks the cache for what working out the piece reads and writes: its grown box in the mask, the
// picture there when there is a relief to light, and its edge cells. Called a piece ahead, so that
// the rows, which lie far apart in memory, are at hand by the time the piece is worked.
void PrefetchPiece(const GameState& state, int rotation, int piece, const TurnedView& mask, const TurnedView& picture,
                   bool relief)
{
    const int grow = state.look.woodStyle != kWoodNone ? state.look.edgeWidth : 0;
    const PieceArea area = ClippedPieceArea(state, piece, rotation, grow, mask.width, mask.height);
    PrefetchTurned(mask, area.left, area.top, area.right, area.bottom);
    if (relief)
        PrefetchTurned(picture, area.left, area.top, area.right, area.bottom);
    const EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    if (size_t(piece) < edges.pieces.size()) {
        const std::vector<uint8_t>& cells = edges.pieces[size_t(piece)].cells;
        for (size_t k = 0; k < cells.size(); k += 64)
            __builtin_prefetch(cells.data() + k);
    }
}

}  // namespace

void ApplyEffects(GameState& state, const ProgressStep& step)
{
    state.look.edgeWidth = EdgeWidth(state.look.woodStyle, state.look.edgeWidth);
    SortDrawOrder(state, SortOrder::Ascending);
    // The edge buffers and runs of the rotations in play are made afresh below, reusing their memory.
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    // The turned masks were freed with the last effects: without effects they come back from the
    // upright mask, flat, for drawing to read.
    if (rotations == 4 && !HasEffects(state.look) && !HasTurnedMasks(state)) {
        MakeTurnedMasks(state);
        for (int r = 1; r < 4; ++r)
            ResetRelief(state.buffers[size_t(kMaskBuffer + r)]);
    }
    for (int r = state.look.woodStyle == kWoodNone ? 0 : rotations; r < 4; ++r)
        FreeEdgeBuffer(state.edgeBuffers[size_t(r)]);
    for (int r = HasEffects(state.look) ? rotations : 0; r < 4; ++r)
        state.pieceRuns[size_t(r)].clear();
    if (!HasEffects(state.look))
        return;
    if (state.look.woodStyle != kWoodNone)
        AssignEdgeSlots(state);
    if (rotations == 1) {
        EmbossPieces(state, 0, KeptRuns::InRotation);
        Step(step);
        return;
    }
    // Two workers, two rotations each, a quarter turn and a half turn first so that the work is
    // even: a rotation's work writes only its own mask, edge buffer and runs. A turned mask is held
    // only while its rotation is embossed, so that no more than two are held at once, and none by
    // the time the last runs are made. The steps are taken here, on the calling thread.
    const auto emboss = [&state](int rotation) {
        if (rotation > 0 && state.buffers[size_t(kMaskBuffer + rotation)].width == 0)
            MakeFlatTurnedMask(state, rotation);
        EmbossPieces(state, rotation, KeptRuns::InRotation);
        if (rotation > 0)
            PixFree(state.buffers[size_t(kMaskBuffer + rotation)]);
    };
    std::thread worker([&emboss] {
        emboss(2);
        emboss(3);
    });
    for (int r : {1, 0}) {
        emboss(r);
        Step(step);
    }
    worker.join();
    Step(step);
    Step(step);
}

void EmbossPieces(GameState& state, int rotation, KeptRuns kept)
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
    const bool stamps = bands && edges.width > 0;
    const int edgeWidth = bands ? state.look.edgeWidth : 0;
    const ReliefPass pass = relief ? MakeReliefPass(ReliefOf(state.look.embossStyle)) : ReliefPass();
    // The runs and relief of a piece are all drawing needs. Those of a piece whose grown box
    // another piece of its mask value reaches into are read from the mask at the end.
    std::vector<PieceRuns>& runs = state.pieceRuns[size_t(rotation)];
    runs.resize(size_t(PieceCount(state)));
    const std::vector<bool> meeting =
        MeetingBoxes(state, rotation, 256, [&](int i) { return int(state.pieces[size_t(i)].maskValue); });
    // Runs are found in these, which grow once, and kept in copies just large enough.
    PieceBits bits;
    CellSpans own, raised;
    const TurnedView maskView = TurnedViewOf(mask, 0);
    if (PieceCount(state) > 0)
        PrefetchPiece(state, rotation, 0, maskView, picture, relief);
    for (int i = 0; i < PieceCount(state); ++i) {
        if (i + 1 < PieceCount(state))
            PrefetchPiece(state, rotation, i + 1, maskView, picture, relief);
        const PieceRecord& piece = state.pieces[size_t(i)];
        PieceRuns& drawn = runs[size_t(i)];
        // A meeting piece's runs are read from the relief its neighbours write, so it is always
        // embossed; the upright mask is held and keeps every piece's relief.
        const bool keeps = kept == KeptRuns::Every || piece.rotation == rotation || meeting[size_t(i)];
        const bool embosses = relief && (keeps || rotation == 0);
        if (!keeps)
            drawn = PieceRuns();
        if (!keeps && !embosses && !stamps)
            continue;
        LoadPieceBits(bits, mask, ClippedPieceArea(state, i, rotation, 0, mask.width, mask.height), piece.maskValue,
                      edgeWidth);
        if (stamps)
            StampBand(state, rotation, i, bits);
        if (!keeps) {
            if (embosses) {
                raised.Clear();
                EmbossPiece(bits, pass, raised);
                WriteRelief(mask, raised);
            }
            continue;
        }
        drawn.known = !meeting[size_t(i)];
        MakeRuns(drawn, bits, drawn.known, relief ? &pass : nullptr, picture, own, raised);
        if (relief)
            WriteRelief(mask, raised);
    }
    ReadSharedRuns(state, rotation, meeting, edgeWidth, relief);
    if (stamps)
        FinishBands(state, rotation);
}

void MakeMissingRuns(GameState& state)
{
    if (!HasEffects(state.look))
        return;
    const int edgeWidth = state.look.woodStyle != kWoodNone ? state.look.edgeWidth : 0;
    const bool relief = HasRelief(state.look.embossStyle);
    const ReliefPass pass = relief ? MakeReliefPass(ReliefOf(state.look.embossStyle)) : ReliefPass();
    PieceBits bits;
    CellSpans own, raised;
    for (int i = 0; i < PieceCount(state); ++i) {
        const PieceRecord& piece = state.pieces[size_t(i)];
        const int rotation = piece.rotation & 3;
        std::vector<PieceRuns>& runs = state.pieceRuns[size_t(rotation)];
        if (size_t(i) >= runs.size() || runs[size_t(i)].known)
            continue;
        // Pieces left without runs meet no other of their mask value, so their own pixels and
        // relief are theirs alone, as the embossing would have found them.
        const MaskSize size = TurnedMaskSize(state, rotation);
        LoadPieceBits(bits, TurnedMaskValues(state, rotation),
                      ClippedPieceArea(state, i, rotation, 0, size.width, size.height), piece.maskValue, edgeWidth);
        PieceRuns& drawn = runs[size_t(i)];
        MakeRuns(drawn, bits, true, relief ? &pass : nullptr, PictureView(state, rotation), own, raised);
        drawn.known = true;
    }
}

}  // namespace kirvo
