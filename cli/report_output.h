// The day report as almanaxium-cli prints it: as JSON members, or as the window's rows.
#pragma once

#include <string>

#include "json_writer.h"
#include "almanac/almanac_day.h"
#include "almanac/day_light.h"

namespace cli {

// "report", "texts", "phasePicture" and "zone" into the open object.
void WriteReportMembers(JsonWriter& json, const almanac::AlmanacDay& day, const zones::Zone& zone);

// "goldenHour", "blueHour", "polar", "whiteNight" and "samples" into the open object; nothing for a
// day without engine values.
void WriteLightMembers(JsonWriter& json, const almanac::DayLight& light);

// The whole JSON object of a day, as --json prints it: over lines, or on one (a line of JSON lines).
// The day's light comes last, after every member of the report.
std::string DayJson(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                    const zones::Zone& zone, bool oneLine);

// The window's captions in the interface language beside the values, in the window's order, then
// the rows of the day's light.
std::string ReportRows(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                       const zones::Zone& zone, const report::TextStyle& style);

}  // namespace cli
