// The astronomy engine of Almanaxium: every record and entry point in one place.
//
// The engine combines several low-precision analytical models of the Sun and the Moon. Each model
// counts time and angles its own way, so every field and argument below names its unit and time
// scale. All arithmetic is IEEE double precision; where a step truncates to an integer, the
// implementation says whether it floors or truncates toward zero, because the models depend on it.
//
// Conventions: latitude north positive, longitude east positive; the time-zone offset is local time
// minus UT in hours (east positive); event times are decimal hours. Missing events are reported
// through flags and status codes, never through NaN. No routine allocates or keeps state.
#pragma once

#ifdef __FAST_MATH__
#error "The astronomy engine relies on exact IEEE arithmetic; do not build it with -ffast-math."
#endif

#include <cstdint>
#include <type_traits>
#include <vector>

#include "astro/dates.h"

namespace astro {

// ---------------------------------------------------------------------------------------------
// Calendar, time scales, sidereal time and coordinate conversions
// ---------------------------------------------------------------------------------------------

// Returns x - floor(x / p) * p, a value in [0, p). The one normalisation used for angles and hours.
double WrapToPeriod(double x, double p);

// Julian Day of 00:00 UT of a date, with no Gregorian century correction (holds from 1900-03-01 to
// 2100-02-28). year: 1901 to 2099; the caller refuses any other year.
double JulianDayOfDate(int year, int month, int day);

// The instant at which the epoch-1990 models are evaluated: Julian Day (UT) of jd0 plus the time of
// day, plus a fixed Delta T of 65 seconds.
//   jd0     Julian Day of 00:00 UT of the date
//   hour, minute, second   time of day, UT
double EphemerisInstant(double jd0, int hour, int minute, int second);

// 1-based day of the year (1 on 1 January) of the date whose 00:00 UT is the Julian Day jd0.
int DayOfYear(double jd0, int year);

// Modified Julian Day (JD - 2400000.5) of 00:00 UT of a date, Gregorian calendar.
double ModifiedJulianDay(int year, int month, int day);

// Day number of the day-number models: days since 2000 January 0.0 UT (1.0 at 2000-01-01 00:00 UT),
// with the time of day as a fraction.
double DayNumber2000(const CivilDateTime& dateTime);

// Integer Julian Day Number of a Gregorian date (the JD of its noon); 2000-01-01 gives 2451545.
std::int32_t JulianDayNumber(int year, int month, int day);

// Gregorian calendar date of the Julian Day jd (a JD at midnight belongs to the day that begins there).
CalendarDate CivilDateOfJulianDay(double jd);

// Greenwich mean sidereal time of the interpolation event routines, in hours.
struct SiderealTimes {
    double gst = 0.0;   // hours [0, 24), at the instant jd
    double gst0 = 0.0;  // hours [0, 24), at 00:00 UT of the day of jd
};
SiderealTimes GreenwichSiderealHours(double jd);

// Greenwich mean sidereal time of the hourly Moon search, degrees [0, 360), at the MJD mjd (UT).
double GreenwichSiderealDegrees(double mjd);

// Obliquity of the ecliptic of the epoch-1990 models, radians, at the Julian Day jd.
double ObliquityCenturies(double jd);

// Obliquity of the ecliptic of the day-number models, degrees, at the day number d.
double ObliquityDayNumber(double d);

// Equatorial coordinates, radians.
struct EquatorialCoordinates {
    double rightAscension = 0.0;  // rad, [0, 2 pi)
    double declination = 0.0;     // rad
};

// Ecliptic (longitude, latitude) to equatorial coordinates for the obliquity epsilon; all radians.
EquatorialCoordinates EclipticToEquatorial(double longitude, double latitude, double obliquity);

// Horizontal coordinates of the day-number models, degrees.
struct HorizontalCoordinates {
    double azimuthDeg = 0.0;   // degrees [0, 360), from north through east
    double altitudeDeg = 0.0;  // degrees, geometric, no refraction
};

// Hour angle, declination and geographic latitude, all degrees, to azimuth and altitude.
HorizontalCoordinates HorizontalFromEquatorial(double hourAngleDeg, double declinationDeg,
                                               double latitudeDeg);

// ---------------------------------------------------------------------------------------------
// The Sun
// ---------------------------------------------------------------------------------------------

// The Sun by the epoch-1990 model; radians and kilometres.
struct SunPosition {
    double eclipticLongitude = 0.0;   // rad, [0, 2 pi)
    double eclipticLatitude = 0.0;    // rad, always 0
    double meanAnomaly = 0.0;         // rad, not wrapped
    double distanceKm = 0.0;          // km, Earth to Sun
    double angularDiameter = 0.0;     // rad, apparent diameter
    double horizontalParallax = 0.0;  // rad, equatorial horizontal parallax
    double rightAscension = 0.0;      // rad, [0, 2 pi)
    double declination = 0.0;         // rad
};

// The Sun by the day-number model; degrees and astronomical units.
struct SunSkyPosition {
    double raDeg = 0.0;             // degrees [0, 360), right ascension
    double decDeg = 0.0;            // degrees, declination
    double distanceAU = 0.0;        // astronomical units
    double meanLongitudeDeg = 0.0;  // degrees [0, 360)
    double meanAnomalyDeg = 0.0;    // degrees [0, 360)
    double altitudeDeg = 0.0;       // degrees, geometric altitude of the centre, no refraction
    double azimuthDeg = 0.0;        // degrees [0, 360), from north through east
};

// The Sun's place at the Julian Day t (UT, plus Delta T where the caller adds it).
SunPosition SunPositionAt(double t);

// The Sun's place and its altitude and azimuth at a place.
//   dateTime      UT
//   latitudeDeg   degrees, north positive
//   longitudeDeg  degrees, east positive
SunSkyPosition ComputeSunSkyPosition(const CivilDateTime& dateTime, double latitudeDeg,
                                     double longitudeDeg);

// Equation of time in hours, positive when the apparent Sun is ahead of the mean Sun.
//   dayOfYear  1-based day of the year from DayOfYear
double EquationOfTimeHours(int dayOfYear);

// ---------------------------------------------------------------------------------------------
// The Moon
// ---------------------------------------------------------------------------------------------

// The Moon by the epoch-1990 model; radians and kilometres.
struct MoonPosition {
    double eclipticLongitude = 0.0;      // rad, [0, 2 pi)
    double eclipticLatitude = 0.0;       // rad
    double trueOrbitalLongitude = 0.0;   // rad, not wrapped
    double distanceKm = 0.0;             // km
    double angularDiameter = 0.0;        // rad
    double horizontalParallax = 0.0;     // rad
    double elongation = 0.0;             // rad, [0, 2 pi), phase angle counted from new moon
    double illuminatedFraction = 0.0;    // 0 to 1
    std::int32_t phaseIndex = 0;         // 0 to 8, eighths of the lunation (8 = just before new)
    double rightAscension = 0.0;         // rad, [0, 2 pi)
    double declination = 0.0;            // rad
};

// The Moon by the day-number model, topocentric; degrees and Earth radii.
struct MoonSkyPosition {
    double topoRaDeg = 0.0;           // degrees, not wrapped, topocentric right ascension
    double topoDecDeg = 0.0;          // degrees, topocentric declination
    double distanceEarthRadii = 0.0;  // Earth radii, perturbed distance
    double meanLongitudeDeg = 0.0;    // degrees [0, 360)
    double meanAnomalyDeg = 0.0;      // degrees [0, 360)
    double altitudeDeg = 0.0;         // degrees, no refraction
    double azimuthDeg = 0.0;          // degrees [0, 360), from north through east
};

// Right ascension and declination of the low-precision Moon series.
struct LowPrecisionMoonPosition {
    double raHours = 0.0;  // hours [0, 24)
    double decDeg = 0.0;   // degrees
};

// The Moon's place at the Julian Day t, given the Sun's epoch-1990 place at the same instant.
MoonPosition MoonPositionAt(const SunPosition& sun, double t);

// The Moon's topocentric place and its altitude and azimuth at a place.
//   dateTime      UT
//   latitudeDeg   degrees, north positive
//   longitudeDeg  degrees, east positive
MoonSkyPosition ComputeMoonSkyPosition(const CivilDateTime& dateTime, double latitudeDeg,
                                       double longitudeDeg);

// The low-precision Moon series.
//   julianCenturies  Julian centuries from 2000-01-01 12:00 UT
LowPrecisionMoonPosition LowPrecisionMoon(double julianCenturies);

// ---------------------------------------------------------------------------------------------
// Rise, transit, set and twilight by interpolation
// ---------------------------------------------------------------------------------------------

// Rise, transit and set of a body at rest, as Greenwich sidereal times.
struct SiderealRiseSet {
    bool valid = false;       // false when the body never crosses the altitude
    double riseGst = 0.0;     // Greenwich sidereal hours [0, 24)
    double transitGst = 0.0;  // Greenwich sidereal hours [0, 24)
    double setGst = 0.0;      // Greenwich sidereal hours [0, 24)
};

// Rise, transit and set interpolated between two positions, UT hours from 00:00 UT, not wrapped.
struct RiseTransitSet {
    bool valid = false;
    double rise = 0.0;     // UT hours counted from 00:00 UT of jd0
    double transit = 0.0;  // UT hours counted from 00:00 UT of jd0
    double set = 0.0;      // UT hours counted from 00:00 UT of jd0
};

// One body's events of one day; times in local decimal hours. A field whose flag is false holds no
// meaningful value.
struct BodyEvents {
    bool valid = false;                 // the interpolation produced times
    double rise = 0.0;                  // hours
    bool riseValid = false;
    double transit = 0.0;               // hours
    bool transitValid = false;
    double equationOfTimeHours = 0.0;   // hours, Sun only
    double set = 0.0;                   // hours
    bool setValid = false;
    std::int32_t phaseIndex = 0;        // Moon only, 0 to 8
    double illuminatedFraction = 0.0;   // Moon only, 0 to 1
    double astronomicalBegin = 0.0;     // hours, Sun only
    double astronomicalEnd = 0.0;       // hours, Sun only
    bool astronomicalValid = false;
    double nauticalBegin = 0.0;         // hours, Sun only
    double nauticalEnd = 0.0;           // hours, Sun only
    bool nauticalValid = false;
    double civilBegin = 0.0;            // hours, Sun only
    double civilEnd = 0.0;              // hours, Sun only
    bool civilValid = false;
    std::int32_t riseSetStatus = 0;     // a HorizonStatus value
};

// Rise, transit and set of a body fixed at (rightAscension, declination) for the target altitude.
//   longitude, latitude  rad
//   altitude             rad, target altitude h0
//   rightAscension, declination  rad
SiderealRiseSet SiderealRiseSetFor(double longitude, double latitude, double altitude,
                                   double rightAscension, double declination);

// Rise, transit and set of a moving body from its positions at jd0 and span days later.
//   jd0          Julian Day of 00:00 UT
//   ra1, dec1    rad, position at jd0
//   ra2, dec2    rad, position at jd0 + span
//   longitude, latitude  rad
//   angularDiameter, horizontalParallax  rad, at jd0
//   span         days between the two positions
//   altitude     rad, target altitude h0; exactly 0 applies refraction, semi-diameter and parallax
RiseTransitSet InterpolateRiseSet(double jd0, double ra1, double dec1, double ra2, double dec2,
                                  double longitude, double latitude, double angularDiameter,
                                  double horizontalParallax, double span, double altitude);

// The Sun's transit, rise, set and three twilights of a local date, in local hours [0, 24).
//   jd             Julian Day of 00:00 UT of the date
//   longitude, latitude  rad
//   tzOffsetHours  local time minus UT, hours
BodyEvents SunEventsForDay(double jd, double longitude, double latitude, double tzOffsetHours);

// The Moon's transit, rise and set of a local date, in local hours [0, 24); no twilights.
BodyEvents MoonEventsForDay(double jd, double longitude, double latitude, double tzOffsetHours);

// The morning and evening crossings of one altitude by the Sun's centre on a local date, by the
// interpolation the twilights use: the twilights are this function at -6, -12 and -18 degrees, so
// any other band of the day's light (the golden and the blue hour) shares its edges with them.
struct SunAltitudeCrossings {
    bool valid = false;    // false when the Sun stays above or below the altitude all day
    double morning = 0.0;  // local hours [0, 24), the Sun climbing through the altitude
    double evening = 0.0;  // local hours [0, 24), the Sun sinking through it
};

//   jd             Julian Day of 00:00 UT of the date
//   longitude, latitude  rad
//   altitude       rad, the Sun's centre, no refraction; exactly 0 applies refraction,
//                  semi-diameter and parallax as InterpolateRiseSet does
//   tzOffsetHours  local time minus UT, hours
SunAltitudeCrossings SunCrossingsOfAltitude(double jd, double longitude, double latitude,
                                            double altitude, double tzOffsetHours);

// ---------------------------------------------------------------------------------------------
// Sunrise, sunset, moonrise, moonset and day length
// ---------------------------------------------------------------------------------------------

// What the horizon crossings of one day are.
enum HorizonStatus : std::int32_t {
    kRiseAndSet = 0,     // rise and set both found
    kNoRise = 1,         // only set meaningful
    kNoSet = 2,          // only rise meaningful
    kAboveAllDay = 3,    // neither meaningful
    kBelowAllDay = 4,    // neither meaningful
};

struct HorizonEvents {
    double rise = 0.0;         // hours
    double set = 0.0;          // hours
    std::int32_t status = 0;   // a HorizonStatus value
};

// Sunrise and sunset by the hour-angle method, UT hours from 00:00 UT of the date, not wrapped.
// Produces statuses 0, 3 and 4 only.
//   dateTime      the date, UT (its time fields are zero in normal use)
//   latitudeDeg, longitudeDeg  degrees
HorizonEvents SunriseSunset(const CivilDateTime& dateTime, double latitudeDeg, double longitudeDeg);

// Sine of the Moon's geocentric altitude by the low-precision series.
//   mjd0          MJD (UT) of the start of the search
//   hour          hours after mjd0
//   longitudeDeg  degrees
//   cosLatitude, sinLatitude  of the geographic latitude
double MoonSineAltitude(double mjd0, double hour, double longitudeDeg, double cosLatitude,
                        double sinLatitude);

// Moonrise and moonset by an hourly search over the local day, local hours [0, 24].
//   mjd            ModifiedJulianDay of the date
//   tzOffsetHours  local time minus UT, hours
//   latitudeDeg, longitudeDeg  degrees
HorizonEvents MoonriseMoonset(double mjd, double tzOffsetHours, double latitudeDeg,
                              double longitudeDeg);

// Length of the day in hours from the Sun's events of a DayEphemeris.
double DayLengthHours(const BodyEvents& sun);

// ---------------------------------------------------------------------------------------------
// Moon phase dates
// ---------------------------------------------------------------------------------------------

// The next new and full Moon after a date, on the time scale of the phase series (read as UT).
struct PhaseDates {
    CivilDateTime nextNewMoon;
    CivilDateTime nextFullMoon;
};

// Julian Day of the mean new moon of lunation k (counted from the new moon of 1900 January), with the
// time argument taken from the Julian Day s.
double MeanPhaseDate(double s, double k);

// Julian Day of the true new moon (selector 0.0) or full moon (selector 0.5) of lunation k.
double TruePhaseDate(double k, double selector);

// The next new and full Moon strictly after the date (a phase on the date itself never counts).
PhaseDates FindNextPhases(int year, int month, int day);

// The four principal phases, in the order of a lunation.
enum class PrincipalPhase { kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter };

struct PrincipalPhaseInstant {
    PrincipalPhase phase;
    CivilDateTime when;  // on the time scale of the phase series (read as UT), to the second
};

// Julian Day of the true first (selector 0.25) or last quarter (0.75) of lunation k.
double TrueQuarterDate(double k, double selector);

// Every principal phase from the Julian Day `from` up to `until` (not included), in time order. New
// and full Moons are those of FindNextPhases to the second.
std::vector<PrincipalPhaseInstant> PrincipalPhasesBetween(double from, double until);

// ---------------------------------------------------------------------------------------------
// Searching a function of time
// ---------------------------------------------------------------------------------------------

// A function of time handed to the searches: it refers to a callable taking and returning double
// (a lambda, usually), which it neither copies nor owns, so that a search allocates nothing. It is
// meant to be built where a search is called and to live no longer than that call. Time is in the
// function's own unit (days, hours); the searches' intervals, steps and tolerances are in it too.
class TimeFunction {
public:
    template <class Function>
        requires(!std::is_same_v<std::remove_cvref_t<Function>, TimeFunction> &&
                 std::is_invocable_r_v<double, const Function&, double>)
    TimeFunction(const Function& function)  // implicit, so that a lambda is passed as it is
        : object_(&function), call_([](const void* object, double t) -> double {
              return (*static_cast<const Function*>(object))(t);
          }) {}

