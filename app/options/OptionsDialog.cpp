#include "options/OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/Folders.h"
#include "base/TextFormat.h"
#include "browser/BrowserArt.h"
#include "cutting/EffectPreview.h"
#include "diagnostics/DialogText.h"
#include "game/PieceLook.h"
#include "raster/PixelImage.h"
#include "session/PieceSample.h"

namespace kirvo {

namespace {

constexpr int kFormWidth = 702;  // P_Form, without the test panel
constexpr int kFormHeight = 508;
constexpr int kListWidth = 190;   // the assignment, server and protocol lists
constexpr int kSliderWidth = 300;
constexpr int kFlagWidth = 60;
constexpr int kFlagHeight = 40;
constexpr uint32_t kFlagKey = 0xFF00FF;             // magenta: transparent in the flags
constexpr uint32_t kPreviewBackground = 0x989898;   // S_ViewEmbossBkg
constexpr int kPreviewMargin = 12;
constexpr uint32_t kWoodPresets[] = {0x49687A, 0x92ADBE};
constexpr int kEmbossButtons = 4;
constexpr int kWoodButtons = 3;

struct PageTopic {
    const char* page;
    const char* topic;
};
constexpr PageTopic kHelpTopics[] = {{"TS_AutoSave", "save.htm"}, {"TS_Sound", "sound.htm"},
                                     {"TS_Play", "play-mode.htm"}, {"TS_Visual", "effects.htm"},
                                     {"TS_Lang", "language.htm"}};

QString HelpTopic(const QWidget* page)
{
    for (const PageTopic& entry : kHelpTopics)
        if (page && page->objectName() == entry.page)
            return entry.topic;
    return "options.htm";
}

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QWidget* Page(const char* name, QLayout* content)
{
    auto* page = Named(new QWidget, name);
    page->setLayout(content);
    return page;
}

QComboBox* List(const char* name, int count)
{
    auto* list = Named(new QComboBox, name);
    for (int i = 0; i < count; ++i)
        list->addItem(QString());
    list->setFixedWidth(kListWidth);
    return list;
}

// The middle of the sample texture, the size of the sample shape: the picture of the preview.
TPixelBuffer SamplePicture(const TPixelBuffer& texture)
{
    TPixelBuffer picture;
    if (texture.width < kSampleWidth || texture.height < kSampleHeight)
        return picture;
    PixCreate24(picture, kSampleWidth, kSampleHeight);
    PixCopyRect(picture, 0, 0, kSampleWidth, kSampleHeight, texture, (texture.width - kSampleWidth) / 2,
                (texture.height - kSampleHeight) / 2);
    return picture;
}

// I_FlagCustom: the flag of a language that brings none, a grey globe on white.
QPixmap GenericFlag()
{
    QPixmap flag(kFlagWidth, kFlagHeight);
    flag.fill(QColor(240, 242, 246));
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 120, 135), 1.5));
    painter.drawRect(QRectF(0.75, 0.75, kFlagWidth - 1.5, kFlagHeight - 1.5));
    const QRectF globe(18, 8, 24, 24);
    painter.drawEllipse(globe);
    painter.drawEllipse(globe.adjusted(7, 0, -7, 0));
    painter.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    return flag;
}

// The flag as it is, also on the selected item.
QIcon LanguageFlag(const std::string& path, const QPixmap& generic)
{
    TPixelBuffer picture;
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    const QPixmap flag = bytes && PixLoadBmp(picture, bytes.value()) ? PixKeyedPixmap(picture, kFlagKey) : generic;
    QIcon icon(flag);
    icon.addPixmap(flag, QIcon::Selected);
    return icon;
}

QString ListCaption(const LANG_INFO& language)
{
    if (!language.localname.empty())
        return QString::fromStdString(language.localname);
    if (!language.engname.empty())
        return QString::fromStdString(language.engname);
    return QString::fromStdString(language.fileName).toLower();
}

}  // namespace

