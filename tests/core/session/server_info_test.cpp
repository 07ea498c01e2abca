#include "session/ServerInfo.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ServerInfoTest, ExtensionComesFromTheLastUsableExtEntry)
{
    struct Case {
        const char* text;
        bool loaded;
        const char* ext;
    };
    const Case cases[] = {
        {"ext:rar", true, ".rar"},
        {"EXT : .RAR \r\n", true, ".rar"},
        {"\text\t:\tZip", true, ".zip"},
        {"name: server one\nversion: 3", false, ""},
        {"", false, ""},
        {": rar\next:", false, ""},                 // empty key, empty value
        {"ext rar\nextrar", false, ""},             // no colon
        {"ext: rar\r\next: 7z\r\n", true, ".7z"},   // a later line overrides
        {"ext: rar\next:\n", true, ".rar"},         // an empty value does not
        {"ext: tar.gz", true, "tar.gz"},            // a dot anywhere counts
        {"ext: a:b\n", true, ".a:b"},               // the value is all after the first colon
        {"other: x\rext: rar\rmore: y", true, ".rar"},
    };
    for (const Case& c : cases) {
        ServerInfo info = ParseServerInfo(c.text);
        EXPECT_EQ(info.loaded, c.loaded) << c.text;
        EXPECT_EQ(info.ext, c.ext) << c.text;
    }
}

}  // namespace
}  // namespace kirvo
