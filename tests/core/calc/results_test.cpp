#include "calc/results.h"
#include "worked_example.h"

#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// The model holds exactly what the run computed (the numbers velmora-calc's JSON and the report
// are written from), the forces as stress times the cross-section.
void ExpectModelOfRun(const CalcResults &r, const CalcRun &run)
{
    ASSERT_EQ(r.status, ResultsStatus::Calculated);
    EXPECT_EQ(r.wire, run.wire);
    EXPECT_EQ(r.Ki, run.Ki);
    EXPECT_EQ(r.Kd, run.Kd);
    EXPECT_EQ(r.b, run.b);
    EXPECT_EQ(r.Kw, run.Kw);
    EXPECT_EQ(r.Cx, run.Cx);
    EXPECT_EQ(r.loads.g7, run.loads.g7);
    EXPECT_EQ(r.loads.P1, run.loads.P1);
    EXPECT_EQ(r.l2, run.l2);
    EXPECT_EQ(r.spans, run.spans);
    EXPECT_EQ(r.state, run.state);
    ASSERT_EQ(r.taken.size(), run.takenModes.size());
    for (std::size_t k = 0; k < r.taken.size(); ++k) {
        const ModeResults &m = r.taken[k];
        EXPECT_EQ(m.mode, run.takenModes[k]);
        EXPECT_EQ(m.conditions.temperature, run.modes[m.mode - 1].temperature);
        EXPECT_EQ(m.conditions.load, run.modes[m.mode - 1].load);
        EXPECT_EQ(m.stress, run.stress[m.mode - 1]);
        EXPECT_EQ(m.sag, run.sag[m.mode - 1]);
        ASSERT_EQ(m.force.size(), m.stress.size());
        for (std::size_t i = 0; i < m.force.size(); ++i)
            EXPECT_EQ(m.force[i], m.stress[i] * run.wire.Sech);
    }
}

class ResultsTest : public ::testing::Test
{
protected:
    CalcResults Calculate(Lang lang = Lang::English)
    {
        const CalcOutcome outcome
            = CalcProject(project, test::ExampleWire(), CalcPurpose::Full, args, lang, run);
        const CalcResults results = ResultsOf(run, outcome, args);
        // The one-call form gives the same.
        const CalcResults direct = CalculateResults(project, test::ExampleWire(), args, lang);
        EXPECT_EQ(direct.spans, results.spans);
        EXPECT_EQ(direct.failure, results.failure);
        return results;
    }

    TProject project;
    CalcArgs args = test::ExampleArgs();
    CalcRun run;
};

// The worked example of the engine tests (critical spans and stresses from its hand solution):
// reverse order, state 2 up to l2 = 26.3157 m, state 3 beyond.
TEST_F(ResultsTest, WorkedExample)
{
    const CalcResults r = Calculate();
    ExpectModelOfRun(r, run);
    ASSERT_TRUE(r.l1.has_value());
    EXPECT_NEAR(*r.l1, 117.869, 5E-4);
    EXPECT_NEAR(r.l2, 26.3157, 5E-5);
    ASSERT_TRUE(r.l3.has_value());
    EXPECT_NEAR(*r.l3, 20.5526, 5E-5);
    EXPECT_EQ(r.order, SpanOrder::Reverse);
    EXPECT_EQ(r.sigmaMax, args.NaprMax);
    EXPECT_EQ(r.sigmaAvg, args.NaprSrg);
    ASSERT_EQ(r.ranges.size(), 2u);
    EXPECT_EQ(r.ranges[0].from_m, 10);
    EXPECT_EQ(r.ranges[0].to_m, 20);
    EXPECT_EQ(r.ranges[0].state, StateMinTemp);
    EXPECT_EQ(r.ranges[1].from_m, 30);
    EXPECT_EQ(r.ranges[1].to_m, 100);
    EXPECT_EQ(r.ranges[1].state, StateMaxLoad);

    const ModeResults *seven = r.Mode(7);
    ASSERT_NE(seven, nullptr);
    EXPECT_NEAR(seven->stress[0], 0.69506, 5E-5); // at l2
    EXPECT_NEAR(seven->sag[0], 0.4288, 5E-5);
    EXPECT_NEAR(seven->stress[10], 0.63483, 5E-5); // at 100 m
    EXPECT_NEAR(seven->sag[10], 6.8186, 5E-5);
    EXPECT_NEAR(seven->force[10], 0.63483 * 43, 5E-5 * 43);
    // l1 lies beyond the last span, l2 and l3 inside the range.
    EXPECT_EQ(r.CriticalSpansInRange(), (std::vector<double> {r.l2, *r.l3}));
    EXPECT_TRUE(r.failure.empty());
}

