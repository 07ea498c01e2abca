#include "session/GameSession.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "base/Folders.h"
#include "files/JigsawWriter.h"
#include "files/SavedGameFile.h"
#include "raster/PixelBuffer.h"
#include "support/AsOrdinaryUser.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class SilentHost : public SessionHost {
public:
    std::optional<std::string> ChooseSaveName() override { return chosenName; }
    void ProgressChanged() override {}

    std::optional<std::string> chosenName;
};

// A session over a folder of its own, with a small two-colour jigsaw open.
class GameSessionTest : public ::testing::Test {
protected:
    GameSessionTest()
    {
        FILE_NAMES names;
        names.savedGamesFolder = temp.Path();
        names.saveTempFile = temp.Path() + "kirvo.svt";
        names.autosaveFile = temp.Path() + "autosaved.sv1";
        names.savedGameExtension = ".sv1";
        names.jigsawExtension = ".ast";
        names.backgroundPicturesFolder = temp.Path() + "bkg-pics/";
        names.localDataFolder = temp.Path();
        StartSession(names);
    }

    void StartSession(const FILE_NAMES& names)
    {
        session = std::make_unique<GameSession>(names, translator, sink, host, 7);
        session->SizeField(800, 600, 1024, 768);
        session->SetLargestField({800, 600});
        session->InitialiseWindows();
    }

    std::string MakeJigsaw(int width, int height)
    {
        TPixelBuffer picture;
        PixCreate24(picture, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                PixSetPixel(picture, x, y, x < width / 2 ? 0x2040E0 : 0x30C050);
        const std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 90);
        const std::string path = temp.Path() + "stripes.ast";
        EXPECT_TRUE(WriteJigsawFile(path, {.ImageW = width, .ImageH = height, .preview = jpeg, .info = {}, .picture = jpeg}));
        return path;
    }

    void SelectSomePieces()
    {
        GameState& state = const_cast<GameState&>(session->State());
        state.pieces[0].selected = true;
        state.pieces[1].selected = true;
        state.selectionExists = true;
    }

    // A field point on the piece, which lies on the shown side.
    std::pair<int, int> PointOn(int piece) const
    {
        const PieceRecord& p = session->State().pieces[size_t(piece)];
        const TMyWin& w = session->Windows().windows[p.window];
        for (int dy = 0; dy < p.height; ++dy)
            for (int dx = 0; dx < p.width; ++dx) {
                const int x = p.x + dx + w.client.left - w.scrollX;
                const int y = p.y + dy + w.client.top - w.scrollY;
                if (PieceAtPoint(session->State(), session->Windows(), x, y) == piece)
                    return {x, y};
            }
        ADD_FAILURE() << "no point on piece " << piece;
        return {0, 0};
    }

    // Presses the button on the piece and lets it go (dx, dy) away.
    void Drag(int piece, int button, int dx, int dy)
    {
        const auto [x, y] = PointOn(piece);
        session->Mouse(FieldMouse::Press, button, 0, x, y, {800, 640});
        session->Mouse(FieldMouse::Move, button, 0, x + dx, y + dy, {800, 640});
        session->Mouse(FieldMouse::Release, button, 0, x + dx, y + dy, {800, 640});
    }

    // The pieces as undo must put them back, the selection left out.
    std::vector<PieceRecord> Pieces() const
    {
        std::vector<PieceRecord> pieces = session->State().pieces;
        for (PieceRecord& p : pieces)
            p.selected = false;
        return pieces;
    }

    bool Enabled(MenuItem item) const { return session->Enabling().items[size_t(item)]; }

    bool AnySelected() const
    {
        const GameState& state = session->State();
        for (int i = 0; i < PieceCount(state); ++i)
            if (state.pieces[size_t(i)].selected)
                return true;
        return false;
    }

