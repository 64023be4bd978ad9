// The download of an installer on its own thread.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <new>
#include <thread>

#include "program/platform_paths.h"
#include "common/replace_file.h"
#include "common/utf8_text.h"
#include "http_get.h"
#include "installer_name.h"
#include "update_checker.h"

namespace update {

namespace {

std::atomic<int> lastReportedPercentage{0};

// Pauses that end early when the user cancels, so that a cancelled worker ends at once.
void Pause(const DownloadProgressSink& progress, std::chrono::milliseconds duration) {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until && !progress.Cancelled()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Whether the installer's name is free to take: nothing there, or a file or link of this user. In the
// shared temporary folder another user's file at that name is theirs, and is left alone. The name
// is opened without following a link, and its owner read from what was opened.
bool InstallerNameIsOurs(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return errno == ENOENT;
    struct stat info {};
    const bool ours = ::fstat(descriptor, &info) == 0 && info.st_uid == ::geteuid();
    ::close(descriptor);
    return ours;
}

}  // namespace

int LastReportedPercentage() { return lastReportedPercentage.load(); }

void DownloadWorker(DownloadJob& job) {
    DownloadProgressSink* progress = job.progress;
    if (progress == nullptr) return;
    // A window that never comes must not hold the worker: a cancel ends the wait, and the close of
    // the main window, which cancels and then joins, never hangs.
    while (!progress->WindowExists()) {
        if (progress->Cancelled()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    std::int64_t length = 0;
    std::string received;
    bool tooLarge = false;
    HttpGetCallbacks callbacks;
    callbacks.onHeaders = [&](std::int64_t contentLength) { length = contentLength > 0 ? contentLength : 0; };
    callbacks.cancelled = [progress] { return progress->Cancelled(); };
    callbacks.onData = [&](const char* data, std::size_t size) {
        if (received.size() + size > job.maxBytes) {
            tooLarge = true;
            return false;
        }
        try {
            received.append(data, size);
        } catch (const std::bad_alloc&) {
            // No room for the installer: the download ends with its handles closed.
            tooLarge = true;
            return false;
        }
        if (length != 0 && !progress->Cancelled()) {
            const int percent = static_cast<int>(static_cast<std::int64_t>(received.size()) * 100 / length);
            if (percent - lastReportedPercentage.load() >= 25) {
                lastReportedPercentage.store(percent);
                progress->SendProgress(percent);
                Pause(*progress, std::chrono::milliseconds(300));
            }
        }
        return !progress->Cancelled();
    };
    HttpGetOptions options;
    options.caFile = job.caFile;
    const HttpGetResult result = HttpGet(common::WideToUtf8(job.downloadAddress), callbacks, options);

    if (length != 0 && !progress->Cancelled() && !tooLarge) {
        const int percent = static_cast<int>(static_cast<std::int64_t>(received.size()) * 100 / length);
        progress->PostProgress(percent);
        Pause(*progress, std::chrono::milliseconds(500));
    }
    // Only a whole body with a successful status is an installer: an error page is not.
    const bool complete = result.complete && !tooLarge && result.status >= 200 && result.status < 300;
    if (complete && !progress->Cancelled()) {
        const std::string path = program::TemporaryFolder() + InstallerFileName(common::WideToUtf8(job.downloadAddress));
        // Whole or not at all: a failed or short write leaves no installer. The new file is made
        // apart and renamed over the name, so a link there is replaced rather than written
        // through; it can be run by the user alone.
        if (InstallerNameIsOurs(path) && common::ReplaceFileWhole(path, received, 0700)) {
            job.installerPath = common::Utf8ToWide(path);
            job.checker->MarkInstallerReady();
        }
    }
    received.clear();
    received.shrink_to_fit();
    if (!progress->Cancelled()) progress->PostFinished();
}

}  // namespace update
