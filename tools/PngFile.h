// Writing a picture as a PNG file, or any encoded file, for the command-line tools.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "base/DurableFile.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// Writes the encoded bytes to path; on failure (or when there are none) tells stderr why, after the
// tool's name.
inline bool WriteEncoded(const char* tool, const std::string& path, const std::vector<uint8_t>& bytes)
{
    Result<> written = bytes.empty() ? Result<>(Fail("Cannot encode " + path)) : WriteFileDurably(path, bytes);
    if (!written)
        std::fprintf(stderr, "%s: %s\n", tool, written.error().c_str());
    return written.ok();
}

// Writes picture to path as a PNG.
inline bool WritePng(const char* tool, const std::string& path, const TPixelBuffer& picture)
{
    return WriteEncoded(tool, path, PixEncodePng(picture));
}

}  // namespace kirvo
