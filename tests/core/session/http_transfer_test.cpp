// Transfers against the private web server: what arrives, what is refused before anything is
// sent, and how each way a transfer can go wrong ends it.
#include "session/HttpTransfer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "support/DownloadServer.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::DownloadServer;
using Clock = std::chrono::steady_clock;

const std::string kFolder = "/kirvo/jigsaws_pleo3/";
const std::string kHello = testing::ReadText(std::string(KIRVO_DOWNLOAD_SERVER) + "/root-a/kirvo/jigsaws_pleo3/hello.txt");

std::string Http(const std::string& file) { return "http://" + DownloadServer::Get().httpA + kFolder + file; }
std::string Https(const std::string& file) { return "https://" + DownloadServer::Get().httpsA + kFolder + file; }

TransferOptions Trusting()
{
    TransferOptions options;
    options.caFile = DownloadServer::Get().caFile;
    return options;
}

TEST(HttpTransfer, FetchesIntoMemoryOverHttpAndHttpsWithItsProgress)
{
    ASSERT_GT(kHello.size(), 1000u);
    for (const std::string& url : {Http("hello.txt"), Https("hello.txt")}) {
        TransferOptions options = Trusting();
        TransferProgress last;
        int64_t announced = -1;
        options.progress = [&](const TransferProgress& progress) {
            EXPECT_GE(progress.received, last.received) << "progress went back";
            if (progress.announced > 0)
                announced = progress.announced;
            last = progress;
            return true;
        };
        std::string body;
        const TransferResult result = HttpGet(url, options, body);
        EXPECT_EQ(result.end, TransferEnd::Finished) << url << ": " << result.error;
        EXPECT_EQ(result.status, 200);
        EXPECT_EQ(body, kHello) << url;
        EXPECT_EQ(result.bytes, int64_t(kHello.size()));
        EXPECT_EQ(announced, int64_t(kHello.size())) << url;
        EXPECT_EQ(last.received, int64_t(kHello.size())) << url;
    }
}

TEST(HttpTransfer, WritesIntoTheFileFromWhereItStands)
{
    testing::TempFolder folder;
    const std::string path = folder.Path() + "hello.download";
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    std::fputs("kept:", file.get());
    const TransferResult result = HttpGet(Https("hello.txt"), Trusting(), file.get());
    file.reset();
    EXPECT_EQ(result.end, TransferEnd::Finished) << result.error;
    EXPECT_EQ(testing::ReadText(path), "kept:" + kHello);
}

// SSL 2 and 3 are never tried; TLS 1.0 and 1.1 only where the TLS library still allows them, and
// this server speaks neither. The choice does not matter for plain HTTP.
TEST(HttpTransfer, TlsVersionFollowsThePlayersChoice)
{
    const struct {
        int method;
        TransferEnd https;
    } cases[] = {
        {0, TransferEnd::TlsRefused},
        {1, TransferEnd::Finished},
        {2, TransferEnd::TlsRefused},
        {3, SecureMethodAllowed(3) ? TransferEnd::Failed : TransferEnd::TlsRefused},
        {4, SecureMethodAllowed(4) ? TransferEnd::Failed : TransferEnd::TlsRefused},
        {5, TransferEnd::Finished},
        {6, TransferEnd::Finished},
    };
    for (const auto& c : cases) {
        TransferOptions options = Trusting();
        options.secureMethod = c.method;
        std::string body;
        const TransferResult secure = HttpGet(Https("hello.txt"), options, body);
        EXPECT_EQ(secure.end, c.https) << "method " << c.method << ": " << secure.error;
        EXPECT_EQ(secure.end == TransferEnd::Finished, body == kHello) << "method " << c.method;
        std::string plainBody;
        EXPECT_EQ(HttpGet(Http("hello.txt"), options, plainBody).end, TransferEnd::Finished) << "method " << c.method;
    }
    EXPECT_FALSE(SecureMethodAllowed(0));
    EXPECT_FALSE(SecureMethodAllowed(2));
    EXPECT_FALSE(SecureMethodAllowed(7));
}

TEST(HttpTransfer, CertificatesAreAlwaysVerified)
{
    std::string body;
    const TransferResult untrusted = HttpGet(Https("hello.txt"), TransferOptions{}, body);
    EXPECT_EQ(untrusted.end, TransferEnd::Failed);
    EXPECT_NE(untrusted.error.find("certificate"), std::string::npos) << untrusted.error;
    EXPECT_TRUE(body.empty());

    // The certificate names 127.0.0.1 and localhost, not this address.
    TransferOptions options = Trusting();
    const std::string otherName = "https://127.0.0.2:" + DownloadServer::Get().httpsA.substr(10) + kFolder + "hello.txt";
    const TransferResult wrongHost = HttpGet(otherName, options, body);
    EXPECT_EQ(wrongHost.end, TransferEnd::Failed) << "a certificate for another host was accepted";
    EXPECT_TRUE(body.empty());
}

