// DownloadProtocol: fetching jigsaws from the download server, one at a time, for the download
// dialog.
//
// The server holds "info.dat", which names the archive extension, and one archive per jigsaw in
// the server folder of jigsaws: scheme + server + "/" + folder + file. An item is fetched into the
// temporary folder, checked for an error page, unpacked into the personal jigsaws folder and
// deleted. The dialog is not known here: the player is told and asked through the message sink,
// and the progress callback gets the caption and the byte counts of the transfer in hand.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/FileNames.h"
#include "session/DownloadSite.h"
#include "session/HttpTransfer.h"
#include "session/JigsawInstall.h"
#include "session/MessageSink.h"
#include "settings/Settings.h"
#include "settings/Translation.h"

namespace kirvo {

struct DownloadProgress {
    std::string caption;     // the dialog's caption, with the step of the transfer after a " - "
    int64_t announced = -1;  // the progress bar's maximum; -1 while it is not known
    int64_t received = 0;    // the progress bar's position
};

// False stops the transfer in hand and every request after it until the next Activate.
using DownloadProgressFn = std::function<bool(const DownloadProgress&)>;

struct DownloadLimits {
    int64_t infoBytes = int64_t(64) << 10;
    int64_t archiveBytes = int64_t(kMaxUnpackedBytes);
    long connectTimeoutMs = 5000;
    long stallSeconds = 15;  // a transfer that moves less than a byte a second this long is dropped
};

inline constexpr int kInfoLoaded = 0;
inline constexpr int kInfoAccessRefused = -10;  // the server answered 401: the other one is not offered
inline constexpr int kInfoFailed = -20;         // the other server may be tried

enum class ItemOutcome {
    NotTried,     // no server information, stopped, not a file name, or no temporary archive could be made
    Installed,    // the archive was fetched and unpacked
    HttpFailed,   // no archive came: the player was told why (unless the transfer was stopped)
    NotUnpacked,  // an archive came but was an error page or could not be unpacked
};

class DownloadProtocol {
public:
    // settings.sDnSrc changes when the player moves to the other server; names receives the
    // address and the archive name of the last request.
    DownloadProtocol(Settings& settings, FILE_NAMES& names, const Translator& translator, DownloadSite site,
                     MessageSink messages, DownloadProgressFn progress, DownloadLimits limits = {});

    // A new showing of the dialog: the server information is fetched again, no new jigsaw is
    // recorded yet and requests may start again.
    void Activate();
    // Ends the transfer in hand promptly and starts no request until the next Activate or Resume;
    // may be called from any thread.
    void Stop();
    // A new request of the same showing: requests may start again after a Stop, and the server
    // information and the first new jigsaw are kept.
    void Resume() { stopped_ = false; }

    // kInfoLoaded, kInfoAccessRefused or kInfoFailed; the player is told why it failed.
    int FetchServerInfo();
    // FetchServerInfo, offering the other server after each failure until one answers or the
    // player declines; true when the information is loaded.
    bool FetchServerInfoWithFallback();
    // Fetches and unpacks the archive of the catalogue item (a jigsaw name); archive errors are
    // shown only when showErrors is set.
    ItemOutcome DownloadItem(const std::string& itemName, bool showErrors);

    // Cleared by a failed request and by an error page with a title: a batch stops then.
    bool DownloadOk() const { return downloadOk_; }
    // The personal jigsaws folder + archive name of the first archive unpacked since Activate.
    const std::string& FirstNewJigsaw() const { return firstNewJigsaw_; }
    // The file names the last DownloadItem placed in the jigsaws folder.
    const std::vector<std::string>& LastInstalled() const { return lastInstalled_; }
    // The archive extension from the server information, with its dot; empty until it is loaded.
    const std::string& ArchiveExtension() const { return extension_; }

private:
    std::string Url(const std::string& fileName) const;
    // The translated message of the key ("MS_FileNotFound" or "MS_InvalidLogin") naming url.
    std::string KeyedMessage(const std::string& key, const std::string& url) const;
    TransferOptions Options(int64_t maxBytes);
    void Report(const std::string& step, int64_t announced, int64_t received);
    void TellFailure(const TransferResult& result, const std::string& url);
    void TellErrorPage(const std::string& page, const std::string& url);
    bool Stopped() const { return stopped_.load(); }

    Settings& settings_;
    FILE_NAMES& names_;
    const Translator& translator_;
    DownloadSite site_;
    MessageSink messages_;
    DownloadProgressFn progress_;
    DownloadLimits limits_;
    std::atomic<bool> stopped_ = false;
    std::string extension_;
    bool downloadOk_ = true;
    std::string firstNewJigsaw_;
    std::vector<std::string> lastInstalled_;
};

}  // namespace kirvo
