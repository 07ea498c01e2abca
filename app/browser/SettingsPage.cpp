#include "browser/SettingsPage.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

#include "base/TextFormat.h"
#include "browser/ChoiceButton.h"
#include "cutting/PieceSizeTable.h"
#include "diagnostics/DialogText.h"
#include "diagnostics/StyleNames.h"
#include "raster/PixelImage.h"
#include "session/ListThumbnail.h"

namespace kirvo {

namespace {

constexpr int kCenterWidth = 726;
constexpr int kCenterHeight = 550;
constexpr int kPanelSpacing = 8;
constexpr int kThumbWidth = 240;
constexpr int kThumbHeight = 180;
constexpr int kThumbPanelWidth = kThumbWidth + 24;
// The shape pictures stand in two columns of four, 80 and 71 pixels apart, 28 from the left.
constexpr int kShapeRows = 4;
constexpr int kShapeLeft = 28;
constexpr int kShapeColumnStep = 80;
constexpr int kShapeRowStep = 71;
// The pictures of the lower panels: 50 x 50, 62 pixels apart, centred.
constexpr int kChoiceSide = 50;
constexpr int kChoiceStep = 62;
constexpr int kPanelMargin = 6;
constexpr uint32_t kWhiteKey = 0xFFFFFF;  // the transparent colour of the lower panels' pictures

// The w x h picture at (x, y) of a sheet; empty when the sheet does not reach that far.
TPixelBuffer Cut(const TPixelBuffer& sheet, int x, int y, int w, int h)
{
    TPixelBuffer piece;
    if (sheet.width < x + w || sheet.height < y + h)
        return piece;
    PixCreate24(piece, w, h);
    PixCopyRect(piece, 0, 0, w, h, sheet, x, y);
    return piece;
}

// The choice picture of a shape: the sample piece at the choices' tile size, cut out of the
// sample picture, on the transparent colour. On a screen of pixelRatio pixels a point the piece
// is drawn with that many times the pixels, sharp from the masks.
TPixelBuffer ShapePicture(const BrowserArt& art, int shape, double pixelRatio)
{
    const int tileSize = int(std::lround(kShapeChoiceTileSize * pixelRatio));
    TPixelBuffer sample;
    DrawPieceSample(sample, tileSize, shape, art.shapeMasks, art.sampleTexture, kShapeChoiceKey);
    const SampleSize size = PieceSampleSize(tileSize);
    return Cut(sample, (kSampleWidth - size.width) / 2, (kSampleHeight - size.height) / 2, size.width, size.height);
}

QLabel* Caption(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QGroupBox* Panel(QWidget* parent, const QString& name)
{
    auto* panel = new QGroupBox(parent);
    panel->setObjectName(name);
    return panel;
}

template <size_t N>
void MarkChosen(const ChoicePanel<N>& choices, int chosen)
{
    for (size_t i = 0; i < N; ++i)
        choices.buttons[i]->SetChosen(int(i) == chosen);
}

QString MixText(const Translator& translator, int spread)
{
    return spread == 1 ? DialogText(translator, LangSection::LoadSave, "Mix_Spreadout", "Spread out")
                       : DialogText(translator, LangSection::LoadSave, "Mix_Random", "Random heap");
}

}  // namespace

SettingsPage::SettingsPage(const Translator& translator, const BrowserArt& art, QWidget* parent)
    : QWidget(parent), translator_(translator), art_(art), face_(PixColour(palette().color(QPalette::Button)))
{
    setObjectName("TS_Level");
    center_ = new QWidget(this);
    center_->setObjectName("P_LevelCenter");
    center_->setFixedSize(kCenterWidth, kCenterHeight);

    auto* top = new QHBoxLayout;
    top->setSpacing(kPanelSpacing);
    top->addWidget(BuildPreview());
    top->addWidget(BuildPieceSize(), 1);
    top->addWidget(BuildShapes());

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(kPanelSpacing);
    borders_.panel = BuildChoices("Borders", art_.borders, borders_.buttons, borders_.caption);
    mixes_.panel = BuildChoices("Mix", art_.mixes, mixes_.buttons, mixes_.caption);
    rotation_.panel = BuildChoices("Rotation", art_.rotation, rotation_.buttons, rotation_.caption);
    fit_.panel = BuildChoices("FitToScreen", art_.fit, fit_.buttons, fit_.caption);
    for (QGroupBox* panel : {borders_.panel, mixes_.panel, rotation_.panel, fit_.panel})
        bottom->addWidget(panel, 1);
    for (int i = 0; i < int(borders_.buttons.size()); ++i)
        connect(borders_.buttons[i], &ChoiceButton::clicked, this, [this, i] { emit borderChosen(i); });
    for (int i = 0; i < int(mixes_.buttons.size()); ++i)
        connect(mixes_.buttons[i], &ChoiceButton::clicked, this, [this, i] { emit mixChosen(i); });
    connect(rotation_.buttons[0], &ChoiceButton::clicked, this, &SettingsPage::rotationToggled);
    connect(fit_.buttons[0], &ChoiceButton::clicked, this, &SettingsPage::fitToggled);

    auto* panels = new QVBoxLayout(center_);
    panels->setContentsMargins(0, kPanelSpacing, 0, 0);
    panels->setSpacing(kPanelSpacing);
    panels->addLayout(top, 1);
    panels->addLayout(bottom);

    // The panels keep their size and stay in the middle however wide the dialog is made.
    auto* page = new QVBoxLayout(this);
    page->addWidget(center_, 0, Qt::AlignHCenter | Qt::AlignTop);

    Retranslate();
}

QWidget* SettingsPage::BuildPreview()
{
    thumbPanel_ = Panel(center_, "P_Thumb");
    thumbPanel_->setFixedWidth(kThumbPanelWidth);
    // The picture and the comment that replaces it share one sunken place.
    auto* place = new QFrame(thumbPanel_);
    place->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const int frame = place->frameWidth();
    place->setFixedSize(kThumbWidth + 2 * frame, kThumbHeight + 2 * frame);
    thumb_ = new QLabel(place);
    thumb_->setObjectName("I_Thumb");
    thumb_->setGeometry(frame, frame, kThumbWidth, kThumbHeight);
    comment_ = Caption(place, "L_Comment");
    comment_->setGeometry(frame, frame, kThumbWidth, kThumbHeight);
    thumbName_ = Caption(thumbPanel_, "L_Thumb");
    QFont bold = thumbName_->font();
    bold.setBold(true);
    thumbName_->setFont(bold);

    auto* column = new QVBoxLayout(thumbPanel_);
    column->addWidget(place, 0, Qt::AlignHCenter);
    column->addWidget(thumbName_);
    column->addStretch();
    return thumbPanel_;
}

QWidget* SettingsPage::BuildPieceSize()
{
    piecePanel_ = Panel(center_, "P_PieceSize");
    pieceCaption_ = Caption(piecePanel_, "L_PieceSize");
    level_ = new QSlider(Qt::Horizontal, piecePanel_);
    level_->setObjectName("SB_PieceSize");
    level_->setRange(0, kLevelCount - 1);
    level_->setPageStep(1);
    level_->setTickPosition(QSlider::TicksBelow);
    connect(level_, &QSlider::valueChanged, this, &SettingsPage::levelChosen);
    // A sample larger than the room left is centred and cut at the panel's edges.
    sample_ = new QLabel(piecePanel_);
    sample_->setObjectName("I_PieceSize");
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    for (QWidget* part : std::initializer_list<QWidget*> {pieceCaption_, sample_}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }

    auto* column = new QVBoxLayout(piecePanel_);
    column->addWidget(pieceCaption_);
    column->addWidget(level_);
    column->addWidget(sample_, 1);
    return piecePanel_;
}

QWidget* SettingsPage::BuildShapes()
{
    shapes_.panel = Panel(center_, "P_Shapes");
    const SampleSize size = PieceSampleSize(kShapeChoiceTileSize);
    // The masks hold pieces of a little over twice the choices' tile size: on denser screens Qt
    // enlarges the pictures the rest of the way.
    const double ratio = std::min(devicePixelRatio(), 2.0);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kShapeStyleCount; ++i) {
        shapes_.buttons[i] = new ChoiceButton("B_Shapes" + QString::number(i), QSize(size.width, size.height), shapes_.panel);
        shapes_.buttons[i]->SetPicture(ShapePicture(art_, i, ratio), kShapeChoiceKey, face_, ratio);
        grid->addWidget(shapes_.buttons[i], i % kShapeRows, i / kShapeRows);
        connect(shapes_.buttons[i], &ChoiceButton::clicked, this, [this, i] { emit shapeChosen(i); });
    }
    constexpr int room = ChoiceButton::kFrameWidth;
    grid->setHorizontalSpacing(kShapeColumnStep - size.width - 2 * room);
    grid->setVerticalSpacing(kShapeRowStep - size.height - 2 * room);
    shapes_.caption = Caption(shapes_.panel, "L_Shapes");