// T_Min = T_Gsw: l1 imaginary, l2 = 0, l3 = 20.5526 m; an order that is neither normal nor
// reverse, so 10 and 20 m are governed by no state and keep 0.
TEST_F(ResultsTest, ImaginarySpanAndSpansTheOrderLeavesOpen)
{
    args.T_Min = -5;
    args.T_Gsw = -5;
    const CalcResults r = Calculate();
    ExpectModelOfRun(r, run);
    EXPECT_FALSE(r.l1.has_value());
    EXPECT_EQ(r.l2, 0);
    ASSERT_TRUE(r.l3.has_value());
    EXPECT_NEAR(*r.l3, 20.5526, 5E-5);
    EXPECT_EQ(r.order, SpanOrder::Other);
    // The order proposes no state below l3; the spans there still get one.
    ASSERT_FALSE(r.ranges.empty());
    EXPECT_NE(r.ranges[0].state, NoState);
    EXPECT_EQ(r.ranges.back().state, StateMaxLoad);
    EXPECT_GE(r.ranges.back().from_m, *r.l3);
    EXPECT_GT(r.Mode(1)->stress[1], 0);
    // l2 = 0 lies below the first span; the imaginary l1 is never a marker.
    EXPECT_EQ(r.CriticalSpansInRange(), std::vector<double> {*r.l3});
}

TEST_F(ResultsTest, TakenModesAreThoseOfTheProject)
{
    project.Dat.RegimeFlags.fill(false);
    project.Dat.RegimeFlags[6] = project.Dat.RegimeFlags[1] = true;
    const CalcResults r = Calculate();
    ExpectModelOfRun(r, run);
    ASSERT_EQ(r.taken.size(), 2u);
    EXPECT_EQ(r.taken[0].mode, 2);
    EXPECT_EQ(r.taken[1].mode, 7);
    EXPECT_EQ(r.Mode(1), nullptr);
    EXPECT_NE(r.Mode(7), nullptr);
}

TEST_F(ResultsTest, FailedCheckKeepsItsTextInTheLanguageOfTheRun)
{
    args.NaprSrg = args.NaprMax;
    const CalcResults english = Calculate(Lang::English);
    EXPECT_EQ(english.status, ResultsStatus::CheckFailed);
    EXPECT_EQ(english.failure,
              "Tension at average annual temperature equals maximum permissible "
              "tension,\r\ncalculation is impossible!");
    EXPECT_TRUE(english.spans.empty());
    EXPECT_TRUE(english.taken.empty());
    EXPECT_EQ(english.b, 20);
    const CalcResults russian = Calculate(Lang::Russian);
    EXPECT_EQ(russian.failure, "Напряжение при Тср.г. равно макс. допустимому, расчёт невозможен!");
}

TEST_F(ResultsTest, OneSpanCalculatesNothing)
{
    args.Min = 50;
    args.Max = 55;
    const CalcResults r = Calculate();
    EXPECT_EQ(r.status, ResultsStatus::TooFewSpans);
    EXPECT_EQ(r.b, 20);
    EXPECT_TRUE(r.spans.empty());
    EXPECT_TRUE(r.ranges.empty());
    EXPECT_TRUE(r.CriticalSpansInRange().empty());
}

