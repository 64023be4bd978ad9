// Where the download worker reports: the progress window, seen from the worker's thread.
#pragma once

namespace update {

class DownloadProgressSink {
public:
    virtual ~DownloadProgressSink() = default;
    // Whether the window exists yet.
    virtual bool WindowExists() const = 0;
    // Whether the user has cancelled the download (written by the window's thread only).
    virtual bool Cancelled() const = 0;
    // Shows a percentage and returns once it is shown, or at once when the download is cancelled.
    virtual void SendProgress(int percent) = 0;
    // Shows a percentage without waiting.
    virtual void PostProgress(int percent) = 0;
    // Tells the window that the worker has ended without being cancelled.
    virtual void PostFinished() = 0;
};

}  // namespace update
