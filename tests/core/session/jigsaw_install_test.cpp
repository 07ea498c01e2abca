#include "session/JigsawInstall.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "support/Rar4Store.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::Rar4Entry;
using testing::Rar4FileHeaderOffset;
using testing::Rar4Store;
using testing::TempFolder;
using Kind = Rar4Entry::Kind;
using Damage = std::function<void(std::vector<uint8_t>&)>;

const std::string kJigsaw = ReadText(KIRVO_TEST_DATA "/fuzz/jigsaw/two-pixels.ast");
const std::string kOldJigsaw = "the jigsaw installed before";
const std::string kBrokenHeader = "RARReadHeader error - File header broken";

// A game folder whose jigsaws folder already holds tulips.ast, and the downloaded archive in a
// temporary folder of its own.
class JigsawInstallTest : public ::testing::Test {
protected:
    JigsawInstallTest() { temp.Write("game/Jigsaws/tulips.ast", kOldJigsaw); }

    InstallOutcome Install(const std::vector<uint8_t>& archive, const std::string& jigsaws = "game/Jigsaws/")
    {
        std::ofstream(archivePath, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
        return InstallArchive(archivePath, temp.Path() + jigsaws, "tulips");
    }

    // Every file and folder below the temporary folder, relative to it.
    std::set<std::string> Everything() const
    {
        std::set<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(temp.Path()))
            paths.insert(fs::relative(entry.path(), temp.Path()).string());
        return paths;
    }

    TempFolder temp;
    const std::string archivePath = temp.Write("download/tulips.rar");
};

TEST_F(JigsawInstallTest, InstallsTheJigsawsOfASoundArchiveAndNothingOfADamagedOne)
{
    const std::string escaped = temp.Path() + "escaped.ast";
    struct Case {
        const char* what;
        std::vector<Rar4Entry> entries;
        Damage damage;
        std::vector<std::string> installed;
        std::string message;
    };
    const Case cases[] = {
        {"one entry", {{"tulips.ast", kJigsaw}}, {}, {"tulips.ast"}, ""},
        {"two entries", {{"roses.ast", kJigsaw}, {"tulips.ast", kJigsaw}}, {}, {"roses.ast", "tulips.ast"}, ""},
        {"other entries are passed over",
         {{"readme.txt", "hello"}, {"sub", "", Kind::Folder}, {"sub/deep.ast", kJigsaw}, {"tulips.ast", kJigsaw}},
         {}, {"tulips.ast"}, ""},
        {"item in another letter case", {{"Tulips.AST", kJigsaw}}, {}, {"tulips.ast"}, ""},
        {"UTF-8 name", {{"tulips.ast", kJigsaw}, {"blüten.ast", kJigsaw}}, {}, {"blüten.ast", "tulips.ast"}, ""},
        {"bad CRC", {Rar4Entry("tulips.ast", kJigsaw).WithCrc(0x1234)}, {}, {}, "RARProcessFile error - 12"},
        {"bad CRC of a second entry", {{"tulips.ast", kJigsaw}, Rar4Entry("roses.ast", kJigsaw).WithCrc(0x1234)}, {}, {}, "RARProcessFile error - 12"},
        {"bad CRC of an entry passed over", {{"tulips.ast", kJigsaw}, Rar4Entry("a.txt", "x").WithCrc(7)}, {}, {},
         "RARProcessFile error - 12"},
        {"declared longer than its data", {Rar4Entry("tulips.ast", kJigsaw).WithUnpackedSize(uint32_t(kJigsaw.size() + 1))},
         {}, {}, "RARProcessFile error - 12"},
        {"truncated in data", {{"roses.ast", kJigsaw}, {"tulips.ast", kJigsaw}},
         [](std::vector<uint8_t>& bytes) { bytes.resize(bytes.size() - 20); }, {}, "RARProcessFile error - 12"},
        {"truncated in a header", {{"tulips.ast", kJigsaw}, {"roses.ast", kJigsaw}},
         [](std::vector<uint8_t>& bytes) { bytes.resize(Rar4FileHeaderOffset(bytes, 1) + 12); }, {}, kBrokenHeader},
        {"damaged second header", {{"tulips.ast", kJigsaw}, {"roses.ast", kJigsaw}},
         [](std::vector<uint8_t>& bytes) { bytes[Rar4FileHeaderOffset(bytes, 1) + 33] ^= 1; }, {}, kBrokenHeader},
        {"climbs out", {{"tulips.ast", kJigsaw}, {"../escaped.ast", kJigsaw}}, {}, {}, "RARProcessFile error - 30"},
        {"climbs out through a folder", {{"tulips.ast", kJigsaw}, {"sub/../../escaped.ast", kJigsaw}}, {}, {},
         "RARProcessFile error - 30"},
        {"climbs out with backslashes", {{"tulips.ast", kJigsaw}, {"..\\escaped.ast", kJigsaw}}, {}, {},
         "RARProcessFile error - 30"},
        {"absolute", {{"tulips.ast", kJigsaw}, {escaped, kJigsaw}}, {}, {}, "RARProcessFile error - 30"},
        {"symbolic link", {{"roses.ast", "..", Kind::Symlink}, {"tulips.ast", kJigsaw}}, {}, {}, "RARProcessFile error - 30"},
        {"the same name twice", {{"tulips.ast", kJigsaw}, {"TULIPS.ast", kJigsaw}}, {}, {}, "RARProcessFile error - 30"},
        {"huge declared size", {Rar4Entry("tulips.ast", kJigsaw).WithUnpackedSize(0xFFFFFF00)}, {}, {},
         "RARProcessFile error - 31"},
        {"not a jigsaw", {{"tulips.ast", "KIRVO1.0 but nothing more"}}, {}, {}, "RARProcessFile error - 32"},
        {"another entry not a jigsaw", {{"tulips.ast", kJigsaw}, {"roses.ast", kJigsaw.substr(0, 200)}}, {}, {},
         "RARProcessFile error - 32"},
        {"item missing", {{"roses.ast", kJigsaw}}, {}, {}, "RARProcessFile error - 33"},
        {"not an archive", {}, [](std::vector<uint8_t>& bytes) { bytes.assign({'<', 'h', 't', 'm', 'l', '>'}); }, {},
         "RAROpenArchive error - 13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> archive = Rar4Store(c.entries);
        if (c.damage)
            c.damage(archive);

        InstallOutcome outcome = Install(archive);

        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.installed, c.message.empty());
        EXPECT_EQ(std::set<std::string>(outcome.jigsaws.begin(), outcome.jigsaws.end()),
                  std::set<std::string>(c.installed.begin(), c.installed.end()));
        std::set<std::string> expected = {"download", "download/tulips.rar", "game", "game/Jigsaws", "game/Jigsaws/tulips.ast"};
        for (const std::string& name : c.installed)
            expected.insert("game/Jigsaws/" + name);
        EXPECT_EQ(Everything(), expected);
        for (const std::string& name : c.installed)
            EXPECT_EQ(ReadText(temp.Path() + "game/Jigsaws/" + name), kJigsaw) << name;
        EXPECT_EQ(ReadText(temp.Path() + "game/Jigsaws/tulips.ast"), c.installed.empty() ? kOldJigsaw : kJigsaw);

        for (const std::string& name : c.installed)
            fs::remove(temp.Path() + "game/Jigsaws/" + name);
        temp.Write("game/Jigsaws/tulips.ast", kOldJigsaw);
    }
}

