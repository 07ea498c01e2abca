// The pixels a game with piece effects ends with: a fixed cut with rotation on, embossed and
// banded in every style, and composed. Each result is hashed; the hashes were taken from the plain
// pixel-by-pixel drawing, so any faster way of working the effects must give the same bytes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Random.h"
#include "cutting/Cut.h"
#include "cutting/EdgeBands.h"
#include "cutting/PieceEffects.h"
#include "cutting/PieceSizeTable.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "game/UndoHistory.h"
#include "game/TurnedBuffers.h"
#include "playfield/FieldImage.h"
#include "playfield/FindFit.h"
#include "playfield/Joining.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 150;
constexpr int kFieldWidth = 360;
constexpr int kFieldHeight = 270;

// FNV-1a over bytes, carried on from an earlier hash.
uint64_t Hash(const uint8_t* bytes, size_t count, uint64_t hash = 14695981039346656037u)
{
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211u;
    return hash;
}

template <typename T>
uint64_t HashValue(const T& value, uint64_t hash)
{
    return Hash(reinterpret_cast<const uint8_t*>(&value), sizeof value, hash);
}

uint64_t HashPixels(const TPixelBuffer& buffer, uint64_t hash)
{
    for (int y = 0; y < buffer.height; ++y)
        hash = Hash(PixRow(buffer, y), size_t(buffer.width) * size_t(buffer.bytesPerPixel), hash);
    return hash;
}

// The same bytes as the turned copy would give.
uint64_t HashPixels(const TurnedView& view, uint64_t hash)
{
    std::vector<uint8_t> row(3 * size_t(view.width));
    for (int y = 0; y < view.height; ++y) {
        CopyTurnedRow(row.data(), view, 0, y, view.width, 0);
        hash = Hash(row.data(), row.size(), hash);
    }
    return hash;
}

struct Hashes {
    uint64_t masks = 0;     // the four turned masks' values, with their relief
    uint64_t edges = 0;     // every cell's edge bits and depths, and each piece's edge slot and bit
    uint64_t field = 0;     // the composed field image

