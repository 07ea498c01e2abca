#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

#include "base/Folders.h"
#include "commands/Toolbar.h"
#include "diagnostics/DialogText.h"
#include "playfield/CaptionPainter.h"
#include "raster/PixelImage.h"
#include "session/ChangeLook.h"
#include "session/FolderSetup.h"
#include "session/MessageBox.h"
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

MainWindow::MainWindow()
    : random_(uint32_t(QDateTime::currentMSecsSinceEpoch()))
{
    SetUpFolders(names_, QCoreApplication::applicationDirPath().toStdString(), PlatformUserFolders());
    LoadKnobAtlasFile();
    LoadToolbarArt();

    setObjectName("TF_Main");
    setWindowTitle(kApplicationTitle);
    setMinimumSize(500, 500);
    setFocusPolicy(Qt::StrongFocus);

    toolbar_ = new ToolbarPanel(this, buttonSheet_, skinSheet_);
    connect(toolbar_, &ToolbarPanel::Clicked, this, &MainWindow::RunCommand);
    field_ = new QWidget(this);
    field_->setObjectName("P_Field");
    fieldWidget_ = new FieldWidget(field_);
    fieldWidget_->SetImage(&fieldImage_.image);
    connect(fieldWidget_, &FieldWidget::MouseEvent, this, &MainWindow::FieldMouseEvent);
    connect(fieldWidget_, &FieldWidget::WheelEvent, this, &MainWindow::FieldWheelEvent);
    progressPanel_ = new ProgressWidget(field_, skinSheet_, progress_);
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
    InitialisePlayWindows(windows_, state_, "", "");  // captions come with the language, ApplyCaptions

    BuildMenu();
    ApplyCaptions();
    languageListener_ = AddLanguageListener([this] { ApplyCaptions(); });
    toolbar_->Layout(width(), fullScreen_);
    RefreshRecentItems();
    RefreshCommands();

    sounds_ = new SoundPlayer(names_.programFolder, this);
    autoSaveTimer_ = new QTimer(this);
    autoSaveTimer_->setObjectName("T_AutoSave");
    autoSaveTimer_->setInterval(kAutoSaveTickMilliseconds);
    connect(autoSaveTimer_, &QTimer::timeout, this, &MainWindow::AutoSaveTick);
    sinceAutoSave_.start();

    state_.redrawMode = RedrawMode::WholeField;
    RedrawField();
}

MainWindow::~MainWindow()
{
    running_ = false;
    RemoveLanguageListener(languageListener_);
    CleanUpFiles(names_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    state_.busy = true;
    if (AskSaveChanges(state_.changed, names_, *this) == Proceed::Stop) {
        state_.busy = false;
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}

std::optional<std::string> MainWindow::ChooseSaveName()
{
    // Until the jigsaw browser exists, the plain file chooser stands in for it, in the saved games.
    (void)EnsureFolder(names_.savedGamesFolder);  // the save itself tells why it cannot write there
    QFileDialog dialog(this, DialogText(LangSection::LoadSave, "Cap_Save", "Save Game"),
                       QString::fromStdString(names_.savedGamesFolder),
                       "*" + QString::fromStdString(names_.savedGameExtension));
    dialog.setObjectName("SaveGameDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(names_.savedGameExtension).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void MainWindow::LoadKnobAtlasFile()
{
    if (Result<KnobAtlas> atlas = LoadKnobAtlas(ReadFile(names_.programFolder + "knob-atlas.png")))
        knobAtlas_ = std::move(atlas.value());
}

void MainWindow::LoadToolbarArt()
{
    // Missing art leaves the toolbar blank but working: the hints and clicks stay.
    (void)PixLoadPng(buttonSheet_, ReadFile(names_.programFolder + "toolbar-buttons.png"));
    (void)PixLoadPng(skinSheet_, ReadFile(names_.programFolder + "toolbar-skin.png"));
    dragCursors_ = {LoadCursor(names_.programFolder + "cursor-dragaaa.png"),
                    LoadCursor(names_.programFolder + "cursor-dragbbb.png")};
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
    for (MenuItem item : {MenuItem::MI_GameWin1, MenuItem::MI_GameWin2, MenuItem::MI_PocketsPocket1,
                          MenuItem::MI_PocketsPocket2, MenuItem::MI_PocketsPocket3, MenuItem::MI_PocketsPocket4,
                          MenuItem::MI_FullScreen})
        actions_[size_t(item)]->setCheckable(true);
}

std::string MainWindow::Text(const char* key, const char* english)
{
    std::string text = LangTextBr(LangSection::MainForm, key);
    return text == key ? english : text;
}

void MainWindow::ApplyCaptions()
{
    for (const MenuEntry& entry : MenuTable()) {
        if (entry.item == MenuItem::Separator || entry.item == MenuItem::MI_FileLastSep
            || (entry.item >= MenuItem::MI_FileLast0 && entry.item <= MenuItem::MI_FileLast3))
            continue;
        // The keys are shown beside the caption only: the window handles them itself.
        QString caption = QString::fromStdString(Text(entry.name, entry.caption));
        if (std::string keys = ShortcutText(entry.shortcut); !keys.empty())
            caption += "\t" + QString::fromStdString(keys);
        actions_[size_t(entry.item)]->setText(caption);
    }
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const MenuEntry& entry = MenuEntryOf(ToolbarButtons()[size_t(i)].item);
        std::string hint = ToolbarHint(Text(entry.name, entry.caption), ShortcutText(entry.shortcut));
        toolbar_->SetHint(i, QString::fromStdString(hint));
    }
    SetPocketCaptionFormat(windows_, LangText(LangSection::Pocket, "PocketCaption"));
    SetCaption(windows_.windows[MW_THUMB], LangText(LangSection::Thumbnail, "FormCaption"));
    CaptionPainter painter;
    for (TMyWin& window : windows_.windows)
        RenderCaption(window, painter);
    state_.redrawMode = RedrawMode::WholeField;
}

void MainWindow::LoadSettings()
{
    Result<Settings> loaded = SettingsLoad(names_);
    if (!loaded)
        MsgBox(loaded.error(), MessageButtons::Ok, MessageIcon::Warning);
    settings_ = loaded ? loaded.value() : Settings();
    if (Result<> language = ApplyStartupLanguage(names_, settings_.sCurLang); !language)
        MsgBox(language.error(), MessageButtons::Ok, MessageIcon::Warning);
    ApplyPieceLook();
    RefreshRecentItems();
    RefreshCommands();
    if (settings_.FullScreen != fullScreen_)
        ToggleFullScreen();
}

void MainWindow::ApplyPieceLook()
{
    const PieceLook look {.embossStyle = settings_.EmbossStyle, .woodStyle = settings_.WoodStyle,
                          .woodColor = settings_.WoodColor, .edgeWidth = state_.look.edgeWidth};
    if (!names_.puzzleLoaded) {
        state_.look = look;
        return;
    }
    ShowProgressPanel(Text("Prog_ChangeEmboss", "Changing the look of the pieces..."),
                      ChangeLookStepCount(state_.look, look, state_.descriptor.Rotate == 1));
    ChangeLook(state_, look, [this] { StepProgressPanel(); });
    HideProgressPanel();
    state_.redrawMode = RedrawMode::WholeField;
    RedrawField();
}

void MainWindow::SaveSettings()
{
    settings_.FullScreen = fullScreen_;
    if (Result<> saved = SettingsSave(settings_, names_); !saved)
        MsgBox(Text("MS_CantSaveSettings", "Your settings could not be saved.") + "$D" + saved.error(),
               MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace kirvo
