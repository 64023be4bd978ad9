// The day report as almanaxium-cli prints it: as JSON members, or as the window's rows.
#pragma once

#include <string>

#include "json_writer.h"
#include "report/day_report.h"
#include "report/value_formatting.h"

namespace cli {

// What the zone of the report is called.
struct ZoneDescription {
    std::string id;     // the IANA name, or "UTC+02:00" for a fixed offset
    std::wstring list;  // the text of the zone in the time-zone list
    std::wstring label; // the label under the list: the name of the time in force
};

// "report", "texts", "phasePicture" and "zone" into the open object.
void WriteReportMembers(JsonWriter& json, const report::DayReport& report,
                        const report::DayReportTexts& texts, const ZoneDescription& zone);

// The window's captions in the interface language beside the values, in the window's order.
std::string ReportRows(const report::DayReport& report, const report::DayReportTexts& texts,
                       const ZoneDescription& zone);

}  // namespace cli
