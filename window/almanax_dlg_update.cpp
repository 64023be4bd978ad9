// The main window's update button, the download and the start of the installer, the About box and
// the store buttons.
#include "about_dlg.h"
#include "almanax_dlg.h"
#include "framework/launcher.h"
#include "program/program_version.h"
#include "resources/string_table.h"
#include "resources/string_ids.h"
#include "update_dlg.h"
#include "update_download_progress.h"

namespace {

constexpr int kInstallerTimer = 123;
constexpr int kInstallerTimerPeriodMs = 100;

// "%1!d!" of a message text replaced by a number.
std::wstring WithNumber(std::wstring text, std::int32_t number) {
    const std::wstring insert = L"%1!d!";
    const std::size_t at = text.find(insert);
    if (at != std::wstring::npos) text.replace(at, insert.size(), std::to_wstring(number));
    return text;
}

}  // namespace

// The exchange runs on this thread: the window waits for it (a server that sends nothing ends it
// within a minute).
void CAlmanaxDlg::OnCheckForUpdate() {
    bool newer = false;
    std::wstring latestVersion;
    wxBusyCursor busy;
    m_updateChecker.CheckForUpdate(newer, latestVersion);
    if (!newer) {
        framework::ShowMessageBox(this, resources::LoadPlainString(resources::kTextNoNewVersion));
        return;
    }
    UpdateDlg dialog(program::GetProgramVersion(), latestVersion);
    if (dialog.DoModal(this) == framework::kIdOk) StartDownload();
}

void CAlmanaxDlg::StartDownload() {
    // A download that still runs is not started twice: its window comes to the front instead.
    if (m_updateChecker.DownloadRunning()) {
        if (m_progressWindow != nullptr) m_progressWindow->Raise();
        return;
    }
    m_progressWindow = new UpdateDownloadProgress;
    m_progressWindow->CreateModeless(this);
    if (m_updateChecker.StartDownload(m_progressWindow)) {
        StartTimer(kInstallerTimer, kInstallerTimerPeriodMs);
    } else {
        framework::ShowMessageBox(
            this, WithNumber(resources::LoadPlainString(resources::kTextUpdateFailed), m_updateChecker.LastError()));
    }
}

// Before the progress window goes, the worker that reports to it is stopped and awaited.
void CAlmanaxDlg::StopDownload() {
    if (!m_updateChecker.DownloadRunning()) {
        m_updateChecker.WaitForWorker();
        return;
    }
    if (m_progressWindow != nullptr) m_progressWindow->OnCancelDownload();
    m_updateChecker.WaitForWorker();
}

void CAlmanaxDlg::OnTimer(int timerId) {
    if (timerId != kInstallerTimer || !m_updateChecker.InstallerReady() || m_installerStarted) return;
    // The timer keeps running while the window closes; the installer starts once.
    m_installerStarted = true;
    const std::wstring& path = m_updateChecker.InstallerPath();
    if (!path.empty() && !framework::CurrentLauncher().OpenFile(path)) {
        m_updateChecker.SetLastError(errno != 0 ? errno : -1);
    }
    CallAfter([this] { Close(); });
}

void CAlmanaxDlg::OnAbout() {
    CAboutDlg about(L"Almanaxium - " + program::GetProgramVersion());
    about.DoModal(this);
}

void CAlmanaxDlg::OpenStoreLink(unsigned stringId) {
    framework::CurrentLauncher().OpenAddress(resources::LoadPlainString(stringId));
}
