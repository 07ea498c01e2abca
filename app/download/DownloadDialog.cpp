#include "download/DownloadDialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <climits>
#include <filesystem>

#include "base/Folders.h"
#include "base/TextFormat.h"
#include "diagnostics/DialogText.h"
#include "download/CatalogueList.h"
#include "download/WorkerCall.h"
#include "raster/PixelImage.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

constexpr const char* kHelpTopic = "download.htm";
constexpr const char* kModeKeys[] = {"DownMode0", "DownMode1", "DownMode2"};
constexpr const char* kModeNames[] = {"Selected Jigsaw", "New Jigsaws", "All Jigsaws"};

struct Refusal {
    const char* key;
    const char* english;
};
constexpr Refusal kRefusals[] = {{"MS_ListEmpty", "There are no jigsaws on the list."},
                                 {"MS_SelJigsaw", "Please select a jigsaw first."},
                                 {"MS_NoNewJigs", "You already have every jigsaw on the list."}};

// The JPEG at path, fitted into a list thumbnail's room when fitted is set; a null image when it
// cannot be read.
QImage LoadThumbnail(const std::string& path, bool fitted)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    TPixelBuffer picture;
    if (!bytes || !PixLoadJpeg(picture, bytes.value()))
        return {};
    if (!fitted)
        return PixImage(picture).copy();
    const TBox room = FitRectangle(kListThumbWidth, kListThumbHeight, picture.width, picture.height);
    TPixelBuffer thumbnail;
    FitDraw(thumbnail, room.width, room.height, nullptr, 0xFFFFFF, picture);
    return PixImage(thumbnail).copy();
}

// A byte count as the progress bar holds it: its range is an int.
int BarValue(int64_t bytes, int shift) { return int(bytes >> shift); }

}  // namespace

DownloadDialog::DownloadDialog(Settings& settings, const Translator& translator, MessageSink messages, DownloadSite site,
                               QWidget* parent)
    : ReusedDialog(parent), settings_(settings), translator_(translator), messages_(std::move(messages))
{
    setObjectName("TF_Download");
    protocol_ = std::make_unique<DownloadProtocol>(
        settings_, names_, translator_, std::move(site), SinkForAnyThread(this, messages_),
        [this](const DownloadProgress& progress) {
            QMetaObject::invokeMethod(this, [this, progress] { ShowProgress(progress); }, Qt::QueuedConnection);
            return true;
        });

    list_ = new CatalogueList(this);
    thumbnailBox_ = new QGroupBox(this);
    thumbnailBox_->setObjectName("GB_DownThumb");
    thumbnailBox_->setMinimumSize(kListThumbWidth + 24, kListThumbHeight + 36);
    thumbnail_ = new QLabel(thumbnailBox_);
    thumbnail_->setObjectName("I_DownThumb");
    thumbnail_->setAlignment(Qt::AlignCenter);
    auto* thumbnailLayout = new QVBoxLayout(thumbnailBox_);
    thumbnailLayout->addWidget(thumbnail_);

    modeCaption_ = new QLabel(this);
    mode_ = new QComboBox(this);
    mode_->setObjectName("CB_DownMode");
    for (const char* name : kModeNames)
        mode_->addItem(name);
    modeCaption_->setBuddy(mode_);
    download_ = new QPushButton(this);
    download_->setObjectName("B_Download");
    stop_ = new QPushButton(this);
    stop_->setObjectName("B_Stop");
    exit_ = new QPushButton(this);
    exit_->setObjectName("B_Ok");
    help_ = new QPushButton(this);
    help_->setObjectName("B_Help");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("PB_DownProgress");
    progress_->setTextVisible(false);

    auto* side = new QVBoxLayout;
    side->addWidget(thumbnailBox_);
    side->addSpacing(8);
    side->addWidget(modeCaption_);
    side->addWidget(mode_);
    side->addSpacing(8);
    for (QPushButton* button : {download_, stop_})
        side->addWidget(button);
    side->addStretch(1);
    for (QPushButton* button : {help_, exit_})
        side->addWidget(button);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(progress_);

    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (list_->hasFocus())
            SelectionChanged();
    });
    connect(list_, &QListWidget::itemClicked, this, &DownloadDialog::SelectionChanged);
    connect(download_, &QPushButton::clicked, this, &DownloadDialog::RunDownload);
    connect(stop_, &QPushButton::clicked, this, [this] {
        stopped_ = true;
        protocol_->Stop();
    });
    connect(exit_, &QPushButton::clicked, this, &DownloadDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { emit HelpRequested(kHelpTopic); });
    Retranslate();
}

