// kirvo-toolbar-art FOLDER: draws the toolbar's button sheet and skin sheet and the two drag
// cursors, and writes them as toolbar-buttons.png, toolbar-skin.png, cursor-dragaaa.png and
// cursor-dragbbb.png. The cursors are 32 x 32 with magenta as the transparent colour.
#include <cstdio>
#include <string>

#include "commands/ToolbarSkin.h"
#include "raster/PixelBuffer.h"
#include "PngFile.h"

namespace {

using namespace kirvo;

const uint32_t kSheetBack = MakeColour(40, 44, 52);
const uint32_t kTransparent = MakeColour(255, 0, 255);

struct FaceColours {
    uint32_t top, bottom, frame, glyph, accent;
};

FaceColours ColoursFor(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Normal: return {MakeColour(78, 96, 128), MakeColour(44, 56, 82), MakeColour(28, 34, 48), MakeColour(226, 232, 240), MakeColour(246, 190, 80)};
    case ButtonLook::Raised: return {MakeColour(120, 150, 196), MakeColour(70, 96, 140), MakeColour(240, 210, 120), MakeColour(255, 255, 255), MakeColour(255, 214, 110)};
    case ButtonLook::Disabled: return {MakeColour(92, 94, 98), MakeColour(70, 72, 76), MakeColour(52, 54, 58), MakeColour(126, 128, 132), MakeColour(126, 128, 132)};
    }
    return {};
}

void VerticalGradient(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t top, uint32_t bottom)
{
    Rgb a = SplitColour(top), b = SplitColour(bottom);
    for (int row = 0; row < h; ++row) {
        int t = h > 1 ? row * 256 / (h - 1) : 0;
        auto mix = [t](int p, int q) { return p + (q - p) * t / 256; };
        PixFillRect(buffer, x, y + row, w, 1, MakeColour(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)));
    }
}

void Circle(TPixelBuffer& buffer, int cx, int cy, int r, uint32_t colour)
{
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x) {
            int d = x * x + y * y;
            if (d <= r * r + r && d >= r * r - r)
                PixSetPixel(buffer, cx + x, cy + y, colour);
        }
}

// The open tray of a pocket, its walls rising from the bottom to row top of the face.
void PocketTray(TPixelBuffer& b, int x, int y, int top, uint32_t colour)
{
    PixFillRect(b, x + 6, y + top, 2, 22 - top, colour);
    PixFillRect(b, x + 21, y + top, 2, 22 - top, colour);
    PixFillRect(b, x + 6, y + 21, 17, 2, colour);
}

// A bent arrow for undo (pointing left-down) or redo (pointing right-down): an arch with the
// arrowhead on one leg.
void TurnArrow(TPixelBuffer& b, int x, int y, bool redo, const FaceColours& c)
{
    const int cx = x + 14, cy = y + 15, r = 7;
    for (int dy = -r; dy <= 0; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            int d = dx * dx + dy * dy;
            if (d <= r * r + r && d >= (r - 2) * (r - 2))
                PixSetPixel(b, cx + dx, cy + dy, c.glyph);
        }
    const int head = redo ? cx + r - 1 : cx - r + 1;
    const int tail = redo ? cx - r + 1 : cx + r - 1;
    PixFillRect(b, tail - 1, cy, 2, 4, c.glyph);
    for (int i = 0; i < 4; ++i)
        PixFillRect(b, head - 3 + i, cy + 1 + i, 7 - 2 * i, 1, c.accent);
}

