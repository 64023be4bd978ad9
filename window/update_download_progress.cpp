#include "update_download_progress.h"

#include <wx/gauge.h>
#include <wx/stattext.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "resources/string_table.h"
#include "resources/string_ids.h"
#include "update/update_flow.h"

namespace {

enum : int { kStatusText = 1016, kPercentageText = 1024, kProgressBar = 1029 };

}  // namespace

UpdateDownloadProgress::UpdateDownloadProgress() : CLocalizableDialog(resources::kDownloadProgressDialog) {
    BindText(kStatusText, &m_statusText);
}

std::vector<framework::CDialog::Route> UpdateDownloadProgress::MessageMap() {
    return {{framework::Notification::kButtonClicked, framework::kIdCancel, [this] { OnCancelDownload(); }}};
}

bool UpdateDownloadProgress::OnInitDialog() {
    m_statusText = resources::LoadLocalizedString(resources::kTextDownloading);
    SetLocalizedTitle(resources::kTextNewVersionTitle);
    WriteBoundTexts();
    m_windowExists.store(true, std::memory_order_release);
    return true;
}

// A sent report: queued to the window's thread, and the worker waits until it has been shown. A
// cancel releases the worker at once, so that a window that is closing never waits on it.
void UpdateDownloadProgress::SendProgress(int percent) {
    struct Delivery {
        std::mutex mutex;
        std::condition_variable shown;
        bool done = false;
    };
    auto delivery = std::make_shared<Delivery>();
    CallAfter([this, percent, delivery] {
        OnDownloadProgress(percent);
        std::lock_guard<std::mutex> guard(delivery->mutex);
        delivery->done = true;
        delivery->shown.notify_all();
    });
    std::unique_lock<std::mutex> lock(delivery->mutex);
    while (!delivery->done && !Cancelled()) {
        delivery->shown.wait_for(lock, std::chrono::milliseconds(10));
    }
}

void UpdateDownloadProgress::PostProgress(int percent) {
    CallAfter([this, percent] { OnDownloadProgress(percent); });
}

void UpdateDownloadProgress::PostFinished() {
    CallAfter([this] { OnDownloadFinished(); });
}

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
