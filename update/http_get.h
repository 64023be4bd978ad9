// HTTP GET over libcurl: TLS verified, proxies from the usual environment variables, nothing
// cached, the user agent "AlmanaxiumUpdater". The one way the update service reaches the network.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace update {

inline constexpr const char* kUserAgent = "AlmanaxiumUpdater";

struct HttpGetCallbacks {
    // The announced length of the body once the headers are in; -1 when there is none.
    std::function<void(std::int64_t contentLength)> onHeaders;
    // A piece of the body; returning false ends the transfer as failed.
    std::function<bool(const char* data, std::size_t size)> onData;
    // Asked while the transfer runs, also while no data comes: true ends it as failed.
    std::function<bool()> cancelled;
};

struct HttpGetResult {
    bool complete = false;  // the whole body arrived
    long status = 0;        // the HTTP status code; 0 when no answer came
    int errorCode = 0;      // the transfer's error code (libcurl's) when not complete
};

// Gets an address, handing the body to onData piece by piece. A server that sends nothing for 60
// seconds, or that cannot be reached within 30, ends the transfer as failed.
HttpGetResult HttpGet(const std::string& url, const HttpGetCallbacks& callbacks);

}  // namespace update
