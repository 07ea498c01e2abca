// The edge-piece commands: every loose edge piece into a pocket, or selected where it lies. The
// player is told when there is nothing to do, or no pocket to do it in.
#include "session/GameSession.h"

#include "playfield/EdgePieces.h"

namespace kirvo {

void GameSession::EdgePiecesToPocket()
{
    state_.busy = true;
    CancelDrag();
    const int pocket = EdgePocket(state_, windows_);
    if (LooseEdgePieces(state_).empty()) {
        TellNoEdgePieces(false);
    } else if (pocket == kNoWindow) {
        Tell(messages_,
             Text("MS_NoPocketForEdges", "Every pocket already holds pieces.$DClick the pocket the edge pieces should "
                                         "go to, then choose Edge Pieces to Pocket again."),
             MessageButtons::Ok, MessageIcon::Information);
    } else {
        ClearSelectionIfAny();
        kirvo::EdgePiecesToPocket(state_, windows_, pocket, random_);
    }
    state_.busy = false;
}

void GameSession::SelectEdgePieces()
{
    state_.busy = true;
    CancelDrag();
    ClearSelectionIfAny();
    if (!kirvo::SelectEdgePieces(state_, windows_))
        TellNoEdgePieces(!LooseEdgePieces(state_).empty());
    state_.busy = false;
}

void GameSession::TellNoEdgePieces(bool elsewhere) const
{
    const std::string text = elsewhere ? Text("MS_NoEdgePiecesHere", "No loose edge pieces lie in this window.")
                                       : Text("MS_NoEdgePieces", "No loose edge pieces are left.");
    Tell(messages_, text, MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace kirvo
