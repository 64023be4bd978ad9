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

std::wstring PercentageText(int percent) { return std::to_wstring(percent) + L" %"; }

CheckResult UpdateFlow::CheckForUpdate() {
    CheckResult result;
    bool newer = false;
    checker_.CheckForUpdate(newer, result.latestVersion);
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
    start.started = checker_.StartDownload(progress);
    if (!start.started) {
        start.message = WithNumber(resources::LoadPlainString(resources::kTextUpdateFailed), checker_.LastError());
    }
    return start;
}

bool UpdateFlow::OnTimer(int timerId) {
    if (timerId != kInstallerTimer || !checker_.InstallerReady() || installerStarted_) return false;
    // The timer keeps running while the window closes; the installer starts once.
    installerStarted_ = true;
    const std::wstring& path = checker_.InstallerPath();
    if (!path.empty() && !starter_.StartInstaller(path)) checker_.SetLastError(errno != 0 ? errno : -1);
    return true;
}

void UpdateFlow::StopDownload(const std::function<void()>& cancelDownload) {
    if (checker_.DownloadRunning()) cancelDownload();
    checker_.WaitForWorker();
}

}  // namespace update
