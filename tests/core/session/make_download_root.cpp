// Writes the document roots of the download tests' web server (download_server.sh) into FOLDER:
// root-a for server A, the default one, and root-b for server B, the other one. An archive entry
// names FOLDER/absolute.ast, which no install may write.
//
//   kirvo-download-root FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/JigsawWriter.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"
#include "support/Rar4Store.h"

namespace {

namespace fs = std::filesystem;
using kirvo::testing::Rar4Entry;

void Write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string AsText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A jigsaw whose picture is a width x height bitmap.
std::string Jigsaw(int width, int height)
{
    kirvo::TPixelBuffer picture;
    kirvo::PixCreate24(picture, width, height);
    kirvo::PixFillRect(picture, 0, 0, width / 2, height, kirvo::MakeColour(200, 40, 60));
    const std::vector<uint8_t> bitmap = kirvo::PixEncodeBmp(picture);
    return AsText(
        kirvo::EncodeJigsawFile({.ImageW = width, .ImageH = height, .preview = bitmap, .info = {}, .picture = bitmap}));
}

std::string Rar(std::initializer_list<Rar4Entry> entries) { return AsText(kirvo::testing::Rar4Store(entries)); }

// The archives of the jigsaw server folder: named after the item they hold, whose jigsaw they
// name item + ".ast", most broken in one way. One entry names absoluteEntry, a path from the root.
void WriteArchives(const fs::path& folder, const std::string& absoluteEntry)
{
    const std::string jigsaw = Jigsaw(32, 24);
    Write(folder / "tulips.rar", Rar({{"tulips.ast", jigsaw}}));
    Write(folder / "big-jigsaw.rar", Rar({{"big-jigsaw.ast", Jigsaw(420, 400)}}));
    Write(folder / "with-readme.rar", Rar({{"readme.txt", "Enjoy!"}, {"with-readme.ast", jigsaw}}));
    Write(folder / "twice.rar", Rar({{"twice.ast", jigsaw}, {"twice.ast", jigsaw}}));
    Write(folder / "not-a-jigsaw.rar", Rar({{"not-a-jigsaw.ast", "Hello"}}));
    Write(folder / "wrong-jigsaw.rar", Rar({{"tulips.ast", jigsaw}}));

    const std::string whole = Rar({{"truncated.ast", jigsaw}});
    Write(folder / "truncated.rar", whole.substr(0, whole.size() / 2));
    Write(folder / "bad-crc.rar", Rar({Rar4Entry("bad-crc.ast", jigsaw).WithCrc(0x12345678)}));
    Write(folder / "huge-size.rar", Rar({Rar4Entry("huge-size.ast", jigsaw).WithUnpackedSize(0xFFFFFF00)}));
    std::vector<uint8_t> damaged = kirvo::testing::Rar4Store(
        {{"first.ast", jigsaw}, {"damaged-header.ast", jigsaw}});
    damaged[kirvo::testing::Rar4FileHeaderOffset(damaged, 1) + 7] ^= 0xFF;  // its packed size
    Write(folder / "damaged-header.rar", AsText(damaged));

    Write(folder / "dotdot.rar", Rar({{"../dotdot.ast", jigsaw}}));
    Write(folder / "backslash.rar", Rar({{"..\\backslash.ast", jigsaw}}));
    Write(folder / "absolute.rar", Rar({{absoluteEntry, jigsaw}}));
    Write(folder / "symlink.rar", Rar({{"escape", "..", Rar4Entry::Kind::Symlink},
                                       {"escape/symlink.ast", jigsaw}}));
}

// What nginx sends for a missing file, here sent with status 200 as some servers do.
const char* const kNotFoundPage =
    "<html>\r\n<head><title>404 Not Found</title></head>\r\n<body>\r\n<center><h1>404 Not Found</h1></center>\r\n"
    "<hr><center>nginx</center>\r\n</body>\r\n</html>\r\n";

std::string Pattern(size_t length)
{
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i)
        bytes[i] = char('a' + i * 7 % 26);
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path a = fs::path(argv[1]) / "root-a";
    const fs::path b = fs::path(argv[1]) / "root-b";
    const fs::path jigsaws = a / "kirvo" / "jigsaws_pleo3";
    const std::string absolute = (fs::absolute(argv[1]) / "absolute.ast").string();

    Write(jigsaws / "info.dat", "ext: rar\r\n");
    Write(jigsaws / "hello.txt", "Hello from the test server.\n" + Pattern(4000));
    Write(jigsaws / "big.rar", Pattern(2'000'000));
    Write(jigsaws / "notfound-page.rar", kNotFoundPage);
    Write(jigsaws / "teapot-page.rar", "<HTML><HEAD><TITLE>418 I'm a teapot</TITLE></HEAD><BODY></BODY></HTML>");
    Write(jigsaws / "untitled-page.rar", "<html><body>Gone fishing</body></html>");
    WriteArchives(jigsaws, absolute);

    Write(a / "locked" / "info.dat", "ext: rar\r\n");
    Write(a / "no-ext" / "info.dat", "name: jigsaws\r\nversion: 3\r\n");
    Write(a / "html-info" / "info.dat", kNotFoundPage);
    Write(a / "dotted" / "info.dat", "; the archives\r\nnot an entry\r\n: rar\r\n  EXT :  .RAR  \r\n");
    WriteArchives(a / "dotted", absolute);

    Write(b / "only-b" / "info.dat", "ext: rar\n");
    WriteArchives(b / "only-b", absolute);
    Write(b / "kirvo" / "jigsaws_pleo3" / "info.dat", "ext: rar\n");
    return 0;
}
