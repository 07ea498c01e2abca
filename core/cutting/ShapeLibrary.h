// The shape library: the picture shapes of the artistic cut, one file read whole at the start of
// a cut that uses them.
//
// Layout, little-endian: the magic "BJ61DAT " (eight characters, the last a space), the number N
// of shapes (signed 32-bit), N directory entries of 40 bytes, then the shapes' enhanced-metafile
// streams, each where its entry says. An entry holds the stream's offset from the start of the
// file and its size (both unsigned), the shape's design width and height in pixels (signed), 16
// unused bytes, a byte each that is non-zero when the shape may be mirrored top to bottom and
// when it may be mirrored left to right, 2 bytes of padding and 4 more that are ignored. Unused
// bytes are written as zeros.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"

namespace kirvo {

inline constexpr const char* kShapeLibraryFile = "pic_kirvo.dat";  // in the program's folder

struct LibraryShape {
    std::vector<uint8_t> data;  // a metafile stream, checked by LoadMetafile when the shape is used
    int32_t designWidth = 0;
    int32_t designHeight = 0;
    bool mayMirrorTopToBottom = false;
    bool mayMirrorLeftToRight = false;
    friend bool operator==(const LibraryShape&, const LibraryShape&) = default;
};

struct ShapeLibrary {
    std::vector<LibraryShape> shapes;
};

// A wrong magic gives "Invalid DAT file!"; a count or a directory entry that does not fit the
// bytes gives an error naming it.
Result<ShapeLibrary> DecodeShapeLibrary(std::span<const uint8_t> bytes);
// The same for a file; a missing or unreadable file gives the reading error.
Result<ShapeLibrary> LoadShapeLibrary(const std::string& path);

// The directory, then the streams in order.
std::vector<uint8_t> EncodeShapeLibrary(const ShapeLibrary& library);
Result<> WriteShapeLibrary(const std::string& path, const ShapeLibrary& library);

}  // namespace kirvo
