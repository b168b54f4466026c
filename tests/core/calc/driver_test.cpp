#include "calc/driver.h"
#include "worked_example.h"

#include "common/error.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace velmora {
namespace {

class CalcProjectTest : public ::testing::Test
{
protected:
    void SetUp() override { args = test::ExampleArgs(); }

    CalcOutcome Run(CalcPurpose purpose = CalcPurpose::Full, int templateMode = 0)
    {
        return CalcProject(project, test::ExampleWire(), purpose, args, Lang::English, run,
                           templateMode);
    }

    std::string RunError(CalcPurpose purpose = CalcPurpose::Full)
    {
        try {
            Run(purpose);
        } catch (const Error &e) {
            return e.what();
        }
        return "no error";
    }

    TProject project;
    CalcArgs args;
    CalcRun run;
};

TEST_F(CalcProjectTest, FullRangeOfTheWorkedExample)
{
    ASSERT_EQ(Run(), CalcOutcome::Done);
    EXPECT_EQ(run.n, 10);
    ASSERT_EQ(run.spans.size(), 11u);
    EXPECT_NEAR(run.spans[0], 26.3157, 5E-5);
    EXPECT_EQ(run.spans[1], 10);
    EXPECT_EQ(run.spans[10], 100);
    EXPECT_EQ(run.Ki, 1);
    EXPECT_EQ(run.Kd, 1);
    EXPECT_EQ(run.b, 20);
    EXPECT_EQ(run.Kw, 1);
    EXPECT_EQ(run.Cx, 1.2);
    EXPECT_NEAR(run.l1, 117.869, 5E-4);
    EXPECT_NEAR(run.l3, 20.5526, 5E-5);
    const std::vector<InitialState> expectedStates
        = {StateMinTemp, StateMinTemp, StateMinTemp, StateMaxLoad, StateMaxLoad, StateMaxLoad,
           StateMaxLoad, StateMaxLoad, StateMaxLoad, StateMaxLoad, StateMaxLoad};
    EXPECT_EQ(run.state, expectedStates);
    EXPECT_NEAR(run.stress[0][0], 9.00002, 5E-5);
    EXPECT_NEAR(run.sag[0][0], 0.4726, 5E-5);
    EXPECT_NEAR(run.stress[6][10], 0.63483, 5E-5);
    EXPECT_NEAR(run.sag[6][10], 6.8186, 5E-5);
    std::vector<int> everyMode(17);
    std::iota(everyMode.begin(), everyMode.end(), 1);
    EXPECT_EQ(run.takenModes, everyMode);
}

TEST_F(CalcProjectTest, LastSpanIsTheLastWholeStep)
{
    args.Max = 95;
    ASSERT_EQ(Run(), CalcOutcome::Done);
    EXPECT_EQ(run.n, 9);
    EXPECT_EQ(run.spans.back(), 90);
}

TEST_F(CalcProjectTest, OneSpanCalculatesNothing)
{
    for (double max : {50.0, 59.0}) {
        args.Min = 50;
        args.Max = max;
        ASSERT_EQ(Run(), CalcOutcome::Done);
        EXPECT_EQ(run.n, 1);
        EXPECT_FALSE(run.calculated);
        EXPECT_TRUE(run.spans.empty());
        EXPECT_TRUE(run.takenModes.empty());
        EXPECT_EQ(run.b, 20);
    }
}

TEST_F(CalcProjectTest, RefusedSpanRangesAreErrors)
{
    struct Case
    {
        double min, max, step;
        std::string message;
    } cases[] = {
        {10, 100, 0, "The change step of the spans must be greater than 0."},
        {10, 100, -10, "The change step of the spans must be greater than 0."},
        {100, 80, 10, "The minimum span must not be greater than the maximum span."},
        {100, 40, 10, "The minimum span must not be greater than the maximum span."},
        {0, 6010, 10,
         "One calculation should not be performed for more than 600 researched spans."},
        {0, std::numeric_limits<double>::infinity(), 10, "Max_Prol is not a finite number"},
    };
    for (const Case &c : cases) {
        args.Min = c.min;
        args.Max = c.max;
        args.Step = c.step;
        EXPECT_EQ(RunError(), c.message);
    }
    args.Min = 10;
    args.Max = 6010;
    args.Step = 10;
    ASSERT_EQ(Run(), CalcOutcome::Done); // exactly 600 steps pass
    EXPECT_EQ(run.n, 601);
}

// The refusals in Russian, as velmora-calc --lang ru and the Russian window show them.
TEST(SpanRangeRefusal, InBothLanguages)
{
    struct Case
    {
        double min, max, step;
        const char *english, *russian;
    } const cases[] = {
        {10, 100, 0, "The change step of the spans must be greater than 0.",
         "Шаг изменения пролётов должен быть больше 0."},
        {100, 40, 10, "The minimum span must not be greater than the maximum span.",
         "Минимальный пролёт не должен быть больше максимального."},
        {0, 6010, 10, "One calculation should not be performed for more than 600 researched spans.",
         "Один расчёт - не более 600 исследуемых пролётов."},
        {10, 6010, 10, "", ""},
        {50, 50, 10, "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SpanRangeRefusal(c.min, c.max, c.step, Lang::English), c.english);
        EXPECT_EQ(SpanRangeRefusal(c.min, c.max, c.step, Lang::Russian), c.russian);
    }
    CalcArgs args = test::ExampleArgs();
    args.VMax = std::numeric_limits<double>::quiet_NaN();
    try {
        CheckCalcArgs(args, Lang::Russian);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "VMax не является конечным числом");
    }
}

TEST_F(CalcProjectTest, ClearanceModesOnly)
{
    project.Dat.RegimeFlags.fill(false);
    project.Dat.RegimeFlags[1] = project.Dat.RegimeFlags[6] = true;
    ASSERT_EQ(Run(), CalcOutcome::Done);
    EXPECT_EQ(run.takenModes, (std::vector<int> {2, 7}));
    EXPECT_EQ(run.stress[0], std::vector<double>(11, 0.0)); // mode 1 not taken
    EXPECT_GT(run.stress[6][1], 0);
}

TEST_F(CalcProjectTest, TemplatePurposeComputesOneMode)
{
    args.Min = 119;
    args.Max = 120;
    args.Step = 1;
    ASSERT_EQ(Run(CalcPurpose::Template, 7), CalcOutcome::Done);
    EXPECT_EQ(run.n, 2);
    EXPECT_EQ(run.spans, (std::vector<double> {run.l2, 119, 120}));
    EXPECT_EQ(run.takenModes, std::vector<int> {7});
    EXPECT_EQ(run.TemplateGamma, run.loads.g1);
    EXPECT_EQ(run.TemplateNapr, run.stress[6][2]);
    EXPECT_GT(run.TemplateNapr, 0);
    EXPECT_EQ(run.stress[0][2], 0);
    EXPECT_THROW(Run(CalcPurpose::Template, 0), Error);
    EXPECT_THROW(Run(CalcPurpose::Template, 18), Error);
}

TEST_F(CalcProjectTest, FailedCheckStopsWithItsWarning)
{
    args.NaprSrg = args.NaprMax;
    ASSERT_EQ(Run(), CalcOutcome::CheckFailed);
    EXPECT_EQ(run.warning,
              "Tension at average annual temperature equals maximum permissible "
              "tension,\r\ncalculation is impossible!");
    EXPECT_FALSE(run.calculated);
    EXPECT_TRUE(run.takenModes.empty());
}

TEST_F(CalcProjectTest, AWireMissingFromTheCatalogueIsAnArithmeticError)
{
    const TWireRec missing; // the empty record the caller passes for it
    try {
        CalcProject(project, missing, CalcPurpose::Full, args, Lang::English, run);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Division by zero: the wire's cross-section is 0");
    }
}

TEST_F(CalcProjectTest, NoIceAndNoWindIsAnArithmeticError)
{
    args.Tols = 0;
    args.Vgol = 0;
    args.VMax = 0;
    EXPECT_EQ(RunError(),
              "Division by zero: the largest load equals the own weight, no ice and "
              "no wind (critical span l2)");
}

TEST_F(CalcProjectTest, EverySpanIsGovernedWhateverTheOrder)
{
    args.T_Min = -5; // l2 = 0, l1 imaginary: neither order of the critical spans
    ASSERT_EQ(Run(), CalcOutcome::Done);
    EXPECT_EQ(run.l1, ImaginarySpan);
    EXPECT_EQ(run.l2, 0);
    for (std::size_t i = 1; i < run.spans.size(); ++i) {
        EXPECT_NE(run.state[i], NoState);
        for (int k = 0; k < DesignModeCount; ++k)
            EXPECT_GT(run.stress[k][i], 0);
    }
}

} // namespace
} // namespace velmora
