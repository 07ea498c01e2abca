#include "session/DownloadSite.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/Settings.h"

namespace kirvo {
namespace {

// The server offered after a failure: the first after the second, else the second, also for a
// host the table does not hold; host names compare without regard to case.
TEST(DownloadSite, TheOtherServer)
{
    const DownloadSite site{{"dl1.example", "DL2.example"}, {}, false};
    const struct {
        const char* host;
        int index;
        const char* other;
    } cases[] = {
        {"dl1.example", 0, "DL2.example"}, {"DL1.EXAMPLE", 0, "DL2.example"}, {"dl2.example", 1, "dl1.example"},
        {"elsewhere.example", -1, "DL2.example"}, {"", -1, "DL2.example"}, {"dl1.example:80", -1, "DL2.example"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(site.IndexOf(c.host), c.index) << c.host;
        EXPECT_EQ(site.Other(c.host), c.other) << c.host;
    }
}

// A game run against servers of the environment reaches only those, whatever server its settings
// name, and its settings keep naming the game's own servers when the player moves to the other.
TEST(DownloadSite, ASettingStandsForTheServerOfTheSite)
{
    const DownloadSite own{{kDownloadServers[0], kDownloadServers[1]}, {}, false};
    const DownloadSite replaced{{"127.0.0.1:1", "127.0.0.1:2"}, {}, true};
    const struct {
        const DownloadSite& site;
        std::string setting;
        const char* server;
        const char* settingAfterMove;  // to the other server
    } cases[] = {
        {own, kDownloadServers[1], kDownloadServers[1], kDownloadServers[0]},
        {own, "elsewhere.example", "elsewhere.example", kDownloadServers[1]},
        {replaced, kDownloadServers[1], "127.0.0.1:2", kDownloadServers[0]},
        {replaced, kDownloadServers[0], "127.0.0.1:1", kDownloadServers[1]},
        {replaced, "elsewhere.example", "127.0.0.1:1", kDownloadServers[1]},
        {replaced, "127.0.0.1:2", "127.0.0.1:2", "127.0.0.1:1"},
    };
    for (const auto& c : cases) {
        const std::string server = c.site.ServerFor(c.setting);
        EXPECT_EQ(server, c.server) << c.setting;
        EXPECT_EQ(c.site.SettingAfterMove(c.setting, c.site.Other(server)), c.settingAfterMove) << c.setting;
    }
}

TEST(DownloadSite, TheEnvironmentReplacesTheServersAndTheCertificates)
{
    const struct {
        const char* servers;  // nullptr: unset
        const char* first;
        const char* second;
        bool replaced;
    } cases[] = {
        {nullptr, kDownloadServers[0], kDownloadServers[1], false},
        {"", kDownloadServers[0], kDownloadServers[1], false},
        {" , ", kDownloadServers[0], kDownloadServers[1], false},
        {"127.0.0.1:8080, 127.0.0.1:8081", "127.0.0.1:8080", "127.0.0.1:8081", true},
        {"127.0.0.1:8080", "127.0.0.1:8080", "127.0.0.1:8080", true},
        {",127.0.0.1:9,", "127.0.0.1:9", "127.0.0.1:9", true},
    };
    for (const auto& c : cases) {
        if (c.servers)
            setenv("KIRVO_DOWNLOAD_SERVERS", c.servers, 1);
        else
            unsetenv("KIRVO_DOWNLOAD_SERVERS");
        const DownloadSite site = DownloadSiteFromEnvironment();
        EXPECT_EQ(site.servers[0], c.first) << (c.servers ? c.servers : "unset");
        EXPECT_EQ(site.servers[1], c.second) << (c.servers ? c.servers : "unset");
        EXPECT_EQ(site.replaced, c.replaced) << (c.servers ? c.servers : "unset");
    }
    unsetenv("KIRVO_DOWNLOAD_SERVERS");
    EXPECT_EQ(DownloadSiteFromEnvironment().caFile, "");
    setenv("KIRVO_CA_FILE", "/tmp/ca.pem", 1);
    EXPECT_EQ(DownloadSiteFromEnvironment().caFile, "/tmp/ca.pem");
    unsetenv("KIRVO_CA_FILE");
}

}  // namespace
}  // namespace kirvo
