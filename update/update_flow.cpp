#include "update_flow.h"

#include <cerrno>

#include "program/program_version.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace update {

std::wstring WithNumber(std::wstring text, std::int32_t number) {
    const std::wstring insert = L"%1!d!";
    const std::size_t at = text.find(insert);
    if (at != std::wstring::npos) text.replace(at, insert.size(), std::to_wstring(number));
    return text;
}

std::wstring WithText(std::wstring text, const std::wstring& insert) {
    const std::wstring placeholder = L"%1";
    const std::size_t at = text.find(placeholder);
    if (at != std::wstring::npos) text.replace(at, placeholder.size(), insert);
    return text;
}

namespace {

// Why the service could not be asked, in a few words.
unsigned ReasonOf(CheckOutcome outcome) {
    switch (outcome) {
        case CheckOutcome::kNoConnection: return resources::kTextReasonNoConnection;
        case CheckOutcome::kNotHttps: return resources::kTextReasonNotHttps;
        case CheckOutcome::kErrorStatus: return resources::kTextReasonErrorStatus;
        case CheckOutcome::kCutShort: return resources::kTextReasonCutShort;
        case CheckOutcome::kTooLarge: return resources::kTextReasonTooLarge;
        case CheckOutcome::kEmpty: return resources::kTextReasonEmpty;
        case CheckOutcome::kNotUtf8: return resources::kTextReasonNotUtf8;
        case CheckOutcome::kNoElements:
        case CheckOutcome::kAnswered: break;
    }
    return resources::kTextReasonNoElements;
}

}  // namespace

std::wstring PercentageText(int percent) { return std::to_wstring(percent) + L" %"; }

CheckResult UpdateFlow::CheckForUpdate() {
    CheckResult result;
    bool newer = false;
    // Only an answer of the service says there is no new version; a failed exchange says why.
    if (!m_checker.CheckForUpdate(newer, result.latestVersion)) {
        result.message = WithText(resources::LoadPlainString(resources::kTextServiceNotReached),
                                  resources::LoadPlainString(ReasonOf(m_checker.Outcome())));
        return result;
    }
    if (!newer) {
        result.message = resources::LoadPlainString(resources::kTextNoNewVersion);
        return result;
    }
    result.offerUpdate = true;
    result.installedVersion = program::GetProgramVersion();
    return result;
}

DownloadStart UpdateFlow::StartDownload(DownloadProgressSink* progress) {
    DownloadStart start;
    // Without its window a worker would report to nobody and wait for a window that never comes.
    if (progress == nullptr || !progress->WindowExists()) {
        m_checker.SetLastError(-1);
    } else {
        start.started = m_checker.StartDownload(progress);
    }
    if (!start.started) {
        start.message = WithNumber(resources::LoadPlainString(resources::kTextUpdateFailed), m_checker.LastError());
    }
    return start;
}

bool UpdateFlow::OnTimer(int timerId) {
    if (timerId != kInstallerTimer || !m_checker.InstallerReady() || m_installerStarted) return false;
    // The timer keeps running while the window closes; the installer starts once.
    m_installerStarted = true;
    const std::wstring& path = m_checker.InstallerPath();
    if (!path.empty() && !m_starter.StartInstaller(path)) m_checker.SetLastError(errno != 0 ? errno : -1);
    return true;
}

void UpdateFlow::StopDownload(const std::function<void()>& cancelDownload) {
    if (m_checker.DownloadRunning()) cancelDownload();
    m_checker.WaitForWorker();
}

}  // namespace update
