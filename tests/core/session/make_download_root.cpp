// Writes the document roots of the download tests' web server (download_server.sh) into FOLDER:
// root-a for server A, the default one, and root-b for server B, the other one.
//
//   kirvo-download-root FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
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

    Write(jigsaws / "info.dat", "ext: rar\r\n");
    Write(jigsaws / "hello.txt", "Hello from the test server.\n" + Pattern(4000));
    Write(jigsaws / "big.rar", Pattern(2'000'000));
    Write(jigsaws / "notfound-page.rar", kNotFoundPage);
    Write(jigsaws / "teapot-page.rar", "<HTML><HEAD><TITLE>418 I'm a teapot</TITLE></HEAD><BODY></BODY></HTML>");
    Write(jigsaws / "untitled-page.rar", "<html><body>Gone fishing</body></html>");

    Write(a / "locked" / "info.dat", "ext: rar\r\n");
    Write(a / "no-ext" / "info.dat", "name: jigsaws\r\nversion: 3\r\n");
    Write(a / "html-info" / "info.dat", kNotFoundPage);
    Write(a / "dotted" / "info.dat", "; the archives\r\nnot an entry\r\n: rar\r\n  EXT :  .RAR  \r\n");

    Write(b / "only-b" / "info.dat", "ext: rar\n");
    Write(b / "kirvo" / "jigsaws_pleo3" / "info.dat", "ext: rar\n");
    return 0;
}
