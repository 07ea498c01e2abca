#include "settings/HelpTopics.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

TEST(HelpTopics, TopicPathFallsBackToEnglishThenToTheContents)
{
    testing::TempFolder root;
    const std::string folder = root.Path();
    root.Write("english/cont-pleo3.htm");
    root.Write("english/save.htm");
    root.Write("english/open.htm");
    root.Write("german/cont-pleo3.htm");
    root.Write("german/save.htm");

    struct Case {
        const char* language;
        const char* topic;
        std::string expected;
    };
    const Case cases[] = {
        {"german", "save.htm", folder + "german/save.htm"},
        {"German", "save.htm#keys", folder + "german/save.htm#keys"},
        {"german", "open.htm", folder + "german/cont-pleo3.htm"},  // the German folder lacks it
        {"french", "open.htm", folder + "english/open.htm"},      // no French help at all
        {"french", "sound.htm", folder + "english/cont-pleo3.htm"},
        {"english", "", folder + "english/cont-pleo3.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpTopicPath(folder, c.language, c.topic), c.expected) << c.language << " " << c.topic;

    testing::TempFolder empty;
    EXPECT_EQ(HelpTopicPath(empty.Path(), "german", "save.htm"), "");
    EXPECT_EQ(HelpTopicPath(empty.Path(), "english", "cont-pleo3.htm"), "");
}

TEST(HelpTopics, SearchFindsWordsInTheTextOnly)
{
    testing::TempFolder root;
    const std::string folder = root.Path();
    root.Write("open.htm", "<html><head><title> Opening a jigsaw </title></head>"
                           "<body><p class=\"rotate\">Pick a <b>Picture</b> and press Open. Picture!</p></body></html>");
    root.Write("play.htm", "<html><head><title>Playing</title><style>.x{color:red}</style></head>"
                           "<body>Rotate a piece with the wheel. Gro&szlig;e &Auml;pfel: \xC3\x84RGER picture</body></html>");
    root.Write("notes.txt", "picture picture picture");

    const auto topics = [&](std::string_view query) {
        std::vector<std::string> found;
        for (const HelpHit& hit : SearchHelp(folder, query))
            found.push_back(hit.topic);
        return found;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(topics("wheel"), Names{"play.htm"});
    EXPECT_EQ(topics("WHEEL piece"), Names{"play.htm"});
    EXPECT_EQ(topics("wheel open"), Names{});                     // every word must occur in one page
    EXPECT_EQ(topics("picture"), (Names{"open.htm", "play.htm"}));  // two occurrences rank first
    EXPECT_EQ(topics("\xC3\xA4rger"), Names{"play.htm"});          // accented capitals fold
    EXPECT_EQ(topics("arger"), Names{});                            // accents are kept
    EXPECT_EQ(topics("class"), Names{});                            // tag names and attributes
    EXPECT_EQ(topics("rotate"), Names{"play.htm"});                 // an attribute value is no text
    EXPECT_EQ(topics("color"), Names{});                            // style blocks
    EXPECT_EQ(topics("szlig"), Names{});                            // entities
    EXPECT_EQ(topics(" ,. "), Names{});

    const auto hits = SearchHelp(folder, "picture");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].title, "Opening a jigsaw");
    EXPECT_EQ(hits[0].count, 2);
}

}  // namespace
}  // namespace kirvo
