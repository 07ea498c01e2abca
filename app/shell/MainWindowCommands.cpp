// The main window's commands: running them and showing which ones the player may use.
#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QDesktopServices>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include "base/Folders.h"
#include "base/Version.h"
#include "diagnostics/AboutWindow.h"
#include "diagnostics/DialogText.h"
#include "download/DownloadDialog.h"
#include "help/HelpViewer.h"
#include "help/PlatformFacts.h"
#include "help/QuickHelpWindow.h"
#include "options/ColourPickerDialog.h"
#include "options/OptionsDialog.h"
#include "session/SystemReport.h"
#include "settings/HelpTopics.h"
#include "shell/MainWindow.h"
#include "shell/ToolbarPanel.h"

namespace kirvo {

namespace {

using enum MenuItem;

// The maker's two sites; both are opened, one after the other.
constexpr const char* kMakerAddresses[] = {kMakerHomePage, "https://moru-games.example"};
constexpr const char* kProductPage = "kirvo-pleo3.htm";

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
    case MI_GameThumb:
    case MI_PocketsPocket1:
    case MI_PocketsPocket2:
    case MI_PocketsPocket3:
    case MI_PocketsPocket4:
    case MI_PocketsTile:
    case MI_PocketsCascade:
    case MI_GameSelectAll:
    case MI_GameArrange:
    case MI_GameGather:
    case MI_GameEdges:
    case MI_GameSelectEdges:
    case MI_GameGlass:
        session_->RunPlayCommand(item);
        RefreshCommands();
        RedrawField();
        return;
    case MI_GameWeight: {
        // The weight is picked up where the mouse is, or out of sight when it is off the field.
        const QPoint point = fieldWidget_->mapFromGlobal(QCursor::pos());
        const bool offField = point.x() < 0 || point.y() < 0;
        const QPoint at = fieldWidget_->Scale().PixelAt(point);
        session_->Weight(offField ? -100 : at.x(), offField ? -100 : at.y());
        RefreshCommands();
        RedrawField();
        return;
    }
    case MI_GameUndo:
    case MI_GameRedo:
        if (item == MI_GameUndo ? session_->Undo() : session_->Redo()) {
            RefreshCommands();
            RedrawField();
        }
        return;
    case MI_GameFind:
        if (session_->Find())
            findTimer_->start();
        RefreshCommands();
        RedrawField();
        return;
    case MI_GameBkgAll: ChooseBackground(BackgroundTarget::AllWindows); return;
    case MI_GameBkgCur: ChooseBackground(BackgroundTarget::CurrentWindow); return;
    case MI_FileOpen: OpenWithBrowser("", false); return;
    case MI_FileSave:
    case MI_FileSaveAs:
        session_->SaveCommand(item == MI_FileSaveAs);
        RefreshRecentItems();
        RefreshCommands();
        RedrawField();
        return;
    case MI_FileLast0:
    case MI_FileLast1:
    case MI_FileLast2:
    case MI_FileLast3:
        if (std::string file = session_->RecentFileAt(int(item) - int(MI_FileLast0)); !file.empty())
            OpenWithBrowser(file, true);
        return;
    case MI_FullScreen: ToggleFullScreen(); return;
    case MI_Min: showMinimized(); return;
    case MI_Exit: close(); return;
    case MI_HelpCont: ShowHelpTopic(QString::fromUtf8(kHelpContents)); return;
    case MI_HelpHomePage: OpenAddresses(""); return;
    case MI_HelpProductHomePage: OpenAddresses(kProductPage); return;
    case MI_Options: ShowOptions(); return;
    case MI_GameClock:
        clockShown_ = !clockShown_;
        ShowClock();
        RefreshCommands();
        return;
    case MI_FileDownload:
        ShowDownloads();
        OfferFirstJigsaw();
        return;
    case MI_FileSaveImage: SaveSolvedImageAs(); return;
    case MI_GameInfo: ShowInfo(); return;
    case MI_HelpCredits: ShowCredits(); return;
    case MI_HelpReport: CreateReport(); return;
    case MI_HelpQuick: ShowQuickHelp(); return;
    case MI_HelpAbout: {
        auto* about = new AboutWindow(AboutWindow::Role::Dialog, this);
        about->setWindowTitle(DialogText(translator_, LangSection::About, "FormCaption", "About"));
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowModality(Qt::ApplicationModal);
        about->show();
        return;
    }
    default: ShowNotYet(); return;
    }
}

