// The program's version text: four numbers, the fourth with at least four digits (2.5.0.5012).
#pragma once

#include <optional>
#include <string>

namespace program {

struct FileVersion {
    unsigned major = 0, minor = 0, patch = 0, build = 0;  // 16 bits each
};

// The version stamped into the program by the build, from the project's version.
std::optional<FileVersion> StampedVersion();

// "%ld.%ld.%ld.%04ld" of the four numbers; 65535.65535.65535.65535 without a version.
std::wstring FormatProgramVersion(const std::optional<FileVersion>& version);

// The running program's version text.
std::wstring GetProgramVersion();

}  // namespace program
