#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/Folders.h"
#include "browser/JigsawBrowserDialog.h"
#include "commands/Toolbar.h"
#include "diagnostics/DialogText.h"
#include "download/DownloadDialog.h"
#include "options/ColourPickerDialog.h"
#include "options/OptionsDialog.h"
#include "options/TextureThumbnails.h"
#include "playfield/CaptionPainter.h"
#include "raster/PixelImage.h"
#include "session/DownloadSite.h"
#include "session/FolderSetup.h"
#include "session/ProgramFolder.h"
#include "settings/BestTimes.h"
#include "settings/Translation.h"
#include "shell/PlatformFolders.h"
#include "shell/ProgressWidget.h"
#include "shell/SoundPlayer.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

namespace {

constexpr int kAutoSaveTickMilliseconds = 5000;

// Missing program data reads as no bytes; the decoders then refuse it.
std::vector<uint8_t> ReadFile(const std::string& path)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    return bytes ? std::move(bytes.value()) : std::vector<uint8_t>{};
}

// A cursor drawn with magenta as the transparent colour, its hot spot in the middle.
QCursor LoadCursor(const std::string& path)
{
    QPixmap picture(QString::fromStdString(path));
    if (picture.isNull())
        return QCursor(Qt::OpenHandCursor);
    picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

}  // namespace

MainWindow::MainWindow(MessageSink messages)
    : messages_(messages ? std::move(messages)
                         : MessageSink([this](const MessageRequest& request) { return PresentMessageBox(request, translator_); }))
{
    FILE_NAMES names;
    SetUpFolders(names, FindProgramFolder(QCoreApplication::applicationDirPath().toStdString(), KIRVO_INSTALLED_DATA),
                 PlatformUserFolders());
    session_ = std::make_unique<GameSession>(std::move(names), translator_, messages_, static_cast<SessionHost&>(*this),
                                             uint32_t(QDateTime::currentMSecsSinceEpoch()));
    LoadProgramArt();

    setObjectName("TF_Main");
    setWindowTitle(kApplicationTitle);
    // Small enough for any screen, large enough that the field shows a new pocket, the thumbnail
    // window and pieces, and the progress panel whole, and that the toolbar keeps its application
    // and overflow buttons.
    const WindowSize field = SmallestField();
    setMinimumSize(std::max({field.width, kProgressPanelWidth, SmallestToolbarWidth()}), field.height + kToolbarHeight);
    setFocusPolicy(Qt::StrongFocus);

    toolbar_ = new ToolbarPanel(this, buttonSheet_, skinSheet_);
    connect(toolbar_, &ToolbarPanel::Clicked, this, &MainWindow::RunCommand);
    field_ = new QWidget(this);
    field_->setObjectName("P_Field");
    fieldWidget_ = new FieldWidget(field_);
    fieldWidget_->SetImage(&session_->Field().image);
    connect(fieldWidget_, &FieldWidget::MouseEvent, this, &MainWindow::FieldMouseEvent);
    connect(fieldWidget_, &FieldWidget::WheelEvent, this, &MainWindow::FieldWheelEvent);
    progressPanel_ = new ProgressWidget(field_, skinSheet_, session_->Progress());
    progressPanel_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(field_, 1);

    setGeometry(WorkArea());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::geometryChanged, this, &MainWindow::DisplayChanged);
        connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::DisplayChanged);
    }
    SizeField();
    session_->InitialiseWindows();

    BuildMenu();
    ApplyCaptions();
    browserDialog_ = new JigsawBrowserDialog(session_->Browser(), translator_, messages_, session_->Names().programFolder,
                                             session_->Names().thumbnailFolder, this);
    connect(browserDialog_, &JigsawBrowserDialog::HelpRequested, this, &MainWindow::ShowHelpTopic);
    downloadDialog_ =
        new DownloadDialog(session_->CurrentSettings(), translator_, messages_, DownloadSiteFromEnvironment(), this);
    connect(downloadDialog_, &DownloadDialog::HelpRequested, this, &MainWindow::ShowHelpTopic);
    connect(browserDialog_, &JigsawBrowserDialog::DownloadRequested, this, &MainWindow::ShowDownloads);
    textureThumbnails_ = LoadTextureThumbnails(session_->Names().backgroundPicturesFolder);
    optionsDialog_ = new OptionsDialog(translator_, messages_, session_->Names().programFolder,
                                       session_->Names().languageFolder,
                                       [this](const QString& caption, uint32_t current, std::vector<uint32_t> presets,
                                              std::function<void(uint32_t)> preview) {
                                           return PickColour({.caption = caption,
                                                              .selected = current,
                                                              .presets = std::move(presets),
                                                              .preview = std::move(preview)},
                                                             translator_, textureThumbnails_, this);
                                       },
                                       this);
    connect(optionsDialog_, &OptionsDialog::HelpRequested, this, &MainWindow::ShowHelpTopic);
    connect(optionsDialog_, &OptionsDialog::SoundChanged, this,
            [this](bool on) { session_->CurrentSettings().CB_SoundPlay = on; });
    connect(optionsDialog_, &OptionsDialog::ShowJoinChanged, this,
            [this](bool on) { session_->CurrentSettings().CB_VisualShowJoin = on; });
    languageListener_ = translator_.AddListener([this] {
        qtLanguage_.Follow(translator_);
        ApplyCaptions();
        browserDialog_->Retranslate();
        optionsDialog_->Retranslate();
        downloadDialog_->Retranslate();
        TranslateHelpViewer();
    });
    toolbar_->Layout(width(), fullScreen_);
    RefreshRecentItems();
    RefreshCommands();

    sounds_ = new SoundPlayer(session_->Names().programFolder, this);
    autoSaveTimer_ = new QTimer(this);
    autoSaveTimer_->setObjectName("T_AutoSave");
    autoSaveTimer_->setInterval(kAutoSaveTickMilliseconds);
    connect(autoSaveTimer_, &QTimer::timeout, this, &MainWindow::AutoSaveTick);
    sinceAutoSave_.start();
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("T_Clock");
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::ClockTick);
    clockTimer_->start();
    sinceInput_.start();
    joinTimer_ = new QTimer(this);
    joinTimer_->setObjectName("T_JoinStar");
    joinTimer_->setInterval(kJoinStepMilliseconds);
    connect(joinTimer_, &QTimer::timeout, this, &MainWindow::JoinAnimationTick);
    findTimer_ = new QTimer(this);
    findTimer_->setObjectName("T_FindHighlight");
    findTimer_->setInterval(kFindStepMilliseconds);
    connect(findTimer_, &QTimer::timeout, this, &MainWindow::FindHighlightTick);

    RedrawField();
}