    bool operator==(const Hashes&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Hashes& h)
{
    return out << std::hex << "{0x" << h.masks << "u, 0x" << h.edges << "u, 0x" << h.field
               << "u}" << std::dec;
}

struct Table {
    GameState state;
    PlayWindows windows;
    FieldImage field;
};

// A picture with steep colour ramps, so raised and lowered rims reach both ends of the byte.
void PaintPicture(TPixelBuffer& picture)
{
    PixCreate24(picture, kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x)
            PixSetPixel(picture, x, y, MakeColour((7 * x + 3 * y) & 255, (5 * y - x) & 255, (x * y) & 255));
}

// The finest cut, turned; every piece turned at random and dropped somewhere on side 0, every
// seventh one selected, and runs of neighbours joined so that bands between them are hidden.
void CutAndDeal(Table& table, int borderStyle)
{
    GameState& state = table.state;
    Descriptor& d = state.descriptor;
    d.ImageW = kPictureWidth;
    d.ImageH = kPictureHeight;
    d.Rotate = 1;
    d.BorderStyle = uint8_t(borderStyle);
    ASSERT_TRUE(ApplyLevel(d, d.ImageW, d.ImageH));
    AllocatePieceTable(state, d.TotalTileNum);
    Random random(20261211);
    CutPieces(d, state.pieces, state.buffers[kMaskBuffer], random, testing::DrawnAtlas());
    PaintPicture(state.buffers[kPictureBuffer]);
    MakeTurnedBuffers(state);

    for (int i = 0; i < d.TotalTileNum; ++i)
        state.pieces[size_t(i)].group = i;
    for (int i = 0; i < d.TotalTileNum; i += 3)
        for (const int16_t j : state.pieces[size_t(i)].neighbours)
            if (j > i && state.pieces[size_t(j)].group == j) {
                state.pieces[size_t(j)].group = state.pieces[size_t(i)].group;
                break;
            }
    for (int i = 0; i < d.TotalTileNum; ++i) {
        PieceRecord& piece = state.pieces[size_t(i)];
        piece.rotation = uint8_t(random(4));
        piece.selected = i % 7 == 3;
        DeriveGeometry(state, i);
        piece.x = random(kFieldWidth - piece.width / 2) - 10;
        piece.y = random(kFieldHeight - piece.height / 2) - 10;
    }
    SetStartField(table.windows, kFieldWidth, kFieldHeight);
    InitialisePlayWindows(table.windows, state, "Pocket %d: %d", "Thumbnail");
    SetVirtualField(table.windows, kFieldWidth, kFieldHeight);
    SizeFieldImages(table.field, kFieldWidth, kFieldHeight, kDefaultBackground);
}

// The effects free the turned masks once the runs are made from them; they are made and embossed
// again here so that their relief can be seen.
void EmbossTurnedMasks(GameState& state)
{
    if (HasTurnedMasks(state))
        return;
    MakeTurnedMasks(state);
    for (int r = 1; r < 4; ++r) {
        ResetRelief(state.buffers[size_t(kMaskBuffer + r)]);
        EmbossPieces(state, r);
    }
}

// Gives the pixels of some pieces the mask value of a neighbour, whose box holds some of them:
// each of the two then draws the other's pixels there as its own.
void ShareMaskValues(GameState& state)
{
    TPixelBuffer& mask = state.buffers[kMaskBuffer];
    for (int i = 0; i < PieceCount(state); i += 9) {
        const int j = state.pieces[size_t(i)].neighbours[0];
        if (j < 0)
            continue;
        const uint8_t from = state.pieces[size_t(j)].maskValue;
        const uint8_t to = state.pieces[size_t(i)].maskValue;
        const PieceBox box = RotatedSourceBox(state, j, 0);
        for (int y = box.y; y < box.y + box.height; ++y)
            for (int x = box.x; x < box.x + box.width; ++x)
                if (PixAddress(mask, x, y)[0] == from)
                    PixAddress(mask, x, y)[0] = to;
        state.pieces[size_t(j)].maskValue = to;
    }
    MakeTurnedBuffers(state);
}

// The cut with a frame, dealt, some mask values shared, and the effects of the styles applied.
void DealSharingValues(Table& table, int embossStyle, int woodStyle)
{
    CutAndDeal(table, 1);
    ShareMaskValues(table.state);
    table.state.look.embossStyle = embossStyle;
    table.state.look.woodStyle = woodStyle;
    ApplyEffects(table.state);
}

// The picture as the four rotations see it, which no style changes.
uint64_t PicturesHash(const GameState& state)
{
    uint64_t hash = Hash(nullptr, 0);
    for (int r = 0; r < 4; ++r)
        hash = HashPixels(PictureView(state, r), hash);
    return hash;
}

// The edge cells and the field as the effects and the compose left them, then the masks.
Hashes HashesOf(Table& table)
{
    GameState& state = table.state;
    Hashes h {Hash(nullptr, 0), Hash(nullptr, 0), HashPixels(table.field.image, Hash(nullptr, 0))};
    for (int r = 0; r < 4; ++r) {
        const EdgeBuffer& edges = state.edgeBuffers[size_t(r)];
        h.edges = HashValue(edges.width, HashValue(edges.height, h.edges));
        // Each cell as the pieces' cells hold it: a bit for every slot covering it and a 3-bit
        // depth field per slot, slot p at bits 3p to 3p + 2.
        const size_t cells = size_t(edges.width) * size_t(edges.height);
        std::vector<uint16_t> bits(cells, 0);
        std::vector<uint32_t> depths(cells, 0);
        for (size_t i = 0; i < edges.pieces.size(); ++i) {
            const PieceCells& own = edges.pieces[i];
            const int slot = state.pieces[i].edgeSlot;
            for (int y = own.top; y <= own.bottom; ++y)
                for (int x = own.left; x <= own.right; ++x)
                    if (const int value = CellValue(own, CellIndex(own, x, y)); value > 0) {
                        const size_t at = size_t(y) * size_t(edges.width) + size_t(x);
                        bits[at] = uint16_t(bits[at] | 1 << slot);
                        depths[at] = (depths[at] & ~(7u << (3 * slot))) | uint32_t(value - 1) << (3 * slot);
                    }
        }
        for (size_t at = 0; at < cells; ++at)
            h.edges = HashValue(depths[at], HashValue(bits[at], h.edges));
    }
    for (const PieceRecord& piece : state.pieces)
        h.edges = HashValue(piece.edgeBit, HashValue(piece.edgeSlot, h.edges));
    EmbossTurnedMasks(state);
    // Of the masks, the bytes drawing reads: each picture pixel's value, and the relief of those
    // that are some piece's.
    for (int r = 0; r < 4; ++r) {
        const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + r)];
        const TurnedView picture = PictureView(state, r);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const uint8_t* pixel = PixAddress(mask, x, y);
                h.masks = HashValue(pixel[0], h.masks);
                if (pixel[0] != 0)
                    h.masks = HashValue(pixel[2], h.masks);
            }
    }
    return h;
}

