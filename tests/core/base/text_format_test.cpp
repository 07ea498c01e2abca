#include "base/TextFormat.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(TextFormat, WideReplace)
{
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        unsigned flags;
        const char* expected;
    };
    const Case cases[] = {
        {"a$Db$Dc", "$D", "\n", kReplaceFirst, "a\nb$Dc"},
        {"a$Db$Dc", "$D", "\n", kReplaceAll, "a\nb\nc"},
        {"a$db$Dc", "$D", "-", kReplaceAll, "a$db-c"},
        {"a$db$Dc", "$D", "-", kReplaceAll | kIgnoreCase, "a-b-c"},
        {"aaa", "aa", "b", kReplaceAll, "ba"},           // no overlapping matches
        {"aaa", "a", "aa", kReplaceAll, "aaaaaa"},       // replacements are not searched again
        {"abc", "", "x", kReplaceAll, "abc"},
        {"", "a", "x", kReplaceAll, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WideReplace(c.text, c.pattern, c.replacement, c.flags), c.expected) << c.text << " " << c.flags;
}

TEST(TextFormat, FormatTextFillsArgumentsInOrder)
{
    EXPECT_EQ(FormatText("Pocket %d (%d)", {"2", "17"}), "Pocket 2 (17)");
    EXPECT_EQ(FormatText("File %s not found", {"/a/b.lng"}), "File /a/b.lng not found");
    EXPECT_EQ(FormatText("100%% of %d", {"5"}), "100% of 5");
    EXPECT_EQ(FormatText("%s %s %n %x", {"a"}), "a %s %n %x");  // extra or unknown place holders stay
    EXPECT_EQ(FormatText("%", {"a"}), "%");
    EXPECT_EQ(FormatText("%s", {"%s"}), "%s");                   // arguments are not formats
}

}  // namespace
}  // namespace kirvo
