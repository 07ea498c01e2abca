#include "browser/JigsawBrowserDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "browser/SettingsPage.h"
#include "browser/ThumbnailGrid.h"
#include "diagnostics/DialogText.h"
#include "diagnostics/OpeningLog.h"

namespace kirvo {

namespace {

constexpr int kDesignedWidth = 1000;
constexpr int kDesignedHeight = 640;
constexpr int kLoaderPollMilliseconds = 50;
constexpr BrowserPage kPageOrder[] = {BrowserPage::Jigsaws, BrowserPage::SavedGames, BrowserPage::Settings};

TPixelBuffer CopyOf(const TPixelBuffer& picture)
{
    TPixelBuffer copy;
    if (picture.width > 0)
        PixFromBitmap(copy, picture);
    return copy;
}

QWidget* Page(QTabWidget* pages, const char* name, QWidget* content)
{
    auto* page = new QWidget(pages);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return page;
}

}  // namespace

JigsawBrowserDialog::JigsawBrowserDialog(JigsawBrowser& browser, const Translator& translator, MessageSink messages,
                                         const std::string& programFolder, const std::string& thumbnailFolder,
                                         QWidget* parent)
    : ReusedDialog(parent),
      browser_(browser),
      translator_(translator),
      messages_(std::move(messages)),
      art_(LoadBrowserArt(programFolder)),
      loader_(thumbnailFolder, CopyOf(art_.saveIcon))
{
    setObjectName("TF_DirView");
    browser_.SetSaveIcon(CopyOf(art_.saveIcon));

    pages_ = new QTabWidget(this);
    pages_->setObjectName("PC_Pages");
    jigsaws_ = new ThumbnailGrid(browser_.Thumbnails(), ".ast", this);
    jigsaws_->setObjectName("LV_Jigs");
    games_ = new ThumbnailGrid(browser_.Thumbnails(), ".sv1", this);
    games_->setObjectName("LV_Games");
    pages_->addTab(Page(pages_, "TS_Jigs", jigsaws_), QString());

    auto* gamesPage = Page(pages_, "TS_Games", games_);
    fileNamePanel_ = new QWidget(gamesPage);
    fileNamePanel_->setObjectName("P_FileName");
    fileNameCaption_ = new QLabel(fileNamePanel_);
    fileNameCaption_->setObjectName("L_FileNameCap");
    fileName_ = new QLineEdit(fileNamePanel_);
    fileName_->setObjectName("E_FileName");
    fileNameCaption_->setBuddy(fileName_);
    auto* nameRow = new QHBoxLayout(fileNamePanel_);
    nameRow->setContentsMargins(0, 4, 0, 0);
    nameRow->addWidget(fileNameCaption_);
    nameRow->addWidget(fileName_, 1);
    gamesPage->layout()->addWidget(fileNamePanel_);
    pages_->addTab(gamesPage, QString());

    // The settings page is laid out at a fixed size; on a work area smaller than that (a small
    // screen, or a large scale) it scrolls rather than push the dialog off the screen.
    auto* settingsScroll = new QScrollArea(pages_);
    settingsScroll->setObjectName("SB_Settings");
    settingsScroll->setFrameShape(QFrame::NoFrame);
    settingsScroll->setWidgetResizable(true);
    settingsPage_ = new SettingsPage(translator_, art_, settingsScroll);
    settingsScroll->setWidget(settingsPage_);
    pages_->addTab(settingsScroll, QString());

    BuildButtonBar();
    BuildMenus();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttonBar_);

