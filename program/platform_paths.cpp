#include "platform_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace program {

std::string TemporaryFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    struct stat info {};
    std::string folder = tmpdir != nullptr && tmpdir[0] != '\0' && ::stat(tmpdir, &info) == 0 &&
                                 S_ISDIR(info.st_mode)
                             ? std::string(tmpdir)
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
