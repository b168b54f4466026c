#pragma once

#include "calc/calc_args.h"
#include "data/project.h"

#include <array>

namespace velmora {

// Loads on one metre of wire (P, daN/m) and the specific loads (g = P / F, daN/(m·mm²)).
struct LoadSet
{
    double P1 = 0; // own weight
    double P2 = 0; // ice
    double P3 = 0; // own weight and ice
    double P4 = 0; // wind on the bare wire at VMax
    double P4a = 0; // wind on the bare wire at 10 m/s
    double P4b = 0; // wind on the bare wire at 0.3 · VMax
    double P5 = 0; // wind on the iced wire at Vgol
    double P6 = 0; // own weight and P4
    double P6a = 0; // own weight and P4a
    double P6b = 0; // own weight and P4b
    double P7 = 0; // own weight, ice and P5
    double g1 = 0, g2 = 0, g3 = 0, g4 = 0, g4a = 0, g4b = 0, g5 = 0;
    double g6 = 0, g6a = 0, g6b = 0, g7 = 0;
    double gmax = 0; // the larger of g6 and g7
};

// What the loads are computed from besides the coefficient record.
struct LoadInput
{
    double Vgol = 0; // m/s, wind with ice
    double VMax = 0; // m/s, maximum wind
    double Cx = 0; // drag coefficient of the bare wire
    double alphaWMax = 0; // wind non-uniformity coefficient of VMax
    double F_mm2 = 0; // cross-section
    double d_mm = 0; // diameter
    double b_mm = 0; // refined ice wall thickness
    double P1_daN_per_m = 0; // own weight
};

// The load set. Throws velmora::Error "Division by zero: the wire's cross-section is 0" for
// F = 0, and an overflow or invalid-operation error when any load is not a finite number.
LoadSet CalcLoads(const TKlimatKoef &koef, const LoadInput &in);

// One design mode: what the change-of-state equation sees (temperature, load) and what the
// report shows beside it (ice, wind).
struct DesignMode
{
    double temperature = 0; // °C
    double load = 0; // daN/(m·mm²)
    double ice = 0; // mm
    double wind = 0; // m/s
};

inline constexpr int DesignModeCount = 17;
using DesignModeTable = std::array<DesignMode, DesignModeCount>; // index k - 1 is mode k

// The 17 design modes. args give the temperatures and winds, b_mm the refined ice, Kw the
// wind-pressure height coefficient (modes 1 and 3 show the wind times Kw, rounded half to even).
DesignModeTable DesignModes(const CalcArgs &args, const LoadSet &loads, double b_mm, double Kw);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

} // namespace velmora
