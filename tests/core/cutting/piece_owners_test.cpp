#include "cutting/PieceOwners.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(PieceOwners, OwnershipIsDecidedWithinSourceBoxes)
{
    Descriptor d;
    d.ImageW = 6;
    d.ImageH = 2;
    d.TotalTileNum = 3;
    std::vector<PieceRecord> pieces(4);
    auto place = [&](int i, int x, int w, uint8_t value) {
        pieces[i].sourceX = x;
        pieces[i].sourceWidth = w;
        pieces[i].sourceHeight = 2;
        pieces[i].maskValue = value;
    };
    place(0, 0, 3, 25);
    place(1, 2, 2, 150);
    place(2, 3, 3, 25);  // same value as piece 0, kept apart by the boxes

    TPixelBuffer mask;
    PixCreate24(mask, 11, 7);
    const uint8_t row[6] = {25, 25, 150, 25, 25, 99};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            PixSetPixel(mask, x, y, MakeColour(128, 0, row[x]));
    PixSetPixel(mask, 0, 1, MakeColour(127, 0, 25));

    std::vector<int> owners = PieceOwners(d, pieces, mask);
    EXPECT_EQ(owners, (std::vector<int>{0, 0, 1, 2, 2, kNoOwner, kNoOwner, 0, 1, 2, 2, kNoOwner}));

    place(1, 0, 6, 25);
    EXPECT_EQ(PieceOwners(d, pieces, mask)[0], kSeveralOwners);
}

}  // namespace
}  // namespace kirvo
