// The engine's results as readable lines, for a person at a terminal.
#pragma once

#include <string>

#include "astro/astronomy.h"

namespace cli {

std::string PlainReport(const astro::DayEphemeris& ephemeris, const astro::PhaseDates& phases);

}  // namespace cli
