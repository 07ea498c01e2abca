// Saved game (".sv1"): a puzzle in progress, complete enough to resume without its jigsaw file
// and without cutting again — the picture as played, the mask of the cut, the preview, the
// information text, the descriptor, every piece record and the pockets.
//
// Layout, integers little-endian:
//   0   magic "KIRVOSLV1.0" (11 bytes, no zero)
//   11  int32 seed (GameSeed), int32 play-state offset, int32 name length L (name + 1, at most 256)
//   23  the jigsaw name and a zero byte (L bytes), then the 120-byte descriptor
//   then four fixed entries (Entry.h): thumbnail (a bitmap file), picture (24-bit bitmap file,
//   ImageW x ImageH), mask (24-bit bitmap file, (ImageW + 5) x (ImageH + 5)), info (UTF-16 LE with
//   its mark, lines joined by CR LF)
//   play-state block at the play-state offset: background record (9 int32), play keys (8 bytes),
//   TotalTileNum piece records (112 bytes each), four pocket records (26 bytes each), trailer
//   (int32 56010, int32 weighted piece, 256 zero bytes)
// The play-state block has the same size for every save of one game, so a later save of the same
// game rewrites it in place (the quick save).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "game/Descriptor.h"
#include "game/MouseBindings.h"
#include "game/PieceRecord.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr std::string_view kSavedGameMagic = "KIRVOSLV1.0";
inline constexpr int kMaxJigsawNameLength = 256;  // the name with its zero byte
inline constexpr int32_t kTrailerMarker = 56010;

// The keys of the format's entries; the thumbnail uses the jigsaw file's preview key.
inline constexpr uint8_t kSavedPictureKey = 0xC3;
inline constexpr uint8_t kSavedMaskKey = 0x96;
inline constexpr uint8_t kSavedInfoKey = 0x2D;

// Backgrounds of the play windows as stored: two reserved values kept as they are, the
// background-for-all code, then one colour or picture code per side and pocket.
using BackgroundRecord = std::array<int32_t, 9>;
inline constexpr int kBackgroundForAll = 2;       // the last background chosen for every window
inline constexpr int kFirstWindowBackground = 3;  // sides and pockets follow in window-number order

struct PocketRecord {
    bool keepScroll = false;  // written false; a reader leaves the scroll position alone when set
    bool open = false;
    TBox box;                 // the pocket's frame where the player put it, from its four edges
    int32_t scrollX = 0;
    int32_t scrollY = 0;
};

// Everything a saved game holds.
struct SavedGame {
    int32_t seed = 0;
    std::string jigsawName;  // 8-bit characters, at most 255; a longer name is cut when written
    Descriptor descriptor;
    TPixelBuffer thumbnail;  // Select and Thumbnail reads, and Start; empty when the game had none
    TPixelBuffer picture;    // Start only; 24 bits, ImageW x ImageH
    TPixelBuffer mask;       // Start only; 24 bits, (ImageW + 5) x (ImageH + 5), padded when stored without margin
    std::string info;        // Start only; UTF-8
    BackgroundRecord backgrounds {};
    MouseBindings playKeys;
    std::vector<PieceRecord> pieces;  // Start only; TotalTileNum records
    std::array<PocketRecord, 4> pockets;
    int32_t weightedPiece = -1;       // -1 also when the file ends before the trailer
};

enum class SavedGameReadMode {
    Select = 0,     // browser selection: header, descriptor and thumbnail
    Start = 1,      // resuming: everything
    Thumbnail = 2,  // browser list: header, descriptor and thumbnail
};

// Whether the name ends with ".sv1", in any letter case.
bool HasSavedGameExtension(const std::string& path);

// Every malformed file gives a Result naming the problem; nothing is read past the bytes. The
// descriptor's entry position [1] becomes the offset just past the thumbnail entry, SideNum 1 and
// the side played 0, whatever the file says. The thumbnail may be any picture file the decoders
// read. Start also refuses a play-state offset other than the end of the info entry, group
// numbers outside 0 to TotalTileNum - 1, neighbours outside -1 to TotalTileNum - 1 and pocket
// boxes less than one pixel wide or high; a mask stored without its margin gets a black one, a
// mask of any other size is refused. A weighted piece outside the table becomes -1.
Result<SavedGame> DecodeSavedGame(std::span<const uint8_t> bytes, SavedGameReadMode mode);

// The whole file, and the play-state block alone.
std::vector<uint8_t> EncodeSavedGame(const SavedGame& game);
std::vector<uint8_t> EncodePlayState(const SavedGame& game);

// The most bytes QuickSaveOffset looks at: the header before the name, the longest name and the
// descriptor.
inline constexpr size_t kSavedGameHeadSize = 23 + kMaxJigsawNameLength + kDescriptorSize;

// Where the quick save writes the game's play-state block of blockSize bytes into a file of
// fileSize bytes that begins with head: the stored play-state offset, when the file holds this
// same game (the same magic, seed, piece count and picture size) and a block of that size there
// ends the file (a file without the trailer does not). Nothing for any other file.
std::optional<size_t> QuickSaveOffset(std::span<const uint8_t> head, size_t fileSize, const SavedGame& game,
                                      size_t blockSize);

}  // namespace kirvo
