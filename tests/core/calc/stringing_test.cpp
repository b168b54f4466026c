#include "calc/project_args.h"
#include "calc/results.h"
#include "calc/solver.h"
#include "calc/stringing.h"
#include "catalogue/wires.h"
#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "l10n/localization.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The shipped example project and its wire АС 70/11 from the source of the shipped catalogue
// (UTF-8 text, as the build converts it).
class StringingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string share = std::string(VELMORA_SOURCE_DIR) + "/share/";
        LoadProject(share + "examples/example.vlp", project);
        const std::string catalogue = share + "catalogue/wires.txt";
        for (const TWireRec &w : ReadCatalogueText(catalogue).wires) {
            if (w.Name == project.Dat.Provod)
                wire = w;
        }
        ASSERT_EQ(wire.Name, "АС 70/11");
    }

    // The loads and critical spans of project, as the stringing tables take them.
    void Basis()
    {
        args = CalcArgsOf(project.Dat, wire);
        ASSERT_EQ(CalcStringingBasis(project, wire, args, Lang::English, run), CalcOutcome::Done);
    }

    StringingTable Table(const TSection &section, Lang language = Lang::English)
    {
        return CalcStringing(run, args, section, language);
    }

    static TSection Section(std::vector<double> spans, double from = -40, double to = 40,
                            double step = 10)
    {
        TSection section;
        section.Name = "АУ";
        section.Spans = std::move(spans);
        section.TFrom = from;
        section.TTo = to;
        section.TStep = step;
        return section;
    }

    TProject project;
    TWireRec wire;
    CalcArgs args;
    CalcRun run;
};

TEST(ReducedSpanTest, CubesOverSpans)
{
    EXPECT_EQ(ReducedSpan(std::vector<double> {150}), 150);
    EXPECT_NEAR(ReducedSpan(std::vector<double> {100, 200}), std::sqrt(30000.0), 1e-12);
    EXPECT_NEAR(ReducedSpan(std::vector<double> {120, 150, 180, 160, 135}), 153.2265, 5e-5);
    EXPECT_THROW(ReducedSpan(std::vector<double> {}), Error);
}

// The section of the shipped example project share/examples/example.vlp (АС 70/11 of the
// shipped catalogue; spans 120, 150, 180, 160, 135 m). The values were checked by hand and by
// an independent solution of the change-of-state equation (Newton's method) from the loads
// "velmora-calc calc" prints, as tests/cli/check_stringing.py does.
TEST_F(StringingTest, WorkedExampleOfTheShippedProject)
{
    Basis();
    ASSERT_EQ(project.Sections.Count(), 1);
    const TSection &section = project.Sections.Items(0);
    const StringingTable t = Table(section);
    EXPECT_NEAR(t.reducedSpan, 153.2265, 5e-5);
    EXPECT_EQ(t.state, StateMaxLoad);
    EXPECT_TRUE(t.warning.empty());
    EXPECT_EQ(t.temperatures, (std::vector<double> {-40, -30, -20, -10, 0, 10, 20, 30, 40}));

    struct Row
    {
        std::size_t k; // index of the temperature
        double stress, tension, sagReduced;
        std::vector<double> sags;
    };
    const Row rows[] = {
        {0, 3.6018, 285.62, 2.8372, {1.7399, 2.7189, 3.9160, 3.0937, 2.2022}},
        {4, 2.7411, 217.37, 3.7293, {2.2866, 3.5738, 5.1479, 4.0666, 2.8943}},
        {8, 2.2755, 180.44, 4.4941, {2.7551, 4.3066, 6.2045, 4.9007, 3.4876}},
    };
    ASSERT_EQ(t.sags.size(), 5u);
    for (const Row &row : rows) {
        SCOPED_TRACE(t.temperatures[row.k]);
        EXPECT_NEAR(t.stress[row.k], row.stress, 5e-5);
        EXPECT_NEAR(t.tension[row.k], row.tension, 5e-3);
        EXPECT_NEAR(t.sagReduced[row.k], row.sagReduced, 5e-5);
        for (std::size_t i = 0; i < 5; ++i) {
            ASSERT_EQ(t.sags[i].size(), 9u);
            EXPECT_NEAR(t.sags[i][row.k], row.sags[i], 5e-5) << "span " << i + 1;
        }
    }
    for (std::size_t k = 0; k < t.temperatures.size(); ++k)
        EXPECT_EQ(t.tension[k], t.stress[k] * 79.3);
}

