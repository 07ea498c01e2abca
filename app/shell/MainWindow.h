// TF_Main: the game's one top-level window: the skinned toolbar across the top and the field below.
//
// The window turns Qt's events into calls on the game session and the session's outcomes into
// repaints, sounds and dialogs; the game itself lives in the session. Creating the window works
// out every folder and copies what came with the program (FolderSetup), loads the knob atlas and
// the toolbar art and builds the popup menu PM_Menu from the command table; closing it asks
// whether to save the changes. There is no menu bar: every command runs from the popup menu, a
// toolbar button or its plain-key shortcut, all through RunCommand.
#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

#include "commands/Commands.h"
#include "session/ColourPalette.h"
#include "session/GameSession.h"
#include "settings/Translation.h"
#include "shell/FieldWidget.h"
#include "shell/MessageBoxPresenter.h"
#include "shell/QtLanguage.h"

class QAction;
class QMenu;
class QTimer;

namespace kirvo {

class JigsawBrowserDialog;
class OptionsDialog;
class DownloadDialog;
class HelpViewer;
class QuickHelpWindow;
class SoundPlayer;
class ToolbarPanel;

class MainWindow : public QWidget, private SessionHost {
    Q_OBJECT

public:
    // Messages and questions go to `messages`: a recorder in tests; without one, message boxes
    // in the game's language.
    explicit MainWindow(MessageSink messages = {});
    ~MainWindow() override;

    const FILE_NAMES& FileNames() const { return session_->Names(); }
    // Field input is taken only while running: from start-up until the window goes away.
    void SetRunning(bool running) { running_ = running; }

    // For a quit signal: saves a changed game without asking — to its saved game, or to the
    // autosave file when it has none — writes the settings and closes.
    void QuitWithoutAsking();
    // Reads the settings file and applies the language and the saved window state.
    void LoadSettings();
    void RunCommand(MenuItem item);
    // Puts the file at the head of the recent list and refreshes its menu items.
    void PutRecent(const std::string& fullName);
    // Asks to save the changes, lets the player choose a jigsaw (name preselected when given) and
    // starts it. With direct set, a saved game is opened without asking.
    void OpenWithBrowser(const std::string& name, bool direct);
    // Starts the jigsaw file or resumes the saved game. On failure the player is told why and the
    // puzzle in play, if any, stays as it was.
    bool OpenFile(const std::string& name);
    // A second passed: counted while the player is at the game: the window not minimised, no dialog
    // open, and input within the last two minutes.
    void ClockTick();
    void ShowClock();
    // The finish dialog's line of the time the puzzle took, the best time recorded.
    QString FinishTimeText();
    // The help viewer's buttons in the current language.
    void TranslateHelpViewer();
    // The download dialog; what it installed shows in the browser from now on.
    void ShowDownloads();
    // After the Download command: offers to open the first jigsaw the dialog installed.
    void OfferFirstJigsaw();
    // The quick help beside the main window's right edge, when the player asked for it at start.
    void ShowQuickHelpAtStart();
    // The start-up offer: the browser on the most recent file.
    void OpenMostRecent();
    // The file the game was started with: a saved game resumed, a jigsaw in the browser (copied
    // among the player's jigsaws first when it lies elsewhere); see CommandLineFile.
    void OpenCommandLineFile(const std::string& path);
    void ShowProgressPanel(const std::string& caption, int steps) { session_->ShowProgress(caption, steps); }
    void HideProgressPanel() { session_->HideProgress(); }
    bool IsFullScreen() const { return fullScreen_; }

