#include "settings/RecentFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace kirvo {
namespace {

std::vector<std::string> Names(const RecentFiles& recent)
{
    std::vector<std::string> names;
    for (int i = 0; i < recent.count; ++i)
        names.push_back(recent.entries[size_t(i)].fullName);
    return names;
}

TEST(RecentFiles, AFifthFileDropsTheOldest)
{
    RecentFiles recent;
    for (const char* name : {"/p/a.jig", "/p/b.jig", "/p/c.jig", "/p/d.jig", "/p/e.jig"})
        PutRecentFile(recent, name);
    EXPECT_EQ(Names(recent), (std::vector<std::string> {"/p/e.jig", "/p/d.jig", "/p/c.jig", "/p/b.jig"}));
}

TEST(RecentFiles, ReopeningMovesUpWithoutChangingTheCountIgnoringCase)
{
    RecentFiles recent;
    for (const char* name : {"/p/a.jig", "/p/b.jig", "/p/c.jig"})
        PutRecentFile(recent, name);
    PutRecentFile(recent, "/P/A.JIG");  // the third entry
    EXPECT_EQ(Names(recent), (std::vector<std::string> {"/P/A.JIG", "/p/c.jig", "/p/b.jig"}));

    PutRecentFile(recent, "/p/c.jig");  // already the second
    EXPECT_EQ(Names(recent), (std::vector<std::string> {"/p/c.jig", "/P/A.JIG", "/p/b.jig"}));
}

TEST(RecentFiles, EmptyNameChangesNothingAndCaptionsNumberTheDisplayName)
{
    RecentFiles recent;
    PutRecentFile(recent, "");
    EXPECT_EQ(recent.count, 0);

    PutRecentFile(recent, "C:\\games\\Boats.jig");
    PutRecentFile(recent, "/home/me/Owl.jig");
    EXPECT_EQ(recent.entries[1].displayName, "Boats.jig");
    EXPECT_EQ(RecentFileCaption(recent, 0), "&1. Owl.jig");
    EXPECT_EQ(RecentFileCaption(recent, 1), "&2. Boats.jig");
}

}  // namespace
}  // namespace kirvo
