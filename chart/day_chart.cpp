#include "day_chart.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "zones/time_zone_rule.h"

namespace chart {

namespace {

// The altitude of the Sun's centre at sunrise and sunset (refraction and semi-diameter), the edge
// between civil twilight and day.
constexpr double kHorizonDeg = -0.833;

// How far a crossing found between samples may lie from an event of the report and still be that
// event: well within the five-minute step's reach, well short of the next edge.
constexpr double kSnapHours = 0.25;

double UtSeconds(const astro::CivilDateTime& t) {
    return (static_cast<double>(astro::JulianDayNumber(t.year, t.month, t.day)) * 24 + t.hour) * 3600 +
           t.minute * 60 + t.second;
}

double HoursBetween(const astro::CivilDateTime& from, const astro::CivilDateTime& to) {
    return (UtSeconds(to) - UtSeconds(from)) / 3600;
}

// Where the sampled curve crosses an altitude between two samples, by straight interpolation.
double Crossing(const almanac::LightSample& a, const almanac::LightSample& b, double altitude) {
    const double span = b.sunAltitude - a.sunAltitude;
    if (span == 0) return a.hours;
    return a.hours + (b.hours - a.hours) * (altitude - a.sunAltitude) / span;
}

// The event of the report that the crossing is, when one lies near it; else the crossing.
double Snap(double crossing, const std::vector<double>& events) {
    double best = crossing;
    double distance = kSnapHours;
    for (const double event : events) {
        if (std::abs(event - crossing) < distance) {
            distance = std::abs(event - crossing);
            best = event;
        }
    }
    return best;
}

// The runs of samples whose Sun altitude lies in [low, high), with their edges at the report's
// events of those altitudes.
std::vector<Span> Runs(const almanac::DayLight& light, double low, double high,
                       const std::vector<double>& lowEvents, const std::vector<double>& highEvents) {
    std::vector<Span> runs;
    const auto inside = [&](double altitude) { return altitude >= low && altitude < high; };
    const std::vector<almanac::LightSample>& s = light.samples;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!inside(s[i].sunAltitude)) continue;
        Span run{s[i].hours, s.back().hours};
        if (i > 0) {
            const bool fromBelow = s[i - 1].sunAltitude < low;
            const double edge = fromBelow ? low : high;
            run.from = Snap(Crossing(s[i - 1], s[i], edge), fromBelow ? lowEvents : highEvents);
        }
        std::size_t j = i;
        while (j + 1 < s.size() && inside(s[j + 1].sunAltitude)) ++j;
        if (j + 1 < s.size()) {
            const bool toBelow = s[j + 1].sunAltitude < low;
            const double edge = toBelow ? low : high;
            run.to = Snap(Crossing(s[j], s[j + 1], edge), toBelow ? lowEvents : highEvents);
        }
        runs.push_back(run);
        i = j;
    }
    return runs;
}

std::vector<double> Occurring(std::initializer_list<report::DayEvent> events,
                              const std::function<double(double)>& toAxis) {
    std::vector<double> hours;
    for (const report::DayEvent& event : events) {
        if (event.occurs) hours.push_back(toAxis(event.hours));
    }
    return hours;
}

std::wstring Caption(const report::TextStyle& style, unsigned id) {
    std::wstring text = resources::LocalizedStringIn(style.languageCode, id);
    while (!text.empty() && (text.back() == L':' || text.back() == L' ')) text.pop_back();
    return text;
}

}  // namespace

double ElapsedHoursOf(double reportHours, const almanac::AlmanacDay& day, const almanac::DayLight& light) {
    const astro::CalendarDate& date = day.report.date;
    const astro::CivilDateTime dateStartUt{static_cast<std::uint16_t>(date.year),
                                           static_cast<std::uint16_t>(date.month),
                                           static_cast<std::uint16_t>(date.day), 0, 0, 0};
    // The report's times are UT plus its one offset of the date.
    return reportHours - day.report.utcOffsetHours - HoursBetween(dateStartUt, light.midnightUt);
}

