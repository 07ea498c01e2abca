// The field of a 1920 x 1080 screen holding a cut 1920 x 1080 picture of about 1000 and of 3999
// pieces scattered over side 0: a full compose, also with the pieces embossed and shadowed, one
// drag step of a 50-piece group, the hit test, Arrange of 3999 selected single pieces, finding a
// piece that fits the 50-piece group or any two that fit, the undo of a join with shadowed pieces,
// and a memcpy of the field image to compare them with.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>

#include "base/Random.h"
#include "cutting/Cut.h"
#include "cutting/KnobAtlas.h"
#include "cutting/PieceEffects.h"
#include "cutting/PieceSizeTable.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "game/TurnedBuffers.h"
#include "game/UndoHistory.h"
#include "playfield/Arrange.h"
#include "playfield/FieldImage.h"
#include "playfield/FindFit.h"
#include "playfield/Glass.h"
#include "playfield/Joining.h"
#include "playfield/ThumbnailWindow.h"
#include "shell/FieldWidget.h"

namespace kirvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kGroupSize = 50;

struct Scene {
    GameState state;
    PlayWindows windows;
    FieldImage field;
};

// The level of a 1920 x 1080 picture whose piece count lies nearest the wish.
int LevelNear(int pieces)
{
    const PieceSizeTable table = BuildPieceSizeTable(kWidth, kHeight, 0, 0);
    int best = 0;
    for (int level = 1; level < kLevelCount; ++level)
        if (std::abs(table[level].TileNum - pieces) < std::abs(table[best].TileNum - pieces))
            best = level;
    return best;
}

