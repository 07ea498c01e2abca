// Saving the game in play.
//
// A full save writes the whole game to the save temp file, flushes it and renames it over the
// target, so the target always holds the old save or the new one whole; a later save of the same
// game rewrites only its play-state block. Every save on request also leaves the autosave file a
// mirror of what was saved.
#include "base/Folders.h"
#include "files/SavedGameFile.h"
#include "settings/BestTimes.h"
#include "base/TextFormat.h"
#include "session/Autosave.h"
#include "session/GameSession.h"
#include "session/ResumeGame.h"

namespace kirvo {

SavedGame GameSession::CurrentSavedGame() const
{
    return MakeSavedGame(state_, windows_,
                         {.jigsawName = names_.sJigName,
                          .thumbnail = &storedThumb_,
                          .info = infoText_,
                          .playKeys = settings_.PlayKeys,
                          .backgrounds = backgroundRecord_});
}

Result<> GameSession::Save(SaveKind kind, const std::string& path)
{
    if (!names_.puzzleLoaded)
        return Fail("There is no game to save.");
    const bool autosave = kind == SaveKind::Autosave;
    // A selection cannot be cleared once the game is resumed, so none is ever saved.
    if (!autosave)
        ClearSelectionIfAny();
    const bool wasBusy = state_.busy;
    state_.busy = true;
    ShowProgress(autosave ? Text("Prog_AutoSaveSolve", "Saving the game automatically...")
                          : Text("Prog_SaveSolve", "Saving the game..."),
                 4);
    const SavedGame game = CurrentSavedGame();
    auto saved = [&] {
        state_.autosavePending = false;
        if (!autosave)
            state_.changed = false;
        // The extras are a courtesy beside a save that was made: a failure is not reported.
        (void)WriteGameExtras(path, extras_);
    };

    // A quick save that cannot be made, for whatever reason, leaves the full save to decide.
    if (Result<bool> quick = QuickSaveGame(path, game); quick && quick.value()) {
        saved();
        HideProgress();
        state_.busy = wasBusy;
        return {};
    }
    StepProgress();
    const std::vector<uint8_t> bytes = EncodeSavedGame(game);
    StepProgress();
    if (!autosave && !SameNameIgnoringCase(path, names_.autosaveFile)) {
        Result<bool> mirrored = QuickSaveGame(names_.autosaveFile, game);
        if ((!mirrored || !mirrored.value()) && WriteSavedGame(names_.autosaveFile, names_.saveTempFile, bytes))
            browser_.RefreshThumbnail(names_.autosaveFile);  // the mirror is a courtesy: a failure is not reported
        (void)WriteGameExtras(names_.autosaveFile, extras_);
    }
    StepProgress();
    Result<> written = WriteSavedGame(path, names_.saveTempFile, bytes);
    if (written) {
        saved();
        browser_.RefreshThumbnail(path);
    }
    HideProgress();
    state_.busy = wasBusy;
    return written;
}

void GameSession::ClockTick()
{
    if (names_.puzzleLoaded && !state_.solved)
        ++extras_.playedSeconds;
}

namespace {

BestTimeKey BestTimeKeyOf(const std::string& jigsaw, const Descriptor& descriptor)
{
    return {jigsaw, descriptor.Level, descriptor.ShapeStyle, descriptor.Rotate == 1};
}

}  // namespace

std::optional<int64_t> GameSession::BestTime() const
{
    if (!names_.puzzleLoaded)
        return std::nullopt;
    return ReadBestTime(names_.localDataFolder + kBestTimesFile, BestTimeKeyOf(names_.sJigName, state_.descriptor));
}

bool GameSession::RecordFinishTime()
{
    if (!names_.puzzleLoaded)
        return false;
    Result<bool> recorded = RecordBestTime(names_.localDataFolder + kBestTimesFile,
                                           BestTimeKeyOf(names_.sJigName, state_.descriptor), extras_.playedSeconds);
    return recorded && recorded.value();
}

void GameSession::TellSaveFailed(const std::string& reason) const
{
    TellError(FormatText(Text("MS_CantSaveGame", "The game could not be saved.$D%s"), {translator_.Detail(reason)}));
}

bool GameSession::SaveGame(const std::string& path)
{
    if (Result<> saved = Save(SaveKind::OnRequest, path); !saved) {
        TellSaveFailed(saved.error());
        return false;
    }
    return true;
}

void GameSession::SaveCommand(bool chooseName)
{
    if (!names_.puzzleLoaded)
        return;
    if (SameNameIgnoringCase(names_.sSolve, names_.autosaveFile))
        names_.sSolve.clear();
    if (chooseName || names_.sSolve.empty()) {
        std::optional<std::string> chosen = host_.ChooseSaveName();
        if (!chosen)
            return;
        names_.sSolve = *chosen;
    }
    if (SaveGame(names_.sSolve))
        PutRecent(names_.sSolve);
}

Result<> GameSession::SaveWithoutAsking()
{
    if (!names_.puzzleLoaded || !state_.changed)
        return {};
    if (names_.sSolve.empty() || SameNameIgnoringCase(names_.sSolve, names_.autosaveFile))
        return Save(SaveKind::Autosave, names_.autosaveFile);
    return Save(SaveKind::OnRequest, names_.sSolve);
}

bool GameSession::AutosaveTick(double minutesSinceLast)
{
    AutosaveSituation situation {.puzzleLoaded = names_.puzzleLoaded,
                                 .enabled = settings_.AutoSave_bEnabled,
                                 .pending = state_.autosavePending,
                                 .busy = state_.busy,
                                 .dragging = mouseHeld_,
                                 .saveInProgress = FileExists(names_.saveTempFile),
                                 .minutesSinceLast = minutesSinceLast,
                                 .intervalMinutes = settings_.AutoSave_iIntervalMin};
    if (!AutosaveDue(situation))
        return false;
    if (Result<> saved = Save(SaveKind::Autosave, names_.autosaveFile); !saved)
        TellSaveFailed(saved.error());
    return true;
}

}  // namespace kirvo
