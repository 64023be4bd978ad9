// Constants of the astronomy engine, each with its meaning and unit. The literal values are the ones
// the models were published with; derived values carry the expression they come from.
#pragma once

namespace astro::constants {

// Conversions
inline constexpr double kDegreesToRadians = 0.017453292519943295;  // pi / 180
inline constexpr double kRadiansToDegrees = 57.29577951308232;     // 180 / pi
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kRadiansToHours = 3.819718634205488;       // 12 / pi

// Delta T (TT - UT), fixed at 65 s, in days: 65 / 86400
inline constexpr double kDeltaTDays = 0.0007523148148148148;

// Epochs, Julian Days
inline constexpr double kJ2000 = 2451545.0;         // 2000 January 1.5
inline constexpr double kEpoch1990 = 2447891.5;     // 1990 January 0.0
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kMjdOfJ2000 = 51544.5;      // J2000.0 as a Modified Julian Day

// Epoch-1990 Sun model (radians)
inline constexpr double kSunMeanMotion = 0.017202791632524146;       // 360 / 365.242191 deg per day
inline constexpr double kSunMeanLongitudeAtEpoch = 4.87650757829735;  // 279.403303 deg
inline constexpr double kSunPerigeeLongitude = 4.935239984568769;     // 282.768422 deg
inline constexpr double kSunEccentricity = 0.016713;
inline constexpr double kSunTwiceEccentricity = 0.033426;             // 2 e
inline constexpr double kSunOneMinusESquared = 0.999720675631;        // 1 - e^2
inline constexpr double kAstronomicalUnitKm = 149598500.0;            // mean distance, km
inline constexpr double kSunAngularDiameterAtMeanDistance = 0.00930483893457233;  // 0.533128 deg
inline constexpr double kEarthEquatorialRadiusKm = 6378.137;

// Epoch-1990 Moon model (radians, per day where a rate)
inline constexpr double kMoonMeanLongitudeRate = 0.22997150421858628;    // 13.1763966 deg per day
inline constexpr double kMoonMeanLongitudeAtEpoch = 5.556284436750021;   // 318.351648 deg
inline constexpr double kMoonAnomalyRateOffset = 0.0019443683452210149;  // 0.1114041 deg per day
inline constexpr double kMoonPerigeeAtEpoch = 0.6342598060246725;        // 36.34041 deg
inline constexpr double kMoonEvection = 0.022233749341155764;            // 1.2739 deg
inline constexpr double kMoonAnnualEquation = 0.003242821750205464;      // 0.1858 deg
inline constexpr double kMoonThirdCorrection = 0.006457718232379019;     // 0.37 deg
inline constexpr double kMoonEquationOfCentre = 0.10975677534091541;     // 6.2886 deg
inline constexpr double kMoonFourthCorrection = 0.003735004599267865;    // 0.214 deg
inline constexpr double kMoonVariation = 0.011489502465878671;           // 0.6583 deg
inline constexpr double kMoonNodeAtEpoch = 5.559050068029439;            // 318.510107 deg
inline constexpr double kMoonNodeRate = 0.0009242199067718253;           // 0.0529539 deg per day
inline constexpr double kMoonNodeCorrection = 0.0027925268031909274;     // 0.16 deg
inline constexpr double kMoonInclination = 0.08980410151894615;          // 5.145396 deg
inline constexpr double kMoonEccentricity = 0.0549;
inline constexpr double kMoonOneMinusESquared = 0.99698599;              // 1 - e^2
inline constexpr double kMoonSemiMajorAxisKm = 384401.0;
inline constexpr double kMoonAngularDiameterAtA = 0.009042550854582622;  // 0.5181 deg
inline constexpr double kMoonParallaxAtA = 0.016592845198710092;         // 0.9507 deg

// Phase index thresholds (radians): the Moon's mean elongation in one day (12.19 deg), and pi/2
// minus it, so that a principal phase is named from a day before to a day after it.
inline constexpr double kPhaseWindowLow = 0.21277295317235306;
inline constexpr double kPhaseWindowHigh = 1.3580233736225436;

// Day-number Moon model
inline constexpr double kMoonInclinationDeg = 5.1454;
inline constexpr double kMoonSemiMajorAxisEarthRadii = 60.2666;
inline constexpr double kMoonEccentricityInDegrees = 3.1455382952682194;  // e * 180 / pi
inline constexpr double kKeplerTolerance = 0.00005;                      // degrees

// Low-precision Moon series
inline constexpr double kTwoPiLowPrecision = 6.283185307;
inline constexpr double kArcsecondsPerRadian = 206264.8062;
inline constexpr double kArcsecondsPerRevolution = 1296000.0;
inline constexpr double kRadiansToDegreesLowPrecision = 57.29577951471995;  // 360 / 6.283185307
inline constexpr double kRadiansToHoursLowPrecision = 7.639437268629327;    // 48 / 6.283185307

// Hourly Moon search
inline constexpr double kDegreesToRadiansHourlySearch = 0.0174532925;
inline constexpr double kMoonriseAltitudeRadians = 0.0023271056666666666;  // +8', 8 / 60 * 0.0174532925

// Interpolation of rise and set
inline constexpr double kStandardRefraction = 0.009890199094634533;   // 34' in radians
inline constexpr double kSecondsOfTimePerDegreeOverDegree = 13750.987083139757;  // 240 * 180 / pi
inline constexpr double kSiderealHoursPerSpanDay = 24.07;
inline constexpr double kSiderealToSolar = 0.9972695663;
inline constexpr double kSolarToSidereal = 1.002738;
inline constexpr double kCivilTwilightAltitude = -0.10471975511965978;         // -6 deg
inline constexpr double kNauticalTwilightAltitude = -0.20943951023931956;      // -12 deg
inline constexpr double kAstronomicalTwilightAltitude = -0.3141592653589793;   // -18 deg

// Hour-angle sunrise: centre altitude when the upper limb touches the horizon, degrees, is
// -35' of refraction minus the semi-diameter 0.2666 deg at 1 AU divided by the distance.
inline constexpr double kSunriseRefractionDeg = -0.5833333333333334;  // -35 / 60
inline constexpr double kSunSemiDiameterAtOneAuDeg = 0.2666;

// Phase series
inline constexpr double kSynodicMonthDays = 29.53058868;
inline constexpr double kPhaseEpoch = 2415020.75933;        // mean new moon of 1900 January, JD
inline constexpr double kPhaseTimeEpoch = 2415020.0;        // 1899 December 31.5, JD
inline constexpr double kLunationsPerJulianCentury = 1236.85;
inline constexpr double kLunationsPerYear = 12.3685;

}  // namespace astro::constants
