// The download tests' web server (download_server.sh), as the tests reach it: its ports and the
// CA that signed its certificate. The server is a CTest fixture; a test run without it fails.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace kirvo::testing {

struct DownloadServer {
    std::string httpA, httpsA, httpB, httpsB;  // "127.0.0.1:port"
    std::string caFile;

    static const DownloadServer& Get()
    {
        static const DownloadServer server = Read();
        if (server.caFile.empty())
            ADD_FAILURE() << "the download server is not running: run these tests through ctest";
        return server;
    }

private:
    static DownloadServer Read()
    {
        std::map<std::string, std::string> values;
        std::ifstream file(std::string(KIRVO_DOWNLOAD_SERVER) + "/server.env");
        for (std::string line; std::getline(file, line);)
            if (const size_t equals = line.find('='); equals != std::string::npos)
                values[line.substr(0, equals)] = line.substr(equals + 1);
        const auto host = [&values](const char* name) { return "127.0.0.1:" + values[name]; };
        return {host("HTTP_A"), host("HTTPS_A"), host("HTTP_B"), host("HTTPS_B"), values["CA_FILE"]};
    }
};

}  // namespace kirvo::testing
