// Piece effects: the relief of every piece's rim, kept in the red byte of the mask buffers
// (128 + E, E in -127 .. 127, light from the upper left), and the edge buffers that say where each
// piece's thickness band lies; the piece drawing turns both into what the player sees.
//
// Applied after a cut, after a saved game is loaded and when the styles change; with rotation on
// the work is done for each of the four turned mask buffers. Bands between joined pieces are
// hidden, after a cut or load and at every join in play, so two joined pieces never show a band
// over each other.
#pragma once

#include <cstdint>

#include "base/ProgressStep.h"
#include "game/GameState.h"
#include "game/PieceLook.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// Releases the edge buffers (those of the rotations in play are remade in the same memory), sets
// the edge width from the wood style, rebuilds the draw order, then (unless both styles are none)
// embosses every rotation the game has: one step each. With a wood style it also writes every
// piece's edge slot and bit. The relief must be flat (ResetRelief) where the emboss style changed.
void ApplyEffects(GameState& state, const ProgressStep& step = {});
// One rotation: makes the edge buffer afresh at the size of the mask, stamps the bands and hides
// those between joined pieces when there is wood (else releases it), then the relief pass when
// there is an emboss style.
void EmbossPieces(GameState& state, int rotation);
// Red 128 and green 0 in every pixel: flat.
void ResetRelief(TPixelBuffer& mask);
void ReleaseEdgeBuffers(GameState& state);
// At a join in play, before the group numbers change: the bands between the piece and the pieces
// of the other group are hidden in every edge buffer.
void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup);

// The Options dialog's sample: shapeMask is 0 on the sample shape and anything else around it,
// all three buffers 24-bit of one size; the preview shows source through the shape, embossed, with
// the band of the wood style painted around it.
void DrawEffectPreview(TPixelBuffer& preview, const TPixelBuffer& shapeMask, const TPixelBuffer& source,
                       uint32_t woodColor, int woodStyle, int embossStyle);

}  // namespace kirvo
