// The session takes what the player chose in the Options dialog.
#include "playfield/Joining.h"
#include "session/GameSession.h"

namespace kirvo {

namespace {

void SetPair(uint8_t& button, uint8_t& shift, int choice)
{
    if (choice == kNoMouseChoice)
        return;  // a pair none of the choices stands for stays as it is
    button = kMouseChoices[size_t(choice)].button;
    shift = kMouseChoices[size_t(choice)].shift;
}

}  // namespace

void GameSession::ApplyOptions(const OptionsChoices& choices)
{
    ClearSelectionIfAny();

    settings_.AutoSave_iIntervalMin = choices.autoSaveMinutes;
    settings_.AutoSave_bEnabled = choices.autoSave;
    settings_.CB_SoundPlay = choices.sound;
    settings_.CB_VisualShowJoin = choices.showJoin;

    MouseBindings& keys = settings_.PlayKeys;
    if (choices.singleWindow != keys.bSingleWin) {
        keys.bSingleWin = choices.singleWindow;
        // With one window there is no second side to reach: its pieces join those of the first.
        if (keys.bSingleWin && names_.puzzleLoaded) {
            ShowSide(windows_, state_, MW_SIDE0, Carrying::Nothing);
            for (int k = 0; k < PieceCount(state_); ++k)
                if (state_.pieces[size_t(k)].window == MW_SIDE1)
                    MoveToOtherSide(state_, k, false, MW_SIDE1);
            history_.Reset(state_);  // undo must not bring pieces back to the second side
        }
    }
    keys.bClickToDrag = choices.clickToDrag;
    SetPair(keys.RotCW_Button, keys.RotCW_Shift, choices.assignments[kRotateClockwise]);
    SetPair(keys.RotCCW_Button, keys.RotCCW_Shift, choices.assignments[kRotateCounterClockwise]);
    SetPair(keys.MoveOW_Button, keys.MoveOW_Shift, choices.assignments[kMoveToOtherWindow]);
    settings_.iStuckKoef = choices.stuckKoef;

    if (choices.embossStyle != settings_.EmbossStyle || choices.woodStyle != settings_.WoodStyle) {
        settings_.EmbossStyle = choices.embossStyle;
        settings_.WoodStyle = choices.woodStyle;
        ApplyPieceLook();
    }
    // The wood colour is read as the pieces are drawn.
    settings_.WoodColor = choices.woodColor;
    state_.look.woodColor = choices.woodColor;

    if (Result<> applied = translator_.Apply(LangFilePath(names_.languageFolder, choices.language)); !applied)
        Tell(messages_, applied.error(), MessageButtons::Ok, MessageIcon::Warning);
    names_.helpFile = LangHelpOrEnglish(names_.languageFolder, choices.language);
    settings_.sCurLang = choices.language;

    settings_.sDnSrc = choices.downloadServer;
    settings_.bUseSecure = choices.useSecure;
    settings_.iSecureMethodInd = choices.secureMethod;
    settings_.thumbnailsPath = choices.thumbnailsPath;
    settings_.siteJigsawsFolder = choices.siteJigsawsFolder;
    state_.redrawMode = RedrawMode::WholeField;
}

}  // namespace kirvo
