// The engine's records as JSON members, under the field names of the records.
#pragma once

#include "astro/astronomy.h"
#include "json_writer.h"

namespace cli {

void WriteBodyEvents(JsonWriter& json, const astro::BodyEvents& events);

// Writes the members "ephemeris", "dayLengthHours" and "phases" into the open object. An ephemeris
// that is not valid has no events and no day length (null).
void WriteEphemerisMembers(JsonWriter& json, const astro::DayEphemeris& ephemeris,
                           const astro::PhaseDates& phases);

}  // namespace cli
