// GameSession: one player's game from start-up to exit — the puzzle in play with its play
// windows, field image and drag, the jigsaw being chosen, the settings, and the files they came
// from — and every operation on it: opening, saving, resuming, mouse and key input, the autosave
// tick and the play commands.
//
// The session shows nothing itself. Questions and messages go to the message sink it was given,
// already translated; a save name and the progress panel's repaints come from its host; what the
// window should do afterwards (repaint, play a sound, show the finish, step the join animation,
// change the cursor or its size) comes back as a SessionOutcome.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Random.h"
#include "base/Result.h"
#include "commands/CommandEnabling.h"
#include "commands/Commands.h"
#include "commands/ProgressPanel.h"
#include "commands/Shortcuts.h"
#include "cutting/KnobAtlas.h"
#include "files/GameExtras.h"
#include "files/SavedGame.h"
#include "game/FileNames.h"
#include "game/GameState.h"
#include "game/UndoHistory.h"
#include "playfield/Completion.h"
#include "playfield/FieldImage.h"
#include "playfield/PlayMouse.h"
#include "playfield/PlayWindow.h"
#include "session/JigsawBrowser.h"
#include "session/MessageSink.h"
#include "session/OptionsChoices.h"
#include "session/SaveChangesQuestion.h"
#include "session/WindowBackgrounds.h"
#include "settings/Settings.h"
#include "settings/Translation.h"

namespace kirvo {

// What the session needs from the program while an operation runs.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    // Lets the player choose a saved-game name; nothing when the player cancels.
    virtual std::optional<std::string> ChooseSaveName() = 0;
    // The progress panel was shown, stepped or hidden: show it as it now is.
    virtual void ProgressChanged() = 0;
};

// The sounds of play, by file name in the program folder.
inline constexpr const char* kJoinSound = "set.wav";
inline constexpr const char* kWinSound = "win.wav";

struct SessionOutcome {
    const char* sound = nullptr;  // kJoinSound, only with sound on
    bool joinAnimation = false;   // step it with NextJoinStep every kJoinStepMilliseconds
    bool finished = false;        // solved: the finish, with kWinSound when sound is on
    std::optional<WindowSize> mainWindowSize;  // a side's size grip resizes the main window
    PlayCursor cursor = PlayCursor::Unchanged;
    SizingCursor sizing = SizingCursor::Normal;  // with PlayCursor::Sizing
};

enum class SaveKind { OnRequest, Autosave };

// What a background command changes: every side and pocket, or the current one.
enum class BackgroundTarget { AllWindows, CurrentWindow };

class GameSession : private SaveChangesHost {
public:
    // names: every folder and file, already set up. seed starts the generator every new game draws from.
    GameSession(FILE_NAMES names, Translator& translator, MessageSink messages, SessionHost& host, uint32_t seed);

    const FILE_NAMES& Names() const { return names_; }
    const GameState& State() const { return state_; }
    const PlayWindows& Windows() const { return windows_; }
    PlayWindows& Windows() { return windows_; }
    const FieldImage& Field() const { return field_; }
    FieldImage& Field() { return field_; }
    const ProgressPanel& Progress() const { return progress_; }
    Settings& CurrentSettings() { return settings_; }
    const Settings& CurrentSettings() const { return settings_; }
    const TPixelBuffer& StoredThumbnail() const { return storedThumb_; }
    const std::string& InfoText() const { return infoText_; }

    // --- The clock: the time actually played, kept beside the saved game ---
    // A second passed with the player at the game; it counts while a puzzle is open and unsolved.
    void ClockTick();
    int64_t PlayedSeconds() const { return extras_.playedSeconds; }
    // The best time kept for the puzzle in play: its jigsaw, level, shape and rotation.
    std::optional<int64_t> BestTime() const;
    // At the finish: the time played becomes the best time when it is shorter; true when it did.
    bool RecordFinishTime();
    PuzzleProgress HowFarSolved() { return kirvo::Progress(state_, names_.puzzleLoaded); }
    void SetKnobAtlas(KnobAtlas atlas) { knobAtlas_ = std::move(atlas); }
    // The jigsaw browser: its choices start the next game, its thumbnails follow every save.
    JigsawBrowser& Browser() { return browser_; }

    // Reads the settings file and applies the language it names; the player is told when the
    // language file cannot be read.
    void LoadSettings();
    // Writes the settings file, with the window's full-screen state.
    Result<> SaveSettings(bool fullScreen);

