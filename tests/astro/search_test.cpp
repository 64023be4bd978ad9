// The search for the instant a function crosses a value or turns: known roots and extremes to the
// stated tolerance, roots on the edges, flat and monotonic functions, plateaus, jumps, and the
// statuses for what cannot be searched.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/astronomy.h"

namespace {

using astro::ExtremeKind;
using astro::SearchResult;
using astro::SearchStatus;

constexpr double kPi = 3.141592653589793;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Function = double (*)(double);

double Sine(double t) { return std::sin(t); }
double Cubic(double t) { return t * t * t - 2 * t - 5; }  // one real root, 2.0945514815423265
double Flat(double) { return 1.0; }
double Line(double t) { return t - 3; }
double Jump(double t) { return t < 0.3 ? -1.0 : 1.0; }
double NearZeroJump(double t) { return t < 1e-301 ? -1.0 : 1.0; }
double Undefined(double t) { return t < 2 ? 1.0 : kNaN; }
double TwoTurns(double t) { return t * t * t - 3 * t; }  // maximum 2 at -1, minimum -2 at +1
double EvenSamples(double t) { return -(t - 2.125) * (t - 2.125); }  // equal at 2 and 2.25
double Shelf(double t) { return t < 2 ? t : t < 2.3 ? 2.0 : t - 0.3; }  // never falls

// A result of the status expected, within timeTolerance of the instant, with the function's value
// there; nothing but zeros without one.
void ExpectResult(const SearchResult& result, Function f, SearchStatus status, double time,
                  double timeTolerance, const char* name) {
    ASSERT_EQ(result.status, status) << name;
    if (status != SearchStatus::kFound) {
        EXPECT_EQ(result.time, 0.0) << name;
        EXPECT_EQ(result.value, 0.0) << name;
        return;
    }
    EXPECT_LE(std::fabs(result.time - time), timeTolerance) << name << ": " << result.time;
    EXPECT_NEAR(result.value, f(result.time), 1e-12) << name;
}

TEST(FindCrossing, FirstCrossingWithinTheToleranceOrTheStatusThatSaysWhy) {
    struct Case {
        const char* name;
        Function f;
        double target, begin, end, step, tolerance;
        SearchStatus status;
        double time;  // the crossing, exact
    };
    const SearchStatus found = SearchStatus::kFound;
    const SearchStatus none = SearchStatus::kNone;
    const Case cases[] = {
        {"sine through 0", Sine, 0, 1, 6, 0.5, 1e-12, found, kPi},
        {"sine through 0, coarse tolerance", Sine, 0, 1, 6, 0.5, 1e-2, found, kPi},
        {"sine through 1/2: the first of two", Sine, 0.5, 0, 3, 0.25, 1e-12, found, kPi / 6},
        {"cubic", Cubic, 0, 0, 3, 0.25, 1e-12, found, 2.0945514815423265},
        {"cubic, the interval one step", Cubic, 0, 0, 3, 5, 1e-12, found, 2.0945514815423265},
        {"jump: converges at bisection's pace", Jump, 0, 0, 1, 0.25, 1e-6, found, 0.3},
        {"on the first edge", Line, 0, 3, 5, 0.7, 1e-9, found, 3},
        {"on the last edge, off the steps", Line, 0, 1, 3, 0.7, 1e-9, found, 3},
        {"a single instant on the root", Line, 0, 3, 3, 1, 1e-9, found, 3},
        {"a single instant off it", Line, 0, 2, 2, 1, 1e-9, none, 0},
        {"beyond the interval", Line, 0, 0, 2.9, 0.5, 1e-9, none, 0},
        {"flat, off the target", Flat, 0, 0, 10, 1, 1e-9, none, 0},
        {"flat, on the target: the first instant", Flat, 1, 2, 10, 1, 1e-9, found, 2},
        {"two crossings within one step go unseen", Sine, 0, 1, 7, 6, 1e-9, none, 0},
        {"a value that is not a number", Undefined, 0, 0, 3, 0.5, 1e-9, SearchStatus::kNotConverged, 0},
        {"more halvings than the iterations allow", NearZeroJump, 0, -1e300, 1e300, 1e300, 1e-300,
         SearchStatus::kNotConverged, 0},
        {"no step", Sine, 0, 1, 6, 0, 1e-9, SearchStatus::kInvalidArgument, 0},
        {"no tolerance", Sine, 0, 1, 6, 0.5, 0, SearchStatus::kInvalidArgument, 0},
        {"backwards", Sine, 0, 6, 1, 0.5, 1e-9, SearchStatus::kInvalidArgument, 0},
        {"target not a number", Sine, kNaN, 1, 6, 0.5, 1e-9, SearchStatus::kInvalidArgument, 0},
    };
    for (const Case& c : cases) {
        const SearchResult result = astro::FindCrossing(c.f, c.target, c.begin, c.end, c.step, c.tolerance);
        ExpectResult(result, c.f, c.status, c.time, c.tolerance, c.name);
    }
}

TEST(FindExtreme, FirstTurningPointWithinTheToleranceOrNone) {
    struct Case {
        const char* name;
        Function f;
        ExtremeKind kind;
        double begin, end, step, tolerance;
        SearchStatus status;
        double time;  // the extreme, exact
    };
    const ExtremeKind max = ExtremeKind::kMaximum;
    const ExtremeKind min = ExtremeKind::kMinimum;
    const SearchStatus found = SearchStatus::kFound;
    const SearchStatus none = SearchStatus::kNone;
    const Case cases[] = {
        {"sine's maximum", Sine, max, 0, 3, 0.4, 1e-7, found, kPi / 2},
        {"sine's minimum, coarse tolerance", Sine, min, 0, 6.5, 0.7, 1e-2, found, 3 * kPi / 2},
        {"cubic's maximum", TwoTurns, max, -3, 3, 0.35, 1e-7, found, -1},
        {"cubic's minimum", TwoTurns, min, -3, 3, 0.35, 1e-7, found, 1},
        {"the two highest samples equal", EvenSamples, max, 0, 4, 0.25, 1e-7, found, 2.125},
        {"on the edge, falling from there", Sine, max, kPi / 2, 3, 0.25, 1e-7, none, 0},
        {"monotonic", Line, max, 0, 5, 0.5, 1e-7, none, 0},
        {"a shelf on a rise, two samples on it", Shelf, max, 0, 4, 0.25, 1e-7, none, 0},
        {"flat", Flat, min, 0, 5, 0.5, 1e-7, none, 0},
        {"too few samples", Sine, max, 0, 3, 5, 1e-7, none, 0},
        {"a value that is not a number", Undefined, max, 0, 3, 0.5, 1e-7, SearchStatus::kNotConverged, 0},
        {"no tolerance", Sine, max, 0, 3, 0.4, -1, SearchStatus::kInvalidArgument, 0},
    };
    for (const Case& c : cases) {
        const SearchResult result = astro::FindExtreme(c.f, c.kind, c.begin, c.end, c.step, c.tolerance);
        // The tolerance holds as far as values that agree to rounding tell the extreme apart.
        ExpectResult(result, c.f, c.status, c.time, c.tolerance + 1e-7, c.name);
    }
}

}  // namespace
