// Feeds arbitrary bytes to the picture decoders: they must fail cleanly, never crash or read
// past the input. Built in build-sanitize/ (see the README) with its seeds named in CMakeLists.txt.
#include <cstddef>
#include <cstdint>

#include "raster/PixelBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    kirvo::TPixelBuffer buffer;
    (void)kirvo::PixLoadPng(buffer, bytes);
    (void)kirvo::PixLoadJpeg(buffer, bytes);
    (void)kirvo::PixLoadBmp(buffer, bytes);
    return 0;
}