OptionsDialog::OptionsDialog(const Translator& translator, MessageSink messages, const std::string& programFolder,
                             std::string languageFolder, ColourPicking pickColour, QWidget* parent)
    : ReusedDialog(parent),
      translator_(translator),
      messages_(std::move(messages)),
      languageFolder_(std::move(languageFolder)),
      pickColour_(std::move(pickColour))
{
    setObjectName("TF_Options");
    const BrowserArt art = LoadBrowserArt(programFolder);
    samplePicture_ = SamplePicture(art.sampleTexture);
    sampleMask_ = EffectPreviewMask(art.shapeMasks);
    PixCreate24(preview_, kSampleWidth, kSampleHeight);

    pages_ = Named(new QTabWidget(this), "PC_Pages");
    pages_->addTab(BuildAutoSavePage(), QString());
    pages_->addTab(BuildSoundPage(), QString());
    pages_->addTab(BuildPlayPage(), QString());
    pages_->addTab(BuildVisualPage(), QString());
    pages_->addTab(BuildLanguagePage(), QString());
    pages_->addTab(BuildDownloadPage(), QString());

    auto* form = new QVBoxLayout(this);
    form->addWidget(pages_, 1);
    form->addWidget(BuildTestPanel());
    form->addWidget(BuildButtonRow());
    testPanel_->hide();

    for (size_t i = 0; i < kDownloadServers.size(); ++i)
        server_->setItemText(int(i), kDownloadServers[i]);
    for (size_t i = 0; i < kSecureMethods.size(); ++i)
        method_->setItemText(int(i), kSecureMethods[i]);
    Retranslate();
    ShowChoices();
    FitSize();
}

QCheckBox* OptionsDialog::ChoiceBox(const char* name, bool OptionsChoices::*choice, std::function<void(bool)> then)
{
    auto* box = Named(new QCheckBox, name);
    connect(box, &QCheckBox::toggled, this, [this, choice, then](bool on) {
        if (showing_)
            return;
        choices_.*choice = on;
        if (then)
            then(on);
    });
    return box;
}

QSlider* OptionsDialog::ChoiceSlider(const char* name, int minimum, int maximum, int OptionsChoices::*choice)
{
    auto* slider = Named(new QSlider(Qt::Horizontal), name);
    slider->setRange(minimum, maximum);
    slider->setPageStep(5);
    slider->setFixedWidth(kSliderWidth);
    connect(slider, &QSlider::valueChanged, this, [this, choice](int value) {
        if (!showing_)
            choices_.*choice = value;
        ShowSliderCaptions();
    });
    return slider;
}

QWidget* OptionsDialog::BuildAutoSavePage()
{
    autoSave_ = ChoiceBox("CB_AutoSave", &OptionsChoices::autoSave);
    autoInterval_ = Named(new QLabel, "L_AutoInterval");
    autoMinutes_ = ChoiceSlider("SB_AutoChange", 1, 60, &OptionsChoices::autoSaveMinutes);
    auto* layout = new QVBoxLayout;
    layout->addWidget(autoSave_);
    layout->addSpacing(12);
    layout->addWidget(autoInterval_);
    layout->addWidget(autoMinutes_);
    layout->addStretch();
    return Page("TS_AutoSave", layout);
}

QWidget* OptionsDialog::BuildSoundPage()
{
    sound_ = ChoiceBox("CB_SoundPlay", &OptionsChoices::sound, [this](bool on) { emit SoundChanged(on); });
    auto* layout = new QVBoxLayout;
    layout->addWidget(sound_);
    layout->addStretch();
    return Page("TS_Sound", layout);
}

