// A line of almanaxium-cli --batch, any bytes: every line is either taken, in range, or refused
// with one line of reason.
#include <cstdint>
#include <string_view>

#include "cli/batch_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const cli::BatchLineResult parsed = cli::ParseBatchLine(line);
    if (!parsed.ok) {
        if (parsed.error.empty() || parsed.error.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    const cli::CliOptions& o = parsed.request;
    if (o.latitudeDeg < -90 || o.latitudeDeg > 90 || o.longitudeDeg < -180 || o.longitudeDeg > 180 ||
        o.offsetHours < -12 || o.offsetHours > 14 || o.date.month < 1 || o.date.month > 12 || o.date.day < 1 ||
        o.date.day > 31 || o.date.year < 1901 || o.date.year > 2099 || o.hasOffset == !o.zoneName.empty() ||
        size > cli::kLongestBatchLine) {
        __builtin_trap();
    }
    return 0;
}
