// The main window's commands: running them, enabling them, the keys and the field's mouse.
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QThread>

#include "commands/CommandEnabling.h"
#include "diagnostics/AboutWindow.h"
#include "session/Autosave.h"
#include "session/MessageBox.h"
#include "shell/MainWindow.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

namespace {

using enum MenuItem;

// The maker's two sites; both are opened, one after the other.
constexpr const char* kMakerAddresses[] = {"https://www.moru-games.example", "https://moru-games.example"};
constexpr const char* kProductPage = "kirvo-pleo3.htm";

int KeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return kKeyF1 + (qtKey - Qt::Key_F1);
    return 0;
}

uint8_t KeyModifiers(Qt::KeyboardModifiers modifiers)
{
    return uint8_t((modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::AltModifier ? kAlt : 0)
                   | (modifiers & Qt::ControlModifier ? kCtrl : 0));
}

}  // namespace

void MainWindow::RunCommand(MenuItem item)
{
    switch (item) {
    case MI_Menu: {
        QLabel* app = toolbar_->Button(BI_App);
        menu_->popup(app->mapToGlobal(QPoint(0, app->height())));
        return;
    }
    case MI_GameWin1:
    case MI_GameWin2:
        ShowSide(windows_, state_, item == MI_GameWin1 ? MW_SIDE0 : MW_SIDE1, Carrying::Nothing);
        break;
    case MI_PocketsPocket1:
    case MI_PocketsPocket2:
    case MI_PocketsPocket3:
    case MI_PocketsPocket4:
        TogglePocket(windows_, state_, MW_POCKET0 + (int(item) - int(MI_PocketsPocket1)));
        break;
    case MI_PocketsTile: TilePockets(windows_, state_); break;
    case MI_PocketsCascade: CascadePockets(windows_, state_); break;
    case MI_FileOpen: OpenWithBrowser("", false); return;
    case MI_FileSave: SaveCommand(false); return;
    case MI_FileSaveAs: SaveCommand(true); return;
    case MI_FileLast0:
    case MI_FileLast1:
    case MI_FileLast2:
    case MI_FileLast3: {
        const int index = int(item) - int(MI_FileLast0);
        if (index < settings_.recentFiles.count)
            OpenWithBrowser(settings_.recentFiles.entries[size_t(index)].fullName, true);
        return;
    }
    case MI_FullScreen: ToggleFullScreen(); return;
    case MI_Min: showMinimized(); return;
    case MI_Exit: close(); return;
    case MI_HelpCont: ShowHelpContents(); return;
    case MI_HelpHomePage: OpenAddresses(""); return;
    case MI_HelpProductHomePage: OpenAddresses(kProductPage); return;
    case MI_FileSaveImage: SaveSolvedImageAs(); return;
    case MI_GameInfo: ShowInfo(); return;
    case MI_HelpCredits: ShowCredits(); return;
    case MI_HelpAbout: {
        auto* about = new AboutWindow(AboutWindow::Role::Dialog, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowModality(Qt::ApplicationModal);
        about->show();
        return;
    }
    default: ShowNotYet(); return;
    }
    RedrawAfterWindowChange();
    RefreshCommands();
    RedrawField();
}

void MainWindow::RedrawAfterWindowChange()
{
    // What is carried must be drawn over the field as it now is.
    if (drag_.state == DragState::Carrying && state_.draggedPiece >= 0)
        PrepareDragImagesAgain(fieldImage_, Carried::Pieces, state_, windows_);
    else
        state_.redrawMode = RedrawMode::WholeField;
}

void MainWindow::ShowNotYet()
{
    state_.busy = true;
    MsgBox(Text("MS_NotYet", "This command comes with a later version of the game."), MessageButtons::Ok, MessageIcon::Information);
    state_.busy = false;
}

void MainWindow::OpenAddresses(const char* page)
{
    for (const char* address : kMakerAddresses)
        QDesktopServices::openUrl(QUrl(QString("%1/%2").arg(address, page)));
}

void MainWindow::ShowHelpContents()
{
    // The help opens at its contents page in whatever viewer the system has for it.
    QFileInfo help(QString::fromStdString(names_.helpFile));
    if (names_.helpFile.empty() || !help.exists()) {
        MsgBox(Text("MS_NoHelp", "The help file could not be found."), MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(help.absoluteFilePath()));
}

void MainWindow::RefreshCommands()
{
    CommandEnabling enabling = EnablingFor({.puzzleLoaded = names_.puzzleLoaded,
                                            .progressShown = progress_.shown,
                                            .singleWin = settings_.PlayKeys.bSingleWin,
                                            .selectionExists = state_.selectionExists,
                                            .solved = state_.solved,
                                            .recentCount = settings_.recentFiles.count});
    for (int i = 0; i < kMenuItemCount; ++i)
        actions_[size_t(i)]->setEnabled(enabling.items[size_t(i)]);
    for (int b = 0; b < kToolbarButtonCount; ++b)
        toolbar_->SetEnabled(b, enabling.buttons[size_t(b)]);

    // Checked looks mirror the windows and the mode the buttons stand for.
    auto check = [this](MenuItem item, int button, bool checked) {
        actions_[size_t(item)]->setChecked(checked);
        toolbar_->SetChecked(button, checked);
    };
    check(MI_GameWin1, BI_Win1, windows_.shownSide == MW_SIDE0);
    check(MI_GameWin2, BI_Win2, windows_.shownSide == MW_SIDE1);
    for (int k = 0; k < 4; ++k) {
        const TMyWin& pocket = windows_.windows[size_t(MW_POCKET0 + k)];
        check(MenuItem(int(MI_PocketsPocket1) + k), BI_Pocket1 + k, pocket.visible);
        toolbar_->SetColumn(BI_Pocket1 + k, PocketButtonImage(pocket));
    }
    check(MI_FullScreen, BI_FullScreen, fullScreen_);
}

void MainWindow::PutRecent(const std::string& fullName)
{
    PutRecentFile(settings_.recentFiles, fullName);
    RefreshRecentItems();
    RefreshCommands();
}

void MainWindow::RefreshRecentItems()
{
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = actions_[size_t(MI_FileLast0) + size_t(i)];
        action->setVisible(i < settings_.recentFiles.count);
        if (i < settings_.recentFiles.count)
            action->setText(QString::fromStdString(RecentFileCaption(settings_.recentFiles, i)));
    }
    actions_[size_t(MI_FileLastSep)]->setVisible(settings_.recentFiles.count > 0);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        KeyDown(keys_, KeyCode(event->key()), progress_.shown);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    int key = KeyCode(event->key());
    if (!KeyUp(keys_, key, progress_.shown))
        return;
    ItemFlags enabled;
    for (int i = 0; i < kMenuItemCount; ++i)
        enabled[size_t(i)] = actions_[size_t(i)]->isEnabled();
    if (key == ' ') {
        if (SpaceSwitchesSides(running_, enabled, settings_.PlayKeys.bSingleWin))
            SwitchSides();
        return;
    }
    if (std::optional<MenuItem> item = FindShortcut({key, KeyModifiers(event->modifiers())}, enabled))
        RunCommand(*item);
}

void MainWindow::SwitchSides()
{
    state_.busy = true;
    const bool carrying = drag_.state == DragState::Carrying && state_.draggedPiece >= 0;
    ShowSide(windows_, state_, windows_.shownSide == MW_SIDE0 ? MW_SIDE1 : MW_SIDE0,
             carrying ? Carrying::Pieces : Carrying::Nothing);
    RedrawAfterWindowChange();
    RefreshCommands();
    RedrawField();
    state_.busy = false;
}

namespace {

int PlayButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return kLeftButton;
    }
}

