// The download protocol against the private web server: what reaches the jigsaws folder (exactly
// the expected files, nothing beside it, no temporary archive left) and what the player is told.
#include "session/DownloadProtocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/DownloadServer.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;
using testing::DownloadServer;

const std::string kDefaultFolder = Settings().siteJigsawsFolder;

std::string NotFound(const std::string& url) { return "The file was not found on the server:\n" + url; }
std::string Refused(const std::string& url) { return "The server refused access to:\n" + url; }

// Every file below the folder, as paths relative to it; folders end with "/".
std::set<std::string> Tree(const fs::path& folder)
{
    std::set<std::string> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        tree.insert(entry.is_directory() && !entry.is_symlink() ? relative + "/" : relative);
    }
    return tree;
}

// One showing of the download dialog: a temporary and a jigsaws folder of its own, server A as
// the download server, and the player's answers given in advance. The protocol is made on first
// use, so that a test can change the settings, limits and site before.
struct Download {
    explicit Download(const std::string& siteFolder = kDefaultFolder, bool secure = false)
    {
        settings_.sDnSrc = secure ? Server().httpsA : Server().httpA;
        settings_.bUseSecure = secure;
        settings_.siteJigsawsFolder = siteFolder;
        names_.tempFolder = folder_.Path() + "temp/";
        names_.personalJigsawsFolder = folder_.Path() + "Jigsaws/";
        fs::create_directories(names_.tempFolder);
        fs::create_directories(names_.personalJigsawsFolder);
        limits_.stallSeconds = 2;
    }

    static const DownloadServer& Server() { return DownloadServer::Get(); }

    DownloadProtocol& Protocol()
    {
        if (!protocol_) {
            const bool secure = settings_.bUseSecure;
            DownloadSite site{{secure ? Server().httpsA : Server().httpA, secure ? Server().httpsB : Server().httpB},
                              trustServer_ ? Server().caFile : "", true};
            if (!otherServer_.empty())
                site.servers[1] = otherServer_;
            protocol_.emplace(settings_, names_, translator_, site, Sink(), Progress(), limits_);
            protocol_->Activate();
        }
        return *protocol_;
    }

    MessageSink Sink()
    {
        return [this](const MessageRequest& request) {
            told_.push_back(request.text);
            if (request.buttons != MessageButtons::YesNo)
                return MessageAnswer::Ok;
            EXPECT_FALSE(answers_.empty()) << "an unexpected question: " << request.text;
            const MessageAnswer answer = answers_.empty() ? MessageAnswer::No : answers_.front();
            if (!answers_.empty())
                answers_.pop_front();
            return answer;
        };
    }

    DownloadProgressFn Progress()
    {
        return [this](const DownloadProgress& progress) {
            progress_.push_back(progress);
            return keepGoing_(progress);
        };
    }

    std::string Url(const std::string& file) const
    {
        return (settings_.bUseSecure ? "https://" : "http://") + settings_.sDnSrc + "/" + settings_.siteJigsawsFolder + file;
    }

    // The jigsaws folder holds exactly these files, the temporary folder nothing, and nothing
    // else was written anywhere in reach.
    void ExpectOnly(std::set<std::string> jigsaws) const
    {
        std::set<std::string> expected = {"temp/", "Jigsaws/"};
        for (const std::string& jigsaw : jigsaws)
            expected.insert("Jigsaws/" + jigsaw);
        EXPECT_EQ(Tree(folder_.Path()), expected);
        EXPECT_FALSE(fs::exists(std::string(KIRVO_DOWNLOAD_SERVER) + "/absolute.ast"));
    }

    testing::TempFolder folder_;
    Settings settings_;
    FILE_NAMES names_;
    Translator translator_;
    DownloadLimits limits_;
    std::string otherServer_;
    bool trustServer_ = true;
    std::deque<MessageAnswer> answers_;
    std::function<bool(const DownloadProgress&)> keepGoing_ = [](const DownloadProgress&) { return true; };
    std::vector<std::string> told_;
    std::vector<DownloadProgress> progress_;
    std::optional<DownloadProtocol> protocol_;
};