DownloadDialog::~DownloadDialog() = default;

void DownloadDialog::Retranslate()
{
    modeCaption_->setText(Text(LangSection::Download, "L_DownMode", "Download:"));
    for (int i = 0; i < mode_->count(); ++i)
        mode_->setItemText(i, Text(LangSection::Download, kModeKeys[i], kModeNames[i]));
    download_->setText(Text(LangSection::Download, "B_Download", "Download"));
    stop_->setText(Text(LangSection::Download, "B_Stop", "Stop"));
    exit_->setText(Text(LangSection::Download, "B_Ok", "Exit"));
    help_->setText(Text(LangSection::All, "B_Help", "Help"));
    if (!busy_)
        setWindowTitle(BaseCaption());
}

void DownloadDialog::Run(const FILE_NAMES& names)
{
    names_ = names;
    installed_.clear();
    Activate();
    ExecAndRelease();
}

std::string DownloadDialog::FirstNewJigsaw() const
{
    const std::string& archive = protocol_->FirstNewJigsaw();
    if (archive.empty())
        return {};
    return std::filesystem::path(archive).replace_extension(".ast").string();
}

void DownloadDialog::Activate()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        const QRect area = (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry();
        resize(std::max(width(), area.width() * 4 / 5), std::max(height(), area.height() * 4 / 5));
        move(area.center() - rect().center());
        mode_->setCurrentIndex(int(DownloadMode::NewJigsaws));
    }
    if (mode_->currentIndex() < 0)
        mode_->setCurrentIndex(int(DownloadMode::NewJigsaws));
    closing_ = false;
    stopped_ = false;
    protocol_->Activate();
    SetBusy(false);
    thumbnailBox_->setTitle({});
    thumbnail_->hide();
    BuildCatalogue();
    RefreshInstalled();
    if (list_->count() > 0) {
        if (list_->currentRow() < 0)
            list_->setCurrentRow(0);
        SelectionChanged();
    }
    list_->setFocus();
}

