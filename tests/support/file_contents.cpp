#include "file_contents.h"

#include <csignal>
#include <fstream>
#include <iterator>

namespace test_support {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ScopedFileSizeLimit::ScopedFileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &old_) != 0) return;
    rlimit small = old_;
    small.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
    if (active_) setrlimit(RLIMIT_FSIZE, &old_);
}

}  // namespace test_support
