// GameState: the puzzle in play — its descriptor, the piece table, the draw order, the buffers the
// pieces are drawn from and the play flags.
//
// One instance lives from the cut or load of a puzzle until the next one. Pieces refer to each
// other by index into the piece table, -1 meaning none; the first descriptor.TotalTileNum records
// are pieces. Every operation that moves, turns, joins or transfers pieces ends with MarkChanged.
// Group numbers lie in 0 .. TotalTileNum - 1, one per set of joined pieces, not necessarily dense;
// DrawOrder.h keeps them ordered and PieceGeometry.h places a piece in the buffers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/Descriptor.h"
#include "game/EdgeBuffer.h"
#include "game/PieceLook.h"
#include "game/PieceRecord.h"
#include "game/PieceRuns.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kPictureBuffer = 0;  // buffers[kPictureBuffer + r]: the picture turned r quarter turns
inline constexpr int kMaskBuffer = 4;     // buffers[kMaskBuffer + r]: the mask turned r quarter turns
inline constexpr int kMaskMargin = 5;     // pixels of mask beyond the picture at the right and bottom

struct DrawOrderEntry {
    int32_t group = 0;
    int32_t piece = 0;  // index into the piece table

    friend bool operator==(const DrawOrderEntry&, const DrawOrderEntry&) = default;
};

// Which part of the field the next redraw covers.
enum class RedrawMode : uint8_t {
    Nothing,      // no redraw pending
    WholeField,   // recompose the whole field
    HoverBox,     // recompose the hover box only
    RepaintOnly,  // the field image is already up to date; show it again
    RepaintBox,   // the field image is up to date; show the box a drag step changed again
};

struct GameState {
    Descriptor descriptor;
    std::vector<PieceRecord> pieces;        // room for TotalTileNum + 1: the cut may append the border piece
    std::vector<DrawOrderEntry> drawOrder;  // one entry per piece, sorted by group number
    // Picture and mask, each in four rotations; the mask is (ImageW + kMaskMargin) x
    // (ImageH + kMaskMargin) unturned, its blue byte the owning piece's maskValue, its red byte
    // 128 + relief. Rotations 1 to 3 exist only when descriptor.Rotate is 1; the turned masks only
    // while the look has no effects: with effects every piece is drawn from its runs, and the
    // values of a turned mask are read through the upright one (MaskValue.h); the turned pictures
    // only for large pieces: pieces read the picture through PictureView (TurnedBuffers.h).
    std::array<TPixelBuffer, 8> buffers;
    std::array<EdgeBuffer, 4> edgeBuffers;  // by rotation; only while the look has a wood style
    // By rotation and piece, what drawing with effects needs; only while the look has effects.
    std::array<std::vector<PieceRuns>, 4> pieceRuns;
    PieceLook look;  // the styles the pieces are drawn with

    bool changed = false;          // unsaved changes: closing asks to save
    bool autosavePending = false;  // changed since the last save of any kind
    bool busy = false;             // an event, save or question is being handled; autosave waits
    bool loading = false;          // the progress panel is up; field input is ignored
    bool solved = false;
    bool selectionExists = false;  // some piece has selected set
    int draggedPiece = -1;         // piece being dragged or acted on; -1 = none
    int currentWindow = 0;         // play window under the mouse or last activated; -1 = none
    int weightedPiece = -1;        // piece carrying the weight; -1 = none
    RedrawMode redrawMode = RedrawMode::Nothing;
};

// The pieces of the table: TotalTileNum, never more than the records there are (a damaged saved
// game may claim more).
int PieceCount(const GameState& state);

// The frame piece: the last record of a puzzle with a border, else -1.
int BorderPieceIndex(const GameState& state);

// Replaces the piece table with recordCount + 1 default records and empties the draw order.
void AllocatePieceTable(GameState& state, int recordCount);
void FreePieceTable(GameState& state);

// Ends every change to the pieces: both the save question and the autosave now have work.
void MarkChanged(GameState& state);
// The flags a newly opened puzzle starts with.
void ResetPlayFlags(GameState& state);

}  // namespace kirvo
