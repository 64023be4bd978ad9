#include "installer_name.h"

#include "update_checker.h"

namespace update {

namespace {

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.front() == '.') return false;
    for (const char ch : name) {
        const bool letterOrDigit = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
        if (!letterOrDigit && ch != '.' && ch != '_' && ch != '-' && ch != '+') return false;
    }
    return true;
}

}  // namespace

std::string InstallerFileName(std::string_view downloadAddress) {
    // The path is what follows the scheme and the host, up to a query or a fragment.
    std::string_view rest = downloadAddress;
    if (const std::size_t scheme = rest.find("://"); scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);
    rest = rest.substr(0, rest.find_first_of("?#"));
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return kInstallerFileName;
    const std::string_view name = rest.substr(rest.rfind('/') + 1);
    return IsPlainFileName(name) ? std::string(name) : kInstallerFileName;
}

}  // namespace update
