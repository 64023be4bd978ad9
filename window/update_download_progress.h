// The progress window of an update download: modeless, shown while the worker downloads. It is the
// worker's sink: the worker's reports reach it on the user-interface thread.
#pragma once

#include <atomic>
#include <string>

#include "localizable_dialog.h"
#include "update/download_progress_sink.h"

class UpdateDownloadProgress : public CLocalizableDialog, public update::DownloadProgressSink {
public:
    UpdateDownloadProgress();

    // The worker's side.
    bool WindowExists() const override { return m_windowExists.load(std::memory_order_acquire); }
    bool Cancelled() const override { return m_cancelled.load(std::memory_order_acquire); }
    void SendProgress(int percent) override;
    void PostProgress(int percent) override;
    void PostFinished() override;

    // The window's side.
    void OnDownloadProgress(int percent);
    void OnDownloadFinished();
    void OnCancelDownload();

protected:
    std::vector<Route> MessageMap() override;
    bool OnInitDialog() override;
    void OnCloseBox() override { OnCancelDownload(); }

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_windowExists{false};
};
