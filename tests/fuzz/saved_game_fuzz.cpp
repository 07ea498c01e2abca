// Feeds arbitrary bytes to the saved-game reader in every mode: it must fail cleanly, never crash
// or read past the input. Built in build-sanitize/ (see the README) with its seeds named in
// CMakeLists.txt.
#include <cstddef>
#include <cstdint>

#include "files/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    for (auto mode : {kirvo::SavedGameReadMode::Select, kirvo::SavedGameReadMode::Start,
                      kirvo::SavedGameReadMode::Thumbnail})
        (void)kirvo::DecodeSavedGame(bytes, mode);
    return 0;
}
