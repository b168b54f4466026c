#include "calc/governing.h"

#include <algorithm>
#include <limits>

namespace velmora {

InitialStates::State InitialStates::Of(InitialState state) const
{
    switch (state) {
    case StateAvgTemp:
        return {sigmaAvg, T_Srg, g1};
    case StateMinTemp:
        return {sigmaMax, T_Min, g1};
    default:
        return {sigmaMax, T_Gsw, gmax};
    }
}

double LargestExcess(const InitialStates &states, InitialState s, double l)
{
    const InitialStates::State from = states.Of(s);
    double excess = -std::numeric_limits<double>::infinity();
    for (InitialState other : {StateAvgTemp, StateMinTemp, StateMaxLoad}) {
        if (other == s)
            continue;
        const InitialStates::State to = states.Of(other);
        const StateEquation eq = ChangeOfStateEquation(from.sigma, from.gamma, from.t, to.t,
                                                       to.gamma, l, states.E, states.alpha);
        excess = std::max(excess, SolveState(eq.A, eq.B) - to.sigma);
    }
    return excess;
}

InitialState GoverningState(double l1, double l2, double l3, const InitialStates &states, double l)
{
    const auto holds
        = [&](InitialState s) { return LargestExcess(states, s, l) <= StressLimitTolerance; };
    const InitialState proposed = CriticalSpanRuleState(l1, l2, l3, l);
    if (proposed != NoState && holds(proposed))
        return proposed;
    InitialState best = StateMinTemp;
    double bestExcess = std::numeric_limits<double>::infinity();
    for (InitialState s : {StateMinTemp, StateAvgTemp, StateMaxLoad}) {
        const double excess = LargestExcess(states, s, l);
        if (excess <= StressLimitTolerance)
            return s;
        if (excess < bestExcess) {
            best = s;
            bestExcess = excess;
        }
    }
    return best;
}

} // namespace velmora
