#include "game/UndoHistory.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "game/DrawOrder.h"
#include "piece_table.h"
#include "playfield/Joining.h"
#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

// What undo must put back and redo bring again, and the picture it must never touch.
struct Snapshot {
    std::vector<PieceRecord> pieces;
    std::vector<DrawOrderEntry> drawOrder;
    std::array<EdgeBuffer, 4> edges;
    std::array<std::vector<uint8_t>, 8> buffers;

    explicit Snapshot(const GameState& state)
        : pieces(state.pieces), drawOrder(state.drawOrder), edges(state.edgeBuffers)
    {
        for (size_t b = 0; b < 8; ++b)
            buffers[b] = Bytes(state.buffers[b]);
    }

    static std::vector<uint8_t> Bytes(const TPixelBuffer& buffer)
    {
        return {buffer.bits, buffer.bits + buffer.size};
    }
};

void ExpectSame(const GameState& state, const Snapshot& snapshot, const char* when)
{
    EXPECT_EQ(state.pieces, snapshot.pieces) << when;
    EXPECT_EQ(state.drawOrder, snapshot.drawOrder) << when;
    for (size_t r = 0; r < 4; ++r)
        EXPECT_TRUE(state.edgeBuffers[r].pieces == snapshot.edges[r].pieces) << when << ", edges of rotation " << r;
    for (size_t b = 0; b < 8; ++b)
        EXPECT_TRUE(Snapshot::Bytes(state.buffers[b]) == snapshot.buffers[b]) << when << ", buffer " << b;
}

// A game of about eighty turnable pieces with wooden edges, played the way drops play it.
class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PlayWindows windows;
        SetStartField(windows, 640, 480);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        NewGameChoices choices;
        choices.pending.ImageW = 480;
        choices.pending.ImageH = 360;
        TakeChoices(choices.pending, {.Rotate = true, .ShapeStyle = 4, .Level = 8, .FitToScreen = false});
        ComputeFitSize(choices.pending, 640, 480);
        ASSERT_TRUE(ApplyChosenLevel(choices.pending));
        choices.seedText = "5";
        TPixelBuffer picture;
        PixCreate24(picture, 480, 360);
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 480; ++x)
                PixSetPixel(picture, x, y, uint32_t(x * 0x010203 + y * 0x030100));
        state.look.woodStyle = kWoodEdge;
        Random random;
        ASSERT_TRUE(StartNewGame(state, windows, choices, std::move(picture), random, testing::DrawnAtlas()));
        ASSERT_GT(state.edgeBuffers[0].width, 0);
        ASSERT_GT(PieceCount(state), 60) << "level";
        history.Reset(state);
    }

    // Picks up a piece's group, moves it (beside a neighbour now and then, or into another
    // window, or turned) and drops it, joining what it meets; or just raises the group, as a click
    // does. Returns the joins.
    int Act(std::mt19937& random)
    {
        const int count = PieceCount(state);
        const int piece = int(random() % uint32_t(count));
        BringGroupToTop(state, state.pieces[size_t(piece)].group);
        PieceRecord& p = state.pieces[size_t(piece)];
        int dx = int(random() % 201) - 100, dy = int(random() % 201) - 100;
        uint8_t window = p.window;
        switch (random() % 6) {
        case 0: return Drop(piece, 0, 0, window);  // a click
        case 1: TurnGroup(state, piece, Turn::Clockwise, p.x, p.y); break;
        case 2: window = uint8_t(random() % kPieceWindowCount); break;
        default:
            for (int16_t q : p.neighbours) {
                const PieceRecord& other = state.pieces[size_t(std::max<int16_t>(q, 0))];
                if (q < 0 || q >= count || other.group == p.group || other.rotation != 0 || p.rotation != 0)
                    continue;
                const int slip = int(random() % 5) - 2;
                dx = other.x - other.sourceX + p.sourceX - p.x + slip;
                dy = other.y - other.sourceY + p.sourceY - p.y - slip;
                window = other.window;
                break;
            }
        }
        return Drop(piece, dx, dy, window);
    }

    int Drop(int piece, int dx, int dy, uint8_t window)
    {
        const int32_t group = state.pieces[size_t(piece)].group;
        for (int k = 0; k < PieceCount(state); ++k) {
            PieceRecord& p = state.pieces[size_t(k)];
            if (p.group == group) {
                p.x += dx;
                p.y += dy;
                p.window = window;
            }
        }
        const int tolerance = SnapTolerance(state.descriptor.snapDistance, 12);
        const JoinResult joins = JoinDroppedGroup(state, piece, window, tolerance, &history.EdgeLog());
        SortDrawOrder(state, SortOrder::Ascending);
        history.Record(state);
        return joins.joins;
    }

    GameState state;
    UndoHistory history;
};

