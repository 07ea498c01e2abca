#include "session/ProgramFolder.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

constexpr const char* kInstalled = "../share/kirvo-jigsaw-pleo3";

// The build folder has the data beside the program; an installed program finds it under share/,
// and a file of that name is no data folder.
TEST(ProgramFolderTest, TheInstalledFolderWhenThereIsOneElseBesideTheProgram)
{
    struct Case {
        const char* made;  // what lies below the temporary folder beside the program
        const char* executableFolder;
        const char* expected;
    };
    const Case cases[] = {
        {"build/language/english.lng", "build", "build/"},
        {"usr/share/kirvo-jigsaw-pleo3/language/english.lng", "usr/bin", "usr/share/kirvo-jigsaw-pleo3/"},
        {"usr/share/kirvo-jigsaw-pleo3/language/english.lng", "usr/bin/", "usr/share/kirvo-jigsaw-pleo3/"},
        {"opt/share/kirvo-jigsaw-pleo3", "opt/bin", "opt/bin/"},
    };
    for (const Case& c : cases) {
        testing::TempFolder temp;
        temp.Write(c.made);
        temp.Write(std::string(c.executableFolder) + "/kirvo");
        EXPECT_EQ(FindProgramFolder(temp.Path() + c.executableFolder, kInstalled), temp.Path() + c.expected) << c.made;
    }
}

}  // namespace
}  // namespace kirvo
