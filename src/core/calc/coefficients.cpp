#include "calc/coefficients.h"

#include <array>
#include <span>

namespace velmora {

namespace {

struct HeightTable
{
    std::span<const double> values; // value at each height node
    std::span<const double> slopes; // slope from node i to node i + 1, per m
};

constexpr std::array<double, 11> heightNodes {15, 20, 40, 60, 80, 100, 150, 200, 250, 300, 350};

constexpr std::array<double, 10> valuesA {1.0, 1.25, 1.5, 1.7, 1.85, 2.0, 2.25, 2.45, 2.65, 2.75};
constexpr std::array<double, 9> slopesA {0.05,  0.0125, 0.01,  0.0075, 0.0075,
                                         0.005, 0.004,  0.004, 0.002};
constexpr std::array<double, 11> valuesB {0.65, 0.85, 1.1, 1.3, 1.45, 1.6,
                                          1.9,  2.1,  2.3, 2.5, 2.75};
constexpr std::array<double, 10> slopesB {0.04,  0.0125, 0.01,  0.0075, 0.0075,
                                          0.006, 0.004,  0.004, 0.004,  0.005};
constexpr std::array<double, 11> valuesC {0.4,  0.55, 0.8, 1.0, 1.15, 1.25,
                                          1.55, 1.8,  2.0, 2.2, 2.35};
constexpr std::array<double, 10> slopesC {0.03,  0.0125, 0.01,  0.0075, 0.005,
                                          0.006, 0.005,  0.004, 0.004,  0.003};

double Interpolate(const HeightTable &table, double h)
{
    if (h <= heightNodes[0])
        return table.values.front();
    for (std::size_t i = 0; i < table.slopes.size(); ++i) {
        if (h < heightNodes[i + 1])
            return table.values[i] + table.slopes[i] * (h - heightNodes[i]);
    }
    return table.values.back(); // from the last node on
}

} // namespace

double WindHeightCoef(const TKlimatKoef &koef)
{
    const double h = koef.VisotaPC;
    switch (koef.TypeTer) {
    case 1:
        return Interpolate({valuesA, slopesA}, h);
    case 2:
        return Interpolate({valuesB, slopesB}, h);
    case 3:
        return Interpolate({valuesC, slopesC}, h);
    default:
        return 1.0;
    }
}

double IceHeightCoef(const TKlimatKoef &koef)
{
    const double h = koef.VisotaPC;
    if (h <= 25)
        return 1.0;
    if (h < 30)
        return 1 + 0.08 * (h - 25);
    if (h < 50)
        return 1.4 + 0.01 * (h - 30);
    if (h < 70)
        return 1.6 + 0.01 * (h - 50);
    if (h < 100)
        return 1.8 + 0.007 * (h - 70);
    return 2.0;
}

double IceDiamCoef(const TKlimatKoef &koef, double d)
{
    if (koef.VisotaPC < 25)
        return 1.0;
    if (d < 10)
        return 1.0;
    if (d < 20)
        return 1 - 0.01 * (d - 10);
    if (d < 30)
        return 0.9 - 0.01 * (d - 20);
    if (d < 50)
        return 0.8 - 0.005 * (d - 30);
    if (d < 70)
        return 0.7 - 0.005 * (d - 50);
    return 0.6;
}

double WindUnevenCoef(double v)
{
    if (v <= 20.8)
        return 1.0;
    if (v <= 25.3)
        return (7.62 - 0.15 * v) / 4.5;
    if (v <= 29.6)
        return (6.19 - 0.1 * v) / 4.3;
    if (v <= 34.8)
        return (5.31 - 0.05 * v) / 5.2;
    return 0.7;
}

double DragCoef(double VMax, double Vgol, double b, double d)
{
    const bool thickIcedWire = 0.5 * VMax >= Vgol && Vgol > 15 && b >= 15 && d > 20;
    return thickIcedWire ? 1.1 : 1.2;
}

} // namespace velmora
