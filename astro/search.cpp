// The instant at which a function of time crosses a value or turns: sampled at a fixed step to
// bracket it, then narrowed by Brent's methods ("Algorithms for Minimization without Derivatives",
// 1973): zero finding by inverse quadratic interpolation and secant steps that fall back to
// bisection whenever they would not shrink the bracket fast enough, and minimisation by golden-
// section search with parabolic steps. Both keep a bracket throughout, so a function that is merely
// continuous (or only piecewise so) still converges, at worst at the pace of bisection.
#include <algorithm>
#include <cmath>
#include <limits>

#include "astronomy.h"

namespace astro {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Bisection needs log2(bracket / tolerance) halvings: 22 narrow a month to a second. Brent's
// methods need rarely more than a few times bisection's count, so 300 covers any bracket up to
// 2^100 times the tolerance, yet ends a search that cannot settle.
constexpr int kMaxIterations = 300;
constexpr double kMaxSteps = 1e9;
// (3 - sqrt 5) / 2: the golden section's share of a bracket.
constexpr double kGoldenShare = 0.3819660112501051;

bool Finite(double x) { return std::isfinite(x); }

SearchResult Found(double time, double value) { return {SearchStatus::kFound, time, value}; }
SearchResult Failed(SearchStatus status) { return {status, 0.0, 0.0}; }

// The samples of [begin, end] at a step: begin + i step for i < count, and end as the last.
class Samples {
public:
    Samples(double begin, double end, double step) : begin_(begin), end_(end), step_(step) {
        const double steps = std::ceil((end - begin) / step);
        count_ = steps < 1 ? 0 : static_cast<long long>(steps);
    }

    // Whether the arguments describe an interval the searches can walk.
    static bool Usable(double begin, double end, double step, double tolerance) {
        if (!Finite(begin) || !Finite(end) || !Finite(step) || !Finite(tolerance)) return false;
        if (begin > end || step <= 0 || tolerance <= 0) return false;
        return (end - begin) / step <= kMaxSteps;
    }

    long long Last() const { return count_; }  // the index of end; 0 when begin == end

    double At(long long i) const {
        if (i >= count_) return end_;
        return std::min(begin_ + static_cast<double>(i) * step_, end_);
    }

private:
    double begin_;
    double end_;
    double step_;
    long long count_ = 0;
};

// Brent's zero finder on a bracket [a, b] with g(a) and g(b) of opposite signs and neither zero.
SearchResult RefineCrossing(TimeFunction f, double target, double a, double b, double ga, double gb,
                            double tolerance) {
    // c is the bracket's other end: b and c always lie on opposite sides of the crossing, b is the
    // best estimate so far and a the previous one.
    double c = b;
    double gc = gb;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        if ((gb > 0) == (gc > 0)) {
            c = a;
            gc = ga;
            d = b - a;
            e = d;
        }
        if (std::fabs(gc) < std::fabs(gb)) {
            a = b;
            b = c;
            c = a;
            ga = gb;
            gb = gc;
            gc = ga;
        }
        const double tol1 = 2 * kEpsilon * std::fabs(b) + 0.5 * tolerance;
        const double half = 0.5 * (c - b);
        if (gb == 0 || std::fabs(half) <= tol1) return Found(b, gb + target);
        if (std::fabs(e) >= tol1 && std::fabs(ga) > std::fabs(gb)) {
            const double s = gb / ga;
            double p;
            double q;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = ga / gc;
                const double r = gb / gc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            } else {
                p = -p;
            }
            // Take the interpolation only when it lands inside the bracket and the steps keep
            // shrinking; otherwise bisect.
            if (2 * p < std::min(3 * half * q - std::fabs(tol1 * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        ga = gb;
        b += std::fabs(d) > tol1 ? d : std::copysign(tol1, half);
        gb = f(b) - target;
        if (!Finite(gb)) return Failed(SearchStatus::kNotConverged);
    }
    return Failed(SearchStatus::kNotConverged);
}

// Brent's minimiser of g = sign f on [a, b], starting from the interior sample x with g(x) below
// g(a) and g(b).
SearchResult RefineMinimum(TimeFunction f, double sign, double a, double b, double x, double gx,
                           double tolerance) {
    double w = x;
    double v = x;
    double gw = gx;
    double gv = gx;
    double d = 0.0;
    double e = 0.0;  // the step before last: a parabolic step must beat half of it
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        const double middle = 0.5 * (a + b);
        const double tol1 = 0.5 * tolerance + 2 * kEpsilon * std::fabs(x);
        const double tol2 = 2 * tol1;
        // Both ends of the bracket within tol2 of x.
        if (std::fabs(x - middle) <= tol2 - 0.5 * (b - a)) return Found(x, sign * gx);
        bool parabolic = false;
        if (std::fabs(e) > tol1) {
            // The vertex of the parabola through (x, gx), (w, gw) and (v, gv), as x + p / q.
            double r = (x - w) * (gx - gv);
            double q = (x - v) * (gx - gw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) {
                p = -p;
            } else {
                q = -q;
            }
            r = e;
            e = d;
            if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                // Not closer to an end than the tolerance, where the bracket could not shrink.
                if (u - a < tol2 || b - u < tol2) d = x < middle ? tol1 : -tol1;
                parabolic = true;
            }
        }
        if (!parabolic) {
            e = x < middle ? b - x : a - x;
            d = kGoldenShare * e;
        }
        const double u = x + (std::fabs(d) >= tol1 ? d : std::copysign(tol1, d));
        const double gu = sign * f(u);
        if (!Finite(gu)) return Failed(SearchStatus::kNotConverged);
        if (gu <= gx) {
            if (u < x) {
                b = x;
            } else {
                a = x;
            }
            v = w;
            gv = gw;
            w = x;
            gw = gx;
            x = u;
            gx = gu;
        } else {
            if (u < x) {
                a = u;
            } else {
                b = u;
            }
            if (gu <= gw || w == x) {
                v = w;
                gv = gw;
                w = u;
                gw = gu;
            } else if (gu <= gv || v == x || v == w) {
                v = u;
                gv = gu;
            }
        }
    }
    return Failed(SearchStatus::kNotConverged);
}

}  // namespace