DayChart MakeDayChart(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                      const zones::Zone& zone, const report::TextStyle& style,
                      const std::optional<astro::CivilDateTime>& nowUt) {
    const bool twelveHourClock = style.twelveHourClock;
    DayChart chart;
    chart.sunName = resources::LocalizedStringIn(style.languageCode, resources::kTextChartSun);
    chart.moonName = resources::LocalizedStringIn(style.languageCode, resources::kTextChartMoon);
    chart.goldenHourName = Caption(style, resources::kCaptionGoldenHour);
    chart.blueHourName = Caption(style, resources::kCaptionBlueHour);
    if (!light.valid || light.samples.empty()) return chart;
    chart.valid = true;
    chart.dayHours = light.dayHours;
    const report::DayReport& r = day.report;
    const auto toAxis = [&](double hours) { return ElapsedHoursOf(hours, day, light); };

    for (const almanac::LightSample& sample : light.samples) {
        chart.sun.push_back({sample.hours, sample.sunAltitude});
        chart.moon.push_back({sample.hours, sample.moonAltitude});
    }

    // The curves pass through the report's culminations, which may fall between samples (a Sun
    // near the zenith turns within minutes).
    const auto withCulmination = [&](std::vector<Point>& curve, const report::DayEvent& event, double altitude) {
        if (!event.occurs) return;
        const Point top{toAxis(event.hours), altitude};
        const auto after = std::upper_bound(curve.begin(), curve.end(), top.hours,
                                            [](double hours, const Point& p) { return hours < p.hours; });
        curve.insert(after, top);
    };
    withCulmination(chart.sun, r.sunCulmination, r.sunCulminationAltitude);
    withCulmination(chart.moon, r.moonCulmination, r.moonCulminationAltitude);

    // The sky's bands, their edges at the report's twilights, sunrise and sunset.
    const auto twilight = [&](const report::TwilightSpan& t) {
        return t.occurs ? std::vector<double>{toAxis(t.begin), toAxis(t.end)} : std::vector<double>{};
    };
    const std::vector<double> horizon = Occurring({r.sunrise, r.sunset}, toAxis);
    const std::vector<double> civil = twilight(r.civilTwilight);
    const std::vector<double> nautical = twilight(r.nauticalTwilight);
    const std::vector<double> astronomical = twilight(r.astronomicalTwilight);
    static const std::vector<double> kNone;
    const struct {
        Sky sky;
        double low, high;
        const std::vector<double>& lowEvents;
        const std::vector<double>& highEvents;
    } bands[] = {
        {Sky::kNight, -1000, -18, kNone, astronomical},
        {Sky::kAstronomicalTwilight, -18, -12, astronomical, nautical},
        {Sky::kNauticalTwilight, -12, -6, nautical, civil},
        {Sky::kCivilTwilight, -6, kHorizonDeg, civil, horizon},
        {Sky::kDay, kHorizonDeg, 1000, horizon, kNone},
    };
    for (const auto& band : bands) {
        for (const Span& span : Runs(light, band.low, band.high, band.lowEvents, band.highEvents)) {
            chart.sky.push_back({band.sky, span});
        }
    }
    std::sort(chart.sky.begin(), chart.sky.end(),
              [](const SkySpan& a, const SkySpan& b) { return a.span.from < b.span.from; });

    const almanac::LightPeriod& golden = light.goldenHour;
    const almanac::LightPeriod& blue = light.blueHour;
    chart.goldenHour = Runs(light, almanac::kGoldenHourLowDeg, almanac::kGoldenHourHighDeg,
                            Occurring({golden.morningBegin, golden.eveningEnd}, toAxis),
                            Occurring({golden.morningEnd, golden.eveningBegin}, toAxis));
    chart.blueHour = Runs(light, almanac::kBlueHourLowDeg, almanac::kGoldenHourLowDeg,
                          Occurring({blue.morningBegin, blue.eveningEnd}, toAxis),
                          Occurring({blue.morningEnd, blue.eveningBegin}, toAxis));

    // Rise, set and culmination: only those the report has.
    const auto mark = [&](bool sun, const report::DayEvent& event, double altitude) {
        if (!event.occurs) return;
        chart.events.push_back({sun, {toAxis(event.hours), altitude},
                                report::FormatClockTime(event.hours, twelveHourClock)});
    };
    mark(true, r.sunrise, 0.0);
    mark(true, r.sunCulmination, r.sunCulminationAltitude);
    mark(true, r.sunset, 0.0);
    mark(false, r.moonrise, 0.0);
    mark(false, r.moonCulmination, r.moonCulminationAltitude);
    mark(false, r.moonset, 0.0);

    // Every whole hour of the day, labelled with the zone's clock there.
    for (int hour = 0; hour <= static_cast<int>(std::floor(light.dayHours + 1e-9)); ++hour) {
        astro::CivilDateTime ut = light.midnightUt;
        const double seconds = UtSeconds(ut) + hour * 3600.0;
        const double days = std::floor(seconds / 86400);
        const astro::CalendarDate date = astro::CivilDateOfJulianDay(days - 0.5);
        const double rest = seconds - days * 86400;
        ut = {static_cast<std::uint16_t>(date.year), static_cast<std::uint16_t>(date.month),
              static_cast<std::uint16_t>(date.day), static_cast<std::uint16_t>(rest / 3600),
              static_cast<std::uint16_t>(std::fmod(rest, 3600) / 60), 0};
        const zones::LocalDateTime clock = zones::UniversalToLocal(zone.rule, ut);
        chart.hours.push_back({static_cast<double>(hour),
                               report::FormatClockTime(clock.hour + clock.minute / 60.0, twelveHourClock)});
    }

    if (nowUt) {
        const double now = HoursBetween(light.midnightUt, *nowUt);
        if (now >= 0 && now <= light.dayHours) chart.now = now;
    }
    return chart;
}

}  // namespace chart
