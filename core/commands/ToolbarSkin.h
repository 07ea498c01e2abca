// The toolbar's pictures: the button sheet (every face in three looks) and the skin sheet (pieces
// of the toolbar and progress-panel backgrounds), and the backgrounds built from them by tiling.
#pragma once

#include "raster/PixelBuffer.h"

namespace kirvo {

// Button sheet: 27 columns of 29 x 29 faces in three rows, with one-pixel separators.
inline constexpr int kButtonSheetWidth = 811;
inline constexpr int kButtonSheetHeight = 91;
inline constexpr int kButtonSheetColumns = 27;
inline constexpr int kButtonFace = 29;

enum class ButtonLook { Normal, Raised, Disabled };  // Raised: hot or checked

inline int ButtonFaceX(int column) { return 30 * column + 1; }
int ButtonFaceY(ButtonLook look);
// The look of a button: disabled wins, then raised or checked.
ButtonLook ButtonLookFor(bool enabled, bool raised, bool checked);

// Skin sheet pieces.
inline constexpr int kSkinSheetWidth = 390;
inline constexpr int kSkinSheetHeight = 170;

struct SkinPiece {
    int x, y, width, height;
};

inline constexpr SkinPiece kToolbarLeftCap {308, 115, 10, 35};
inline constexpr SkinPiece kToolbarTile {318, 115, 50, 35};
inline constexpr SkinPiece kToolbarRightCap {368, 115, 10, 35};
inline constexpr SkinPiece kPanelLeftCap {308, 1, 10, 100};
inline constexpr SkinPiece kPanelTile {318, 1, 10, 100};
inline constexpr SkinPiece kPanelRightCap {328, 1, 10, 100};
inline constexpr SkinPiece kBarEmptyLeft {340, 22, 10, 20};
inline constexpr SkinPiece kBarEmptyTile {350, 22, 10, 20};
inline constexpr SkinPiece kBarEmptyRight {360, 22, 10, 20};
inline constexpr SkinPiece kBarFullLeft {340, 1, 10, 20};
inline constexpr SkinPiece kBarFullTile {350, 1, 10, 20};
inline constexpr SkinPiece kBarFullRight {360, 1, 10, 20};

// The toolbar background: tiles from x = 0, then the caps at both ends. 24-bit.
TPixelBuffer BuildToolbarBackground(const TPixelBuffer& skin, int width, int height);
// The progress panel background, width x 100.
TPixelBuffer BuildProgressBackground(const TPixelBuffer& skin, int panelWidth);
enum class BarLook { Empty, Full };
// A progress bar for a panel: (panelWidth - 70) x 20.
TPixelBuffer BuildProgressBar(const TPixelBuffer& skin, int panelWidth, BarLook look);

}  // namespace kirvo
