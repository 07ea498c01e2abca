// Piece effects: the relief of every piece's rim (Relief.h, which comes with this header for the
// ResetRelief a change of emboss style needs first) and the edge buffers that say where each
// piece's thickness band lies (EdgeBands.h), applied together.
//
// Applied after a cut, after a saved game is loaded and when the styles change; with rotation on
// the work is done for each of the four turned mask buffers.
#pragma once

#include "base/ProgressStep.h"
#include "cutting/Relief.h"
#include "game/GameState.h"

namespace kirvo {

// Releases the edge buffers (those of the rotations in play are remade in the same memory), sets
// the edge width from the wood style, rebuilds the draw order, then (unless both styles are none)
// embosses every rotation the game has: one step each, the four rotations of a turning game two at
// a time on two threads. With a wood style it also writes every piece's edge slot and bit first.
// The relief must be flat (ResetRelief) where the emboss style changed. A turning game's turned
// masks are made again first when they were freed, with a flat relief, and freed once embossed:
// with effects every piece is drawn from its runs. Only the runs of the rotation each piece lies
// in are made (MakeMissingRuns makes the others as pieces turn).
void ApplyEffects(GameState& state, const ProgressStep& step = {});
// Whose runs the embossing of a rotation makes: every piece's, or only those of the pieces lying
// in the rotation now (and of those whose boxes meet another piece of their mask value).
enum class KeptRuns { Every, InRotation };

// One rotation, piece by piece: the edge band (none without wood; with, the edge slots must be
// assigned), the relief when there is an emboss style, and the runs drawing takes the piece's
// pixels from (game/PieceRuns.h). The rotation's mask must be held. It keeps the relief of the
// pieces whose runs are made, and in the upright mask that of every piece.
void EmbossPieces(GameState& state, int rotation, KeptRuns kept = KeptRuns::Every);
// Makes the runs of each piece in the rotation it lies in now, where the effects left them
// unmade: after a turn, before the piece is drawn. Reads the upright mask. Runs once made are kept
// until the effects are applied again, which starts the undo history afresh, so an undo or redo
// only brings a piece back to a rotation it has runs for.
void MakeMissingRuns(GameState& state);

}  // namespace kirvo
