// One request of almanaxium-cli, whether it came as options or as a batch line, resolved once into
// the date, the observer and the style of its texts that the almanac computes with.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli_options.h"
#include "places/observer.h"
#include "report/text_style.h"

namespace cli {

struct ResolvedRequest {
    astro::CalendarDate date;
    places::Observer observer;  // named by its coordinates: the command line knows no place name
    report::TextStyle style;
};

// The zone catalogue in a language, asked for only when a request names a zone.
using CatalogueSource = std::function<const std::vector<zones::TimeZoneEntry>&(const std::string& languageCode)>;

// The request with its zone found in the catalogue of the style's language, or its fixed offset;
// nothing when the catalogue holds no zone of the name.
std::optional<ResolvedRequest> ResolveRequest(const CliOptions& request, const report::TextStyle& style,
                                              const CatalogueSource& catalogueOf);

// Why a zone was not found, after "unknown time zone " or "unknown zone ".
std::string UnknownZoneReason(const CliOptions& request);

}  // namespace cli
