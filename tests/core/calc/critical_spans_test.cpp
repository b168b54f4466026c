#include "calc/coefficients.h"
#include "calc/loads.h"
#include "calc/solver.h"

#include "common/error.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr double alpha = 1.9E-5;
constexpr double beta = 1.0 / 8250;
constexpr double gamma1 = 0.148 / 43;
constexpr double gammaMax = 0.0491117306; // γ7 of the worked example

class CriticalSpansTest : public ::testing::Test
{
protected:
    static CriticalSpans Calc(double T_Gsw, double T_Min, double sigmaMax, double sigmaAvg,
                              Lang lang = Lang::English)
    {
        return CalcCriticalSpans(alpha, beta, gammaMax, gamma1, T_Gsw, T_Min, 0, sigmaMax, sigmaAvg,
                                 lang);
    }
};

TEST_F(CriticalSpansTest, WorkedExample)
{
    const CriticalSpans s = Calc(-5, -50, 9, 4);
    ASSERT_TRUE(s.ok);
    EXPECT_TRUE(s.warning.empty());
    EXPECT_NEAR(s.l1, 117.869, 5E-4);
    EXPECT_NEAR(s.l2, 26.3157, 5E-5);
    EXPECT_NEAR(s.l3, 20.5526, 5E-5);
}

TEST_F(CriticalSpansTest, MinimumTemperatureOfIceGivesZeroL2)
{
    const CriticalSpans s = Calc(-5, -5, 9, 4);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.l1, ImaginarySpan);
    EXPECT_EQ(s.l2, 0);
    EXPECT_NEAR(s.l3, 20.5526, 5E-5);
}

struct WarningCase
{
    double T_Gsw, T_Min, sigmaMax, sigmaAvg;
    const char *english;
    const char *russian;
};

TEST_F(CriticalSpansTest, FirstFailedCheckInBothLanguages)
{
    const WarningCase cases[] = {
        {-5, -50, 0, 4, "Maximum permissible tension equals 0,\r\ncalculation is impossible!",
         "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
        {-5, -4, 0, 0, "Maximum permissible tension equals 0,\r\ncalculation is impossible!",
         "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
        {-5, -50, 9, 0,
         "Tension at average annual temperature equals 0,\r\ncalculation is impossible!",
         "Напряжение при Тср.г. равно 0, расчёт невозможен!"},
        {-5, -50, 9, 9,
         "Tension at average annual temperature equals maximum permissible tension,\r\n"
         "calculation is impossible!",
         "Напряжение при Тср.г. равно макс. допустимому, расчёт невозможен!"},
        {-5, -4, 9, 4,
         "Minimum temperature is higher than that for cases of ice accumulation,\r\n"
         "calculation is impossible!",
         "Минимальная температура выше чем при гололёде, расчёт невозможен!"},
    };
    for (const WarningCase &c : cases) {
        CriticalSpans s = Calc(c.T_Gsw, c.T_Min, c.sigmaMax, c.sigmaAvg);
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.warning, c.english);
        s = Calc(c.T_Gsw, c.T_Min, c.sigmaMax, c.sigmaAvg, Lang::Russian);
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.warning, c.russian);
    }
}

TEST_F(CriticalSpansTest, ArithmeticErrors)
{
    // no ice and no wind: the largest load is the own weight
    EXPECT_THROW(CalcCriticalSpans(alpha, beta, gamma1, gamma1, -5, -50, 0, 9, 4, Lang::English),
                 Error);
    try {
        CalcCriticalSpans(alpha, beta, gamma1, gamma1, -5, -50, 0, 9, 4, Lang::English);
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(),
                     "Division by zero: the largest load equals the own weight, no ice "
                     "and no wind (critical span l2)");
    }
    // q² = s²: the load ratio equals the stress ratio
    EXPECT_THROW(
        CalcCriticalSpans(alpha, beta, 2 * gamma1, gamma1, -5, -50, 0, 8, 4, Lang::English), Error);
    // a maximum load below the own weight makes the radicand of l2 negative
    try {
        CalcCriticalSpans(alpha, beta, 0.5 * gamma1, gamma1, -5, -50, 0, 9, 4, Lang::English);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Square root of a negative value in the critical span l2");
    }
    EXPECT_THROW(CalcCriticalSpans(alpha, beta, gammaMax, 0, -5, -50, 0, 9, 4, Lang::English),
                 Error);
    EXPECT_THROW(CalcCriticalSpans(alpha, std::numeric_limits<double>::infinity(), gammaMax, gamma1,
                                   -5, -50, 0, 9, 4, Lang::English),
                 Error);
}

struct StateCase
{
    double l;
    double sigma0, t0, gamma0; // the governing initial state
    double t, gamma; // the mode
    double stress, stressTolerance, sag, sagTolerance;
};

TEST(ChangeOfState, WorkedExampleStressesAndSags)
{
    const double l2
        = CalcCriticalSpans(alpha, beta, gammaMax, gamma1, -5, -50, 0, 9, 4, Lang::English).l2;
    const double gamma7 = gammaMax;
    const StateCase cases[] = {
        // at l2 from state 2 (σmax at T_Min under γ1): mode 1 and mode 7
        {l2, 9, -50, gamma1, -5, gamma7, 9.00002, 5E-6, 0.4726, 5E-5},
        {l2, 9, -50, gamma1, 40, gamma1, 0.69506, 5E-6, 0.4288, 5E-5},
        // at 100 m from state 3 (σmax at T_Gsw under γmax)
        {100, 9, -5, gamma7, -5, gamma7, 9.0000, 5E-5, 6.8634, 5E-5},
        {100, 9, -5, gamma7, 40, gamma1, 0.63483, 5E-6, 6.8186, 5E-5},
    };
    for (const StateCase &c : cases) {
        const WireState s = ChangeOfState(c.sigma0, c.gamma0, c.t0, c.t, c.gamma, c.l, 8250, alpha);
        EXPECT_NEAR(s.stress, c.stress, c.stressTolerance) << "l " << c.l << ", t " << c.t;
        EXPECT_NEAR(s.sag, c.sag, c.sagTolerance) << "l " << c.l << ", t " << c.t;
    }
}

} // namespace
} // namespace velmora
