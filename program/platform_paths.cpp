#include "platform_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace program {

namespace {

bool IsFolder(const char* path) {
    struct stat info {};
    return path != nullptr && path[0] != '\0' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// The per-user runtime folder counts only as it is meant to be: an absolute folder of this user
// that no one else may enter. Otherwise the shared /tmp/ is the safer choice.
bool IsPrivateRuntimeFolder(const char* path) {
    struct stat info {};
    return path != nullptr && path[0] == '/' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

}  // namespace

std::string TemporaryFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = IsFolder(tmpdir)                   ? std::string(tmpdir)
                         : IsPrivateRuntimeFolder(runtime) ? std::string(runtime)
                                                           : std::string("/tmp");
    if (folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    const std::string file(path, static_cast<std::size_t>(length));
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

}  // namespace program
