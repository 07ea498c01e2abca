#include "files/SavedGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/ByteReader.h"
#include "base/Folders.h"
#include "core/files/saved_game_fixture.h"

namespace kirvo {
namespace {

const std::string kSmallFile = std::string(KIRVO_TEST_DATA) + "/saved-games/small.sv1";

void ExpectSamePixels(const TPixelBuffer& read, const TPixelBuffer& expected, const char* what)
{
    ASSERT_EQ(read.width, expected.width) << what;
    ASSERT_EQ(read.height, expected.height) << what;
    EXPECT_EQ(read.bytesPerPixel, 3) << what;
    for (int y = 0; y < read.height; ++y)
        for (int x = 0; x < read.width; ++x)
            ASSERT_EQ(PixGetPixel(read, x, y), PixGetPixel(expected, x, y)) << what << " at " << x << ", " << y;
}

void ExpectSameKeys(const MouseBindings& a, const MouseBindings& b)
{
    EXPECT_EQ(a.RotCW_Button, b.RotCW_Button);
    EXPECT_EQ(a.RotCW_Shift, b.RotCW_Shift);
    EXPECT_EQ(a.RotCCW_Button, b.RotCCW_Button);
    EXPECT_EQ(a.RotCCW_Shift, b.RotCCW_Shift);
    EXPECT_EQ(a.MoveOW_Button, b.MoveOW_Button);
    EXPECT_EQ(a.MoveOW_Shift, b.MoveOW_Shift);
    EXPECT_EQ(a.bSingleWin, b.bSingleWin);
    EXPECT_EQ(a.bClickToDrag, b.bClickToDrag);
}

// The descriptor as a reader hands it on: entry position [1] just past the thumbnail, one side.
Descriptor AsRead(Descriptor descriptor, const Bytes& file)
{
    descriptor.entryPositions[1] = int32_t(Layout(file).picture);
    descriptor.SideNum = 1;
    descriptor.sidePlayed = 0;
    return descriptor;
}

void ExpectFailure(const Result<SavedGame>& read, const std::string& problem)
{
    ASSERT_FALSE(read) << "expected: " << problem;
    EXPECT_EQ(read.error().rfind("Invalid saved game: ", 0), 0u) << read.error();
    EXPECT_NE(read.error().find(problem), std::string::npos) << read.error();
}

TEST(SavedGame, WritesWhatTheIndependentWriterWrites)
{
    Result<Bytes> read = ReadFileBytes(kSmallFile);
    ASSERT_TRUE(read) << read.error();
    const Bytes& file = read.value();
    Bytes encoded = EncodeSavedGame(SmallGame());
    auto [ours, theirs] = std::mismatch(encoded.begin(), encoded.end(), file.begin(), file.end());
    EXPECT_TRUE(ours == encoded.end() && theirs == file.end())
        << "first difference at byte " << (ours - encoded.begin()) << " of " << encoded.size() << " and "
        << file.size();
}

TEST(SavedGame, StartReadsBackEverything)
{
    Result<Bytes> file = ReadFileBytes(kSmallFile);
    ASSERT_TRUE(file) << file.error();
    Result<SavedGame> read = DecodeSavedGame(file.value(), SavedGameReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    const SavedGame& game = read.value();
    const SavedGame expected = SmallGame();
    EXPECT_EQ(game.seed, expected.seed);
    EXPECT_EQ(game.jigsawName, expected.jigsawName);
    EXPECT_EQ(game.descriptor, AsRead(expected.descriptor, file.value()));
    ExpectSamePixels(game.thumbnail, expected.thumbnail, "thumbnail");
    ExpectSamePixels(game.picture, expected.picture, "picture");
    ExpectSamePixels(game.mask, expected.mask, "mask");
    EXPECT_EQ(game.info, expected.info);
    EXPECT_EQ(game.backgrounds, expected.backgrounds);
    ExpectSameKeys(game.playKeys, expected.playKeys);
    EXPECT_EQ(game.pieces, expected.pieces);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(game.pockets[k].keepScroll, false) << k;
        EXPECT_EQ(game.pockets[k].open, expected.pockets[k].open) << k;
        EXPECT_EQ(game.pockets[k].box, expected.pockets[k].box) << k;
        EXPECT_EQ(game.pockets[k].scrollX, expected.pockets[k].scrollX) << k;
        EXPECT_EQ(game.pockets[k].scrollY, expected.pockets[k].scrollY) << k;
    }
    EXPECT_EQ(game.weightedPiece, 2);
}

TEST(SavedGame, SelectionReadsHeaderAndThumbnailOnly)
{
    const Bytes file = EncodeSavedGame(SmallGame());
    for (SavedGameReadMode mode : {SavedGameReadMode::Select, SavedGameReadMode::Thumbnail}) {
        Result<SavedGame> read = DecodeSavedGame(file, mode);
        ASSERT_TRUE(read) << read.error();
        const SavedGame& game = read.value();
        EXPECT_EQ(game.seed, 7301);
        EXPECT_EQ(game.jigsawName, SmallGame().jigsawName);
        EXPECT_EQ(game.descriptor, AsRead(SmallGame().descriptor, file));
        ExpectSamePixels(game.thumbnail, SmallGame().thumbnail, "thumbnail");
        EXPECT_EQ(game.picture.width, 0);
        EXPECT_EQ(game.mask.width, 0);
        EXPECT_TRUE(game.info.empty());
        EXPECT_TRUE(game.pieces.empty());
        EXPECT_EQ(game.weightedPiece, -1);
    }
}

TEST(SavedGame, MalformedFilesFailWithTheProblem)
{
    using Mode = SavedGameReadMode;
    struct Case {
        const char* problem;
        Mode mode;
        std::function<void(SavedGame&, Bytes&, const Layout&)> spoil;  // changes the game, or else the file
    } cases[] = {
        {"truncated header", Mode::Select, [](SavedGame&, Bytes& f, const Layout&) { f.resize(22); }},
        {"incorrect header magic", Mode::Select, [](SavedGame&, Bytes& f, const Layout&) { f[10] = '1'; }},
        {"jigsaw name length 0", Mode::Select, [](SavedGame&, Bytes& f, const Layout&) { PutI32(f, 19, 0); }},
        {"jigsaw name length 257", Mode::Select, [](SavedGame&, Bytes& f, const Layout&) { PutI32(f, 19, 257); }},
        {"jigsaw name length -1", Mode::Select, [](SavedGame&, Bytes& f, const Layout&) { PutI32(f, 19, -1); }},
        {"jigsaw name of 256 bytes runs past the end", Mode::Select,
         [](SavedGame&, Bytes& f, const Layout&) { f.resize(200); }},
        {"jigsaw name without its closing zero", Mode::Select,
         [](SavedGame&, Bytes& f, const Layout& l) { f[l.descriptor - 1] = 'x'; }},
        {"truncated descriptor", Mode::Select, [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.descriptor + 119); }},
        {"descriptor: Invalid jigsaw descriptor: piece count 0", Mode::Select,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.descriptor + 44, 0); }},
        {"picture size 0 x 8", Mode::Select, [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.descriptor + 48, 0); }},
        {"picture size 100000 x 100000", Mode::Thumbnail,
         [](SavedGame& g, Bytes&, const Layout&) { g.descriptor.ImageW = g.descriptor.ImageH = 100000; }},
        {"thumbnail: entry of 5000 bytes with only", Mode::Select,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.thumbnail, 5000); }},
        {"thumbnail: Invalid", Mode::Thumbnail, [](SavedGame&, Bytes& f, const Layout& l) { f[l.thumbnail + 4] ^= 0xFF; }},
        {"picture: entry of", Mode::Start, [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.picture + 50); }},
        {"picture: Invalid BMP image", Mode::Start, [](SavedGame&, Bytes& f, const Layout& l) { f[l.picture + 4] ^= 1; }},
        {"picture is 11 x 8, the descriptor says 12 x 8", Mode::Start,
         [](SavedGame& g, Bytes&, const Layout&) { g.picture = Picture(11, 8, [](int, int) { return 0; }); }},
        {"mask: truncated entry length", Mode::Start, [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.mask + 3); }},
        {"mask is 16 x 13, neither 17 x 13 nor 12 x 8", Mode::Start,
         [](SavedGame& g, Bytes&, const Layout&) { g.mask = Picture(16, 13, [](int, int) { return 0; }); }},
        {"mask is 17 x 8, neither", Mode::Start,
         [](SavedGame& g, Bytes&, const Layout&) { g.mask = Picture(17, 8, [](int, int) { return 0; }); }},
        {"info: entry of", Mode::Start, [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.info + 20); }},
        {"but the info entry ends at", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, 15, int32_t(l.state + 1)); }},
        {"play-state offset -1", Mode::Start, [](SavedGame&, Bytes& f, const Layout&) { PutI32(f, 15, -1); }},
        {"truncated backgrounds and play keys", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.state + 40); }},
        {"3 piece records need 336 bytes, 300 left", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.Pieces() + 300); }},
        {"3 piece records need 336 bytes, 0 left", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.Pieces()); }},
        {"piece 1: Invalid piece record: rotation 4", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { f[l.Pieces() + kPieceRecordSize + 13] = 4; }},
        {"piece 2: group 3, outside 0 to 2", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.Pieces() + 2 * kPieceRecordSize + 8, 3); }},
        {"piece 0: group -1, outside 0 to 2", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.Pieces() + 8, -1); }},
        {"piece 0: neighbour 3, outside -1 to 2", Mode::Start,
         [](SavedGame& g, Bytes&, const Layout&) { g.pieces[0].neighbours[8] = 3; }},
        {"piece 1: neighbour -2, outside -1 to 2", Mode::Start,
         [](SavedGame& g, Bytes&, const Layout&) { g.pieces[1].neighbours[4] = -2; }},
        {"truncated pocket records", Mode::Start, [](SavedGame&, Bytes& f, const Layout& l) { f.resize(l.Pockets() + 103); }},
        {"pocket 1 from 110, 21 to 109, 171", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.Pockets() + 26 + 10, 109); }},
        {"pocket 3 from -2147483648, 23 to 409", Mode::Start,
         [](SavedGame&, Bytes& f, const Layout& l) { PutI32(f, l.Pockets() + 3 * 26 + 2, INT32_MIN); }},
    };
    for (const Case& c : cases) {
        SavedGame game = SmallGame();
        Bytes file = EncodeSavedGame(game);
        const Bytes unspoilt = file;
        c.spoil(game, file, Layout(unspoilt));
        if (file == unspoilt)
            file = EncodeSavedGame(game);
        ExpectFailure(DecodeSavedGame(file, c.mode), c.problem);
    }
}

