#include "day_light.h"

#include <algorithm>
#include <cmath>

#include "astro/constants.h"

namespace almanac {

namespace {

namespace c = astro::constants;

constexpr int kSecondsPerDay = 86400;
// The engine's polar search looks at most a year ahead: long enough for any polar day or night on
// Earth, which last at most about six months.
constexpr int kPolarSearchDays = 366;

// Seconds since 2000-01-01 00:00 UT; the dates are those of the engine's years, so no overflow.
long long SecondsOf(const astro::CivilDateTime& t) {
    const long long days = astro::JulianDayNumber(t.year, t.month, t.day) -
                           astro::JulianDayNumber(2000, 1, 1);
    return days * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

astro::CivilDateTime AddSeconds(const astro::CivilDateTime& t, long long seconds) {
    const long long total = t.hour * 3600LL + t.minute * 60 + t.second + seconds;
    const long long days = total >= 0 ? total / kSecondsPerDay : -((-total + kSecondsPerDay - 1) / kSecondsPerDay);
    const long long rest = total - days * kSecondsPerDay;
    const astro::CalendarDate same{t.year, t.month, t.day};
    const astro::CalendarDate date = days == 0 ? same : astro::AddDays(same, static_cast<int>(days));
    return {date.year, date.month, date.day, static_cast<std::uint16_t>(rest / 3600),
            static_cast<std::uint16_t>(rest / 60 % 60), static_cast<std::uint16_t>(rest % 60)};
}

// The samples read the engine's positions at nodes and the cubic through the four nearest nodes
// between them: a position costs up to a microsecond, and 289 of each would take the day's light
// to half a millisecond. The cubic runs through the sine of an altitude, a smooth wave over the
// day, rather than the altitude, which turns sharply when the body passes near the zenith. At
// these spacings the samples keep within a thousandth of a degree of the engine's altitude of the
// Sun and two of the Moon's (more only within a few tenths of a degree of the zenith, where the
// altitude's turn is sharpest) and within a millionth of its fraction; at a node they are its own
// values.
constexpr long long kSunNodeSeconds = 20 * 60;
constexpr long long kMoonNodeSeconds = 30 * 60;
constexpr long long kFractionNodeSeconds = 120 * 60;

// A function of the seconds since the start, at every node from one spacing before the start to
// two past the end.
class CubicSeries {
public:
    template <class Function>
    CubicSeries(long long length, long long spacing, Function value) : spacing_(spacing) {
        const long long last = length / spacing + 2;
        values_.reserve(static_cast<std::size_t>(last + 2));
        for (long long node = -1; node <= last; ++node) values_.push_back(value(node * spacing));
    }

    // Lagrange's cubic through the nodes k-1, k, k+1 and k+2 around the time; 0 <= elapsed <= length.
    double At(long long elapsed) const {
        const long long k = elapsed / spacing_;
        const double s = static_cast<double>(elapsed - k * spacing_) / static_cast<double>(spacing_);
        const double* y = values_.data() + k;  // y[0] is node k-1
        if (s == 0.0) return y[1];
        return -s * (s - 1) * (s - 2) / 6 * y[0] + (s + 1) * (s - 1) * (s - 2) / 2 * y[1] -
               (s + 1) * s * (s - 2) / 2 * y[2] + (s + 1) * s * (s - 1) / 6 * y[3];
    }

private:
    long long spacing_;
    std::vector<double> values_;
};

double AltitudeOfSine(double sine) {
    return std::asin(std::clamp(sine, -1.0, 1.0)) * c::kRadiansToDegrees;
}

// The UT instant at which the date begins on the zone's clock. Where the clock skips its midnight
// (Havana and Beirut move to daylight time at 00:00), the date's 00:00 counts as daylight time and
// so falls in the day before, the clock there reading 23:00; the date then begins when that clock
// would have reached 24:00, at the change.
bool LocalDayStart(const zones::TimeZoneInformation& rule, const astro::CalendarDate& date,
                   astro::CivilDateTime& start) {
    if (!zones::LocalToUniversal(rule, date, 0.0, start)) return false;
    const report::LocalDateTime local = zones::UniversalToLocal(rule, start);
    if (local.IsZero()) return false;
    if (astro::CalendarDate{local.year, local.month, local.day} < date) {
        start = AddSeconds(start, kSecondsPerDay - (local.hour * 3600LL + local.minute * 60 + local.second));
    }
    return true;
}

report::DayEvent Edge(bool occurs, double hours) { return {occurs ? hours : 0.0, occurs}; }

// The band between two altitudes: its lower edges from one crossing, its upper from the other.
LightPeriod Period(const astro::SunAltitudeCrossings& low, const astro::SunAltitudeCrossings& high) {
    LightPeriod period;
    period.morningBegin = Edge(low.valid, low.morning);
    period.morningEnd = Edge(high.valid, high.morning);
    period.eveningBegin = Edge(high.valid, high.evening);
    period.eveningEnd = Edge(low.valid, low.evening);
    return period;
}

// The clock time of hours of a date (possibly outside 0 to 24), to the second, truncated as the
// report's instants are.
report::LocalDateTime ClockMoment(const astro::CalendarDate& date, double hours) {
    const double days = std::floor(hours / 24);
    long long seconds = static_cast<long long>((hours - days * 24) * 3600);
    seconds = std::clamp(seconds, 0LL, kSecondsPerDay - 1LL);
    const astro::CalendarDate day = astro::AddDays(date, static_cast<int>(days));
    return {day.year, day.month, day.day, static_cast<std::uint16_t>(seconds / 3600),
            static_cast<std::uint16_t>(seconds / 60 % 60), static_cast<std::uint16_t>(seconds % 60)};
}

// The instant of the day t days after the date's 00:00 UT (t need not be whole) at which the
// hour-angle method takes the Sun: local noon at the longitude, to the second.
astro::CivilDateTime NoonOf(const astro::CalendarDate& date, double t, double longitudeDeg) {
    const double days = t + 0.5 - longitudeDeg / 360;
    double whole = std::floor(days);
    long long seconds = std::llround((days - whole) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        whole += 1;
        seconds = 0;
    }
    const astro::CalendarDate day = astro::AddDays(date, static_cast<int>(whole));
    return {day.year, day.month, day.day, static_cast<std::uint16_t>(seconds / 3600),
            static_cast<std::uint16_t>(seconds / 60 % 60), static_cast<std::uint16_t>(seconds % 60)};
}

// The Sun's altitudes at its upper and its lower culmination, less the altitude at which the
// hour-angle method has its upper limb rise, degrees, from the declination and distance at local
// noon as that method takes them. The method's day has a sunrise and a sunset exactly when the
// first is above zero and the second below: its hour angle's cosine lies within -1 and 1 then.
struct CulminationMargins {
    double upper = 0.0;  // below zero: a polar night
    double lower = 0.0;  // above zero: a polar day
};

CulminationMargins MarginsOn(const astro::CalendarDate& date, double t, const places::Observer& observer) {
    const double latitudeDeg = observer.latitudeDeg;
    const double longitudeDeg = observer.longitudeDeg;
    const astro::SunSkyPosition sun =
        astro::ComputeSunSkyPosition(NoonOf(date, t, longitudeDeg), latitudeDeg, longitudeDeg);
    const double rising = c::kSunriseRefractionDeg - c::kSunSemiDiameterAtOneAuDeg / sun.distanceAU;
    return {90 - std::fabs(latitudeDeg - sun.decDeg) - rising,
            std::fabs(latitudeDeg + sun.decDeg) - 90 - rising};
}

// Days on which a margin keeps beyond this on the polar side are polar in the hour-angle method for
// certain: the margins here differ from the method's own by the Sun's motion over the half second
// to which the instant is rounded (under 3e-6 degree) and by rounding, far below it.
constexpr double kCertainlyPolarDeg = 1e-3;
// Each margin turns only at the solstices, and keeps off the polar side of its bound for about half
// a year or more around the solstice at which it peaks (the upper) or dips (the lower), however
// near the pole: a month's step cannot pass over a crossing and its return, so the first change of
// sign sampled is the first crossing.
constexpr double kLeapStepDays = 30;
constexpr double kLeapToleranceDays = 0.01;

// The first sunset (after a polar day) or sunrise (after a polar night) after the date: the
// report's own sunrise and sunset, the hour-angle method on the day found, moved to the zone's
// clock by the offset of that day.
std::optional<report::LocalDateTime> PolarEnd(const astro::CalendarDate& date, const places::Observer& observer,
                                              bool polarDay) {
    const std::optional<astro::CalendarDate> day = FirstDayOfSunriseAndSunset(date, observer);
    if (!day) return std::nullopt;
    const astro::HorizonEvents horizon = astro::SunriseSunset({day->year, day->month, day->day, 0, 0, 0},
                                                              observer.latitudeDeg, observer.longitudeDeg);
    const double offset = zones::GetUtcOffset(observer.zone.rule, *day);
    return ClockMoment(*day, offset + (polarDay ? horizon.set : horizon.rise));
}

}  // namespace

// The days are those a walk trying SunriseSunset on each day in turn would give. Rather than try
// the days of a polar night or day one by one, it leaps over those on which the Sun keeps certainly
// below (above) the rising altitude, to where a margin reaches its polar bound, and tries every day
// from there. Near a pole the Sun can pass from the polar night into the polar day between two
// days; the next leap then starts from the other margin.
std::optional<astro::CalendarDate> FirstDayOfSunriseAndSunset(const astro::CalendarDate& date,
                                                              const places::Observer& observer) {
    const long long toLastDate = astro::JulianDayNumber(kLastDate.year, kLastDate.month, kLastDate.day) -
                                 astro::JulianDayNumber(date.year, date.month, date.day);
    const int last = static_cast<int>(std::min<long long>(kPolarSearchDays, toLastDate));
    int k = 1;  // days after the date
    while (k <= last) {
        const CulminationMargins margins = MarginsOn(date, k, observer);
        std::optional<astro::SearchResult> leap;
        if (margins.upper < -kCertainlyPolarDeg) {
            leap = astro::FindCrossing(
                [&](double t) { return MarginsOn(date, t, observer).upper; },
                -kCertainlyPolarDeg, k, last, kLeapStepDays, kLeapToleranceDays);
        } else if (margins.lower > kCertainlyPolarDeg) {
            leap = astro::FindCrossing(
                [&](double t) { return MarginsOn(date, t, observer).lower; },
                kCertainlyPolarDeg, k, last, kLeapStepDays, kLeapToleranceDays);
        }
        if (leap && leap->status == astro::SearchStatus::kNone) return std::nullopt;  // polar to the end
        if (leap && leap->status == astro::SearchStatus::kFound) {
            // Every whole day before the crossing, which lies within the tolerance of the time found.
            k = std::max(k + 1, static_cast<int>(std::ceil(leap->time - 2 * kLeapToleranceDays)));
            continue;
        }
        // Near a bound the day itself is tried, as it is should a leap ever fail.
        const astro::CalendarDate day = astro::AddDays(date, k);
        const astro::HorizonEvents horizon =
            astro::SunriseSunset({day.year, day.month, day.day, 0, 0, 0}, observer.latitudeDeg, observer.longitudeDeg);
        if (horizon.status == astro::kRiseAndSet) return day;
        ++k;
    }
    return std::nullopt;
}

DayLight ComputeDayLight(const AlmanacDay& day, const places::Observer& observer) {
    const double latitudeDeg = observer.latitudeDeg;
    const double longitudeDeg = observer.longitudeDeg;
    const zones::Zone& zone = observer.zone;
    DayLight light;
    const report::DayReport& r = day.report;
    if (!r.ephemerisValid || !day.ephemeris.valid) return light;
    light.valid = true;

    const double jd0 = astro::JulianDayOfDate(r.date.year, r.date.month, r.date.day);
    const double latitude = latitudeDeg * c::kDegreesToRadians;
    const double longitude = longitudeDeg * c::kDegreesToRadians;
    auto crossings = [&](double altitudeDeg) {
        return astro::SunCrossingsOfAltitude(jd0, longitude, latitude,
                                             altitudeDeg * c::kDegreesToRadians, r.utcOffsetHours);
    };
    // -6 degrees in radians exactly as the twilights have it, so the blue hour's outer edge is
    // the civil twilight to the bit.
    const astro::SunAltitudeCrossings blueLow = astro::SunCrossingsOfAltitude(
        jd0, longitude, latitude, c::kCivilTwilightAltitude, r.utcOffsetHours);
    const astro::SunAltitudeCrossings goldenLow = crossings(kGoldenHourLowDeg);
    const astro::SunAltitudeCrossings goldenHigh = crossings(kGoldenHourHighDeg);
    light.goldenHour = Period(goldenLow, goldenHigh);
    light.blueHour = Period(blueLow, goldenLow);

    // Samples from the local midnight that opens the date to the one that closes it.
    astro::CivilDateTime start;
    astro::CivilDateTime end;
    const astro::CalendarDate next = astro::AddDays(r.date, 1);
    if (LocalDayStart(zone.rule, r.date, start) && LocalDayStart(zone.rule, next, end)) {
        light.midnightUt = start;
        const long long length = std::max(0LL, SecondsOf(end) - SecondsOf(start));
        light.dayHours = static_cast<double>(length) / 3600;
        const long long step = kSampleStepMinutes * 60;
        const CubicSeries sun(length, kSunNodeSeconds, [&](long long elapsed) {
            const astro::CivilDateTime ut = AddSeconds(start, elapsed);
            return std::sin(astro::ComputeSunSkyPosition(ut, latitudeDeg, longitudeDeg).altitudeDeg *
                            c::kDegreesToRadians);
        });
        const CubicSeries moon(length, kMoonNodeSeconds, [&](long long elapsed) {
            const astro::CivilDateTime ut = AddSeconds(start, elapsed);
            return std::sin(astro::ComputeMoonSkyPosition(ut, latitudeDeg, longitudeDeg).altitudeDeg *
                            c::kDegreesToRadians);
        });
        const CubicSeries fraction(length, kFractionNodeSeconds, [&](long long elapsed) {
            const astro::CivilDateTime ut = AddSeconds(start, elapsed);
            const double t = astro::EphemerisInstant(astro::JulianDayOfDate(ut.year, ut.month, ut.day),
                                                     ut.hour, ut.minute, ut.second);
            return astro::MoonPositionAt(astro::SunPositionAt(t), t).illuminatedFraction;
        });
        light.samples.reserve(static_cast<std::size_t>(length / step + 1));
        for (long long elapsed = 0; elapsed <= length; elapsed += step) {
            LightSample sample;
            sample.hours = static_cast<double>(elapsed) / 3600;
            sample.sunAltitude = AltitudeOfSine(sun.At(elapsed));
            sample.moonAltitude = AltitudeOfSine(moon.At(elapsed));
            sample.moonFraction = std::clamp(fraction.At(elapsed), 0.0, 1.0);
            light.samples.push_back(sample);
        }
    }

    // Which side of an altitude the Sun keeps when it does not cross it: the middle of the day's
    // range of altitudes lies on that side, by far, except within a fraction of a degree of a pole.
    double lowest = 0.0;
    double highest = 0.0;
    if (!light.samples.empty()) {
        const auto [low, high] = std::minmax_element(
            light.samples.begin(), light.samples.end(),
            [](const LightSample& a, const LightSample& b) { return a.sunAltitude < b.sunAltitude; });
        lowest = low->sunAltitude;
        highest = high->sunAltitude;
    }
    const double middle = (lowest + highest) / 2;
    auto bandAllDay = [&](bool anyEdge, double lowDeg, double highDeg) {
        return !anyEdge && !light.samples.empty() && middle > lowDeg && middle < highDeg;
    };
    light.goldenHour.inBandAllDay =
        bandAllDay(goldenLow.valid || goldenHigh.valid, kGoldenHourLowDeg, kGoldenHourHighDeg);
    light.blueHour.inBandAllDay =
        bandAllDay(blueLow.valid || goldenLow.valid, kBlueHourLowDeg, kGoldenHourLowDeg);

    const astro::BodyEvents& sun = day.ephemeris.sun;
    if (sun.riseSetStatus == astro::kAboveAllDay) light.polar = PolarState::kPolarDay;
    if (sun.riseSetStatus == astro::kBelowAllDay) light.polar = PolarState::kPolarNight;
    if (light.polar != PolarState::kNone) {
        light.polarEnds = PolarEnd(r.date, observer, light.polar == PolarState::kPolarDay);
    }

    // A twilight that does not occur with the Sun above its altitude is a night without that
    // darkness; the deepest such twilight names the white night. On a polar day the Sun stays
    // above the horizon, so the civil twilight is missed from above: noCivilNight.
    const bool known = !light.samples.empty();
    if (!sun.civilValid && (light.polar == PolarState::kPolarDay || (known && middle > -6))) {
        light.whiteNight = WhiteNight::kNoCivilNight;
    } else if (!sun.nauticalValid && known && middle > -12) {
        light.whiteNight = WhiteNight::kNoNauticalNight;
    } else if (!sun.astronomicalValid && known && middle > -18) {
        light.whiteNight = WhiteNight::kNoAstronomicalNight;
    }
    return light;
}

const char* PolarStateName(PolarState state) {
    switch (state) {
        case PolarState::kPolarDay: return "polarDay";
        case PolarState::kPolarNight: return "polarNight";
        case PolarState::kNone: break;
    }
    return "none";
}

const char* WhiteNightName(WhiteNight night) {
    switch (night) {
        case WhiteNight::kNoAstronomicalNight: return "noAstronomicalNight";
        case WhiteNight::kNoNauticalNight: return "noNauticalNight";
        case WhiteNight::kNoCivilNight: return "noCivilNight";
        case WhiteNight::kNone: break;
    }
    return "none";
}

}  // namespace almanac