struct Case {
    int embossStyle;
    int woodStyle;
    int borderStyle;
    Hashes expected;
};

std::string Name(const Case& c)
{
    return "emboss " + std::to_string(c.embossStyle) + " wood " + std::to_string(c.woodStyle) + " border " +
           std::to_string(c.borderStyle);
}

TEST(EffectsPixels, EveryStyleGivesTheSameBytes)
{
    const Case cases[] = {
        {kEmbossNone, kWoodNone, 0, {0xbea71e7b4db75d25u, 0xffc1400d73dd0a8du, 0x9995e0d104c4f4ecu}},
        {kEmbossPaper, kWoodNone, 0, {0xc3e2d59cf19f6753u, 0xffc1400d73dd0a8du, 0xbaf8c66e773e6868u}},
        {kEmbossCardboard, kWoodNone, 0, {0x2855976005765fddu, 0xffc1400d73dd0a8du, 0xb6ae5b783fc8eeebu}},
        {kEmbossFatCard, kWoodNone, 0, {0xc84a5e99b66d34b3u, 0xffc1400d73dd0a8du, 0x9b8c8dcd1101ee37u}},
        {kEmbossNone, kWoodEdge, 0, {0xbea71e7b4db75d25u, 0x80198a39383d949du, 0xbdbeaa3c66d219edu}},
        {kEmbossPaper, kWoodEdge, 0, {0xc3e2d59cf19f6753u, 0x80198a39383d949du, 0x852d081110670a2fu}},
        {kEmbossCardboard, kWoodEdge, 0, {0x2855976005765fddu, 0x80198a39383d949du, 0xc40eb1aebc9d080du}},
        {kEmbossFatCard, kWoodEdge, 0, {0xc84a5e99b66d34b3u, 0x80198a39383d949du, 0x1cdb5a1579c84c41u}},
        {kEmbossNone, kWoodShadow, 0, {0xbea71e7b4db75d25u, 0x88b4a0e81b31ab8u, 0x347588982bc05ee0u}},
        {kEmbossPaper, kWoodShadow, 0, {0xc3e2d59cf19f6753u, 0x88b4a0e81b31ab8u, 0x5024a22ddd567bfeu}},
        {kEmbossCardboard, kWoodShadow, 0, {0x2855976005765fddu, 0x88b4a0e81b31ab8u, 0x6b4f31437ac4c4bu}},
        {kEmbossFatCard, kWoodShadow, 0, {0xc84a5e99b66d34b3u, 0x88b4a0e81b31ab8u, 0x2c77cc0764693bf7u}},
        {kEmbossPaper, kWoodEdge, 1, {0x6c85e7db63d81b5bu, 0xd0386b7715f9a952u, 0x2164406b27feab62u}},
        {kEmbossFatCard, kWoodShadow, 1, {0x89af119170b36d19u, 0xe2f2d33303f32931u, 0x643926a61c91a820u}},
    };
    for (const Case& c : cases) {
        Table table;
        CutAndDeal(table, c.borderStyle);
        table.state.look.embossStyle = c.embossStyle;
        table.state.look.woodStyle = c.woodStyle;
        ApplyEffects(table.state);
        Compose(table.field, Layer::Field, FieldBox(table.windows), What::All, table.state, table.windows);
        EXPECT_EQ(PicturesHash(table.state), 0xfd6b99b6d3a88505u) << Name(c);
        EXPECT_EQ(HashesOf(table), c.expected) << Name(c);
    }
}

