// The play fixture: a freshly opened game of a small picture on a 640 x 480 field, played with
// the mouse, with helpers to find, lay out and drag pieces.
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "playfield/Joining.h"
#include "playfield/PlayMouse.h"
#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {

inline constexpr int kFieldWidth = 640;
inline constexpr int kFieldHeight = 480;

using testing::DrawnAtlas;

// A freshly opened game of a small picture, played with the mouse on the field.
class PlayMouseTest : public ::testing::Test {
protected:
    void Open(bool rotate, bool clickToDrag = false)
    {
        SetStartField(windows, kFieldWidth, kFieldHeight);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        SizeFieldImages(field, kFieldWidth, kFieldHeight, kDefaultBackground);
        NewGameChoices choices;
        choices.pending.ImageW = 240;
        choices.pending.ImageH = 180;
        TakeChoices(choices.pending, {.Rotate = rotate, .ShapeStyle = 4, .Level = 13, .FitToScreen = false});
        ComputeFitSize(choices.pending, kFieldWidth, kFieldHeight);
        ASSERT_TRUE(ApplyChosenLevel(choices.pending));
        choices.seedText = "5";
        TPixelBuffer picture;
        PixCreate24(picture, 240, 180);
        PixFillRect(picture, 0, 0, 240, 180, 0x808080);
        Random random;
        ASSERT_TRUE(StartNewGame(state, windows, choices, std::move(picture), random, DrawnAtlas()));
        options.keys.bClickToDrag = clickToDrag;
        Redraw(field, state, windows, TPixelBuffer {});
    }

    PlayContext Play() { return {state, windows, field, drag, options, {kFieldWidth, kFieldHeight + 40}}; }

    // A field point on the piece: the middle of its box, or the first point of it found from there.
    std::pair<int, int> PointOn(int piece)
    {
        const PieceRecord& p = state.pieces[size_t(piece)];
        const TMyWin& w = windows.windows[p.window];
        for (int dy = 0; dy < p.height; ++dy)
            for (int dx = 0; dx < p.width; ++dx) {
                const int x = p.x + (p.width / 2 + dx) % p.width + w.client.left - w.scrollX;
                const int y = p.y + (p.height / 2 + dy) % p.height + w.client.top - w.scrollY;
                state.currentWindow = p.window;
                if (PieceAtPoint(state, windows, x, y) == piece)
                    return {x, y};
            }
        ADD_FAILURE() << "no point on piece " << piece;
        return {0, 0};
    }

    // Piece 0 at the top left, the others apart in rows on the right, so none covers another.
    void LayOutApart()
    {
        PieceRecord& first = state.pieces[0];
        first.x = 20 + first.sourceX;
        first.y = 20 + first.sourceY;
        for (int k = 1; k < state.descriptor.TotalTileNum; ++k) {
            state.pieces[size_t(k)].x = 300 + (k - 1) % 4 * 85;
            state.pieces[size_t(k)].y = 10 + (k - 1) / 4 * 85;
        }
    }

    // Where piece k must lie to join piece 0 unturned.
    std::pair<int, int> PlaceBeside0(int k)
    {
        const PieceRecord& first = state.pieces[0];
        const PieceRecord& p = state.pieces[size_t(k)];
        return {first.x - first.sourceX + p.sourceX, first.y - first.sourceY + p.sourceY};
    }

    // Drags piece k by the left button so that it ends at (x, y) plus the slip.
    PlayOutcome DragTo(int k, std::pair<int, int> place, int slip = 0)
    {
        auto [fromX, fromY] = PointOn(k);
        const PieceRecord& p = state.pieces[size_t(k)];
        const int toX = fromX + place.first - p.x + slip;
        const int toY = fromY + place.second - p.y + slip;
        PlayContext play = Play();
        PlayMouseDown(play, kLeftButton, 0, fromX, fromY);
        PlayMouseMove(play, true, (fromX + toX) / 2, (fromY + toY) / 2);
        PlayMouseMove(play, true, toX, toY);
        return PlayMouseUp(play, kLeftButton, 0, toX, toY);
    }

    GameState state;
    PlayWindows windows;
    FieldImage field;
    PlayDrag drag;
    PlayOptions options;
};

}  // namespace kirvo
