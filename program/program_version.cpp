#include "program_version.h"

#include <cwchar>

namespace program {

std::optional<FileVersion> StampedVersion() {
#if defined(ALMANAXIUM_VERSION_MAJOR) && defined(ALMANAXIUM_VERSION_MINOR) && \
    defined(ALMANAXIUM_VERSION_PATCH) && defined(ALMANAXIUM_VERSION_TWEAK)
    return FileVersion{ALMANAXIUM_VERSION_MAJOR, ALMANAXIUM_VERSION_MINOR, ALMANAXIUM_VERSION_PATCH,
                       ALMANAXIUM_VERSION_TWEAK};
#else
    return std::nullopt;
#endif
}

std::wstring FormatProgramVersion(const std::optional<FileVersion>& version) {
    // The file version is held as two 32-bit halves of 16-bit numbers.
    const FileVersion v = version.value_or(FileVersion{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF});
    wchar_t text[48];
    std::swprintf(text, sizeof text / sizeof text[0], L"%ld.%ld.%ld.%04ld",
                  static_cast<long>(v.major & 0xFFFF), static_cast<long>(v.minor & 0xFFFF),
                  static_cast<long>(v.patch & 0xFFFF), static_cast<long>(v.build & 0xFFFF));
    return text;
}

std::wstring GetProgramVersion() { return FormatProgramVersion(StampedVersion()); }

}  // namespace program
