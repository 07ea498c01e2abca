// DownloadSite: the two download servers jigsaws come from and the certificates trusted for them.
//
// The game uses the servers of kDownloadServers and the system's certificates. The environment can
// replace both, so that tests and tools fetch from a server of their own and never reach the real
// ones: KIRVO_DOWNLOAD_SERVERS="host:port,host:port" and KIRVO_CA_FILE=certificates.pem.
#pragma once

#include <array>
#include <string>

namespace kirvo {

struct DownloadSite {
    std::array<std::string, 2> servers;
    std::string caFile;       // empty: the system's certificates
    bool replaced = false;    // the servers came from the environment

    // The entry of the table that equals host ignoring ASCII case; -1 when neither does.
    int IndexOf(const std::string& host) const;
    // The server to try after host: the first when host is the second, else the second.
    const std::string& Other(const std::string& host) const;
    // The server a download-server setting stands for: the setting itself while it names a server
    // of this site or the game's own servers are used. While the environment replaces them, a
    // setting naming one of the game's servers (or neither table) stands for the replacement at
    // that place in kDownloadServers (the first), so the real hosts are never reached.
    std::string ServerFor(const std::string& setting) const;
    // The setting after the player moved from the setting's server to server, an entry of this
    // site: server itself, or the game's own name at its place while setting stands in for one.
    std::string SettingAfterMove(const std::string& setting, const std::string& server) const;
};

// The site as the environment sets it. KIRVO_DOWNLOAD_SERVERS names one or two servers separated
// by a comma (one server stands for both); when it names none the game's own servers are used.
DownloadSite DownloadSiteFromEnvironment();

}  // namespace kirvo