TEST(SavedGame, TrailerIsOptionalAndNamesAPieceOrNone)
{
    struct Case {
        const char* name;
        std::function<void(Bytes&, const Layout&)> change;
        int32_t weighted;
    } cases[] = {
        {"whole file", [](Bytes&, const Layout&) {}, 2},
        {"no trailer", [](Bytes& f, const Layout& l) { f.resize(l.Trailer()); }, -1},
        {"part of a trailer", [](Bytes& f, const Layout& l) { f.resize(l.Trailer() + 263); }, -1},
        {"other marker", [](Bytes& f, const Layout& l) { PutI32(f, l.Trailer(), 56011); }, -1},
        {"piece 0", [](Bytes& f, const Layout& l) { PutI32(f, l.Trailer() + 4, 0); }, 0},
        {"piece past the table", [](Bytes& f, const Layout& l) { PutI32(f, l.Trailer() + 4, 3); }, -1},
        {"negative piece", [](Bytes& f, const Layout& l) { PutI32(f, l.Trailer() + 4, -2); }, -1},
        {"bytes after the trailer", [](Bytes& f, const Layout&) { f.insert(f.end(), 10, 0xEE); }, 2},
    };
    const Bytes whole = EncodeSavedGame(SmallGame());
    for (const Case& c : cases) {
        Bytes file = whole;
        c.change(file, Layout(whole));
        Result<SavedGame> read = DecodeSavedGame(file, SavedGameReadMode::Start);
        ASSERT_TRUE(read) << c.name << ": " << read.error();
        EXPECT_EQ(read.value().weightedPiece, c.weighted) << c.name;
        EXPECT_EQ(read.value().pieces, SmallGame().pieces) << c.name;
    }
}

