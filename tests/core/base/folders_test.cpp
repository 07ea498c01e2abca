#include "base/Folders.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::ReadText;
using testing::TempFolder;

TEST(Folders, NormaliseAddsOneTrailingSlash)
{
    EXPECT_EQ(NormaliseFolder("a/b"), "a/b/");
    EXPECT_EQ(NormaliseFolder("a/b/"), "a/b/");
    EXPECT_EQ(NormaliseFolder(""), "");
}

TEST(Folders, EnsureFolderMakesOneLevelOnly)
{
    TempFolder temp;
    EXPECT_TRUE(EnsureFolder(temp.Path() + "one"));
    EXPECT_TRUE(EnsureFolder(temp.Path() + "one"));
    EXPECT_FALSE(EnsureFolder(temp.Path() + "two/three"));
    temp.Write("file");
    EXPECT_FALSE(EnsureFolder(temp.Path() + "file"));
}

TEST(Folders, CopyIfMissingNeverOverwritesAndNeedsASource)
{
    TempFolder temp;
    std::string source = temp.Write("source", "new");
    std::string existing = temp.Write("existing", "old");

    EXPECT_FALSE(CopyIfMissing(source, existing));
    EXPECT_EQ(ReadText(existing), "old");
    EXPECT_FALSE(CopyIfMissing(temp.Path() + "absent", temp.Path() + "copy"));
    EXPECT_FALSE(FileExists(temp.Path() + "copy"));

    EXPECT_TRUE(CopyIfMissing(source, temp.Path() + "copy"));
    EXPECT_EQ(ReadText(temp.Path() + "copy"), "new");
    EXPECT_TRUE(FileExists(source));

    EXPECT_TRUE(CopyIfMissing(source, temp.Path() + "moved", AfterCopy::DeleteSource));
    EXPECT_FALSE(FileExists(source));
}

TEST(Folders, ListByExtensionTakesExactExtensionsSortedIgnoringCase)
{
    TempFolder temp;
    for (const char* name : {"b.ast", "A.ast", "c.ast", "d.AST", "e.as", "f", "g.ast.bak", "h.sv1"})
        temp.Write(std::string("list/") + name);
    temp.Write("list/folder.ast/inside");

    EXPECT_EQ(ListFilesByExtension(temp.Path() + "list", ".ast"),
              (std::vector<std::string>{"A.ast", "b.ast", "c.ast", "folder.ast"}));
    EXPECT_EQ(ListFilesByExtension(temp.Path() + "list/", ".sv1", ListNames::FullPath),
              (std::vector<std::string>{temp.Path() + "list/h.sv1"}));
    EXPECT_TRUE(ListFilesByExtension(temp.Path() + "list", ".jpg").empty());
    EXPECT_TRUE(ListFilesByExtension(temp.Path() + "absent", ".ast").empty());
}

}  // namespace
}  // namespace kirvo
