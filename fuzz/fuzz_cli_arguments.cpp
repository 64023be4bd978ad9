// almanaxium-cli's arguments: NUL-separated words of any bytes; what is accepted must be in range.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) {
        if (parsed.error.empty() || parsed.error.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    const cli::CliOptions& o = parsed.options;
    if (o.help || o.version || o.batch) return 0;
    // A span instead of a date lies inside the years the almanac computes.
    const bool dateInRange = o.span ? almanac::SpanFault(*o.span).empty()
                                    : o.date.month >= 1 && o.date.month <= 12 && o.date.day >= 1 && o.date.day <= 31 && o.date.year >= 1;
    if (o.latitudeDeg < -90 || o.latitudeDeg > 90 || o.longitudeDeg < -180 || o.longitudeDeg > 180 ||
        o.offsetHours < -12 || o.offsetHours > 14 || !dateInRange || o.hasOffset == !o.zoneName.empty()) {
        __builtin_trap();
    }
    return 0;
}
