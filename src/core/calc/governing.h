#pragma once

#include "calc/solver.h"

#include <array>

namespace velmora {

// The three initial states of a wire and what it is allowed in each: state 1 σavg at T_Srg
// under γ1, state 2 σmax at T_Min under γ1, state 3 σmax at T_Gsw under γmax.
struct InitialStates
{
    double sigmaMax = 0; // daN/mm²
    double sigmaAvg = 0; // daN/mm²
    double T_Srg = 0, T_Min = 0, T_Gsw = 0; // °C
    double g1 = 0, gmax = 0; // daN/(m·mm²)
    double E = 0; // daN/mm², modulus of elasticity
    double alpha = 0; // 1/K, thermal coefficient

    // What a state means: its permissible stress, temperature and specific load.
    struct State
    {
        double sigma, t, gamma;
    };
    State Of(InitialState state) const;
};

// How far a wire strung from state s at a span of l m goes beyond the permissible stress of
// the other two states: the largest excess in daN/mm² (0 or below when it stays within both).
double LargestExcess(const InitialStates &states, InitialState s, double l);

// How much a stress may exceed its limit and still be within it (rounding of the bisection).
inline constexpr double StressLimitTolerance = 1E-4; // daN/mm²

// The design modes whose conditions the permissible stresses bound: 1 to 9 (the rest are the
// stringing temperatures under the own weight). Mode 8, at the average annual temperature, is
// bound by the lower of σmax and σavg, the others by σmax.
inline constexpr int LastLimitedMode = 9;
inline constexpr int AverageTemperatureMode = 8;
inline double ModeStressLimit(int mode, double sigmaMax, double sigmaAvg)
{
    return mode == AverageTemperatureMode ? (sigmaAvg < sigmaMax ? sigmaAvg : sigmaMax) : sigmaMax;
}

// The initial state that governs a span of l m: the state from which the wire stays within
// the permissible stress of the other two states. The critical spans (l1, l3 may be
// ImaginarySpan) propose a state; it is taken when it holds, otherwise the first of states
// 2, 1, 3 that holds, and when none holds (only ever by rounding) the one whose largest excess
// is smallest. Always one of the three states.
InitialState GoverningState(double l1, double l2, double l3, const InitialStates &states, double l);

} // namespace velmora