    // For tests: what the window shows.
    const PlayWindows& Windows() const { return session_->Windows(); }
    const GameState& State() const { return session_->State(); }
    const FieldImage& Field() const { return session_->Field(); }
    QAction* Action(MenuItem item) const { return actions_[size_t(item)]; }
    ToolbarPanel* Toolbar() const { return toolbar_; }
    QMenu* Menu() const { return menu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // SessionHost
    std::optional<std::string> ChooseSaveName() override;
    void ProgressChanged() override;

    void SaveSettings();
    void LoadProgramArt();
    void BuildMenu();
    void ApplyCaptions();
    // The menu caption and the hint of the item's toolbar button, with its shortcut.
    void SetItemCaption(MenuItem item, const std::string& caption);
    // Select All and the background of the current window name the window in view.
    void ApplyCurrentWindowCaptions();
    // The Weight item and button show whether a weight is placed; the caption names what the
    // command will do.
    void ApplyWeightDisplay();
    // Every window's caption image follows its text (a pocket's group count changes it).
    void RenderCaptions();
    // The translated text, or the English one while the language has none.
    std::string Text(const char* key, const char* english) const;
    void Tell(const std::string& text, MessageIcon icon) const;

    // MainWindowCommands.cpp
    void RefreshCommands();
    void RefreshRecentItems();
    void ShowNotYet();
    void ShowOptions();
    // The background command for every window or the current one: the colour picker shows each
    // value on the windows at once.
    void ChooseBackground(BackgroundTarget target);
    void OpenAddresses(const char* page);
    // Shows the topic of the current language's help ("save.htm"); silent when there is no help.
    void ShowHelpTopic(const QString& topic);
    // Writes the system report to the documents folder and opens it in the desktop's viewer.
    void CreateReport();
    void ShowQuickHelp();

    // MainWindowInput.cpp
    void FieldMouseEvent(FieldMouse kind, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void FieldWheelEvent(int delta, Qt::KeyboardModifiers modifiers, QPoint at);
    void AutoSaveTick();

    // MainWindowOpen.cpp
    std::optional<std::string> ChooseJigsaw(const std::string& preselected);
    WindowSize FitArea() const;

    // MainWindowFinish.cpp
    void ApplyOutcome(const SessionOutcome& outcome);
    void RedrawField();
    void JoinAnimationTick();
    void FindHighlightTick();
    void Finish();
    void SaveSolvedImageAs();
    void ShowInfo();
    void ShowCredits();

    // MainWindowScreen.cpp
    void SizeField();
    void ToggleFullScreen();
    void ResizeWithField();
    void DisplayChanged();
    // On a screen of another pixel ratio the field is composed afresh in its pixels.
    void ScreenChanged();
    QRect WorkArea() const;

    MessageSink messages_;
    Translator translator_;
    QtLanguage qtLanguage_;
    std::unique_ptr<GameSession> session_;
    TPixelBuffer buttonSheet_;
    TPixelBuffer skinSheet_;
    std::array<TPixelBuffer, kTextureCount> textureThumbnails_;  // of the background textures
    std::array<QAction*, kMenuItemCount> actions_ {};
    std::array<QCursor, 2> dragCursors_;  // "DRAGAAA", "DRAGBBB"
    QMenu* menu_ = nullptr;               // PM_Menu
    MenuCaptionKeys shownWindowKeys_;     // the window the current-window captions name now
    std::optional<bool> shownWeight_;     // whether the Weight item now shows a placed weight
    ToolbarPanel* toolbar_ = nullptr;     // P_Toolbar
    QWidget* field_ = nullptr;            // P_Field
    FieldWidget* fieldWidget_ = nullptr;  // I_Field
    QWidget* progressPanel_ = nullptr;    // P_Progress
    QTimer* autoSaveTimer_ = nullptr;     // T_AutoSave
    QTimer* joinTimer_ = nullptr;         // steps the join animation
    QTimer* clockTimer_ = nullptr;        // counts the seconds played
    QTimer* findTimer_ = nullptr;         // blinks the find highlight
    SoundPlayer* sounds_ = nullptr;
    JigsawBrowserDialog* browserDialog_ = nullptr;  // TF_DirView
    OptionsDialog* optionsDialog_ = nullptr;        // TF_Options
    DownloadDialog* downloadDialog_ = nullptr;      // TF_Download
    HelpViewer* helpViewer_ = nullptr;              // made on the first help request
    QuickHelpWindow* quickHelp_ = nullptr;          // TF_Help
    QElapsedTimer sinceAutoSave_;
    QElapsedTimer sinceInput_;  // the clock stops when the player has done nothing for two minutes
    bool clockShown_ = false;
    bool running_ = false;
    bool fullScreen_ = false;
    bool changingFullScreen_ = false;
    double fieldRatio_ = 1;  // the screen pixels a point the field was sized for
    bool quitting_ = false;  // closing for a quit signal: nothing is asked
    int languageListener_ = 0;
};

}  // namespace kirvo