MainWindow::~MainWindow()
{
    running_ = false;
    translator_.RemoveListener(languageListener_);
    CleanUpFiles(session_->Names());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (quitting_) {
        event->accept();
        return;
    }
    session_->SetBusy(true);
    if (session_->AskToPutAway() == Proceed::Stop) {
        session_->SetBusy(false);
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}

void MainWindow::QuitWithoutAsking()
{
    // A long operation still running finishes first; its own event processing brings us here.
    if (session_->Progress().shown) {
        QTimer::singleShot(100, this, &MainWindow::QuitWithoutAsking);
        return;
    }
    quitting_ = true;
    joinTimer_->stop();
    findTimer_->stop();
    autoSaveTimer_->stop();
    // Nobody is there to read a message: what fails is said on the standard error.
    if (Result<> saved = session_->SaveWithoutAsking(); !saved)
        std::fprintf(stderr, "%s: the game could not be saved: %s\n", kApplicationTitle, saved.error().c_str());
    if (Result<> settings = session_->SaveSettings(fullScreen_); !settings)
        std::fprintf(stderr, "%s: %s\n", kApplicationTitle, settings.error().c_str());
    close();
}

std::optional<std::string> MainWindow::ChooseSaveName()
{
    const FILE_NAMES& names = session_->Names();
    (void)EnsureFolder(names.savedGamesFolder);  // the save itself tells why it cannot write there
    return browserDialog_->Choose(BrowserMode::Save, names.sSolve, FitArea());
}

void MainWindow::LoadProgramArt()
{
    const std::string& folder = session_->Names().programFolder;
    if (Result<KnobAtlas> atlas = LoadKnobAtlas(ReadFile(folder + "knob-atlas.png")))
        session_->SetKnobAtlas(std::move(atlas.value()));
    // Missing art leaves the toolbar blank but working: the hints and clicks stay.
    (void)PixLoadPng(buttonSheet_, ReadFile(folder + "toolbar-buttons.png"));
    (void)PixLoadPng(skinSheet_, ReadFile(folder + "toolbar-skin.png"));
    dragCursors_ = {LoadCursor(folder + "cursor-dragaaa.png"), LoadCursor(folder + "cursor-dragbbb.png")};
}

void MainWindow::BuildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName("PM_Menu");
    std::array<QMenu*, kMenuItemCount> subMenus {};
    subMenus[size_t(MenuItem::MI_Menu)] = menu_;
    for (const MenuEntry& entry : MenuTable()) {
        QMenu* parent = subMenus[size_t(entry.parent)];
        if (entry.item == MenuItem::Separator) {
            parent->addSeparator();
            continue;
        }
        if (entry.item == MenuItem::MI_Menu) {
            actions_[size_t(entry.item)] = new QAction(this);
            continue;
        }
        QAction* action = nullptr;
        if (entry.item == MenuItem::MI_File || entry.item == MenuItem::MI_Game || entry.item == MenuItem::MI_Pockets
            || entry.item == MenuItem::MI_Help) {
            QMenu* sub = parent->addMenu(entry.caption);
            sub->setObjectName(entry.name);
            subMenus[size_t(entry.item)] = sub;
            action = sub->menuAction();
        } else if (entry.item == MenuItem::MI_FileLastSep) {
            action = parent->addSeparator();
        } else {
            action = parent->addAction(entry.caption);
            MenuItem item = entry.item;
            connect(action, &QAction::triggered, this, [this, item] { RunCommand(item); });
        }
        action->setObjectName(entry.name);
        actions_[size_t(entry.item)] = action;
    }
    for (MenuItem item : {MenuItem::MI_GameWin1, MenuItem::MI_GameWin2, MenuItem::MI_GameThumb,
                          MenuItem::MI_PocketsPocket1, MenuItem::MI_PocketsPocket2, MenuItem::MI_PocketsPocket3,
                          MenuItem::MI_PocketsPocket4, MenuItem::MI_GameGlass, MenuItem::MI_FullScreen,
                          MenuItem::MI_GameWeight, MenuItem::MI_GameClock})
        actions_[size_t(item)]->setCheckable(true);
}

