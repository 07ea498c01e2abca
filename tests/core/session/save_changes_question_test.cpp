#include "session/SaveChangesQuestion.h"

#include <gtest/gtest.h>

#include "session/MessageSink.h"

namespace kirvo {
namespace {

class RecordingHost : public SaveChangesHost {
public:
    bool SaveGame(const std::string& path) override
    {
        saved.push_back(path);
        return saveWorks;
    }
    std::optional<std::string> ChooseSaveName() override
    {
        ++browsed;
        return chosenName;
    }

    bool saveWorks = true;
    std::optional<std::string> chosenName;
    std::vector<std::string> saved;
    int browsed = 0;
};

// Answers every question with `answer` and remembers what was asked.
class SaveChangesQuestionTest : public ::testing::Test {
protected:
    SaveChangesQuestionTest() { names.autosaveFile = "/saves/autosaved.sv1"; }

    Proceed Ask(bool changed) { return AskSaveChanges(changed, names, translator, sink, host); }

    MessageSink sink = [this](const MessageRequest& request) {
        asked.push_back(request);
        return answer;
    };
    Translator translator;
    MessageAnswer answer = MessageAnswer::Yes;
    std::vector<MessageRequest> asked;
    FILE_NAMES names;
    RecordingHost host;
};

TEST_F(SaveChangesQuestionTest, UnchangedGameGoesOnWithoutAsking)
{
    EXPECT_EQ(Ask(false), Proceed::GoOn);
    EXPECT_TRUE(asked.empty());
}

TEST_F(SaveChangesQuestionTest, AsksOneYesNoCancelQuestion)
{
    answer = MessageAnswer::Cancel;
    EXPECT_EQ(Ask(true), Proceed::Stop);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Q_SaveChanges");  // no language applied: the bare key
    EXPECT_EQ(asked[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(asked[0].text.find("$D"), std::string::npos);
    EXPECT_TRUE(host.saved.empty());
}

TEST_F(SaveChangesQuestionTest, NoGoesOnWithoutSaving)
{
    answer = MessageAnswer::No;
    EXPECT_EQ(Ask(true), Proceed::GoOn);
    EXPECT_TRUE(host.saved.empty());
    EXPECT_EQ(host.browsed, 0);
}

TEST_F(SaveChangesQuestionTest, YesSavesToTheGamesOwnFile)
{
    names.sSolve = "/saves/mine.sv1";
    EXPECT_EQ(Ask(true), Proceed::GoOn);
    EXPECT_EQ(host.saved, std::vector<std::string>{"/saves/mine.sv1"});
    EXPECT_EQ(host.browsed, 0);
}

TEST_F(SaveChangesQuestionTest, YesNeverWritesOverTheAutosaveFile)
{
    names.sSolve = "/saves/AUTOSAVED.sv1";
    host.chosenName = "/saves/chosen.sv1";
    EXPECT_EQ(Ask(true), Proceed::GoOn);
    EXPECT_EQ(host.browsed, 1);
    EXPECT_EQ(host.saved, std::vector<std::string>{"/saves/chosen.sv1"});
    EXPECT_EQ(names.sSolve, "/saves/chosen.sv1");
}

TEST_F(SaveChangesQuestionTest, CancelledSaveBrowserStops)
{
    EXPECT_EQ(Ask(true), Proceed::Stop);
    EXPECT_EQ(host.browsed, 1);
    EXPECT_TRUE(host.saved.empty());
    EXPECT_TRUE(names.sSolve.empty());
}

TEST_F(SaveChangesQuestionTest, FailedSaveStopsSoNothingIsLost)
{
    names.sSolve = "/saves/mine.sv1";
    host.saveWorks = false;
    EXPECT_EQ(Ask(true), Proceed::Stop);
}

TEST(MessageSink, WithoutSinkTheAnswerNeverGoesAhead)
{
    const MessageSink none;
    EXPECT_EQ(Tell(none, "Q_x", MessageButtons::YesNoCancel, MessageIcon::Question), MessageAnswer::Cancel);
    EXPECT_EQ(Tell(none, "Q_x", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(Tell(none, "MS_x", MessageButtons::Ok, MessageIcon::Error), MessageAnswer::Ok);
}

}  // namespace
}  // namespace kirvo
