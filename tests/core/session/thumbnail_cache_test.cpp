#include "session/ThumbnailCache.h"

#include <gtest/gtest.h>

#include "session/ListThumbnail.h"

namespace kirvo {
namespace {

TPixelBuffer Dot(uint32_t colour)
{
    TPixelBuffer picture;
    PixCreate24(picture, 1, 1);
    PixSetPixel(picture, 0, 0, colour);
    return picture;
}

bool IsPlaceholder(const TPixelBuffer& image)
{
    return image.width == kListThumbWidth && PixGetPixel(image, 2, 2) == MakeColour(0, 0, 128);
}

TEST(ThumbnailCache, KnowsFilesByNameInAnyLetterCase)
{
    ThumbnailCache cache;
    EXPECT_FALSE(cache.Has("Tulips.ast"));
    EXPECT_TRUE(IsPlaceholder(cache.ImageFor("Tulips.ast")));

    cache.Put("Tulips.AST", Dot(0x0000FF));
    EXPECT_TRUE(cache.Has("tulips.ast"));
    EXPECT_EQ(PixGetPixel(cache.ImageFor("TULIPS.ast"), 0, 0), 0x0000FF);
    EXPECT_FALSE(cache.Has("Tulips.sv1"));

    cache.Put("tulips.ast", Dot(0x00FF00));
    EXPECT_EQ(PixGetPixel(cache.ImageFor("Tulips.AST"), 0, 0), 0x00FF00);

    cache.Forget("TULIPS.AST");
    EXPECT_FALSE(cache.Has("Tulips.ast"));
    EXPECT_TRUE(IsPlaceholder(cache.ImageFor("Tulips.ast")));
}

// A save rewrites the thumbnail of a game the cache holds, and leaves others to be made when
// the list reaches them.
TEST(ThumbnailCache, RefreshReplacesOnlyAThumbnailItHas)
{
    ThumbnailCache cache;
    EXPECT_FALSE(cache.Refresh("Game.sv1", Dot(0x0000FF)));
    EXPECT_FALSE(cache.Has("Game.sv1"));

    cache.Put("Game.sv1", Dot(0x0000FF));
    EXPECT_TRUE(cache.Refresh("GAME.SV1", Dot(0xFF0000)));
    EXPECT_EQ(PixGetPixel(cache.ImageFor("Game.sv1"), 0, 0), 0xFF0000);
}

}  // namespace
}  // namespace kirvo
