#include "files/SavedGame.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "base/ByteReader.h"
#include "base/Folders.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using Bytes = std::vector<uint8_t>;

const std::string kSmallFile = std::string(KIRVO_TEST_DATA) + "/saved-games/small.sv1";

TPixelBuffer Picture(int width, int height, const std::function<uint32_t(int, int)>& colour)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, colour(x, y));
    return buffer;
}

// The game tests/data/saved-games/make_saved_game.py writes, field for field.
SavedGame SmallGame()
{
    SavedGame game;
    game.seed = 7301;
    while (game.jigsawName.size() < 255)
        game.jigsawName += "Ladybird on a dandelion ";
    game.jigsawName.resize(255);
    game.descriptor = {.GameSeed = 7301, .MaskS = 20, .TileS = 10, .knobMargin = 5, .snapDistance = 6, .TilePX = 3,
                       .TilePY = 1, .TileNum = 3, .TotalTileNum = 3, .ImageW = 12, .ImageH = 8, .fitWidth = 24,
                       .fitHeight = 16, .JigsL = 0, .JigsT = 1, .JigsR = 11, .JigsB = 6, .Level = 2, .Rotate = 1,
                       .BorderStyle = 0, .ShapeStyle = 5, .SpreadOut = 1, .FitToScreen = 1, .SideNum = 3,
                       .sidePlayed = 2, .headerTag = 0x9C, .entryPositions = {27, 999, 4242}};
    game.thumbnail = Picture(3, 2, [](int x, int y) { return MakeColour(0xF0, 0x20 * y, 0x10 * x); });
    game.picture = Picture(12, 8, [](int x, int y) { return MakeColour(255 - x - y, 30 * y, 20 * x); });
    game.mask = Picture(17, 13, [](int x, int y) { return MakeColour(128, 0, x < 12 && y < 8 ? 10 + x / 4 : 0); });
    game.info = "Ladybird\r\nPhoto: Ann Example\r\nCaf\xC3\xA9 \xF0\x9F\x90\x9E\r\n";
    game.backgrounds = {7, -1, 2, 0x336699, 0xFFFFFF, 0x010203, 0x040506, 0x070809, 0x0A0B0C};
    game.playKeys = {2, 5, 1, 3, 0, 6, false, true};
    for (int k = 0; k < 3; ++k) {
        PieceRecord p {.x = 1000 + 37 * k, .y = -5 + 11 * k, .group = (k + 1) % 3, .window = uint8_t(k + 1),
                       .rotation = uint8_t(k), .selected = k == 1, .cellX = 4 * k, .cellY = 0, .cellWidth = 4,
                       .cellHeight = 8, .sourceX = 4 * k - 1, .sourceY = -2, .sourceWidth = 6, .sourceHeight = 10,
                       .rotatedSourceX = 4 * k + 1, .rotatedSourceY = 3, .width = 6 + k, .height = 10 - k,
                       .edgeSlot = k + 3, .edgeBit = int16_t(1 << (k + 3)), .reserved = {1000 * k + 1, -k - 7},
                       .nodeX = 70000 + k, .nodeY = 4, .pictureShape = k == 2};
        p.neighbours[0] = int16_t(k > 0 ? k - 1 : -1);
        p.neighbours[2] = int16_t(k < 2 ? k + 1 : -1);
        p.maskValue = uint8_t(10 + k);
        p.classBit = uint8_t(1 << k);
        game.pieces.push_back(p);
    }
    for (int k = 0; k < 4; ++k) {
        PocketRecord& pocket = game.pockets[size_t(k)];
        pocket.keepScroll = k == 1;  // written as 0 all the same
        pocket.open = k % 2 == 0;
        BoxFromCorners(pocket.box, 10 + 100 * k, 20 + k, 109 + 100 * k, 169 + 2 * k);
        pocket.scrollX = 3 * k;
        pocket.scrollY = -k;
    }
    game.weightedPiece = 2;
    return game;
}

