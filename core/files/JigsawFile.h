// Jigsaw file (".ast"): one puzzle picture with its preview, pixel size and information text.
//
// Layout, integers little-endian:
//   0   magic "KIRVO1.0" and a zero byte
//   9   int32 ImageW, int32 ImageH: pixel size of the picture entry
//   17  tag block of 10 bytes: byte 0 is an index k (0 to 9), byte k is the header tag
//   27  preview entry (fixed key), info entry, picture entry (rotating keys); see Entry.h
// Nothing after the picture entry is read.
//
// The whole file is read into memory once and decoded from there; a read costs about twice the
// file size plus the decoded pictures. Every malformed file gives a Result naming the problem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

struct Descriptor;

inline constexpr std::string_view kJigsawMagic = "KIRVO1.0";  // followed by one zero byte
inline constexpr size_t kJigsawTagBlockSize = 10;

// The keys of the format: every tool that writes jigsaw files must use these values. The preview
// key is also the key of a saved game's thumbnail entry; the two bases are for side index 0.
inline constexpr uint8_t kPreviewKey = 0x5A;
inline constexpr uint8_t kInfoKeyBase = 0xA7;
inline constexpr uint8_t kPictureKeyBase = 0x3C;

enum class JigsawReadMode {
    Select = 0,     // browser selection: header and preview
    Start = 1,      // new game: header, information text and picture
    Thumbnail = 2,  // browser list: header and preview
};

enum class PreviewType { Unknown = 0, Bitmap = 1, Jpeg = 2 };

struct JigsawFile {
    int32_t ImageW = 0;
    int32_t ImageH = 0;
    uint8_t headerTag = 0;
    size_t infoOffset = 0;   // where the info entry begins, just past the preview entry
    TPixelBuffer preview;    // Select and Thumbnail only; as decoded
    std::string info;        // Start only; UTF-8
    TPixelBuffer picture;    // Start only; 24 bits, exactly ImageW x ImageH
};

// FF D8 FF is a JPEG, "BM" a Windows bitmap; anything else (a GIF too) is Unknown.
PreviewType PreviewKind(std::span<const uint8_t> bytes);
// Whether the bytes start with the JFIF form the picture entry must have.
bool IsJfifFile(std::span<const uint8_t> bytes);
// Whether the name ends with ".ast", in any letter case.
bool HasJigsawExtension(const std::string& path);

Result<JigsawFile> DecodeJigsawFile(std::span<const uint8_t> bytes, JigsawReadMode mode);
// Fails without opening anything when the name does not end with ".ast"; the file is closed
// again before decoding starts.
Result<JigsawFile> ReadJigsawFile(const std::string& path, JigsawReadMode mode);

// What a selection hands on to the pending descriptor: size, header tag, one side played as
// side 0, and entry position [1]. Entry positions [0] and [2] and the fit size stay as they are.
void FillPendingDescriptor(const JigsawFile& jigsaw, Descriptor& pending);

}  // namespace kirvo
