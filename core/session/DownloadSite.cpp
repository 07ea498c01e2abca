#include "session/DownloadSite.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/TextFormat.h"
#include "settings/Settings.h"

namespace kirvo {

namespace {

bool SameHost(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::vector<std::string> CommaList(std::string_view text)
{
    std::vector<std::string> entries;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view entry = Trimmed(text.substr(0, comma));
        if (!entry.empty())
            entries.emplace_back(entry);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return entries;
}

}  // namespace

int DownloadSite::IndexOf(const std::string& host) const
{
    for (int i = 0; i < int(servers.size()); ++i)
        if (SameHost(servers[i], host))
            return i;
    return -1;
}

const std::string& DownloadSite::Other(const std::string& host) const
{
    return IndexOf(host) == 1 ? servers[0] : servers[1];
}

namespace {

// The place of host in the game's own table; -1 when it is not there.
int GameServerIndex(const std::string& host)
{
    for (int i = 0; i < int(kDownloadServers.size()); ++i)
        if (SameHost(kDownloadServers[size_t(i)], host))
            return i;
    return -1;
}

}  // namespace

std::string DownloadSite::ServerFor(const std::string& setting) const
{
    if (!replaced || IndexOf(setting) >= 0)
        return setting;
    return servers[size_t(std::max(0, GameServerIndex(setting)))];
}

std::string DownloadSite::SettingAfterMove(const std::string& setting, const std::string& server) const
{
    if (ServerFor(setting) == setting)
        return server;
    return kDownloadServers[size_t(std::max(0, IndexOf(server)))];
}

DownloadSite DownloadSiteFromEnvironment()
{
    DownloadSite site{{kDownloadServers[0], kDownloadServers[1]}, {}, false};
    const char* servers = std::getenv("KIRVO_DOWNLOAD_SERVERS");
    const std::vector<std::string> entries = CommaList(servers ? servers : "");
    if (!entries.empty()) {
        site.servers = {entries[0], entries.size() > 1 ? entries[1] : entries[0]};
        site.replaced = true;
    }
    if (const char* caFile = std::getenv("KIRVO_CA_FILE"))
        site.caFile = caFile;
    return site;
}

}  // namespace kirvo