// Error answers keep no body; only http and https are followed, never from https down to http.
TEST(HttpTransfer, StatusesAndRedirects)
{
    const struct {
        std::string url;
        TransferEnd end;
        long status;
        std::string error;  // what the error text holds
        bool hello;         // the body is hello.txt's
    } cases[] = {
        {Http("missing.rar"), TransferEnd::HttpStatus, 404, "HTTP/1.1 404 Not Found", false},
        {Http("locked.rar"), TransferEnd::HttpStatus, 401, "HTTP/1.1 401 Unauthorized", false},
        {Http("forbidden.rar"), TransferEnd::HttpStatus, 403, "HTTP/1.1 403 Forbidden", false},
        {Http("moved-hello.txt"), TransferEnd::Finished, 200, "", true},
        {Https("moved-hello.txt"), TransferEnd::Finished, 200, "", true},
        {Http("to-file.rar"), TransferEnd::Failed, 302, "file", false},
        {Https("to-http.rar"), TransferEnd::Failed, 302, "http", false},
        {"file:///etc/hostname", TransferEnd::Failed, 0, "file", false},
        {"ftp://127.0.0.1/", TransferEnd::Failed, 0, "ftp", false},
        {"http://127.0.0.1:1/info.dat", TransferEnd::Failed, 0, "127.0.0.1", false},
    };
    for (const auto& c : cases) {
        std::string body;
        const TransferResult result = HttpGet(c.url, Trusting(), body);
        EXPECT_EQ(result.end, c.end) << c.url << ": " << result.error;
        EXPECT_EQ(result.status, c.status) << c.url;
        EXPECT_NE(result.error.find(c.error), std::string::npos) << c.url << ": " << result.error;
        EXPECT_EQ(body, c.hello ? kHello : "") << c.url;
    }
}

// Announced or sent in chunks, a body past the cap ends the transfer, keeping no more than the cap.
TEST(HttpTransfer, BodiesPastTheCapAreRefused)
{
    for (const char* file : {"big.rar", "chunked.rar"}) {
        TransferOptions options = Trusting();
        options.maxBytes = 1 << 20;
        std::string body;
        const TransferResult result = HttpGet(Http(file), options, body);
        EXPECT_EQ(result.end, TransferEnd::Failed) << file;
        EXPECT_EQ(result.error, "Maximum file size exceeded") << file;
        EXPECT_LE(body.size(), size_t(1) << 20) << file;
        EXPECT_EQ(result.bytes, int64_t(body.size())) << file;
    }
    std::string whole;
    EXPECT_EQ(HttpGet(Http("chunked.rar"), Trusting(), whole).end, TransferEnd::Failed) << "the default cap is 1 MiB";

    // Exactly at the cap the whole body comes, in chunks that announce no size.
    TransferOptions options = Trusting();
    options.maxBytes = 3'000'000;
    options.progress = [](const TransferProgress& progress) {
        EXPECT_EQ(progress.announced, -1);
        return true;
    };
    whole.clear();
    const TransferResult atCap = HttpGet(Http("chunked.rar"), options, whole);
    EXPECT_EQ(atCap.end, TransferEnd::Finished) << atCap.error;
    EXPECT_EQ(whole.size(), 3'000'000u);
}

TEST(HttpTransfer, AStalledTransferEnds)
{
    TransferOptions options = Trusting();
    options.stallSeconds = 2;
    std::string body;
    const Clock::time_point start = Clock::now();
    const TransferResult result = HttpGet(Http("stalled.rar"), options, body);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(result.end, TransferEnd::Failed);
    EXPECT_NE(result.error.find("too slow"), std::string::npos) << result.error;
}

// The progress callback is asked also while nothing arrives, so a stop ends even a stalled transfer.
TEST(HttpTransfer, StopEndsTheTransferPromptly)
{
    TransferOptions options = Trusting();
    const Clock::time_point start = Clock::now();
    options.progress = [&start](const TransferProgress& progress) {
        return progress.received == 0 || Clock::now() - start < std::chrono::milliseconds(300);
    };
    std::string body;
    const TransferResult result = HttpGet(Http("stalled.rar"), options, body);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(result.end, TransferEnd::Stopped);
    EXPECT_EQ(body, "Rar!");
}

}  // namespace
}  // namespace kirvo
