#include "calc/solver.h"

#include "calc/arith.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {
constexpr double bracketWidth = 5E-5; // daN/mm²
constexpr const char *equation = "the change-of-state equation";
} // namespace

namespace {

// The upper end of the starting bracket; throws for the inputs that have no root to find.
double UpperBound(double A, double B)
{
    CheckedValue(A, equation);
    CheckedValue(B, equation);
    double hi;
    if (A >= 0) {
        hi = std::max(A + 1, B + 1);
    } else {
        if (B == 0)
            return 0; // the root is 0: the bisection ends at once
        if (B < 0)
            throw Error("Logarithm of a negative value in the change-of-state equation");
        hi = std::exp(std::log(B) / 3) + 1;
    }
    return CheckedValue(hi, equation);
}

// Bisections that run side by side, eight at a time. Each lane goes through exactly the steps
// of a lone bisection, so the results are those of one bisection at a time; the independent
// lanes let the processor overlap their divisions, and selects in place of branches spare it
// the mispredictions of a coin-flip comparison.
constexpr std::size_t lanes = 8;

void SolveLanes(const double *A, const double *B, const double *upper, double *sigma,
                std::size_t count)
{
    double a[lanes], b[lanes], lo[lanes], hi[lanes], mid[lanes];
    bool active[lanes];
    for (std::size_t k = 0; k < lanes; ++k) {
        const bool used = k < count;
        a[k] = used ? A[k] : 0; // unused lanes solve σ³ = 1 and are never active
        b[k] = used ? B[k] : 1;
        lo[k] = 0;
        hi[k] = used ? upper[k] : 2;
        mid[k] = 0;
        active[k] = used;
    }
    for (bool any = true; any;) {
        any = false;
        for (std::size_t k = 0; k < lanes; ++k) {
            const double m = (lo[k] + hi[k]) * 0.5; // exact halving, as a division by 2
            // Far from zero two neighbouring doubles can be wider apart than the bracket:
            // the midpoint then equals an end and halving can no longer narrow it.
            const bool stuck = m == lo[k] || m == hi[k];
            const bool above = m - b[k] / (m * m) - a[k] > 0;
            const bool move = active[k] && !stuck;
            mid[k] = active[k] ? m : mid[k];
            hi[k] = move && above ? m : hi[k];
            lo[k] = move && !above ? m : lo[k];
            active[k] = move && hi[k] - lo[k] > bracketWidth;
            any |= active[k];
        }
    }
    for (std::size_t j = 0; j < count; ++j)
        sigma[j] = mid[j];
}

} // namespace

void SolveStates(std::span<const double> A, std::span<const double> B, std::span<double> sigma)
{
    const std::size_t count = A.size();
    if (B.size() != count || sigma.size() != count)
        throw Error("SolveStates: the arrays differ in size");
    // All checks first, so that an error leaves no half-written results behind.
    std::vector<double> upper(count);
    for (std::size_t i = 0; i < count; ++i)
        upper[i] = UpperBound(A[i], B[i]);
    for (std::size_t i = 0; i < count; i += lanes) {
        const std::size_t n = std::min(lanes, count - i);
        SolveLanes(A.data() + i, B.data() + i, upper.data() + i, sigma.data() + i, n);
    }
}

double SolveState(double A, double B)
{
    const double upper = UpperBound(A, B);
    double sigma = 0;
    SolveLanes(&A, &B, &upper, &sigma, 1);
    return sigma;
}

StateEquation ChangeOfStateEquation(double sigma0, double gamma0, double t0, double t, double gamma,
                                    double l, double E, double alpha)
{
    CheckDivisor(sigma0, "the stress of the initial state is 0");
    const double l2 = l * l;
    StateEquation eq;
    eq.A = CheckedValue(sigma0 - gamma0 * gamma0 * l2 * E / (24 * sigma0 * sigma0)
                            - alpha * E * (t - t0),
                        equation);
    eq.B = CheckedValue(E * l2 * gamma * gamma / 24, equation);
    return eq;
}

double SagAt(double gamma, double l, double sigma)
{
    if (l == 0 || gamma == 0)
        return 0;
    const double l2 = l * l;
    return CheckedValue(gamma * l2 / (8 * sigma)
                            + gamma * gamma * gamma * l2 * l2 / (384 * sigma * sigma * sigma),
                        "the sag");
}

WireState ChangeOfState(double sigma0, double gamma0, double t0, double t, double gamma, double l,
                        double E, double alpha)
{
    const StateEquation eq = ChangeOfStateEquation(sigma0, gamma0, t0, t, gamma, l, E, alpha);
    WireState state;
    state.stress = SolveState(eq.A, eq.B);
    state.sag = SagAt(gamma, l, state.stress);
    return state;
}

SpanOrder CriticalSpanOrder(double l1, double l2, double l3)
{
    const bool l3Imaginary = IsImaginarySpan(l3);
    if (l1 < l2 && (l3Imaginary || l3 > l2))
        return SpanOrder::Normal;
    if (l1 > l2 && (l3Imaginary || l3 < l2))
        return SpanOrder::Reverse;
    return SpanOrder::Other;
}

InitialState CriticalSpanRuleState(double l1, double l2, double l3, double l)
{
    const bool l3Imaginary = IsImaginarySpan(l3);
    switch (CriticalSpanOrder(l1, l2, l3)) {
    case SpanOrder::Normal:
        if (l <= l1)
            return StateMinTemp;
        if (!l3Imaginary)
            return l < l3 ? StateAvgTemp : StateMaxLoad;
        return l <= l2 ? StateAvgTemp : StateMaxLoad;
    case SpanOrder::Reverse:
        return l <= l2 ? StateMinTemp : StateMaxLoad;
    case SpanOrder::Other:
        break;
    }
    if (l > l2 && (l3Imaginary || l >= l3))
        return StateMaxLoad;
    return NoState;
}

} // namespace velmora
