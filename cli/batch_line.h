// One request line of almanaxium-cli --batch: a flat JSON object, read strictly, into the options
// that the command line would give for it, or the one-line reason it is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli_options.h"

namespace cli {

// The longest line that is read; the rest of a longer one is passed over unkept, so that a line
// without end cannot take the memory.
inline constexpr std::size_t kLongestBatchLine = 64 * 1024;

struct BatchLineResult {
    bool ok = false;
    CliOptions request;  // date, place, zone or offset, and languageCode (empty: the environment's)
    std::string error;   // one line naming the member at fault, set when ok is false
};

// A line without its line feed: {"date": "YYYY-MM-DD", "lat": DEG, "lon": DEG} with one of
// "zone": NAME and "offset": HOURS, and optionally "lang": CODE. The values are checked as the
// options check them, and the date must lie in the years the engine computes. Other members are
// ignored when they hold a string, a number, a boolean or null. Whether the zone is in the
// catalogue is for the caller to find out.
BatchLineResult ParseBatchLine(std::string_view line);

}  // namespace cli
