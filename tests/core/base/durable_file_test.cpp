#include "base/DurableFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "base/Folders.h"
#include "support/AsOrdinaryUser.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::FileSizeLimit;
using testing::ReadText;
using testing::TempFolder;

// The names in the folder, sorted: a temporary file left behind shows up here.
std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DurableFile, ReplacesTheContentWhole)
{
    TempFolder folder;
    const std::string path = folder.Write("game.sv1", std::string(5000, 'o'));
    folder.Write("kirvo.svt", std::string(9000, 's'));  // left behind by a crash
    ASSERT_TRUE(WriteFileDurably(path, folder.Path() + "kirvo.svt", Bytes {1, 2, 3}));
    EXPECT_EQ(ReadFileBytes(path).value(), (Bytes {1, 2, 3}));

    const std::string settings = folder.Path() + "kirvo.ini";
    ASSERT_TRUE(WriteFileDurably(settings, Bytes {7}));
    ASSERT_TRUE(WriteFileDurably(path, Bytes {}));
    EXPECT_EQ(ReadFileBytes(settings).value(), Bytes {7});
    EXPECT_TRUE(ReadFileBytes(path).value().empty());
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"game.sv1", "kirvo.ini"}));
}

TEST(DurableFile, AFailedWriteLeavesTheTargetAsItWasAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string game = folder.Write("game.sv1", "old");
    const std::string taken = folder.Path() + "taken";
    folder.Write("taken/inside", "old");
    struct Case {
        std::string target;
        std::string error;
        rlim_t sizeLimit = RLIM_INFINITY;
    } cases[] = {
        {folder.Path() + "missing/game.sv1",
         "Cannot create " + folder.Path() + "missing/kirvo.svt: No such file or directory"},
        {taken, "Cannot replace " + taken + ": Is a directory"},
        {game, "Cannot write " + game + ": File too large", 4096},
    };
    const Bytes bytes(65536, 0x5A);
    for (const Case& c : cases) {
        const std::string temp = std::filesystem::path(c.target).parent_path() / "kirvo.svt";
        std::optional<FileSizeLimit> limit;
        if (c.sizeLimit != RLIM_INFINITY)
            limit.emplace(c.sizeLimit);
        Result<> written = WriteFileDurably(c.target, temp, bytes);
        limit.reset();
        ASSERT_FALSE(written) << c.error;
        EXPECT_EQ(written.error(), c.error);
    }
    EXPECT_EQ(ReadText(game), "old");
    EXPECT_EQ(ReadText(taken + "/inside"), "old");
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"game.sv1", "taken"}));
}

TEST(DurableFile, AFolderThatCannotBeWrittenGivesTheReason)
{
    TempFolder folder;
    const std::string path = folder.Write("locked/kirvo.ini", "old");
    chmod(folder.Path().c_str(), 0755);
    chmod((folder.Path() + "locked").c_str(), 0555);
    EXPECT_TRUE(testing::AsOrdinaryUser([&] {
        Result<> written = WriteFileDurably(path, Bytes {1});
        return !written && written.error() == "Cannot create " + DurableTempPath(path) + ": Permission denied";
    }));
    chmod((folder.Path() + "locked").c_str(), 0700);
    EXPECT_EQ(ReadText(path), "old");
}

TEST(DurableFile, AWriterKilledAtAnyMomentLeavesOneWholeFile)
{
    TempFolder folder;
    const std::string path = folder.Path() + "autosaved.sv1";
    const std::string temp = folder.Path() + "kirvo.svt";
    // Large enough that a write takes long enough to be interrupted.
    const Bytes versions[2] = {Bytes(470000, 1), Bytes(480000, 2)};
    ASSERT_TRUE(WriteFileDurably(path, temp, versions[0]));
    for (int delay : {1, 3, 7, 15, 31}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int k = 1;; k ^= 1)
                (void)WriteFileDurably(path, temp, versions[k]);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));

        Result<Bytes> left = ReadFileBytes(path);
        ASSERT_TRUE(left) << left.error();
        EXPECT_TRUE(left.value() == versions[0] || left.value() == versions[1]) << "killed after " << delay << " ms";
    }
}

}  // namespace
}  // namespace kirvo
