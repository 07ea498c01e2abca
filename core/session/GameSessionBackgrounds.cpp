// The background commands: the picker applies each value it shows to the windows, and a cancel
// puts back what they had before.
#include "session/GameSession.h"

namespace kirvo {

WindowBackgrounds GameSession::Backgrounds()
{
    return {windows_, backgroundRecord_, field_.backgroundPicture, names_.backgroundPicturesFolder, largestField_};
}

uint32_t GameSession::Background(BackgroundTarget target) const
{
    if (target == BackgroundTarget::AllWindows)
        return uint32_t(backgroundRecord_[kBackgroundForAll]);
    return windows_.windows[size_t(FallbackCurrentWindow(windows_))].background;
}

BackgroundRecord GameSession::BeginBackgroundChoice()
{
    state_.busy = true;
    ClearSelectionIfAny();
    return backgroundRecord_;
}

void GameSession::SetBackground(BackgroundTarget target, uint32_t value)
{
    if (target == BackgroundTarget::AllWindows) {
        backgroundRecord_[kBackgroundForAll] = int32_t(value);
        for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
            SetWindowBackground(Backgrounds(), n, value);
    } else {
        SetWindowBackground(Backgrounds(), FallbackCurrentWindow(windows_), value);
    }
    state_.redrawMode = RedrawMode::WholeField;
}

void GameSession::EndBackgroundChoice(bool chosen, const BackgroundRecord& kept)
{
    if (chosen) {
        MarkChanged(state_);
    } else {
        backgroundRecord_ = kept;
        CheckBackgrounds(Backgrounds());
    }
    RedrawAfterWindowChange();
    state_.busy = false;
}

}  // namespace kirvo
