#include "session/DownloadProtocol.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <utility>

#include "base/TextFormat.h"
#include "session/ErrorPage.h"
#include "session/JigsawInstall.h"
#include "session/OptionsChoices.h"
#include "session/ServerInfo.h"

namespace kirvo {

namespace {

constexpr const char* kInfoFile = "info.dat";
constexpr size_t kLargestErrorPage = 64 << 10;

// The start of a downloaded file, as much of it as an error page is looked at.
std::string FileHead(const std::string& path, size_t length)
{
    std::ifstream file(path, std::ios::binary);
    std::string head(length, '\0');
    file.read(head.data(), std::streamsize(length));
    head.resize(size_t(file.gcount()));
    return head;
}

std::span<const uint8_t> AsBytes(const std::string& text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

DownloadProtocol::DownloadProtocol(Settings& settings, FILE_NAMES& names, const Translator& translator,
                                   DownloadSite site, MessageSink messages, DownloadProgressFn progress,
                                   DownloadLimits limits)
    : settings_(settings), names_(names), translator_(translator), site_(std::move(site)),
      messages_(std::move(messages)), progress_(std::move(progress)), limits_(limits)
{
    // Servers set by the environment stand for the real ones: a stored real server is not asked.
    if (site_.replaced && site_.IndexOf(settings_.sDnSrc) < 0)
        settings_.sDnSrc = site_.servers[1];
}

void DownloadProtocol::Activate()
{
    extension_.clear();
    firstNewJigsaw_.clear();
    stopped_ = false;
}

void DownloadProtocol::Stop() { stopped_ = true; }

std::string DownloadProtocol::Url(const std::string& fileName) const
{
    const char* scheme = settings_.bUseSecure ? "https://" : "http://";
    return scheme + site_.ServerFor(settings_.sDnSrc) + "/" + settings_.siteJigsawsFolder + fileName;
}

void DownloadProtocol::Report(const std::string& step, int64_t announced, int64_t received)
{
    if (!progress_)
        return;
    std::string caption = translator_.TextOr(LangSection::Download, "FormCaption", "Download Jigsaws");
    if (!step.empty())
        caption += " - " + step;
    if (!progress_(DownloadProgress{std::move(caption), announced, received}))
        Stop();
}

TransferOptions DownloadProtocol::Options(int64_t maxBytes)
{
    TransferOptions options;
    options.secureMethod = settings_.iSecureMethodInd;
    options.caFile = site_.caFile;
    options.connectTimeoutMs = limits_.connectTimeoutMs;
    options.stallSeconds = limits_.stallSeconds;
    options.maxBytes = maxBytes;
    const std::string receiving = translator_.TextOr(LangSection::Download, "ProcReceivingData", "Receiving data...");
    options.progress = [this, receiving](const TransferProgress& progress) {
        Report(receiving, progress.announced, progress.received);
        return !Stopped();
    };
    return options;
}

std::string DownloadProtocol::KeyedMessage(const std::string& key, const std::string& url) const
{
    if (key == "MS_FileNotFound")
        return FormatText(translator_.TextOr(LangSection::Download, "MS_FileNotFound",
                                             "The file was not found on the server:$D%s"),
                          {url});
    if (key == "MS_InvalidLogin")
        return FormatText(translator_.TextOr(LangSection::Download, "MS_InvalidLogin",
                                             "The server refused access to:$D%s"),
                          {url});
    return key;
}

void DownloadProtocol::TellFailure(const TransferResult& result, const std::string& url)
{
    std::string message = result.error;
    if (result.end == TransferEnd::Stopped)
        return;
    if (result.end == TransferEnd::TlsRefused) {
        const int method = settings_.iSecureMethodInd;
        const char* name = method >= 0 && method < int(kSecureMethods.size()) ? kSecureMethods[size_t(method)] : "?";
        message = FormatText(translator_.TextOr(LangSection::Download, "MS_TlsRefused",
                                                "The secure protocol version %s is not safe or not available here, so "
                                                "it is not used.$DPlease choose TLS v1_2 or TLS v1_3 in the Options."),
                             {name});
    } else if (result.end == TransferEnd::HttpStatus && result.status == 404) {
        message = KeyedMessage("MS_FileNotFound", url);
    } else if (result.end == TransferEnd::HttpStatus && result.status == 401) {
        message = KeyedMessage("MS_InvalidLogin", url);
    }
    Tell(messages_, message, MessageButtons::Ok, MessageIcon::Warning);
}

void DownloadProtocol::TellErrorPage(const std::string& page, const std::string& url)
{
    const std::optional<ErrorPageMessage> message = ErrorPageMessageOf(page, url);
    if (!message)
        return;
    downloadOk_ = false;
    const std::string text = message->key.empty() ? message->text : KeyedMessage(message->key, message->argument);
    Tell(messages_, text, MessageButtons::Ok, MessageIcon::Warning);
}

int DownloadProtocol::FetchServerInfo()
{
    if (!extension_.empty())
        return kInfoLoaded;
    if (Stopped())
        return kInfoFailed;

    const std::string url = Url(kInfoFile);
    names_.lastDownloadAddress = url;
    downloadOk_ = true;
    Report(translator_.TextOr(LangSection::Download, "ProcConnect", "Connecting..."), -1, 0);
    std::string body;
    const TransferResult result = HttpGet(url, Options(limits_.infoBytes), body);
    int outcome = kInfoFailed;
    if (result.end != TransferEnd::Finished) {
        downloadOk_ = false;
        TellFailure(result, url);
        if (result.end == TransferEnd::HttpStatus && result.status == 401)
            outcome = kInfoAccessRefused;
    } else if (LooksLikeHtml(AsBytes(body))) {
        TellErrorPage(body, url);
    } else if (ServerInfo info = ParseServerInfo(body); info.loaded) {
        extension_ = std::move(info.ext);
        outcome = kInfoLoaded;
    }
    Report({}, -1, 0);
    return outcome;
}

bool DownloadProtocol::FetchServerInfoWithFallback()
{
    int outcome = FetchServerInfo();
    while (outcome == kInfoFailed && !Stopped()) {
        const std::string server = site_.ServerFor(settings_.sDnSrc);
        const std::string other = site_.Other(server);
        const std::string question = FormatText(
            translator_.TextOr(LangSection::Download, "Q_TryAnotherDnSrc",
                               "The server %s does not answer.$DDo you want to try the server %s instead?"),
            {server, other});
        if (Tell(messages_, question, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
            break;
        settings_.sDnSrc = site_.SettingAfterMove(settings_.sDnSrc, other);
        outcome = FetchServerInfo();
    }
    return outcome == kInfoLoaded;
}

ItemOutcome DownloadProtocol::DownloadItem(const std::string& itemName, bool showErrors)
{
    lastInstalled_.clear();
    // An item is a file name: one that reaches into other folders is not fetched.
    const bool plainName = !itemName.empty() && itemName != "." && itemName != ".." &&
                           itemName.find_first_of("/\\") == std::string::npos;
    if (extension_.empty() || !plainName || Stopped())
        return ItemOutcome::NotTried;

    const std::string archiveName = itemName + extension_;
    names_.lastArchiveName = archiveName;
    const std::string tempArchive = names_.tempFolder + archiveName;
    std::error_code ignored;
    std::filesystem::remove(tempArchive, ignored);
    // Made afresh and never opened through whatever may have been put in its place meanwhile.
    std::FILE* file = std::fopen(tempArchive.c_str(), "wbx");
    if (!file) {
        Tell(messages_, "Failed create file " + tempArchive + "!", MessageButtons::Ok, MessageIcon::Warning);
        return ItemOutcome::NotTried;
    }

    const std::string url = Url(archiveName);
    names_.lastDownloadAddress = url;
    downloadOk_ = true;
    Report(translator_.TextOr(LangSection::Download, "ProcConnect", "Connecting..."), -1, 0);
    TransferResult result = HttpGet(url, Options(limits_.archiveBytes), file);
    if (std::fclose(file) != 0 && result.end == TransferEnd::Finished)
        result = {TransferEnd::Failed, result.status, result.bytes, "Failed to write " + tempArchive};

    ItemOutcome outcome = ItemOutcome::NotUnpacked;
    if (result.end != TransferEnd::Finished) {
        downloadOk_ = false;
        TellFailure(result, url);
        outcome = ItemOutcome::HttpFailed;
    } else if (const std::string head = FileHead(tempArchive, kLargestErrorPage); LooksLikeHtml(AsBytes(head))) {
        TellErrorPage(head, url);
    } else {
        // A failed install leaves the jigsaws folder as it was, so nothing there is deleted after
        // it: a jigsaw of the same name from before stays.
        const InstallOutcome installed = InstallArchive(tempArchive, names_.personalJigsawsFolder, itemName);
        if (installed.installed) {
            lastInstalled_ = installed.jigsaws;
            if (firstNewJigsaw_.empty())
                firstNewJigsaw_ = names_.personalJigsawsFolder + archiveName;
            outcome = ItemOutcome::Installed;
        } else if (showErrors && !installed.message.empty()) {
            Tell(messages_, installed.message, MessageButtons::Ok, MessageIcon::Warning);
        }
    }
    std::filesystem::remove(tempArchive, ignored);
    Report({}, -1, 0);
    return outcome;
}

}  // namespace kirvo
