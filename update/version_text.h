// The version service's answer: its elements and the four numbers of a version text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace update {

using VersionNumbers = std::array<std::int32_t, 4>;

// The text between the first "<name>" and the first "</name>" after it, unchanged; tags match
// exactly, with case. Nothing when either tag is missing.
std::optional<std::wstring> ExtractElement(const std::wstring& response, const std::wstring& name);

// Four numbers read like a decimal string-to-integer conversion, each from where the previous "."
// left off: "2.5.0.5012" gives 2, 5, 0, 5012; "3" gives 3, 3, 3, 3; "2.6" gives 2, 6, 6, 6.
VersionNumbers ParseVersion(const std::wstring& text);

// Whether the offered version is greater, comparing the numbers from the first to the last.
bool IsNewerVersion(const VersionNumbers& offered, const VersionNumbers& installed);

}  // namespace update
