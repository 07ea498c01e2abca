#include "session/JigsawBrowser.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Folders.h"
#include "session/ListThumbnail.h"
#include "support/BrowserFolders.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

class JigsawBrowserTest : public testing::BrowserFolders {
protected:
    void Open(const std::string& preselected = "")
    {
        Browser().Activate(BrowserMode::Open, preselected, {1000, 700});
    }
};

TEST_F(JigsawBrowserTest, ACorruptJigsawIsListedButCannotBeStartedAndTheOthersCan)
{
    MakeJigsaw("Alpine");
    temp.Write("Jigsaws/Broken.ast", "KIRVO1.0 but nothing after it");
    fs::create_directories(Names().personalJigsawsFolder + "folder.ast");
    MakeJigsaw("cliffs");
    CopySavedGame("evening");
    Open();

    const BrowserList& jigsaws = Browser().List(BrowserPage::Jigsaws);
    EXPECT_EQ(jigsaws.items, (std::vector<std::string> {"Alpine", "Broken", "cliffs", "folder"}));
    EXPECT_EQ(Browser().List(BrowserPage::SavedGames).items, std::vector<std::string> {"evening"});
    EXPECT_EQ(jigsaws.selected, 0);
    EXPECT_EQ(Browser().Preview(), PreviewState::Picture);
    EXPECT_TRUE(Browser().OkEnabled());
    EXPECT_STREQ(Browser().OkCaptionKey(), "B_Next");

    for (int broken : {1, 3}) {
        Browser().ClickItem(BrowserPage::Jigsaws, broken);
        EXPECT_EQ(Browser().Preview(), PreviewState::Invalid);
        EXPECT_FALSE(Browser().OkEnabled());
        EXPECT_FALSE(Browser().ChoicesEnabled());
        EXPECT_FALSE(Browser().Ok());
    }
    Browser().ClickItem(BrowserPage::Jigsaws, 2);
    EXPECT_TRUE(Browser().OkEnabled());
    EXPECT_EQ(Browser().PreviewName(), "cliffs");
    EXPECT_TRUE(told.empty());
    // Every listed file waits for its thumbnail, jigsaws first.
    EXPECT_EQ(Browser().MissingThumbnails().size(), 5u);
    EXPECT_EQ(Browser().MissingThumbnails().back().second, "evening.sv1");
}

TEST_F(JigsawBrowserTest, AJigsawStartsFromTheSettingsPageAndASavedGameFromItsList)
{
    const std::string jigsaw = MakeJigsaw("Alpine");
    const std::string game = CopySavedGame("evening");
    Open();
    EXPECT_FALSE(Browser().Ok());  // the settings page comes first
    EXPECT_EQ(Browser().ActivePage(), BrowserPage::Settings);
    EXPECT_STREQ(Browser().OkCaptionKey(), "B_Open");
    ASSERT_TRUE(Browser().Ok());
    EXPECT_EQ(Browser().SelectedPath(), jigsaw);

    Open(game);
    EXPECT_EQ(Browser().ActivePage(), BrowserPage::SavedGames);
    EXPECT_EQ(Browser().FocusedList(), BrowserPage::SavedGames);
    EXPECT_EQ(Browser().List(BrowserPage::SavedGames).selected, 0);
    EXPECT_EQ(Browser().Selection(), SelectionKind::SavedGame);
    EXPECT_TRUE(Browser().PreviewIsSavedGame());
    EXPECT_STREQ(Browser().OkCaptionKey(), "B_Open");
    // A saved game chosen on its page is still found from the settings page.
    Browser().ChangePage(BrowserPage::Settings);
    ASSERT_TRUE(Browser().Ok());
    EXPECT_EQ(Browser().SelectedPath(), game);

    fs::remove(jigsaw);
    Browser().ChangePage(BrowserPage::Settings);
    Browser().SetFileNameBox("Alpine.ast");
    EXPECT_FALSE(Browser().Ok());
    EXPECT_EQ(told, std::vector<std::string> {"The file Alpine.ast cannot be found."});
}

// A saved game shows the choices stored in it, greyed, and never makes them the standing choices.
TEST_F(JigsawBrowserTest, ChoicesGoIntoTheStandingChoicesButASavedGamesDoNot)
{
    MakeJigsaw("Alpine");
    CopySavedGame("evening");
    Open();
    const NewGameDefaults before = session->CurrentSettings().DefJigP;
    const int pieces = Browser().PieceCount();
    Browser().ChooseLevel(0);
    EXPECT_GT(Browser().PieceCount(), pieces);
    Browser().ChooseShape(5);
    Browser().ChooseBorder(1);
    Browser().ChooseMix(1);
    Browser().ToggleRotation();
    const NewGameDefaults& chosen = session->CurrentSettings().DefJigP;
    EXPECT_EQ(chosen.Level, 0);
    EXPECT_EQ(chosen.ShapeStyle, 5);
    EXPECT_EQ(chosen.BorderStyle, 1);
    EXPECT_EQ(chosen.SpreadOut, 1);
    EXPECT_NE(chosen.Rotate, before.Rotate);

    Browser().ClickItem(BrowserPage::SavedGames, 0);
    EXPECT_EQ(Browser().Selection(), SelectionKind::SavedGame);
    EXPECT_FALSE(Browser().ChoicesEnabled());
    EXPECT_EQ(Browser().PieceCount(), 17);  // as stored in the game
    Browser().ChooseLevel(9);
    Browser().ChooseShape(0);
    EXPECT_EQ(session->CurrentSettings().DefJigP.Level, 0);
    EXPECT_EQ(session->CurrentSettings().DefJigP.ShapeStyle, 5);

    // The next jigsaw takes the standing choices.
    Browser().ClickItem(BrowserPage::Jigsaws, 0);
    EXPECT_EQ(Browser().Choices().level, 0);
    EXPECT_EQ(Browser().Choices().shape, 5);
}

