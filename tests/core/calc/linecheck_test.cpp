#include "calc/linecheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

// γ = 3.5E-3 daN/(m·mm²) at σ = 7 daN/mm² gives k = γ/(2σ) = 2.5E-4 1/m; at σ = 14 half that.
constexpr HangingState Design {7.0, 3.5e-3};
constexpr HangingState Cold {14.0, 3.5e-3};

struct SpanCase
{
    const char *name;
    std::vector<GroundPoint> ground;
    std::vector<Crossing> crossings;
    SpanEnd a, b;
    double required; // m, C
    double clearance, at; // expected, solved by hand
    double dh;
    bool ok;
    std::vector<double> crossingDistances;
};

// Every case solved by hand from y(x) = ya + (yb − ya)(x − xa)/l − k(x − xa)(xb − x).
TEST(LineCheck, SpansOfHandSolvedCases)
{
    const std::vector<GroundPoint> level {{0, 100}, {300, 100}};
    const std::vector<SpanCase> cases {
        // Level: the least distance is at mid-span, H − γl²/(8σ) = 20 − 5.625.
        {"level", level, {}, {0, 20}, {300, 20}, 7, 14.375, 150, 0, true, {}},
        {"level below C", level, {}, {0, 20}, {300, 20}, 15, 14.375, 150, 0, false, {}},
        // Ground rising 0.4 m/m with the wire 20 m above both ends: the wire's low point
        // 100 − 80/(2k·200) = −700 lies outside the span, the least distance
        // 20 − k·100·100 = 17.5 still at mid-span.
        {"inclined", {{0, 100}, {200, 180}}, {}, {0, 20}, {200, 20}, 7, 17.5, 100, 80, true, {}},
        // A flat-floored valley 3 m deep, shallower than the sag: the least distance is on
        // its floor, 120 − 5.625 − 97; a deep V valley leaves it at the tower, H.
        {"valley",
         {{0, 100}, {100, 97}, {200, 97}, {300, 100}},
         {},
         {0, 20},
         {300, 20},
         7,
         17.375,
         150,
         0,
         true,
         {}},
        {"deep valley",
         {{0, 100}, {100, 70}, {300, 100}},
         {},
         {0, 20},
         {300, 20},
         7,
         20,
         0,
         0,
         true,
         {}},
        // A road at x = 100 with its top at 108: the wire is at 115, 7 m above it; a top at
        // 109 leaves 6 m against the 7 m asked; one beyond the span is not this span's.
        {"crossing",
         level,
         {{100, 108, 7, "road"}, {100, 109, 7, "higher road"}, {400, 150, 7, "beyond"}},
         {0, 20},
         {300, 20},
         7,
         14.375,
         150,
         0,
         false,
         {7, 6}},
    };
    for (const SpanCase &c : cases) {
        SCOPED_TRACE(c.name);
        const SpanCheck check = CheckSpan(c.ground, c.crossings, c.a, c.b, Design, c.required);
        EXPECT_NEAR(check.length, c.b.station - c.a.station, 1e-12);
        EXPECT_NEAR(check.dh, c.dh, 1e-9);
        EXPECT_NEAR(check.ground.clearance, c.clearance, 1e-9);
        EXPECT_NEAR(check.ground.at, c.at, 1e-9);
        EXPECT_EQ(check.ok, c.ok);
        ASSERT_EQ(check.crossings.size(), c.crossingDistances.size());
        for (std::size_t i = 0; i < check.crossings.size(); ++i) {
            EXPECT_EQ(check.crossings[i].crossing, i);
            EXPECT_NEAR(check.crossings[i].distance, c.crossingDistances[i], 1e-9);
            EXPECT_EQ(check.crossings[i].ok, c.crossingDistances[i] >= 7);
        }
    }
}

// Three towers on level ground at 0, 300 and 600, the middle one 15 m lower. In the design
// state the low points are at 150 ± 15/(2k·300) = 250 and 350: weight span 100. In the cold
// (k halved) they move to 350 and 250: −100, the wire lifts the middle tower.
LineProfile UpliftLine()
{
    LineProfile line;
    line.ground = {{0, 100}, {600, 100}};
    line.types = {{"end", 40, 2, 400, 600, -200}, {"inner", 25, 1, 400, 600, 0}};
    line.towers = {{0, 0}, {300, 1}, {600, 0}};
    line.crossings = {{300, 100, 7, "on the tower"}};
    return line;
}

