#include "files/JigsawFile.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/ByteReader.h"
#include "base/Folders.h"
#include "base/TextDecoding.h"
#include "files/Entry.h"
#include "game/Descriptor.h"

namespace kirvo {
namespace {

constexpr std::array<uint8_t, 12> kJfifStart = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01};

bool StartsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

Result<> Context(Result<> result, const char* what)
{
    if (result)
        return result;
    return Fail(std::string("Invalid jigsaw file: ") + what + ": " + result.error());
}

Result<> DecodePreview(std::span<const uint8_t> bytes, TPixelBuffer& preview)
{
    switch (PreviewKind(bytes)) {
    case PreviewType::Jpeg:
        return Context(PixLoadJpeg(preview, bytes), "preview");
    case PreviewType::Bitmap:
        return Context(PixLoadBmp(preview, bytes), "preview");
    case PreviewType::Unknown:
        break;
    }
    return Fail("Invalid jigsaw file: preview is neither a JPEG nor a bitmap");
}

// Only a JFIF start goes to the JPEG decoder; any other JPEG is refused by the bitmap decoder.
Result<> DecodePicture(std::span<const uint8_t> bytes, int32_t width, int32_t height, TPixelBuffer& picture)
{
    if (bytes.size() < kJfifStart.size())
        return Fail("Invalid jigsaw file: picture entry of " + std::to_string(bytes.size()) + " bytes");
    Result<> decoded = IsJfifFile(bytes) ? PixLoadJpeg(picture, bytes) : PixLoadBmp(picture, bytes);
    if (!decoded)
        return Context(decoded, "picture");
    // The piece layout is computed from the header, and the game copies exactly that many pixels.
    if (picture.width != width || picture.height != height)
        return Fail("Invalid jigsaw file: picture is " + std::to_string(picture.width) + " x "
                    + std::to_string(picture.height) + ", header says " + std::to_string(width) + " x "
                    + std::to_string(height));
    PixFromBitmap(picture, picture);
    return {};
}

}  // namespace

PreviewType PreviewKind(std::span<const uint8_t> bytes)
{
    static constexpr std::array<uint8_t, 3> jpeg = {0xFF, 0xD8, 0xFF};
    static constexpr std::array<uint8_t, 2> bitmap = {'B', 'M'};
    if (StartsWith(bytes, jpeg))
        return PreviewType::Jpeg;
    if (StartsWith(bytes, bitmap))
        return PreviewType::Bitmap;
    return PreviewType::Unknown;
}

bool IsJfifFile(std::span<const uint8_t> bytes) { return StartsWith(bytes, kJfifStart); }

bool HasJigsawExtension(const std::string& path)
{
    static constexpr std::string_view extension = ".ast";
    return path.size() >= extension.size()
           && SameNameIgnoringCase(path.substr(path.size() - extension.size()), std::string(extension));
}

Result<JigsawFile> DecodeJigsawFile(std::span<const uint8_t> bytes, JigsawReadMode mode)
{
    ByteReader reader(bytes);
    std::span<const uint8_t> magic = reader.Take(kJigsawMagic.size() + 1);
    int32_t width = reader.I32();
    int32_t height = reader.I32();
    std::span<const uint8_t> tags = reader.Take(kJigsawTagBlockSize);
    if (reader.Failed())
        return Fail("Invalid jigsaw file: header of " + std::to_string(bytes.size()) + " bytes is truncated");
    if (!std::equal(kJigsawMagic.begin(), kJigsawMagic.end(), magic.begin()) || magic.back() != 0)
        return Fail("Invalid jigsaw file: incorrect header magic");
    if (width <= 0 || height <= 0)
        return Fail("Invalid jigsaw file: picture size " + std::to_string(width) + " x " + std::to_string(height));
    if (tags[0] >= kJigsawTagBlockSize)
        return Fail("Invalid jigsaw file: tag index " + std::to_string(tags[0]) + " lies outside the tag block");

    JigsawFile jigsaw;
    jigsaw.ImageW = width;
    jigsaw.ImageH = height;
    jigsaw.headerTag = tags[tags[0]];

    Result<Entry> preview = ExtractEntry(reader, kPreviewKey, KeyMode::Fixed);
    if (!preview)
        return Fail("Invalid jigsaw file: " + preview.error());
    jigsaw.infoOffset = preview.value().endOffset;
    if (mode != JigsawReadMode::Start) {
        if (Result<> decoded = DecodePreview(preview.value().data, jigsaw.preview); !decoded)
            return Fail(decoded.error());
        return jigsaw;
    }

    // Every file made here has one side, played as side 0.
    Result<Entry> info = ExtractEntry(reader, kInfoKeyBase, KeyMode::Rotating);
    if (!info)
        return Fail("Invalid jigsaw file: " + info.error());
    const std::vector<uint8_t>& text = info.value().data;
    jigsaw.info = DecodeText(std::span(reinterpret_cast<const char*>(text.data()), text.size()));

    Result<Entry> picture = ExtractEntry(reader, kPictureKeyBase, KeyMode::Rotating);
    if (!picture)
        return Fail("Invalid jigsaw file: " + picture.error());
    if (Result<> decoded = DecodePicture(picture.value().data, width, height, jigsaw.picture); !decoded)
        return Fail(decoded.error());
    return jigsaw;
}

Result<JigsawFile> ReadJigsawFile(const std::string& path, JigsawReadMode mode)
{
    if (!HasJigsawExtension(path))
        return Fail("Invalid jigsaw file: " + path + " is not a .ast file");
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes)
        return Fail(bytes.error());
    return DecodeJigsawFile(bytes.value(), mode);
}

void FillPendingDescriptor(const JigsawFile& jigsaw, Descriptor& pending)
{
    pending.ImageW = jigsaw.ImageW;
    pending.ImageH = jigsaw.ImageH;
    pending.headerTag = jigsaw.headerTag;
    pending.SideNum = 1;
    pending.sidePlayed = 0;
    pending.entryPositions[1] = int32_t(jigsaw.infoOffset);
}

}  // namespace kirvo
