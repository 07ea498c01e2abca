// TF_ColorPicker: the modal dialog that chooses one colour value, for the background of the play
// windows (where the value may also name a textured background) and for the wood colour of the
// pieces' edges.
//
// It offers the 48 palette colours, the gamma area (a colour field drawn as a hue circle or a hue
// square), up to eight preset colours of the caller and, for the background of all windows, the
// eight texture thumbnails. Every choice is handed to the caller's preview at once, so the target
// shows it while the dialog is open. The dialog is made for one use and gone afterwards.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "raster/PixelBuffer.h"
#include "session/ColourPalette.h"
#include "session/GammaArea.h"
#include "settings/Translation.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kirvo {

struct PickerRequest {
    QString caption;
    uint32_t selected = 0;
    GammaShape shape = GammaShape::Square;
    bool showTextures = false;              // only for the background of all windows
    std::vector<uint32_t> presets;          // at most eight
    std::function<void(uint32_t)> preview;  // applies a value to the target while the dialog is open
};

// Shows the picker modally: the chosen value on OK. On Cancel it calls preview with the value it
// started from, so the target shows the old value again, and returns nothing.
std::optional<uint32_t> PickColour(const PickerRequest& request, const Translator& translator,
                                   const std::array<TPixelBuffer, kTextureCount>& textureThumbnails, QWidget* parent);

class ColourPickerDialog : public QDialog {
    Q_OBJECT

public:
    // The thumbnails must outlive the dialog.
    ColourPickerDialog(const PickerRequest& request, const Translator& translator,
                       const std::array<TPixelBuffer, kTextureCount>& textureThumbnails, QWidget* parent = nullptr);

    uint32_t Selected() const { return selected_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddLabel(const char* name);
    QLabel* AddPicture(const char* name);
    void Translate(const Translator& translator);
    void LayOut();
    void SetShape(GammaShape shape);
    void ShowSelection();
    void Choose(uint32_t value);
    std::optional<uint32_t> CellValue(QObject* picture, QPoint at) const;
    void Hover(QPoint at);

    const std::array<TPixelBuffer, kTextureCount>& thumbnails_;
    std::function<void(uint32_t)> preview_;
    std::vector<uint32_t> presets_;
    uint32_t selected_;
    uint32_t face_;                // the button face: the selector pictures' ground
    GammaShape shape_;
    TPixelBuffer field_;           // I_StoreGamma: the gamma area without the marker

    QLabel* paletteCaption_ = nullptr;   // L_PalCap
    QLabel* palette_ = nullptr;          // I_Pal
    QLabel* gammaCaption_ = nullptr;     // L_GammaCap
    QLabel* gamma_ = nullptr;            // I_Gamma
    QToolButton* circle_ = nullptr;      // B_Circle
    QToolButton* square_ = nullptr;      // B_Square
    QLabel* presetCaption_ = nullptr;    // L_DefColCap
    QLabel* presetPicture_ = nullptr;    // I_DefCol
    QLabel* selectedCaption_ = nullptr;  // L_SelColCap
    QLabel* selectedSwatch_ = nullptr;   // I_SelCol
    QLabel* hoverSwatch_ = nullptr;      // I_PointColor
    QLabel* textureCaption_ = nullptr;   // L_BkgPicsCap
    QLabel* textures_ = nullptr;         // I_BkgPics
    QPushButton* ok_ = nullptr;          // B_Ok
    QPushButton* cancel_ = nullptr;      // B_Cancel
};

}  // namespace kirvo
