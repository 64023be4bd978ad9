// The Moon's place by the epoch-1990 model (Duffett-Smith, "Practical Astronomy with your
// Calculator", the Moon's position and phases): mean longitude and anomaly corrected by the evection,
// the annual equation, the equation of the centre and the variation, then the node and inclination.
#include <cmath>

#include "astronomy.h"
#include "constants.h"

namespace astro {

namespace c = constants;

namespace {

// The phase in eighths of the lunation: a principal phase is named within one day's elongation of
// it, the intermediate phases in between. Both comparisons are strict, so an elongation exactly at a
// threshold gives the intermediate phase.
std::int32_t PhaseIndexOfElongation(double elongation) {
    const double q = elongation / c::kHalfPi;
    const double f = std::floor(q);
    const double rem = elongation - f * c::kHalfPi;
    if (rem < c::kPhaseWindowLow || rem > c::kPhaseWindowHigh) {
        const double nearestQuarter = static_cast<std::int32_t>(q + 0.5);
        return static_cast<std::int32_t>(nearestQuarter * 2.0);
    }
    return static_cast<std::int32_t>(2 * f + 1);
}

}  // namespace

MoonPosition MoonPositionAt(const SunPosition& sun, double t) {
    const double sunLongitude = sun.eclipticLongitude;
    const double D = t - c::kEpoch1990;
    const double l = D * c::kMoonMeanLongitudeRate + c::kMoonMeanLongitudeAtEpoch;
    const double Mm = l - D * c::kMoonAnomalyRateOffset - c::kMoonPerigeeAtEpoch;
    const double evection = std::sin(2 * (l - sunLongitude) - Mm) * c::kMoonEvection;
    const double s = std::sin(sun.meanAnomaly);
    const double annualEquation = s * c::kMoonAnnualEquation;
    const double correctedAnomaly = Mm + evection - annualEquation - s * c::kMoonThirdCorrection;
    const double centre = std::sin(correctedAnomaly) * c::kMoonEquationOfCentre;
    const double a4 = std::sin(2 * correctedAnomaly) * c::kMoonFourthCorrection;
    const double correctedLongitude = l + evection + centre - annualEquation + a4;
    const double variation = std::sin(2 * (correctedLongitude - sunLongitude)) * c::kMoonVariation;
    const double trueLongitude = correctedLongitude + variation;
    const double node = c::kMoonNodeAtEpoch - D * c::kMoonNodeRate - s * c::kMoonNodeCorrection;

    MoonPosition moon;
    moon.eclipticLongitude = WrapToPeriod(
        std::atan2(std::sin(trueLongitude - node) * std::cos(c::kMoonInclination),
                   std::cos(trueLongitude - node)) +
            node,
        c::kTwoPi);
    moon.eclipticLatitude = std::asin(std::sin(trueLongitude - node) * std::sin(c::kMoonInclination));
    moon.trueOrbitalLongitude = trueLongitude;

    const EquatorialCoordinates equatorial =
        EclipticToEquatorial(moon.eclipticLongitude, moon.eclipticLatitude, ObliquityCenturies(t));
    moon.rightAscension = equatorial.rightAscension;
    moon.declination = equatorial.declination;

    // Distance in units of the semi-major axis.
    const double rho =
        c::kMoonOneMinusESquared / (1 + c::kMoonEccentricity * std::cos(correctedAnomaly + centre));
    moon.distanceKm = rho * c::kMoonSemiMajorAxisKm;
    moon.angularDiameter = c::kMoonAngularDiameterAtA / rho;
    moon.horizontalParallax = c::kMoonParallaxAtA / rho;

    moon.elongation = WrapToPeriod(trueLongitude - sunLongitude, c::kTwoPi);
    moon.illuminatedFraction = (1 - std::cos(moon.elongation)) * 0.5;
    moon.phaseIndex = PhaseIndexOfElongation(moon.elongation);
    return moon;
}

}  // namespace astro
