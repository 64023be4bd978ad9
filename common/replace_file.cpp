#include "replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace common {

namespace {

bool WriteAll(int descriptor, std::string_view data) {
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(descriptor, data.data() + written, data.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view contents, mode_t mode) {
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) return false;
    bool ok = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, contents) && fsync(descriptor) == 0;
    ok = ::close(descriptor) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
    }
    return ok;
}

bool ReplaceUserFile(const std::string& path, std::string_view contents, mode_t newMode) {
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) {
        return ReplaceFileWhole(path, contents, newMode);
    }
    const mode_t writable = existing.st_uid == ::geteuid() ? S_IWUSR
                            : existing.st_gid == ::getegid() ? S_IWGRP
                                                             : S_IWOTH;
    if ((existing.st_mode & writable) == 0) {
        errno = EACCES;
        return false;
    }
    return ReplaceFileWhole(path, contents, existing.st_mode & 07777);
}

}  // namespace common
