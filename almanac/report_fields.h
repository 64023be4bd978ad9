// The fields of the day report, listed once: the JSON writer names its texts by their keys, and the
// window and the text report find by the same keys where they show each text.
#pragma once

#include <span>
#include <string>

#include "report/value_formatting.h"

namespace almanac {

struct ReportField {
    const char* key;         // its name among the JSON texts
    unsigned captionId;      // the string id of its caption; 0 when it has none of its own
    std::wstring report::DayReportTexts::*text;
    bool needsEphemeris;     // a value of the engine, which exists only for the years it computes
};

// In the order of the JSON texts.
std::span<const ReportField> ReportFields();

// Whether the field has a value in the report (else the window keeps what it showed).
bool HasValue(const ReportField& field, const report::DayReport& report);

}  // namespace almanac