// A section of one span is a span of the range: the same state, stress and sag as the
// calculation gives in the design modes of the same temperature under the own weight
// (modes 6 and 7 at T_Min −40 and T_Max 40, modes 11 to 17 at 30 down to −30 °C). Without
// ice the critical spans come in the order l1 < l2 < l3, so the three spans below fall under
// each of the three initial states.
TEST_F(StringingTest, ASingleSpanIsASpanOfTheRangeInEachInitialState)
{
    project.Dat.Tols = 0;
    Basis();
    CalcArgs rangeArgs = args;
    rangeArgs.Min = 50;
    rangeArgs.Max = 300;
    rangeArgs.Step = 25;
    CalcRun range;
    ASSERT_EQ(CalcProject(project, wire, CalcPurpose::Full, rangeArgs, Lang::English, range),
              CalcOutcome::Done);
    EXPECT_LT(range.l1, range.l2);
    EXPECT_LT(range.l2, range.l3);

    const int modeOfTemperature[] = {6, 17, 16, 15, 14, 13, 12, 11, 7}; // −40 … 40 by 10
    struct Case
    {
        double span;
        std::size_t index; // in range.spans
        InitialState state;
    };
    for (const Case &c :
         {Case {150, 5, StateMinTemp}, Case {200, 7, StateAvgTemp}, Case {250, 9, StateMaxLoad}}) {
        SCOPED_TRACE(c.span);
        ASSERT_EQ(range.spans[c.index], c.span);
        EXPECT_EQ(range.state[c.index], c.state);
        const StringingTable t = Table(Section({c.span}));
        EXPECT_EQ(t.reducedSpan, c.span);
        EXPECT_EQ(t.state, c.state);
        ASSERT_EQ(t.stress.size(), 9u);
        for (std::size_t k = 0; k < 9; ++k) {
            const int mode = modeOfTemperature[k];
            ASSERT_EQ(range.modes[mode - 1].temperature, t.temperatures[k]);
            EXPECT_EQ(t.stress[k], range.stress[mode - 1][c.index]) << "mode " << mode;
            EXPECT_EQ(t.sagReduced[k], range.sag[mode - 1][c.index]) << "mode " << mode;
            EXPECT_EQ(t.sags[0][k], t.sagReduced[k]);
        }
    }
    // Each initial state gives back its own stress at its own temperature (to the solver's
    // bracket): σmax at T_Min −40 °C, σavg at T_Srg 0 °C.
    EXPECT_NEAR(Table(Section({150})).stress[0], 13, 5e-5);
    EXPECT_NEAR(Table(Section({200})).stress[4], 8, 5e-5);
}

// The maximum wind blowing at the minimum temperature: a wire strung from the minimum
// temperature (state 2, σmax at −40 °C under its own weight) goes above σmax in mode 3 there.
// A section's marks are those of the full calculation at a span of the range equal to its l_r.
TEST_F(StringingTest, OverLimitsAreThoseOfTheRangeAtTheReducedSpan)
{
    project.Dat.Tols = 0;
    project.Dat.Tvmax = -40;
    Basis();
    CalcArgs rangeArgs = args;
    rangeArgs.Min = 50;
    rangeArgs.Max = 300;
    rangeArgs.Step = 25;
    CalcRun range;
    ASSERT_EQ(CalcProject(project, wire, CalcPurpose::Full, rangeArgs, Lang::English, range),
              CalcOutcome::Done);
    const CalcResults results = ResultsOf(range, CalcOutcome::Done, rangeArgs);
    bool anyOver = false;
    for (double span = 50; span <= 300; span += 25) {
        SCOPED_TRACE(span);
        std::vector<OverLimit> expected;
        for (const OverLimit &over : results.overLimits) {
            if (over.span == span)
                expected.push_back(over);
        }
        const StringingTable t = Table(Section({span}));
        ASSERT_EQ(t.overLimits.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(t.overLimits[i].mode, expected[i].mode);
            EXPECT_EQ(t.overLimits[i].span, span);
            EXPECT_NEAR(t.overLimits[i].stress, expected[i].stress, 1e-9);
            EXPECT_EQ(t.overLimits[i].limit, expected[i].limit);
        }
        anyOver = anyOver || !expected.empty();
    }
    EXPECT_TRUE(anyOver);
    const StringingTable state2 = Table(Section({150}));
    ASSERT_EQ(state2.state, StateMinTemp);
    ASSERT_FALSE(state2.overLimits.empty());
    EXPECT_EQ(state2.overLimits.front().mode, 3);
    EXPECT_EQ(state2.overLimits.front().limit, 13);
    // The example as shipped strains no mode beyond its limit.
    project.Dat.Tvmax = -5;
    project.Dat.Tols = 15;
    Basis();
    EXPECT_TRUE(Table(Section({120, 150, 180, 160, 135})).overLimits.empty());
}