TEST(DownloadProtocol, InstallsAJigsawOverHttpAndHttps)
{
    for (bool secure : {false, true}) {
        SCOPED_TRACE(secure ? "https" : "http");
        Download download(kDefaultFolder, secure);
        DownloadProtocol& protocol = download.Protocol();
        ASSERT_TRUE(protocol.FetchServerInfoWithFallback());
        EXPECT_EQ(protocol.ArchiveExtension(), ".rar");
        EXPECT_EQ(protocol.DownloadItem("tulips", true), ItemOutcome::Installed);
        EXPECT_TRUE(protocol.DownloadOk());
        EXPECT_EQ(download.told_, std::vector<std::string>());
        download.ExpectOnly({"tulips.ast"});
        EXPECT_EQ(protocol.LastInstalled(), std::vector<std::string>{"tulips.ast"});
        EXPECT_EQ(protocol.FirstNewJigsaw(), download.names_.personalJigsawsFolder + "tulips.rar");
        EXPECT_EQ(download.names_.lastDownloadAddress, download.Url("tulips.rar"));
        EXPECT_EQ(download.names_.lastArchiveName, "tulips.rar");

        // The bar's maximum is the archive's size and it ends at 0; the caption names each step.
        const std::string archive =
            testing::ReadText(std::string(KIRVO_DOWNLOAD_SERVER) + "/root-a/kirvo/jigsaws_pleo3/tulips.rar");
        const std::vector<DownloadProgress>& seen = download.progress_;
        ASSERT_FALSE(seen.empty());
        EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](const DownloadProgress& p) {
            return p.caption == "Download Jigsaws - Receiving data..." && p.announced == int64_t(archive.size()) &&
                   p.received == int64_t(archive.size());
        }));
        EXPECT_TRUE(std::any_of(seen.begin(), seen.end(),
                                [](const DownloadProgress& p) { return p.caption == "Download Jigsaws - Connecting..."; }));
        EXPECT_EQ(seen.back().caption, "Download Jigsaws");
        EXPECT_EQ(seen.back().received, 0);
    }
}

TEST(DownloadProtocol, TheFirstNewJigsawIsKeptUntilTheNextShowing)
{
    Download download;
    DownloadProtocol& protocol = download.Protocol();
    ASSERT_TRUE(protocol.FetchServerInfoWithFallback());
    EXPECT_EQ(protocol.DownloadItem("with-readme", true), ItemOutcome::Installed);
    EXPECT_EQ(protocol.DownloadItem("tulips", true), ItemOutcome::Installed);
    download.ExpectOnly({"tulips.ast", "with-readme.ast"});
    EXPECT_EQ(protocol.FirstNewJigsaw(), download.names_.personalJigsawsFolder + "with-readme.rar");

    // A new showing fetches the information again before any item.
    protocol.Activate();
    EXPECT_EQ(protocol.FirstNewJigsaw(), "");
    EXPECT_EQ(protocol.DownloadItem("tulips", true), ItemOutcome::NotTried);
}

// An extension given as ".RAR" with blanks around key and value names the same archives.
TEST(DownloadProtocol, ServerInformationIsReadLeniently)
{
    Download download("dotted/");
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    EXPECT_EQ(download.Protocol().ArchiveExtension(), ".rar");
    EXPECT_EQ(download.Protocol().DownloadItem("tulips", true), ItemOutcome::Installed);
    download.ExpectOnly({"tulips.ast"});
}

TEST(DownloadProtocol, ALeftOverTemporaryArchiveIsReplaced)
{
    Download download;
    std::ofstream(download.names_.tempFolder + "tulips.rar") << "left from an earlier run";
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    EXPECT_EQ(download.Protocol().DownloadItem("tulips", true), ItemOutcome::Installed);
    download.ExpectOnly({"tulips.ast"});
}

TEST(DownloadProtocol, AnItemThatIsNoFileNameIsNotFetched)
{
    Download download;
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    for (const char* item : {"", "..", "../tulips", "sub/tulips", "..\\tulips"})
        EXPECT_EQ(download.Protocol().DownloadItem(item, true), ItemOutcome::NotTried) << item;
    EXPECT_EQ(download.told_, std::vector<std::string>());
    download.ExpectOnly({});
}

TEST(DownloadProtocol, ATemporaryArchiveThatCannotBeMadeIsReported)
{
    Download download;
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    fs::remove(download.names_.tempFolder);
    EXPECT_EQ(download.Protocol().DownloadItem("tulips", true), ItemOutcome::NotTried);
    EXPECT_EQ(download.told_, std::vector<std::string>{"Failed create file " + download.names_.tempFolder + "tulips.rar!"});
}