QWidget* OptionsDialog::BuildPlayPage()
{
    schemaCaption_ = Named(new QLabel, "L_PlayModes");
    schema_ = List("CB_PlayModes", 3);
    constexpr const char* kActionNames[][2] = {
        {"L_PlayRotCW", "CB_PlayRotCW"}, {"L_PlayRotCCW", "CB_PlayRotCCW"}, {"L_PlayMoveOW", "CB_PlayMoveOW"}};
    auto* grid = new QGridLayout;
    grid->addWidget(schemaCaption_, 0, 0);
    grid->addWidget(schema_, 0, 1);
    grid->setRowMinimumHeight(1, 12);
    for (int a = 0; a < kPlayActionCount; ++a) {
        actionCaptions_[size_t(a)] = Named(new QLabel, kActionNames[a][0]);
        assignments_[size_t(a)] = List(kActionNames[a][1], int(kMouseChoices.size()));
        actionCaptions_[size_t(a)]->setBuddy(assignments_[size_t(a)]);
        grid->addWidget(actionCaptions_[size_t(a)], a + 2, 0);
        grid->addWidget(assignments_[size_t(a)], a + 2, 1);
        connect(assignments_[size_t(a)], &QComboBox::currentIndexChanged, this, [this, a](int choice) {
            if (showing_)
                return;
            choices_.assignments[size_t(a)] = choice;
            ShowPlay();
        });
    }
    grid->setHorizontalSpacing(16);
    grid->setColumnStretch(2, 1);
    schemaCaption_->setBuddy(schema_);
    connect(schema_, &QComboBox::currentIndexChanged, this, [this](int schema) {
        // Other leaves the assignments as they are, and says so until one of them changes.
        if (showing_ || PlaySchema(schema) == PlaySchema::Other)
            return;
        ChooseSchema(choices_, PlaySchema(schema));
        ShowPlay();
    });

    singleWindow_ = ChoiceBox("CB_PlaySingleWin", &OptionsChoices::singleWindow, [this](bool) { ShowPlay(); });
    clickToDrag_ = ChoiceBox("CB_PlayClickToDrag", &OptionsChoices::clickToDrag, [this](bool) { ShowPlay(); });
    stuckCaption_ = Named(new QLabel, "L_StuckKoef");
    stuck_ = ChoiceSlider("SB_StuckKoef", 10, 30, &OptionsChoices::stuckKoef);

    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(singleWindow_);
    layout->addWidget(clickToDrag_);
    layout->addSpacing(12);
    layout->addWidget(stuckCaption_);
    layout->addWidget(stuck_);
    layout->addStretch();
    playPage_ = Page("TS_Play", layout);
    return playPage_;
}

