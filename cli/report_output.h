// The day report as almanaxium-cli prints it: as JSON members, or as the window's rows.
#pragma once

#include <string>

#include "json_writer.h"
#include "almanac/almanac_day.h"

namespace cli {

// "report", "texts", "phasePicture" and "zone" into the open object.
void WriteReportMembers(JsonWriter& json, const almanac::AlmanacDay& day, const almanac::DayZone& zone);

// The --json document of the day: the engine's members, then the report's; indented over lines, or
// on one line for a batch answer. One function for both, so that the two cannot drift apart.
std::string DayJson(const almanac::AlmanacDay& day, const almanac::DayZone& zone, bool oneLine);

// The window's captions in the interface language beside the values, in the window's order.
std::string ReportRows(const almanac::AlmanacDay& day, const almanac::DayZone& zone);

}  // namespace cli
