#include "session/NewGame.h"

#include <charconv>
#include <optional>
#include <vector>
#include <utility>

#include "base/Folders.h"
#include "base/TextFormat.h"
#include "cutting/Cut.h"
#include "cutting/PieceEffects.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/ShapeLibrary.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "game/TurnedBuffers.h"
#include "playfield/Spread.h"

namespace kirvo {

namespace {

constexpr int kBaseSteps = 13;      // read, field, thumbnail window, piece table and the cut's nine
constexpr int kTurnSteps = 6;       // three picture and three mask turns
constexpr int kEffectSteps = 1;     // one per rotation
constexpr int kTurnedEffectSteps = 3;

// Each piece alone in its group on the first side, turned at random when rotation is on.
void DealPieces(GameState& state, Random& random)
{
    const bool rotate = state.descriptor.Rotate == 1;
    for (int k = 0; k < state.descriptor.TotalTileNum; ++k) {
        PieceRecord& piece = state.pieces[size_t(k)];
        piece.group = k;
        piece.window = MW_SIDE0;
        piece.rotation = uint8_t(rotate ? random(4) : 0);
        piece.selected = false;
        DeriveGeometry(state, k);
    }
}

// The frame lies unturned in the middle of the virtual field.
void PlaceFrame(GameState& state, const PlayWindows& windows)
{
    const int frame = BorderPieceIndex(state);
    if (frame < 0)
        return;
    PieceRecord& piece = state.pieces[size_t(frame)];
    piece.x = (windows.field.virtualWidth - state.descriptor.ImageW) / 2;
    piece.y = (windows.field.virtualHeight - state.descriptor.ImageH) / 2;
    piece.rotation = 0;
    DeriveGeometry(state, frame);
}

// The picture shapes for a cut of shape style 3; none for the other styles.
std::optional<ShapeLibrary> ReadShapeLibrary(const Descriptor& descriptor, const std::string& path,
                                             const MessageSink& messages)
{
    if (descriptor.ShapeStyle != 3 || path.empty())
        return std::nullopt;
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    Result<ShapeLibrary> library = DecodeShapeLibrary(bytes.value());
    if (!library) {
        Tell(messages, "Invalid DAT file!", MessageButtons::Ok, MessageIcon::Warning);
        return std::nullopt;
    }
    return std::move(library.value());
}

}  // namespace

int NewGameStepCount(const Descriptor& pending, bool effectsOn)
{
    const bool rotate = pending.Rotate == 1;
    int steps = kBaseSteps + (rotate ? kTurnSteps : 0);
    if (effectsOn)
        steps += kEffectSteps + (rotate ? kTurnedEffectSteps : 0);
    return steps;
}

int32_t ChooseSeed(const std::optional<std::string>& seedText, Random& random)
{
    if (seedText) {
        const std::string_view text = Trimmed(*seedText);
        int32_t seed = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (!text.empty() && error == std::errc() && end == text.data() + text.size())
            random.state = uint32_t(seed);
    }
    return int32_t(random.state);
}

Result<CutReport> StartNewGame(GameState& state, PlayWindows& windows, const NewGameChoices& choices, TPixelBuffer picture,
                      Random& random, const KnobAtlas& atlas, const ProgressStep& step, const MessageSink& messages)
{
    Descriptor descriptor = choices.pending;
    if (picture.width != descriptor.ImageW || picture.height != descriptor.ImageH || picture.bytesPerPixel != 3)
        return Fail("The picture is not the size the jigsaw file gives.");
    if (descriptor.FitToScreen && (descriptor.fitWidth != descriptor.ImageW || descriptor.fitHeight != descriptor.ImageH)) {
        if (descriptor.fitWidth < 1 || descriptor.fitHeight < 1)
            return Fail("The picture cannot be fitted to the screen.");
        TPixelBuffer fitted;
        PixCreate24(fitted, descriptor.fitWidth, descriptor.fitHeight);
        PixScale(fitted, picture);
        picture = std::move(fitted);
        descriptor.ImageW = descriptor.fitWidth;
        descriptor.ImageH = descriptor.fitHeight;
    }
    if (!ApplyLevel(descriptor, descriptor.ImageW, descriptor.ImageH))
        return Fail("The picture cannot be cut at this piece size.");

    state.descriptor = descriptor;
    SetVirtualField(windows, descriptor.ImageW, descriptor.ImageH);
    Step(step);
    Step(step);  // the thumbnail window keeps its size until it shows the picture

    state.descriptor.GameSeed = ChooseSeed(choices.seedText, random);
    state.buffers[kPictureBuffer] = std::move(picture);
    AllocatePieceTable(state, state.descriptor.TotalTileNum);
    Step(step);

    const std::optional<ShapeLibrary> shapes = ReadShapeLibrary(state.descriptor, choices.shapeLibraryFile, messages);
    CutReport report = CutPieces(state.descriptor, state.pieces, state.buffers[kMaskBuffer], random, atlas, step,
                                 shapes ? &shapes.value() : nullptr);
    if (state.descriptor.Rotate == 1)
        MakeTurnedBuffers(state, step);
    else
        FreeTurnedBuffers(state);

    DealPieces(state, random);
    SpreadPieces(state, windows, MW_SIDE0, state.descriptor.SpreadOut == 1 ? SpreadLayout::Grid : SpreadLayout::Random,
                 random);
    PlaceFrame(state, windows);
    ApplyEffects(state, step);
    ResetPockets(windows, state);
    state.weightedPiece = -1;
    ResetPlayFlags(state);
    return report;
}

}  // namespace kirvo