    auto* column = new QVBoxLayout(shapes_.panel);
    column->setContentsMargins(kShapeLeft - room, kPanelMargin, kShapeLeft - room, kPanelMargin);
    column->addLayout(grid);
    column->addWidget(shapes_.caption);
    column->addStretch();
    return shapes_.panel;
}

QGroupBox* SettingsPage::BuildChoices(const QString& what, const TPixelBuffer& sheet, std::span<ChoiceButton*> buttons,
                                      QLabel*& caption)
{
    QGroupBox* panel = Panel(center_, "P_" + what);
    constexpr int room = ChoiceButton::kFrameWidth;
    auto* row = new QHBoxLayout;
    row->setSpacing(kChoiceStep - kChoiceSide - 2 * room);
    row->addStretch();
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new ChoiceButton("B_" + what + QString::number(i), QSize(kChoiceSide, kChoiceSide), panel);
        buttons[i]->SetPicture(Cut(sheet, int(i) * (kChoiceSide + 1), 0, kChoiceSide, kChoiceSide), kWhiteKey, face_);
        row->addWidget(buttons[i]);
    }
    row->addStretch();
    caption = Caption(panel, "L_" + what);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    column->addLayout(row);
    column->addWidget(caption);
    column->addStretch();
    return panel;
}

void SettingsPage::Show(const JigsawBrowser& browser)
{
    const PreviewState preview = browser.Preview();
    thumbName_->setText(QString::fromStdString(browser.PreviewName()));
    thumb_->setVisible(preview == PreviewState::Picture);
    comment_->setVisible(preview == PreviewState::Invalid);
    if (preview == PreviewState::Picture) {
        TPixelBuffer picture;
        const bool marked = browser.PreviewIsSavedGame() && art_.saveIcon.width > 0;
        FitDraw(picture, kThumbWidth, kThumbHeight, marked ? &art_.saveIcon : nullptr, face_, browser.PreviewPicture());
        thumb_->setPixmap(QPixmap::fromImage(PixImage(picture).copy()));
    }

    shown_ = browser.Choices();
    pieceCount_ = browser.PieceCount();
    pieceCaption_->setVisible(browser.PieceSizeShown());
    sample_->setVisible(browser.PieceSizeShown());
    if (browser.PieceSizeShown())
        ShowSample(browser);
    {
        const QSignalBlocker blocker(level_);
        level_->setValue(shown_.level);
    }

    const bool enabled = browser.ChoicesEnabled();
    level_->setEnabled(enabled);
    MarkChosen(shapes_, shown_.shape);
    MarkChosen(borders_, shown_.border);
    MarkChosen(mixes_, shown_.spread);
    rotation_.buttons[0]->SetChosen(shown_.rotate);
    fit_.buttons[0]->SetChosen(shown_.fitToScreen);
    for (ChoiceButton* button : findChildren<ChoiceButton*>())
        button->setEnabled(enabled);
    ShowCaptions();
}

