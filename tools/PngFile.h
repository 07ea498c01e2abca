// Writing a picture as a PNG file, for the command-line tools.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "base/DurableFile.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// Writes picture to path as a PNG; on failure tells stderr why, after the tool's name.
inline bool WritePng(const char* tool, const std::string& path, const TPixelBuffer& picture)
{
    const std::vector<uint8_t> png = PixEncodePng(picture);
    Result<> written = png.empty() ? Result<>(Fail("Cannot encode " + path)) : WriteFileDurably(path, png);
    if (!written)
        std::fprintf(stderr, "%s: %s\n", tool, written.error().c_str());
    return written.ok();
}

}  // namespace kirvo