    testing::TempFolder temp;
    std::vector<std::string> told;
    MessageAnswer answer = MessageAnswer::Ok;
    MessageSink sink = [this](const MessageRequest& request) {
        told.push_back(request.text);
        return answer;
    };
    Translator translator;
    SilentHost host;
    std::unique_ptr<GameSession> session;
};

TEST_F(GameSessionTest, OpeningAJigsawStartsAGameOnTheFirstSide)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(session->Names().puzzleLoaded);
    EXPECT_EQ(session->Names().sJigName, "stripes");
    EXPECT_GT(session->State().descriptor.TotalTileNum, 1);
    EXPECT_FALSE(session->State().changed);
    EXPECT_EQ(session->CurrentSettings().recentFiles.count, 1);
    EXPECT_FALSE(session->Open(temp.Write("broken.ast", "not a jigsaw"), {800, 600}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(session->Names().sJigName, "stripes");  // the game in play stays
}

// The glass command turns the glass on at the field's corner. An open puts it back there over the
// new game; a file that cannot be opened leaves it where it was.
TEST_F(GameSessionTest, TheGlassStaysOnAcrossOpens)
{
    const std::string jigsaw = MakeJigsaw(200, 150);
    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    const TMyWin& glass = session->Windows().glass;
    session->RunPlayCommand(MenuItem::MI_GameGlass);
    EXPECT_TRUE(glass.visible);
    EXPECT_EQ(glass.frame, BoxFromOrigin(0, 0, 240, 240));
    const TBox moved = BoxFromOrigin(300, 200, 240, 240);
    auto moveGlass = [&] {
        TMyWin& g = session->Windows().glass;
        g.frame = moved;
        LayOut(g, SizeSource::FromFrame);
    };

    moveGlass();
    EXPECT_FALSE(session->Open(temp.Write("broken.ast", "not a jigsaw"), {800, 600}));
    EXPECT_TRUE(glass.visible);
    EXPECT_EQ(glass.frame, moved);

    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    EXPECT_TRUE(glass.visible);
    EXPECT_EQ(glass.frame, BoxFromOrigin(0, 0, 240, 240));
    session->Redraw();
    EXPECT_EQ(PixGetPixel(session->Field().image, 120, 0), 0xF2F2F2) << "the lens's rim shows";

    session->RunPlayCommand(MenuItem::MI_GameGlass);
    EXPECT_FALSE(glass.visible);
    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    EXPECT_FALSE(glass.visible);
}

// Save, Save As, the side commands and Space put a selection away first: a saved selection
// would come back with pieces no command can let go of.
TEST_F(GameSessionTest, SavingAndChangingSidesClearTheSelection)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    struct Case {
        const char* what;
        std::function<void(GameSession&)> act;
    } cases[] = {
        {"save", [](GameSession& s) { s.SaveCommand(false); }},
        {"save as", [](GameSession& s) { s.SaveCommand(true); }},
        {"second side", [](GameSession& s) { s.RunPlayCommand(MenuItem::MI_GameWin2); }},
        {"first side", [](GameSession& s) { s.RunPlayCommand(MenuItem::MI_GameWin1); }},
        {"space", [](GameSession& s) { s.SwitchSides(); }},
    };
    host.chosenName = temp.Path() + "mine.sv1";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectSomePieces();
        c.act(*session);
        EXPECT_FALSE(session->State().selectionExists);
        EXPECT_FALSE(AnySelected());
    }
    Result<SavedGame> saved = ReadSavedGame(temp.Path() + "mine.sv1", SavedGameReadMode::Start);
    ASSERT_TRUE(saved);
    for (const PieceRecord& piece : saved.value().pieces)
        EXPECT_FALSE(piece.selected);
    EXPECT_TRUE(told.empty());
}

