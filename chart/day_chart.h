// The day's light as a chart: what is drawn where, worked out from the day report and the day's
// light, apart from any drawing surface. The axis runs in hours elapsed since the local midnight
// that opens the date (23 or 25 of them on a clock change), the altitude from -20 to +90 degrees.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "almanac/day_light.h"

namespace chart {

inline constexpr double kLowestAltitude = -20.0;
inline constexpr double kHighestAltitude = 90.0;

// The sky's state behind the chart, by the Sun's altitude.
enum class Sky { kNight, kAstronomicalTwilight, kNauticalTwilight, kCivilTwilight, kDay };

struct Span {
    double from = 0.0;  // elapsed hours
    double to = 0.0;
};

struct SkySpan {
    Sky sky = Sky::kNight;
    Span span;
};

struct Point {
    double hours = 0.0;     // elapsed hours
    double altitude = 0.0;  // degrees
};

// A rise, set or culmination that the report has, with its time as the report writes it.
struct EventMark {
    bool sun = true;  // the Sun's, else the Moon's
    Point at;
    std::wstring time;
};

struct HourTick {
    double hours = 0.0;  // elapsed hours
    std::wstring label;  // the zone's clock there, 12- or 24-hour as the report
};

struct DayChart {
    bool valid = false;  // false when the report holds no engine values
    double dayHours = 24.0;
    std::vector<SkySpan> sky;      // covering the day, in time order
    std::vector<Span> goldenHour;  // the Sun between -4 and +6 degrees
    std::vector<Span> blueHour;    // between -6 and -4 degrees
    std::vector<Point> sun;        // every five minutes
    std::vector<Point> moon;
    std::vector<EventMark> events;
    std::vector<HourTick> hours;   // every whole hour of the day
    std::optional<double> now;     // elapsed hours of the present, on today only
    // The legend in the interface language.
    std::wstring sunName, moonName, goldenHourName, blueHourName;
};

// The chart of the day. nowUt, when given and within the day, places the line of the present.
DayChart MakeDayChart(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                      const zones::Zone& zone, const report::TextStyle& style,
                      const std::optional<astro::CivilDateTime>& nowUt = std::nullopt);

// A time of the report (hours of the selected date on the zone's clock, at the report's offset) on
// the chart's axis.
double ElapsedHoursOf(double reportHours, const almanac::AlmanacDay& day, const almanac::DayLight& light);

}  // namespace chart