Qt::CursorShape SizingShape(SizingCursor cursor)
{
    switch (cursor) {
    case SizingCursor::WestEast: return Qt::SizeHorCursor;
    case SizingCursor::NorthSouth: return Qt::SizeVerCursor;
    case SizingCursor::NorthWestSouthEast: return Qt::SizeFDiagCursor;
    case SizingCursor::NorthEastSouthWest: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

uint8_t PlayModifiers(Qt::KeyboardModifiers modifiers)
{
    return uint8_t((modifiers & Qt::ShiftModifier ? kModifierShift : 0) | (modifiers & Qt::AltModifier ? kModifierAlt : 0)
                   | (modifiers & Qt::ControlModifier ? kModifierCtrl : 0));
}

}  // namespace

PlayOptions MainWindow::CurrentPlayOptions() const
{
    return {.keys = settings_.PlayKeys, .snapStrength = settings_.iStuckKoef, .showJoin = settings_.CB_VisualShowJoin};
}

void MainWindow::FieldMouseEvent(FieldMouse kind, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if (progress_.shown || !running_ || !names_.puzzleLoaded)
        return;
    if (kind != FieldMouse::Move)
        mouseHeld_ = kind == FieldMouse::Press;
    state_.busy = true;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, fieldImage_, drag_, options, glassSkin_, {width(), height()}};
    PlayOutcome outcome;
    switch (kind) {
    case FieldMouse::Press: outcome = PlayMouseDown(play, PlayButton(button), PlayModifiers(modifiers), at.x(), at.y()); break;
    case FieldMouse::Move:
        outcome = PlayMouseMove(play, mouseHeld_, at.x(), at.y());
        break;
    case FieldMouse::Release: outcome = PlayMouseUp(play, PlayButton(button), PlayModifiers(modifiers), at.x(), at.y()); break;
    }
    if (kind != FieldMouse::Move)
        RefreshCommands();  // a press or release may join, select or solve
    ApplyPlayOutcome(outcome);
    state_.busy = false;
}

