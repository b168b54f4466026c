#include "calc/driver.h"
#include "calc/governing.h"
#include "calc/stringing.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

// АС 240/32 as the shipped catalogue holds it (share/catalogue/wires.txt).
TWireRec Ac240Wire()
{
    TWireRec wire;
    wire.Group = 1;
    wire.Name = "АС 240/32";
    wire.Diam = 21.6;
    wire.Sech = 275.7;
    wire.PNag = 0.921;
    wire.Modl = 7700;
    wire.Koef = 1.98E-5;
    return wire;
}

CalcRun Calculate(const TWireRec &wire, const CalcArgs &args)
{
    TProject project;
    project.Dat.RegimeFlags.fill(true);
    CalcRun run;
    EXPECT_EQ(CalcProject(project, wire, CalcPurpose::Full, args, Lang::English, run),
              CalcOutcome::Done);
    return run;
}

// From the state chosen for every span (the range and l2), no other state's permissible
// stress is exceeded.
void ExpectEveryStateWithinItsLimit(const CalcRun &run, const CalcArgs &args)
{
    const InitialStates states = InitialStatesOf(run, args);
    for (std::size_t i = 0; i < run.spans.size(); ++i) {
        ASSERT_NE(run.state[i], NoState) << "span " << run.spans[i];
        EXPECT_LE(LargestExcess(states, run.state[i], run.spans[i]), StressLimitTolerance)
            << "span " << run.spans[i] << " from state " << run.state[i];
    }
}

// Light ice and a low stress at the average temperature: l3 is imaginary and l1 < l2, and
// the critical spans alone would give state 3 above l2, where the wire strung from the
// maximum load is twice as tight as allowed at the average temperature.
TEST(GoverningState, LightIceIsGovernedByTheAverageTemperatureAboveL2)
{
    CalcArgs args = test::ExampleArgs();
    args.Tols = 10;
    args.NaprMax = 13.5;
    args.NaprSrg = 4.5;
    args.Min = 50;
    args.Max = 400;
    args.Step = 50;
    const CalcRun run = Calculate(Ac240Wire(), args);
    ASSERT_TRUE(IsImaginarySpan(run.l3));
    ASSERT_LT(run.l1, run.l2);
    ASSERT_LT(run.l2, 300);
    const std::size_t at300 = 6; // spans[0] is l2, then 50, 100 ... 300
    ASSERT_EQ(run.spans[at300], 300);
    EXPECT_EQ(run.state[at300], StateAvgTemp);
    EXPECT_EQ(CriticalSpanRuleState(run.l1, run.l2, run.l3, 300), StateMaxLoad);
    EXPECT_NEAR(run.stress[8 - 1][at300], 4.5, 1E-4); // mode 8: the average temperature
    ExpectEveryStateWithinItsLimit(run, args);
}

// The worked example (reverse order) keeps exactly the states of the critical spans.
TEST(GoverningState, TheCriticalSpansAnswerIsKeptWhereItHolds)
{
    const CalcArgs args = test::ExampleArgs();
    const CalcRun run = Calculate(test::ExampleWire(), args);
    for (std::size_t i = 0; i < run.spans.size(); ++i)
        EXPECT_EQ(run.state[i], CriticalSpanRuleState(run.l1, run.l2, run.l3, run.spans[i]))
            << "span " << run.spans[i];
    ExpectEveryStateWithinItsLimit(run, args);
}

// A seeded sweep over realistic projects: whatever the order of the critical spans, the
// chosen state keeps the other two within their limits.
TEST(GoverningState, SweepOfRealisticProjectsStaysWithinEveryLimit)
{
    const TWireRec wires[] = {test::ExampleWire(), test::ShippedAc70Wire(), Ac240Wire()};
    std::mt19937 random(20261210);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int project = 0; project < 120; ++project) {
        CalcArgs args = test::ExampleArgs();
        args.Tols = std::round(uniform(0, 30));
        args.Vgol = std::round(uniform(10, 20));
        args.VMax = std::round(uniform(22, 36));
        args.T_Min = std::round(uniform(-50, -20));
        args.T_Gsw = -5;
        args.T_Srg = std::round(uniform(-5, 10));
        args.NaprMax = uniform(8, 15);
        args.NaprSrg = args.NaprMax * uniform(0.3, 0.9);
        args.Min = 20;
        args.Max = 620;
        args.Step = 40;
        const TWireRec &wire = wires[project % 3];
        SCOPED_TRACE("project " + std::to_string(project));
        ExpectEveryStateWithinItsLimit(Calculate(wire, args), args);
    }
}

// With the minimum temperature equal to the ice temperature l2 is 0: the span of 0 m is a
// slack wire, never an error, and every span has a state.
TEST(GoverningState, ASpanOfZeroIsASlackWire)
{
    CalcArgs args = test::ExampleArgs();
    args.T_Min = args.T_Gsw;
    args.Min = 0;
    const CalcRun run = Calculate(test::ExampleWire(), args);
    EXPECT_EQ(run.l2, 0);
    ASSERT_EQ(run.spans[1], 0);
    for (int mode = 1; mode <= DesignModeCount; ++mode) {
        EXPECT_GE(run.stress[mode - 1][1], 0);
        EXPECT_EQ(run.sag[mode - 1][1], 0);
        EXPECT_GT(run.stress[mode - 1][2], 0);
    }
    ExpectEveryStateWithinItsLimit(run, args);
    EXPECT_EQ(SolveState(-3, 0), 0);
}

} // namespace
} // namespace velmora
