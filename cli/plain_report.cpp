#include "plain_report.h"

#include <cmath>
#include <cstdio>

namespace cli {

namespace {

// Local decimal hours as h:mm of the clock, rounded to the minute.
std::string Clock(double hours, bool occurs) {
    if (!occurs) return "-";
    long minutes = std::lround(hours * 60);
    minutes = ((minutes % 1440) + 1440) % 1440;
    char text[16];
    std::snprintf(text, sizeof text, "%ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

std::string DateTime(const astro::CivilDateTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UT", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

void Line(std::string& out, const char* caption, const std::string& value) {
    char text[128];
    std::snprintf(text, sizeof text, "%-24s %s\n", caption, value.c_str());
    out += text;
}

std::string Span(double begin, double end, bool occurs) {
    return occurs ? Clock(begin, true) + " - " + Clock(end, true) : "-";
}

}  // namespace

std::string PlainReport(const astro::DayEphemeris& e, const astro::PhaseDates& phases) {
    std::string out;
    if (e.valid) {
        const astro::BodyEvents& sun = e.sun;
        const astro::BodyEvents& moon = e.moon;
        Line(out, "Sunrise", Clock(sun.rise, sun.riseValid));
        Line(out, "Sunset", Clock(sun.set, sun.setValid));
        Line(out, "Sun culmination", Clock(sun.transit, sun.transitValid));
        char number[32];
        std::snprintf(number, sizeof number, "%.2f min", sun.equationOfTimeHours * 60);
        Line(out, "Equation of time", number);
        std::snprintf(number, sizeof number, "%.2f h", astro::DayLengthHours(sun));
        Line(out, "Day length", number);
        Line(out, "Astronomical twilight",
             Span(sun.astronomicalBegin, sun.astronomicalEnd, sun.astronomicalValid));
        Line(out, "Nautical twilight", Span(sun.nauticalBegin, sun.nauticalEnd, sun.nauticalValid));
        Line(out, "Civil twilight", Span(sun.civilBegin, sun.civilEnd, sun.civilValid));
        Line(out, "Moonrise", Clock(moon.rise, moon.riseValid));
        Line(out, "Moonset", Clock(moon.set, moon.setValid));
        Line(out, "Moon culmination", Clock(moon.transit, moon.transitValid));
        std::snprintf(number, sizeof number, "%d%%",
                      static_cast<int>(moon.illuminatedFraction * 100 + 0.5));
        Line(out, "Visible fraction", number);
    } else {
        out += "The events of this date are not computed (years 1901 to 2099 only).\n";
    }
    Line(out, "Next new Moon", DateTime(phases.nextNewMoon));
    Line(out, "Next full Moon", DateTime(phases.nextFullMoon));
    return out;
}

}  // namespace cli