// The library refuses to write through a folder reached by a symbolic link, so the jigsaws folder
// must be followed to its real place first.
TEST_F(JigsawInstallTest, JigsawsFolderReachedThroughALink)
{
    fs::create_directory_symlink(temp.Path() + "game", temp.Path() + "linked");
    InstallOutcome outcome = Install(Rar4Store({{"tulips.ast", kJigsaw}}), "linked/Jigsaws/");
    EXPECT_TRUE(outcome.installed) << outcome.message;
    EXPECT_EQ(ReadText(temp.Path() + "game/Jigsaws/tulips.ast"), kJigsaw);
}

TEST_F(JigsawInstallTest, ArchiveOrFolderThatCannotBeUsed)
{
    const std::vector<uint8_t> archive = Rar4Store({{"tulips.ast", kJigsaw}});
    EXPECT_EQ(Install(archive, "game/Absent/").message, "RARProcessFile error - 16");
    fs::resize_file(archivePath, kMaxUnpackedBytes + 1);  // sparse: nothing is written
    EXPECT_EQ(InstallArchive(archivePath, temp.Path() + "game/Jigsaws/", "tulips").message, "RAROpenArchive error - 31");
    fs::remove(archivePath);
    EXPECT_EQ(InstallArchive(archivePath, temp.Path() + "game/Jigsaws/", "tulips").message, "RAROpenArchive error - 15");
    EXPECT_EQ(ReadText(temp.Path() + "game/Jigsaws/tulips.ast"), kOldJigsaw);
}

}  // namespace
}  // namespace kirvo
