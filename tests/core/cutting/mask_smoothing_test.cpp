#include "cutting/MaskSmoothing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

// Canvases drawn as text, one colour per letter.
uint32_t ColourOf(char letter) { return MakeColour(128, 0, uint8_t(letter)); }

TPixelBuffer Canvas(const std::vector<std::string>& rows)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            PixSetPixel(canvas, x, y, ColourOf(rows[y][x]));
    return canvas;
}

std::vector<std::string> Rows(const TPixelBuffer& canvas)
{
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.height; ++y) {
        std::string row;
        for (int x = 0; x < canvas.width; ++x)
            row += char(PixGetPixel(canvas, x, y) >> 16);
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> Despeckled(const std::vector<std::string>& rows, int left, int top, int right, int bottom)
{
    TPixelBuffer canvas = Canvas(rows);
    Despeckle(canvas, BoxFromCorners(left, top, right, bottom));
    return Rows(canvas);
}

std::vector<std::string> Whole(const std::vector<std::string>& rows)
{
    return Despeckled(rows, 0, 0, int(rows[0].size()) - 1, int(rows.size()) - 1);
}

// Along the cut area's edge a pixel takes its previous pixel's colour when its next one matches
// it and the previous one matches both inward neighbours: runs of a stray colour shrink from the
// end the pass comes from, forward then backward, down to one pixel. Corners stay.
TEST(Despeckle, StraySpansAlongTheEdgeShrink)
{
    EXPECT_EQ(Whole({"AABBBAA",
                     "AAAAAAA",
                     "AAAAAAA"}),
              (std::vector<std::string>{"AAAABAA",
                                        "AAAAAAA",
                                        "AAAAAAA"}));
    // Only the backward pass finds a previous pixel of the inward colour.
    EXPECT_EQ(Whole({"CBBAA",
                     "AAAAA",
                     "AAAAA"}),
              (std::vector<std::string>{"CBAAA",
                                        "AAAAA",
                                        "AAAAA"}));
    // The right column looks left for its inward neighbours.
    EXPECT_EQ(Whole({"AAA", "AAB", "AAB", "AAA", "AAA"}),
              (std::vector<std::string>{"AAA", "AAA", "AAB", "AAA", "AAA"}));
    // A corner is never changed, though it is the next pixel of the one beside it.
    EXPECT_EQ(Whole({"BAA", "BAA", "AAA"}), (std::vector<std::string>{"BAA", "AAA", "AAA"}));
}

// A pixel with at most one neighbour of its own colour takes the colour of the first three equal
// ring neighbours in a row (top-left, top, top-right, right, bottom-right, bottom, bottom-left,
// left, wrapping round), else of the first equal pair, else keeps its own. The ring here is the
// edge of a 3 x 3 cut area, which the edge passes leave alone.
TEST(Despeckle, ALonePixelTakesTheColourOfItsRing)
{
    struct Case {
        const char* ring;  // top-left, top, top-right, right, bottom-right, bottom, bottom-left, left
        char centre;
        char expected;
    } cases[] = {
        {"QQRRRSTU", 'X', 'R'},  // a run of three beats an earlier pair
        {"QQSTUVWQ", 'X', 'Q'},  // the run left, top-left, top comes last
        {"QRRSSTUV", 'X', 'R'},  // no run: the first pair
        {"QRSTUVWQ", 'X', 'Q'},  // the pair left, top-left
        {"QRSTUVWY", 'X', 'X'},  // nothing equal: it stays
        {"QXRRRSTU", 'X', 'R'},  // one neighbour of its own colour is still alone
        {"XQXRRRST", 'X', 'X'},  // two are not
    };
    for (const Case& c : cases) {
        const std::string r = c.ring;
        const std::vector<std::string> rows = {
            "#####",
            std::string("#") + r[0] + r[1] + r[2] + "#",
            std::string("#") + r[7] + c.centre + r[3] + "#",
            std::string("#") + r[6] + r[5] + r[4] + "#",
            "#####",
        };
        EXPECT_EQ(Despeckled(rows, 1, 1, 3, 3)[2][2], c.expected) << c.ring;
    }
}

// Pixels are visited row by row and a changed pixel counts for the ones after it: the second B
// has two B neighbours until the first one goes.
TEST(Despeckle, InnerPixelsSeeTheChangesBeforeThem)
{
    EXPECT_EQ(Whole({"AAAAAA",
                     "ABBAAA",
                     "AAABAA",
                     "AAAAAA"}),
              (std::vector<std::string>{"AAAAAA",
                                        "AAAAAA",
                                        "AAAAAA",
                                        "AAAAAA"}));
}

}  // namespace
}  // namespace kirvo