TEST_F(ResultsTest, RefusalsAreThrownAsByTheEngine)
{
    args.Step = 0;
    EXPECT_THROW(CalculateResults(project, test::ExampleWire(), args, Lang::English), Error);
    args = test::ExampleArgs();
    EXPECT_THROW(CalculateResults(project, TWireRec {}, args, Lang::English), Error);
}

// The order of the critical spans as GoverningState reads it (the spans of the engine's
// worked examples and their mirror images).
TEST(CriticalSpanOrder, NormalReverseAndOther)
{
    struct Case
    {
        double l1, l2, l3;
        SpanOrder order;
    } const cases[] = {
        {50, 80, 120, SpanOrder::Normal},
        {50, 80, ImaginarySpan, SpanOrder::Normal},
        {ImaginarySpan, 80, 120, SpanOrder::Normal},
        {117.869, 26.3157, 20.5526, SpanOrder::Reverse},
        {117.869, 26.3157, ImaginarySpan, SpanOrder::Reverse},
        {ImaginarySpan, 0, 20.5526, SpanOrder::Other},
        {50, 80, 60, SpanOrder::Other},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CriticalSpanOrder(c.l1, c.l2, c.l3), c.order) << c.l1 << " " << c.l2;
}

// The shipped example project with the shipped catalogue: the numbers
// "velmora-calc calc share/examples/example.vlp" prints.
class ExampleProjectResults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!FileExists(std::string(VELMORA_APP_DIR) + "/base_provod.dat"))
            GTEST_SKIP() << "base_provod.dat is not built";
        OpenCatalogue(catalogue, data.Path(), VELMORA_APP_DIR);
        LoadProject(std::string(VELMORA_SOURCE_DIR) + "/share/examples/example.vlp", project);
    }
    TempFolder data;
    TWiresList catalogue;
    TProject project;
};

TEST_F(ExampleProjectResults, AsVelmoraCalcPrintsThem)
{
    const TWireRec wire = catalogue.FindByName(project.Dat.Provod);
    ASSERT_EQ(wire.Name, "АС 70/11");
    const CalcArgs args = CalcArgsOf(project.Dat, wire);
    CalcRun run;
    const CalcResults r = ResultsOf(
        run, CalcProject(project, wire, CalcPurpose::Full, args, Lang::English, run), args);
    ExpectModelOfRun(r, run);
    ASSERT_TRUE(r.l1 && r.l3);
    EXPECT_NEAR(*r.l1, 181.796, 5E-4);
    EXPECT_NEAR(r.l2, 77.0950, 5E-5);
    EXPECT_NEAR(*r.l3, 68.6709, 5E-5);
    EXPECT_EQ(r.order, SpanOrder::Reverse);
    ASSERT_EQ(r.spans.size(), 12u); // l2, then 50, 75, ..., 300 m
    EXPECT_EQ(r.spans.back(), 300);
    ASSERT_EQ(r.ranges.size(), 2u);
    EXPECT_EQ(r.ranges[0].state, StateMinTemp);
    EXPECT_EQ(r.ranges[0].to_m, 75);
    EXPECT_EQ(r.ranges[1].state, StateMaxLoad);
    EXPECT_EQ(r.ranges[1].from_m, 100);
    EXPECT_EQ(r.taken.size(), 17u);
    EXPECT_NEAR(r.Mode(1)->stress[0], 12.99999, 5E-5);
    EXPECT_NEAR(r.Mode(1)->sag[0], 1.24033, 5E-5);
    EXPECT_NEAR(r.Mode(7)->stress[11], 2.13226, 5E-5);
    EXPECT_NEAR(r.Mode(7)->sag[11], 18.4549, 5E-4);
    EXPECT_NEAR(r.Mode(7)->conditions.load, 0.00348045, 5E-9);
    EXPECT_EQ(r.b, 15);
    // l1 = 181.8 m lies in 50..300 m too.
    EXPECT_EQ(r.CriticalSpansInRange().size(), 3u);
}

} // namespace
} // namespace velmora