TEST(SavedGame, EveryTruncationFailsOrLacksOnlyTheTrailer)
{
    const Bytes file = EncodeSavedGame(SmallGame());
    const Layout layout(file);
    struct Case {
        SavedGameReadMode mode;
        size_t shortestValid;
    } cases[] = {{SavedGameReadMode::Select, layout.picture}, {SavedGameReadMode::Start, layout.Trailer()}};
    for (const Case& c : cases)
        for (size_t size = 0; size < file.size(); ++size) {
            Result<SavedGame> read = DecodeSavedGame(std::span(file).first(size), c.mode);
            EXPECT_EQ(read.ok(), size >= c.shortestValid) << "size " << size << ", mode " << int(c.mode);
        }
}

TEST(SavedGame, MaskWithoutItsMarginGetsABlackOne)
{
    auto colour = [](int x, int y) { return MakeColour(x, y, 77); };
    for (auto size : {std::pair(12, 8), std::pair(17, 13)}) {
        const int width = size.first, height = size.second;  // a lambda cannot capture a binding in clang 14
        SavedGame game = SmallGame();
        game.mask = Picture(width, height, colour);
        Result<SavedGame> read = DecodeSavedGame(EncodeSavedGame(game), SavedGameReadMode::Start);
        ASSERT_TRUE(read) << read.error();
        ExpectSamePixels(read.value().mask,
                         Picture(17, 13, [&](int x, int y) { return x < width && y < height ? colour(x, y) : 0; }),
                         width == 12 ? "padded" : "copied");
    }
}

