// HTTPS GET over libcurl: HTTPS only, also for every redirect, TLS verified, proxies from the usual
// environment variables, nothing cached, the user agent "AlmanaxiumUpdater". The one way the update
// service reaches the network.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace update {

inline constexpr const char* kUserAgent = "AlmanaxiumUpdater";
// The error code of an address, or a redirect, that is not https (libcurl's "unsupported protocol").
inline constexpr int kErrorNotHttps = 1;

// Whether an address is one the update service may use: https, in any case of the scheme.
bool IsHttpsAddress(const std::string& url);

struct HttpGetCallbacks {
    // The announced length of the body once the headers are in; -1 when there is none.
    std::function<void(std::int64_t contentLength)> onHeaders;
    // A piece of the body; returning false ends the transfer as failed. An exception thrown by any of
    // these ends it as failed too, and goes no further.
    std::function<bool(const char* data, std::size_t size)> onData;
    // Asked while the transfer runs, also while no data comes: true ends it as failed.
    std::function<bool()> cancelled;
};

struct HttpGetOptions {
    // A file of certificates to trust instead of the system's store; empty: the system's store.
    std::string caFile;
};

struct HttpGetResult {
    bool complete = false;  // the whole body arrived
    long status = 0;        // the HTTP status code; 0 when no answer came
    int errorCode = 0;      // the transfer's error code (libcurl's) when not complete
    bool notHttps = false;  // refused: the address or a redirect was not https
};

// Gets an address, handing the body to onData piece by piece. A server that sends nothing for 60
// seconds, or that cannot be reached within 30, ends the transfer as failed.
HttpGetResult HttpGet(const std::string& url, const HttpGetCallbacks& callbacks,
                      const HttpGetOptions& options = {});

}  // namespace update
