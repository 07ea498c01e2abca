#include "base/Folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileSizeLimit.h"
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
    temp.Write("file");
    const std::pair<std::string, const char*> failures[] = {
        {temp.Path() + "two/three", "No such file or directory"},
        {temp.Path() + "file", "File exists"},
    };
    for (const auto& [path, reason] : failures) {
        Result<> made = EnsureFolder(path);
        ASSERT_FALSE(made) << path;
        EXPECT_EQ(made.error(), "Cannot make the folder " + path + ": " + reason);
    }
}

TEST(Folders, CopyIfMissingNeverOverwritesAndNeedsASource)
{
    TempFolder temp;
    std::string source = temp.Write("source", "new");
    std::string existing = temp.Write("existing", "old");

    EXPECT_FALSE(CopyIfMissing(source, existing).value());
    EXPECT_EQ(ReadText(existing), "old");
    EXPECT_FALSE(CopyIfMissing(temp.Path() + "absent", temp.Path() + "copy").value());
    EXPECT_FALSE(FileExists(temp.Path() + "copy"));

    EXPECT_TRUE(CopyIfMissing(source, temp.Path() + "copy").value());
    EXPECT_EQ(ReadText(temp.Path() + "copy"), "new");
    EXPECT_TRUE(FileExists(source));

    EXPECT_TRUE(CopyIfMissing(source, temp.Path() + "moved", AfterCopy::DeleteSource).value());
    EXPECT_FALSE(FileExists(source));
}

// What exists is never copied again, so a copy cut short must leave nothing behind.
TEST(Folders, AFailedCopyLeavesNoPartOfTheFile)
{
    TempFolder temp;
    const std::string source = temp.Write("source.ast", std::string(65536, 'j'));
    const std::string copy = temp.Path() + "Jigsaws/source.ast";
    std::filesystem::create_directory(temp.Path() + "Jigsaws");
    {
        testing::FileSizeLimit fullDisk(4096);
        Result<bool> copied = CopyIfMissing(source, copy);
        ASSERT_FALSE(copied);
        EXPECT_EQ(copied.error(), "Cannot write " + copy + ": File too large");
    }
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path() + "Jigsaws"));
    EXPECT_TRUE(CopyIfMissing(source, copy).value());
    EXPECT_EQ(ReadText(copy), ReadText(source));
}

TEST(Folders, ReadFileBytesGivesTheContentOrTheReason)
{
    TempFolder temp;
    EXPECT_EQ(ReadFileBytes(temp.Write("a.txt", "abc")).value(), (std::vector<uint8_t> {'a', 'b', 'c'}));
    EXPECT_TRUE(ReadFileBytes(temp.Write("empty.txt", "")).value().empty());
    const std::pair<std::string, const char*> failures[] = {
        {temp.Path() + "missing.txt", "No such file or directory"},
        {temp.Path(), "not an ordinary file"},
    };
    for (const auto& [path, reason] : failures) {
        Result<std::vector<uint8_t>> read = ReadFileBytes(path);
        ASSERT_FALSE(read) << path;
        EXPECT_EQ(read.error(), "Cannot read " + path + ": " + reason);
    }
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
