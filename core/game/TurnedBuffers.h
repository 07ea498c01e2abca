// The turned copies of the picture and the mask that pieces in rotations 1 to 3 are drawn from.
// Small pieces read the picture through a turned view instead of a copy: their runs are short,
// and three copies of the picture would be a third of what a fine cut holds.
#pragma once

#include "base/ProgressStep.h"
#include "game/GameState.h"
#include "raster/TurnedView.h"

namespace kirvo {

// Pieces of this many picture pixels or more, on average, are drawn from turned copies of the
// picture: reading a large piece through a turned view costs a drag several times the copy.
inline constexpr int kTurnedPictureArea = 64 * 64;

bool KeepsTurnedPictures(const Descriptor& descriptor);

// Buffers 5 to 7: the mask turned one quarter turn at a time, keeping its margin at the right and
// bottom, on a second thread, when the look has no effects (the effects make and free each as
// they need it); and buffers 1 to 3, the picture turned likewise, when the cut keeps turned
// pictures (else they are freed). One step per buffer, all on the calling thread.
void MakeTurnedBuffers(GameState& state, const ProgressStep& step = {});
void FreeTurnedBuffers(GameState& state);
// Buffers 5 to 7 alone, turned from the upright mask as it is now, relief included. Pieces drawn
// from their runs need no turned mask, so the effects free them once the runs are made.
void MakeTurnedMasks(GameState& state);
void FreeTurnedMasks(GameState& state);
bool HasTurnedMasks(const GameState& state);
// Buffer 4 + rotation (1 to 3) as the effects start from it: the upright mask's values turned,
// with no relief. Only the values are read, so the upright mask's relief may be written meanwhile.
void MakeFlatTurnedMask(GameState& state, int rotation);
// The values buffer 4 + rotation (0 to 3) has inside the turned picture, read from the upright
// mask while it is held; the margin beyond them holds value 0.
TurnedView TurnedMaskValues(const GameState& state, int rotation);

// The picture as pieces in the rotation see it: the turned copy when there is one.
inline TurnedView PictureView(const GameState& state, int rotation)
{
    const TPixelBuffer& turned = state.buffers[size_t(kPictureBuffer + rotation)];
    return turned.width > 0 ? TurnedViewOf(turned, 0) : TurnedViewOf(state.buffers[kPictureBuffer], rotation);
}

}  // namespace kirvo