void MainWindow::FieldWheelEvent(int delta, Qt::KeyboardModifiers, QPoint at)
{
    if (progress_.shown || !running_ || !names_.puzzleLoaded || !fieldWidget_->rect().contains(at))
        return;
    state_.busy = true;
    const PlayOptions options = CurrentPlayOptions();
    PlayContext play {state_, windows_, fieldImage_, drag_, options, glassSkin_, {width(), height()}};
    const PlayOutcome outcome = PlayWheel(play, delta, at.x(), at.y());
    RefreshCommands();
    ApplyPlayOutcome(outcome);
    state_.busy = false;
}

void MainWindow::ApplyPlayOutcome(const PlayOutcome& outcome)
{
    switch (outcome.cursor) {
    case PlayCursor::Unchanged: break;
    case PlayCursor::Normal: fieldWidget_->unsetCursor(); break;
    case PlayCursor::HandScroll: fieldWidget_->setCursor(dragCursors_[1]); break;
    case PlayCursor::Sizing: fieldWidget_->setCursor(SizingShape(outcome.sizing)); break;
    }
    if (outcome.mainWindowSize && !fullScreen_)
        resize(outcome.mainWindowSize->width, outcome.mainWindowSize->height);
    RedrawField();
    if (outcome.joined)
        PlaySound("set.wav");
    if (outcome.animating) {
        do {
            RedrawField();
            QThread::msleep(kJoinStepMilliseconds);
        } while (NextJoinStep(fieldImage_, state_, windows_));
        RedrawField();
    }
    if (outcome.solved)
        Finish();
}

void MainWindow::AutoSaveTick()
{
    AutosaveSituation situation {.puzzleLoaded = names_.puzzleLoaded,
                                 .enabled = settings_.AutoSave_bEnabled,
                                 .pending = state_.autosavePending,
                                 .busy = state_.busy,
                                 .dragging = mouseHeld_,
                                 .saveInProgress = QFileInfo::exists(QString::fromStdString(names_.saveTempFile)),
                                 .minutesSinceLast = sinceAutoSave_.elapsed() / 60000.0,
                                 .intervalMinutes = settings_.AutoSave_iIntervalMin};
    if (!AutosaveDue(situation))
        return;
    sinceAutoSave_.restart();
    SaveGameTo(names_.autosaveFile, SaveKind::Autosave);
}

void MainWindow::RedrawField()
{
    TBox changed = Redraw(fieldImage_, state_, windows_, starStrip_);
    if (changed.width > 0 && changed.height > 0)
        fieldWidget_->repaint(changed.left, changed.top, changed.width, changed.height);
}

void MainWindow::ShowProgressPanel(const std::string& caption, int steps)
{
    ShowProgress(progress_, steps, caption);
    state_.loading = true;
    progressPanel_->move((field_->width() - progressPanel_->width()) / 2, (field_->height() - progressPanel_->height()) / 2);
    progressPanel_->show();
    progressPanel_->raise();
    RefreshCommands();
    progressPanel_->repaint();
}

void MainWindow::StepProgressPanel()
{
    StepProgress(progress_);
    progressPanel_->repaint();
    // Paint and timer events go on while the puzzle is built; the player's input waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::HideProgressPanel()
{
    HideProgress(progress_);
    state_.loading = false;
    progressPanel_->hide();
    RefreshCommands();
}

}  // namespace kirvo
