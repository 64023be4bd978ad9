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
    if (m_worker.joinable()) m_worker.join();
}

bool UpdateChecker::FetchVersionInfo() {
    std::string body;
    bool tooLarge = false;
    HttpGetCallbacks callbacks;
    callbacks.onData = [&body, &tooLarge](const char* data, std::size_t size) {
        if (size > kMaxAnswerBytes - body.size()) {
            tooLarge = true;
            return false;
        }
        body.append(data, size);
        return true;
    };
    HttpGetOptions options;
    options.caFile = m_job.caFile;
    const HttpGetResult result = HttpGet(common::WideToUtf8(m_queryBase + m_productId), callbacks, options);
    const bool successStatus = result.status >= 200 && result.status < 300;
    if (!result.complete) {
        // Nothing answered at all: as the platform does for an address that cannot be opened.
        if (result.status == 0) m_lastError = result.errorCode;
        if (tooLarge) {
            m_outcome = CheckOutcome::kTooLarge;
        } else if (result.notHttps) {
            m_outcome = CheckOutcome::kNotHttps;
        } else if (result.status == 0) {
            m_outcome = CheckOutcome::kNoConnection;
        } else {
            m_outcome = successStatus ? CheckOutcome::kCutShort : CheckOutcome::kErrorStatus;
        }
        return false;
    }
    if (!successStatus) {
        m_outcome = CheckOutcome::kErrorStatus;
    } else if (body.empty()) {
        m_outcome = CheckOutcome::kEmpty;
    } else if (!IsValidUtf8(body)) {
        m_outcome = CheckOutcome::kNotUtf8;
    } else {
        m_response = common::Utf8ToWide(body);
        return true;
    }
    return false;
}

bool UpdateChecker::CheckForUpdate(bool& newer, std::wstring& versionText) {
    if (!FetchVersionInfo()) return false;
    m_outcome = CheckOutcome::kNoElements;
    const auto version = ExtractElement(m_response, L"version");
    if (!version) return false;
    versionText = *version;
    const auto url = ExtractElement(m_response, L"url");
    if (!url) return false;
    m_downloadAddress = *url;
    m_outcome = CheckOutcome::kAnswered;
    if (IsNewerVersion(ParseVersion(versionText), ParseVersion(m_installedVersion))) newer = true;
    return true;
}

bool UpdateChecker::StartDownload(DownloadProgressSink* progress) {
    if (DownloadRunning()) return false;
    // An installer comes only over HTTPS: any other address is refused before a connection is made.
    if (!IsHttpsAddress(common::WideToUtf8(m_downloadAddress))) {
        m_lastError = kErrorNotHttps;
        return false;
    }
    if (m_worker.joinable()) m_worker.join();
    m_job.checker = this;
    m_job.progress = progress;
    m_job.downloadAddress = m_downloadAddress;
    try {
        m_workerRunning.store(true, std::memory_order_release);
        m_worker = std::thread([this] {
            DownloadWorker(m_job);
            m_workerRunning.store(false, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        m_workerRunning.store(false, std::memory_order_release);
        return false;
    }
    return true;
}

void UpdateChecker::WaitForWorker() {
    if (m_worker.joinable()) m_worker.join();
}

}  // namespace update