QWidget* OptionsDialog::BuildVisualPage()
{
    embossPanel_ = Named(new QGroupBox, "GB_VisualEmboss");
    emboss_ = new QButtonGroup(this);
    auto* embossColumn = new QVBoxLayout(embossPanel_);
    for (int i = 0; i < kEmbossButtons; ++i) {
        auto* button = new QRadioButton(embossPanel_);
        button->setObjectName("RB_VisualEmboss" + QString::number(i));
        emboss_->addButton(button, i);
        embossColumn->addWidget(button);
    }

    woodPanel_ = Named(new QGroupBox, "GB_VisualWood");
    wood_ = new QButtonGroup(this);
    woodColour_ = Named(new QFrame(woodPanel_), "S_ViewWoodColor");
    woodColour_->setFrameStyle(QFrame::Box | QFrame::Plain);
    woodColour_->setFixedSize(44, 18);
    woodColour_->setAutoFillBackground(true);
    woodColour_->setCursor(Qt::PointingHandCursor);
    woodColour_->installEventFilter(this);
    auto* woodColumn = new QVBoxLayout(woodPanel_);
    for (int i = 0; i < kWoodButtons; ++i) {
        auto* button = new QRadioButton(woodPanel_);
        button->setObjectName("RB_VisualWood" + QString::number(i));
        wood_->addButton(button, i);
        if (i != kWoodEdge) {
            woodColumn->addWidget(button);
            continue;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(button);
        row->addWidget(woodColour_);
        row->addStretch();
        woodColumn->addLayout(row);
    }
    connect(emboss_, &QButtonGroup::idClicked, this, [this](int style) {
        choices_.embossStyle = style;
        ShowLook();
    });
    connect(wood_, &QButtonGroup::idClicked, this, [this](int style) {
        choices_.woodStyle = style;
        ShowLook();
    });

    showJoin_ = ChoiceBox("CB_VisualShowJoin", &OptionsChoices::showJoin, [this](bool on) { emit ShowJoinChanged(on); });

    previewCaption_ = new QLabel;
    auto* background = Named(new QFrame, "S_ViewEmbossBkg");
    background->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    background->setAutoFillBackground(true);
    QPalette grey = background->palette();
    grey.setColor(QPalette::Window, PixQColor(kPreviewBackground));
    background->setPalette(grey);
    previewImage_ = Named(new QLabel(background), "I_ViewEmboss");
    previewImage_->setFixedSize(kSampleWidth, kSampleHeight);
    auto* framed = new QVBoxLayout(background);
    framed->setContentsMargins(kPreviewMargin, kPreviewMargin, kPreviewMargin, kPreviewMargin);
    framed->addWidget(previewImage_);

    auto* choicesColumn = new QVBoxLayout;
    choicesColumn->addWidget(embossPanel_);
    choicesColumn->addWidget(woodPanel_);
    choicesColumn->addSpacing(8);
    choicesColumn->addWidget(showJoin_);
    choicesColumn->addStretch();
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewCaption_);
    previewColumn->addWidget(background);
    previewColumn->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addLayout(choicesColumn, 1);
    layout->addSpacing(16);
    layout->addLayout(previewColumn);
    return Page("TS_Visual", layout);
}

QWidget* OptionsDialog::BuildLanguagePage()
{
    languagesCaption_ = Named(new QLabel, "L_LangListCap");
    languageList_ = Named(new QListWidget, "LV_LangList");
    languageList_->setIconSize(QSize(kFlagWidth, kFlagHeight));
    languageList_->setSpacing(2);
    languageList_->setFixedWidth(260);
    languagesCaption_->setBuddy(languageList_);
    connect(languageList_, &QListWidget::currentRowChanged, this, &OptionsDialog::ShowLanguage);
    // The list may come up on a language other than the pending one (when that one is not
    // installed): a click on the item shown chooses it too.
    connect(languageList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowLanguage(languageList_->row(item)); });
    languageName_ = Named(new QLabel, "L_LangName");
    QFont bold = languageName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    languageName_->setFont(bold);
    languageAuthor_ = Named(new QLabel, "L_LangAuthor");
    languageNoHelp_ = Named(new QLabel, "L_LangNoHelp");
    for (QLabel* label : {languageName_, languageAuthor_, languageNoHelp_})
        label->setWordWrap(true);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(languagesCaption_);
    listColumn->addWidget(languageList_, 1);
    auto* aboutColumn = new QVBoxLayout;
    aboutColumn->addSpacing(languagesCaption_->sizeHint().height());
    aboutColumn->addWidget(languageName_);
    aboutColumn->addWidget(languageAuthor_);
    aboutColumn->addSpacing(12);
    aboutColumn->addWidget(languageNoHelp_);
    aboutColumn->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addLayout(listColumn);
    layout->addSpacing(16);
    layout->addLayout(aboutColumn, 1);
    return Page("TS_Lang", layout);
}