// The pictogram of one sheet column, inside the 29 x 29 face at (x, y).
void DrawGlyph(TPixelBuffer& b, int x, int y, int column, const FaceColours& c)
{
    uint32_t g = c.glyph, a = c.accent;
    switch (column) {
    case 0:  // open: a folder
        PixFillRect(b, x + 6, y + 9, 7, 3, a);
        PixFillRect(b, x + 6, y + 11, 17, 10, a);
        PixFrameRect(b, x + 6, y + 11, 17, 10, g);
        break;
    case 1:  // save: a disk
        PixFrameRect(b, x + 7, y + 7, 15, 15, g);
        PixFillRect(b, x + 10, y + 8, 9, 5, a);
        PixFillRect(b, x + 10, y + 16, 9, 5, g);
        break;
    case 2:  // download: an arrow onto a shelf
        PixFillRect(b, x + 13, y + 6, 3, 10, g);
        for (int i = 0; i < 5; ++i)
            PixFillRect(b, x + 10 + i, y + 15 + i, 9 - 2 * i, 1, g);
        PixFillRect(b, x + 7, y + 21, 15, 2, a);
        break;
    case 3:  // background for all windows: a checker
        for (int i = 0; i < 4; ++i)
            PixFillRect(b, x + 7 + (i % 2) * 8, y + 7 + (i / 2) * 8, 7, 7, (i == 0 || i == 3) ? a : g);
        break;
    case 4:  // background for this window
        PixFillRect(b, x + 8, y + 8, 13, 13, a);
        PixFrameRect(b, x + 7, y + 7, 15, 15, g);
        break;
    case 5:  // first side
    case 6:  // second side
        PixFrameRect(b, x + 6, y + 7, 17, 15, g);
        PixFillRect(b, x + 6, y + 7, 17, 3, g);
        PixFillRect(b, x + (column == 5 ? 14 : 11), y + 12, 2, 7, a);
        if (column == 6)
            PixFillRect(b, x + 16, y + 12, 2, 7, a);
        break;
    case 7:  // thumbnail
        PixFrameRect(b, x + 6, y + 6, 17, 17, g);
        PixFillRect(b, x + 14, y + 14, 7, 7, a);
        break;
    case 8:  // information
        PixFillRect(b, x + 13, y + 7, 3, 3, a);
        PixFillRect(b, x + 13, y + 12, 3, 10, g);
        PixFillRect(b, x + 11, y + 21, 7, 2, g);
        break;
    case 9:  // empty pocket
    case 10:  // pocket with pieces
        PocketTray(b, x, y, 9, g);
        if (column == 10)
            PixFillRect(b, x + 9, y + 13, 11, 7, a);
        break;
    case 11:  // select all: a dashed frame
        for (int i = 0; i < 17; i += 4) {
            PixFillRect(b, x + 6 + i, y + 6, 2, 2, g);
            PixFillRect(b, x + 6 + i, y + 21, 2, 2, g);
            PixFillRect(b, x + 6, y + 6 + i, 2, 2, g);
            PixFillRect(b, x + 21, y + 6 + i, 2, 2, g);
        }
        PixFillRect(b, x + 11, y + 11, 7, 7, a);
        break;
    case 12:  // arrange: a grid of pieces
        for (int i = 0; i < 9; ++i)
            PixFillRect(b, x + 7 + (i % 3) * 6, y + 7 + (i / 3) * 6, 4, 4, i == 4 ? a : g);
        break;
    case 13:  // glass
        Circle(b, x + 12, y + 12, 6, g);
        PixLine(b, x + 17, y + 17, x + 22, y + 22, a);
        PixLine(b, x + 17, y + 18, x + 21, y + 22, a);
        break;
    case 14:  // weight off
    case 15:  // weight on
        for (int i = 0; i < 10; ++i)
            PixFillRect(b, x + 10 - i / 2, y + 11 + i, 9 + i, 1, column == 15 ? a : g);
        Circle(b, x + 14, y + 8, 2, g);
        break;
    case 16:  // options: sliders
        for (int i = 0; i < 3; ++i) {
            PixFillRect(b, x + 6, y + 8 + i * 6, 17, 1, g);
            PixFillRect(b, x + 9 + i * 4, y + 6 + i * 6, 3, 5, a);
        }
        break;
    case 17:  // help: a question mark
        PixFillRect(b, x + 10, y + 6, 9, 2, g);
        PixFillRect(b, x + 18, y + 7, 2, 6, g);
        PixFillRect(b, x + 14, y + 13, 5, 2, g);
        PixFillRect(b, x + 13, y + 14, 2, 4, g);
        PixFillRect(b, x + 13, y + 20, 3, 3, a);
        break;
    case 18:  // application menu
        for (int i = 0; i < 3; ++i)
            PixFillRect(b, x + 7, y + 8 + i * 6, 15, 3, i == 0 ? a : g);
        break;
    case 19:  // minimise
        PixFillRect(b, x + 7, y + 19, 11, 3, g);
        break;
    case 20:  // close
        for (int i = 0; i < 3; ++i) {
            PixLine(b, x + 7 + i, y + 7, x + 17 + i, y + 21, g);
            PixLine(b, x + 17 + i, y + 7, x + 7 + i, y + 21, g);
        }
        break;
    case 21:  // full screen: four corners
        for (int corner = 0; corner < 4; ++corner) {
            int cx = corner % 2 ? x + 17 : x + 6, cy = corner / 2 ? y + 17 : y + 6;
            PixFillRect(b, cx, corner / 2 ? cy + 4 : cy, 6, 2, g);
            PixFillRect(b, corner % 2 ? cx + 4 : cx, cy, 2, 6, g);
        }
        PixFillRect(b, x + 12, y + 12, 5, 5, a);
        break;
    case 22:  // undo
    case 23:  // redo
        TurnArrow(b, x, y, column == 23, c);
        break;
    case 24:  // find: a piece with a sparkle beside it
        PixFrameRect(b, x + 6, y + 11, 12, 12, g);
        PixFillRect(b, x + 10, y + 8, 4, 3, g);
        PixFillRect(b, x + 18, y + 15, 3, 4, g);
        PixFillRect(b, x + 21, y + 4, 1, 9, a);
        PixFillRect(b, x + 17, y + 8, 9, 1, a);
        PixFillRect(b, x + 20, y + 7, 3, 3, a);
        break;
    case 25:  // edge pieces to pocket: a corner piece dropping into a pocket
        PocketTray(b, x, y, 12, g);
        PixFillRect(b, x + 10, y + 5, 3, 14, a);
        PixFillRect(b, x + 10, y + 16, 9, 3, a);
        break;
    case 26:  // clock
        Circle(b, x + 14, y + 14, 8, g);
        PixFillRect(b, x + 14, y + 8, 1, 7, g);
        PixFillRect(b, x + 14, y + 14, 5, 1, a);
        PixFillRect(b, x + 13, y + 13, 3, 3, a);
        break;
    }
}

