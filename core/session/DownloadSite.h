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
};

// The site as the environment sets it. KIRVO_DOWNLOAD_SERVERS names one or two servers separated
// by a comma (one server stands for both); when it names none the game's own servers are used.
DownloadSite DownloadSiteFromEnvironment();

}  // namespace kirvo
