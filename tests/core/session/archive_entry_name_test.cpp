#include "session/ArchiveEntryName.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ArchiveEntryNameTest, OnlyRelativeNamesWithoutClimbingAreSafe)
{
    struct Case {
        std::string name;
        bool safe;
        const char* installedAs;
    };
    const Case cases[] = {
        {"tulips.ast", true, "tulips.ast"},
        {"Tulips.AST", true, "Tulips.ast"},
        {"blüten.ast", true, "blüten.ast"},
        {"readme.txt", true, ""},
        {".ast", true, ""},
        {"sub/deep.ast", true, ""},   // only the top level is installed
        {"sub\\deep.ast", true, ""},
        {"./x.ast", true, ""},
        {"a..b.ast", true, "a..b.ast"},
        {"../x.ast", false, ""},
        {"..\\x.ast", false, ""},
        {"sub/../../x.ast", false, ""},
        {"sub\\..", false, ""},
        {"..", false, ""},
        {"/x.ast", false, ""},
        {"\\x.ast", false, ""},
        {"C:x.ast", false, ""},
        {"", false, ""},
        {"new\nline.ast", false, ""},
        {"bell\x7f.ast", false, ""},
        {"latin\xe9.ast", false, ""},  // not UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSafeEntryName(c.name), c.safe) << c.name;
        EXPECT_EQ(InstalledJigsawName(c.name), c.installedAs) << c.name;
    }
}

}  // namespace
}  // namespace kirvo
