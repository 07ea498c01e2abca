// Feeds arbitrary bytes to the jigsaw file reader in every mode: it must fail cleanly, never
// crash or read past the input. Built in build-sanitize/ (see the README) with its seeds named in
// CMakeLists.txt.
#include <cstddef>
#include <cstdint>

#include "files/JigsawFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    for (auto mode : {kirvo::JigsawReadMode::Select, kirvo::JigsawReadMode::Start, kirvo::JigsawReadMode::Thumbnail})
        (void)kirvo::DecodeJigsawFile(bytes, mode);
    return 0;
}
