#include "calc/solver.h"

#include "calc/arith.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
constexpr double bracketWidth = 5E-5; // daN/mm²
constexpr const char *equation = "the change-of-state equation";
} // namespace

double SolveState(double A, double B)
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
    CheckedValue(hi, equation);

    double lo = 0;
    double mid;
    do {
        mid = (lo + hi) / 2;
        // Far from zero two neighbouring doubles can be wider apart than the bracket: the
        // midpoint then equals an end and halving can no longer narrow it.
        if (mid == lo || mid == hi)
            break;
        if (mid - B / (mid * mid) - A > 0)
            hi = mid;
        else
            lo = mid;
    } while (hi - lo > bracketWidth);
    return mid;
}

WireState ChangeOfState(double sigma0, double gamma0, double t0, double t, double gamma, double l,
                        double E, double alpha)
{
    CheckDivisor(sigma0, "the stress of the initial state is 0");
    const double l2 = l * l;
    const double A = CheckedValue(sigma0 - gamma0 * gamma0 * l2 * E / (24 * sigma0 * sigma0)
                                      - alpha * E * (t - t0),
                                  equation);
    const double B = CheckedValue(E * l2 * gamma * gamma / 24, equation);
    WireState state;
    state.stress = SolveState(A, B);
    const double s = state.stress;
    state.sag = CheckedValue(gamma * l2 / (8 * s) + gamma * gamma * gamma * l2 * l2 / (384 * s * s * s),
                             "the sag");
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