void MainWindow::ShowNotYet()
{
    session_->SetBusy(true);
    Tell(Text("MS_NotYet", "This command comes with a later version of the game."), MessageIcon::Information);
    session_->SetBusy(false);
}

void MainWindow::ShowDownloads()
{
    session_->SetBusy(true);
    downloadDialog_->Run(session_->Names());
    // A jigsaw that came in place of one of the same name shows its own thumbnail.
    for (const std::string& file : downloadDialog_->Installed())
        session_->Browser().Thumbnails().Forget(file);
    session_->SetBusy(false);
}

void MainWindow::OfferFirstJigsaw()
{
    const std::string first = downloadDialog_->FirstNewJigsaw();
    if (first.empty() || !FileExists(first))
        return;
    const std::string question = translator_.TextOr(
        LangSection::Download, "Q_OpenFirstJigsaw",
        "New jigsaws have been downloaded.$DDo you want to open the first one now?");
    if (kirvo::Tell(messages_, question, MessageButtons::YesNo, MessageIcon::Question)
        == MessageAnswer::Yes)
        OpenWithBrowser(first, false);
}

void MainWindow::ShowOptions()
{
    const Settings& settings = session_->CurrentSettings();
    session_->SetBusy(true);
    std::optional<OptionsChoices> chosen = optionsDialog_->Edit(FillOptions(settings), settings.sCurLang);
    session_->SetBusy(false);
    if (!chosen)
        return;
    // A new autosave period counts from now.
    if (chosen->autoSave != settings.AutoSave_bEnabled || chosen->autoSaveMinutes != settings.AutoSave_iIntervalMin)
        sinceAutoSave_.restart();
    session_->ApplyOptions(*chosen);
    if (quickHelp_)
        quickHelp_->Refresh(session_->CurrentSettings().PlayKeys, session_->CurrentSettings().ShowQuickHelp);
    RefreshCommands();
    RedrawField();
}

void MainWindow::ChooseBackground(BackgroundTarget target)
{
    const MenuItem item = target == BackgroundTarget::AllWindows ? MI_GameBkgAll : MI_GameBkgCur;
    // The menu caption without its keys and without the dots that say a dialog follows.
    QString caption = actions_[size_t(item)]->text().section('\t', 0, 0);
    caption.remove("...").remove(QChar(0x2026));
    const BackgroundRecord kept = session_->BeginBackgroundChoice();
    const PickerRequest request {.caption = caption,
                                 .selected = session_->Background(target),
                                 .showTextures = target == BackgroundTarget::AllWindows,
                                 .presets = {kDefaultBackground},
                                 .preview = [this, target](uint32_t value) {
                                     session_->SetBackground(target, value);
                                     RedrawField();
                                 }};
    const bool chosen = PickColour(request, translator_, textureThumbnails_, this).has_value();
    session_->EndBackgroundChoice(chosen, kept);
    RefreshCommands();
    RedrawField();
}

void MainWindow::OpenAddresses(const char* page)
{
    for (const char* address : kMakerAddresses)
        QDesktopServices::openUrl(QUrl(QString("%1/%2").arg(address, page)));
}

void MainWindow::ShowHelpTopic(const QString& topic)
{
    const FILE_NAMES& names = session_->Names();
    const std::string path = HelpTopicPath(names.languageFolder, session_->CurrentSettings().sCurLang, topic.toStdString());
    if (path.empty())
        return;
    if (!helpViewer_) {
        helpViewer_ = new HelpViewer(this);
        TranslateHelpViewer();
    }
    helpViewer_->ShowTopic(path);
}

void MainWindow::TranslateHelpViewer()
{
    if (!helpViewer_)
        return;
    const auto text = [this](const char* key, const char* english) { return QString::fromStdString(Text(key, english)); };
    helpViewer_->SetTexts(text("MI_HelpCont", "Contents").remove('&'), text("B_HelpBack", "Back"),
                          text("B_HelpForward", "Forward"), text("B_HelpSearch", "Search"));
}