void SettingsPage::ShowSample(const JigsawBrowser& browser)
{
    // Drawn on the transparent colour, the piece stands on the panel itself.
    TPixelBuffer sample;
    DrawPieceSample(sample, browser.SampleTileSize(), shown_.shape, art_.shapeMasks, art_.sampleTexture, kShapeChoiceKey);
    QPixmap picture = PixKeyedPixmap(sample, kShapeChoiceKey);
    // A piece larger than the sample picture is drawn at the picture's size and shown stretched.
    const SampleSize size = PieceSampleSize(browser.SampleTileSize());
    if (size.enlarged)
        picture = picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The field is composed in the screen's pixels: the sample shows as large as the pieces will.
    picture.setDevicePixelRatio(sample_->devicePixelRatio());
    sample_->setPixmap(picture);
}

void SettingsPage::Retranslate()
{
    thumbPanel_->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_Picture", "Picture"));
    piecePanel_->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_PieceSize", "Piece size"));
    shapes_.panel->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_Shapes", "Shapes"));
    borders_.panel->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_Borders", "Frame"));
    mixes_.panel->setTitle(DialogText(translator_, LangSection::LoadSave, "Mix", "Mixing"));
    rotation_.panel->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_Rotation", "Rotation"));
    fit_.panel->setTitle(DialogText(translator_, LangSection::LoadSave, "GB_FitToScreen", "Size"));
    comment_->setText(DialogText(translator_, LangSection::LoadSave, "L_Comment", "Invalid Jigsaw"));
    for (int i = 0; i < kShapeStyleCount; ++i)
        shapes_.buttons[i]->SetHint(ShapeStyleText(translator_, i));
    for (int i = 0; i < int(borders_.buttons.size()); ++i)
        borders_.buttons[i]->SetHint(BorderStyleText(translator_, i));
    for (int i = 0; i < int(mixes_.buttons.size()); ++i)
        mixes_.buttons[i]->SetHint(MixText(translator_, i));
    ShowCaptions();
}

void SettingsPage::ShowCaptions()
{
    const std::string pieces = DialogText(translator_, LangSection::LoadSave, "L_PieceNum", "%d pieces").toStdString();
    pieceCaption_->setText(QString::fromStdString(FormatText(pieces, {std::to_string(pieceCount_)})));
    shapes_.caption->setText(ShapeStyleText(translator_, shown_.shape));
    borders_.caption->setText(BorderStyleText(translator_, shown_.border));
    mixes_.caption->setText(MixText(translator_, shown_.spread));
    const QString rotation = shown_.rotate ? DialogText(translator_, LangSection::LoadSave, "RotateOn", "Rotation on")
                                           : DialogText(translator_, LangSection::LoadSave, "RotateOff", "Rotation off");
    rotation_.caption->setText(rotation);
    rotation_.buttons[0]->SetHint(rotation);
    const QString fit = shown_.fitToScreen ? DialogText(translator_, LangSection::LoadSave, "FitOn", "Fit to screen")
                                           : DialogText(translator_, LangSection::LoadSave, "FitOff", "Actual size");
    fit_.caption->setText(fit);
    fit_.buttons[0]->SetHint(fit);
}

}  // namespace kirvo