int32_t I32At(const Bytes& file, size_t at)
{
    ByteReader reader{std::span(file).subspan(at)};
    return reader.I32();
}

void PutI32(Bytes& file, size_t at, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + size_t(i)] = uint8_t(uint32_t(value) >> (8 * i));
}

// Where the parts of an encoded game begin.
struct Layout {
    explicit Layout(const Bytes& file)
    {
        descriptor = 23 + size_t(I32At(file, 19));
        thumbnail = descriptor + kDescriptorSize;
        picture = thumbnail + 4 + size_t(I32At(file, thumbnail));
        mask = picture + 4 + size_t(I32At(file, picture));
        info = mask + 4 + size_t(I32At(file, mask));
        state = info + 4 + size_t(I32At(file, info));
    }
    size_t descriptor, thumbnail, picture, mask, info, state;
    size_t Pieces() const { return state + 44; }
    size_t Pockets() const { return Pieces() + 3 * kPieceRecordSize; }
    size_t Trailer() const { return Pockets() + 4 * 26; }
};

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
    std::optional<Bytes> file = ReadFileBytes(kSmallFile);
    ASSERT_TRUE(file);
    Bytes encoded = EncodeSavedGame(SmallGame());
    auto [ours, theirs] = std::mismatch(encoded.begin(), encoded.end(), file->begin(), file->end());
    EXPECT_TRUE(ours == encoded.end() && theirs == file->end())
        << "first difference at byte " << (ours - encoded.begin()) << " of " << encoded.size() << " and "
        << file->size();
}

TEST(SavedGame, StartReadsBackEverything)
{
    Result<SavedGame> read = ReadSavedGame(kSmallFile, SavedGameReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    const SavedGame& game = read.value();
    const SavedGame expected = SmallGame();
    EXPECT_EQ(game.seed, expected.seed);
    EXPECT_EQ(game.jigsawName, expected.jigsawName);
    EXPECT_EQ(game.descriptor, AsRead(expected.descriptor, *ReadFileBytes(kSmallFile)));
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

TEST(SavedGame, SecondSaveOfOneGameRewritesOnlyThePlayState)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "game.sv1";
    SavedGame game = SmallGame();
    const Bytes first = EncodeSavedGame(game);
    ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", first));

    game.pieces[1].x += 50;
    game.pieces[0].group = 2;
    game.pockets[3].open = true;
    game.backgrounds[4] = 0x123456;
    game.weightedPiece = -1;
    Result<bool> saved = QuickSaveGame(path, game);
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_TRUE(saved.value());

    const Bytes second = *ReadFileBytes(path);
    const size_t state = Layout(first).state;
    ASSERT_EQ(second.size(), first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + long(state), second.begin()));
    EXPECT_EQ(Bytes(second.begin() + long(state), second.end()), EncodePlayState(game));
    Result<SavedGame> read = DecodeSavedGame(second, SavedGameReadMode::Start);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value().pieces, game.pieces);
    EXPECT_EQ(read.value().weightedPiece, -1);
}