QWidget* OptionsDialog::BuildDownloadPage()
{
    serverCaption_ = Named(new QLabel, "L_DnSrcCap");
    server_ = List("CB_DnSrc", int(kDownloadServers.size()));
    server_->setFixedWidth(2 * kListWidth);
    secure_ = ChoiceBox("CB_UseSecure", &OptionsChoices::useSecure, [this](bool on) { method_->setEnabled(on); });
    methodCaption_ = Named(new QLabel, "L_SecureMethodCap");
    method_ = List("CB_SecureMethod", int(kSecureMethods.size()));
    serverCaption_->setBuddy(server_);
    methodCaption_->setBuddy(method_);
    connect(server_, &QComboBox::currentTextChanged, this, [this](const QString& server) {
        if (!showing_)
            choices_.downloadServer = server.toStdString();
    });
    connect(method_, &QComboBox::currentIndexChanged, this, [this](int method) {
        if (!showing_)
            choices_.secureMethod = method;
    });
    auto* layout = new QVBoxLayout;
    layout->addWidget(serverCaption_);
    layout->addWidget(server_);
    layout->addSpacing(12);
    layout->addWidget(secure_);
    layout->addWidget(methodCaption_);
    layout->addWidget(method_);
    layout->addStretch();
    return Page("TS_Dn", layout);
}

QWidget* OptionsDialog::BuildTestPanel()
{
    testPanel_ = Named(new QGroupBox(this), "P_Test");
    thumbPathCaption_ = new QLabel(testPanel_);
    thumbPath_ = Named(new QLineEdit(testPanel_), "E_TestThumbPath");
    siteFolderCaption_ = new QLabel(testPanel_);
    siteFolder_ = Named(new QLineEdit(testPanel_), "E_TestSiteJigsawsDir");
    thumbPathCaption_->setBuddy(thumbPath_);
    siteFolderCaption_->setBuddy(siteFolder_);
    auto* grid = new QGridLayout(testPanel_);
    grid->addWidget(thumbPathCaption_, 0, 0);
    grid->addWidget(thumbPath_, 0, 1);
    grid->addWidget(siteFolderCaption_, 1, 0);
    grid->addWidget(siteFolder_, 1, 1);
    return testPanel_;
}

QWidget* OptionsDialog::BuildButtonRow()
{
    auto* row = new QWidget(this);
    ok_ = Named(new QPushButton(row), "B_Ok");
    ok_->setDefault(true);
    cancel_ = Named(new QPushButton(row), "B_Cancel");
    help_ = Named(new QPushButton(row), "B_Help");
    help_->setFlat(true);
    help_->setShortcut(Qt::Key_F1);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic(pages_->currentWidget())); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(help_);
    layout->addStretch();
    layout->addWidget(ok_);
    layout->addWidget(cancel_);
    return row;
}

