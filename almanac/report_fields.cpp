#include "report_fields.h"

#include <array>

#include "resources/main_window_controls.h"
#include "resources/string_ids.h"

namespace almanac {

namespace {

using T = report::DayReportTexts;
using namespace resources;

constexpr std::array kFields = {
    ReportField{"date", kCaptionDate, 0, &T::date, false, 0, false},
    ReportField{"sunrise", kCaptionSunrise, kSunriseValue, &T::sunrise, true, 3, false},
    ReportField{"sunset", kCaptionSunset, kSunsetValue, &T::sunset, true, 4, false},
    ReportField{"sunriseAzimuth", kCaptionAzimuth, kSunriseAzimuthValue, &T::sunriseAzimuth, true, 3, true},
    ReportField{"sunsetAzimuth", kCaptionAzimuth, kSunsetAzimuthValue, &T::sunsetAzimuth, true, 4, true},
    ReportField{"sunCulmination", kCaptionSunCulmination, kSunCulminationValue, &T::sunCulmination, true, 5, false},
    ReportField{"sunDeclination", kCaptionDeclination, kSunDeclinationValue, &T::sunDeclination, true, 6, false},
    ReportField{"equationOfTime", kCaptionEquationOfTime, kEquationOfTimeValue, &T::equationOfTime, true, 7, false},
    ReportField{"moonrise", kCaptionMoonrise, kMoonriseValue, &T::moonrise, true, kMoonriseLine, false},
    ReportField{"moonset", kCaptionMoonset, kMoonsetValue, &T::moonset, true, kMoonsetLine, false},
    ReportField{"moonriseAzimuth", kCaptionAzimuth, kMoonriseAzimuthValue, &T::moonriseAzimuth, true, kMoonriseLine, true},
    ReportField{"moonsetAzimuth", kCaptionAzimuth, kMoonsetAzimuthValue, &T::moonsetAzimuth, true, kMoonsetLine, true},
    ReportField{"moonCulmination", kCaptionMoonCulmination, kMoonCulminationValue, &T::moonCulmination, true, 15, false},
    ReportField{"moonDeclination", kCaptionDeclination, kMoonDeclinationValue, &T::moonDeclination, true, 16, false},
    ReportField{"visibility", kCaptionVisibility, kVisibilityValue, &T::visibility, true, 17, false},
    ReportField{"phase", kCaptionPhase, kPhaseValue, &T::phase, true, 18, false},
    ReportField{"dayLength", kCaptionDayLength, kDayLengthValue, &T::dayLength, true, 8, false},
    ReportField{"astronomicalTwilightBegin", kCaptionAstronomical, kAstronomicalBeginValue, &T::astronomicalTwilightBegin, true, 10, false},
    ReportField{"astronomicalTwilightEnd", 0, kAstronomicalEndValue, &T::astronomicalTwilightEnd, true, 10, true},
    ReportField{"nauticalTwilightBegin", kCaptionNautical, kNauticalBeginValue, &T::nauticalTwilightBegin, true, 11, false},
    ReportField{"nauticalTwilightEnd", 0, kNauticalEndValue, &T::nauticalTwilightEnd, true, 11, true},
    ReportField{"civilTwilightBegin", kCaptionCivil, kCivilBeginValue, &T::civilTwilightBegin, true, 12, false},
    ReportField{"civilTwilightEnd", 0, kCivilEndValue, &T::civilTwilightEnd, true, 12, true},
    ReportField{"nextNewMoon", kCaptionNextNewMoon, kNextNewMoonValue, &T::nextNewMoon, false, kNewMoonLine, false},
    ReportField{"nextFullMoon", kCaptionNextFullMoon, kNextFullMoonValue, &T::nextFullMoon, false, kFullMoonLine, false},
};

}  // namespace

std::span<const ReportField> ReportFields() { return kFields; }

bool HasValue(const ReportField& field, const report::DayReport& report) {
    return !field.needsEphemeris || report.ephemerisValid;
}

}  // namespace almanac