TEST(LineCheck, WindAndWeightSpansWithUpliftInTheCold)
{
    const LineProfile line = UpliftLine();
    const LineConditions conditions {7, 300, Design, Cold, 7};
    const LineCheck check = CheckLine(line, conditions, 300, Design.sigma, Lang::English);
    ASSERT_EQ(check.towers.size(), 3u);
    EXPECT_FALSE(check.towers[0].inner);
    EXPECT_TRUE(check.towers[0].ok);
    EXPECT_NEAR(check.towers[0].attachment, 140, 1e-12);
    const LineTowerResult &middle = check.towers[1];
    EXPECT_TRUE(middle.inner);
    EXPECT_NEAR(middle.spans.wind, 300, 1e-9);
    EXPECT_NEAR(middle.spans.weight, 100, 1e-9);
    EXPECT_NEAR(middle.spans.weightCold, -100, 1e-9);
    EXPECT_TRUE(middle.spans.windOk);
    EXPECT_TRUE(middle.spans.weightOk);
    EXPECT_FALSE(middle.spans.weightColdOk);
    ASSERT_EQ(check.violations.size(), 1u);
    EXPECT_EQ(check.violations[0], "Tower 2: weight span in the cold -100 m, outside 0 … 600 m");
    // The crossing on the middle tower is under both spans and counted once, under the first.
    ASSERT_EQ(check.crossings.size(), 1u);
    EXPECT_EQ(check.crossings[0].span, 0u);
    EXPECT_NEAR(check.crossings[0].check.distance, 25, 1e-9);
}

TEST(LineCheck, WindSpanAndWeightSpanLimitsOfAType)
{
    LineProfile line = UpliftLine();
    line.types[1].maxWindSpan = 299;
    line.types[1].maxWeightSpan = 99;
    const LineCheck check
        = CheckLine(line, {7, 300, Design, Design, 7}, 300, Design.sigma, Lang::English);
    EXPECT_FALSE(check.towers[1].spans.windOk);
    EXPECT_FALSE(check.towers[1].spans.weightOk);
    EXPECT_FALSE(check.towers[1].ok);
    ASSERT_EQ(check.violations.size(), 3u); // wind, weight, and the same weight in "the cold"
    EXPECT_EQ(check.violations[0], "Tower 2: wind span 300 m, above 299 m");
}

TEST(LineCheck, RulingStressFailureComesFirst)
{
    // Two level spans of 300 m, wire 20 m up: 14.375 m with σ = 7. With the ruling stress 3.5
    // (k doubled) the clearance is 20 − 11.25 = 8.75: below C = 10 only there.
    LineProfile line = UpliftLine();
    line.types[1].height = 40;
    line.crossings.clear();
    const LineCheck check = CheckLine(line, {7, 300, Design, Cold, 10}, 300, 3.5, Lang::English);
    ASSERT_EQ(check.spans.size(), 2u);
    EXPECT_NEAR(check.spans[0].design.ground.clearance, 40 - 5.625, 1e-9);
    EXPECT_TRUE(check.spans[0].design.ok);
    EXPECT_NEAR(check.spans[0].ruling.clearance, 40 - 11.25, 1e-9);

    line.types[0].height = 20;
    line.types[1].height = 20;
    const LineCheck low = CheckLine(line, {7, 300, Design, Cold, 10}, 300, 3.5, Lang::English);
    EXPECT_TRUE(low.spans[0].design.ok);
    EXPECT_FALSE(low.spans[0].rulingOk);
    ASSERT_EQ(low.violations.size(), 2u);
    EXPECT_EQ(low.violations[0],
              "Span 1–2: with the ruling span's stress 3.5 daN/mm² the clearance is 8.75 m at "
              "150 m, below 10 m (passes with the template's)");
    EXPECT_FALSE(low.ok());
    // In the N/kN units the stress is worded ×10 with its unit; the numbers stay in daN/mm².
    const LineCheck newtons = CheckLine(line, {7, 300, Design, Cold, 10}, 300, 3.51234,
                                        Lang::Russian, UnitFactors {10, 0.01});
    EXPECT_TRUE(newtons.violations[0].starts_with(
        "Пролёт 1–2: при напряжении приведённого пролёта 35.123 Н/мм² габарит"))
        << newtons.violations[0];
    EXPECT_EQ(newtons.rulingStress, 3.51234);
}

TEST(LineCheck, TowerInAForbiddenStretch)
{
    LineProfile line = UpliftLine();
    line.forbidden = {{100, 200}, {300, 350}}; // the middle tower on the edge of the second
    const LineCheck check
        = CheckLine(line, {7, 300, Design, Design, 7}, 300, Design.sigma, Lang::English);
    EXPECT_FALSE(check.towers[1].ok);
    EXPECT_TRUE(check.towers[0].ok);
    ASSERT_EQ(check.violations.size(), 1u);
    EXPECT_EQ(check.violations[0], "Tower 2 stands in the forbidden stretch 300 … 350 m");
}

TEST(LineCheck, FewerThanTwoTowersAreRefused)
{
    LineProfile line = UpliftLine();
    line.towers.resize(1);
    EXPECT_ANY_THROW(SpanLengths(line));
    EXPECT_ANY_THROW(CheckLine(line, {7, 300, Design, Cold, 7}, 300, 7, Lang::English));
}

} // namespace
} // namespace velmora
