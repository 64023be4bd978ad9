#include "posix_time_zone.h"

#include <cctype>
#include <cmath>

namespace zones {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    bool Accept(char ch) {
        if (Peek() != ch || AtEnd()) return false;
        ++m_pos;
        return true;
    }

    // A zone abbreviation: three or more letters, or <...> of letters, digits, '+' and '-'.
    std::optional<std::string> Name() {
        std::string name;
        if (Accept('<')) {
            while (!AtEnd() && Peek() != '>') {
                const char ch = Peek();
                if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '+' && ch != '-') {
                    return std::nullopt;
                }
                name.push_back(ch);
                ++m_pos;
            }
            if (!Accept('>') || name.size() < 3) return std::nullopt;
            return name;
        }
        while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek()))) {
            name.push_back(Peek());
            ++m_pos;
        }
        if (name.size() < 3) return std::nullopt;
        return name;
    }

    std::optional<int> Number(int maxDigits) {
        int value = 0;
        int digits = 0;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())) && digits < maxDigits) {
            value = value * 10 + (Peek() - '0');
            ++m_pos;
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to maxHours.
    std::optional<std::int32_t> Time(int maxHours) {
        int sign = 1;
        if (Accept('-')) {
            sign = -1;
        } else {
            Accept('+');
        }
        const auto hours = Number(3);
        if (!hours || *hours > maxHours) return std::nullopt;
        int minutes = 0;
        int seconds = 0;
        if (Accept(':')) {
            const auto m = Number(2);
            if (!m || *m > 59) return std::nullopt;
            minutes = *m;
            if (Accept(':')) {
                const auto s = Number(2);
                if (!s || *s > 59) return std::nullopt;
                seconds = *s;
            }
        }
        return sign * (*hours * 3600 + minutes * 60 + seconds);
    }

    std::optional<PosixTransition> Transition() {
        PosixTransition t;
        if (Accept('M')) {
            const auto month = Number(2);
            if (!month || *month < 1 || *month > 12 || !Accept('.')) return std::nullopt;
            const auto week = Number(1);
            if (!week || *week < 1 || *week > 5 || !Accept('.')) return std::nullopt;
            const auto weekday = Number(1);
            if (!weekday || *weekday > 6) return std::nullopt;
            t.kind = PosixTransition::Kind::kMonthWeekDay;
            t.month = *month;
            t.week = *week;
            t.weekday = *weekday;
        } else if (Accept('J')) {
            const auto day = Number(3);
            if (!day || *day < 1 || *day > 365) return std::nullopt;
            t.kind = PosixTransition::Kind::kJulianNoLeap;
            t.julianDay = *day;
        } else {
            const auto day = Number(3);
            if (!day || *day > 365) return std::nullopt;
            t.kind = PosixTransition::Kind::kJulianZeroBased;
            t.julianDay = *day;
        }
        if (Accept('/')) {
            const auto time = Time(167);
            if (!time) return std::nullopt;
            t.timeSeconds = *time;
        }
        return t;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

PosixTransition MonthWeekDay(int month, int week, int weekday) {
    PosixTransition t;
    t.month = month;
    t.week = week;
    t.weekday = weekday;
    return t;
}

std::int32_t RoundToMinutes(std::int32_t seconds) {
    return static_cast<std::int32_t>(std::lround(seconds / 60.0));
}

SystemTime TransitionDate(const PosixTransition& t) {
    SystemTime date;
    date.wMonth = static_cast<std::uint16_t>(t.month);
    date.wDay = static_cast<std::uint16_t>(t.week);
    date.wDayOfWeek = static_cast<std::uint16_t>(t.weekday);
    if (t.timeSeconds < 0) return date;  // the start of the day
    if (t.timeSeconds >= 86400) {
        date.wHour = 23;
        date.wMinute = 59;
        date.wSecond = 59;
        date.wMilliseconds = 999;
        return date;
    }
    date.wHour = static_cast<std::uint16_t>(t.timeSeconds / 3600);
    date.wMinute = static_cast<std::uint16_t>(t.timeSeconds / 60 % 60);
    date.wSecond = static_cast<std::uint16_t>(t.timeSeconds % 60);
    return date;
}

}  // namespace

std::optional<PosixTimeZone> ParsePosixTimeZone(std::string_view text) {
    Reader reader(text);
    PosixTimeZone zone;
    const auto standard = reader.Name();
    if (!standard) return std::nullopt;
    zone.standardAbbreviation = *standard;
    const auto standardOffset = reader.Time(24);
    if (!standardOffset) return std::nullopt;
    zone.standardOffsetSeconds = *standardOffset;
    if (reader.AtEnd()) return zone;

    const auto daylight = reader.Name();
    if (!daylight) return std::nullopt;
    zone.hasDaylight = true;
    zone.daylightAbbreviation = *daylight;
    // Without its own offset, daylight time is one hour ahead of standard time.
    zone.daylightOffsetSeconds = zone.standardOffsetSeconds - 3600;
    if (!reader.AtEnd() && reader.Peek() != ',') {
        const auto daylightOffset = reader.Time(24);
        if (!daylightOffset) return std::nullopt;
        zone.daylightOffsetSeconds = *daylightOffset;
    }
    if (reader.AtEnd()) {
        // The default rule of the POSIX C library when a string names no dates.
        zone.start = MonthWeekDay(3, 2, 0);
        zone.end = MonthWeekDay(11, 1, 0);
        return zone;
    }
    if (!reader.Accept(',')) return std::nullopt;
    const auto start = reader.Transition();
    if (!start || !reader.Accept(',')) return std::nullopt;
    const auto end = reader.Transition();
    if (!end || !reader.AtEnd()) return std::nullopt;
    zone.start = *start;
    zone.end = *end;
    return zone;
}

std::optional<ZoneRule> ZoneRuleFromPosix(const PosixTimeZone& zone) {
    ZoneRule result;
    result.standardAbbreviation = zone.standardAbbreviation;
    result.rule.Bias = RoundToMinutes(zone.standardOffsetSeconds);
    if (!zone.hasDaylight) return result;

    if (zone.start.kind != PosixTransition::Kind::kMonthWeekDay ||
        zone.end.kind != PosixTransition::Kind::kMonthWeekDay) {
        return std::nullopt;
    }
    result.daylightAbbreviation = zone.daylightAbbreviation;
    result.rule.DaylightBias = RoundToMinutes(zone.daylightOffsetSeconds) - result.rule.Bias;
    result.rule.DaylightDate = TransitionDate(zone.start);
    result.rule.StandardDate = TransitionDate(zone.end);

    if (result.rule.DaylightBias > 0) {
        // The "daylight" period is the one with the smaller offset: exchange the two periods. Each
        // change is stated in the clock time that is in force before it, which the exchange keeps.
        result.rule.Bias += result.rule.DaylightBias;
        result.rule.DaylightBias = -result.rule.DaylightBias;
        std::swap(result.rule.DaylightDate, result.rule.StandardDate);
        std::swap(result.standardAbbreviation, result.daylightAbbreviation);
    }
    return result;
}

}  // namespace zones
