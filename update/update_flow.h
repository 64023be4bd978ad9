// The steps of the update button, from the version check to the start of the installer, apart
// from any window: the window shows the texts and dialogs this asks for and reports what the user
// chose.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "download_progress_sink.h"
#include "update_checker.h"

namespace update {

// Starts a saved installer; the window's implementation opens it with the desktop's launcher.
class InstallerStarter {
public:
    virtual ~InstallerStarter() = default;
    // False when it could not be started; errno then tells why, where the platform sets it.
    virtual bool StartInstaller(const std::wstring& path) = 0;
};

// What the window shows after a check: the offer of a newer version, or a message.
struct CheckResult {
    bool offerUpdate = false;
    std::wstring installedVersion;  // for the offer
    std::wstring latestVersion;     // for the offer
    std::wstring message;           // shown instead of the offer
};

// The start of a download.
struct DownloadStart {
    bool started = false;  // then the window runs the installer timer
    std::wstring message;  // shown when it did not start
};

// A message text with "%1!d!" replaced by a number.
std::wstring WithNumber(std::wstring text, std::int32_t number);

// A message text with "%1" replaced by a text.
std::wstring WithText(std::wstring text, const std::wstring& insert);

// The progress window's percentage: "42 %".
std::wstring PercentageText(int percent);

class UpdateFlow {
public:
    // While the installer is awaited, the window calls OnTimer with this id at this period.
    static constexpr int kInstallerTimer = 123;
    static constexpr int kInstallerTimerPeriodMs = 100;

    explicit UpdateFlow(InstallerStarter& starter) : m_starter(starter) {}

    UpdateChecker& Checker() { return m_checker; }

    // Asks the maker's version service about this product, installed in the version given.
    void UseVersionService(const std::wstring& installedVersion) {
        m_checker.SetQueryBase(kUpdateQueryBase);
        m_checker.SetProductId(kProductId);
        m_checker.SetInstalledVersion(installedVersion);
    }

    // One exchange with the version service, on the caller's thread.
    CheckResult CheckForUpdate();

    // True when a download still runs: the window brings its progress window to the front
    // instead of opening another.
    bool DownloadRunning() const { return m_checker.DownloadRunning(); }
    // Starts the download reporting to the progress window just opened; refuses (with the failure
    // message and the last error -1) when there is no such window or it does not exist yet.
    DownloadStart StartDownload(DownloadProgressSink* progress);

    // A tick of a timer: true once, when the installer has been saved; the installer has then been
    // started (a failure is kept as the last error) and the window is to close.
    bool OnTimer(int timerId);

    // Before the progress window goes: a running download is cancelled through the given action,
    // and the worker that reports to the window is awaited.
    void StopDownload(const std::function<void()>& cancelDownload);

private:
    InstallerStarter& m_starter;
    UpdateChecker m_checker;
    bool m_installerStarted = false;
};

}  // namespace update
