#include "session/ResumeGame.h"

#include <algorithm>
#include <utility>

#include "cutting/PieceEffects.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "game/TurnedBuffers.h"
#include "playfield/GroupsIntoView.h"

namespace kirvo {

namespace {

TPixelBuffer View(const TPixelBuffer& buffer)
{
    TPixelBuffer view;
    if (buffer.width > 0)
        PixAttach(buffer.bits, buffer.width, buffer.height, buffer.bytesPerPixel, buffer.stride, view);
    return view;
}

void RestorePockets(PlayWindows& windows, GameState& state, const std::array<PocketRecord, 4>& pockets)
{
    ResetPockets(windows, state);
    for (int k = 0; k < 4; ++k) {
        const int number = MW_POCKET0 + k;
        const PocketRecord& record = pockets[size_t(k)];
        TMyWin& pocket = windows.windows[size_t(number)];
        SetVisible(windows, state, number, record.open ? Visibility::Shown : Visibility::Hidden);
        PlaceWindow(pocket, record.box, windows.field);
        if (!record.keepScroll) {
            pocket.scrollX = record.scrollX;
            pocket.scrollY = record.scrollY;
        }
        Recount(windows, state, number);
        UpdateExtent(pocket, state);
    }
    FitIntoField(windows);
}

int SideHoldingEveryPiece(const GameState& state)
{
    const int count = state.descriptor.TotalTileNum;
    const int window = count > 0 ? state.pieces[0].window : MW_SIDE0;
    const bool together = std::all_of(state.pieces.begin(), state.pieces.begin() + count,
                                      [window](const PieceRecord& p) { return p.window == window; });
    return together && (window == MW_SIDE0 || window == MW_SIDE1) ? window : MW_SIDE0;
}

}  // namespace

SavedGame MakeSavedGame(const GameState& state, const PlayWindows& windows, const SaveExtras& extras)
{
    SavedGame game;
    game.seed = state.descriptor.GameSeed;
    game.jigsawName = extras.jigsawName;
    game.descriptor = state.descriptor;
    if (extras.thumbnail)
        game.thumbnail = View(*extras.thumbnail);
    game.picture = View(state.buffers[kPictureBuffer]);
    game.mask = View(state.buffers[kMaskBuffer]);
    game.info = extras.info;
    game.backgrounds = extras.backgrounds;
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        game.backgrounds[size_t(kFirstWindowBackground + n)] = int32_t(windows.windows[size_t(n)].background);
    game.playKeys = extras.playKeys;
    game.pieces.assign(state.pieces.begin(), state.pieces.begin() + state.descriptor.TotalTileNum);
    for (int k = 0; k < 4; ++k) {
        const TMyWin& pocket = windows.windows[size_t(MW_POCKET0 + k)];
        game.pockets[size_t(k)] = {.keepScroll = false, .open = pocket.visible, .box = ChosenFrame(pocket),
                                   .scrollX = pocket.scrollX, .scrollY = pocket.scrollY};
    }
    game.weightedPiece = state.weightedPiece;
    return game;
}

int ResumeStepCount(const Descriptor& descriptor, bool effectsOn)
{
    const bool rotate = descriptor.Rotate == 1;
    return 5 + (rotate ? 6 : 0) + (effectsOn ? 1 + (rotate ? 3 : 0) : 0);
}

int ResumeGame(GameState& state, PlayWindows& windows, SavedGame&& game, const ProgressStep& step)
{
    state.descriptor = game.descriptor;
    state.buffers[kPictureBuffer] = std::move(game.picture);
    SetVirtualField(windows, state.descriptor.ImageW, state.descriptor.ImageH);
    Step(step);
    state.buffers[kMaskBuffer] = std::move(game.mask);
    Step(step);
    ResetRelief(state.buffers[kMaskBuffer]);  // worked out again for the look of this machine
    Step(step);
    if (state.descriptor.Rotate == 1)
        MakeTurnedBuffers(state, step);
    else
        FreeTurnedBuffers(state);

    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        windows.windows[size_t(n)].background = uint32_t(game.backgrounds[size_t(kFirstWindowBackground + n)]);
    AllocatePieceTable(state, state.descriptor.TotalTileNum);
    std::copy(game.pieces.begin(), game.pieces.end(), state.pieces.begin());
    // A game saved with a selection would come back with pieces no command lets go of. Where a
    // piece lies in the turned buffers follows from its source box: worked out, not trusted.
    for (int i = 0; i < PieceCount(state); ++i) {
        state.pieces[size_t(i)].selected = false;
        DeriveGeometry(state, i);
    }
    SortDrawOrder(state, SortOrder::Ascending);
    RestorePockets(windows, state, game.pockets);
    state.weightedPiece = game.weightedPiece;
    Step(step);
    ApplyEffects(state, step);

    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        BringGroupsIntoView(state, windows, n, Pulling::On);
    ResetPlayFlags(state);
    return SideHoldingEveryPiece(state);
}

}  // namespace kirvo
