// The update service: asks the maker's version service for the current version, and downloads the
// installer it names on a worker thread, saving it as "Almanaxium_Update.exe" in the temporary
// folder (mode 0700; never through a link, never over another user's file). The window shows the
// dialogs; this is the part that talks to the network.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "download_progress_sink.h"
#include "version_text.h"

namespace update {

class UpdateChecker;

// What the worker receives.
struct DownloadJob {
    UpdateChecker* checker = nullptr;
    DownloadProgressSink* progress = nullptr;
    std::wstring downloadAddress;  // copied when the download starts
    std::wstring installerPath;    // set when an installer has been saved
    std::string caFile;            // certificates to trust instead of the system's; copied too
    // An installer larger than this is not held in memory: the download ends as failed.
    std::size_t maxBytes = std::size_t{1} << 30;
};

// The version service's address up to and including "?product=".
inline constexpr const wchar_t* kUpdateQueryBase =
    L"https://www.qelt.com/cur/versions/updatecheck.php?product=";
inline constexpr const wchar_t* kProductId = L"almanaxium";
// The installer's name when the download address gives none of its own (see InstallerFileName).
inline constexpr const char* kInstallerFileName = "Almanaxium_Update.exe";

// How the last exchange with the version service went.
enum class CheckOutcome {
    kAnswered,     // an answer with both elements
    kNoConnection, // nothing answered: no network, no server, or TLS not verified
    kNotHttps,     // the service's address, or a redirect, was not https
    kErrorStatus,  // the service answered with an HTTP error
    kCutShort,     // the answer ended early or stalled
    kTooLarge,     // the answer passed kMaxAnswerBytes
    kEmpty,
    kNotUtf8,
    kNoElements,   // the <version> or the <url> element is missing
};

// The version service's answer is short; one larger than this is no answer.
inline constexpr std::size_t kMaxAnswerBytes = std::size_t{1} << 20;

class UpdateChecker {
public:
    UpdateChecker() = default;
    ~UpdateChecker();
    UpdateChecker(const UpdateChecker&) = delete;
    UpdateChecker& operator=(const UpdateChecker&) = delete;

    void SetQueryBase(const std::wstring& queryBase) { m_queryBase = queryBase; }
    void SetProductId(const std::wstring& productId) { m_productId = productId; }
    void SetInstalledVersion(const std::wstring& version) { m_installedVersion = version; }
    // Trusts the certificates of this PEM file instead of the system's store, for the check and the
    // download; for a test's own server.
    void SetCaFile(const std::string& caFile) { m_job.caFile = caFile; }

    // One exchange with the service. Sets newer (never clears it) when the service names a version
    // greater than the installed one, and gives the service's version text. Returns whether the
    // exchange succeeded and both elements were found; Outcome() tells how it went.
    bool CheckForUpdate(bool& newer, std::wstring& versionText);
    // Gets the service's answer into the response: true for a complete, valid UTF-8, non-empty body
    // of at most kMaxAnswerBytes with a successful status.
    bool FetchVersionInfo();
    CheckOutcome Outcome() const { return m_outcome; }

    const std::wstring& Response() const { return m_response; }
    const std::wstring& DownloadAddress() const { return m_downloadAddress; }
    std::int32_t LastError() const { return m_lastError; }
    void SetLastError(std::int32_t error) { m_lastError = error; }

    // Starts the worker for the download address, reporting to the progress window. Returns false
    // when no worker could start, when one is still running (no second worker is started), and
    // when the address is not https (the last error is then kErrorNotHttps).
    bool StartDownload(DownloadProgressSink* progress);
    bool DownloadRunning() const { return m_workerRunning.load(std::memory_order_acquire); }
    // Waits for the worker to end; the caller has cancelled the download first.
    void WaitForWorker();

    // Set by the worker once the installer is saved (release); read with acquire.
    bool InstallerReady() const { return m_installerReady.load(std::memory_order_acquire); }
    // The saved installer; read only after InstallerReady has been seen.
    const std::wstring& InstallerPath() const { return m_job.installerPath; }
    void MarkInstallerReady() { m_installerReady.store(true, std::memory_order_release); }

    DownloadJob& Job() { return m_job; }

private:
    std::wstring m_queryBase = kUpdateQueryBase;
    std::wstring m_productId = kProductId;
    std::wstring m_installedVersion;
    std::wstring m_response;
    std::wstring m_downloadAddress;
    std::int32_t m_lastError = 0;
    CheckOutcome m_outcome = CheckOutcome::kAnswered;
    DownloadJob m_job;
    std::thread m_worker;
    std::atomic<bool> m_workerRunning{false};
    std::atomic<bool> m_installerReady{false};
};

// The worker's procedure: downloads the job's address with progress reports, saves the installer
// when the whole body came with a successful status, and tells the window that it has ended.
void DownloadWorker(DownloadJob& job);

// The percentage last reported by any download of this run; it starts at 0 and is never reset.
int LastReportedPercentage();

}  // namespace update