void MainWindow::ClockTick()
{
    constexpr qint64 kIdleMilliseconds = 2 * 60 * 1000;
    const bool atTheGame = !isMinimized() && !QApplication::activeModalWidget() && sinceInput_.elapsed() < kIdleMilliseconds;
    if (running_ && atTheGame)
        session_->ClockTick();
    ShowClock();
}

void MainWindow::ShowClock()
{
    const bool shown = clockShown_ && session_->Names().puzzleLoaded;
    toolbar_->ShowClock(shown ? QString::fromStdString(PlayTimeText(session_->PlayedSeconds())) : QString());
    actions_[size_t(MenuItem::MI_GameClock)]->setChecked(clockShown_);
}

std::string MainWindow::Text(const char* key, const char* english) const
{
    return translator_.TextOr(LangSection::MainForm, key, english);
}

void MainWindow::Tell(const std::string& text, MessageIcon icon) const
{
    kirvo::Tell(messages_, text, MessageButtons::Ok, icon);
}

void MainWindow::ApplyCaptions()
{
    for (const MenuEntry& entry : MenuTable()) {
        if (entry.item == MenuItem::Separator || entry.item == MenuItem::MI_FileLastSep
            || (entry.item >= MenuItem::MI_FileLast0 && entry.item <= MenuItem::MI_FileLast3))
            continue;
        SetItemCaption(entry.item, Text(entry.name, entry.caption));
    }
    shownWindowKeys_ = {};
    ApplyCurrentWindowCaptions();
    shownWeight_.reset();
    ApplyWeightDisplay();
    session_->ApplyCaptions();
    RenderCaptions();
}

void MainWindow::RenderCaptions()
{
    CaptionPainter painter(fieldWidget_->Scale().Ratio());
    for (TMyWin& window : session_->Windows().windows)
        RenderCaption(window, painter);
}

void MainWindow::SetItemCaption(MenuItem item, const std::string& caption)
{
    const MenuEntry& entry = MenuEntryOf(item);
    const std::string keys = ShortcutText(entry.shortcut);
    // The keys are shown beside the caption only: the window handles them itself.
    QString text = QString::fromStdString(caption);
    if (!keys.empty())
        text += "\t" + QString::fromStdString(keys);
    actions_[size_t(item)]->setText(text);
    for (int i = 0; i < kToolbarButtonCount; ++i)
        if (ToolbarButtons()[size_t(i)].item == item) {
            toolbar_->SetHint(i, QString::fromStdString(ToolbarHint(caption, keys)));
            toolbar_->SetCaption(i, text);
        }
}

void MainWindow::ApplyCurrentWindowCaptions()
{
    const MenuCaptionKeys keys = CurrentWindowMenuKeys(session_->Windows());
    if (keys == shownWindowKeys_)
        return;
    shownWindowKeys_ = keys;
    for (auto [item, caption] : {std::pair {MenuItem::MI_GameBkgCur, &keys.backgroundForCurrent},
                                 std::pair {MenuItem::MI_GameSelectAll, &keys.selectAll}})
        SetItemCaption(item, translator_.TextOr(LangSection::MainForm, caption->key, caption->english));
}

void MainWindow::ApplyWeightDisplay()
{
    const bool placed = session_->Names().puzzleLoaded && session_->State().weightedPiece >= 0;
    if (shownWeight_ == placed)
        return;
    shownWeight_ = placed;
    actions_[size_t(MenuItem::MI_GameWeight)]->setChecked(placed);
    toolbar_->SetColumn(BI_Weight, placed ? kWeightOnColumn : kWeightOffColumn);
    SetItemCaption(MenuItem::MI_GameWeight,
                   placed ? Text("MI_GameWeightOn", "Lift Weight") : Text("MI_GameWeightOff", "Put Weight"));
}

void MainWindow::LoadSettings()
{
    session_->LoadSettings();
    RedrawField();
    RefreshRecentItems();
    RefreshCommands();
    if (session_->CurrentSettings().FullScreen != fullScreen_)
        ToggleFullScreen();
}

void MainWindow::SaveSettings()
{
    if (Result<> saved = session_->SaveSettings(fullScreen_); !saved)
        Tell(Text("MS_CantSaveSettings", "Your settings could not be saved.") + "$D" + translator_.Detail(saved.error()),
             MessageIcon::Warning);
}

}  // namespace kirvo
