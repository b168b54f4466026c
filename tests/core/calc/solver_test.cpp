#include "calc/solver.h"

#include "common/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace velmora {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(ImaginarySpan, HasItsBytesAndIsBelowEveryRealSpan)
{
    const unsigned char expected[8] = {0x21, 0x5C, 0xF4, 0x8D, 0x18, 0x82, 0xA7, 0x35};
    unsigned char bytes[8];
    std::memcpy(bytes, &ImaginarySpan, sizeof bytes);
    EXPECT_EQ(std::memcmp(bytes, expected, 8), 0);
    EXPECT_NEAR(ImaginarySpan, 3.1415926535897933E-50, 1E-64);
    EXPECT_LT(ImaginarySpan, 1E-3);
    EXPECT_GT(ImaginarySpan, 0.0);
}

TEST(SolveState, PublishedValues)
{
    EXPECT_NEAR(SolveState(5, 100), 7.02581, 5E-6);
    EXPECT_NEAR(SolveState(-3, 8), 1.35530, 5E-6);
}

TEST(SolveState, ResultIsWithinTheBracketOfTheRoot)
{
    const std::pair<double, double> cases[]
        = {{0, 1}, {9, 0}, {-100, 1E6}, {1E6, 1E3}, {0.5, 1E-9}};
    for (const auto &[A, B] : cases) {
        const double s = SolveState(A, B);
        const double left = s * s * (s - A);
        // σ²(σ − A) grows by about (3σ² − 2Aσ) per unit of σ
        EXPECT_NEAR(left, B, 5E-5 * std::abs(3 * s * s - 2 * A * s) + 1E-9) << A << ", " << B;
    }
}

TEST(SolveState, EndsForHugeBrackets)
{
    // Neighbouring doubles near 1E20 lie further apart than the bracket width.
    const double s = SolveState(1E20, 1);
    EXPECT_NEAR(s, 1E20, 1E6);
    EXPECT_GT(SolveState(1E300, 1E300), 0);
}

TEST(SolveStates, SideBySideGivesTheResultsOfOneAtATime)
{
    std::vector<double> A, B;
    for (int i = 0; i < 19; ++i) { // two full groups of lanes and a part of one
        A.push_back(-40 + 5.5 * i);
        B.push_back(0.5 + 37.0 * i * i);
    }
    A.push_back(1E20); // a lane that stops early because its bracket cannot narrow
    B.push_back(1);
    std::vector<double> sigma(A.size());
    SolveStates(A, B, sigma);
    for (std::size_t i = 0; i < A.size(); ++i)
        EXPECT_EQ(sigma[i], SolveState(A[i], B[i])) << A[i] << ", " << B[i];
}

TEST(SolveStates, AnErrorWritesNoResult)
{
    const std::vector<double> A = {5, -3, -3};
    const std::vector<double> B = {100, 8, 0};
    std::vector<double> sigma(3, -1.0);
    EXPECT_THROW(SolveStates(A, B, sigma), Error);
    EXPECT_EQ(sigma, std::vector<double>(3, -1.0));
}

TEST(SolveState, ArithmeticErrors)
{
    const struct
    {
        double A, B;
        const char *message;
    } cases[] = {
        {-3, -1, "Logarithm of a negative value in the change-of-state equation"},
        {nan, 1, "Invalid floating point operation in the change-of-state equation"},
        {1, nan, "Invalid floating point operation in the change-of-state equation"},
        {inf, 1, "Floating point overflow in the change-of-state equation"},
        {-inf, 1, "Floating point overflow in the change-of-state equation"},
        {1, inf, "Floating point overflow in the change-of-state equation"},
    };
    for (const auto &c : cases) {
        try {
            SolveState(c.A, c.B);
            ADD_FAILURE() << "no error for " << c.A << ", " << c.B;
        } catch (const Error &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ChangeOfState, OverflowIsAnError)
{
    EXPECT_THROW(ChangeOfState(9, 0.05, -5, 40, 0.0034, 1E160, 8250, 1.9E-5), Error);
    EXPECT_THROW(ChangeOfState(0, 0.05, -5, 40, 0.0034, 100, 8250, 1.9E-5), Error);
}

struct GoverningCase
{
    double l1, l2, l3, l;
    InitialState expected;
};

TEST(CriticalSpanRuleState, OrdersOfTheCriticalSpans)
{
    const double im = ImaginarySpan;
    const GoverningCase cases[] = {
        // reverse order (the worked example)
        {117.869, 26.3157, 20.5526, 10, StateMinTemp},
        {117.869, 26.3157, 20.5526, 26.3157, StateMinTemp},
        {117.869, 26.3157, 20.5526, 30, StateMaxLoad},
        {117.869, 26.3157, im, 30, StateMaxLoad},
        // normal order with a real l3
        {50, 80, 120, 50, StateMinTemp},
        {50, 80, 120, 100, StateAvgTemp},
        {50, 80, 120, 120, StateMaxLoad},
        // normal order with an imaginary l3
        {50, 80, im, 80, StateAvgTemp},
        {50, 80, im, 81, StateMaxLoad},
        // an imaginary l1 is normal order: state 2 governs nothing
        {im, 80, 120, 1, StateAvgTemp},
        // neither order: l1 imaginary, l2 = 0, l3 real
        {im, 0, 20.5526, 10, NoState},
        {im, 0, 20.5526, 20, NoState},
        {im, 0, 20.5526, 30, StateMaxLoad},
        {im, 0, 20.5526, 0, NoState},
    };
    for (const GoverningCase &c : cases)
        EXPECT_EQ(CriticalSpanRuleState(c.l1, c.l2, c.l3, c.l), c.expected)
            << c.l1 << " " << c.l2 << " " << c.l3 << " at " << c.l;
}

} // namespace
} // namespace velmora
