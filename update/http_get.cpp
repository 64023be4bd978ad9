#include "http_get.h"

#include <curl/curl.h>

#include <cctype>
#include <mutex>

namespace update {

namespace {

void InitialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    CURL* handle = nullptr;
    const HttpGetCallbacks* callbacks = nullptr;
    bool headersReported = false;
};

void ReportHeaders(Transfer& transfer) {
    if (transfer.headersReported) return;
    transfer.headersReported = true;
    if (!transfer.callbacks->onHeaders) return;
    curl_off_t length = -1;
    if (curl_easy_getinfo(transfer.handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) {
        length = -1;
    }
    transfer.callbacks->onHeaders(static_cast<std::int64_t>(length));
}

// libcurl is C: no exception may unwind through it. One from a callback ends the transfer instead.
std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) noexcept {
    try {
        auto& transfer = *static_cast<Transfer*>(user);
        ReportHeaders(transfer);
        const std::size_t bytes = size * count;
        if (transfer.callbacks->onData && !transfer.callbacks->onData(data, bytes)) return 0;
        return bytes;
    } catch (...) {
        return 0;
    }
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) noexcept {
    try {
        const auto& transfer = *static_cast<Transfer*>(user);
        return transfer.callbacks->cancelled && transfer.callbacks->cancelled() ? 1 : 0;
    } catch (...) {
        return 1;
    }
}

}  // namespace

bool IsHttpsAddress(const std::string& url) {
    const std::string scheme = "https://";
    if (url.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) return false;
    }
    return true;
}

HttpGetResult HttpGet(const std::string& url, const HttpGetCallbacks& callbacks, const HttpGetOptions& options) {
    InitialiseOnce();
    HttpGetResult result;
    Transfer transfer;
    transfer.callbacks = &callbacks;
    transfer.handle = curl_easy_init();
    if (transfer.handle == nullptr) {
        result.errorCode = CURLE_FAILED_INIT;
        return result;
    }
    CURL* handle = transfer.handle;
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    // Nothing but HTTPS, neither asked for nor reached through a redirect; a libcurl that cannot be
    // held to that is not used.
    if (curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https") != CURLE_OK ||
        curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https") != CURLE_OK) {
        curl_easy_cleanup(handle);
        result.errorCode = CURLE_UNSUPPORTED_PROTOCOL;
        result.notHttps = true;
        return result;
    }
    if (!options.caFile.empty()) curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    // Ask every cache on the way for a fresh answer.
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);

    CURLcode code = curl_easy_perform(handle);
    try {
        ReportHeaders(transfer);  // a body of no bytes has headers too
    } catch (...) {
        code = CURLE_WRITE_ERROR;  // as from the body's callback: the handles are still freed
    }
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.status);
    result.complete = code == CURLE_OK;
    result.errorCode = static_cast<int>(code);
    result.notHttps = code == CURLE_UNSUPPORTED_PROTOCOL;
    curl_slist_free_all(headers);
    curl_easy_cleanup(handle);
    return result;
}

}  // namespace update