void OptionsDialog::Retranslate()
{
    setWindowTitle(DialogText(translator_, LangSection::Options, "FormCaption", "Options"));
    const QString pageTitles[] = {
        DialogText(translator_, LangSection::Options, "TS_AutoSave", "Auto Save"),
        DialogText(translator_, LangSection::Options, "TS_Sound", "Sound"),
        DialogText(translator_, LangSection::Options, "TS_Play", "Play"),
        DialogText(translator_, LangSection::Options, "TS_Visual", "Visual Effects"),
        DialogText(translator_, LangSection::Options, "TS_Lang", "Language"),
        DialogText(translator_, LangSection::Options, "TS_Dn", "Download"),
    };
    for (int i = 0; i < pages_->count(); ++i)
        pages_->setTabText(i, pageTitles[i]);

    autoSave_->setText(DialogText(translator_, LangSection::Options, "CB_AutoSave", "Auto save jigsaw"));
    sound_->setText(DialogText(translator_, LangSection::Options, "CB_SoundPlay", "Play Sound"));

    schemaCaption_->setText(DialogText(translator_, LangSection::Options, "L_PlayModes", "Play mode:"));
    const QString schemas[] = {
        DialogText(translator_, LangSection::Options, "CB_PlayModes0", "Standard"),
        DialogText(translator_, LangSection::Options, "CB_PlayModes1", "Simple"),
        DialogText(translator_, LangSection::Options, "CB_PlayModes2", "Other"),
    };
    for (int i = 0; i < schema_->count(); ++i)
        schema_->setItemText(i, schemas[i]);
    actionCaptions_[kRotateClockwise]->setText(
        DialogText(translator_, LangSection::Options, "L_PlayRotCW", "Rotate Clockwise"));
    actionCaptions_[kRotateCounterClockwise]->setText(
        DialogText(translator_, LangSection::Options, "L_PlayRotCCW", "Rotate Counterclockwise"));
    actionCaptions_[kMoveToOtherWindow]->setText(
        DialogText(translator_, LangSection::Options, "L_PlayMoveOW", "Move to other window"));
    for (size_t i = 0; i < kMouseChoices.size(); ++i) {
        const QString key = "Key" + QString::number(i);
        const QString caption = QString::fromStdString(
            translator_.TextOr(LangSection::Options, key.toStdString(), kMouseChoices[i].caption));
        for (QComboBox* list : assignments_)
            list->setItemText(int(i), caption);
    }
    singleWindow_->setText(DialogText(translator_, LangSection::Options, "CB_PlaySingleWin", "Single Win"));
    clickToDrag_->setText(DialogText(translator_, LangSection::Options, "CB_PlayClickToDrag", "Click to Drag"));

    embossPanel_->setTitle(DialogText(translator_, LangSection::Options, "GB_VisualEmboss", "Embossing"));
    const QString embossNames[] = {
        DialogText(translator_, LangSection::Options, "RB_VisualEmboss0", "None"),
        DialogText(translator_, LangSection::Options, "RB_VisualEmboss1", "Paper"),
        DialogText(translator_, LangSection::Options, "RB_VisualEmboss2", "Cardboard"),
        DialogText(translator_, LangSection::Options, "RB_VisualEmboss3", "Fat Card"),
    };
    for (int i = 0; i < kEmbossButtons; ++i)
        emboss_->button(i)->setText(embossNames[i]);
    woodPanel_->setTitle(DialogText(translator_, LangSection::Options, "GB_VisualWood", "Edges"));
    const QString woodNames[] = {
        DialogText(translator_, LangSection::Options, "RB_VisualWood0", "None"),
        DialogText(translator_, LangSection::Options, "RB_VisualWood1", "Wood"),
        DialogText(translator_, LangSection::Options, "RB_VisualWood2", "Shadows"),
    };
    for (int i = 0; i < kWoodButtons; ++i)
        wood_->button(i)->setText(woodNames[i]);
    woodColour_->setToolTip(DialogText(translator_, LangSection::Options, "GB_VisualWoodColor", "Wood Colour"));
    showJoin_->setText(DialogText(translator_, LangSection::Options, "CB_VisualShowJoin", "Show Conjunction"));
    previewCaption_->setText(DialogText(translator_, LangSection::Options, "L_ViewEmbossCap", "Preview:"));

    languagesCaption_->setText(DialogText(translator_, LangSection::Options, "L_LangListCap", "Installed languages:"));
    serverCaption_->setText(DialogText(translator_, LangSection::Options, "L_DnSrcCap", "Download server:"));
    secure_->setText(DialogText(translator_, LangSection::Options, "CB_UseSecure", "Use Secure protocol"));
    methodCaption_->setText(
        DialogText(translator_, LangSection::Options, "L_SecureMethodCap", "Secure protocol version:"));
    thumbPathCaption_->setText(DialogText(translator_, LangSection::Options, "L_TestThumbPath", "Thumbnails folder:"));
    siteFolderCaption_->setText(
        DialogText(translator_, LangSection::Options, "L_TestSiteJigsawsDir", "Server folder of jigsaws:"));

    ok_->setText(DialogText(translator_, LangSection::All, "B_Ok", "OK"));
    cancel_->setText(DialogText(translator_, LangSection::All, "B_Cancel", "Cancel"));
    help_->setText(DialogText(translator_, LangSection::All, "B_Help", "Help"));
    ShowSliderCaptions();
}