    for (ThumbnailGrid* grid : {jigsaws_, games_}) {
        const BrowserPage list = grid == jigsaws_ ? BrowserPage::Jigsaws : BrowserPage::SavedGames;
        connect(grid, &ThumbnailGrid::Picked, this, [this, list](int index) { Picked(list, index); });
        connect(grid, &ThumbnailGrid::Activated, this, [this, list](int index) {
            Picked(list, index);
            OkClicked();
        });
        connect(grid, &ThumbnailGrid::DeletePressed, this, [this, list] {
            browser_.DeleteSelected(list);
            Refresh();
        });
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, list, grid](const QPoint& at) { ShowMenu(list, grid->viewport()->mapToGlobal(at)); });
    }
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (refreshing_ || index < 0)
            return;
        browser_.ChangePage(kPageOrder[index]);
        Refresh();
    });
    connect(fileName_, &QLineEdit::textEdited, this, [this](const QString& text) { browser_.SetFileNameBox(text.toStdString()); });
    connect(fileName_, &QLineEdit::returnPressed, this, &JigsawBrowserDialog::OkClicked);

    connect(settingsPage_, &SettingsPage::shapeChosen, this, [this](int shape) { browser_.ChooseShape(shape); Refresh(); });
    connect(settingsPage_, &SettingsPage::borderChosen, this, [this](int border) { browser_.ChooseBorder(border); Refresh(); });
    connect(settingsPage_, &SettingsPage::mixChosen, this, [this](int spread) { browser_.ChooseMix(spread); Refresh(); });
    connect(settingsPage_, &SettingsPage::rotationToggled, this, [this] { browser_.ToggleRotation(); Refresh(); });
    connect(settingsPage_, &SettingsPage::fitToggled, this, [this] { browser_.ToggleFitToScreen(); Refresh(); });
    connect(settingsPage_, &SettingsPage::levelChosen, this, [this](int level) { browser_.ChooseLevel(level); Refresh(); });

    loaderTimer_ = new QTimer(this);
    loaderTimer_->setInterval(kLoaderPollMilliseconds);
    connect(loaderTimer_, &QTimer::timeout, this, &JigsawBrowserDialog::TakeThumbnails);

    // Four fifths of the work area and at least the designed size, but never beyond the work
    // area, centred in it.
    const QRect workArea = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                            : QRect(0, 0, kDesignedWidth, kDesignedHeight);
    const QSize size =
        QSize(std::max(kDesignedWidth, workArea.width() * 4 / 5), std::max(kDesignedHeight, workArea.height() * 4 / 5))
            .boundedTo(workArea.size());
    QRect box(QPoint(), size);
    box.moveCenter(workArea.center());
    setGeometry(box);
    Retranslate();
}

JigsawBrowserDialog::~JigsawBrowserDialog() = default;