// A saved game the player may no longer write in place (here: made read-only) cannot take a quick
// save, but the full save through the temp file still replaces it: the player hears of no failure.
TEST_F(GameSessionTest, AQuickSaveThatCannotOpenItsFileIsNotReportedWhenTheFullSaveWorks)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    const std::string path = temp.Path() + "mine.sv1";
    host.chosenName = path;
    session->SaveCommand(true);
    ASSERT_TRUE(told.empty());
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    SelectSomePieces();  // clearing it before the save changes the game
    chmod(temp.Path().c_str(), 0777);
    EXPECT_TRUE(testing::AsOrdinaryUser([&] {
        session->SaveCommand(false);
        return told.empty() && !session->State().changed;
    }));
}

TEST_F(GameSessionTest, AFailedSaveIsReportedAndKeepsTheGameChanged)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    SelectSomePieces();
    session->RunPlayCommand(MenuItem::MI_GameWin2);  // putting the selection away changes the game
    ASSERT_TRUE(session->State().changed);
    host.chosenName = temp.Path() + "no-such-folder/mine.sv1";
    session->SaveCommand(false);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_TRUE(session->State().changed);
}

// The reason a jigsaw cannot be opened or a game saved is told in the player's language.
TEST_F(GameSessionTest, ReasonsAreToldInThePlayersLanguage)
{
    temp.Write("de.lng", "[Main Form]\n<MS_CantOpenJigsaw> %s kaputt:$D%s\n<MS_CantSaveGame> Nicht gespeichert:$D%s\n"
                         "[Errors]\n<Cannot read %s> %s ist unlesbar\n<Cannot replace %s> %s bleibt\n"
                         "<No such file or directory> fehlt\n");
    ASSERT_TRUE(translator.Apply(temp.Path() + "de.lng"));
    EXPECT_FALSE(session->Open(temp.Path() + "gone.ast", {800, 600}));
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    host.chosenName = temp.Path() + "no-such-folder/mine.sv1";
    session->SaveCommand(false);
    EXPECT_EQ(told, (std::vector<std::string>{"gone.ast kaputt:\n" + temp.Path() + "gone.ast ist unlesbar: fehlt",
                                              "Nicht gespeichert:\n" + temp.Path() + "no-such-folder/mine.sv1 bleibt: fehlt"}));
}

// A quit signal leaves nobody to answer: the game goes to its own saved game, or to the autosave
// file when it has none.
TEST_F(GameSessionTest, SavingWithoutAskingKeepsEveryMove)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    ASSERT_TRUE(session->SaveWithoutAsking());
    EXPECT_FALSE(FileExists(session->Names().autosaveFile)) << "nothing changed, nothing to save";

    SelectSomePieces();
    session->RunPlayCommand(MenuItem::MI_GameWin2);
    ASSERT_TRUE(session->SaveWithoutAsking());
    EXPECT_TRUE(ReadSavedGame(session->Names().autosaveFile, SavedGameReadMode::Start));

    host.chosenName = temp.Path() + "mine.sv1";
    session->SaveCommand(true);
    std::filesystem::remove(session->Names().autosaveFile);
    SelectSomePieces();
    session->RunPlayCommand(MenuItem::MI_GameWin1);
    ASSERT_TRUE(session->SaveWithoutAsking());
    EXPECT_FALSE(session->State().changed);
    EXPECT_TRUE(ReadSavedGame(temp.Path() + "mine.sv1", SavedGameReadMode::Start));
    EXPECT_TRUE(told.empty());
}

// The autosave timer writes the autosave file once its interval has passed, and leaves the game
// unsaved: closing still asks.
TEST_F(GameSessionTest, AnAutosaveKeepsTheGameUnsaved)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    SelectSomePieces();
    session->RunPlayCommand(MenuItem::MI_GameWin2);
    ASSERT_TRUE(session->State().autosavePending);

    EXPECT_FALSE(session->AutosaveTick(9.5));
    EXPECT_FALSE(FileExists(session->Names().autosaveFile));
    EXPECT_TRUE(session->AutosaveTick(10));
    EXPECT_TRUE(ReadSavedGame(session->Names().autosaveFile, SavedGameReadMode::Start));
    EXPECT_TRUE(session->State().changed);
    EXPECT_FALSE(session->State().autosavePending);
    EXPECT_FALSE(session->AutosaveTick(20)) << "nothing new to save";
}

