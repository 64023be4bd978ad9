// Names of the interface texts' ids in the string tables (resources/strings/*.txt). The tables are
// the source; a test holds this list and every table to the same ids.
#pragma once

namespace resources {

enum StringId : unsigned {
    kTextAboutMenu = 101,            // "&About Almanaxium..."
    kTextVersion = 102,
    kTextUpdateFailed = 103,         // with the error code as %1!d!
    kTextNoNewVersion = 104,
    kTextFeedbackAddress = 105,
    kTextPhaseNewMoon = 106,         // the eight phase names, in kPhaseNameIds
    kTextPhaseWaxingCrescent = 107,
    kTextPhaseFirstQuarter = 108,
    kTextPhaseWaxingGibbous = 109,
    kTextPhaseFullMoon = 110,
    kTextPhaseWaningGibbous = 111,
    kTextPhaseLastQuarter = 112,
    kTextPhaseWaningCrescent = 113,
    kTextAfrica = 114,
    kTextAsia = 115,
    kTextEurope = 116,
    kTextNorthAmerica = 117,
    kTextSouthAmerica = 118,
    kTextOceania = 119,
    kTextToday = 120,
    kCaptionDate = 121,
    kCaptionTimeZone = 122,
    kCaptionSunrise = 123,
    kCaptionSunset = 124,
    kCaptionMoonrise = 125,
    kCaptionMoonset = 126,
    kCaptionSunCulmination = 127,
    kCaptionMoonCulmination = 128,
    kCaptionTwilight = 129,
    kCaptionAstronomical = 130,
    kCaptionNautical = 131,
    kCaptionCivil = 132,
    kCaptionDayLength = 133,
    kCaptionVisibility = 134,
    kCaptionPhase = 135,
    kCaptionNextNewMoon = 136,
    kCaptionNextFullMoon = 137,
    kCaptionContinent = 138,
    kCaptionCountry = 139,
    kCaptionState = 140,
    kCaptionFederalState = 141,      // Germany's states
    kCaptionUsState = 142,           // the United States' states
    kCaptionRegion = 143,            // France's regions
    kCaptionLatitude = 144,
    kCaptionLongitude = 145,
    kTextAboutButton = 146,
    kTextCheckForUpdate = 147,
    kCaptionCity = 148,
    kTextFeedback = 149,
    kTextAboutTitle = 150,
    kCaptionContact = 151,
    kCaptionImageSource = 152,
    kCaptionIcons = 153,
    kCaptionLocationSource = 154,
    kTextDownloading = 155,
    kTextConnecting = 156,
    kTextNewVersionTitle = 157,
    kTextUpdateNow = 158,
    kCaptionInstalledVersion = 159,
    kCaptionLatestVersion = 160,
    kTextNewVersionIntro = 161,
    kCaptionAltitude = 162,
    kCaptionAzimuth = 163,
    kTextIconsCredit = 164,
    kTextClose = 165,
    kCaptionDeclination = 166,
    kCaptionEquationOfTime = 167,
    kCaptionStores = 168,
    kTextAppleStoreAddress = 169,
    kTextAndroidStoreAddress = 170,
    kTextWindowsStoreAddress = 171,

    // Added later, from 1000 on.
    kTextServiceNotReached = 1000,   // with the reason as %1
    kTextReasonNoConnection = 1001,  // the reasons, in the order of update::CheckOutcome
    kTextReasonNotHttps = 1002,
    kTextReasonErrorStatus = 1003,
    kTextReasonCutShort = 1004,
    kTextReasonTooLarge = 1005,
    kTextReasonEmpty = 1006,
    kTextReasonNotUtf8 = 1007,
    kTextReasonNoElements = 1008,
    // The table of a span of days (headings in the order of its columns), the month table and
    // its export, the events of a calendar file.
    kTextTableDate = 1009,
    kTextTableSunrise = 1010,
    kTextTableSunset = 1011,
    kTextTableDayLength = 1012,
    kTextTableCivilDawn = 1013,
    kTextTableCivilDusk = 1014,
    kTextTableMoonrise = 1015,
    kTextTableMoonset = 1016,
    kTextTableVisible = 1017,
    kTextTablePhase = 1018,
    kTextTableButton = 1019,
    kTextMonthTableTitle = 1020,
    kTextPreviousMonth = 1021,
    kTextNextMonth = 1022,
    kTextExport = 1023,
    kTextSpreadsheetFiles = 1024,
    kTextCalendarFiles = 1025,
    kTextFileNotWritten = 1026,
    kTextCivilTwilightBegins = 1027,
    kTextCivilTwilightEnds = 1028,
    kTextNauticalTwilightBegins = 1029,
    kTextNauticalTwilightEnds = 1030,
    kTextAstronomicalTwilightBegins = 1031,
    kTextAstronomicalTwilightEnds = 1032,
    // What a screen reader says for the day buttons "<" and ">".
    kTextPreviousDay = 1033,
    kTextNextDay = 1034,
    // The day's light in the command line's report.
    kCaptionGoldenHour = 1035,
    kCaptionBlueHour = 1036,
    kCaptionMorning = 1037,
    kCaptionEvening = 1038,
    kCaptionWhiteNight = 1039,
    kTextNoAstronomicalNight = 1040,  // the white nights
    kTextNoNauticalNight = 1041,
    kTextNoCivilNight = 1042,
    kCaptionPolarDayUntil = 1043,
    kCaptionPolarNightUntil = 1044,
    // The legend of the day's chart.
    kTextChartSun = 1045,
    kTextChartMoon = 1046,
    // The chart window and the main window's button that opens it.
    kTextChartButton = 1047,
    kTextChartTitle = 1048,
    // The month table's export, when the file written is not the one the file dialog asked about.
    kTextReplaceFile = 1049,
};

// The eight phase names in the order of the phase index, new Moon first.
inline constexpr StringId kPhaseNameIds[8] = {
    kTextPhaseNewMoon,     kTextPhaseWaxingCrescent, kTextPhaseFirstQuarter, kTextPhaseWaxingGibbous,
    kTextPhaseFullMoon,    kTextPhaseWaningGibbous,  kTextPhaseLastQuarter,  kTextPhaseWaningCrescent,
};

// The headings of a span's table, in the order of its columns.
inline constexpr StringId kSpanTableHeadingIds[10] = {
    kTextTableDate,      kTextTableSunrise,  kTextTableSunset,   kTextTableDayLength, kTextTableCivilDawn,
    kTextTableCivilDusk, kTextTableMoonrise, kTextTableMoonset,  kTextTableVisible,   kTextTablePhase,
};

// The first and last id of the tables, which hold every id between them.
inline constexpr unsigned kFirstStringId = kTextAboutMenu;
inline constexpr unsigned kLastStringId = kTextWindowsStoreAddress;
// The same for the ids added from 1000 on.
inline constexpr unsigned kFirstAddedStringId = kTextServiceNotReached;
inline constexpr unsigned kLastAddedStringId = kTextReplaceFile;

}  // namespace resources
