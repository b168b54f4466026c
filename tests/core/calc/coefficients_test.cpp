#include "calc/coefficients.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TKlimatKoef Koef(int height, int terrain = 1)
{
    TKlimatKoef k;
    k.VisotaPC = height;
    k.TypeTer = terrain;
    return k;
}

struct HeightCase
{
    int terrain;
    int height;
    double Kw;
};

TEST(WindHeightCoef, FollowsTheTerrainTables)
{
    const HeightCase cases[] = {
        {1, 15, 1.0},   {1, 0, 1.0},    {1, 17, 1.1},  {1, 20, 1.25},   {1, 99, 1.9925},
        {1, 300, 2.75}, {1, 320, 2.75}, {2, 15, 0.65}, {2, 349, 2.745}, {2, 350, 2.75},
        {3, 400, 2.35}, {3, 90, 1.2},   {0, 100, 1.0}, {4, 100, 1.0},
    };
    for (const HeightCase &c : cases)
        EXPECT_NEAR(WindHeightCoef(Koef(c.height, c.terrain)), c.Kw, 1E-12)
            << "terrain " << c.terrain << ", h " << c.height;
}

TEST(IceHeightCoef, FollowsTheHeightBands)
{
    const std::pair<int, double> cases[]
        = {{15, 1.0}, {25, 1.0}, {26, 1.08},  {30, 1.4},  {49, 1.59},
           {50, 1.6}, {70, 1.8}, {99, 2.003}, {100, 2.0}, {500, 2.0}};
    for (const auto &[h, Ki] : cases)
        EXPECT_NEAR(IceHeightCoef(Koef(h)), Ki, 1E-12) << "h " << h;
}

TEST(IceDiamCoef, AppliesFrom25Metres)
{
    EXPECT_EQ(IceDiamCoef(Koef(24), 40), 1.0);
    const std::pair<double, double> cases[]
        = {{8.4, 1.0}, {10, 1.0},  {15, 0.95}, {20, 0.9}, {40, 0.75},
           {50, 0.7},  {60, 0.65}, {70, 0.6},  {90, 0.6}};
    for (const auto &[d, Kd] : cases)
        EXPECT_NEAR(IceDiamCoef(Koef(25), d), Kd, 1E-12) << "d " << d;
}

TEST(WindUnevenCoef, FourBandsThatDoNotJoin)
{
    const std::pair<double, double> cases[]
        = {{18, 1.0},        {20.8, 1.0},      {25.3, 0.85}, {29.6, 0.751163},
           {29.7, 0.735577}, {34.8, 0.686538}, {35, 0.7},    {36, 0.7}};
    for (const auto &[v, alpha] : cases)
        EXPECT_NEAR(WindUnevenCoef(v), alpha, 5E-7) << "v " << v;
}

TEST(DragCoef, OnePointOneNeedsAllFourConditions)
{
    EXPECT_EQ(DragCoef(40, 18, 20, 21.6), 1.1);
    EXPECT_EQ(DragCoef(40, 25, 20, 21.6), 1.2); // 0.5 · VMax below Vgol
    EXPECT_EQ(DragCoef(40, 15, 20, 21.6), 1.2); // Vgol not above 15
    EXPECT_EQ(DragCoef(40, 18, 14.9, 21.6), 1.2);
    EXPECT_EQ(DragCoef(40, 18, 20, 20), 1.2);
    EXPECT_EQ(DragCoef(36, 18, 20, 8.4), 1.2);
}

} // namespace
} // namespace velmora
