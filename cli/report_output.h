// The day report as almanaxium-cli prints it: as JSON members, or as the window's rows.
#pragma once

#include <string>

#include "json_writer.h"
#include "almanac/almanac_day.h"

namespace cli {

// "report", "texts", "phasePicture" and "zone" into the open object.
void WriteReportMembers(JsonWriter& json, const almanac::AlmanacDay& day, const almanac::DayZone& zone);

// The whole JSON object of a day, as --json prints it: over lines, or on one (a line of JSON lines).
std::string DayJson(const almanac::AlmanacDay& day, const almanac::DayZone& zone, bool oneLine);

// The window's captions in the interface language beside the values, in the window's order.
std::string ReportRows(const almanac::AlmanacDay& day, const almanac::DayZone& zone);

}  // namespace cli