// Drawing keeps to the runs and bands worked out with the effects; reading the mask and finding
// the band from the cells must draw the same, whatever the style, also where pieces of one mask
// value meet. The turned masks are made and embossed again for that reading.
TEST(EffectsPixels, KeptRunsAndBandsDrawAsTheMaskAndCellsSay)
{
    const std::array<std::array<int, 2>, 3> looks {{{kEmbossPaper, kWoodShadow}, {kEmbossFatCard, kWoodEdge},
                                                    {kEmbossCardboard, kWoodNone}}};
    for (const auto& [emboss, wood] : looks) {
        Table table;
        DealSharingValues(table, emboss, wood);
        GameState& state = table.state;
        const TBox all = FieldBox(table.windows);
        Compose(table.field, Layer::Field, all, What::All, state, table.windows);
        const uint64_t kept = HashPixels(table.field.image, Hash(nullptr, 0));
        // The bands found as a join in play finds them, with the turned masks freed.
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < PieceCount(state); ++i)
                FindBand(state, r, i);
        Compose(table.field, Layer::Field, all, What::All, state, table.windows);
        EXPECT_EQ(HashPixels(table.field.image, Hash(nullptr, 0)), kept) << "emboss " << emboss << " wood " << wood;
        EmbossTurnedMasks(state);
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < PieceCount(state); ++i)
                state.pieceRuns[size_t(r)][size_t(i)].known = false;
        Compose(table.field, Layer::Field, all, What::All, state, table.windows);
        EXPECT_EQ(HashPixels(table.field.image, Hash(nullptr, 0)), kept) << "emboss " << emboss << " wood " << wood;
    }
}

// A join hides bands and finds them afresh; its undo puts the cells back, and the bands drawn from
// them must follow: the field then looks as before the join, and after a redo as after it.
TEST(EffectsPixels, AnUndoneJoinDrawsAsBeforeIt)
{
    Table table;
    CutAndDeal(table, 0);
    GameState& state = table.state;
    state.look.embossStyle = kEmbossPaper;
    state.look.woodStyle = kWoodShadow;
    ApplyEffects(state);
    const TBox all = FieldBox(table.windows);
    const auto fieldHash = [&] {
        Compose(table.field, Layer::Field, all, What::All, state, table.windows);
        return HashPixels(table.field.image, Hash(nullptr, 0));
    };
    const auto groups = [&] {
        std::vector<int32_t> numbers;
        for (int i = 0; i < PieceCount(state); ++i)
            numbers.push_back(state.pieces[size_t(i)].group);
        return numbers;
    };
    const uint64_t before = fieldHash();
    UndoHistory history;
    history.Reset(state);

    // A piece that fits piece 0's group and lies turned as it is, so that it joins where it goes.
    const int picked = 0;
    Fit fit = FindFit(state, PickedPieces(state, picked), {true}, -1);
    for (int tries = 0; fit.piece >= 0 && tries < PieceCount(state); ++tries) {
        if (state.pieces[size_t(fit.piece)].rotation == state.pieces[size_t(fit.partner)].rotation)
            break;
        fit = FindFit(state, PickedPieces(state, picked), {true}, fit.piece);
    }
    ASSERT_GE(fit.piece, 0);
    ASSERT_EQ(state.pieces[size_t(fit.piece)].rotation, state.pieces[size_t(fit.partner)].rotation);
    const PieceBox place = PlaceOfFit(state, fit);
    PieceRecord& moved = state.pieces[size_t(fit.piece)];
    const int dx = place.x - moved.x;
    const int dy = place.y - moved.y;
    const int32_t group = moved.group;
    for (int i = 0; i < PieceCount(state); ++i)
        if (state.pieces[size_t(i)].group == group) {
            state.pieces[size_t(i)].x += dx;
            state.pieces[size_t(i)].y += dy;
        }
    BringGroupToTop(state, group);
    ASSERT_GE(JoinDroppedGroup(state, fit.piece, MW_SIDE0, SnapTolerance(state.descriptor.snapDistance, 12),
                               &history.EdgeLog()).joins, 1);
    SortDrawOrder(state, SortOrder::Ascending);
    history.Record(state);
    const uint64_t joined = fieldHash();
    ASSERT_NE(joined, before);

    std::vector<int32_t> regrouped = groups();
    ASSERT_TRUE(history.Undo(state));
    RefindBandsAfterRegroup(state, regrouped);
    EXPECT_EQ(fieldHash(), before);
    regrouped = groups();
    ASSERT_TRUE(history.Redo(state));
    RefindBandsAfterRegroup(state, regrouped);
    EXPECT_EQ(fieldHash(), joined);
}