std::optional<OptionsChoices> OptionsDialog::Edit(const OptionsChoices& start, const std::string& currentLanguage)
{
    choices_ = start;
    choices_.language = currentLanguage;
    ShowChoices();
    FillLanguages();
    if (ExecAndRelease() != QDialog::Accepted)
        return std::nullopt;
    return choices_;
}

void OptionsDialog::ShowChoices()
{
    showing_ = true;
    autoSave_->setChecked(choices_.autoSave);
    autoMinutes_->setValue(choices_.autoSaveMinutes);
    sound_->setChecked(choices_.sound);
    stuck_->setValue(choices_.stuckKoef);
    showJoin_->setChecked(choices_.showJoin);
    server_->setCurrentIndex(std::max(0, server_->findText(QString::fromStdString(choices_.downloadServer),
                                                           Qt::MatchFixedString)));
    secure_->setChecked(choices_.useSecure);
    method_->setCurrentIndex(choices_.secureMethod);
    method_->setEnabled(choices_.useSecure);
    thumbPath_->setText(QString::fromStdString(choices_.thumbnailsPath));
    siteFolder_->setText(QString::fromStdString(choices_.siteJigsawsFolder));
    showing_ = false;
    // The sliders bound their values and the server list holds only its entries: the dialog
    // gives back what it shows.
    choices_.autoSaveMinutes = autoMinutes_->value();
    choices_.stuckKoef = stuck_->value();
    choices_.downloadServer = server_->currentText().toStdString();
    ShowPlay();
    ShowLook();
}

void OptionsDialog::ShowSliderCaptions()
{
    // Each caption is a format for the slider's position.
    auto show = [](QLabel* caption, const QString& format, int value) {
        caption->setText(QString::fromStdString(FormatText(format.toStdString(), {std::to_string(value)})));
    };
    show(autoInterval_, DialogText(translator_, LangSection::Options, "L_AutoInterval", "Save every %d minutes"),
         autoMinutes_->value());
    show(stuckCaption_, DialogText(translator_, LangSection::Options, "L_StuckKoef", "Snapping distance: %d"),
         stuck_->value());
}

void OptionsDialog::ShowPlay()
{
    showing_ = true;
    for (int a = 0; a < kPlayActionCount; ++a)
        assignments_[size_t(a)]->setCurrentIndex(choices_.assignments[size_t(a)]);
    singleWindow_->setChecked(choices_.singleWindow);
    clickToDrag_->setChecked(choices_.clickToDrag);
    schema_->setCurrentIndex(int(RecogniseSchema(choices_)));
    showing_ = false;
    // With one window there is no other window to send pieces to.
    actionCaptions_[kMoveToOtherWindow]->setEnabled(!choices_.singleWindow);
    assignments_[kMoveToOtherWindow]->setEnabled(!choices_.singleWindow);
}

void OptionsDialog::ShowLook()
{
    if (QAbstractButton* button = emboss_->button(choices_.embossStyle))
        button->setChecked(true);
    if (QAbstractButton* button = wood_->button(choices_.woodStyle))
        button->setChecked(true);
    woodColour_->setVisible(choices_.woodStyle == kWoodEdge);
    QPalette swatch = woodColour_->palette();
    swatch.setColor(QPalette::Window, PixQColor(choices_.woodColor));
    woodColour_->setPalette(swatch);
    RedrawPreview();
}

void OptionsDialog::RedrawPreview()
{
    PixFillRect(preview_, 0, 0, preview_.width, preview_.height, kPreviewBackground);
    if (samplePicture_.width > 0 && sampleMask_.width > 0)
        DrawEffectPreview(preview_, sampleMask_, samplePicture_, choices_.woodColor, choices_.woodStyle,
                          choices_.embossStyle);
    previewImage_->setPixmap(QPixmap::fromImage(PixImage(preview_).copy()));
}

