// Starts the real program against a fresh home folder and a program folder of our own making,
// twice, and checks what a player's first and second start leave on disk.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "base/Folders.h"
#include "support/TempFolder.h"

extern char** environ;

namespace kirvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempFolder;
using namespace std::chrono_literals;

class StartupTest : public ::testing::Test {
protected:
    StartupTest()
    {
        fs::create_directories(temp.Path() + "program");
        fs::copy_file(KIRVO_EXECUTABLE, Program() + "kirvo");
        fs::copy(KIRVO_LANGUAGES, Program() + "language");
        temp.Write("program/jigsaws/distjiglist.txt", "dist1.ast\ndist2.ast\n");
        temp.Write("program/jigsaws/dist1.ast");
        temp.Write("program/jigsaws/dist2.ast");
        temp.Write("program/jigsaws/first.ast");
        temp.Write("program/jigsaws/sample.sv1");
        temp.Write("program/thumb/jiglist.txt", "first\n");
        temp.Write("program/autosaved.sv1");
        fs::create_directories(temp.Path() + "home");
        fs::create_directories(temp.Path() + "runtime");
    }

    std::string Program() const { return temp.Path() + "program/"; }
    std::string Game() const { return temp.Path() + "home/Documents/Moru Games/Kirvo Jigsaw Pleo III/"; }
    std::string LocalData() const { return temp.Path() + "home/.local/share/Kirvo Jigsaw Pleo III/"; }

    // Runs the program until `ready` holds, then asks it to stop as a session logout would.
    // Returns its exit status.
    int RunUntil(const std::function<bool()>& ready)
    {
        std::vector<std::string> variables = {"HOME=" + temp.Path() + "home", "QT_QPA_PLATFORM=offscreen",
                                              "XDG_RUNTIME_DIR=" + temp.Path() + "runtime", "PATH=/usr/bin:/bin"};
        std::vector<char*> environment;
        for (std::string& variable : variables)
            environment.push_back(variable.data());
        environment.push_back(nullptr);
        std::string path = Program() + "kirvo";
        char* arguments[] = {path.data(), nullptr};

        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, path.c_str(), nullptr, nullptr, arguments, environment.data()), 0);
        auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!ready() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(50ms);
        EXPECT_TRUE(ready()) << "the program did not get ready";
        kill(pid, SIGTERM);

        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline + 10s) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                ADD_FAILURE() << "the program did not quit";
                return -1;
            }
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_TRUE(WIFEXITED(status)) << "the program did not end by itself";
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempFolder temp;
};

TEST_F(StartupTest, FirstAndSecondStart)
{
    auto firstCopiesDone = [&] { return FileExists(Game() + "Saved Games/sample.sv1"); };
    ASSERT_EQ(RunUntil(firstCopiesDone), 0);
    for (const char* file : {"Jigsaws/dist1.ast", "Jigsaws/dist2.ast", "Jigsaws/first.ast", "Saved Games/sample.sv1",
                             "Saved Games/autosaved.sv1"})
        EXPECT_TRUE(FileExists(Game() + file)) << file;
    EXPECT_TRUE(FileExists(LocalData() + "kirvo.ini")) << "closing writes the settings file";

    for (const char* file : {"Jigsaws/dist1.ast", "Jigsaws/first.ast", "Saved Games/sample.sv1", "Saved Games/autosaved.sv1"})
        fs::remove(Game() + file);
    std::string settings = ReadText(LocalData() + "kirvo.ini");
    for (auto [from, to] : {std::pair<std::string, std::string>{"<Sound> 1", "<Sound> 0"}, {"<Lang> english", "<Lang> german"}}) {
        size_t at = settings.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        settings.replace(at, from.size(), to);
    }
    temp.Write("home/.local/share/Kirvo Jigsaw Pleo III/kirvo.ini", settings + "[Player Notes]\r\n   mine=1\r\n");
    temp.Write("home/.local/share/Kirvo Jigsaw Pleo III/~kjtemp.bmp");
    temp.Write("home/Documents/Moru Games/Kirvo Jigsaw Pleo III/Saved Games/kirvo.svt");

    auto secondCopiesDone = [&] { return FileExists(Game() + "Jigsaws/dist1.ast") && !FileExists(Game() + "Saved Games/kirvo.svt"); };
    ASSERT_EQ(RunUntil(secondCopiesDone), 0);
    EXPECT_TRUE(FileExists(Game() + "Jigsaws/dist1.ast"));
    EXPECT_FALSE(FileExists(Game() + "Jigsaws/first.ast"));
    EXPECT_FALSE(FileExists(Game() + "Saved Games/sample.sv1"));
    EXPECT_FALSE(FileExists(Game() + "Saved Games/autosaved.sv1"));
    EXPECT_FALSE(FileExists(LocalData() + "~kjtemp.bmp")) << "the extraction temp file is removed at exit";
    std::string kept = ReadText(LocalData() + "kirvo.ini");
    EXPECT_NE(kept.find("<Sound> 0"), std::string::npos) << "settings changed between runs are kept";
    EXPECT_NE(kept.find("<Lang> german"), std::string::npos);
    EXPECT_NE(kept.find("mine=1"), std::string::npos) << "lines the game does not know survive";
}

}  // namespace
}  // namespace kirvo
