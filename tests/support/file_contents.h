// Reading a whole file, and a limit on the size of the files this process writes (a write that
// fails half-way, as on a full disk, without needing one).
#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <string>

namespace test_support {

// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// While it lives, a write past `bytes` into any file fails (with EFBIG instead of SIGXFSZ).
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    bool Active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

}  // namespace test_support