// Gather asks first: No leaves every piece where it is and the game unchanged. Arrange may be used
// while a selection exists, which Select All makes and Gather puts away.
TEST_F(GameSessionTest, GatherAsksFirstAndArrangeFollowsTheSelection)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    GameState& state = const_cast<GameState&>(session->State());
    state.pieces[1].window = MW_POCKET0;
    state.pieces[2].window = MW_SIDE1;
    const std::vector<PieceRecord> before = state.pieces;
    const auto arrangeEnabled = [&] { return session->Enabling().items[size_t(MenuItem::MI_GameArrange)]; };

    answer = MessageAnswer::No;
    session->RunPlayCommand(MenuItem::MI_GameGather);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("gathered"), std::string::npos);
    EXPECT_EQ(state.pieces, before);
    EXPECT_FALSE(state.changed);
    EXPECT_FALSE(state.busy);

    EXPECT_FALSE(arrangeEnabled());
    session->RunPlayCommand(MenuItem::MI_GameSelectAll);
    EXPECT_TRUE(arrangeEnabled());
    EXPECT_TRUE(state.pieces[0].selected);
    EXPECT_FALSE(state.pieces[1].selected);
    EXPECT_FALSE(state.pieces[2].selected);
    session->RunPlayCommand(MenuItem::MI_GameArrange);
    EXPECT_TRUE(state.changed);
    EXPECT_TRUE(arrangeEnabled());

    answer = MessageAnswer::Yes;
    session->RunPlayCommand(MenuItem::MI_GameGather);
    EXPECT_FALSE(arrangeEnabled());
    EXPECT_FALSE(AnySelected());
    for (int k = 0; k < PieceCount(state); ++k)
        EXPECT_EQ(state.pieces[size_t(k)].window, MW_SIDE0) << k;
    EXPECT_EQ(session->Windows().shownSide, MW_SIDE0);
}

