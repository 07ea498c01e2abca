// TF_Main: the game's one top-level window: the skinned toolbar across the top and the field below.
//
// Creating it works out every folder and copies what came with the program (FolderSetup), loads
// the knob atlas and the toolbar art, sets up the play windows and builds the popup menu PM_Menu
// from the command table; closing it asks whether to save the changes; destroying it frees the
// puzzle and tidies the temporary files. There is no menu bar: every command runs from the popup
// menu, a toolbar button or its plain-key shortcut, all through RunCommand.
#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <QWidget>

#include <array>

#include "base/Random.h"
#include "commands/Commands.h"
#include "commands/ProgressPanel.h"
#include "commands/Shortcuts.h"
#include "cutting/KnobAtlas.h"
#include "files/SavedGame.h"
#include "game/FileNames.h"
#include "game/GameState.h"
#include "playfield/FieldImage.h"
#include "playfield/GlassSkin.h"
#include "playfield/PlayMouse.h"
#include "playfield/PlayWindow.h"
#include "playfield/StarStrip.h"
#include "session/SaveChangesQuestion.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "shell/FieldWidget.h"

class QAction;
class QMenu;
class QTimer;

namespace kirvo {

class SoundPlayer;
class ToolbarPanel;

class MainWindow : public QWidget, private SaveChangesHost {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    const FILE_NAMES& FileNames() const { return names_; }
    // Field input is taken only while running: from start-up until the window goes away.
    void SetRunning(bool running) { running_ = running; }

    // Reads the settings file and applies the language and the saved window state.
    void LoadSettings();
    // The pieces take the emboss and wood styles of the settings; a game in play is redrawn.
    void ApplyPieceLook();
    void RunCommand(MenuItem item);
    // Puts the file at the head of the recent list and refreshes its menu items.
    void PutRecent(const std::string& fullName);
    // Asks to save the changes, lets the player choose a jigsaw (name preselected when given) and
    // starts it. With direct set, a saved game is opened without asking.
    void OpenWithBrowser(const std::string& name, bool direct);
    // Starts the jigsaw file or resumes the saved game. On failure the player is told why and the
    // puzzle in play, if any, stays as it was.
    bool OpenFile(const std::string& name);
    // The start-up offer: the chooser on the most recent file.
    void OpenMostRecent();
    void ShowProgressPanel(const std::string& caption, int steps);
    void StepProgressPanel();
    void HideProgressPanel();
    bool IsFullScreen() const { return fullScreen_; }

    // For tests: what the window shows.
    const PlayWindows& Windows() const { return windows_; }
    const GameState& State() const { return state_; }
    const FieldImage& Field() const { return fieldImage_; }
    QAction* Action(MenuItem item) const { return actions_[size_t(item)]; }
    ToolbarPanel* Toolbar() const { return toolbar_; }
    QMenu* Menu() const { return menu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool SaveGame(const std::string& path) override;
    std::optional<std::string> ChooseSaveName() override;
    void SaveSettings();
    void LoadKnobAtlasFile();
    void LoadToolbarArt();
    void BuildMenu();
    void ApplyCaptions();
    // The translated text, or the English one while the language has none.
    static std::string Text(const char* key, const char* english);

    // MainWindowCommands.cpp
    void RefreshCommands();
    void RefreshRecentItems();
    void SwitchSides();
    void RedrawAfterWindowChange();
    void ShowNotYet();
    void OpenAddresses(const char* page);
    void ShowHelpContents();
    void FieldMouseEvent(FieldMouse kind, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void FieldWheelEvent(int delta, Qt::KeyboardModifiers modifiers, QPoint at);
    void AutoSaveTick();
    void RedrawField();
    void ApplyPlayOutcome(const PlayOutcome& outcome);
    PlayOptions CurrentPlayOptions() const;

    // MainWindowOpen.cpp
    std::optional<std::string> ChooseJigsaw(const std::string& preselected);
    // What the browser does on selecting a jigsaw: the pending descriptor and the stored thumbnail.
    Result<> SelectJigsaw(const std::string& name);
    bool OpenJigsaw(const std::string& name);
    void ClearDragState();

    // MainWindowSave.cpp
    enum class SaveKind { OnRequest, Autosave };
    SavedGame CurrentSavedGame() const;
    bool SaveGameTo(const std::string& path, SaveKind kind);
    void SaveCommand(bool chooseName);
    void ShowSaveError(const std::string& reason);
    bool OpenSavedGame(const std::string& name);

    // MainWindowFinish.cpp
    void PlaySound(const char* fileName);
    void Finish();
    void SaveSolvedImageAs();
    void ShowInfo();
    void ShowCredits();

    // MainWindowScreen.cpp
    void SizeField();
    void ToggleFullScreen();
    void ResizeWithField();
    void DisplayChanged();
    QRect WorkArea() const;

    FILE_NAMES names_;
    GameState state_;
    PlayWindows windows_;
    FieldImage fieldImage_;
    PlayDrag drag_;
    TPixelBuffer glassSkin_ = DrawGlassSkin();
    TPixelBuffer starStrip_ = DrawStarStrip();
    Random random_;        // seeded from the clock at start-up; every new game draws from it
    Descriptor pending_;   // the selected jigsaw with the player's choices, until a game starts
    TPixelBuffer storedThumb_;  // the preview of the jigsaw in play
    std::string infoText_;      // the information text of the jigsaw in play
    BackgroundRecord backgroundRecord_ {};  // kept as a saved game brought it
    int resumedSide_ = MW_SIDE0;            // the side a resumed game opens on
    KnobAtlas knobAtlas_;  // empty when the file is missing: every grid knob is then drawn
    TPixelBuffer buttonSheet_;
    TPixelBuffer skinSheet_;
    Settings settings_;  // read at start-up, written at exit
    KeyTracker keys_;
    ProgressPanel progress_;
    std::array<QAction*, kMenuItemCount> actions_ {};
    std::array<QCursor, 2> dragCursors_;  // "DRAGAAA", "DRAGBBB"
    QMenu* menu_ = nullptr;               // PM_Menu
    ToolbarPanel* toolbar_ = nullptr;     // P_Toolbar
    QWidget* field_ = nullptr;            // P_Field
    FieldWidget* fieldWidget_ = nullptr;  // I_Field
    QWidget* progressPanel_ = nullptr;    // P_Progress
    QTimer* autoSaveTimer_ = nullptr;     // T_AutoSave
    SoundPlayer* sounds_ = nullptr;
    QElapsedTimer sinceAutoSave_;
    bool running_ = false;
    bool fullScreen_ = false;
    bool changingFullScreen_ = false;
    bool mouseHeld_ = false;
    int languageListener_ = 0;
};

}  // namespace kirvo
