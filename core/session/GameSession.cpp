// The session's life, play input and the commands that work on the field.
#include "session/GameSession.h"

#include <utility>

#include "game/GroupRescale.h"
#include "playfield/Arrange.h"
#include "playfield/Caption.h"
#include "playfield/Gather.h"
#include "playfield/Glass.h"
#include "playfield/GroupsIntoView.h"
#include "playfield/Selection.h"
#include "playfield/StarStrip.h"
#include "playfield/ThumbnailWindow.h"
#include "playfield/Weight.h"
#include "session/ChangeLook.h"

namespace kirvo {

GameSession::GameSession(FILE_NAMES names, Translator& translator, MessageSink messages, SessionHost& host,
                         uint32_t seed)
    : names_(std::move(names)),
      translator_(translator),
      messages_(std::move(messages)),
      host_(host),
      starStrip_(DrawStarStrip()),
      random_(seed),
      browser_(names_, state_, pending_, settings_.DefJigP, storedThumb_, translator, messages_)
{
}

void GameSession::InitialiseWindows()
{
    InitialisePlayWindows(windows_, state_, "", "");  // captions come with the language, ApplyCaptions
}

std::string GameSession::Text(const char* key, const char* english) const
{
    return translator_.TextOr(LangSection::MainForm, key, english);
}

void GameSession::TellError(const std::string& text) const
{
    Tell(messages_, text, MessageButtons::Ok, MessageIcon::Error);
}

void GameSession::LoadSettings()
{
    Result<Settings> loaded = SettingsLoad(names_);
    if (!loaded)
        Tell(messages_, translator_.Detail(loaded.error()), MessageButtons::Ok, MessageIcon::Warning);
    settings_ = loaded ? std::move(loaded.value()) : Settings();
    if (Result<> language = ApplyStartupLanguage(translator_, names_, settings_.sCurLang); !language)
        Tell(messages_, language.error(), MessageButtons::Ok, MessageIcon::Warning);
    ApplyPieceLook();
}

Result<> GameSession::SaveSettings(bool fullScreen)
{
    settings_.FullScreen = fullScreen;
    return SettingsSave(settings_, names_);
}

CommandEnabling GameSession::Enabling() const
{
    return EnablingFor({.puzzleLoaded = names_.puzzleLoaded,
                        .progressShown = progress_.shown,
                        .singleWin = settings_.PlayKeys.bSingleWin,
                        .selectionExists = state_.selectionExists,
                        .solved = state_.solved,
                        .canUndo = history_.CanUndo(),
                        .canRedo = history_.CanRedo(),
                        .recentCount = settings_.recentFiles.count});
}

void GameSession::PutRecent(const std::string& file) { PutRecentFile(settings_.recentFiles, file); }

void GameSession::ApplyCaptions()
{
    SetPocketCaptionFormat(windows_, translator_.TextOr(LangSection::Pocket, "PocketCaption", "Pocket %d (%d)"));
    SetCaption(windows_.windows[MW_THUMB], translator_.Text(LangSection::Thumbnail, "FormCaption"));
    state_.redrawMode = RedrawMode::WholeField;
}

void GameSession::ApplyPieceLook()
{
    const PieceLook look {.embossStyle = settings_.EmbossStyle, .woodStyle = settings_.WoodStyle,
                          .woodColor = settings_.WoodColor, .edgeWidth = state_.look.edgeWidth};
    if (!names_.puzzleLoaded) {
        state_.look = look;
        return;
    }
    ShowProgress(Text("Prog_ChangeEmboss", "Changing the look of the pieces..."),
                 ChangeLookStepCount(state_.look, look, state_.descriptor.Rotate == 1));
    ChangeLook(state_, look, [this] { StepProgress(); });
    HideProgress();
    history_.Reset(state_);  // the edge cells of the kept steps belong to the old look
    state_.redrawMode = RedrawMode::WholeField;
}

void GameSession::ShowProgress(const std::string& caption, int steps)
{
    kirvo::ShowProgress(progress_, steps, caption);
    state_.loading = true;
    host_.ProgressChanged();
}

void GameSession::StepProgress()
{
    kirvo::StepProgress(progress_);
    host_.ProgressChanged();
}

void GameSession::HideProgress()
{
    kirvo::HideProgress(progress_);
    state_.loading = false;
    host_.ProgressChanged();
}

void GameSession::SizeField(int visibleWidth, int visibleHeight, int screenWidth, int screenHeight)
{
    // The field image always covers the whole screen so that any later window size fits it.
    SetStartField(windows_, visibleWidth, visibleHeight);
    SizeFieldImages(field_, screenWidth, screenHeight, kDefaultBackground);
}

void GameSession::ResizeField(int width, int height)
{
    kirvo::ResizeField(windows_, width, height);
    state_.redrawMode = RedrawMode::WholeField;
}

void GameSession::RescaleField(int oldWidth, int oldHeight)
{
    if (!names_.puzzleLoaded)
        return;
    SetVirtualField(windows_, state_.descriptor.ImageW, state_.descriptor.ImageH);
    for (int window = MW_SIDE0; window <= MW_POCKET3; ++window) {
        RescaleGroups(state_, window, oldWidth, oldHeight, windows_.field.visibleWidth, windows_.field.visibleHeight);
        BringGroupsIntoView(state_, windows_, window, Pulling::On);
    }
    CheckBackgrounds(Backgrounds());  // a background picture must cover the new field
    history_.Reset(state_);           // places kept from the old scale would lie wrong
}

SessionOutcome GameSession::AfterPlay(const PlayOutcome& outcome)
{
    SessionOutcome after {.mainWindowSize = outcome.mainWindowSize, .cursor = outcome.cursor, .sizing = outcome.sizing};
    if (outcome.joined && settings_.CB_SoundPlay)
        after.sound = kJoinSound;
    after.joinAnimation = outcome.animating;
    // The finish waits for the animation of the join that solved the puzzle.
    if (outcome.solved && outcome.animating)
        finishAfterJoin_ = true;
    else if (outcome.solved)
        after.finished = true;
    return after;
}

PlayOptions GameSession::CurrentPlayOptions() const
{
    return {.keys = settings_.PlayKeys, .snapStrength = settings_.iStuckKoef, .showJoin = settings_.CB_VisualShowJoin};
}

SessionOutcome GameSession::Mouse(FieldMouse kind, int button, uint8_t modifiers, int x, int y, WindowSize mainWindow)
{
    if (progress_.shown || !names_.puzzleLoaded || field_.star.step >= 0)
        return {};
    if (kind != FieldMouse::Move)
        mouseHeld_ = kind == FieldMouse::Press;
    state_.busy = true;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, field_, drag_, options, mainWindow, &history_.EdgeLog()};
    PlayOutcome outcome;
    switch (kind) {
    case FieldMouse::Press: outcome = PlayMouseDown(play, button, modifiers, x, y); break;
    case FieldMouse::Move: outcome = PlayMouseMove(play, mouseHeld_, x, y); break;
    case FieldMouse::Release: outcome = PlayMouseUp(play, button, modifiers, x, y); break;
    }
    RecordAction();
    state_.busy = false;
    return AfterPlay(outcome);
}