    // Which commands the player may use now.
    CommandEnabling Enabling() const;
    // Puts the file at the head of the recent list.
    void PutRecent(const std::string& file);

    // --- Opening (GameSessionOpen.cpp) ---
    // Asks to save the changes; Stop when the player would rather keep the game in play.
    Proceed AskToPutAway();
    // The file the chooser starts on: the game's saved game while it exists, else its jigsaw.
    std::string PreselectedFile() const;
    // The recent file at that place of the list; empty past its end.
    std::string RecentFileAt(int index) const;
    // Starts the jigsaw file or resumes the saved game; `fitArea` is the room a fitted picture
    // may take. On failure the player is told why and the puzzle in play stays as it was.
    bool Open(const std::string& file, WindowSize fitArea);
    // Reads the jigsaw's header into the pending descriptor with the standing choices, and its preview.
    Result<> SelectJigsaw(const std::string& file, WindowSize fitArea);

    // --- Saving (GameSessionSave.cpp) ---
    // Save and Save As: to the game's own saved game, or to one the player chooses.
    void SaveCommand(bool chooseName);
    // Writes the game to the file: its play state in place when the file already holds this
    // game, else the whole game through the save temp file. Only the final result is reported.
    Result<> Save(SaveKind kind, const std::string& path);
    // Saves a changed game without asking, for a quit signal: to its saved game, or to the
    // autosave file when it has none.
    Result<> SaveWithoutAsking();
    // The autosave timer's tick: saves to the autosave file when one is due. True when one was
    // due, tried or not: the interval starts again.
    bool AutosaveTick(double minutesSinceLast);

    // --- Play (GameSession.cpp) ---
    SessionOutcome Mouse(FieldMouse kind, int button, uint8_t modifiers, int x, int y, WindowSize mainWindow);
    SessionOutcome Wheel(int delta, int x, int y, WindowSize mainWindow);
    // One step of the join animation; false when it has ended.
    bool NextJoinStep();
    // Whether the join whose animation just ended solved the puzzle: the finish is due now.
    bool TakeFinishAfterJoin();
    // The commands that work on the field: sides, pockets, tiling, cascading, select all, arrange,
    // gather (which asks first), the edge pieces and the glass.
    void RunPlayCommand(MenuItem item);
    // The Weight command; (x, y) is the mouse on the field, (-100, -100) when it lies left of or
    // above the field.
    void Weight(int x, int y);
    // Escape: what is carried goes back where it was picked up. True when something was carried.
    bool CancelDrag();
    // Space: the other side, carrying what is carried.
    void SwitchSides();
    // The key went up: the command whose shortcut it is, when one should run now.
    std::optional<MenuItem> KeyReleased(int key, const ItemFlags& enabled, bool running);
    void KeyPressed(int key, uint8_t modifiers) { KeyDown(keys_, key, modifiers, progress_.shown); }
    // Recomposes what the last change asked for; the part of the field image to repaint.
    TBox Redraw();

    // --- Undo and redo (GameSessionUndo.cpp) ---
    // Every action of the player on the pieces is kept until the next game or change of the
    // field's scale or the pieces' look (UndoHistory.h). Undo takes the last one back, Redo does
    // the last one taken back again; the selection is put away first, a pocket that gets pieces
    // back is shown, the game is changed and the whole field redrawn. False when there is nothing
    // to do or pieces are being carried.
    bool Undo();
    bool Redo();

    // --- Finding a piece that fits (GameSessionFind.cpp) ---
    // Highlights a piece that joins the picked pieces (the selection, or the carried group) and its
    // place beside them, or, with nothing picked, two pieces that join; a hidden pocket holding the
    // piece is shown. Asking again shows the next one. The player is told when none is left. True
    // when the highlight started: step it with NextFindStep every kFindStepMilliseconds.
    bool Find();
    bool NextFindStep();
    // How often Find was used in the game in play.
    int FindUses() const { return extras_.findUses; }

    // --- Screen and look ---
    // Lays out the sides, pockets and thumbnail window for the field as first sized.
    void InitialiseWindows();
    // The field's visible size changed; the screen size sets the field image.
    void SizeField(int visibleWidth, int visibleHeight, int screenWidth, int screenHeight);
    void ResizeField(int width, int height);
    // Full screen on or off, from one visible field size to another: groups keep their place.
    void RescaleField(int oldWidth, int oldHeight);
    // The pieces take the emboss and wood styles of the settings.
    void ApplyPieceLook();
    // Captions of the pockets and the thumbnail window in the current language.
    void ApplyCaptions();

