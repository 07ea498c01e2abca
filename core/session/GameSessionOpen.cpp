// Opening a puzzle: reading the chosen file and starting the new game, or resuming the saved one.
//
// Nothing of the puzzle in play is touched until the new file has been read whole: a file that
// cannot be opened leaves the game as it was, with a message saying why.
#include <filesystem>

#include "base/Folders.h"
#include "base/TextFormat.h"
#include "files/JigsawFile.h"
#include "files/SavedGameCheck.h"
#include "files/SavedGameFile.h"
#include "playfield/Glass.h"
#include "playfield/Selection.h"
#include "playfield/ThumbnailWindow.h"
#include "session/CutMessages.h"
#include "session/GameSession.h"
#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "session/ResumeGame.h"

namespace kirvo {

namespace {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

Proceed GameSession::AskToPutAway()
{
    return AskSaveChanges(state_.changed, names_, translator_, messages_, *this);
}

std::string GameSession::PreselectedFile() const
{
    return FileExists(names_.sSolve) ? names_.sSolve : names_.sJig;
}

std::string GameSession::RecentFileAt(int index) const
{
    const RecentFiles& recent = settings_.recentFiles;
    return index >= 0 && index < recent.count ? recent.entries[size_t(index)].fullName : std::string();
}

Result<> GameSession::SelectJigsaw(const std::string& file, WindowSize fitArea)
{
    Result<TPixelBuffer> preview = SelectJigsawFile(file, settings_.DefJigP, fitArea, pending_);
    if (!preview)
        return Fail(preview.error());
    if (!ApplyChosenLevel(pending_))
        return Fail("The picture is too small to be cut into pieces.");
    storedThumb_ = std::move(preview.value());
    return {};
}

bool GameSession::Open(const std::string& file, WindowSize fitArea)
{
    ClearSelectionIfAny();
    // The thumbnail window and the glass are put away while the file is read. They come back at the
    // field's corner over the new game, or where they were when the game in play stays.
    const bool thumbnailShown = windows_.windows[MW_THUMB].visible;
    const bool glassOn = windows_.glass.visible;
    SetVisible(windows_, state_, MW_THUMB, Visibility::Hidden);
    windows_.glass.visible = false;
    const std::optional<int> side = ReadPuzzle(file, fitArea);
    if (!side) {
        if (thumbnailShown)
            SetVisible(windows_, state_, MW_THUMB, Visibility::Shown);
        windows_.glass.visible = glassOn;
        return false;
    }
    PutRecent(file);
    const TPixelBuffer& picture = state_.buffers[kPictureBuffer];
    SizeThumbnailWindow(windows_.windows[MW_THUMB], field_.thumbnail, picture.width, picture.height);
    RenderThumbnail(field_.thumbnail, windows_.windows[MW_THUMB], picture);
    ShowSide(windows_, state_, *side, Carrying::Nothing);
    CheckBackgrounds(Backgrounds());
    // The game's own play flags were cleared by starting or resuming it.
    drag_ = PlayDrag {};
    drag_.clickToDragStart = true;
    field_.rectangle = {};
    field_.weight = {};
    if (thumbnailShown)
        ShowThumbnailWindow(windows_, state_);
    if (glassOn)
        ShowGlassAtCorner(windows_);
    field_.findMark = {};
    history_.Reset(state_);
    lastFound_ = -1;
    state_.redrawMode = RedrawMode::WholeField;
    return true;
}

std::optional<int> GameSession::ReadPuzzle(const std::string& file, WindowSize fitArea)
{
    if (HasSavedGameExtension(file))
        return OpenSavedGame(file);
    return OpenJigsaw(file, fitArea) ? std::optional<int>(MW_SIDE0) : std::nullopt;
}

void GameSession::TellCantOpen(const std::string& file, const std::string& reason) const
{
    TellError(FormatText(Text("MS_CantOpenJigsaw", "The jigsaw %s cannot be opened.$D%s"),
                         {FileNameOf(file), translator_.Detail(reason)}));
}

bool GameSession::OpenJigsaw(const std::string& file, WindowSize fitArea)
{
    auto refuse = [&](const std::string& reason) {
        HideProgress();
        TellCantOpen(file, reason);
        return false;
    };
    if (Result<> selected = SelectJigsaw(file, fitArea); !selected)
        return refuse(selected.error());

    ShowProgress(Text("Prog_OpenJig", "Opening the jigsaw..."), NewGameStepCount(pending_, HasEffects(state_.look)));
    Result<JigsawFile> jigsaw = ReadJigsawFile(file, JigsawReadMode::Start);
    if (!jigsaw)
        return refuse(jigsaw.error());
    StepProgress();

    NewGameChoices choices {
        .pending = pending_, .seedText = browser_.SeedForNewGame(), .shapeLibraryFile = names_.shapeLibraryFile};
    Result<CutReport> started = StartNewGame(state_, windows_, choices, std::move(jigsaw.value().picture), random_,
                                             knobAtlas_, [this] { StepProgress(); }, messages_);
    if (!started)
        return refuse(started.error());
    infoText_ = std::move(jigsaw.value().info);
    HideProgress();
    for (const std::string& message : CutMessages(started.value(), translator_))
        TellError(message);

    names_.sJig = file;
    names_.sJigName = std::filesystem::path(file).stem().string();
    names_.sSolve.clear();
    names_.puzzleLoaded = true;
    extras_ = {};
    return true;
}

std::optional<int> GameSession::OpenSavedGame(const std::string& file)
{
    Result<SavedGame> saved = ReadSavedGame(file, SavedGameReadMode::Start);
    if (saved)
        if (Result<> sound = CheckSavedGame(saved.value()); !sound)
            saved = Fail(sound.error());
    if (!saved) {
        TellCantOpen(file, saved.error());
        return std::nullopt;
    }
    SavedGame& game = saved.value();
    ShowProgress(Text("Prog_OpenJig", "Opening the jigsaw..."), ResumeStepCount(game.descriptor, HasEffects(state_.look)));
    storedThumb_ = std::move(game.thumbnail);
    infoText_ = std::move(game.info);
    backgroundRecord_ = game.backgrounds;
    settings_.PlayKeys = game.playKeys;
    names_.sJig = names_.sJigName = game.jigsawName;
    const int side = ResumeGame(state_, windows_, std::move(game), [this] { StepProgress(); });
    HideProgress();
    names_.sSolve = file;
    names_.puzzleLoaded = true;
    extras_ = ReadGameExtras(file);
    return side;
}

}  // namespace kirvo
