#include "cli_request.h"

#include <charconv>

#include "option_values.h"

namespace cli {

namespace {

// A coordinate as short as it reads back, with a point whatever the process locale: 52.52, not
// 52.520000 or 52,52.
std::string ShortDegrees(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<ResolvedRequest> ResolveRequest(const CliOptions& request, const report::TextStyle& style,
                                              const CatalogueSource& catalogueOf) {
    ResolvedRequest resolved;
    resolved.date = request.date;
    resolved.style = style;
    places::Observer& observer = resolved.observer;
    observer.latitudeDeg = request.latitudeDeg;
    observer.longitudeDeg = request.longitudeDeg;
    observer.name = ShortDegrees(request.latitudeDeg) + ", " + ShortDegrees(request.longitudeDeg);
    if (request.hasOffset) {
        observer.zone = zones::FixedOffsetZone(request.offsetHours);
        return resolved;
    }
    std::optional<zones::Zone> zone = zones::FindZone(catalogueOf(style.languageCode), request.zoneName);
    if (!zone) return std::nullopt;
    observer.zone = std::move(*zone);
    return resolved;
}

std::string UnknownZoneReason(const CliOptions& request) {
    return QuoteArgument(request.zoneName) + " (a name of the system's zone.tab, such as Europe/Berlin, or UTC)";
}

}  // namespace cli