    // --- Backgrounds (GameSessionBackgrounds.cpp) ---
    // The largest field the main window can show: background pictures are loaded to cover it.
    void SetLargestField(WindowSize size) { largestField_ = size; }
    // The background the picker starts from: the last one chosen for all windows, or the current
    // window's.
    uint32_t Background(BackgroundTarget target) const;
    // Before the picker opens: busy, no selection; the backgrounds as they are, for a cancel.
    BackgroundRecord BeginBackgroundChoice();
    // Applies a value while the picker shows it: a picture that cannot be loaded gives grey.
    void SetBackground(BackgroundTarget target, uint32_t value);
    // After the picker: a choice changes the game; a cancel puts the kept backgrounds back.
    void EndBackgroundChoice(bool chosen, const BackgroundRecord& kept);

    // --- Options (GameSessionOptions.cpp) ---
    // Takes what the player chose in the Options dialog: the selection is put away, single window
    // gathers every piece on the first side, a new emboss or wood style changes the pieces' look
    // under the progress panel, and the pending language is applied. The caller redraws.
    void ApplyOptions(const OptionsChoices& choices);

    // The progress panel, for long operations the window runs itself.
    void ShowProgress(const std::string& caption, int steps);
    void StepProgress();
    void HideProgress();

    void SetBusy(bool busy) { state_.busy = busy; }

private:
    bool SaveGame(const std::string& path) override;
    std::optional<std::string> ChooseSaveName() override { return host_.ChooseSaveName(); }

    bool OpenJigsaw(const std::string& file, WindowSize fitArea);
    // The side to show, or nothing when the file could not be resumed.
    std::optional<int> OpenSavedGame(const std::string& file);
    SavedGame CurrentSavedGame() const;
    // The game read from the file, or nothing when it could not be; the side to show.
    std::optional<int> ReadPuzzle(const std::string& file, WindowSize fitArea);
    WindowBackgrounds Backgrounds();
    PlayOptions CurrentPlayOptions() const;
    SessionOutcome AfterPlay(const PlayOutcome& outcome);
    void RedrawAfterWindowChange();
    // The player's action is over unless pieces are still carried or a rectangle drawn: the
    // history takes what it changed.
    void RecordAction();
    bool StepHistory(bool (UndoHistory::*step)(GameState&));
    void RunPlayCommandNow(MenuItem item);
    void Gather();
    void ClearSelectionIfAny();
    // The edge-piece commands (GameSessionEdges.cpp): the player is told when there is nothing to
    // do or no pocket to do it in.
    void EdgePiecesToPocket();
    void SelectEdgePieces();
    // elsewhere: loose edge pieces are left, only not in the current window.
    void TellNoEdgePieces(bool elsewhere) const;
    std::string Text(const char* key, const char* english) const;
    void TellError(const std::string& text) const;
    void TellCantOpen(const std::string& file, const std::string& reason) const;
    void TellSaveFailed(const std::string& reason) const;

    FILE_NAMES names_;
    Translator& translator_;
    MessageSink messages_;
    SessionHost& host_;
    Settings settings_;  // read at start-up, written at exit
    GameState state_;
    PlayWindows windows_;
    FieldImage field_;
    PlayDrag drag_;
    TPixelBuffer starStrip_;
    Random random_;             // every new game draws from it
    Descriptor pending_;        // the selected jigsaw with the player's choices, until a game starts
    TPixelBuffer storedThumb_;  // the preview of the jigsaw in play
    std::string infoText_;      // the information text of the jigsaw in play
    GameExtras extras_;         // what is kept beside the saved game of the puzzle in play
    BackgroundRecord backgroundRecord_ = DefaultBackgroundRecord();  // its reserved values as a saved game brought them
    WindowSize largestField_;
    KnobAtlas knobAtlas_;  // empty when the file is missing: every grid knob is then drawn
    KeyTracker keys_;
    ProgressPanel progress_;
    bool mouseHeld_ = false;
    bool finishAfterJoin_ = false;  // solved by the join being animated
    UndoHistory history_;
    int lastFound_ = -1;  // the piece Find showed last; the next use starts after it
    JigsawBrowser browser_;         // works on the members above
};

}  // namespace kirvo