// Each item that does not install: how it ends, what the player is told, whether a batch goes on.
TEST(DownloadProtocol, ItemsThatDoNotInstall)
{
    const std::string forbidden = "HTTP/1.1 403 Forbidden";
    const std::string tooLarge = "Maximum file size exceeded";
    const struct {
        std::string item;
        ItemOutcome outcome;
        std::string told;  // the message, or how it begins; empty: nothing is told
        bool batchGoesOn;
    } cases[] = {
        {"missing", ItemOutcome::HttpFailed, "not found", false},
        {"locked", ItemOutcome::HttpFailed, "refused", false},
        {"forbidden", ItemOutcome::HttpFailed, forbidden, false},
        {"to-file", ItemOutcome::HttpFailed, "Protocol \"file\"", false},
        {"big", ItemOutcome::HttpFailed, tooLarge, false},
        {"chunked", ItemOutcome::HttpFailed, tooLarge, false},
        {"stalled", ItemOutcome::HttpFailed, "Operation too slow", false},
        {"notfound-page", ItemOutcome::NotUnpacked, "not found", false},
        {"teapot-page", ItemOutcome::NotUnpacked, "418 I'm a teapot", false},
        {"untitled-page", ItemOutcome::NotUnpacked, "", true},
        {"truncated", ItemOutcome::NotUnpacked, "RARProcessFile error - 12", true},
        {"bad-crc", ItemOutcome::NotUnpacked, "RARProcessFile error - 12", true},
        {"huge-size", ItemOutcome::NotUnpacked, "RARProcessFile error - 31", true},
        {"damaged-header", ItemOutcome::NotUnpacked, "RARReadHeader error - File header broken", true},
        {"twice", ItemOutcome::NotUnpacked, "RARProcessFile error - 30", true},
        {"dotdot", ItemOutcome::NotUnpacked, "RARProcessFile error - 30", true},
        {"backslash", ItemOutcome::NotUnpacked, "RARProcessFile error - 30", true},
        {"absolute", ItemOutcome::NotUnpacked, "RARProcessFile error - 30", true},
        {"symlink", ItemOutcome::NotUnpacked, "RARProcessFile error - 30", true},
        {"not-a-jigsaw", ItemOutcome::NotUnpacked, "RARProcessFile error - 32", true},
        {"wrong-jigsaw", ItemOutcome::NotUnpacked, "RARProcessFile error - 33", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        Download download;
        download.limits_.archiveBytes = 1 << 20;
        DownloadProtocol& protocol = download.Protocol();
        ASSERT_TRUE(protocol.FetchServerInfoWithFallback());
        EXPECT_EQ(protocol.DownloadItem(c.item, true), c.outcome);
        EXPECT_EQ(protocol.DownloadOk(), c.batchGoesOn);
        if (c.told.empty()) {
            EXPECT_EQ(download.told_, std::vector<std::string>());
        } else {
            ASSERT_EQ(download.told_.size(), 1u);
            EXPECT_NE(download.told_[0].find(c.told), std::string::npos) << download.told_[0];
        }
        if (c.told == "not found") {
            EXPECT_EQ(download.told_[0], NotFound(download.Url(c.item + ".rar")));
        } else if (c.told == "refused") {
            EXPECT_EQ(download.told_[0], Refused(download.Url(c.item + ".rar")));
        }
        download.ExpectOnly({});
        EXPECT_EQ(protocol.FirstNewJigsaw(), "");
        EXPECT_EQ(protocol.LastInstalled(), std::vector<std::string>());
    }
}

TEST(DownloadProtocol, ArchiveErrorsAreShownOnlyWhenAskedFor)
{
    Download download;
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    EXPECT_EQ(download.Protocol().DownloadItem("bad-crc", false), ItemOutcome::NotUnpacked);
    EXPECT_EQ(download.told_, std::vector<std::string>());
    download.ExpectOnly({});
}

TEST(DownloadProtocol, StopEndsTheTransferAndEveryRequestUntilTheNextShowing)
{
    Download download;
    DownloadProtocol& protocol = download.Protocol();
    ASSERT_TRUE(protocol.FetchServerInfoWithFallback());
    // The player stops once the first bytes have come; the rest never comes.
    download.keepGoing_ = [](const DownloadProgress& progress) { return progress.received == 0; };
    EXPECT_EQ(protocol.DownloadItem("stalled", true), ItemOutcome::HttpFailed);
    EXPECT_EQ(download.told_, std::vector<std::string>());
    EXPECT_FALSE(protocol.DownloadOk());
    EXPECT_EQ(protocol.DownloadItem("tulips", true), ItemOutcome::NotTried);
    download.ExpectOnly({});

    protocol.Activate();
    download.keepGoing_ = [](const DownloadProgress&) { return true; };
    ASSERT_TRUE(protocol.FetchServerInfoWithFallback());
    EXPECT_EQ(protocol.DownloadItem("tulips", true), ItemOutcome::Installed);
}

// FetchServerInfo by itself: the result, and what the player is told.
TEST(DownloadProtocol, ServerInformationOutcomes)
{
    const struct {
        std::string folder;
        int secureMethod;  // over https when not 5
        bool trusted;
        int result;
        std::string told;  // how the message begins; "@" stands for the not-found or refused text
    } cases[] = {
        {kDefaultFolder, 5, true, kInfoLoaded, ""},
        {"locked/", 5, true, kInfoAccessRefused, "@"},
        {"nowhere/", 5, true, kInfoFailed, "@"},
        {"html-info/", 5, true, kInfoFailed, "@"},
        {"no-ext/", 5, true, kInfoFailed, ""},
        {kDefaultFolder, 0, true, kInfoFailed, "The secure protocol version SSL v2 is not safe"},
        {kDefaultFolder, 2, true, kInfoFailed, "The secure protocol version SSL v3 is not safe"},
        {kDefaultFolder, 6, false, kInfoFailed, "SSL certificate problem"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + " " + std::to_string(c.secureMethod));
        Download download(c.folder, c.secureMethod != 5);
        download.settings_.iSecureMethodInd = c.secureMethod;
        download.trustServer_ = c.trusted;
        EXPECT_EQ(download.Protocol().FetchServerInfo(), c.result);
        EXPECT_EQ(download.Protocol().ArchiveExtension(), c.result == kInfoLoaded ? ".rar" : "");
        if (c.told.empty()) {
            EXPECT_EQ(download.told_, std::vector<std::string>());
        } else if (c.told == "@") {
            const std::string url = download.Url("info.dat");
            EXPECT_EQ(download.told_, std::vector<std::string>{c.folder == "locked/" ? Refused(url) : NotFound(url)});
        } else {
            ASSERT_EQ(download.told_.size(), 1u);
            EXPECT_TRUE(download.told_[0].starts_with(c.told)) << download.told_[0];
        }
        download.ExpectOnly({});
    }
}

std::string Question(const std::string& from, const std::string& to)
{
    return "The server " + from + " does not answer.\nDo you want to try the server " + to + " instead?";
}

TEST(DownloadProtocol, TheOtherServerIsOfferedAndKept)
{
    Download download("only-b/");
    const std::string a = Download::Server().httpA;
    const std::string b = Download::Server().httpB;
    download.answers_ = {MessageAnswer::Yes};
    ASSERT_TRUE(download.Protocol().FetchServerInfoWithFallback());
    EXPECT_EQ(download.told_, (std::vector<std::string>{NotFound("http://" + a + "/only-b/info.dat"), Question(a, b)}));
    EXPECT_EQ(download.settings_.sDnSrc, b);
    EXPECT_EQ(download.Protocol().DownloadItem("tulips", true), ItemOutcome::Installed);
    download.ExpectOnly({"tulips.ast"});
}

// When neither server answers, every Yes moves to the other one and asks again after it failed.
TEST(DownloadProtocol, TheQuestionAlternatesUntilThePlayerDeclines)
{
    const std::string a = Download::Server().httpA;
    const std::string b = Download::Server().httpB;
    Download download("nowhere/");
    download.answers_ = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_FALSE(download.Protocol().FetchServerInfoWithFallback());
    std::vector<std::string> questions;
    std::copy_if(download.told_.begin(), download.told_.end(), std::back_inserter(questions),
                 [](const std::string& text) { return text.starts_with("The server "); });
    EXPECT_EQ(questions, (std::vector<std::string>{Question(a, b), Question(b, a), Question(a, b)}));
    EXPECT_EQ(download.told_.size(), 6u) << "each failure is told before the question";
    EXPECT_EQ(download.settings_.sDnSrc, a);
    EXPECT_TRUE(download.answers_.empty());

    // A server that cannot be reached at all is offered the same way; No keeps the server.
    Download unreachable;
    unreachable.otherServer_ = "127.0.0.1:1";
    unreachable.settings_.sDnSrc = "127.0.0.1:1";
    unreachable.answers_ = {MessageAnswer::No};
    EXPECT_FALSE(unreachable.Protocol().FetchServerInfoWithFallback());
    ASSERT_EQ(unreachable.told_.size(), 2u);
    EXPECT_TRUE(unreachable.told_[0].starts_with("Failed to connect to 127.0.0.1 port 1")) << unreachable.told_[0];
    EXPECT_EQ(unreachable.told_[1], Question("127.0.0.1:1", a));
    EXPECT_EQ(unreachable.settings_.sDnSrc, "127.0.0.1:1");
}

// With servers from the environment, a stored server that is not one of them is never asked.
TEST(DownloadProtocol, ServersFromTheEnvironmentStandForTheRealOnes)
{
    Download download;
    download.settings_.sDnSrc = Settings().sDnSrc;
    DownloadProtocol& protocol = download.Protocol();
    EXPECT_EQ(download.settings_.sDnSrc, Download::Server().httpB);
    EXPECT_EQ(protocol.FetchServerInfo(), kInfoLoaded);
    EXPECT_EQ(download.told_, std::vector<std::string>());
}

TEST(DownloadProtocol, RefusedAccessToTheInformationOffersNoOtherServer)
{
    Download download("locked/");
    EXPECT_FALSE(download.Protocol().FetchServerInfoWithFallback());
    EXPECT_EQ(download.told_, std::vector<std::string>{Refused(download.Url("info.dat"))});
}

}  // namespace
}  // namespace kirvo