// 500 drops with their joins undone one by one give the start again bit for bit, edges and all,
// and redone give the end; the picture never changes.
TEST_F(UndoHistoryTest, UndoingEveryStepGivesTheStartAndRedoingThemTheEnd)
{
    const Snapshot start(state);
    std::mt19937 random(11);
    int joins = 0;
    for (int action = 0; action < 500; ++action)
        joins += Act(random);
    const Snapshot end(state);
    ASSERT_GT(joins, 20);
    ASSERT_FALSE(state.edgeBuffers[0].pieces == start.edges[0].pieces) << "the joins must have hidden bands";
    EXPECT_LT(history.StepCount(), 500u) << "a click takes no step of its own";

    while (history.Undo(state)) {
    }
    ExpectSame(state, start, "all undone");
    while (history.Redo(state)) {
    }
    ExpectSame(state, end, "all redone");
}

// A new action after an undo drops what could be redone; the steps before it stay whole.
TEST_F(UndoHistoryTest, ANewActionAfterUndoDropsTheRedo)
{
    const Snapshot start(state);
    std::mt19937 random(3);
    for (int action = 0; action < 40; ++action)
        Act(random);
    for (int k = 0; k < 10; ++k)
        ASSERT_TRUE(history.Undo(state));
    EXPECT_TRUE(history.CanRedo());
    const size_t done = history.StepCount();
    Drop(0, 7, 7, state.pieces[0].window);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo(state));
    EXPECT_EQ(history.StepCount(), done + 1);
    while (history.Undo(state)) {
    }
    ExpectSame(state, start, "all undone");
}

// Changes the history was not told of (a group pulled into view) go back with the last step; a
// new game starts the history afresh.
TEST(UndoHistoryEdgesTest, UnrecordedChangesGoBackWithTheLastStepAndANewGameStartsAfresh)
{
    GameState state;
    PlacePieces(state, {{10, 10, 0}, {100, 10, 1}, {200, 10, 2}});
    UndoHistory history;
    history.Reset(state);
    const Snapshot start(state);
    state.pieces[0].x = 50;
    history.Record(state);
    state.pieces[1].y = 300;
    BringGroupToTop(state, 0);
    ASSERT_TRUE(history.Undo(state));
    ExpectSame(state, start, "undone");
    EXPECT_FALSE(history.CanUndo());

    PlacePieces(state, {{0, 0, 0}, {0, 0, 1}});
    EXPECT_FALSE(history.Redo(state)) << "another game";
    EXPECT_FALSE(history.CanRedo());
}

// The oldest steps go once kUndoSteps are kept.
TEST(UndoHistoryEdgesTest, KeepsTheLatestStepsOnly)
{
    GameState state;
    PlacePieces(state, {{0, 0, 0}});
    UndoHistory history;
    history.Reset(state);
    for (size_t move = 0; move < kUndoSteps + 3; ++move) {
        ++state.pieces[0].x;
        history.Record(state);
    }
    size_t undone = 0;
    while (history.Undo(state))
        ++undone;
    EXPECT_EQ(undone, kUndoSteps);
    EXPECT_EQ(state.pieces[0].x, 3);
}

}  // namespace
}  // namespace kirvo
