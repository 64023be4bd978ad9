// The day's light: the golden and the blue hour, polar day and night with the day they end, white
// nights, and the altitudes of the Sun and the Moon through the local day. Everything a chart of the
// day needs beside the report's rise, set and culmination, in one record.
#pragma once

#include <optional>
#include <vector>

#include "almanac/almanac_day.h"

namespace almanac {

// The band of the golden hour and the blue hour, degrees of the Sun's centre, no refraction. The
// blue hour's outer edge is the civil twilight's crossing of -6 degrees.
inline constexpr double kGoldenHourHighDeg = 6.0;
inline constexpr double kGoldenHourLowDeg = -4.0;  // also the blue hour's inner edge
inline constexpr double kBlueHourLowDeg = -6.0;

// A band of the Sun's altitude crossed in the morning and in the evening. Each edge is a time of the
// selected date on the zone's clock, [0, 24), as the twilights are, found by the twilights'
// interpolation. An edge that does not occur (the Sun stays on one side of its altitude all day)
// holds hours 0; the period is then bounded by the edges that do occur:
//   - only the upper edges missing (the Sun never climbs to the band's top): one period from
//     morningBegin to eveningEnd, the whole of the day's light;
//   - only the lower edges missing (the Sun never sinks to the band's bottom): the period runs
//     from the date's start to morningEnd and from eveningBegin to its end, through the night;
//   - all four missing: inBandAllDay says whether the Sun stays within the band the whole date.
struct LightPeriod {
    report::DayEvent morningBegin;  // climbing through the band's bottom
    report::DayEvent morningEnd;    // climbing through its top
    report::DayEvent eveningBegin;  // sinking through its top
    report::DayEvent eveningEnd;    // sinking through its bottom
    bool inBandAllDay = false;      // no edge occurs and the Sun never leaves the band
};

// Whether the Sun neither rises nor sets on the date, by the report's own sunrise and sunset.
enum class PolarState { kNone, kPolarDay, kPolarNight };

// The strongest of the white nights that holds: the Sun stays above -18, -12 or -6 degrees all day,
// so that the night has no astronomical, nautical or civil darkness. A polar day is the strongest
// white night, noCivilNight, as the Sun stays above the horizon.
enum class WhiteNight { kNone, kNoAstronomicalNight, kNoNauticalNight, kNoCivilNight };

// The Sun's and the Moon's altitudes at one instant of the local day.
struct LightSample {
    double hours = 0.0;         // elapsed hours since the local midnight that opens the date (UT
                                // hours since midnightUt); not the clock time on a clock change
    double sunAltitude = 0.0;   // degrees, geometric altitude of the centre, no refraction
    double moonAltitude = 0.0;  // degrees, topocentric, no refraction
    double moonFraction = 0.0;  // 0 to 1, the Moon's illuminated fraction
};

inline constexpr int kSampleStepMinutes = 5;

struct DayLight {
    bool valid = false;  // false when the report holds no engine values (years outside 1901-2099)
    LightPeriod goldenHour;  // the Sun between -4 and +6 degrees
    LightPeriod blueHour;    // the Sun between -6 and -4 degrees

    PolarState polar = PolarState::kNone;
    // The next sunset of a polar day or sunrise of a polar night on the zone's clock, the offset of
    // the day it falls on, to the second; nothing when none falls within a year or the engine's
    // years end first. Within hundredths of a degree of a pole the report's sunrise and sunset
    // may not fall on one day in a season: the polar day turns into the polar night with no day
    // between, and there is no instant to give.
    std::optional<report::LocalDateTime> polarEnds;

    WhiteNight whiteNight = WhiteNight::kNone;

    // From the local midnight that opens the date to the one that closes it, both included, every
    // five minutes: 289 samples on a day of 24 hours, 277 on a day of 23 hours and 301 on one of
    // 25. The altitudes come from the functions the report takes its culmination altitudes from
    // (read between nodes 20 and 30 minutes apart, to within 0.001 and 0.002 degree),
    // so the Sun's curve tops out at the report's culmination.
    // The UT instant of the date's local 00:00; where the clock skips its midnight, of the change
    // at which the date begins (01:00 on the clock).
    astro::CivilDateTime midnightUt;
    double dayHours = 0.0;            // hours from that midnight to the next: 23, 24 or 25
    std::vector<LightSample> samples;
};

// The light of the day the AlmanacDay was computed for, for the observer it was computed for.
// An AlmanacDay without engine values gives a DayLight with valid false and nothing else.
DayLight ComputeDayLight(const AlmanacDay& day, const places::Observer& observer);

// The first day after the date on which the report's sunrise and sunset (the hour-angle method,
// astro::SunriseSunset) both occur, within a year and no later than kLastDate; nothing when there is
// none. A polar day or night ends on it.
std::optional<astro::CalendarDate> FirstDayOfSunriseAndSunset(const astro::CalendarDate& date,
                                                              const places::Observer& observer);

// The texts of the polar state and the white night, as the command line's JSON writes them.
const char* PolarStateName(PolarState state);
const char* WhiteNightName(WhiteNight night);

}  // namespace almanac
