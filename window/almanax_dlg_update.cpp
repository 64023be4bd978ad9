// The main window's update button, the download and the start of the installer, the About box and
// the store buttons.
#include "about_dlg.h"
#include "almanax_dlg.h"
#include "framework/launcher.h"
#include "program/program_version.h"
#include "resources/string_table.h"
#include "update_dlg.h"
#include "update_download_progress.h"

// The exchange runs on this thread: the window waits for it (a server that sends nothing ends it
// within a minute).
void CAlmanaxDlg::OnCheckForUpdate() {
    wxBusyCursor busy;
    const update::CheckResult check = m_updateFlow.CheckForUpdate();
    if (!check.offerUpdate) {
        framework::ShowMessageBox(this, check.message);
        return;
    }
    UpdateDlg dialog(check.installedVersion, check.latestVersion);
    if (dialog.DoModal(this) == framework::kIdOk) StartDownload();
}

void CAlmanaxDlg::StartDownload() {
    if (m_updateFlow.DownloadRunning()) {
        if (m_progressWindow != nullptr) m_progressWindow->Raise();
        return;
    }
    // The flow starts no worker without its window; a window that no worker reports to goes.
    m_progressWindow = new UpdateDownloadProgress;
    const bool made = m_progressWindow->CreateModeless(this);
    const update::DownloadStart start = m_updateFlow.StartDownload(made ? m_progressWindow : nullptr);
    if (start.started) {
        StartTimer(update::UpdateFlow::kInstallerTimer, update::UpdateFlow::kInstallerTimerPeriodMs);
        return;
    }
    if (made) m_progressWindow->Destroy(); else delete m_progressWindow;
    m_progressWindow = nullptr;
    framework::ShowMessageBox(this, start.message);
}

void CAlmanaxDlg::StopDownload() {
    m_updateFlow.StopDownload([this] {
        if (m_progressWindow != nullptr) m_progressWindow->OnCancelDownload();
    });
}

void CAlmanaxDlg::OnTimer(int timerId) {
    if (m_updateFlow.OnTimer(timerId)) CallAfter([this] { Close(); });
}

void CAlmanaxDlg::OnAbout() {
    CAboutDlg about(L"Almanaxium - " + program::GetProgramVersion());
    about.DoModal(this);
}

void CAlmanaxDlg::OpenStoreLink(unsigned stringId) {
    framework::CurrentLauncher().OpenAddress(resources::LoadPlainString(stringId));
}