// A piece's runs as numbers: whether they are known, each own and relief span, the lit bytes.
std::vector<int> Flattened(const PieceRuns& runs)
{
    std::vector<int> flat {runs.known};
    for (const CellSpans* cells : {&runs.own, &runs.relief}) {
        flat.push_back(int(cells->spans.size()));
        for (const CellSpan& span : cells->spans)
            flat.insert(flat.end(), {span.x, span.y, span.count});
    }
    flat.insert(flat.end(), runs.lit.begin(), runs.lit.end());
    return flat;
}

// The effects make only the runs of the rotation each piece lies in; turning a group makes those
// of its new rotation. Once every group has been turned all the way round, each piece's runs in
// each rotation must be those the embossing of every piece makes, also where pieces of one mask
// value meet; the frame's group, which never turns, keeps only its own.
TEST(EffectsPixels, RunsMadeWhenAGroupTurnsAreThoseOfTheEmbossing)
{
    for (const int wood : {kWoodNone, kWoodShadow}) {
        Table table;
        DealSharingValues(table, kEmbossFatCard, wood);
        GameState& state = table.state;
        int unmade = 0;
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < PieceCount(state); ++i)
                unmade += !state.pieceRuns[size_t(r)][size_t(i)].known;
        EXPECT_GT(unmade, PieceCount(state)) << "wood " << wood;

        for (int turn = 0; turn < 4; ++turn) {
            std::vector<bool> turned(size_t(PieceCount(state)), false);
            for (int i = 0; i < PieceCount(state); ++i) {
                const PieceRecord& piece = state.pieces[size_t(i)];
                if (turned[size_t(piece.group)])
                    continue;
                turned[size_t(piece.group)] = true;
                TurnGroup(state, i, Turn::Clockwise, piece.x, piece.y);
            }
        }
        const std::array<std::vector<PieceRuns>, 4> made = state.pieceRuns;
        EmbossTurnedMasks(state);
        EmbossPieces(state, 0);
        const int frame = BorderPieceIndex(state);
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < PieceCount(state); ++i) {
                const PieceRuns& runs = made[size_t(r)][size_t(i)];
                const PieceRecord& piece = state.pieces[size_t(i)];
                if (frame >= 0 && piece.group == state.pieces[size_t(frame)].group && r != piece.rotation)
                    continue;
                EXPECT_EQ(Flattened(runs), Flattened(state.pieceRuns[size_t(r)][size_t(i)]))
                    << "wood " << wood << " rotation " << r << " piece " << i;
            }
    }
}

}  // namespace
}  // namespace kirvo
