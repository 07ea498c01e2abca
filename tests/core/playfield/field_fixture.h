// A tiny puzzle for the field drawing tests: a picture whose every pixel has its own colour, a
// mask painted by hand, pieces placed by hand, and the play windows over a small field.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "playfield/FieldImage.h"

namespace kirvo {

inline constexpr uint32_t kSentinel = 0x123456;  // what a compose has not touched

class FieldTest : public testing::Test {
protected:
    static constexpr int kFieldWidth = 200;
    static constexpr int kFieldHeight = 150;

    FieldTest()
    {
        SetStartField(windows, kFieldWidth, kFieldHeight);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        SizeFieldImages(field, kFieldWidth, kFieldHeight, kSentinel);
        MakePicture(48, 44);
    }

    void MakePicture(int width, int height)
    {
        state.descriptor.ImageW = width;
        state.descriptor.ImageH = height;
        PixCreate24(state.buffers[kPictureBuffer], width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                PixSetPixel(state.buffers[kPictureBuffer], x, y, PictureColour(x, y));
        PixCreate24(state.buffers[kMaskBuffer], width + kMaskMargin, height + kMaskMargin);
    }

    static uint32_t PictureColour(int x, int y) { return MakeColour(5 * x + 3, 5 * y + 3, 77); }
    static uint32_t Inverted(uint32_t colour) { return ~colour & 0xFFFFFF; }

    // Gives the mask pixels of the rectangle to the mask value.
    void Own(int x, int y, int width, int height, uint8_t maskValue)
    {
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column)
                PixSetPixel(state.buffers[kMaskBuffer], column, row, MakeColour(128, 0, maskValue));
    }

    // A piece of its own group at (x, y) of the window, cut from the source box; returns its index.
    int AddPiece(int sourceX, int sourceY, int width, int height, uint8_t maskValue, int window, int x, int y)
    {
        PieceRecord piece;
        piece.sourceX = sourceX;
        piece.sourceY = sourceY;
        piece.sourceWidth = width;
        piece.sourceHeight = height;
        piece.maskValue = maskValue;
        piece.window = uint8_t(window);
        piece.x = x;
        piece.y = y;
        piece.group = int(state.pieces.size());
        state.pieces.push_back(piece);
        state.descriptor.TotalTileNum = int(state.pieces.size());
        DeriveGeometry(state, piece.group);
        SortDrawOrder(state, SortOrder::Ascending);
        return piece.group;
    }

    // Pocket 2 shown at (left, top) with scroll bars over a 300 x 300 virtual field.
    TMyWin& ShowScrolledPocket(int left, int top, int scrollX, int scrollY)
    {
        ShowOrHidePocket(windows, state, MW_POCKET0, Visibility::Shown);
        TMyWin& pocket = windows.windows[MW_POCKET0];
        BoxMoveTo(pocket.frame, left, top);
        pocket.extentWidth = 300;
        pocket.extentHeight = 300;
        LayOut(pocket, SizeSource::FromFrame);  // the bars appear, at scroll (0, 0)
        pocket.scrollX = scrollX;
        pocket.scrollY = scrollY;
        LayOut(pocket, SizeSource::FromFrame);
        return pocket;
    }

    void Fill(TPixelBuffer& image, uint32_t colour) { PixFillRect(image, 0, 0, image.width, image.height, colour); }
    void ComposeAll(What what = What::All)
    {
        Compose(field, Layer::Field, FieldBox(windows), what, state, windows);
    }
    uint32_t At(int x, int y) const { return uint32_t(PixGetPixel(field.image, x, y)); }
    uint32_t UnderAt(int x, int y) const { return uint32_t(PixGetPixel(field.under, x, y)); }

    GameState state;
    PlayWindows windows;
    FieldImage field;
};

}  // namespace kirvo
