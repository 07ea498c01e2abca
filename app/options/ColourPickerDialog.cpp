#include "options/ColourPickerDialog.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <tuple>
#include <utility>

#include "diagnostics/DialogText.h"
#include "raster/ImageControl.h"
#include "raster/PixelImage.h"
#include "session/PickerSelectors.h"

namespace kirvo {

namespace {

constexpr int kLeft = 16;          // the left edge of the first column
constexpr int kTop = 12;
constexpr int kCaptionGap = 8;     // from a caption down to its picture
constexpr int kGap = 16;           // between the columns, and between a picture and the next caption
constexpr int kShapeButtonGap = 4;
constexpr int kShapeIconSide = 16;
constexpr int kSwatchWidth = 112;
constexpr int kMinSwatchHeight = 24;
constexpr int kButtonsBelow = 24;  // from the lowest picture down to OK and Cancel
constexpr int kRightMargin = 16;
constexpr int kBottomMargin = 12;

void ShowPicture(QLabel* label, const TPixelBuffer& picture)
{
    label->setPixmap(QPixmap::fromImage(PixImage(picture)));  // the pixmap keeps its own copy
}

// The shape's gamma area, shrunk to an icon.
QIcon ShapeIcon(GammaShape shape, uint32_t faceColour)
{
    TPixelBuffer field, icon;
    RenderGammaArea(field, shape, faceColour);
    PixCreate24(icon, kShapeIconSide, kShapeIconSide);
    PixScale(icon, field);
    return QIcon(QPixmap::fromImage(PixImage(icon)));
}

int Bottom(const QWidget* widget) { return widget->y() + widget->height(); }

// Places the widget at (x, y) at the size it asks for.
void Place(QWidget* widget, int x, int y)
{
    widget->setGeometry(x, y, widget->sizeHint().width(), widget->sizeHint().height());
}

}  // namespace

std::optional<uint32_t> PickColour(const PickerRequest& request, const Translator& translator,
                                   const std::array<TPixelBuffer, kTextureCount>& textureThumbnails, QWidget* parent)
{
    ColourPickerDialog dialog(request, translator, textureThumbnails, parent);
    if (dialog.exec() == QDialog::Accepted)
        return dialog.Selected();
    if (request.preview)
        request.preview(request.selected);
    return std::nullopt;
}

ColourPickerDialog::ColourPickerDialog(const PickerRequest& request, const Translator& translator,
                                       const std::array<TPixelBuffer, kTextureCount>& textureThumbnails,
                                       QWidget* parent)
    : QDialog(parent),
      thumbnails_(textureThumbnails),
      preview_(request.preview),
      presets_(request.presets.begin(), request.presets.begin() + std::min<size_t>(request.presets.size(), kMaxPresets)),
      selected_(request.selected),
      face_(ColourOf(palette().color(QPalette::Button))),
      shape_(request.shape)
{
    setObjectName("TF_ColorPicker");
    setWindowTitle(request.caption);

    paletteCaption_ = AddLabel("L_PalCap");
    palette_ = AddPicture("I_Pal");
    gammaCaption_ = AddLabel("L_GammaCap");
    gamma_ = AddPicture("I_Gamma");
    gamma_->setMouseTracking(true);
    for (auto [button, name, shape] : {std::tuple(&circle_, "B_Circle", GammaShape::Circle),
                                       std::tuple(&square_, "B_Square", GammaShape::Square)}) {
        *button = new QToolButton(this);
        (*button)->setObjectName(name);
        (*button)->setCheckable(true);
        (*button)->setAutoExclusive(true);
        (*button)->setIcon(ShapeIcon(shape, face_));
        connect(*button, &QToolButton::clicked, this, [this, shape] { SetShape(shape); });
    }
    if (!presets_.empty()) {
        presetCaption_ = AddLabel("L_DefColCap");
        presetPicture_ = AddPicture("I_DefCol");
    }
    selectedCaption_ = AddLabel("L_SelColCap");
    selectedSwatch_ = AddLabel("I_SelCol");
    hoverSwatch_ = AddLabel("I_PointColor");
    hoverSwatch_->hide();
    if (request.showTextures) {
        textureCaption_ = AddLabel("L_BkgPicsCap");
        textures_ = AddPicture("I_BkgPics");
    }
    ok_ = new QPushButton(this);
    ok_->setObjectName("B_Ok");
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName("B_Cancel");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    Translate(translator);
    LayOut();
    SetShape(shape_);
}

QLabel* ColourPickerDialog::AddLabel(const char* name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

// A picture that answers the mouse.
QLabel* ColourPickerDialog::AddPicture(const char* name)
{
    QLabel* picture = AddLabel(name);
    picture->installEventFilter(this);
    return picture;
}

void ColourPickerDialog::Translate(const Translator& translator)
{
    const std::pair<QLabel*, QString> captions[] = {
        {paletteCaption_, DialogText(translator, LangSection::ColorPicker, "L_PalCap", "Palette")},
        {gammaCaption_, DialogText(translator, LangSection::ColorPicker, "L_GammaCap", "Colour field")},
        {presetCaption_, DialogText(translator, LangSection::ColorPicker, "L_DefColCap", "Preset colours")},
        {selectedCaption_, DialogText(translator, LangSection::ColorPicker, "L_SelColCap", "Selected colour")},
        {textureCaption_, DialogText(translator, LangSection::ColorPicker, "L_BkgPicsCap", "Background pictures")},
    };
    for (const auto& [label, text] : captions)
        if (label)
            label->setText(text);
    circle_->setToolTip(DialogText(translator, LangSection::ColorPicker, "B_Circle", "Colour circle"));
    square_->setToolTip(DialogText(translator, LangSection::ColorPicker, "B_Square", "Colour square"));
    ok_->setText(DialogText(translator, LangSection::All, "B_Ok", "OK"));
    cancel_->setText(DialogText(translator, LangSection::All, "B_Cancel", "Cancel"));
}

// The palette and what belongs to the chosen colour stand in the left column, the gamma area in
// the right one; the textures and the buttons run below both.
void ColourPickerDialog::LayOut()
{
    Place(paletteCaption_, kLeft, kTop);
    palette_->setGeometry(kLeft, Bottom(paletteCaption_) + kCaptionGap, SelectorWidth(kPaletteGrid),
                          SelectorHeight(kPaletteGrid));
    const int paletteRight = palette_->x() + palette_->width();

    const int gammaLeft = paletteRight + kGap;
    Place(gammaCaption_, gammaLeft, kTop);
    gamma_->setGeometry(gammaLeft, palette_->y(), kGammaSide, kGammaSide);
    const int gammaRight = gammaLeft + kGammaSide;
    const QSize button = square_->sizeHint();
    const int buttonTop = gamma_->y() - kShapeButtonGap - button.height();
    square_->setGeometry(gammaRight - button.width(), buttonTop, button.width(), button.height());
    circle_->setGeometry(square_->x() - kShapeButtonGap - button.width(), buttonTop, button.width(), button.height());

    int rowTop = Bottom(palette_) + kGap;
    if (presetPicture_) {
        // On the caption's line, right-aligned to the palette; below the caption when that is too wide.
        const SelectorGrid grid = PresetGrid(int(presets_.size()));
        const int pictureLeft = paletteRight - SelectorWidth(grid);
        const QSize caption = presetCaption_->sizeHint();
        int pictureTop = rowTop;
        if (kLeft + caption.width() + kCaptionGap <= pictureLeft)
            Place(presetCaption_, kLeft, rowTop + (SelectorHeight(grid) - caption.height()) / 2);
        else {
            Place(presetCaption_, kLeft, rowTop);
            pictureTop = Bottom(presetCaption_) + kCaptionGap;
        }
        presetPicture_->setGeometry(pictureLeft, pictureTop, SelectorWidth(grid), SelectorHeight(grid));
        rowTop = std::max(Bottom(presetCaption_), Bottom(presetPicture_)) + kGap;
    }

    Place(selectedCaption_, kLeft, rowTop);
    const int swatchTop = Bottom(selectedCaption_) + kCaptionGap;
    const int swatchHeight = std::max(kMinSwatchHeight, Bottom(gamma_) - swatchTop);
    selectedSwatch_->setGeometry(kLeft, swatchTop, kSwatchWidth, swatchHeight);
    hoverSwatch_->setGeometry(paletteRight - kSwatchWidth, swatchTop, kSwatchWidth, swatchHeight);
    int lowest = std::max(Bottom(gamma_), Bottom(selectedSwatch_));

    int right = gammaRight;
    if (textures_) {
        Place(textureCaption_, kLeft, lowest + kGap);
        textures_->setGeometry(kLeft, Bottom(textureCaption_) + kCaptionGap, SelectorWidth(kTextureGrid),
                               SelectorHeight(kTextureGrid));
        lowest = Bottom(textures_);
        right = std::max(right, textures_->x() + textures_->width());
    }

    const QSize okSize = ok_->sizeHint().expandedTo(cancel_->sizeHint());
    cancel_->setGeometry(gammaRight - okSize.width(), lowest + kButtonsBelow, okSize.width(), okSize.height());
    ok_->setGeometry(cancel_->x() - kGap - okSize.width(), cancel_->y(), okSize.width(), okSize.height());
    setFixedSize(right + kRightMargin, Bottom(cancel_) + kBottomMargin);
}

void ColourPickerDialog::SetShape(GammaShape shape)
{
    shape_ = shape;
    (shape == GammaShape::Circle ? circle_ : square_)->setChecked(true);
    RenderGammaArea(field_, shape_, face_);
    ShowSelection();
}

// Draws the selectors, the swatch and the gamma area with the marker on the selected colour.
void ColourPickerDialog::ShowSelection()
{
    TPixelBuffer picture;
    DrawPaletteSelector(picture, selected_, face_);
    ShowPicture(palette_, picture);
    if (presetPicture_) {
        DrawPresetSelector(picture, presets_, selected_, face_);
        ShowPicture(presetPicture_, picture);
    }
    if (textures_) {
        DrawTextureSelector(picture, thumbnails_, selected_, face_);
        ShowPicture(textures_, picture);
    }

    // A texture is no colour: it has neither a swatch nor a place on the gamma area.
    const bool texture = IsTextureValue(selected_);
    selectedSwatch_->setVisible(!texture);
    PixFromBitmap(picture, field_);
    if (!texture) {
        ImageSetBitmap(selectedSwatch_, selectedSwatch_->width(), selectedSwatch_->height(), selected_, Fill::Yes);
        if (auto at = FindGammaMarker(field_, shape_, selected_))
            MarkGamma(picture, at->first, at->second);
    }
    ShowPicture(gamma_, picture);
}

void ColourPickerDialog::Choose(uint32_t value)
{
    selected_ = value;
    ShowSelection();
    if (preview_)
        preview_(selected_);
}

// The value of the selector cell under the point, if the picture is a selector and the point on a cell.
std::optional<uint32_t> ColourPickerDialog::CellValue(QObject* picture, QPoint at) const
{
    if (picture == palette_) {
        if (auto cell = SelectorCellAt(kPaletteGrid, at.x(), at.y()))
            return kPaletteColours[*cell];
    } else if (picture == presetPicture_) {
        if (auto cell = SelectorCellAt(PresetGrid(int(presets_.size())), at.x(), at.y()))
            return presets_[*cell];
    } else if (picture == textures_) {
        if (auto cell = SelectorCellAt(kTextureGrid, at.x(), at.y()))
            return TextureValue(*cell);
    }
    return std::nullopt;
}

void ColourPickerDialog::Hover(QPoint at)
{
    hoverSwatch_->show();
    if (GammaContains(shape_, at.x(), at.y()))
        ImageSetBitmap(hoverSwatch_, hoverSwatch_->width(), hoverSwatch_->height(),
                       uint32_t(PixGetPixel(field_, at.x(), at.y())), Fill::Yes);
}

bool ColourPickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() != Qt::LeftButton)
            break;
        if (watched == gamma_) {
            if (GammaContains(shape_, at.x(), at.y()))
                Choose(uint32_t(PixGetPixel(field_, at.x(), at.y())));
        } else if (std::optional<uint32_t> value = CellValue(watched, at); value && *value != selected_) {
            Choose(*value);
        }
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (watched == palette_ || watched == textures_) &&
            CellValue(watched, mouse->position().toPoint()) == selected_)
            accept();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == gamma_ && mouse->buttons() == Qt::NoButton)
            Hover(mouse->position().toPoint());
        break;
    }
    case QEvent::Leave:
        if (watched == gamma_)
            hoverSwatch_->hide();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kirvo