SearchResult FindCrossing(TimeFunction f, double target, double begin, double end, double step,
                          double tolerance) {
    if (!Samples::Usable(begin, end, step, tolerance) || !Finite(target)) {
        return Failed(SearchStatus::kInvalidArgument);
    }
    const Samples samples(begin, end, step);
    double previousTime = begin;
    double previous = f(begin) - target;
    if (!Finite(previous)) return Failed(SearchStatus::kNotConverged);
    if (previous == 0) return Found(begin, target);
    for (long long i = 1; i <= samples.Last(); ++i) {
        const double time = samples.At(i);
        const double g = f(time) - target;
        if (!Finite(g)) return Failed(SearchStatus::kNotConverged);
        if (g == 0) return Found(time, target);
        if ((g > 0) != (previous > 0)) {
            return RefineCrossing(f, target, previousTime, time, previous, g, tolerance);
        }
        previousTime = time;
        previous = g;
    }
    return Failed(SearchStatus::kNone);
}

SearchResult FindExtreme(TimeFunction f, ExtremeKind kind, double begin, double end, double step,
                         double tolerance) {
    if (!Samples::Usable(begin, end, step, tolerance)) return Failed(SearchStatus::kInvalidArgument);
    // A maximum of f is a minimum of -f.
    const double sign = kind == ExtremeKind::kMinimum ? 1.0 : -1.0;
    const Samples samples(begin, end, step);
    // before: the last sample that differs from the run of equal samples ending at current.
    double beforeTime = begin;
    double before = sign * f(begin);
    if (!Finite(before)) return Failed(SearchStatus::kNotConverged);
    if (samples.Last() < 2) return Failed(SearchStatus::kNone);
    double currentTime = samples.At(1);
    double current = sign * f(currentTime);
    if (!Finite(current)) return Failed(SearchStatus::kNotConverged);
    for (long long i = 2; i <= samples.Last(); ++i) {
        const double time = samples.At(i);
        const double g = sign * f(time);
        if (!Finite(g)) return Failed(SearchStatus::kNotConverged);
        if (current < before && current < g) {
            return RefineMinimum(f, sign, beforeTime, time, currentTime, current, tolerance);
        }
        if (g != current) {
            beforeTime = currentTime;
            before = current;
        }
        currentTime = time;
        current = g;
    }
    return Failed(SearchStatus::kNone);
}

}  // namespace astro