void MainWindow::CreateReport()
{
    const FILE_NAMES& names = session_->Names();
    ReportInput input;
    input.title = kApplicationTitle;
    input.date = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
    input.exePath = QCoreApplication::applicationFilePath().toStdString();
    input.settings = &session_->CurrentSettings();
    input.background = session_->Background(BackgroundTarget::AllWindows);
    input.computer = GatherComputerFacts(names);
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    if (exe.exists())
        input.exeDate = QLocale().toString(exe.lastModified(), QLocale::ShortFormat).toStdString();
    if (names.puzzleLoaded)
        input.jigsaw = ReportJigsawOf(session_->State(), names, session_->HowFarSolved());
    const std::string text = SystemReportText(input);
    const QString path = QString::fromStdString(names.documentsFolder) + "kirvo-report.txt";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        Tell(file.errorString().toStdString(), MessageIcon::Error);
    file.close();
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::ShowQuickHelp()
{
    const Settings& settings = session_->CurrentSettings();
    if (!quickHelp_) {
        quickHelp_ = new QuickHelpWindow(translator_, [this](bool on) { session_->CurrentSettings().ShowQuickHelp = on; }, this);
        quickHelp_->SetButtonPictures(toolbar_->Button(BI_Open)->pixmap(), toolbar_->Button(BI_Download)->pixmap(),
                                      toolbar_->Button(BI_App)->pixmap());
        connect(quickHelp_, &QuickHelpWindow::ContentsRequested, this,
                [this] { ShowHelpTopic(QString::fromUtf8(kHelpContents)); });
        quickHelp_->PlaceBeside(frameGeometry());
    }
    quickHelp_->Refresh(settings.PlayKeys, settings.ShowQuickHelp);
    quickHelp_->show();
    quickHelp_->raise();
}

void MainWindow::ShowQuickHelpAtStart()
{
    if (session_->CurrentSettings().ShowQuickHelp)
        ShowQuickHelp();
}

void MainWindow::RefreshCommands()
{
    const CommandEnabling enabling = session_->Enabling();
    for (int i = 0; i < kMenuItemCount; ++i)
        actions_[size_t(i)]->setEnabled(enabling.items[size_t(i)]);
    for (int b = 0; b < kToolbarButtonCount; ++b)
        toolbar_->SetEnabled(b, enabling.buttons[size_t(b)]);

    // Checked looks mirror the windows and the mode the buttons stand for.
    auto check = [this](MenuItem item, int button, bool checked) {
        actions_[size_t(item)]->setChecked(checked);
        toolbar_->SetChecked(button, checked);
    };
    const PlayWindows& windows = session_->Windows();
    check(MI_GameWin1, BI_Win1, windows.shownSide == MW_SIDE0);
    check(MI_GameWin2, BI_Win2, windows.shownSide == MW_SIDE1);
    for (int k = 0; k < 4; ++k) {
        const TMyWin& pocket = windows.windows[size_t(MW_POCKET0 + k)];
        check(MenuItem(int(MI_PocketsPocket1) + k), BI_Pocket1 + k, pocket.visible);
        toolbar_->SetColumn(BI_Pocket1 + k, PocketButtonImage(pocket));
    }
    check(MI_GameThumb, BI_Thumb, windows.windows[MW_THUMB].visible);
    check(MI_GameGlass, BI_Glass, windows.glass.visible);
    check(MI_FullScreen, BI_FullScreen, fullScreen_);
    check(MI_GameClock, BI_Clock, clockShown_);
    ApplyCurrentWindowCaptions();
    ApplyWeightDisplay();
}

void MainWindow::PutRecent(const std::string& fullName)
{
    session_->PutRecent(fullName);
    RefreshRecentItems();
    RefreshCommands();
}

void MainWindow::RefreshRecentItems()
{
    const RecentFiles& recent = session_->CurrentSettings().recentFiles;
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = actions_[size_t(MI_FileLast0) + size_t(i)];
        action->setVisible(i < recent.count);
        if (i < recent.count)
            action->setText(QString::fromStdString(RecentFileCaption(recent, i)));
    }
    actions_[size_t(MI_FileLastSep)]->setVisible(recent.count > 0);
}

}  // namespace kirvo
