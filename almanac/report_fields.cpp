#include "report_fields.h"

#include <array>

#include "resources/string_ids.h"

namespace almanac {

namespace {

using T = report::DayReportTexts;
using namespace resources;

constexpr std::array kFields = {
    ReportField{"date", kCaptionDate, &T::date, false},
    ReportField{"sunrise", kCaptionSunrise, &T::sunrise, true},
    ReportField{"sunset", kCaptionSunset, &T::sunset, true},
    ReportField{"sunriseAzimuth", kCaptionAzimuth, &T::sunriseAzimuth, true},
    ReportField{"sunsetAzimuth", kCaptionAzimuth, &T::sunsetAzimuth, true},
    ReportField{"sunCulmination", kCaptionSunCulmination, &T::sunCulmination, true},
    ReportField{"sunDeclination", kCaptionDeclination, &T::sunDeclination, true},
    ReportField{"equationOfTime", kCaptionEquationOfTime, &T::equationOfTime, true},
    ReportField{"moonrise", kCaptionMoonrise, &T::moonrise, true},
    ReportField{"moonset", kCaptionMoonset, &T::moonset, true},
    ReportField{"moonriseAzimuth", kCaptionAzimuth, &T::moonriseAzimuth, true},
    ReportField{"moonsetAzimuth", kCaptionAzimuth, &T::moonsetAzimuth, true},
    ReportField{"moonCulmination", kCaptionMoonCulmination, &T::moonCulmination, true},
    ReportField{"moonDeclination", kCaptionDeclination, &T::moonDeclination, true},
    ReportField{"visibility", kCaptionVisibility, &T::visibility, true},
    ReportField{"phase", kCaptionPhase, &T::phase, true},
    ReportField{"dayLength", kCaptionDayLength, &T::dayLength, true},
    ReportField{"astronomicalTwilightBegin", kCaptionAstronomical, &T::astronomicalTwilightBegin, true},
    ReportField{"astronomicalTwilightEnd", 0, &T::astronomicalTwilightEnd, true},
    ReportField{"nauticalTwilightBegin", kCaptionNautical, &T::nauticalTwilightBegin, true},
    ReportField{"nauticalTwilightEnd", 0, &T::nauticalTwilightEnd, true},
    ReportField{"civilTwilightBegin", kCaptionCivil, &T::civilTwilightBegin, true},
    ReportField{"civilTwilightEnd", 0, &T::civilTwilightEnd, true},
    ReportField{"nextNewMoon", kCaptionNextNewMoon, &T::nextNewMoon, false},
    ReportField{"nextFullMoon", kCaptionNextFullMoon, &T::nextFullMoon, false},
};

}  // namespace

std::span<const ReportField> ReportFields() { return kFields; }

bool HasValue(const ReportField& field, const report::DayReport& report) {
    return !field.needsEphemeris || report.ephemerisValid;
}

}  // namespace almanac