TPixelBuffer DrawButtonSheet()
{
    TPixelBuffer sheet;
    PixCreate24(sheet, kButtonSheetWidth, kButtonSheetHeight);
    PixFillRect(sheet, 0, 0, sheet.width, sheet.height, kSheetBack);
    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Raised, ButtonLook::Disabled}) {
        FaceColours colours = ColoursFor(look);
        for (int column = 0; column < kButtonSheetColumns; ++column) {
            int x = ButtonFaceX(column), y = ButtonFaceY(look);
            VerticalGradient(sheet, x, y, kButtonFace, kButtonFace, colours.top, colours.bottom);
            PixFrameRect(sheet, x, y, kButtonFace, kButtonFace, colours.frame);
            DrawGlyph(sheet, x, y, column, colours);
        }
    }
    return sheet;
}

void Gradient(TPixelBuffer& sheet, const SkinPiece& piece, uint32_t top, uint32_t bottom)
{
    VerticalGradient(sheet, piece.x, piece.y, piece.width, piece.height, top, bottom);
}

void EdgeLines(TPixelBuffer& sheet, const SkinPiece& left, const SkinPiece& right, uint32_t colour)
{
    PixFillRect(sheet, left.x, left.y, 2, left.height, colour);
    PixFillRect(sheet, right.x + right.width - 2, right.y, 2, right.height, colour);
}