// Turned: rotation on, each piece in a random rotation, as the game deals them.
std::unique_ptr<Scene> MakeScene(int pieces, bool effects, bool turned = false)
{
    auto scene = std::make_unique<Scene>();
    GameState& state = scene->state;
    Descriptor& d = state.descriptor;
    d.ImageW = kWidth;
    d.ImageH = kHeight;
    d.Level = LevelNear(pieces);
    d.Rotate = turned ? 1 : 0;
    ApplyLevel(d, kWidth, kHeight);
    AllocatePieceTable(state, d.TotalTileNum);
    Random random(20240611);
    CutPieces(d, state.pieces, state.buffers[kMaskBuffer], random, KnobAtlasFromPicture(DrawKnobAtlas()).value());

    TPixelBuffer& picture = state.buffers[kPictureBuffer];
    PixCreate24(picture, kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            PixSetPixel(picture, x, y, MakeColour(x * 255 / kWidth, y * 255 / kHeight, (x + y) & 255));
    if (turned)
        MakeTurnedBuffers(state);

    for (int i = 0; i < d.TotalTileNum; ++i) {
        PieceRecord& piece = state.pieces[i];
        if (turned)
            piece.rotation = uint8_t(random(4));
        DeriveGeometry(state, i);
        piece.group = i;
        piece.x = random(kWidth - piece.width);
        piece.y = random(kHeight - piece.height);
    }
    // The drag group: the top 50 pieces, joined.
    for (int i = MaxInt(0, d.TotalTileNum - kGroupSize); i < d.TotalTileNum; ++i)
        state.pieces[i].group = d.TotalTileNum - 1;
    state.draggedPiece = d.TotalTileNum - 1;
    if (effects)
        state.look = {.embossStyle = kEmbossCardboard, .woodStyle = kWoodShadow};
    ApplyEffects(state);

    SetStartField(scene->windows, kWidth, kHeight);
    InitialisePlayWindows(scene->windows, state, "Pocket %d: %d", "Thumbnail");
    SetVirtualField(scene->windows, kWidth, kHeight);
    SizeFieldImages(scene->field, kWidth, kHeight, kDefaultBackground);
    return scene;
}

Scene& SceneOf(int pieces, bool effects = false, bool turned = false)
{
    static std::map<std::tuple<int, bool, bool>, std::unique_ptr<Scene>> scenes;
    std::unique_ptr<Scene>& scene = scenes[{pieces, effects, turned}];
    if (!scene)
        scene = MakeScene(pieces, effects, turned);
    return *scene;
}

void Counters(benchmark::State& run, const Scene& scene)
{
    run.counters["pieces"] = double(scene.state.descriptor.TotalTileNum);
}

void FullCompose(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)));
    for (auto _ : run) {
        Compose(scene.field, Layer::Field, FieldBox(scene.windows), What::All, scene.state, scene.windows);
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(FullCompose)->Arg(1000)->Arg(3999)->Unit(benchmark::kMillisecond);

void FullComposeWithEffects(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)), true);
    for (auto _ : run) {
        Compose(scene.field, Layer::Field, FieldBox(scene.windows), What::All, scene.state, scene.windows);
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(FullComposeWithEffects)->Arg(3999)->Unit(benchmark::kMillisecond);

// The same with the pieces in all four rotations, from the largest pieces to the smallest.
void FullComposeTurned(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)), run.range(1) != 0, true);
    for (auto _ : run) {
        Compose(scene.field, Layer::Field, FieldBox(scene.windows), What::All, scene.state, scene.windows);
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(FullComposeTurned)
    ->ArgNames({"pieces", "effects"})
    ->ArgsProduct({{24, 3999}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The redraw of the whole field a player sees after any change: the compose and the glass. The
// plain field against one with every viewing aid out: both sides on a background picture (a
// stand-in of the size the game loads), the thumbnail window at its start size over the side and
// the glass over the pieces.
void FieldRedraw(benchmark::State& run)
{
    const bool aids = run.range(1) != 0;
    static std::map<std::pair<int, bool>, std::unique_ptr<Scene>> scenes;
    std::unique_ptr<Scene>& made = scenes[{int(run.range(0)), aids}];
    if (!made) {
        made = MakeScene(int(run.range(0)), false);
        if (aids) {
            Scene& scene = *made;
            FieldImage& field = scene.field;
            field.backgroundPicture.code = kFirstBackgroundPicture;
            PixCreate24(field.backgroundPicture.pixels, kWidth, kHeight);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    PixSetPixel(field.backgroundPicture.pixels, x, y, MakeColour(x & 255, y & 255, 90));
            scene.windows.windows[MW_SIDE0].background = kFirstBackgroundPicture;
            scene.windows.windows[MW_SIDE1].background = kFirstBackgroundPicture;
            TMyWin& thumbnail = scene.windows.windows[MW_THUMB];
            SizeThumbnailWindow(thumbnail, field.thumbnail, kWidth, kHeight);
            RenderThumbnail(field.thumbnail, thumbnail, scene.state.buffers[kPictureBuffer]);
            ShowThumbnailWindow(scene.windows, scene.state);
            ToggleGlass(scene.windows, scene.state);
            BoxMoveTo(scene.windows.glass.frame, kWidth / 2, kHeight / 2);
            LayOut(scene.windows.glass, SizeSource::FromFrame);
        }
    }
    Scene& scene = *made;
    const TPixelBuffer noStars;
    for (auto _ : run) {
        scene.state.redrawMode = RedrawMode::WholeField;
        benchmark::DoNotOptimize(Redraw(scene.field, scene.state, scene.windows, noStars));
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(FieldRedraw)->ArgsProduct({{1000, 3999}, {0, 1}})->ArgNames({"pieces", "aids"})->Unit(benchmark::kMillisecond);

void DragStep(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)));
    PrepareDragImages(scene.field, Moving::Pieces, scene.state, scene.windows);
    for (auto _ : run) {
        DrawDragStep(scene.field, Moving::Pieces, scene.state, scene.windows);
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(DragStep)->Arg(1000)->Arg(3999)->Unit(benchmark::kMicrosecond);

// The same with effects and the pieces in all four rotations, as the game deals them.
void DragStepTurned(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)), true, true);
    PrepareDragImages(scene.field, Moving::Pieces, scene.state, scene.windows);
    for (auto _ : run) {
        DrawDragStep(scene.field, Moving::Pieces, scene.state, scene.windows);
        benchmark::ClobberMemory();
    }
    Counters(run, scene);
}
BENCHMARK(DragStepTurned)->Arg(24)->Arg(3999)->Unit(benchmark::kMicrosecond);

void HitTest(benchmark::State& run)
{
    Scene& scene = SceneOf(int(run.range(0)));
    Random random(7);
    std::vector<std::pair<int, int>> points(4096);
    for (auto& point : points)
        point = {random(kWidth), random(kHeight)};
    size_t next = 0;
    for (auto _ : run) {
        const auto& [x, y] = points[next++ & 4095];
        benchmark::DoNotOptimize(PieceAtPoint(scene.state, scene.windows, x, y));
    }
    Counters(run, scene);
}
BENCHMARK(HitTest)->Arg(1000)->Arg(3999)->Unit(benchmark::kMicrosecond);

// Arrange reads only the pieces' places and groups and the cell size of the level, so its scene
// is a piece table of exactly that many pieces, each alone in its group and selected, scattered
// over side 0; each run arranges the grid the last one left.
void ArrangeSingles(benchmark::State& run)
{
    const int pieces = int(run.range(0));
    Scene scene;
    GameState& state = scene.state;
    Descriptor& d = state.descriptor;
    d.ImageW = kWidth;
    d.ImageH = kHeight;
    d.Level = LevelNear(pieces);
    ApplyLevel(d, kWidth, kHeight);
    d.TotalTileNum = pieces;
    AllocatePieceTable(state, pieces);
    Random random(11);
    for (int i = 0; i < pieces; ++i) {
        PieceRecord& piece = state.pieces[size_t(i)];
        piece.group = i;
        piece.selected = true;
        piece.x = random(kWidth - d.MaskS);
        piece.y = random(kHeight - d.MaskS);
    }
    state.selectionExists = true;
    SetStartField(scene.windows, kWidth, kHeight);
    InitialisePlayWindows(scene.windows, state, "Pocket %d: %d", "Thumbnail");
    SetVirtualField(scene.windows, kWidth, kHeight);
    for (auto _ : run)
        benchmark::DoNotOptimize(ArrangeSelection(state, scene.windows, random));
    Counters(run, scene);
}
BENCHMARK(ArrangeSingles)->Arg(3999)->Unit(benchmark::kMicrosecond);

// A mouse move of a 50-piece group to the screen: the drag step, the redraw that reports what
// changed, and painting that into a 32-bit image as the field widget paints the window's backing
// store. whole = 1 is the way of before: the whole field restored, drawn and painted each step.
void DragStepToScreen(benchmark::State& run)
{
    // A scene of its own whose drag group is a joined block of 7 x 7 pieces in the middle.
    static std::map<int, std::unique_ptr<Scene>> scenes;
    std::unique_ptr<Scene>& made = scenes[int(run.range(0))];
    if (!made) {
        made = MakeScene(int(run.range(0)), false);
        GameState& state = made->state;
        const int group = state.descriptor.TotalTileNum;  // a number no piece has: drawn on top
        for (int i = 0; i < state.descriptor.TotalTileNum; ++i) {
            PieceRecord& piece = state.pieces[size_t(i)];
            if (piece.cellX / std::max(1, piece.cellWidth) / 7 != 5 || piece.cellY / std::max(1, piece.cellHeight) / 7 != 3)
                continue;
            piece.group = group;
            piece.x = piece.sourceX + 200;
            piece.y = piece.sourceY + 100;
            state.draggedPiece = i;
        }
        SortDrawOrder(state, SortOrder::Ascending);
    }
    Scene& scene = *made;
    const bool whole = run.range(1) != 0;
    GameState& state = scene.state;
    const int group = state.pieces[size_t(state.draggedPiece)].group;
    PrepareDragImages(scene.field, Moving::Pieces, state, scene.windows);
    QImage screen(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&screen);
    const TPixelBuffer noStars;
    int step = 1;
    for (auto _ : run) {
        step = -step;
        for (PieceRecord& piece : state.pieces)
            if (piece.group == group)
                piece.x += step;
        TBox changed = FieldBox(scene.windows);
        if (whole) {
            Compose(scene.field, Layer::Field, changed, What::FromUnder, state, scene.windows);
            Compose(scene.field, Layer::Field, changed, What::Dragged, state, scene.windows);
        } else {
            DrawDragStep(scene.field, Moving::Pieces, state, scene.windows);
            changed = Redraw(scene.field, state, scene.windows, noStars);
        }
        PaintFieldPart(painter, scene.field.image, QRect(changed.left, changed.top, changed.width, changed.height));
        benchmark::ClobberMemory();
        run.counters["repainted"] = double(changed.width) * changed.height / (double(kWidth) * kHeight);
    }
    Counters(run, scene);
}
BENCHMARK(DragStepToScreen)->ArgsProduct({{3999}, {1, 0}})->ArgNames({"pieces", "whole"})->Unit(benchmark::kMicrosecond);

// Each run asks for the next fit after the last one found, as Find does.
void FindFitting(benchmark::State& run)
{
    Scene& scene = SceneOf(3999);
    const bool group = run.range(0) == 1;
    std::array<bool, kPieceWindowCount> shown {true, false, false, false, false, false};
    int after = -1;
    for (auto _ : run) {
        const Fit fit = FindFit(scene.state, PickedPieces(scene.state, group ? scene.state.draggedPiece : -1), shown,
                                after);
        if (fit.piece < 0)
            run.SkipWithError("nothing fits");
        after = fit.piece;
    }
    Counters(run, scene);
}
BENCHMARK(FindFitting)->Arg(0)->Arg(1)->ArgNames({"group"})->Unit(benchmark::kMicrosecond);

// A piece that fits the 50-piece group dropped in place beside it, joined with its shadow bands
// hidden and recorded; each run undoes the join (the redo between runs is not timed).
void UndoJoin(benchmark::State& run)
{
    std::unique_ptr<Scene> scene = MakeScene(3999, true);
    GameState& state = scene->state;
    UndoHistory history;
    history.Reset(state);
    const Fit fit = FindFit(state, PickedPieces(state, state.draggedPiece), {true}, -1);
    const PieceBox place = PlaceOfFit(state, fit);
    state.pieces[size_t(fit.piece)].x = place.x;
    state.pieces[size_t(fit.piece)].y = place.y;
    BringGroupToTop(state, state.pieces[size_t(fit.piece)].group);
    const int tolerance = SnapTolerance(state.descriptor.snapDistance, 12);
    if (JoinDroppedGroup(state, fit.piece, MW_SIDE0, tolerance, &history.EdgeLog()).joins != 1)
        run.SkipWithError("the drop did not join");
    SortDrawOrder(state, SortOrder::Ascending);
    history.Record(state);
    for (auto _ : run) {
        if (!history.Undo(state))
            run.SkipWithError("nothing to undo");
        run.PauseTiming();
        history.Redo(state);
        run.ResumeTiming();
    }
    Counters(run, *scene);
}
BENCHMARK(UndoJoin)->Unit(benchmark::kMicrosecond);

void FieldMemcpy(benchmark::State& run)
{
    Scene& scene = SceneOf(1000);
    const TPixelBuffer& from = scene.field.under;
    TPixelBuffer& to = scene.field.image;
    for (auto _ : run) {
        std::memcpy(to.bits, from.bits, size_t(from.size));
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(int64_t(run.iterations()) * from.size);
}
BENCHMARK(FieldMemcpy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
