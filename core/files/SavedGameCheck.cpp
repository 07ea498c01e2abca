#include "files/SavedGameCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/GameState.h"

namespace kirvo {

namespace {

Error Invalid(const std::string& problem) { return Fail("Invalid saved game: " + problem); }

std::string PieceText(size_t index) { return "piece " + std::to_string(index) + ": "; }

bool Near(int64_t value) { return std::llabs(value) <= kFarthestPosition; }

// An extent from `start`, `size` long, inside 0 .. limit - 1.
bool Inside(int64_t start, int64_t size, int64_t limit) { return start >= 0 && size >= 1 && start + size <= limit; }

Result<> CheckDescriptor(const SavedGame& game)
{
    const Descriptor& d = game.descriptor;
    if (d.ImageW < 1 || d.ImageH < 1 || d.ImageW != game.picture.width || d.ImageH != game.picture.height)
        return Invalid("the picture is not the size the game states");
    if (game.mask.width != d.ImageW + kMaskMargin || game.mask.height != d.ImageH + kMaskMargin)
        return Invalid("the mask is not the size of the picture");
    if (!Inside(d.JigsL, int64_t(d.JigsR) - d.JigsL + 1, d.ImageW) || !Inside(d.JigsT, int64_t(d.JigsB) - d.JigsT + 1, d.ImageH))
        return Invalid("the cut area lies outside the picture");
    const int64_t longest = 2 * int64_t(std::max(d.ImageW, d.ImageH));
    for (int32_t size : {d.TileS, d.MaskS, d.knobMargin, d.snapDistance})
        if (size < 0 || size > longest)
            return Invalid("a piece size larger than the picture");
    if (d.TilePX < 0 || d.TilePY < 0 || d.TileNum < 0 || d.TileNum > d.TotalTileNum
        || int64_t(d.TilePX) * d.TilePY > kMaxTotalTileNum)
        return Invalid("a grid of cells that does not fit the pieces");
    if (d.Rotate > 1 || d.BorderStyle > 1)
        return Invalid("an unknown rotation or border setting");
    if (size_t(d.TotalTileNum) != game.pieces.size())
        return Invalid("the piece count does not match the pieces");
    return {};
}

Result<> CheckPiece(const SavedGame& game, size_t index)
{
    const Descriptor& d = game.descriptor;
    const PieceRecord& piece = game.pieces[index];
    if (!Inside(piece.sourceX, piece.sourceWidth, d.ImageW) || !Inside(piece.sourceY, piece.sourceHeight, d.ImageH))
        return Invalid(PieceText(index) + "source box outside the picture");
    if (!Near(piece.x) || !Near(piece.y))
        return Invalid(PieceText(index) + "position far outside the field");
    for (int16_t neighbour : piece.neighbours)
        if (neighbour == int16_t(index))
            return Invalid(PieceText(index) + "its own neighbour");
    return {};
}

Result<> CheckPockets(const SavedGame& game)
{
    for (const PocketRecord& pocket : game.pockets) {
        const TBox& box = pocket.box;
        if (!Near(box.left) || !Near(box.top) || !Near(box.right) || !Near(box.bottom) || !Near(pocket.scrollX)
            || !Near(pocket.scrollY))
            return Invalid("a pocket far outside the field");
    }
    return {};
}

}  // namespace

Result<> CheckSavedGame(const SavedGame& game)
{
    if (Result<> descriptor = CheckDescriptor(game); !descriptor)
        return descriptor;
    for (size_t i = 0; i < game.pieces.size(); ++i)
        if (Result<> piece = CheckPiece(game, i); !piece)
            return piece;
    return CheckPockets(game);
}

}  // namespace kirvo