TEST_F(StringingTest, TheSectionTakesTheStateOfItsReducedSpan)
{
    Basis(); // l2 77.09 m: min temperature up to it, maximum load above
    EXPECT_NEAR(run.l2, 77.095, 5e-4);
    const StringingTable across = Table(Section({60, 100}));
    EXPECT_EQ(across.reducedSpan, std::sqrt(7600.0)); // 87.18 m
    EXPECT_EQ(across.state, StateMaxLoad) << "60 m alone is governed by the minimum temperature";
    EXPECT_EQ(Table(Section({60})).state, StateMinTemp);
    EXPECT_EQ(Table(Section({70, 75})).state, StateMinTemp);
}

TEST_F(StringingTest, TemperaturesOfTheSection)
{
    Basis();
    const StringingTable t = Table(Section({150}, -40, 40, 15));
    EXPECT_EQ(t.temperatures, (std::vector<double> {-40, -25, -10, 5, 20, 35, 40}));
    for (std::size_t k = 1; k < t.temperatures.size(); ++k) {
        EXPECT_LT(t.stress[k], t.stress[k - 1]) << "the wire slackens as it warms";
        EXPECT_GT(t.sagReduced[k], t.sagReduced[k - 1]);
    }
}

// T_Min equal to T_Gsw: l1 has no real value, l2 is 0 and l3 68.67 m; the critical spans
// propose no state below l3, yet one state always governs.
TEST_F(StringingTest, ImaginaryCriticalSpanStillHasAGoverningState)
{
    project.Dat.T_Min = project.Dat.T_Gsw;
    Basis();
    EXPECT_TRUE(IsImaginarySpan(run.l1));
    EXPECT_EQ(run.l2, 0);
    EXPECT_NEAR(run.l3, 68.6709, 5e-5);

    const StringingTable governed = Table(Section({100, 120}));
    EXPECT_EQ(governed.state, StateMaxLoad);
    EXPECT_EQ(governed.stress.size(), 9u);

    const StringingTable shorter = Table(Section({50, 60}));
    EXPECT_NE(shorter.state, NoState);
    EXPECT_TRUE(shorter.warning.empty());
    EXPECT_NEAR(shorter.reducedSpan, 55.6776, 5e-5);
    EXPECT_EQ(shorter.stress.size(), 9u);
    EXPECT_LE(LargestExcess(InitialStatesOf(run, args), shorter.state, shorter.reducedSpan),
              StressLimitTolerance);
}

TEST_F(StringingTest, TheBasisIsTheCalculationWithoutModesAndSpanRange)
{
    // The span range and the design modes of the project do not matter to a section.
    project.Dat.Shag = 0;
    project.Dat.Max_Prol = 1e6;
    Basis();
    EXPECT_TRUE(run.calculated);
    EXPECT_TRUE(run.takenModes.empty());

    CalcArgs rangeArgs = args;
    rangeArgs.Min = 50;
    rangeArgs.Max = 300;
    rangeArgs.Step = 25;
    CalcRun full;
    ASSERT_EQ(CalcProject(project, wire, CalcPurpose::Full, rangeArgs, Lang::English, full),
              CalcOutcome::Done);
    EXPECT_EQ(run.loads.g1, full.loads.g1);
    EXPECT_EQ(run.loads.gmax, full.loads.gmax);
    EXPECT_EQ(run.l1, full.l1);
    EXPECT_EQ(run.l2, full.l2);
    EXPECT_EQ(run.l3, full.l3);
}

TEST_F(StringingTest, Refusals)
{
    project.Dat.Napr_srg = project.Dat.Napr_Max;
    args = CalcArgsOf(project.Dat, wire);
    ASSERT_EQ(CalcStringingBasis(project, wire, args, Lang::English, run),
              CalcOutcome::CheckFailed);
    EXPECT_EQ(run.warning,
              "Tension at average annual temperature equals maximum permissible "
              "tension,\r\ncalculation is impossible!");
    EXPECT_FALSE(run.calculated);
    EXPECT_THROW(Table(Section({150})), Error) << "no loads and critical spans to start from";

    project.Dat.Napr_srg = 8;
    Basis();
    try {
        Table(Section({150, 2500}), Lang::English);
        ADD_FAILURE() << "a span above 2000 m was taken";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(),
                     "Span 2 of anchor section \"АУ\" is 2500 m; a span must be above "
                     "0 and at most 2000 m");
    }
    EXPECT_THROW(Table(Section({150}, 40, -40, 10)), Error);

    TWireRec noModulus = wire;
    noModulus.Modl = 0;
    EXPECT_THROW(CalcStringingBasis(project, noModulus, args, Lang::English, run), Error);
}

} // namespace
} // namespace velmora