TEST(SavedGame, QuickSaveLeavesAnyOtherFileAlone)
{
    struct Case {
        const char* name;
        std::function<void(SavedGame&)> change;  // the game the file holds
        std::function<void(Bytes&, const Layout&)> spoil;
    } cases[] = {
        {"other seed", [](SavedGame& g) { g.seed += 1; }, {}},
        {"same seed, other piece count", {}, [](Bytes& f, const Layout& l) { PutI32(f, l.descriptor + 44, 2); }},
        {"same seed, other picture width", [](SavedGame& g) { g.descriptor.ImageW = 13; }, {}},
        {"no trailer", {}, [](Bytes& f, const Layout& l) { f.resize(l.Trailer()); }},
        {"play-state offset elsewhere", {}, [](Bytes& f, const Layout& l) { PutI32(f, 15, int32_t(l.state - 1)); }},
        {"play-state offset in the descriptor", {},
         [](Bytes& f, const Layout& l) {
             f.erase(f.begin() + long(l.thumbnail), f.begin() + long(l.state) + 60);
             PutI32(f, 15, int32_t(l.thumbnail - 60));
         }},
        {"not a saved game", {}, [](Bytes& f, const Layout&) { f.assign(5, 'x'); }},
    };
    testing::TempFolder folder;
    const SavedGame game = SmallGame();
    for (const Case& c : cases) {
        SavedGame stored = SmallGame();
        if (c.change)
            c.change(stored);
        const Bytes whole = EncodeSavedGame(stored);
        Bytes file = whole;
        if (c.spoil)
            c.spoil(file, Layout(whole));
        const std::string path = folder.Path() + c.name + ".sv1";
        ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", file));
        Result<bool> saved = QuickSaveGame(path, game);
        ASSERT_TRUE(saved) << c.name << ": " << saved.error();
        EXPECT_FALSE(saved.value()) << c.name;
        EXPECT_EQ(ReadFileBytes(path), file) << c.name;
    }
    Result<bool> missing = QuickSaveGame(folder.Path() + "missing.sv1", game);
    ASSERT_TRUE(missing) << missing.error();
    EXPECT_FALSE(missing.value());
    EXPECT_FALSE(FileExists(folder.Path() + "missing.sv1"));
    EXPECT_FALSE(QuickSaveGame(folder.Path(), game)) << "a folder cannot be opened for writing";
}

TEST(SavedGame, FailedDurableWriteLeavesTheTargetAndNoTempFile)
{
    testing::TempFolder folder;
    const Bytes bytes = {1, 2, 3};
    const std::string path = folder.Write("game.sv1", "old");
    const std::string busy = folder.Write("taken/inside", "old");
    struct Case {
        std::string target;
        std::string temp;
        const char* problem;
    } cases[] = {
        {path, folder.Path() + "missing/kirvo.svt", "cannot create"},
        {folder.Path() + "taken", folder.Path() + "kirvo.svt", "cannot replace"},
    };
    for (const Case& c : cases) {
        Result<> written = WriteFileDurably(c.target, c.temp, bytes);
        ASSERT_FALSE(written) << c.problem;
        EXPECT_NE(written.error().find(c.problem), std::string::npos) << written.error();
        EXPECT_FALSE(FileExists(c.temp)) << c.problem;
    }
    EXPECT_EQ(testing::ReadText(path), "old");
    EXPECT_EQ(testing::ReadText(busy), "old");

    ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", bytes));
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_FALSE(FileExists(folder.Path() + "kirvo.svt"));
}

// Games of some 470 KB, so that a write takes long enough to be interrupted.
SavedGame LargeGame(int shade)
{
    SavedGame game = SmallGame();
    game.descriptor.ImageW = 320;
    game.descriptor.ImageH = 240;
    game.picture = Picture(320, 240, [shade](int x, int y) { return MakeColour(shade, x & 0xFF, y); });
    game.mask = Picture(325, 245, [shade](int x, int) { return MakeColour(128, 0, x / 40 + shade); });
    game.pieces[0].x = shade;
    return game;
}

TEST(SavedGame, WriterKilledAtAnyMomentLeavesOneWholeSave)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "autosaved.sv1";
    const std::string temp = folder.Path() + "kirvo.svt";
    const Bytes versions[2] = {EncodeSavedGame(LargeGame(1)), EncodeSavedGame(LargeGame(2))};
    ASSERT_TRUE(WriteFileDurably(path, temp, versions[0]));
    for (int delay : {1, 3, 7, 15, 31}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int k = 1;; k ^= 1)
                (void)WriteFileDurably(path, temp, versions[k]);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));

        const std::optional<Bytes> left = ReadFileBytes(path);
        ASSERT_TRUE(left) << "killed after " << delay << " ms";
        EXPECT_TRUE(*left == versions[0] || *left == versions[1]) << "killed after " << delay << " ms";
        Result<SavedGame> read = DecodeSavedGame(*left, SavedGameReadMode::Start);
        EXPECT_TRUE(read) << read.error();
    }
}

}  // namespace
}  // namespace kirvo
