// Conversions between UT and a zone's clock over a recurring transition rule.
#include <cmath>

#include "time_zone_rule.h"

namespace zones {

namespace {

constexpr std::int64_t kTicksPerMillisecond = 10'000;
constexpr std::int64_t kTicksPerSecond = 1000 * kTicksPerMillisecond;
constexpr std::int64_t kTicksPerMinute = 60 * kTicksPerSecond;
constexpr std::int64_t kTicksPerDay = 1440 * kTicksPerMinute;

using astro::DaysInMonth;

// Days from 1601-01-01 to the date, proleptic Gregorian (H. Hinnant's days_from_civil).
std::int64_t DaysSince1601(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t daysSince1970 = static_cast<std::int64_t>(era) * 146097 + doe - 719468;
    return daysSince1970 + 134774;  // 1601-01-01 is 134774 days before 1970-01-01
}

int Weekday(int year, int month, int day) {
    return astro::Weekday({static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(day)});
}

SystemTime FromTicks(std::int64_t ticks) {
    std::int64_t days = ticks / kTicksPerDay;
    std::int64_t rest = ticks % kTicksPerDay;
    // civil_from_days, shifted back to the 1970 epoch.
    const std::int64_t z = days - 134774 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(year);
    t.wMonth = static_cast<std::uint16_t>(month);
    t.wDay = static_cast<std::uint16_t>(day);
    t.wDayOfWeek = static_cast<std::uint16_t>(Weekday(t.wYear, t.wMonth, t.wDay));
    t.wHour = static_cast<std::uint16_t>(rest / (60 * kTicksPerMinute));
    rest %= 60 * kTicksPerMinute;
    t.wMinute = static_cast<std::uint16_t>(rest / kTicksPerMinute);
    rest %= kTicksPerMinute;
    t.wSecond = static_cast<std::uint16_t>(rest / kTicksPerSecond);
    rest %= kTicksPerSecond;
    t.wMilliseconds = static_cast<std::uint16_t>(rest / kTicksPerMillisecond);
    return t;
}

// The range the platform's file times cover.
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;

bool IsValidMoment(const SystemTime& t) {
    return t.wYear >= kFirstYear && t.wYear <= kLastYear && t.wMonth >= 1 && t.wMonth <= 12 &&
           t.wDay >= 1 && t.wDay <= DaysInMonth(t.wYear, t.wMonth) && t.wHour < 24 &&
           t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

std::int64_t ToTicks(const SystemTime& t) {
    return DaysSince1601(t.wYear, t.wMonth, t.wDay) * kTicksPerDay +
           (t.wHour * 60 + t.wMinute) * kTicksPerMinute + t.wSecond * kTicksPerSecond +
           t.wMilliseconds * kTicksPerMillisecond;
}

bool IsValidTransition(const SystemTime& t) {
    if (t.wYear != 0) return IsValidMoment(t);
    return t.wMonth >= 1 && t.wMonth <= 12 && t.wDayOfWeek <= 6 && t.wDay >= 1 && t.wDay <= 5 &&
           t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

bool IsValidRule(const TimeZoneInformation& rule) {
    return !HasDaylightTime(rule) ||
           (IsValidTransition(rule.StandardDate) && IsValidTransition(rule.DaylightDate));
}

// The clock moment of a transition in the given year, in ticks of the clock it is stated in.
std::int64_t TransitionTicks(const SystemTime& transition, int year) {
    if (transition.wYear != 0) return ToTicks(transition);
    const int month = transition.wMonth;
    const int firstWeekday = Weekday(year, month, 1);
    int day = 1 + (transition.wDayOfWeek - firstWeekday + 7) % 7 + (transition.wDay - 1) * 7;
    while (day > DaysInMonth(year, month)) day -= 7;  // week 5 is the last such weekday
    SystemTime moment = transition;
    moment.wYear = static_cast<std::uint16_t>(year);
    moment.wDay = static_cast<std::uint16_t>(day);
    return ToTicks(moment);
}

// Whether a moment lies in the daylight period [start, end), a period that wraps over the turn of
// the year when the change back comes earlier in the year (southern hemisphere).
bool InDaylightPeriod(std::int64_t moment, std::int64_t start, std::int64_t end) {
    if (start < end) return moment >= start && moment < end;
    return moment >= start || moment < end;
}

bool IsDaylightAtUniversal(const TimeZoneInformation& rule, const SystemTime& universal) {
    if (!HasDaylightTime(rule)) return false;
    const std::int64_t t = ToTicks(universal);
    const std::int64_t start = TransitionTicks(rule.DaylightDate, universal.wYear) +
                               (rule.Bias + rule.StandardBias) * kTicksPerMinute;
    const std::int64_t end = TransitionTicks(rule.StandardDate, universal.wYear) +
                             (rule.Bias + rule.DaylightBias) * kTicksPerMinute;
    return InDaylightPeriod(t, start, end);
}

// A clock time counts as daylight time from the change to daylight time (in standard clock time)
// up to the change back (in daylight clock time). So the hour that the change skips lies inside the
// daylight period, and so does the first pass of the hour that the change back repeats.
bool IsDaylightAtLocal(const TimeZoneInformation& rule, const SystemTime& local) {
    if (!HasDaylightTime(rule)) return false;
    const std::int64_t t = ToTicks(local);
    return InDaylightPeriod(t, TransitionTicks(rule.DaylightDate, local.wYear),
                            TransitionTicks(rule.StandardDate, local.wYear));
}

bool ShiftToZone(std::int64_t ticks, std::int64_t offsetMinutes, SystemTime& result) {
    const std::int64_t shifted = ticks + offsetMinutes * kTicksPerMinute;
    if (shifted < 0) return false;
    const SystemTime moment = FromTicks(shifted);
    if (moment.wYear > kLastYear) return false;
    result = moment;
    return true;
}

}  // namespace

bool HasDaylightTime(const TimeZoneInformation& rule) {
    return rule.StandardDate.wMonth != 0 && rule.DaylightDate.wMonth != 0;
}

bool SystemTimeToZoneLocalTime(const TimeZoneInformation& rule, const SystemTime& universal,
                               SystemTime& local) {
    if (!IsValidMoment(universal) || !IsValidRule(rule)) return false;
    const std::int32_t bias =
        rule.Bias + (IsDaylightAtUniversal(rule, universal) ? rule.DaylightBias : rule.StandardBias);
    return ShiftToZone(ToTicks(universal), -static_cast<std::int64_t>(bias), local);
}

bool ZoneLocalTimeToSystemTime(const TimeZoneInformation& rule, const SystemTime& local,
                               SystemTime& universal) {
    if (!IsValidMoment(local) || !IsValidRule(rule)) return false;
    const std::int32_t bias =
        rule.Bias + (IsDaylightAtLocal(rule, local) ? rule.DaylightBias : rule.StandardBias);
    return ShiftToZone(ToTicks(local), bias, universal);
}

bool SystemTimeToFileTime(const SystemTime& moment, std::uint64_t& fileTime) {
    if (!IsValidMoment(moment)) return false;
    fileTime = static_cast<std::uint64_t>(ToTicks(moment));
    return true;
}

namespace {

SystemTime NoonUniversal(const astro::CalendarDate& date) {
    SystemTime reference;
    reference.wYear = date.year;
    reference.wMonth = date.month;
    reference.wDay = date.day;
    reference.wHour = 12;
    return reference;
}

}  // namespace

double GetUtcOffset(const TimeZoneInformation& rule, const astro::CalendarDate& date) {
    const SystemTime reference = NoonUniversal(date);
    SystemTime local;
    std::uint64_t localCount = 0;
    std::uint64_t referenceCount = 0;
    if (!SystemTimeToZoneLocalTime(rule, reference, local) ||
        !SystemTimeToFileTime(local, localCount) ||
        !SystemTimeToFileTime(reference, referenceCount)) {
        return 0.0;
    }
    return static_cast<double>(localCount) / 3600 / 1e7 -
           static_cast<double>(referenceCount) / 3600 / 1e7;
}

bool LocalToUniversal(const TimeZoneInformation& rule, const astro::CalendarDate& date, double hours,
                      astro::CivilDateTime& universal) {
    if (!(hours >= 0 && hours < 24)) return false;
    const auto hour = static_cast<std::uint16_t>(hours);
    const double fraction = hours - hour;
    auto minute = static_cast<std::uint16_t>(fraction * 60);
    auto second = static_cast<std::uint16_t>(fraction * 3600 - minute * 60);
    // A fraction a rounding step below 1 can give 60 minutes; it is the last second of the hour.
    if (minute > 59) minute = 59;
    if (second > 59) second = 59;

    SystemTime local;
    local.wYear = date.year;
    local.wMonth = date.month;
    local.wDay = date.day;
    local.wHour = hour;
    local.wMinute = minute;
    local.wSecond = second;
    SystemTime ut;
    if (!ZoneLocalTimeToSystemTime(rule, local, ut)) return false;
    universal = astro::CivilDateTime{ut.wYear, ut.wMonth, ut.wDay, ut.wHour, ut.wMinute, ut.wSecond};
    return true;
}

LocalDateTime UniversalToLocal(const TimeZoneInformation& rule, const astro::CivilDateTime& universal) {
    // The conversions count from 1601; an earlier instant is moved on by whole 400-year cycles of the
    // Gregorian calendar, which repeat its weekdays and leap days exactly, and moved back after. A
    // rule is the same every year, so the clock time is that of the instant itself.
    const int cycles = universal.year < 1601 ? (1601 - universal.year + 399) / 400 : 0;
    SystemTime ut;
    ut.wYear = static_cast<std::uint16_t>(universal.year + 400 * cycles);
    ut.wMonth = universal.month;
    ut.wDay = universal.day;
    ut.wHour = universal.hour;
    ut.wMinute = universal.minute;
    ut.wSecond = universal.second;
    SystemTime local;
    if (!SystemTimeToZoneLocalTime(rule, ut, local)) return LocalDateTime{};
    return LocalDateTime{static_cast<std::uint16_t>(local.wYear - 400 * cycles), local.wMonth, local.wDay,
                         local.wHour, local.wMinute, local.wSecond};
}

bool IsDaylightTime(const TimeZoneInformation& rule, const astro::CalendarDate& date) {
    const SystemTime reference = NoonUniversal(date);
    return IsValidMoment(reference) && IsValidRule(rule) && IsDaylightAtUniversal(rule, reference);
}

}  // namespace zones
