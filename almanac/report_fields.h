// The fields of the day report, listed once: the window fills its value controls from this table,
// the JSON writer names its texts by it, and the text report lays out its lines by it.
#pragma once

#include <span>
#include <string>

#include "report/value_formatting.h"

namespace almanac {

struct ReportField {
    const char* key;         // its name among the JSON texts
    unsigned captionId;      // the string id of its caption; 0 when it has none of its own
    int valueControl;        // the main window's control of its text; 0 when it has none
    std::wstring report::DayReportTexts::*text;
    bool needsEphemeris;     // a value of the engine, which exists only for the years it computes
    int line;                // the line of the text report that shows it
    bool secondColumn;       // beside the line's first value: an azimuth or a twilight's end
};

// In the order of the JSON texts.
std::span<const ReportField> ReportFields();

// Whether the field has a value in the report (else the window keeps what it showed).
bool HasValue(const ReportField& field, const report::DayReport& report);

// Lines of the text report that are not fields, and the pairs of lines whose order the report
// decides (the earlier event first).
inline constexpr int kZoneListLine = 1;
inline constexpr int kZoneLabelLine = 2;
inline constexpr int kTwilightHeadingLine = 9;
inline constexpr int kFirstTwilightLine = 10;
inline constexpr int kLastTwilightLine = 12;
inline constexpr int kMoonriseLine = 13;
inline constexpr int kMoonsetLine = 14;
inline constexpr int kNewMoonLine = 19;
inline constexpr int kFullMoonLine = 20;
inline constexpr int kLineCount = 21;

}  // namespace almanac