std::string DownloadDialog::CatalogueFolder() const
{
    const std::string& folder = settings_.thumbnailsPath.empty() ? names_.thumbnailFolder : settings_.thumbnailsPath;
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

void DownloadDialog::BuildCatalogue()
{
    const std::string folder = CatalogueFolder();
    const std::string before = catalogue_.builtFrom;
    const bool read = kirvo::BuildCatalogue(catalogue_, folder);
    if (catalogue_.builtFrom == before)
        return;
    if (!read)
        Tell(messages_, "Cannot open file \"" + folder + "jiglist.txt\".", MessageButtons::Ok, MessageIcon::Error);
    thumbnails_.clear();
    for (const CatalogueItem& item : catalogue_.items)
        thumbnails_.push_back(item.thumbnail.empty() ? QImage() : LoadThumbnail(item.thumbnail, true));
    list_->Show(catalogue_, thumbnails_);
}

void DownloadDialog::RefreshInstalled()
{
    kirvo::RefreshInstalled(catalogue_, names_.personalJigsawsFolder);
    list_->ShowInstalled(catalogue_);
    setWindowTitle(BaseCaption());
}

void DownloadDialog::SelectionChanged()
{
    if (closing_)
        return;
    thumbnail_->hide();
    const int row = list_->currentRow();
    if (row < 0 || row >= int(catalogue_.items.size()))
        return;
    ShowItemThumbnail(catalogue_.items[size_t(row)].name);
    if (!busy_) {
        download_->setEnabled(true);
        setWindowTitle(BaseCaption());
    }
}

void DownloadDialog::ShowItemThumbnail(const std::string& name)
{
    thumbnail_->hide();
    thumbnailBox_->setTitle({});
    const QImage picture = LoadThumbnail(CatalogueFolder() + name + ".jpg", false);
    if (picture.isNull())
        return;
    thumbnail_->setPixmap(QPixmap::fromImage(picture));
    thumbnail_->show();
    thumbnailBox_->setTitle(QString::fromStdString(name));
}

void DownloadDialog::RunDownload()
{
    const auto mode = DownloadMode(mode_->currentIndex());
    const int selected = list_->currentRow();
    if (const char* refused = RefusedDownload(catalogue_, mode, selected)) {
        for (const Refusal& refusal : kRefusals)
            if (std::string_view(refusal.key) == refused)
                Tell(messages_, translator_.TextOr(LangSection::Download, refusal.key, refusal.english),
                     MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    const bool single = mode == DownloadMode::SelectedJigsaw;
    if (single) {
        const std::string& name = catalogue_.items[size_t(selected)].name;
        const std::string format = translator_.TextOr(LangSection::LoadSave, "Q_OverwriteFile",
                                                      "%s already exists.$DDo you want to replace it?");
        if (FileExists(names_.personalJigsawsFolder + name + ".ast")
            && Tell(messages_, FormatText(format, {name}), MessageButtons::OkCancel, MessageIcon::Question)
                   != MessageAnswer::Ok)
            return;
    }

    stopped_ = false;
    protocol_->Resume();
    SetBusy(true);
    int failed = 0;
    if (FetchServerInfo()) {
        for (const int index : ItemsToFetch(catalogue_, mode, selected)) {
            if (closing_ || stopped_)
                break;
            if (!FetchItem(index, single) && !stopped_)
                ++failed;
            if (!protocol_->DownloadOk())
                break;
        }
    }
    SetBusy(false);
    if (closing_) {
        QDialog::reject();
        return;
    }
    if (!single && failed > 0)
        Tell(messages_,
             FormatText(translator_.TextOr(LangSection::Download, "MS_SomeFailed", "Jigsaws that could not be downloaded: %d"),
                        {std::to_string(failed)}),
             MessageButtons::Ok, MessageIcon::Information);
}

bool DownloadDialog::FetchServerInfo()
{
    bool loaded = false;
    RunBesideEvents([this, &loaded] { loaded = protocol_->FetchServerInfoWithFallback(); });
    return loaded;
}

bool DownloadDialog::FetchItem(int index, bool showErrors)
{
    const std::string name = catalogue_.items[size_t(index)].name;
    list_->setCurrentRow(index);
    list_->scrollToItem(list_->item(index));
    ShowItemThumbnail(name);
    ItemOutcome outcome = ItemOutcome::NotTried;
    RunBesideEvents([this, &outcome, &name, showErrors] { outcome = protocol_->DownloadItem(name, showErrors); });
    if (outcome != ItemOutcome::Installed)
        return false;
    for (const std::string& file : protocol_->LastInstalled())
        installed_.push_back(file);
    RefreshInstalled();
    return true;
}

void DownloadDialog::SetBusy(bool busy)
{
    busy_ = busy;
    for (QWidget* control : std::initializer_list<QWidget*> {download_, mode_, list_})
        control->setEnabled(!busy);
    stop_->setEnabled(busy);
    progress_->setVisible(busy);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    if (!busy)
        setWindowTitle(BaseCaption());
}

void DownloadDialog::ShowProgress(const DownloadProgress& progress)
{
    if (!busy_)
        return;
    setWindowTitle(QString::fromStdString(progress.caption));
    if (progress.announced > 0) {
        int shift = 0;
        while ((progress.announced >> shift) > INT_MAX)
            ++shift;
        progress_->setRange(0, BarValue(progress.announced, shift));
        progress_->setValue(BarValue(std::min(progress.received, progress.announced), shift));
    } else if (progress.received > 0) {
        progress_->setRange(0, 0);  // a size never announced: the bar only shows that data flows
    } else {
        progress_->setRange(0, 1);
        progress_->setValue(0);
    }
}

void DownloadDialog::reject()
{
    if (busy_) {
        closing_ = true;
        protocol_->Stop();
        return;
    }
    QDialog::reject();
}

void DownloadDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit HelpRequested(kHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

QString DownloadDialog::BaseCaption() const { return Text(LangSection::Download, "FormCaption", "Download Jigsaws"); }

QString DownloadDialog::Text(LangSection section, const char* key, const char* english) const
{
    return DialogText(translator_, section, key, english);
}

}  // namespace kirvo