// Each action is undone to the pieces and draw order before it and redone to those after it; the
// commands follow. A new game has nothing to undo.
TEST_F(GameSessionTest, UndoTakesBackEachActionAndRedoDoesItAgain)
{
    const std::string jigsaw = MakeJigsaw(200, 150);
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<void()> act;
    } cases[] = {
        {"drag", [] {}, [&] { Drag(0, kLeftButton, 150, 90); }},
        {"other side", [] {}, [&] { Drag(1, kRightButton, 0, 0); }},
        {"arrange", [&] { session->RunPlayCommand(MenuItem::MI_GameSelectAll); },
         [&] { session->RunPlayCommand(MenuItem::MI_GameArrange); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
        EXPECT_FALSE(Enabled(MenuItem::MI_GameUndo));
        c.prepare();
        const std::vector<PieceRecord> before = Pieces();
        const std::vector<DrawOrderEntry> drawBefore = session->State().drawOrder;
        c.act();
        const std::vector<PieceRecord> after = Pieces();
        ASSERT_NE(after, before);
        EXPECT_TRUE(Enabled(MenuItem::MI_GameUndo));
        EXPECT_FALSE(Enabled(MenuItem::MI_GameRedo));

        GameState& state = const_cast<GameState&>(session->State());
        state.changed = false;
        ASSERT_TRUE(session->Undo());
        EXPECT_EQ(Pieces(), before);
        EXPECT_EQ(session->State().drawOrder, drawBefore);
        EXPECT_FALSE(session->State().selectionExists);
        EXPECT_TRUE(session->State().changed);
        EXPECT_FALSE(Enabled(MenuItem::MI_GameUndo));
        EXPECT_TRUE(Enabled(MenuItem::MI_GameRedo));
        ASSERT_TRUE(session->Redo());
        EXPECT_EQ(Pieces(), after);
        EXPECT_FALSE(session->Redo());
    }
    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    EXPECT_FALSE(session->Undo());
    EXPECT_TRUE(told.empty());
}

// Find frames a piece that fits and its partner for a moment; with every piece joined the player
// is told so. Both uses count.
TEST_F(GameSessionTest, FindHighlightsAPieceThatFitsAndSaysWhenNoneIsLeft)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    const std::vector<PieceRecord> before = session->State().pieces;
    ASSERT_TRUE(session->Find());
    const MarkedBox found = session->Field().findMark.boxes[0];
    const TMyWin& side = session->Windows().windows[MW_SIDE0];
    ASSERT_EQ(found.window, MW_SIDE0);
    const int ringX = side.client.left - side.scrollX + found.box.left - kFindFrameWidth + 1;
    const int ringY = side.client.top - side.scrollY + found.box.top + found.box.height / 2;
    ASSERT_TRUE(BoxContains(side.client, ringX, ringY));
    std::vector<bool> white;
    do {
        session->Redraw();
        white.push_back(PixGetPixel(session->Field().image, ringX, ringY) == 0xFFFFFF);
    } while (session->NextFindStep());
    session->Redraw();
    white.push_back(PixGetPixel(session->Field().image, ringX, ringY) == 0xFFFFFF);
    EXPECT_EQ(white, (std::vector<bool> {true, false, true, false, true, false, false}));
    EXPECT_EQ(session->State().pieces, before) << "nothing moves";

    GameState& state = const_cast<GameState&>(session->State());
    for (int k = 0; k < PieceCount(state); ++k)
        state.pieces[size_t(k)].group = 0;
    EXPECT_FALSE(session->Find());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("No two pieces"), std::string::npos);
    EXPECT_EQ(session->FindUses(), 2);
}

TEST_F(GameSessionTest, ANewGameSavesGreyBackgrounds)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    host.chosenName = temp.Path() + "mine.sv1";
    session->SaveCommand(true);
    Result<SavedGame> saved = ReadSavedGame(temp.Path() + "mine.sv1", SavedGameReadMode::Start);
    ASSERT_TRUE(saved);
    const int32_t grey = int32_t(kDefaultBackground);
    EXPECT_EQ(saved.value().backgrounds, (BackgroundRecord {0, 0, grey, grey, grey, grey, grey, grey, grey}));
}

// The picker shows each value on the windows at once; Cancel puts every window's background back
// and leaves the game unchanged, OK keeps the choice.
// Edge Pieces to Pocket fills the first empty pocket and shows it; selecting finds none on the side
// then. With every piece joined, both commands say that none are left and change nothing.
TEST_F(GameSessionTest, EdgePiecesGoToAPocketAndTheCommandsSayWhenNoneAreLeft)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    GameState& state = const_cast<GameState&>(session->State());
    session->RunPlayCommand(MenuItem::MI_GameEdges);
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(session->Windows().windows[MW_POCKET0].visible);
    EXPECT_GT(session->Windows().windows[MW_POCKET0].groupCount, 3);
    EXPECT_EQ(state.currentWindow, MW_POCKET0);
    EXPECT_TRUE(state.changed);

    MakeCurrent(session->Windows(), state, MW_SIDE0);
    session->RunPlayCommand(MenuItem::MI_GameSelectEdges);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "No loose edge pieces lie in this window.");
    EXPECT_FALSE(session->Enabling().items[size_t(MenuItem::MI_GameArrange)]);

    for (PieceRecord& piece : state.pieces)
        piece.group = 0;
    const std::vector<PieceRecord> joined = state.pieces;
    for (MenuItem item : {MenuItem::MI_GameEdges, MenuItem::MI_GameSelectEdges})
        session->RunPlayCommand(item);
    EXPECT_EQ(told, (std::vector<std::string> {told[0], "No loose edge pieces are left.", "No loose edge pieces are left."}));
    EXPECT_EQ(state.pieces, joined);
    EXPECT_FALSE(state.busy);
}

