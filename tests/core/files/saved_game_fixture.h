// A small saved game, field for field, and where the parts of an encoded game begin, for the
// saved-game tests.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "base/ByteReader.h"
#include "files/SavedGame.h"

namespace kirvo {

using Bytes = std::vector<uint8_t>;

inline TPixelBuffer Picture(int width, int height, const std::function<uint32_t(int, int)>& colour)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, colour(x, y));
    return buffer;
}

// The game tests/data/saved-games/make_saved_game.py writes, field for field.
inline SavedGame SmallGame()
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
        pocket.box = BoxFromCorners(10 + 100 * k, 20 + k, 109 + 100 * k, 169 + 2 * k);
        pocket.scrollX = 3 * k;
        pocket.scrollY = -k;
    }
    game.weightedPiece = 2;
    return game;
}

inline int32_t I32At(const Bytes& file, size_t at)
{
    ByteReader reader{std::span(file).subspan(at)};
    return reader.I32();
}

inline void PutI32(Bytes& file, size_t at, int32_t value)
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

}  // namespace kirvo
