#include "update_checker.h"

#include <system_error>

#include "common/utf8_text.h"
#include "http_get.h"

namespace update {

namespace {

// Strict UTF-8: decoding and encoding again gives back every byte.
bool IsValidUtf8(const std::string& bytes) {
    return common::WideToUtf8(common::Utf8ToWide(bytes)) == bytes;
}

}  // namespace

UpdateChecker::~UpdateChecker() {
    if (worker_.joinable()) worker_.join();
}

bool UpdateChecker::FetchVersionInfo() {
    std::string body;
    HttpGetCallbacks callbacks;
    callbacks.onData = [&body](const char* data, std::size_t size) {
        body.append(data, size);
        return true;
    };
    const HttpGetResult result =
        HttpGet(common::WideToUtf8(queryBase_ + productId_), callbacks);
    if (!result.complete) {
        // Nothing answered at all: as the platform does for an address that cannot be opened.
        if (result.status == 0) lastError_ = result.errorCode;
        return false;
    }
    // The status is not looked at: an error page delivered in full lacks the elements.
    if (body.empty() || !IsValidUtf8(body)) return false;
    response_ = common::Utf8ToWide(body);
    return true;
}

bool UpdateChecker::CheckForUpdate(bool& newer, std::wstring& versionText) {
    if (!FetchVersionInfo()) return false;
    const auto version = ExtractElement(response_, L"version");
    if (!version) return false;
    versionText = *version;
    const auto url = ExtractElement(response_, L"url");
    if (!url) return false;
    downloadAddress_ = *url;
    if (IsNewerVersion(ParseVersion(versionText), ParseVersion(installedVersion_))) newer = true;
    return true;
}

bool UpdateChecker::StartDownload(DownloadProgressSink* progress) {
    if (DownloadRunning()) return false;
    if (worker_.joinable()) worker_.join();
    job_.checker = this;
    job_.progress = progress;
    job_.downloadAddress = downloadAddress_;
    try {
        workerRunning_.store(true, std::memory_order_release);
        worker_ = std::thread([this] {
            DownloadWorker(job_);
            workerRunning_.store(false, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        workerRunning_.store(false, std::memory_order_release);
        return false;
    }
    return true;
}

void UpdateChecker::WaitForWorker() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace update
