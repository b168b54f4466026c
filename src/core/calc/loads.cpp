#include "calc/loads.h"

#include "calc/arith.h"
#include "calc/coefficients.h"

#include <cmath>
#include <numbers>

namespace velmora {

LoadSet CalcLoads(const TKlimatKoef &koef, const LoadInput &in)
{
    const double Kw = WindHeightCoef(koef);
    const double windProduct = koef.V_Otv * koef.V_Reg * koef.V_Nad;
    const double iceProduct = koef.G_Otv * koef.G_Reg * koef.G_Nad * koef.G_Usl;
    const double d = in.d_mm;
    const double b = in.b_mm;

    LoadSet s;
    s.P1 = in.P1_daN_per_m;
    // ice of density 0.9 on a cylinder
    s.P2 = 0.9 * std::numbers::pi * b * (d + b) / 1000 * iceProduct;
    s.P3 = s.P1 + s.P2;
    s.P4 = in.alphaWMax * in.Cx * in.VMax * in.VMax * d * 0.001 / 16 * Kw * windProduct;
    s.P4a = 6.25 * in.Cx * d / 1000;
    const double v4b = 0.3 * in.VMax;
    s.P4b = v4b * v4b * in.Cx * d * 0.001 / 16 * windProduct;
    s.P5 = WindUnevenCoef(in.Vgol) * 1.2 * in.Vgol * in.Vgol * (d + 2 * b) * 0.001 / 16 * Kw
        * windProduct;
    s.P6 = std::sqrt(s.P1 * s.P1 + s.P4 * s.P4);
    s.P6a = std::sqrt(s.P1 * s.P1 + s.P4a * s.P4a);
    s.P6b = std::sqrt(s.P1 * s.P1 + s.P4b * s.P4b);
    s.P7 = std::sqrt(s.P3 * s.P3 + s.P5 * s.P5);

    CheckDivisor(in.F_mm2, "the wire's cross-section is 0");
    const double F = in.F_mm2;
    s.g1 = s.P1 / F;
    s.g2 = s.P2 / F;
    s.g3 = s.P3 / F;
    s.g4 = s.P4 / F;
    s.g4a = s.P4a / F;
    s.g4b = s.P4b / F;
    s.g5 = s.P5 / F;
    s.g6 = s.P6 / F;
    s.g6a = s.P6a / F;
    s.g6b = s.P6b / F;
    s.g7 = s.P7 / F;
    s.gmax = s.g6 >= s.g7 ? s.g6 : s.g7;

    for (double v : {s.P1, s.P2, s.P3, s.P4,  s.P4a, s.P4b, s.P5, s.P6,  s.P6a, s.P6b, s.P7,  s.g1,
                     s.g2, s.g3, s.g4, s.g4a, s.g4b, s.g5,  s.g6, s.g6a, s.g6b, s.g7,  s.gmax})
        CheckedValue(v, "the loads");
    return s;
}

double RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

DesignModeTable DesignModes(const CalcArgs &dat, const LoadSet &g, double b, double Kw)
{
    const double mode9Wind = 0.3 * dat.VMax < 10 ? 10 : 0.3 * dat.VMax;
    return {{
        {dat.T_Gsw, g.g7, b, RoundHalfEven(dat.Vgol * Kw)},
        {dat.T_Gbw, g.g3, b, 0},
        {dat.Tvmax, g.g6, 0, RoundHalfEven(dat.VMax * Kw)},
        {-15, g.g6a, 0, 10},
        {15, g.g1, 0, 0},
        {dat.T_Min, g.g1, 0, 0},
        {dat.T_Max, g.g1, 0, 0},
        {dat.T_Srg, g.g1, 0, 0},
        {15, g.g6a, 0, mode9Wind},
        {70, g.g1, 0, 0},
        {30, g.g1, 0, 0},
        {20, g.g1, 0, 0},
        {10, g.g1, 0, 0},
        {0, g.g1, 0, 0},
        {-10, g.g1, 0, 0},
        {-20, g.g1, 0, 0},
        {-30, g.g1, 0, 0},
    }};
}

} // namespace velmora