SessionOutcome GameSession::Wheel(int delta, int x, int y, WindowSize mainWindow)
{
    if (progress_.shown || !names_.puzzleLoaded || field_.star.step >= 0)
        return {};
    state_.busy = true;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, field_, drag_, options, mainWindow, &history_.EdgeLog()};
    const PlayOutcome outcome = PlayWheel(play, delta, x, y);
    RecordAction();
    state_.busy = false;
    return AfterPlay(outcome);
}

bool GameSession::NextJoinStep()
{
    return kirvo::NextJoinStep(field_, state_, windows_);
}

bool GameSession::TakeFinishAfterJoin()
{
    return std::exchange(finishAfterJoin_, false);
}

void GameSession::ClearSelectionIfAny()
{
    if (state_.selectionExists)
        ClearSelection(state_, windows_);
}

void GameSession::RedrawAfterWindowChange()
{
    // What is carried must be drawn over the field as it now is.
    if (drag_.state == DragState::Carrying && state_.draggedPiece >= 0) {
        PrepareDragImagesAgain(field_, Carried::Pieces, state_, windows_);
    } else if (field_.weight.carried) {
        if (IsSideOrPocket(state_.currentWindow))
            field_.weight.window = state_.currentWindow;
        PrepareDragImagesAgain(field_, Carried::Weight, state_, windows_);
    } else {
        state_.redrawMode = RedrawMode::WholeField;
    }
}

