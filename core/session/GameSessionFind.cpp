// Finding a piece that fits the picked pieces, and its highlight.
#include "playfield/FindFit.h"
#include "session/GameSession.h"

namespace kirvo {

bool GameSession::Find()
{
    if (!names_.puzzleLoaded || progress_.shown)
        return false;
    ++extras_.findUses;
    const bool carrying = drag_.state == DragState::Carrying && state_.draggedPiece >= 0;
    const std::vector<char> picked = PickedPieces(state_, carrying ? state_.draggedPiece : -1);
    std::array<bool, kPieceWindowCount> shown {};
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        shown[size_t(n)] = windows_.windows[size_t(n)].visible;
    const Fit fit = FindFit(state_, picked, shown, lastFound_);
    if (fit.piece < 0) {
        Tell(messages_,
             picked.empty() ? Text("MS_NoPiecesFit", "No two pieces are left that fit together.")
                            : Text("MS_NoPieceFits", "No piece is left that fits the picked pieces."),
             MessageButtons::Ok, MessageIcon::Information);
        return false;
    }
    lastFound_ = fit.piece;
    const PieceRecord& found = state_.pieces[size_t(fit.piece)];
    if (IsPocket(found.window) && !windows_.windows[found.window].visible) {
        ShowOrHidePocket(windows_, state_, found.window, Visibility::Shown);
        RedrawAfterWindowChange();
    }
    // With a picked group the partner's place shows where the piece goes; a pair shows both pieces.
    const PieceRecord& partner = state_.pieces[size_t(fit.partner)];
    const PieceBox place = picked.empty() ? PieceBox {partner.x, partner.y, partner.width, partner.height}
                                          : PlaceOfFit(state_, fit);
    FindMark mark;
    mark.boxes[0] = {found.window, BoxFromOrigin(found.x, found.y, found.width, found.height)};
    if (place.width > 0)
        mark.boxes[1] = {partner.window, BoxFromOrigin(place.x, place.y, place.width, place.height)};
    StartFindMark(field_, state_, windows_, mark);
    return true;
}

bool GameSession::NextFindStep()
{
    return kirvo::NextFindStep(field_, state_, windows_);
}

}  // namespace kirvo