    double operator()(double t) const { return call_(object_, t); }

private:
    const void* object_;
    double (*call_)(const void*, double);
};

enum class SearchStatus : std::int32_t {
    kFound = 0,            // the instant is in time and value
    kNone = 1,             // no crossing (no turning point) where the steps sample the interval
    kNotConverged = 2,     // the refinement did not settle in its iterations, or the function
                           // gave a value that is not finite
    kInvalidArgument = 3,  // begin > end, step or tolerance not positive, or an argument not finite
};

// time and value hold 0 unless the status is kFound; no search ever returns NaN.
struct SearchResult {
    SearchStatus status = SearchStatus::kNone;
    double time = 0.0;   // the function's time unit; the instant found
    double value = 0.0;  // the function's value at time (a crossing's to within a rounding)
};

// The first instant in [begin, end] at which f equals target. The interval is sampled at begin,
// begin + step, begin + 2 step, ... and at end; a sample exactly on the target is the answer (so a
// root on either edge is found, and a function equal to the target from begin on gives begin),
// otherwise the first two neighbouring samples on opposite sides of it bracket the crossing, which
// Brent's method (inverse quadratic and secant steps, safeguarded by bisection) narrows down.
// Precision: for a function continuous in the bracket, a crossing lies within
// tolerance + 4 * 2^-52 * |time| of time: the tolerance, unless it is finer than a few units in
// the last place of time. Two crossings closer together than the step, with no sample between
// them, are not seen.
//   f          any function of time; every value must be finite
//   target     in the function's unit
//   begin, end the function's time unit, begin <= end (equal: the one sample)
//   step       time unit, > 0: the sampling of the bracketing; at most 10^9 steps
//   tolerance  time unit, > 0
SearchResult FindCrossing(TimeFunction f, double target, double begin, double end, double step,
                          double tolerance);

enum class ExtremeKind { kMinimum, kMaximum };

// The first turning point of the kind in [begin, end]: a local minimum (maximum) of f. The interval
// is sampled as FindCrossing samples it; the first sample lower (higher) than the samples on both
// sides of it (a run of equal samples counting as one) brackets the turning point, which golden-
// section steps, with parabolic steps wherever a parabola through three points falls well inside,
// narrow down. A least (greatest) value on an edge of the interval is no turning point: a
// monotonic or constant function has none.
// Precision: for a function with one turning point in the bracket, the turning point lies within
// tolerance + 4 * 2^-52 * |time| of time. A smooth function is flat to second order at its extreme,
// so where values within rounding of each other can no longer tell the neighbourhood apart (about
// sqrt(2^-52 |f| / |f''|) around it) the instant is no better known than that.
//   kind, f, begin, end, step, tolerance  as for FindCrossing
SearchResult FindExtreme(TimeFunction f, ExtremeKind kind, double begin, double end, double step,
                         double tolerance);

// ---------------------------------------------------------------------------------------------
// Day ephemeris
// ---------------------------------------------------------------------------------------------

// Every Sun and Moon value of one local date that the day report takes from the engine.
struct DayEphemeris {
    bool valid = false;  // false when the year is outside 1901 to 2099
    BodyEvents sun;      // rise/set local hours, not wrapped; transit and twilights [0, 24)
    BodyEvents moon;     // rise/set local hours from local midnight; transit [0, 24)
};

// Fills a caller-owned DayEphemeris and returns its valid flag. Years outside 1901 to 2099 give false
// and leave everything but the valid flag untouched.
//   date           the calendar date; its time of day (normally zero) is read as UT
//   tzOffsetHours  local time minus UT, hours
//   latitudeDeg, longitudeDeg  degrees
bool ComputeDayEphemeris(const CivilDateTime& date, double tzOffsetHours, double latitudeDeg,
                         double longitudeDeg, DayEphemeris& ephemeris);

}  // namespace astro
