// Feeds arbitrary bytes to the saved-game reader in every mode, and resumes what passes the check
// the way the game does — turned buffers, relief and wooden edges — and composes the field: none
// of it may crash or touch memory outside its buffers. Built in build-sanitize/ (see the README)
// with its seeds named in CMakeLists.txt.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "files/SavedGame.h"
#include "files/SavedGameCheck.h"
#include "playfield/FieldImage.h"
#include "playfield/StarStrip.h"
#include "session/ResumeGame.h"

namespace {

const kirvo::TPixelBuffer& StarStrip()
{
    static const kirvo::TPixelBuffer strip = kirvo::DrawStarStrip();
    return strip;
}

void ResumeAndCompose(kirvo::SavedGame&& game)
{
    using namespace kirvo;
    GameState state;
    state.look = {.embossStyle = 1, .woodStyle = 1, .woodColor = 0x49687A, .edgeWidth = 0};
    PlayWindows windows;
    SetStartField(windows, 320, 240);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    ResumeGame(state, windows, std::move(game));
    FieldImage field;
    SizeFieldImages(field, 400, 300, kDefaultBackground);
    state.redrawMode = RedrawMode::WholeField;
    (void)Redraw(field, state, windows, StarStrip());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    for (auto mode : {kirvo::SavedGameReadMode::Select, kirvo::SavedGameReadMode::Thumbnail})
        (void)kirvo::DecodeSavedGame(bytes, mode);
    kirvo::Result<kirvo::SavedGame> game = kirvo::DecodeSavedGame(bytes, kirvo::SavedGameReadMode::Start);
    if (game && kirvo::CheckSavedGame(game.value()))
        ResumeAndCompose(std::move(game.value()));
    return 0;
}