TPixelBuffer DrawSkinSheet()
{
    TPixelBuffer sheet;
    PixCreate24(sheet, kSkinSheetWidth, kSkinSheetHeight);
    PixFillRect(sheet, 0, 0, sheet.width, sheet.height, kSheetBack);
    for (const SkinPiece& piece : {kToolbarLeftCap, kToolbarTile, kToolbarRightCap})
        Gradient(sheet, piece, MakeColour(64, 72, 90), MakeColour(24, 28, 38));
    PixFillRect(sheet, kToolbarLeftCap.x, kToolbarLeftCap.y + 34, 70, 1, MakeColour(10, 12, 16));
    EdgeLines(sheet, kToolbarLeftCap, kToolbarRightCap, MakeColour(96, 108, 132));

    for (const SkinPiece& piece : {kPanelLeftCap, kPanelTile, kPanelRightCap})
        Gradient(sheet, piece, MakeColour(70, 80, 100), MakeColour(34, 38, 50));
    EdgeLines(sheet, kPanelLeftCap, kPanelRightCap, MakeColour(150, 160, 184));

    for (const SkinPiece& piece : {kBarEmptyLeft, kBarEmptyTile, kBarEmptyRight})
        Gradient(sheet, piece, MakeColour(18, 20, 26), MakeColour(46, 50, 60));
    for (const SkinPiece& piece : {kBarFullLeft, kBarFullTile, kBarFullRight})
        Gradient(sheet, piece, MakeColour(250, 210, 110), MakeColour(200, 120, 40));
    EdgeLines(sheet, kBarEmptyLeft, kBarEmptyRight, MakeColour(90, 96, 110));
    EdgeLines(sheet, kBarFullLeft, kBarFullRight, MakeColour(150, 80, 20));
    return sheet;
}

// DRAGAAA: a hand over a piece, for picking up; DRAGBBB: a closed hand, for carrying.
TPixelBuffer DrawCursor(bool carrying)
{
    const uint32_t outline = MakeColour(0, 0, 0), fill = MakeColour(255, 255, 255);
    TPixelBuffer cursor;
    PixCreate24(cursor, 32, 32);
    PixFillRect(cursor, 0, 0, 32, 32, kTransparent);
    int fingerTop = carrying ? 12 : 6;
    for (int finger = 0; finger < 4; ++finger) {
        int x = 8 + finger * 4, top = fingerTop + (finger == 0 || finger == 3 ? 2 : 0);
        PixFillRect(cursor, x, top, 4, 18 - top + 6, outline);
        PixFillRect(cursor, x + 1, top + 1, 2, 18 - top + 6, fill);
    }
    PixFillRect(cursor, 7, 17, 19, 9, outline);
    PixFillRect(cursor, 8, 17, 17, 8, fill);
    PixFillRect(cursor, 9, 26, 15, 3, outline);
    PixFillRect(cursor, 10, 25, 13, 3, fill);
    PixFillRect(cursor, 4, carrying ? 16 : 14, 4, 6, outline);
    PixFillRect(cursor, 5, carrying ? 17 : 15, 3, 4, fill);
    return cursor;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* tool = "kirvo-toolbar-art";
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", tool);
        return 2;
    }
    std::string folder = std::string(argv[1]) + "/";
    const bool written = WritePng(tool, folder + "toolbar-buttons.png", DrawButtonSheet())
                && WritePng(tool, folder + "toolbar-skin.png", DrawSkinSheet())
                && WritePng(tool, folder + "cursor-dragaaa.png", DrawCursor(false))
                && WritePng(tool, folder + "cursor-dragbbb.png", DrawCursor(true));
    return written ? 0 : 1;
}
