#include "files/SavedGame.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <utility>

#include "base/ByteReader.h"
#include "base/Folders.h"
#include "base/TextDecoding.h"
#include "files/Entry.h"
#include "files/JigsawFile.h"

namespace kirvo {
namespace {

constexpr size_t kHeaderSize = 23;  // magic, seed, play-state offset, name length
static_assert(kSavedGameHeadSize == kHeaderSize + kMaxJigsawNameLength + kDescriptorSize);
constexpr size_t kEntryLengthSize = 4;
constexpr size_t kPocketRecordSize = 26;
constexpr size_t kTrailerSize = 264;
constexpr size_t kTrailerReservedSize = 256;
constexpr int kMaskMargin = 5;  // pixels the mask reaches past the picture, right and below
constexpr char32_t kReplacement = 0xFFFD;

Error Invalid(const std::string& problem) { return Fail("Invalid saved game: " + problem); }

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// Everything before the entries.
struct Header {
    int32_t seed = 0;
    int32_t stateOffset = 0;
    std::string jigsawName;
    Descriptor descriptor;
};

Result<Header> DecodeHeader(ByteReader& reader)
{
    std::span<const uint8_t> magic = reader.Take(kSavedGameMagic.size());
    Header header;
    header.seed = reader.I32();
    header.stateOffset = reader.I32();
    const int32_t nameLength = reader.I32();
    if (reader.Failed())
        return Invalid("truncated header");
    if (!std::equal(kSavedGameMagic.begin(), kSavedGameMagic.end(), magic.begin()))
        return Invalid("incorrect header magic");
    if (nameLength < 1 || nameLength > kMaxJigsawNameLength)
        return Invalid("jigsaw name length " + std::to_string(nameLength));
    std::span<const uint8_t> name = reader.Take(size_t(nameLength));
    if (reader.Failed())
        return Invalid("jigsaw name of " + std::to_string(nameLength) + " bytes runs past the end");
    const auto zero = std::find(name.begin(), name.end(), 0);
    if (zero == name.end())
        return Invalid("jigsaw name without its closing zero");
    header.jigsawName.assign(name.begin(), zero);

    std::span<const uint8_t> descriptorBytes = reader.Take(kDescriptorSize);
    if (reader.Failed())
        return Invalid("truncated descriptor");
    Result<Descriptor> descriptor = DecodeDescriptor(descriptorBytes);
    if (!descriptor)
        return Invalid("descriptor: " + descriptor.error());
    header.descriptor = descriptor.value();
    // The browser fits the picture from these sizes before any picture is decoded.
    const Descriptor& d = header.descriptor;
    if (d.ImageW <= 0 || d.ImageH <= 0 || int64_t(d.ImageW) * d.ImageH > kMaxDecodedPixels)
        return Invalid("picture size " + SizeText(d.ImageW, d.ImageH));
    return header;
}

Result<Entry> TakeEntry(ByteReader& reader, uint8_t key, const std::string& what)
{
    Result<Entry> entry = ExtractEntry(reader, key, KeyMode::Fixed);
    if (!entry)
        return Invalid(what + ": " + entry.error());
    return entry;
}

// Every piece's source box lies in the picture, so it must have exactly the descriptor's size.
Result<> DecodePicture(std::span<const uint8_t> bytes, const Descriptor& d, TPixelBuffer& picture)
{
    if (Result<> loaded = PixLoadBmp(picture, bytes); !loaded)
        return Invalid("picture: " + loaded.error());
    if (picture.width != d.ImageW || picture.height != d.ImageH)
        return Invalid("picture is " + SizeText(picture.width, picture.height) + ", the descriptor says "
                       + SizeText(d.ImageW, d.ImageH));
    return {};
}

// A mask stored without its margin gets a black one. Any other size cannot be the mask of this
// picture: copying part of it would give pieces the wrong pixels.
Result<> DecodeMask(std::span<const uint8_t> bytes, const Descriptor& d, TPixelBuffer& mask)
{
    TPixelBuffer loaded;
    if (Result<> decoded = PixLoadBmp(loaded, bytes); !decoded)
        return Invalid("mask: " + decoded.error());
    const int width = d.ImageW + kMaskMargin;
    const int height = d.ImageH + kMaskMargin;
    if (loaded.width == width && loaded.height == height) {
        mask = std::move(loaded);
        return {};
    }
    if (loaded.width != d.ImageW || loaded.height != d.ImageH)
        return Invalid("mask is " + SizeText(loaded.width, loaded.height) + ", neither " + SizeText(width, height)
                       + " nor " + SizeText(d.ImageW, d.ImageH));
    PixCreate24(mask, width, height);
    PixCopyRect(mask, 0, 0, loaded.width, loaded.height, loaded, 0, 0);
    return {};
}

// Group numbers index tables of one entry per piece, and neighbours are piece indices or -1.
Result<> CheckPieceIndices(const PieceRecord& piece, int count)
{
    const std::string last = std::to_string(count - 1);
    if (piece.group < 0 || piece.group >= count)
        return Fail("group " + std::to_string(piece.group) + ", outside 0 to " + last);
    for (int16_t neighbour : piece.neighbours)
        if (neighbour < -1 || neighbour >= count)
            return Fail("neighbour " + std::to_string(neighbour) + ", outside -1 to " + last);
    return {};
}

Result<> DecodePieces(ByteReader& reader, int count, std::vector<PieceRecord>& pieces)
{
    const size_t needed = size_t(count) * kPieceRecordSize;
    if (needed > reader.Remaining())
        return Invalid(std::to_string(count) + " piece records need " + std::to_string(needed) + " bytes, "
                       + std::to_string(reader.Remaining()) + " left");
    pieces.reserve(size_t(count));
    for (int k = 0; k < count; ++k) {
        Result<PieceRecord> piece = DecodePiece(reader.Take(kPieceRecordSize));
        if (!piece)
            return Invalid("piece " + std::to_string(k) + ": " + piece.error());
        if (Result<> checked = CheckPieceIndices(piece.value(), count); !checked)
            return Invalid("piece " + std::to_string(k) + ": " + checked.error());
        pieces.push_back(piece.value());
    }
    return {};
}

Result<> DecodePockets(ByteReader& reader, std::array<PocketRecord, 4>& pockets)
{
    if (reader.Remaining() < pockets.size() * kPocketRecordSize)
        return Invalid("truncated pocket records");
    for (size_t k = 0; k < pockets.size(); ++k) {
        PocketRecord& pocket = pockets[k];
        pocket.keepScroll = reader.U8() != 0;
        pocket.open = reader.U8() != 0;
        const int32_t left = reader.I32();
        const int32_t top = reader.I32();
        const int32_t right = reader.I32();
        const int32_t bottom = reader.I32();
        pocket.scrollX = reader.I32();
        pocket.scrollY = reader.I32();
        // A pocket is at least one pixel wide and high, and its size must fit an int.
        if (right < left || bottom < top || int64_t(right) - left >= INT32_MAX || int64_t(bottom) - top >= INT32_MAX)
            return Invalid("pocket " + std::to_string(k) + " from " + std::to_string(left) + ", "
                           + std::to_string(top) + " to " + std::to_string(right) + ", " + std::to_string(bottom));
        pocket.box = BoxFromCorners(left, top, right, bottom);
    }
    return {};
}

// The weighted piece; -1 when the file ends before the trailer or the trailer names no piece.
int32_t DecodeTrailer(ByteReader& reader, int count)
{
    if (reader.Remaining() < kTrailerSize)
        return -1;
    const int32_t marker = reader.I32();
    const int32_t weighted = reader.I32();
    return marker == kTrailerMarker && weighted >= -1 && weighted < count ? weighted : -1;
}

Result<> DecodePlayState(ByteReader& reader, SavedGame& game)
{
    for (int32_t& value : game.backgrounds)
        value = reader.I32();
    MouseBindings& keys = game.playKeys;
    keys.RotCW_Button = reader.U8();
    keys.RotCW_Shift = reader.U8();
    keys.RotCCW_Button = reader.U8();
    keys.RotCCW_Shift = reader.U8();
    keys.MoveOW_Button = reader.U8();
    keys.MoveOW_Shift = reader.U8();
    keys.bSingleWin = reader.U8() != 0;
    keys.bClickToDrag = reader.U8() != 0;
    if (reader.Failed())
        return Invalid("truncated backgrounds and play keys");
    const int count = game.descriptor.TotalTileNum;
    if (Result<> pieces = DecodePieces(reader, count, game.pieces); !pieces)
        return pieces;
    if (Result<> pockets = DecodePockets(reader, game.pockets); !pockets)
        return pockets;
    game.weightedPiece = DecodeTrailer(reader, count);
    return {};
}

// The code point of the UTF-8 sequence at `at`, moving `at` past it; U+FFFD for a byte that
// starts no complete sequence.
char32_t NextCodePoint(std::string_view text, size_t& at)
{
    const uint8_t lead = uint8_t(text[at++]);
    const int following = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    if (following < 0)
        return kReplacement;
    char32_t c = following == 0 ? lead : lead & (0x3F >> following);
    for (int i = 0; i < following; ++i) {
        if (at >= text.size() || (uint8_t(text[at]) & 0xC0) != 0x80)
            return kReplacement;
        c = c << 6 | (uint8_t(text[at++]) & 0x3F);
    }
    return c;
}

// The information text as the format stores it: UTF-16 little-endian after its mark, every line
// ending in CR LF.
std::vector<uint8_t> InfoFile(std::string_view text)
{
    ByteWriter out;
    out.U16(0xFEFF);
    char32_t previous = 0;
    for (size_t at = 0; at < text.size();) {
        char32_t c = NextCodePoint(text, at);
        if (c == '\n' && previous != '\r')
            out.U16('\r');
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = kReplacement;
        if (c >= 0x10000) {
            out.U16(uint16_t(0xD800 + ((c - 0x10000) >> 10)));
            out.U16(uint16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.U16(uint16_t(c));
        }
        previous = c;
    }
    return out.Take();
}

}  // namespace

bool HasSavedGameExtension(const std::string& path)
{
    static constexpr std::string_view extension = ".sv1";
    return path.size() >= extension.size()
           && SameNameIgnoringCase(path.substr(path.size() - extension.size()), std::string(extension));
}

Result<SavedGame> DecodeSavedGame(std::span<const uint8_t> bytes, SavedGameReadMode mode)
{
    ByteReader reader(bytes);
    Result<Header> header = DecodeHeader(reader);
    if (!header)
        return Fail(header.error());
    SavedGame game;
    game.seed = header.value().seed;
    game.jigsawName = std::move(header.value().jigsawName);
    game.descriptor = header.value().descriptor;

    Result<Entry> thumbnail = TakeEntry(reader, kPreviewKey, "thumbnail");
    if (!thumbnail)
        return Fail(thumbnail.error());
    // The stored entry positions describe the jigsaw file the game was started from.
    game.descriptor.entryPositions[1] = int32_t(thumbnail.value().endOffset);
    game.descriptor.SideNum = 1;
    game.descriptor.sidePlayed = 0;
    const std::vector<uint8_t>& thumbnailFile = thumbnail.value().data;
    if (!thumbnailFile.empty())
        if (Result<> decoded = PixLoadPicture(game.thumbnail, thumbnailFile); !decoded)
            return Invalid("thumbnail: " + decoded.error());
    if (mode != SavedGameReadMode::Start)
        return game;

    Result<Entry> picture = TakeEntry(reader, kSavedPictureKey, "picture");
    if (!picture)
        return Fail(picture.error());
    if (Result<> decoded = DecodePicture(picture.value().data, game.descriptor, game.picture); !decoded)
        return Fail(decoded.error());
    Result<Entry> mask = TakeEntry(reader, kSavedMaskKey, "mask");
    if (!mask)
        return Fail(mask.error());
    if (Result<> decoded = DecodeMask(mask.value().data, game.descriptor, game.mask); !decoded)
        return Fail(decoded.error());
    Result<Entry> info = TakeEntry(reader, kSavedInfoKey, "info");
    if (!info)
        return Fail(info.error());
    const std::vector<uint8_t>& text = info.value().data;
    game.info = DecodeText(std::span(reinterpret_cast<const char*>(text.data()), text.size()));

    // A quick save writes at the stored offset: it must be where this reader finds the block.
    const int32_t stateOffset = header.value().stateOffset;
    if (stateOffset < 0 || size_t(stateOffset) != reader.Position())
        return Invalid("play-state offset " + std::to_string(stateOffset) + ", but the info entry ends at "
                       + std::to_string(reader.Position()));
    if (Result<> state = DecodePlayState(reader, game); !state)
        return Fail(state.error());
    return game;
}

std::vector<uint8_t> EncodePlayState(const SavedGame& game)
{
    assert(game.pieces.size() == size_t(game.descriptor.TotalTileNum));
    ByteWriter out;
    for (int32_t value : game.backgrounds)
        out.I32(value);
    const MouseBindings& keys = game.playKeys;
    for (uint8_t value : {keys.RotCW_Button, keys.RotCW_Shift, keys.RotCCW_Button, keys.RotCCW_Shift,
                          keys.MoveOW_Button, keys.MoveOW_Shift, uint8_t(keys.bSingleWin), uint8_t(keys.bClickToDrag)})
        out.U8(value);
    for (const PieceRecord& piece : game.pieces)
        EncodePiece(piece, out);
    for (const PocketRecord& pocket : game.pockets) {
        out.U8(0);  // keep-scroll: a reader takes the scroll position
        out.U8(pocket.open);
        for (int edge : {pocket.box.left, pocket.box.top, pocket.box.right, pocket.box.bottom})
            out.I32(edge);
        out.I32(pocket.scrollX);
        out.I32(pocket.scrollY);
    }
    out.I32(kTrailerMarker);
    out.I32(game.weightedPiece);
    out.Zeros(kTrailerReservedSize);
    return out.Take();
}

std::vector<uint8_t> EncodeSavedGame(const SavedGame& game)
{
    // A longer name would not read back; no file name on disk is that long.
    const std::string name = game.jigsawName.substr(0, kMaxJigsawNameLength - 1);
    const std::vector<uint8_t> entries[] = {PixEncodeBmp(game.thumbnail), PixEncodeBmp(game.picture),
                                            PixEncodeBmp(game.mask), InfoFile(game.info)};
    const uint8_t keys[] = {kPreviewKey, kSavedPictureKey, kSavedMaskKey, kSavedInfoKey};
    size_t stateOffset = kHeaderSize + name.size() + 1 + kDescriptorSize;
    for (const std::vector<uint8_t>& entry : entries)
        stateOffset += kEntryLengthSize + entry.size();

    ByteWriter out;
    for (char c : kSavedGameMagic)
        out.U8(uint8_t(c));
    out.I32(game.seed);
    out.I32(int32_t(stateOffset));
    out.I32(int32_t(name.size() + 1));
    out.Append(std::span(reinterpret_cast<const uint8_t*>(name.data()), name.size()));
    out.U8(0);
    EncodeDescriptor(game.descriptor, out);
    for (size_t k = 0; k < std::size(entries); ++k)
        WriteEntry(out, entries[k], keys[k], KeyMode::Fixed);
    assert(out.Bytes().size() == stateOffset);
    out.Append(EncodePlayState(game));
    return out.Take();
}

std::optional<size_t> QuickSaveOffset(std::span<const uint8_t> head, size_t fileSize, const SavedGame& game,
                                      size_t blockSize)
{
    ByteReader reader(head);
    Result<Header> header = DecodeHeader(reader);
    if (!header)
        return std::nullopt;
    const Header& stored = header.value();
    const Descriptor& d = game.descriptor;
    if (stored.seed != game.seed || stored.descriptor.TotalTileNum != d.TotalTileNum
        || stored.descriptor.ImageW != d.ImageW || stored.descriptor.ImageH != d.ImageH)
        return std::nullopt;
    // Only a block of the same size that ends the file is replaced: nothing else is ever written.
    if (stored.stateOffset < int32_t(reader.Position()) || size_t(stored.stateOffset) + blockSize != fileSize)
        return std::nullopt;
    return size_t(stored.stateOffset);
}

}  // namespace kirvo
