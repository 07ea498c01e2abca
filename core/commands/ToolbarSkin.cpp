#include "commands/ToolbarSkin.h"

namespace kirvo {

namespace {

void CopyPiece(TPixelBuffer& dst, int x, int y, const TPixelBuffer& skin, const SkinPiece& piece)
{
    PixCopyRect(dst, x, y, piece.width, piece.height, skin, piece.x, piece.y);
}

// Left cap at 0, tiles after it, right cap flush with the end.
TPixelBuffer BuildStrip(const TPixelBuffer& skin, int width, int height, const SkinPiece& left,
                        const SkinPiece& tile, const SkinPiece& right)
{
    TPixelBuffer strip;
    if (width <= 0 || height <= 0)
        return strip;
    PixCreate24(strip, width, height);
    for (int x = left.width; x < width - right.width; x += tile.width)
        CopyPiece(strip, x, 0, skin, tile);
    CopyPiece(strip, 0, 0, skin, left);
    CopyPiece(strip, width - right.width, 0, skin, right);
    return strip;
}

}  // namespace

int ButtonFaceY(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Normal: return 1;
    case ButtonLook::Raised: return 31;
    case ButtonLook::Disabled: return 61;
    }
    return 1;
}

ButtonLook ButtonLookFor(bool enabled, bool raised, bool checked)
{
    if (!enabled)
        return ButtonLook::Disabled;
    return raised || checked ? ButtonLook::Raised : ButtonLook::Normal;
}

TPixelBuffer BuildToolbarBackground(const TPixelBuffer& skin, int width, int height)
{
    TPixelBuffer background;
    if (width <= 0 || height <= 0)
        return background;
    PixCreate24(background, width, height);
    for (int x = 0; x <= width; x += kToolbarTile.width)
        CopyPiece(background, x, 0, skin, kToolbarTile);
    CopyPiece(background, 0, 0, skin, kToolbarLeftCap);
    CopyPiece(background, width - kToolbarRightCap.width, 0, skin, kToolbarRightCap);
    return background;
}

TPixelBuffer BuildProgressBackground(const TPixelBuffer& skin, int panelWidth)
{
    return BuildStrip(skin, panelWidth, kPanelTile.height, kPanelLeftCap, kPanelTile, kPanelRightCap);
}

TPixelBuffer BuildProgressBar(const TPixelBuffer& skin, int panelWidth, BarLook look)
{
    bool full = look == BarLook::Full;
    return BuildStrip(skin, panelWidth - 70, kBarFullTile.height, full ? kBarFullLeft : kBarEmptyLeft,
                      full ? kBarFullTile : kBarEmptyTile, full ? kBarFullRight : kBarEmptyRight);
}

}  // namespace kirvo
