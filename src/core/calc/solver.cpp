#include "calc/solver.h"

#include "calc/arith.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
            throw Error("Logarithm of zero in the change-of-state equation");
        if (B < 0)
            throw Error("Logarithm of a negative value in the change-of-state equation");
        hi = std::exp(std::log(B) / 3) + 1;
    }
    return CheckedValue(hi, equation);
}

// Bisections that run side by side, two per vector of the processor's SSE2 / NEON width
// (GCC and Clang vector extensions). Each lane goes through exactly the steps of a lone
// bisection, so the results are those of one bisection at a time; the lanes overlap their
// divisions, and bit masks in place of branches spare the processor the mispredictions of a
// coin-flip comparison.
using Pair = double __attribute__((vector_size(16)));
using PairMask = std::int64_t __attribute__((vector_size(16)));
constexpr std::size_t pairs = 4;
constexpr std::size_t lanes = 2 * pairs;

Pair Select(PairMask mask, Pair ifTrue, Pair ifFalse)
{
    return std::bit_cast<Pair>((mask & std::bit_cast<PairMask>(ifTrue))
                               | (~mask & std::bit_cast<PairMask>(ifFalse)));
}

void SolveLanes(const double *A, const double *B, const double *upper, double *sigma,
                std::size_t count)
{
    Pair a[pairs], b[pairs], lo[pairs], hi[pairs], mid[pairs];
    PairMask active[pairs];
    for (std::size_t p = 0; p < pairs; ++p) {
        for (std::size_t k = 0; k < 2; ++k) {
            const std::size_t j = 2 * p + k;
            const bool used = j < count;
            a[p][k] = used ? A[j] : 0; // unused lanes solve σ³ = 1 and are never active
            b[p][k] = used ? B[j] : 1;
            lo[p][k] = 0;
            hi[p][k] = used ? upper[j] : 2;
            mid[p][k] = 0;
            active[p][k] = used ? -1 : 0;
        }
    }
    const Pair half = {0.5, 0.5};
    const Pair zero = {0, 0};
    const Pair width = {bracketWidth, bracketWidth};
    for (bool any = true; any;) {
        PairMask anyActive = {0, 0};
        for (std::size_t p = 0; p < pairs; ++p) {
            const Pair m = (lo[p] + hi[p]) * half; // exact halving, as a division by 2
            // Far from zero two neighbouring doubles can be wider apart than the bracket:
            // the midpoint then equals an end and halving can no longer narrow it.
            const PairMask stuck = (m == lo[p]) | (m == hi[p]);
            const PairMask above = m - b[p] / (m * m) - a[p] > zero;
            const PairMask move = active[p] & ~stuck;
            mid[p] = Select(active[p], m, mid[p]);
            hi[p] = Select(move & above, m, hi[p]);
            lo[p] = Select(move & ~above, m, lo[p]);
            active[p] = move & (hi[p] - lo[p] > width);
            anyActive |= active[p];
        }
        any = (anyActive[0] | anyActive[1]) != 0;
    }
    for (std::size_t j = 0; j < count; ++j)
        sigma[j] = mid[j / 2][j % 2];
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

StateEquation ChangeOfStateEquation(double sigma0, double gamma0, double t0, double t,
                                    double gamma, double l, double E, double alpha)
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

InitialState GoverningState(double l1, double l2, double l3, double l)
{
    const bool l3Imaginary = IsImaginarySpan(l3);
    if (l1 < l2 && (l3Imaginary || l3 > l2)) {
        if (l <= l1)
            return StateMinTemp;
        if (!l3Imaginary)
            return l < l3 ? StateAvgTemp : StateMaxLoad;
        return l <= l2 ? StateAvgTemp : StateMaxLoad;
    }
    if (l1 > l2 && (l3Imaginary || l3 < l2))
        return l <= l2 ? StateMinTemp : StateMaxLoad;
    if (l > l2 && (l3Imaginary || l >= l3))
        return StateMaxLoad;
    return NoState;
}

} // namespace velmora
