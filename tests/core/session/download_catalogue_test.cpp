#include "session/DownloadCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

std::vector<std::string> Names(const DownloadCatalogue& catalogue)
{
    std::vector<std::string> names;
    for (const CatalogueItem& item : catalogue.items)
        names.push_back(item.name);
    return names;
}

// Lines are trimmed and made small, blank ones left out; a thumbnail is found under the small
// name, and the catalogue is read again only when its folder changes.
TEST(DownloadCatalogue, ListsTheTrimmedSmallNamesWithTheirThumbnails)
{
    testing::TempFolder folder;
    folder.Write("catalogue/jiglist.txt", "  Tulips \r\n\r\n   \r\nharbour\nDUNES");
    const std::string tulips = folder.Write("catalogue/tulips.jpg");
    DownloadCatalogue catalogue;
    ASSERT_TRUE(BuildCatalogue(catalogue, folder.Path() + "catalogue/"));
    EXPECT_EQ(Names(catalogue), (std::vector<std::string> {"tulips", "harbour", "dunes"}));
    EXPECT_EQ(std::filesystem::path(catalogue.items[0].thumbnail), std::filesystem::path(tulips));
    EXPECT_EQ(catalogue.items[1].thumbnail, "");

    folder.Write("catalogue/jiglist.txt", "other");
    ASSERT_TRUE(BuildCatalogue(catalogue, folder.Path() + "Catalogue/"));  // the same folder
    EXPECT_EQ(catalogue.items.size(), 3u);

    EXPECT_FALSE(BuildCatalogue(catalogue, folder.Path() + "nowhere/"));
    EXPECT_TRUE(catalogue.items.empty());
    EXPECT_TRUE(BuildCatalogue(catalogue, folder.Path() + "nowhere/")) << "not tried again";
}

TEST(DownloadCatalogue, RequestsAreCheckedAndFetchInListOrder)
{
    testing::TempFolder folder;
    folder.Write("catalogue/jiglist.txt", "a\nb\nc");
    folder.Write("blank/jiglist.txt", "\r\n  \r\n");
    folder.Write("jigsaws/b.ast");
    DownloadCatalogue catalogue;
    ASSERT_TRUE(BuildCatalogue(catalogue, folder.Path() + "catalogue/"));
    RefreshInstalled(catalogue, folder.Path() + "jigsaws/");
    EXPECT_TRUE(catalogue.items[1].installed);

    using enum DownloadMode;
    struct Case {
        DownloadMode mode;
        int selected;
        const char* refused;
        std::vector<int> fetched;
    } cases[] = {
        {SelectedJigsaw, 1, nullptr, {1}},
        {SelectedJigsaw, -1, "MS_SelJigsaw", {}},
        {NewJigsaws, -1, nullptr, {0, 2}},
        {AllJigsaws, -1, nullptr, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(RefusedDownload(catalogue, c.mode, c.selected), c.refused) << int(c.mode);
        EXPECT_EQ(ItemsToFetch(catalogue, c.mode, c.selected), c.fetched) << int(c.mode);
    }

    folder.Write("jigsaws/a.ast");
    folder.Write("jigsaws/c.ast");
    RefreshInstalled(catalogue, folder.Path() + "jigsaws/");
    EXPECT_STREQ(RefusedDownload(catalogue, NewJigsaws, -1), "MS_NoNewJigs");
    std::filesystem::remove(folder.Path() + "jigsaws/c.ast");
    RefreshInstalled(catalogue, folder.Path() + "jigsaws/");
    EXPECT_EQ(ItemsToFetch(catalogue, NewJigsaws, -1), std::vector<int> {2}) << "a deleted jigsaw is new again";

    ASSERT_TRUE(BuildCatalogue(catalogue, folder.Path() + "blank/"));
    EXPECT_STREQ(RefusedDownload(catalogue, AllJigsaws, -1), "MS_ListEmpty");
}

}  // namespace
}  // namespace kirvo