TEST_F(JigsawBrowserTest, FitToScreenCountsThePiecesOfTheFittedPicture)
{
    MakeJigsaw("Wide", 2400, 1200);
    session->CurrentSettings().DefJigP.FitToScreen = false;
    Open();
    const int actualSize = Browser().PieceCount();
    Browser().ToggleFitToScreen();
    EXPECT_TRUE(Browser().Choices().fitToScreen);
    EXPECT_LT(Browser().PieceCount(), actualSize);
    EXPECT_TRUE(Browser().OkEnabled());
}

// What the count says is what the cut gives, and the seed in the box gives the same cut again.
TEST_F(JigsawBrowserTest, TheCountShownIsTheCutAndATypedSeedRepeatsItExactly)
{
    const std::string jigsaw = MakeJigsaw("Alpine");
    struct Case {
        int shape, border;
    };
    for (Case c : {Case {0, 0}, Case {2, 1}, Case {3, 1}, Case {6, 0}}) {
        Open();
        Browser().ChooseShape(c.shape);
        Browser().ChooseBorder(c.border);
        Browser().ChooseLevel(9);
        const int shown = Browser().PieceCount();
        Browser().ToggleSeedBox();
        Browser().SetSeedText("  4242 ");
        ASSERT_FALSE(Browser().Ok());
        ASSERT_TRUE(Browser().Ok());
        EXPECT_EQ(Browser().SeedText(), "4242");

        ASSERT_TRUE(session->Open(Browser().SelectedPath(), {1000, 700}));
        EXPECT_EQ(session->State().descriptor.TotalTileNum, shown) << c.shape << "/" << c.border;
        EXPECT_EQ(session->State().descriptor.GameSeed, 4242);
        const std::vector<PieceRecord> first = session->State().pieces;
        const TPixelBuffer& cutMask = session->State().buffers[kMaskBuffer];
        const std::vector<uint8_t> mask(cutMask.bits, cutMask.bits + cutMask.size);

        ASSERT_TRUE(session->Open(jigsaw, {1000, 700}));
        EXPECT_EQ(session->State().pieces, first);
        ASSERT_EQ(session->State().buffers[kMaskBuffer].size, int(mask.size()));
        EXPECT_TRUE(std::equal(mask.begin(), mask.end(), session->State().buffers[kMaskBuffer].bits));
        Browser().ToggleSeedBox();
    }
}

TEST_F(JigsawBrowserTest, DeletingMovesTheSelectionToTheNextItemOrClearsTheName)
{
    for (const char* name : {"a", "b", "c"})
        MakeJigsaw(name);
    Open();
    Browser().ClickItem(BrowserPage::Jigsaws, 1);
    Browser().DeleteSelected(BrowserPage::Jigsaws);
    EXPECT_EQ(Browser().List(BrowserPage::Jigsaws).items, (std::vector<std::string> {"a", "c"}));
    EXPECT_EQ(Browser().List(BrowserPage::Jigsaws).selected, 1);
    EXPECT_EQ(Browser().FileNameBox(), "c.ast");
    EXPECT_FALSE(FileExists(Names().personalJigsawsFolder + "b.ast"));

    Browser().DeleteSelected(BrowserPage::Jigsaws);  // the last: the new last is selected
    EXPECT_EQ(Browser().List(BrowserPage::Jigsaws).selected, 0);
    EXPECT_EQ(Browser().FileNameBox(), "a.ast");
    Browser().DeleteSelected(BrowserPage::Jigsaws);  // the only one: nothing is left to select
    EXPECT_EQ(Browser().List(BrowserPage::Jigsaws).selected, -1);
    EXPECT_EQ(Browser().FileNameBox(), "");
    EXPECT_EQ(Browser().Preview(), PreviewState::Hidden);
    EXPECT_FALSE(Browser().OkEnabled());
    EXPECT_EQ(told.size(), 3u);  // one question each

    MakeJigsaw("kept");
    Open();
    answer = MessageAnswer::Cancel;
    Browser().DeleteSelected(BrowserPage::Jigsaws);
    EXPECT_TRUE(FileExists(Names().personalJigsawsFolder + "kept.ast"));
}

