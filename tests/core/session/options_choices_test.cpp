#include "session/OptionsChoices.h"

#include <gtest/gtest.h>

#include "support/BrowserFolders.h"

namespace kirvo {
namespace {

constexpr int kRightCtrl = 5;
constexpr int kLeftCtrl = 1;
constexpr int kRight = 3;

TEST(OptionsChoicesTest, TheSchemaIsRecognisedFromTheAssignmentsAndBothSwitches)
{
    const OptionsChoices standard = FillOptions(Settings());
    OptionsChoices simple = standard;
    ChooseSchema(simple, PlaySchema::Simple);
    OptionsChoices byHand = standard;
    byHand.assignments = {kRight, kRightCtrl, kLeftCtrl};
    byHand.singleWindow = byHand.clickToDrag = true;
    OptionsChoices oneEmpty = standard;
    oneEmpty.assignments[kMoveToOtherWindow] = kNoMouseChoice;
    OptionsChoices oneSwitch = byHand;
    oneSwitch.clickToDrag = false;
    struct Case {
        const char* what;
        const OptionsChoices& choices;
        PlaySchema schema;
    } cases[] = {
        {"the settings' defaults", standard, PlaySchema::Standard},
        {"Simple chosen", simple, PlaySchema::Simple},
        {"Simple set by hand", byHand, PlaySchema::Simple},
        {"a list without a choice", oneEmpty, PlaySchema::Other},
        {"Simple but one switch off", oneSwitch, PlaySchema::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecogniseSchema(c.choices), c.schema) << c.what;

    EXPECT_EQ(simple.assignments, (std::array<int, 3> {kRight, kRightCtrl, kLeftCtrl}));
    EXPECT_TRUE(simple.singleWindow && simple.clickToDrag);
    ChooseSchema(simple, PlaySchema::Standard);
    EXPECT_EQ(simple, standard);
    ChooseSchema(oneSwitch, PlaySchema::Other);
    EXPECT_EQ(RecogniseSchema(oneSwitch), PlaySchema::Other) << "Other changes nothing";
    EXPECT_FALSE(oneSwitch.clickToDrag);
}

TEST(OptionsChoicesTest, EveryTwoActionsNeedDifferentMouseChoices)
{
    testing::TempFolder languages;
    languages.Write("english.lng", "[Language Info]\n<engname> English\n");
    const int none = kNoMouseChoice;
    struct Case {
        std::array<int, 3> assignments;
        OptionsProblem problem;
    } cases[] = {
        {{kRightCtrl, kLeftCtrl, kRight}, OptionsProblem::None},
        {{kRightCtrl, kRightCtrl, kRight}, OptionsProblem::KeysClash},
        {{kRight, kLeftCtrl, kRight}, OptionsProblem::KeysClash},
        {{kRightCtrl, kLeftCtrl, kLeftCtrl}, OptionsProblem::KeysClash},
        {{none, none, kRight}, OptionsProblem::None},
        {{none, none, none}, OptionsProblem::None},
    };
    OptionsChoices choices = FillOptions(Settings());
    for (const Case& c : cases) {
        choices.assignments = c.assignments;
        EXPECT_EQ(CheckOptions(choices, languages.Path()), c.problem)
            << c.assignments[0] << " " << c.assignments[1] << " " << c.assignments[2];
    }
    choices.language = "german";
    EXPECT_EQ(CheckOptions(choices, languages.Path()), OptionsProblem::MissingLanguage);
    choices.assignments = {kRight, kRight, kRight};
    EXPECT_EQ(CheckOptions(choices, languages.Path()), OptionsProblem::KeysClash) << "the clash is told first";
}

TEST(OptionsChoicesTest, StylesOutsideTheButtonsShowTheLastButton)
{
    struct Case {
        int stored;
        int emboss;
        int wood;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 2}, {-1, 3, 2}, {9, 3, 2}};
    Settings settings;
    for (const Case& c : cases) {
        settings.EmbossStyle = settings.WoodStyle = c.stored;
        const OptionsChoices choices = FillOptions(settings);
        EXPECT_EQ(choices.embossStyle, c.emboss) << c.stored;
        EXPECT_EQ(choices.woodStyle, c.wood) << c.stored;
    }
}

// The session of the browser's tests, with a small jigsaw to open.
class ApplyOptionsTest : public testing::BrowserFolders {
protected:
    GameState& State() { return const_cast<GameState&>(session->State()); }
    OptionsChoices Choices() { return FillOptions(session->CurrentSettings()); }
};

TEST_F(ApplyOptionsTest, AStoredPairNoneOfTheChoicesStandsForIsKept)
{
    MouseBindings& keys = session->CurrentSettings().PlayKeys;
    keys.RotCW_Button = 2;  // the middle button
    keys.RotCW_Shift = 0;
    OptionsChoices choices = Choices();
    EXPECT_EQ(choices.assignments[kRotateClockwise], kNoMouseChoice);
    EXPECT_EQ(RecogniseSchema(choices), PlaySchema::Other);

    choices.assignments[kRotateCounterClockwise] = 0;  // Left + Alt
    session->ApplyOptions(choices);
    EXPECT_EQ(keys.RotCW_Button, 2);
    EXPECT_EQ(keys.RotCW_Shift, 0);
    EXPECT_EQ(keys.RotCCW_Button, 0);
    EXPECT_EQ(keys.RotCCW_Shift, 2);
    EXPECT_EQ(Choices(), choices);
}

TEST_F(ApplyOptionsTest, TheLanguageChosenIsAppliedWithItsHelpOrTheEnglishHelp)
{
    temp.Write("language/english.lng", "[Main Form]\n<MI_FileOpen> Open\n");
    temp.Write("language/plattdeutsch.lng", "[Language Info]\n<engname> Low German\n[Main Form]\n<MI_FileOpen> Opmaken\n");
    OptionsChoices choices = Choices();
    choices.language = "plattdeutsch";
    session->ApplyOptions(choices);
    EXPECT_EQ(session->CurrentSettings().sCurLang, "plattdeutsch");
    EXPECT_EQ(translator.Text(LangSection::MainForm, "MI_FileOpen"), "Opmaken");
    EXPECT_EQ(Names().helpFile, Names().languageFolder + "english/");

    temp.Write("language/plattdeutsch/cont-pleo3.htm");
    session->ApplyOptions(choices);
    EXPECT_EQ(Names().helpFile, Names().languageFolder + "plattdeutsch/");
    choices.language = "english";
    session->ApplyOptions(choices);
    EXPECT_EQ(translator.Text(LangSection::MainForm, "MI_FileOpen"), "Open");
    EXPECT_TRUE(told.empty());
}

// Switched on during a game, single window puts every piece of the second side on the first,
// which is shown; the selection is put away and the side commands go off.
TEST_F(ApplyOptionsTest, SingleWindowGathersThePiecesOnTheFirstSide)
{
    ASSERT_TRUE(session->Open(MakeJigsaw("meadow", 200, 150), {1000, 700}));
    const int count = PieceCount(State());
    ASSERT_GT(count, 4);
    for (int k = 0; k < count; k += 2)
        State().pieces[size_t(k)].window = MW_SIDE1;
    session->RunPlayCommand(MenuItem::MI_GameWin2);
    State().pieces[1].selected = true;
    State().selectionExists = true;
    const std::vector<PieceRecord> before = State().pieces;

    OptionsChoices choices = Choices();
    choices.singleWindow = true;
    session->ApplyOptions(choices);
    for (int k = 0; k < count; ++k) {
        EXPECT_EQ(State().pieces[size_t(k)].window, MW_SIDE0) << "piece " << k;
        EXPECT_EQ(State().pieces[size_t(k)].x, before[size_t(k)].x) << "piece " << k;
    }
    EXPECT_FALSE(State().selectionExists);
    EXPECT_FALSE(State().pieces[1].selected);
    EXPECT_EQ(session->Windows().shownSide, MW_SIDE0);
    EXPECT_EQ(State().currentWindow, MW_SIDE0);
    EXPECT_TRUE(State().changed);
    EXPECT_FALSE(session->Enabling().items[size_t(MenuItem::MI_GameWin2)]);
}

}  // namespace
}  // namespace kirvo
