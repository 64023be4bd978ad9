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
    m_progressWindow = new UpdateDownloadProgress;
    if (!m_progressWindow->CreateModeless(this)) {
        delete m_progressWindow;  // the flow then refuses to start a worker with no window
        m_progressWindow = nullptr;
    }
    const update::DownloadStart start = m_updateFlow.StartDownload(m_progressWindow);
    if (start.started) {
        StartTimer(update::UpdateFlow::kInstallerTimer, update::UpdateFlow::kInstallerTimerPeriodMs);
    } else {
        // No worker reports to it: the progress window of a download that never started goes.
        if (m_progressWindow != nullptr) m_progressWindow->Destroy();
        m_progressWindow = nullptr;
        framework::ShowMessageBox(this, start.message);
    }
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
