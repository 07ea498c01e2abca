// Saving the game in play and resuming a saved one.
//
// A full save writes the whole game to the save temp file, flushes it and renames it over the
// target, so the target always holds the old save or the new one whole; a later save of the same
// game rewrites only its play-state block. Every save on request also leaves the autosave file a
// mirror of what was saved.
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "base/TextFormat.h"
#include "files/SavedGameFile.h"
#include "session/MessageBox.h"
#include "session/ResumeGame.h"
#include "shell/MainWindow.h"

namespace kirvo {

SavedGame MainWindow::CurrentSavedGame() const
{
    return MakeSavedGame(state_, windows_,
                         {.jigsawName = names_.sJigName,
                          .thumbnail = &storedThumb_,
                          .info = infoText_,
                          .playKeys = settings_.PlayKeys,
                          .backgrounds = backgroundRecord_});
}

bool MainWindow::SaveGame(const std::string& path)
{
    return SaveGameTo(path, SaveKind::OnRequest);
}

bool MainWindow::SaveGameTo(const std::string& path, SaveKind kind)
{
    if (!names_.puzzleLoaded)
        return false;
    const bool autosave = kind == SaveKind::Autosave;
    state_.busy = true;
    ShowProgressPanel(autosave ? Text("Prog_AutoSaveSolve", "Saving the game automatically...")
                               : Text("Prog_SaveSolve", "Saving the game..."),
                      1);
    auto finish = [this](bool saved) {
        HideProgressPanel();
        state_.busy = false;
        return saved;
    };
    const SavedGame game = CurrentSavedGame();

    Result<bool> quick = QuickSaveGame(path, game);
    if (!quick)
        ShowSaveError(quick.error());
    if (quick && quick.value()) {
        StepProgressPanel();
        state_.autosavePending = false;
        if (!autosave)
            state_.changed = false;
        return finish(true);
    }

    ShowProgressPanel(Text("Prog_SaveSolve", "Saving the game..."), 4);
    const std::vector<uint8_t> bytes = EncodeSavedGame(game);
    StepProgressPanel();
    if (!autosave && !SameNameIgnoringCase(path, names_.autosaveFile)) {
        Result<bool> mirrored = QuickSaveGame(names_.autosaveFile, game);
        if (!mirrored || !mirrored.value())
            (void)WriteFileDurably(names_.autosaveFile, names_.saveTempFile, bytes);  // the mirror is a courtesy
    }
    StepProgressPanel();
    if (Result<> written = WriteFileDurably(path, names_.saveTempFile, bytes); !written) {
        ShowSaveError(written.error());
        return finish(false);
    }
    StepProgressPanel();
    state_.autosavePending = false;
    if (!autosave)
        state_.changed = false;
    return finish(true);
}

void MainWindow::ShowSaveError(const std::string& reason)
{
    MsgBox(FormatText(Text("MS_CantSaveGame", "The game could not be saved.$D%s"), {reason}), MessageButtons::Ok,
           MessageIcon::Error);
}

void MainWindow::SaveCommand(bool chooseName)
{
    if (!names_.puzzleLoaded)
        return;
    if (SameNameIgnoringCase(names_.sSolve, names_.autosaveFile))
        names_.sSolve.clear();
    if (chooseName || names_.sSolve.empty()) {
        std::optional<std::string> chosen = ChooseSaveName();
        if (!chosen)
            return;
        names_.sSolve = *chosen;
    }
    if (SaveGameTo(names_.sSolve, SaveKind::OnRequest))
        PutRecent(names_.sSolve);
}

bool MainWindow::OpenSavedGame(const std::string& name)
{
    Result<SavedGame> saved = ReadSavedGame(name, SavedGameReadMode::Start);
    if (!saved) {
        MsgBox(FormatText(Text("MS_CantOpenJigsaw", "The jigsaw %s cannot be opened.$D%s"),
                          {QFileInfo(QString::fromStdString(name)).fileName().toStdString(), saved.error()}),
               MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    SavedGame& game = saved.value();
    ShowProgressPanel(Text("Prog_OpenJig", "Opening the jigsaw..."), ResumeStepCount(game.descriptor, HasEffects(state_.look)));
    storedThumb_ = std::move(game.thumbnail);
    infoText_ = std::move(game.info);
    backgroundRecord_ = game.backgrounds;
    settings_.PlayKeys = game.playKeys;
    names_.sJig = names_.sJigName = game.jigsawName;
    const int side = ResumeGame(state_, windows_, std::move(game), [this] { StepProgressPanel(); });
    HideProgressPanel();
    names_.sSolve = name;
    names_.puzzleLoaded = true;
    resumedSide_ = side;
    return true;
}

}  // namespace kirvo