TEST(SavedGame, InfoIsStoredAsUtf16WithCrLfLineEnds)
{
    struct Case {
        std::string written;
        std::string read;
    } cases[] = {
        {"", ""},
        {"one\ntwo\r\nthree\n", "one\r\ntwo\r\nthree\r\n"},
        {"\xF0\x9F\x90\x9E and \xC3\xA9", "\xF0\x9F\x90\x9E and \xC3\xA9"},
        {"cut \xC3", "cut \xEF\xBF\xBD"},
        {"\xED\xA0\x80 surrogate, \xFF byte", "\xEF\xBF\xBD surrogate, \xEF\xBF\xBD byte"},
    };
    for (const Case& c : cases) {
        SavedGame game = SmallGame();
        game.info = c.written;
        Result<SavedGame> read = DecodeSavedGame(EncodeSavedGame(game), SavedGameReadMode::Start);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read.value().info, c.read) << c.written;
    }
}

TEST(SavedGame, ExtensionIsSv1InAnyCase)
{
    for (const char* name : {"a.sv1", "b.SV1", "dir/c.Sv1"})
        EXPECT_TRUE(HasSavedGameExtension(name)) << name;
    for (const char* name : {"a.ast", "sv1", "a.sv1.bak", "kirvo.svt"})
        EXPECT_FALSE(HasSavedGameExtension(name)) << name;
}

}  // namespace
}  // namespace kirvo