void GameSession::RecordAction()
{
    if (drag_.state == DragState::Idle)
        history_.Record(state_);
}

void GameSession::RunPlayCommand(MenuItem item)
{
    RunPlayCommandNow(item);
    RecordAction();
}

void GameSession::RunPlayCommandNow(MenuItem item)
{
    using enum MenuItem;
    switch (item) {
    case MI_GameWin1:
    case MI_GameWin2:
        ClearSelectionIfAny();
        ShowSide(windows_, state_, item == MI_GameWin1 ? MW_SIDE0 : MW_SIDE1, Carrying::Nothing);
        break;
    case MI_PocketsPocket1:
    case MI_PocketsPocket2:
    case MI_PocketsPocket3:
    case MI_PocketsPocket4: TogglePocket(windows_, state_, MW_POCKET0 + (int(item) - int(MI_PocketsPocket1))); break;
    case MI_GameThumb: ToggleThumbnailWindow(windows_, state_); break;
    case MI_PocketsTile: TilePockets(windows_, state_); break;
    case MI_PocketsCascade: CascadePockets(windows_, state_); break;
    case MI_GameGlass: ToggleGlass(windows_, state_); break;
    case MI_GameSelectAll:
        ClearSelectionIfAny();
        SelectAll(state_, windows_);
        state_.redrawMode = RedrawMode::WholeField;
        return;
    case MI_GameArrange:
        ArrangeSelection(state_, windows_, random_);
        return;
    case MI_GameGather: Gather(); return;
    case MI_GameEdges: EdgePiecesToPocket(); return;
    case MI_GameSelectEdges: SelectEdgePieces(); return;
    default: return;
    }
    RedrawAfterWindowChange();
}

void GameSession::Gather()
{
    state_.busy = true;
    const MessageAnswer answer = Tell(messages_, Text("Q_Gather", "All pieces will be gathered in the first window "
                                                                  "and the pockets will be emptied.$DDo you want to go on?"),
                                      MessageButtons::YesNo, MessageIcon::Question);
    if (answer == MessageAnswer::Yes) {
        ClearSelectionIfAny();
        drag_.state = DragState::Idle;
        state_.draggedPiece = -1;
        GatherPieces(state_, windows_);
    }
    state_.busy = false;
}

void GameSession::Weight(int x, int y)
{
    if (!names_.puzzleLoaded || progress_.shown)
        return;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, field_, drag_, options, {}};
    WeightCommand(play, x, y);
    RecordAction();
}

bool GameSession::CancelDrag()
{
    if (!names_.puzzleLoaded || progress_.shown)
        return false;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, field_, drag_, options, {}};
    const bool cancelled = kirvo::CancelDrag(play);
    RecordAction();
    return cancelled;
}

void GameSession::SwitchSides()
{
    state_.busy = true;
    const bool carrying = drag_.state == DragState::Carrying && state_.draggedPiece >= 0;
    // A selection belongs to the side it was made on; carried pieces go along.
    if (!carrying)
        ClearSelectionIfAny();
    ShowSide(windows_, state_, windows_.shownSide == MW_SIDE0 ? MW_SIDE1 : MW_SIDE0,
             carrying ? Carrying::Pieces : Carrying::Nothing);
    RedrawAfterWindowChange();
    RecordAction();
    state_.busy = false;
}

std::optional<MenuItem> GameSession::KeyReleased(int key, const ItemFlags& enabled, bool running)
{
    const std::optional<uint8_t> modifiers = KeyUp(keys_, key, progress_.shown);
    if (!modifiers)
        return std::nullopt;
    if (key == ' ') {
        if (SpaceSwitchesSides(running, enabled, settings_.PlayKeys.bSingleWin))
            SwitchSides();
        return std::nullopt;
    }
    return FindShortcut({key, *modifiers}, enabled);
}

TBox GameSession::Redraw()
{
    return kirvo::Redraw(field_, state_, windows_, starStrip_);
}

}  // namespace kirvo