TEST_F(GameSessionTest, CancellingTheBackgroundPickerPutsEveryBackgroundBack)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(200, 150), {800, 600}));
    const PlayWindows& windows = session->Windows();
    for (BackgroundTarget target : {BackgroundTarget::AllWindows, BackgroundTarget::CurrentWindow}) {
        const BackgroundRecord kept = session->BeginBackgroundChoice();
        EXPECT_TRUE(session->State().busy);
        session->SetBackground(target, 0x112233);
        EXPECT_EQ(windows.windows[MW_SIDE0].background, 0x112233u);
        session->EndBackgroundChoice(false, kept);
        for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
            EXPECT_EQ(windows.windows[size_t(n)].background, kDefaultBackground) << n;
        EXPECT_EQ(session->Background(BackgroundTarget::AllWindows), kDefaultBackground);
        EXPECT_FALSE(session->State().changed);
        EXPECT_FALSE(session->State().busy);
    }
    const BackgroundRecord kept = session->BeginBackgroundChoice();
    session->SetBackground(BackgroundTarget::CurrentWindow, 0x112233);
    session->EndBackgroundChoice(true, kept);
    EXPECT_EQ(session->Background(BackgroundTarget::CurrentWindow), 0x112233u);
    EXPECT_EQ(windows.windows[MW_POCKET0].background, kDefaultBackground);
    EXPECT_TRUE(session->State().changed);
}

// Channels within a JPEG's error of each other.
bool Near(int64_t a, int64_t b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 12)
            return false;
    return true;
}

// A game saved with a background picture comes back with it, drawn in its windows, and the shown
// thumbnail window stays shown at the top-left with the picture; when the picture file is gone the
// windows are grey.
TEST_F(GameSessionTest, ABackgroundPictureAndTheThumbnailWindowComeBackWithASavedGame)
{
    constexpr uint32_t kWood1 = 13;
    TPixelBuffer wood;
    PixCreate24(wood, 64, 48);
    PixFillRect(wood, 0, 0, 64, 48, 0x3060C0);
    const std::vector<uint8_t> jpeg = PixEncodeJpeg(wood, 90);
    const std::string woodFile = temp.Write("bkg-pics/wood1-1600.jpg", std::string(jpeg.begin(), jpeg.end()));

    ASSERT_TRUE(session->Open(MakeJigsaw(400, 300), {800, 600}));
    const TMyWin& pocket = session->Windows().windows[MW_POCKET0];
    const TMyWin& thumb = session->Windows().windows[MW_THUMB];
    const auto pocketPixel = [&] {
        session->Redraw();
        return PixGetPixel(session->Field().image, pocket.client.left + 5, pocket.client.top + 5);
    };
    session->RunPlayCommand(MenuItem::MI_PocketsPocket1);  // empty: nothing but its background
    session->RunPlayCommand(MenuItem::MI_GameThumb);
    BackgroundRecord kept = session->BeginBackgroundChoice();
    session->SetBackground(BackgroundTarget::AllWindows, kWood1);
    session->EndBackgroundChoice(true, kept);
    host.chosenName = temp.Path() + "mine.sv1";
    session->SaveCommand(true);
    kept = session->BeginBackgroundChoice();
    session->SetBackground(BackgroundTarget::AllWindows, 0x204060);
    session->EndBackgroundChoice(true, kept);
    ASSERT_EQ(pocketPixel(), 0x204060);

    ASSERT_TRUE(session->Open(temp.Path() + "mine.sv1", {800, 600}));
    for (int n = MW_SIDE0; n <= MW_POCKET3; ++n)
        EXPECT_EQ(session->Windows().windows[size_t(n)].background, kWood1) << n;
    ASSERT_TRUE(pocket.visible);
    EXPECT_TRUE(Near(pocketPixel(), 0x3060C0));
    EXPECT_TRUE(thumb.visible);
    EXPECT_EQ(thumb.frame.left, 0);
    EXPECT_EQ(thumb.frame.top, 0);
    EXPECT_EQ(thumb.client.width, 100);
    EXPECT_TRUE(Near(PixGetPixel(session->Field().thumbnail, 2, 2), 0x2040E0));
    EXPECT_TRUE(Near(PixGetPixel(session->Field().thumbnail, 97, 2), 0x30C050));

    std::filesystem::remove(woodFile);
    StartSession(session->Names());
    ASSERT_TRUE(session->Open(temp.Path() + "mine.sv1", {800, 600}));
    const TMyWin& restarted = session->Windows().windows[MW_POCKET0];
    EXPECT_EQ(restarted.background, kDefaultBackground);
    session->Redraw();
    EXPECT_EQ(PixGetPixel(session->Field().image, restarted.client.left + 5, restarted.client.top + 5), kDefaultBackground);
    EXPECT_TRUE(told.empty());
}

