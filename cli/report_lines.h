// Where the text report of almanaxium-cli shows each field of the day report: the window's rows in
// the window's order, one line a row, an azimuth or a twilight's end beside its row's first value.
#pragma once

#include <string_view>

namespace cli {

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

struct FieldLine {
    const char* fieldKey;  // the key of almanac::ReportFields()
    int line;
    bool secondColumn;     // beside the line's first value
};

inline constexpr FieldLine kFieldLines[] = {
    {"date", 0, false},
    {"sunrise", 3, false},
    {"sunriseAzimuth", 3, true},
    {"sunset", 4, false},
    {"sunsetAzimuth", 4, true},
    {"sunCulmination", 5, false},
    {"sunDeclination", 6, false},
    {"equationOfTime", 7, false},
    {"dayLength", 8, false},
    {"astronomicalTwilightBegin", 10, false},
    {"astronomicalTwilightEnd", 10, true},
    {"nauticalTwilightBegin", 11, false},
    {"nauticalTwilightEnd", 11, true},
    {"civilTwilightBegin", 12, false},
    {"civilTwilightEnd", 12, true},
    {"moonrise", kMoonriseLine, false},
    {"moonriseAzimuth", kMoonriseLine, true},
    {"moonset", kMoonsetLine, false},
    {"moonsetAzimuth", kMoonsetLine, true},
    {"moonCulmination", 15, false},
    {"moonDeclination", 16, false},
    {"visibility", 17, false},
    {"phase", 18, false},
    {"nextNewMoon", kNewMoonLine, false},
    {"nextFullMoon", kFullMoonLine, false},
};

// The line of a field's key; nothing for a key the text report does not show.
inline const FieldLine* FieldLineOf(std::string_view fieldKey) {
    for (const FieldLine& line : kFieldLines) {
        if (fieldKey == line.fieldKey) return &line;
    }
    return nullptr;
}

}  // namespace cli
