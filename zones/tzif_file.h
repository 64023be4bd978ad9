// The zone files of the system's time-zone database (TZif, RFC 8536).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zones {

// The POSIX TZ string at the end of a version 2 or later TZif file, which describes the zone's
// clock after its last listed transition. Nothing for a file that is not TZif, is cut short, is
// version 1, or has no such string.
std::optional<std::string> TzifFooter(std::string_view fileContents);

}  // namespace zones