void OptionsDialog::FillLanguages()
{
    showing_ = true;
    languageList_->clear();
    languages_ = LangScan(languageFolder_);
    const QPixmap generic = GenericFlag();
    int current = languages_.empty() ? -1 : 0;
    for (size_t i = 0; i < languages_.size(); ++i) {
        const LANG_INFO& language = languages_[i];
        new QListWidgetItem(LanguageFlag(LangFlagPath(languageFolder_, language.fileName), generic),
                            ListCaption(language), languageList_);
        if (QString::fromStdString(language.fileName)
                .compare(QString::fromStdString(choices_.language), Qt::CaseInsensitive) == 0)
            current = int(i);
    }
    languageList_->setCurrentRow(current);
    ShowLanguage(current);
    showing_ = false;
}

void OptionsDialog::ShowLanguage(int row)
{
    const bool chosen = row >= 0 && row < int(languages_.size());
    const LANG_INFO none;
    const LANG_INFO& language = chosen ? languages_[size_t(row)] : none;
    const std::string& name = !language.localname.empty() ? language.localname
                              : !language.engname.empty() ? language.engname
                                                          : language.fileName;
    languageName_->setText(QString::fromStdString(name));
    languageAuthor_->setText(QString::fromStdString(language.author));
    languageNoHelp_->setText(QString::fromStdString(language.l_onlyinterface));
    languageNoHelp_->setVisible(chosen && !FileExists(LangHelpPath(languageFolder_, language.fileName)));
    if (chosen && !showing_)
        choices_.language = language.fileName;
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == woodColour_ && event->type() == QEvent::MouseButtonPress) {
        PickWoodColour();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::PickWoodColour()
{
    const uint32_t old = choices_.woodColor;
    std::optional<uint32_t> picked;
    if (pickColour_)
        picked = pickColour_(DialogText(translator_, LangSection::Options, "GB_VisualWoodColor", "Wood Colour"), old,
                             {std::begin(kWoodPresets), std::end(kWoodPresets)}, [this](uint32_t colour) {
                                 choices_.woodColor = colour;
                                 ShowLook();
                             });
    choices_.woodColor = picked.value_or(old);
    ShowLook();
}

void OptionsDialog::OkClicked()
{
    switch (CheckOptions(choices_, languageFolder_)) {
    case OptionsProblem::KeysClash:
        Tell(messages_, translator_.TextOr(LangSection::Options, "MS_KeysMustBeDiff",
                                           "Each of the three play actions needs its own mouse button and key."),
             MessageButtons::Ok, MessageIcon::Warning);
        pages_->setCurrentWidget(playPage_);
        return;
    case OptionsProblem::MissingLanguage:
        Tell(messages_,
             FormatText(translator_.TextOr(LangSection::Options, "MS_CantFindLangFile",
                                           "The language file cannot be found:$D%s"),
                        {LangFilePath(languageFolder_, choices_.language)}),
             MessageButtons::Ok, MessageIcon::Warning);
        return;
    case OptionsProblem::None: break;
    }
    if (!testPanel_->isHidden()) {
        choices_.thumbnailsPath = std::string(Trimmed(thumbPath_->text().toStdString()));
        choices_.siteJigsawsFolder = std::string(Trimmed(siteFolder_->text().toStdString()));
    }
    accept();
}

void OptionsDialog::mousePressEvent(QMouseEvent* event)
{
    constexpr Qt::KeyboardModifiers kToggle = Qt::ControlModifier | Qt::ShiftModifier;
    if ((event->modifiers() & kToggle) == kToggle) {
        ToggleTestPanel();
        return;
    }
    QDialog::mousePressEvent(event);
}

void OptionsDialog::ToggleTestPanel()
{
    testPanel_->setVisible(testPanel_->isHidden());
    FitSize();
}

void OptionsDialog::FitSize()
{
    const int extra = testPanel_->isHidden() ? 0 : testPanel_->sizeHint().height() + layout()->spacing();
    setFixedSize(kFormWidth, kFormHeight + extra);
}

}  // namespace kirvo
