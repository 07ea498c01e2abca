// HttpTransfer: one HTTP or HTTPS GET on libcurl, into memory or into an open file.
//
// Only http and https are spoken, also through redirects, and a redirect never leaves https for
// http. Certificates are always verified. A transfer ends promptly when the progress callback asks
// to stop, when nothing arrives for a while, or when the body grows past its cap (announced or
// not). Transfers are synchronous: the call returns when the transfer has ended.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace kirvo {

struct TransferProgress {
    int64_t announced = -1;  // the size the server announced; -1 when it announced none
    int64_t received = 0;    // body bytes so far
};

// Called while a transfer runs, also while nothing arrives; false stops the transfer.
using TransferProgressFn = std::function<bool(const TransferProgress&)>;

struct TransferOptions {
    int secureMethod = 5;  // index into kSecureMethods: the TLS version the player chose
    std::string caFile;    // certificates to trust; empty: the system's
    long connectTimeoutMs = 5000;
    // A transfer slower than this many bytes per second for this many seconds has stalled.
    long stallBytesPerSecond = 1;
    long stallSeconds = 15;
    int64_t maxBytes = int64_t(1) << 20;  // the largest body accepted
    TransferProgressFn progress;
};

enum class TransferEnd {
    Finished,    // a 2xx answer arrived whole
    HttpStatus,  // the server answered with another status; its body was not kept
    Failed,      // no whole answer: no connection, certificate, time-out, cap, refused redirect
    Stopped,     // the progress callback asked to stop
    TlsRefused,  // the chosen protocol version is unsafe or not allowed here; nothing was sent
};

struct TransferResult {
    TransferEnd end = TransferEnd::Failed;
    long status = 0;     // HTTP status of the last answer; 0 when there was none
    int64_t bytes = 0;   // body bytes kept
    std::string error;   // what went wrong, readable for the player; empty when Finished
};

// Whether this system's TLS library still allows the protocol version (an index into
// kSecureMethods). SSL 2 and SSL 3 never are; TLS 1.0 and 1.1 only at its lowest security level.
bool SecureMethodAllowed(int secureMethod);

// GETs url; the body is appended to `body`, or written to `file` from where it stands.
TransferResult HttpGet(const std::string& url, const TransferOptions& options, std::string& body);
TransferResult HttpGet(const std::string& url, const TransferOptions& options, std::FILE* file);

}  // namespace kirvo
