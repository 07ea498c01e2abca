#include "session/HttpTransfer.h"

#include <curl/curl.h>
#include <openssl/ssl.h>

#include <memory>
#include <optional>
#include <string_view>

#include "base/TextFormat.h"
#include "game/FileNames.h"

namespace kirvo {

namespace {

long Exactly(long version, long maxVersion) { return version | maxVersion; }

// CURLOPT_SSLVERSION for the player's choice; nothing for the versions that are never attempted.
std::optional<long> CurlSslVersion(int secureMethod)
{
    switch (secureMethod) {
    case 1: return CURL_SSLVERSION_TLSv1_2;  // the best both sides support, nothing older than 1.2
    case 3: return Exactly(CURL_SSLVERSION_TLSv1_0, CURL_SSLVERSION_MAX_TLSv1_0);
    case 4: return Exactly(CURL_SSLVERSION_TLSv1_1, CURL_SSLVERSION_MAX_TLSv1_1);
    case 5: return Exactly(CURL_SSLVERSION_TLSv1_2, CURL_SSLVERSION_MAX_TLSv1_2);
    case 6: return Exactly(CURL_SSLVERSION_TLSv1_3, CURL_SSLVERSION_MAX_TLSv1_3);
    default: return std::nullopt;
    }
}

// OpenSSL 3 refuses the signatures TLS 1.0 and 1.1 depend on at every security level but 0.
bool AtLowestSecurityLevel()
{
    std::unique_ptr<SSL_CTX, decltype(&SSL_CTX_free)> context(SSL_CTX_new(TLS_client_method()), SSL_CTX_free);
    return context && SSL_CTX_get_security_level(context.get()) == 0;
}

void InitialiseCurlOnce()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

struct Transfer {
    CURL* curl = nullptr;
    const TransferOptions* options = nullptr;
    std::function<bool(const char*, size_t)> keep;
    int64_t kept = 0;
    bool overCap = false;
    std::string statusLine;
};

bool IsSuccess(long status) { return status >= 200 && status < 300; }

size_t OnHeader(char* data, size_t size, size_t count, void* user)
{
    auto& transfer = *static_cast<Transfer*>(user);
    std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        transfer.statusLine = Trimmed(line);
    }
    return size * count;
}

size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto& transfer = *static_cast<Transfer*>(user);
    const size_t length = size * count;
    long status = 0;
    curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status);
    if (!IsSuccess(status))
        return length;  // error pages and redirect bodies are not the answer
    // Bodies sent in chunks announce no size, so the cap is counted here as well.
    if (transfer.kept + int64_t(length) > transfer.options->maxBytes) {
        transfer.overCap = true;
        return 0;
    }
    if (!transfer.keep(data, length))
        return 0;
    transfer.kept += int64_t(length);
    return length;
}

int OnProgress(void* user, curl_off_t announced, curl_off_t, curl_off_t, curl_off_t)
{
    auto& transfer = *static_cast<Transfer*>(user);
    const TransferProgress progress{announced > 0 ? int64_t(announced) : -1, transfer.kept};
    return transfer.options->progress(progress) ? 0 : 1;
}

// The library's words for a failed transfer: its detailed message when it left one.
std::string ReadableError(CURLcode code, const char* detail)
{
    std::string text = *detail ? detail : curl_easy_strerror(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

TransferResult Run(const std::string& url, const TransferOptions& options,
                   std::function<bool(const char*, size_t)> keep)
{
    const bool secure = url.starts_with("https://");
    const std::optional<long> sslVersion = CurlSslVersion(options.secureMethod);
    const bool secureAllowed = sslVersion && SecureMethodAllowed(options.secureMethod);
    if (secure && !secureAllowed)
        return {TransferEnd::TlsRefused, 0, 0, {}};

    InitialiseCurlOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return {TransferEnd::Failed, 0, 0, curl_easy_strerror(CURLE_FAILED_INIT)};

    Transfer transfer{curl.get(), &options, std::move(keep), 0, false, {}};
    char detail[CURL_ERROR_SIZE] = {};
    // The safety settings must all take: a library that refuses one of them does not get to fetch.
    CURLcode refused = CURLE_OK;
    const auto require = [&refused](CURLcode code) {
        if (refused == CURLE_OK)
            refused = code;
    };
    require(curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https"));
    require(curl_easy_setopt(curl.get(), CURLOPT_REDIR_PROTOCOLS_STR,
                             secure ? "https" : secureAllowed ? "http,https" : "http"));
    require(curl_easy_setopt(curl.get(), CURLOPT_SSL_VERIFYPEER, 1L));
    require(curl_easy_setopt(curl.get(), CURLOPT_SSL_VERIFYHOST, 2L));
    require(curl_easy_setopt(curl.get(), CURLOPT_MAXFILESIZE_LARGE, curl_off_t(options.maxBytes)));
    if (secureAllowed)
        require(curl_easy_setopt(curl.get(), CURLOPT_SSLVERSION, *sslVersion));
    if (!options.caFile.empty())
        require(curl_easy_setopt(curl.get(), CURLOPT_CAINFO, options.caFile.c_str()));
    if (refused != CURLE_OK)
        return {TransferEnd::Failed, 0, 0, curl_easy_strerror(refused)};

    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, kApplicationTitle);
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_LIMIT, options.stallBytesPerSecond);
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_TIME, options.stallSeconds);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &transfer);
    if (options.progress) {
        curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, OnProgress);
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &transfer);
    }

    const CURLcode code = curl_easy_perform(curl.get());
    TransferResult result{TransferEnd::Failed, 0, transfer.kept, {}};
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &result.status);
    if (code == CURLE_OK && IsSuccess(result.status)) {
        result.end = TransferEnd::Finished;
    } else if (code == CURLE_OK) {
        result.end = TransferEnd::HttpStatus;
        result.error = transfer.statusLine.empty() ? "HTTP " + std::to_string(result.status) : transfer.statusLine;
    } else if (code == CURLE_ABORTED_BY_CALLBACK) {
        result.end = TransferEnd::Stopped;
    } else if (transfer.overCap) {
        result.error = curl_easy_strerror(CURLE_FILESIZE_EXCEEDED);
    } else {
        result.error = ReadableError(code, detail);
    }
    return result;
}

}  // namespace

bool SecureMethodAllowed(int secureMethod)
{
    if (!CurlSslVersion(secureMethod))
        return false;
    if (secureMethod == 3 || secureMethod == 4) {
        static const bool lowest = AtLowestSecurityLevel();
        return lowest;
    }
    return true;
}

TransferResult HttpGet(const std::string& url, const TransferOptions& options, std::string& body)
{
    return Run(url, options, [&body](const char* data, size_t length) {
        body.append(data, length);
        return true;
    });
}

TransferResult HttpGet(const std::string& url, const TransferOptions& options, std::FILE* file)
{
    return Run(url, options, [file](const char* data, size_t length) {
        return std::fwrite(data, 1, length, file) == length;
    });
}

}  // namespace kirvo
