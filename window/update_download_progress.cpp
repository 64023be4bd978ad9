#include "update_download_progress.h"

#include <wx/gauge.h>
#include <wx/stattext.h>

#include "resources/string_ids.h"
#include "update/update_flow.h"

namespace {

enum : int { kStatusText = 1016, kPercentageText = 1024, kProgressBar = 1029 };

constexpr resources::CaptionText kCaptions[] = {{kStatusText, resources::kTextDownloading}};

}  // namespace

UpdateDownloadProgress::UpdateDownloadProgress() : CLocalizableDialog(resources::kDownloadProgressDialog) {
    BindCaptions(kCaptions);
}

std::vector<framework::CDialog::Route> UpdateDownloadProgress::MessageMap() {
    return {{framework::Notification::kButtonClicked, framework::kIdCancel, [this] { OnCancelDownload(); }}};
}

bool UpdateDownloadProgress::OnInitDialog() {
    SetLocalizedTitle(resources::kTextNewVersionTitle);
    LoadCaptions();
    m_windowExists.store(true, std::memory_order_release);
    return true;
}

// The worker waits until its report has been shown; a cancel releases it at once.
void UpdateDownloadProgress::SendProgress(int percent) {
    SendAndWait([this, percent] { OnDownloadProgress(percent); }, [this] { return Cancelled(); });
}

void UpdateDownloadProgress::PostProgress(int percent) { CallAfter([this, percent] { OnDownloadProgress(percent); }); }
void UpdateDownloadProgress::PostFinished() { CallAfter([this] { OnDownloadFinished(); }); }

void UpdateDownloadProgress::OnDownloadProgress(int percent) {
    if (auto* bar = ControlAs<wxGauge>(kProgressBar)) bar->SetValue(percent);
    if (auto* text = ControlAs<wxStaticText>(kPercentageText)) {
        text->SetLabel(wxString(update::PercentageText(percent)));
    }
}

void UpdateDownloadProgress::OnDownloadFinished() { EndDialog(framework::kIdCancel); }

void UpdateDownloadProgress::OnCancelDownload() {
    m_cancelled.store(true, std::memory_order_release);
    EndDialog(framework::kIdCancel);
}
