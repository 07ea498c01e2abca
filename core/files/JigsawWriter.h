// JigsawWriter: makes a jigsaw file from its parts, for tests and the packing tool.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"

namespace kirvo {

struct JigsawParts {
    int32_t ImageW = 0;  // must match the picture's pixel size
    int32_t ImageH = 0;
    uint8_t headerTag = 0;
    std::span<const uint8_t> preview;  // a JPEG or Windows bitmap file
    std::span<const uint8_t> info;     // a text file, with or without byte-order mark
    std::span<const uint8_t> picture;  // a JFIF JPEG or Windows bitmap file
};

// The bytes of the file, entries scrambled with the format's keys, the tag at index 1 of the tag
// block. The parts are taken as they stand: nothing is decoded or checked.
std::vector<uint8_t> EncodeJigsawFile(const JigsawParts& parts);
// The encoded file written durably (base/DurableFile.h): path ends up whole or as it was.
Result<> WriteJigsawFile(const std::string& path, const JigsawParts& parts);

}  // namespace kirvo
