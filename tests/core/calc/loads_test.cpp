#include "calc/coefficients.h"
#include "calc/loads.h"
#include "worked_example.h"

#include "common/error.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

LoadInput ExampleInput()
{
    LoadInput in;
    in.Vgol = 18;
    in.VMax = 36;
    in.Cx = 1.2;
    in.alphaWMax = WindUnevenCoef(36);
    in.F_mm2 = 43;
    in.d_mm = 8.4;
    in.b_mm = 20;
    in.P1_daN_per_m = 0.148;
    return in;
}

TEST(CalcLoads, WorkedExample)
{
    const LoadSet s = CalcLoads(TKlimatKoef {}, ExampleInput());
    EXPECT_NEAR(s.P1, 0.148, 1E-12);
    EXPECT_NEAR(s.P2, 1.60598, 5E-6);
    EXPECT_NEAR(s.P3, 0.148 + s.P2, 1E-12);
    EXPECT_NEAR(s.P4, 0.571536, 5E-7);
    EXPECT_NEAR(s.P4a, 0.063, 1E-12);
    EXPECT_NEAR(s.P4b, 0.0734832, 5E-8); // (10.8)² · 1.2 · 8.4E-3 / 16
    EXPECT_NEAR(s.P5, 1.17612, 5E-6);
    EXPECT_NEAR(s.P7, 2.11180, 5E-6);
    EXPECT_NEAR(s.g1, 0.148 / 43, 1E-15);
    EXPECT_NEAR(s.g7, s.P7 / 43, 1E-15);
    EXPECT_EQ(s.gmax, s.g7);
    EXPECT_NEAR(s.gmax, 0.0491117, 5E-8);
}

TEST(CalcLoads, WindCoefficientsScaleAllWindButP4a)
{
    const LoadSet base = CalcLoads(TKlimatKoef {}, ExampleInput());
    TKlimatKoef koef;
    koef.V_Otv = koef.V_Reg = koef.V_Nad = 1.1;
    const LoadSet windy = CalcLoads(koef, ExampleInput());
    EXPECT_NEAR(windy.P4 / base.P4, 1.331, 1E-12);
    EXPECT_NEAR(windy.P4b / base.P4b, 1.331, 1E-12);
    EXPECT_NEAR(windy.P5 / base.P5, 1.331, 1E-12);
    EXPECT_EQ(windy.P4a, base.P4a);
    EXPECT_EQ(windy.P2, base.P2);
}

TEST(CalcLoads, ZeroCrossSectionIsAnError)
{
    LoadInput in = ExampleInput();
    in.F_mm2 = 0;
    try {
        CalcLoads(TKlimatKoef {}, in);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Division by zero: the wire's cross-section is 0");
    }
}

TEST(CalcLoads, OverflowIsAnError)
{
    LoadInput in = ExampleInput();
    in.VMax = 1E200;
    EXPECT_THROW(CalcLoads(TKlimatKoef {}, in), Error);
    in = ExampleInput();
    in.P1_daN_per_m = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(CalcLoads(TKlimatKoef {}, in), Error);
}

TEST(DesignModes, TemperaturesLoadsAndShownWeather)
{
    const LoadSet s = CalcLoads(TKlimatKoef {}, ExampleInput());
    const DesignModeTable modes = DesignModes(test::ExampleArgs(), s, 20, 1.0);
    const double expectedTemperature[]
        = {-5, -5, -5, -15, 15, -50, 40, 0, 15, 70, 30, 20, 10, 0, -10, -20, -30};
    const double expectedLoad[] = {s.g7, s.g3, s.g6, s.g6a, s.g1, s.g1, s.g1, s.g1, s.g6a,
                                   s.g1, s.g1, s.g1, s.g1,  s.g1, s.g1, s.g1, s.g1};
    for (int k = 0; k < DesignModeCount; ++k) {
        EXPECT_EQ(modes[k].temperature, expectedTemperature[k]) << "mode " << k + 1;
        EXPECT_EQ(modes[k].load, expectedLoad[k]) << "mode " << k + 1;
    }
    EXPECT_EQ(modes[0].ice, 20);
    EXPECT_EQ(modes[0].wind, 18);
    EXPECT_EQ(modes[1].ice, 20);
    EXPECT_EQ(modes[1].wind, 0);
    EXPECT_EQ(modes[2].wind, 36);
    EXPECT_EQ(modes[3].wind, 10);
    EXPECT_NEAR(modes[8].wind, 10.8, 1E-12);
    EXPECT_EQ(modes[6].ice, 0);
}

TEST(DesignModes, ShownWindRoundsHalfToEvenAndMode9NotBelow10)
{
    CalcArgs args = test::ExampleArgs();
    args.Vgol = 25;
    args.VMax = 30;
    const DesignModeTable modes = DesignModes(args, LoadSet {}, 0, 1.1); // 27.5 and 33
    EXPECT_EQ(modes[0].wind, 28);
    EXPECT_EQ(modes[2].wind, 33);
    EXPECT_EQ(modes[8].wind, 10); // 0.3 · 30 = 9
    EXPECT_EQ(RoundHalfEven(26.5), 26);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

} // namespace
} // namespace velmora