TEST_F(JigsawBrowserTest, ShippedJigsawsCannotBeDeletedOneByOneOrAllTogether)
{
    const std::string shipped = MakeJigsaw("shipped");  // listed as "Shipped.ast": case does not matter
    MakeJigsaw("mine");
    MakeJigsaw("yours");
    Open();
    Browser().ClickItem(BrowserPage::Jigsaws, 1);
    Browser().DeleteSelected(BrowserPage::Jigsaws);
    EXPECT_TRUE(FileExists(shipped));
    EXPECT_EQ(told, std::vector<std::string> {"The file shipped cannot be deleted."});

    answer = MessageAnswer::Yes;
    Browser().DeleteAll(BrowserPage::Jigsaws);
    EXPECT_EQ(Browser().List(BrowserPage::Jigsaws).items, std::vector<std::string> {"shipped"});
    EXPECT_EQ(ListFilesByExtension(Names().personalJigsawsFolder, ".ast"), std::vector<std::string> {"shipped.ast"});
    EXPECT_EQ(Browser().FileNameBox(), "shipped.ast");
}

TEST_F(JigsawBrowserTest, DeletingTheGamesOwnSavedGameMeansTheNextSaveAsksForAName)
{
    MakeJigsaw("Alpine");
    const std::string game = CopySavedGame("evening");
    ASSERT_TRUE(session->Open(game, {1000, 700}));
    Browser().Thumbnails().Put("evening.sv1", PlaceholderThumbnail());
    ASSERT_EQ(Names().sSolve, game);
    ASSERT_FALSE(session->State().changed);

    Open(game);
    Browser().DeleteSelected(BrowserPage::SavedGames);
    EXPECT_FALSE(FileExists(game));
    EXPECT_FALSE(Browser().Thumbnails().Has("evening.sv1"));
    EXPECT_EQ(Names().sSolve, "");
    EXPECT_TRUE(session->State().changed);
}

TEST_F(JigsawBrowserTest, SaveModeRefusesBadNamesAndAsksBeforeReplacing)
{
    const std::string existing = CopySavedGame("evening");
    Browser().Activate(BrowserMode::Save, "", {1000, 700});
    EXPECT_FALSE(Browser().PageShown(BrowserPage::Jigsaws));
    EXPECT_EQ(Browser().ActivePage(), BrowserPage::SavedGames);
    EXPECT_STREQ(Browser().OkCaptionKey(), "B_Save");

    struct Case {
        const char* typed;
        const char* told;
    };
    const Case refused[] = {
        {"   ", nullptr},  // nothing typed: nothing happens
        {".sv1", "Please enter a name for the saved game."},
        {"games\\", "Please enter a name for the saved game."},
        {"a/b", "A file name must not contain \\, / or ?."},
        {"why?", "A file name must not contain \\, / or ?."},
        {"..", "A file name must not contain \\, / or ?."},
    };
    for (const Case& c : refused) {
        told.clear();
        Browser().SetFileNameBox(c.typed);
        EXPECT_FALSE(Browser().Ok()) << c.typed;
        EXPECT_EQ(told, c.told ? std::vector<std::string> {c.told} : std::vector<std::string> {}) << c.typed;
    }

    told.clear();
    Browser().SetFileNameBox("C:\\games\\Sunday.SV1");
    ASSERT_TRUE(Browser().Ok());
    EXPECT_EQ(Browser().SelectedPath(), Names().savedGamesFolder + "Sunday.sv1");
    EXPECT_TRUE(told.empty());

    Browser().ClickItem(BrowserPage::SavedGames, 0);
    EXPECT_EQ(Browser().FileNameBox(), "evening");
    answer = MessageAnswer::Cancel;
    EXPECT_FALSE(Browser().Ok());
    EXPECT_EQ(told, std::vector<std::string> {"evening already exists.\nDo you want to replace it?"});
    answer = MessageAnswer::Ok;
    ASSERT_TRUE(Browser().Ok());
    EXPECT_EQ(Browser().SelectedPath(), existing);
}

// A save redraws the list thumbnail of the file it wrote, and of the autosave file it mirrors to.
TEST_F(JigsawBrowserTest, SavingRedrawsTheThumbnailsOfTheFilesItWrote)
{
    const std::string jigsaw = MakeJigsaw("Alpine");
    ASSERT_TRUE(session->Open(jigsaw, {1000, 700}));
    TPixelBuffer icon;
    PixCreate24(icon, 16, 16);
    Browser().SetSaveIcon(std::move(icon));
    for (const char* name : {"mine.sv1", "autosaved.sv1"})
        Browser().Thumbnails().Put(name, PlaceholderThumbnail());

    ASSERT_TRUE(session->Save(SaveKind::OnRequest, Names().savedGamesFolder + "mine.sv1"));
    const TPixelBuffer expected = RenderListThumbnail(session->StoredThumbnail(), &Browser().SaveIcon());
    for (const char* name : {"mine.sv1", "autosaved.sv1"}) {
        const TPixelBuffer& image = Browser().Thumbnails().ImageFor(name);
        ASSERT_EQ(image.size, expected.size) << name;
        EXPECT_TRUE(std::equal(expected.bits, expected.bits + expected.size, image.bits)) << name;
    }
    EXPECT_FALSE(Browser().Thumbnails().Has("other.sv1"));
}

}  // namespace
}  // namespace kirvo