void JigsawBrowserDialog::BuildButtonBar()
{
    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName("P_ButBar");
    buttonBar_->installEventFilter(this);
    ok_ = new QPushButton(buttonBar_);
    ok_->setObjectName("B_Ok");
    ok_->setDefault(true);
    cancel_ = new QPushButton(buttonBar_);
    cancel_->setObjectName("B_Cancel");
    extra_ = new QPushButton(buttonBar_);
    extra_->setObjectName("B_Extra");
    help_ = new QPushButton(buttonBar_);
    help_->setObjectName("B_Help");
    help_->setShortcut(Qt::Key_F1);

    seedPanel_ = new QWidget(buttonBar_);
    seedPanel_->setObjectName("P_Seed");
    seedCaption_ = new QLabel(seedPanel_);
    seed_ = new QLineEdit(seedPanel_);
    seed_->setObjectName("E_Seed");
    seedCaption_->setBuddy(seed_);
    auto* seedLayout = new QVBoxLayout(seedPanel_);
    seedLayout->setContentsMargins(0, 0, 0, 0);
    seedLayout->addWidget(seedCaption_);
    seedLayout->addWidget(seed_);

    auto* layout = new QVBoxLayout(buttonBar_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ok_);
    layout->addWidget(cancel_);
    layout->addSpacing(24);
    layout->addWidget(extra_);
    layout->addWidget(help_);
    layout->addStretch(1);
    layout->addWidget(seedPanel_);

    connect(ok_, &QPushButton::clicked, this, &JigsawBrowserDialog::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(extra_, &QPushButton::clicked, this, &JigsawBrowserDialog::ExtraClicked);
    connect(help_, &QPushButton::clicked, this, [this] {
        emit HelpRequested(browser_.Mode() == BrowserMode::Save ? "save.htm" : "open.htm");
    });
    connect(seed_, &QLineEdit::textEdited, this, [this](const QString& text) { browser_.SetSeedText(text.toStdString()); });
}

void JigsawBrowserDialog::BuildMenus()
{
    jigsawMenu_ = new QMenu(this);
    jigsawMenu_->setObjectName("PM_Jigs");
    gameMenu_ = new QMenu(this);
    gameMenu_->setObjectName("PM_Games");
    for (QMenu* menu : {jigsawMenu_, gameMenu_}) {
        const BrowserPage list = menu == jigsawMenu_ ? BrowserPage::Jigsaws : BrowserPage::SavedGames;
        ThumbnailGrid* grid = menu == jigsawMenu_ ? jigsaws_ : games_;
        menu->addAction(QString(), this, [this, list, grid] {
            if (grid->currentRow() >= 0) {
                Picked(list, grid->currentRow());
                OkClicked();
            }
        });
        menu->addAction(QString(), this, [this, list] {
            browser_.DeleteSelected(list);
            Refresh();
        });
        menu->addAction(QString(), this, [this, list] {
            browser_.DeleteAll(list);
            Refresh();
        });
    }
}

void JigsawBrowserDialog::Retranslate()
{
    auto text = [this](const char* key, const char* english) { return DialogText(translator_, LangSection::LoadSave, key, english); };
    pages_->setTabText(0, text("TS_Jigs", "Jigsaws"));
    pages_->setTabText(1, text("TS_Games", "Saved Games"));
    pages_->setTabText(2, text("TS_Level", "Pieces"));
    fileNameCaption_->setText(text("L_FileNameCap", "File name:"));
    cancel_->setText(DialogText(translator_, LangSection::All, "B_Cancel", "Cancel"));
    extra_->setText(text("B_Extra", "Extra Jigsaws"));
    help_->setText(DialogText(translator_, LangSection::All, "B_Help", "Help"));
    seedCaption_->setText(text("L_Seed", "Seed:"));
    const QList<QAction*> jigsawItems = jigsawMenu_->actions();
    jigsawItems[0]->setText(text("PMI_JigsOpen", "Open"));
    jigsawItems[1]->setText(text("PMI_JigsDel", "Delete"));
    jigsawItems[2]->setText(text("PMI_JigsDelAll", "Delete All"));
    const QList<QAction*> gameItems = gameMenu_->actions();
    gameItems[0]->setText(text("PMI_GamesOpen", "Open"));
    gameItems[1]->setText(text("PMI_GamesDel", "Delete"));
    gameItems[2]->setText(text("PMI_GamesDelAll", "Delete All"));
    settingsPage_->Retranslate();
    Refresh();
}

std::optional<std::string> JigsawBrowserDialog::Choose(BrowserMode mode, const std::string& preselected, WindowSize fitArea)
{
    browser_.Activate(mode, preselected, fitArea);
    Refresh();
    if (browser_.Selection() != SelectionKind::Nothing)
        qCInfo(openingLog, "browser on %s", (browser_.CurrentFolder() + browser_.FileNameBox()).c_str());
    StartLoader();
    if (mode == BrowserMode::Save) {
        fileName_->setFocus();
        fileName_->selectAll();
    } else if (std::optional<BrowserPage> focused = browser_.FocusedList()) {
        Grid(*focused)->setFocus();
    } else {
        jigsaws_->setFocus();
    }
    for (ThumbnailGrid* grid : {jigsaws_, games_})
        if (grid->currentItem())
            grid->scrollToItem(grid->currentItem(), QAbstractItemView::PositionAtTop);
    if (ExecAndRelease() != QDialog::Accepted)
        return std::nullopt;
    return browser_.SelectedPath();
}

void JigsawBrowserDialog::Refresh()
{
    refreshing_ = true;
    const bool saving = browser_.Mode() == BrowserMode::Save;
    setWindowTitle(saving ? DialogText(translator_, LangSection::LoadSave, "Cap_Save", "Save Game")
                          : DialogText(translator_, LangSection::LoadSave, "Cap_Load", "Open Jigsaw"));
    for (int i = 0; i < pages_->count(); ++i)
        pages_->setTabVisible(i, browser_.PageShown(kPageOrder[i]));
    pages_->setCurrentWidget(PageWidget(browser_.ActivePage()));
    jigsaws_->Show(browser_.List(BrowserPage::Jigsaws));
    games_->Show(browser_.List(BrowserPage::SavedGames));
    fileNamePanel_->setVisible(saving);
    if (fileName_->text().toStdString() != browser_.FileNameBox())
        fileName_->setText(QString::fromStdString(browser_.FileNameBox()));
    settingsPage_->Show(browser_);

    ok_->setEnabled(browser_.OkEnabled());
    const std::string_view okKey = browser_.OkCaptionKey();
    ok_->setText(okKey == "B_Save"   ? DialogText(translator_, LangSection::LoadSave, "B_Save", "Save")
                 : okKey == "B_Next" ? DialogText(translator_, LangSection::LoadSave, "B_Next", "Next")
                                     : DialogText(translator_, LangSection::LoadSave, "B_Open", "Open"));
    extra_->setVisible(browser_.ExtraShown());
    seedPanel_->setVisible(browser_.SeedShown());
    if (seed_->text().toStdString() != browser_.SeedText())
        seed_->setText(QString::fromStdString(browser_.SeedText()));
    refreshing_ = false;
}

void JigsawBrowserDialog::Picked(BrowserPage list, int index)
{
    if (refreshing_)
        return;
    const BrowserList& items = browser_.List(list);
    const bool saving = browser_.Mode() == BrowserMode::Save;
    if (index == items.selected && index >= 0
        && browser_.FileNameBox() == items.items[size_t(index)] + (saving ? "" : Grid(list)->Extension()))
        return;  // a click on the item that is already chosen
    browser_.ClickItem(list, index);
    Refresh();
}

void JigsawBrowserDialog::OkClicked()
{
    if (browser_.Ok())
        accept();
    else
        Refresh();
}

void JigsawBrowserDialog::ExtraClicked()
{
    emit DownloadRequested();
    // What arrived is listed at once, its thumbnail made behind the list like the others.
    browser_.FillLists();
    Refresh();
    StartLoader();
}

void JigsawBrowserDialog::ShowMenu(BrowserPage list, const QPoint& at)
{
    QMenu* menu = list == BrowserPage::Jigsaws ? jigsawMenu_ : gameMenu_;
    const QList<QAction*> items = menu->actions();
    const bool selected = browser_.List(list).selected >= 0;
    items[0]->setEnabled(selected);
    items[1]->setEnabled(selected);
    items[2]->setEnabled(!browser_.List(list).items.empty());
    menu->popup(at);
}

bool JigsawBrowserDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A Ctrl-click on the button bar shows or hides the seed box.
    if (watched == buttonBar_ && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier) {
        browser_.ToggleSeedBox();
        Refresh();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void JigsawBrowserDialog::done(int result)
{
    // Whatever was made goes into the cache now: a save after the dialog closes must find it
    // there to redraw it, not have it arrive later from the old file.
    loader_.Stop();
    TakeThumbnails();
    loaderTimer_->stop();
    QDialog::done(result);
}

void JigsawBrowserDialog::StartLoader()
{
    std::vector<ThumbnailJob> jobs;
    for (auto& [path, fileName] : browser_.MissingThumbnails())
        jobs.push_back({std::move(path), std::move(fileName)});
    if (jobs.empty())
        return;
    loader_.Start(std::move(jobs));
    loaderTimer_->start();
}

void JigsawBrowserDialog::TakeThumbnails()
{
    std::vector<ThumbnailMade> made = loader_.TakeFinished();
    for (ThumbnailMade& thumbnail : made)
        browser_.Thumbnails().Put(thumbnail.fileName, std::move(thumbnail.image));
    if (!made.empty()) {
        jigsaws_->viewport()->update();
        games_->viewport()->update();
    }
    if (!loader_.Busy())
        loaderTimer_->stop();
}

void JigsawBrowserDialog::WaitForThumbnails()
{
    while (loader_.Busy()) {
        TakeThumbnails();
        QThread::msleep(5);
    }
}

ThumbnailGrid* JigsawBrowserDialog::Grid(BrowserPage list) const
{
    return list == BrowserPage::SavedGames ? games_ : jigsaws_;
}

QWidget* JigsawBrowserDialog::PageWidget(BrowserPage page) const
{
    return pages_->widget(int(std::find(std::begin(kPageOrder), std::end(kPageOrder), page) - std::begin(kPageOrder)));
}

}  // namespace kirvo
