#include "base/ListFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

std::vector<std::string> Parse(std::string_view text) { return ParseListFile(std::span(text.data(), text.size())); }

TEST(ListFile, LinesEndAtAnyLineBreakAndStayAsWritten)
{
    struct Case {
        std::string_view text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
        {"one\n\n two \n", {"one", "", " two "}},
        {"\n", {""}},
        {std::string_view("one\ntwo\0three", 13), {"one", "two"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text), c.lines) << "text: " << c.text;
}

TEST(ListFile, MissingFileGivesNothing)
{
    testing::TempFolder temp;
    EXPECT_FALSE(LoadListFile(temp.Path() + "absent.txt"));
    EXPECT_EQ(LoadListFile(temp.Write("list.txt", "a.ast\r\nb.ast\r\n")), (std::vector<std::string>{"a.ast", "b.ast"}));
}

TEST(ListFile, DistributedJigsawsMatchIgnoringCaseButNotBlanks)
{
    std::vector<std::string> distributed = Parse("Forest.AST\nmeadow.ast \n");
    EXPECT_TRUE(IsDistributedJigsaw(distributed, "forest.ast"));
    EXPECT_FALSE(IsDistributedJigsaw(distributed, "meadow.ast"));
    EXPECT_FALSE(IsDistributedJigsaw(distributed, "other.ast"));
}

}  // namespace
}  // namespace kirvo
