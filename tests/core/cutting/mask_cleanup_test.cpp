#include "cutting/MaskCleanup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

// Canvases drawn as text: '.' white, 'P' the piece, 'Q' another piece, '#' black.
const uint32_t kPiece = MakeColour(128, 0, 25);
const uint32_t kOther = MakeColour(128, 0, 150);

TPixelBuffer Canvas(const std::vector<std::string>& rows)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            const char c = rows[y][x];
            PixSetPixel(canvas, x, y, c == '.' ? 0xFFFFFF : c == 'P' ? kPiece : c == 'Q' ? kOther : 0);
        }
    return canvas;
}

std::vector<std::string> Rows(const TPixelBuffer& canvas)
{
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.height; ++y) {
        std::string row;
        for (int x = 0; x < canvas.width; ++x) {
            const int64_t c = PixGetPixel(canvas, x, y);
            row += c == 0xFFFFFF ? '.' : c == kPiece ? 'P' : c == kOther ? 'Q' : '#';
        }
        rows.push_back(row);
    }
    return rows;
}

// A white pixel among four of the piece's takes the colour; a white region touching the piece is
// filled whole, even where it leaves the box, and the found box takes it in; white on the box's
// outer rows and columns, and white that does not touch the piece, stay.
TEST(CleanMask, ClosesHolesThatTouchThePiece)
{
    TPixelBuffer canvas = Canvas({
        ".P......",
        "PPP.QQQ.",
        "P.P.Q.Q.",
        "PPPPQQQ.",
        "PP.....Q",
        "PPPPPPPQ",
    });
    const TBox found = CleanMask(canvas, 8, 6, kPiece, BoxFromCorners(0, 0, 3, 5));
    EXPECT_EQ(Rows(canvas), (std::vector<std::string>{
                                ".P......",
                                "PPP.QQQ.",
                                "PPP.Q.Q.",
                                "PPPPQQQ.",
                                "PPPPPPPQ",
                                "PPPPPPPQ",
                            }));
    EXPECT_EQ(found, BoxFromCorners(0, 0, 6, 5));
}

// The box is clipped to the picture: the mask's margin right and below is never looked at.
TEST(CleanMask, LooksOnlyInsideThePicture)
{
    TPixelBuffer canvas = Canvas({
        "PPPP#",
        "P..P#",
        "PPPPP",
        "PPPP#",
    });
    const TBox found = CleanMask(canvas, 4, 3, kPiece, BoxFromCorners(-5, -5, 20, 20));
    EXPECT_EQ(Rows(canvas)[1], "PPPP#");
    EXPECT_EQ(found, BoxFromCorners(0, 0, 3, 2));

    EXPECT_TRUE(BoxIsEmpty(CleanMask(canvas, 4, 3, kOther, BoxFromCorners(0, 0, 3, 2))));
    EXPECT_TRUE(BoxIsEmpty(CleanMask(canvas, 4, 3, kPiece, BoxFromCorners(10, 10, 20, 20))));
}

}  // namespace
}  // namespace kirvo