// The time played and the uses of Find go with the saved game; the clock stops at the finish and
// gives the best time of the jigsaw's choices; a new game starts at nothing.
TEST_F(GameSessionTest, TheTimePlayedIsKeptWithTheSavedGameAndGivesTheBestTime)
{
    const std::string jigsaw = MakeJigsaw(200, 150);
    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    for (int i = 0; i < 3; ++i)
        session->ClockTick();
    session->Find();
    host.chosenName = temp.Path() + "mine.sv1";
    session->SaveCommand(true);
    ASSERT_TRUE(session->Open(jigsaw, {800, 600}));
    EXPECT_EQ(session->PlayedSeconds(), 0);
    ASSERT_TRUE(session->Open(temp.Path() + "mine.sv1", {800, 600}));
    EXPECT_EQ(session->PlayedSeconds(), 3);
    EXPECT_EQ(session->FindUses(), 1);
    EXPECT_EQ(session->BestTime(), std::nullopt);

    session->ClockTick();
    const_cast<GameState&>(session->State()).solved = true;
    session->ClockTick();
    EXPECT_EQ(session->PlayedSeconds(), 4);
    EXPECT_TRUE(session->RecordFinishTime());
    EXPECT_FALSE(session->RecordFinishTime()) << "only a shorter time is a new best";
    EXPECT_EQ(session->BestTime(), 4);
    EXPECT_TRUE(told.empty());
}

// Resizing the thumbnail window with the mouse draws the picture again at the new size.
TEST_F(GameSessionTest, AResizedThumbnailWindowShowsThePictureAtItsNewSize)
{
    ASSERT_TRUE(session->Open(MakeJigsaw(400, 300), {800, 600}));
    session->RunPlayCommand(MenuItem::MI_GameThumb);
    const TMyWin& thumb = session->Windows().windows[MW_THUMB];
    ASSERT_EQ(thumb.client.width, 100);
    const WindowSize mainWindow {800, 640};
    session->Mouse(FieldMouse::Press, kLeftButton, 0, thumb.frame.right, thumb.frame.bottom, mainWindow);
    session->Mouse(FieldMouse::Move, kLeftButton, 0, thumb.frame.right + 40, thumb.frame.bottom + 30, mainWindow);
    session->Mouse(FieldMouse::Release, kLeftButton, 0, thumb.frame.right, thumb.frame.bottom, mainWindow);
    ASSERT_EQ(thumb.client.width, 140);
    EXPECT_EQ(thumb.client.height, 105);
    EXPECT_TRUE(Near(PixGetPixel(session->Field().thumbnail, 137, 2), 0x30C050));
    EXPECT_TRUE(Near(PixGetPixel(session->Field().thumbnail, 2, 102), 0x2040E0));
}

}  // namespace
}  // namespace kirvo
