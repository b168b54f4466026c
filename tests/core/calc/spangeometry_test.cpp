#include "calc/spangeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

// Hand-solved spans: the clearance of a level span is H − γl²/(8σ) at mid-span; a valley
// shallower than the sag puts the minimum on its floor; an inclined span with a steep rise has its
// low point outside the span.
TEST(SpanGeometry, ClearancesOfHandSolvedSpans)
{
    const double k = CurveParameter(3.5e-3, 7.0); // γ/(2σ) = 2.5e-4 1/m
    const std::vector<GroundPoint> level {{0, 100}, {300, 100}};
    const SpanCurve levelSpan {0, 120, 300, 120, k};
    const SpanClearance mid = ClearanceOver(level, levelSpan);
    EXPECT_NEAR(mid.clearance, 20 - 3.5e-3 * 300 * 300 / (8 * 7.0), 1e-9);
    EXPECT_NEAR(mid.at, 150, 1e-9);

    // A deep V valley: the distance grows into it, so the least is at a tower, H = 20.
    const std::vector<GroundPoint> valley {{0, 100}, {100, 70}, {300, 100}};
    const SpanClearance deep = ClearanceOver(valley, levelSpan);
    EXPECT_NEAR(deep.clearance, 20, 1e-9);
    EXPECT_NEAR(deep.at, 0, 1e-9);
    // A valley 3 m deep with a flat floor from 100 to 200, shallower than the 5.625 m sag:
    // the least is on the floor at mid-span, 120 − 5.625 − 97. On the slope down the
    // stationary point 90 gives 120 − k·90·210 − 97.3 = 17.975, more.
    const std::vector<GroundPoint> floorValley {{0, 100}, {100, 97}, {200, 97}, {300, 100}};
    const SpanClearance floor = ClearanceOver(floorValley, levelSpan);
    EXPECT_NEAR(floor.clearance, 17.375, 1e-9);
    EXPECT_NEAR(floor.at, 150, 1e-9);

    const SpanCurve steep {0, 120, 200, 200, k};
    EXPECT_LT(steep.LowPointStation(), 0);
    EXPECT_NEAR(steep.LowPointStation(), 100 - 80 / (2 * k * 200), 1e-9);
}

TEST(SpanGeometry, ClearanceOnASlopeIsTheStationaryPoint)
{
    // Ground rising 0.1 m/m under a level span: the distance 120 − 0.1x − k x(300 − x) is
    // least where its derivative −0.1 − k(300 − 2x) vanishes.
    const double k = 2.5e-4;
    const std::vector<GroundPoint> slope {{0, 100}, {300, 130}};
    const SpanClearance c = ClearanceOver(slope, {0, 120, 300, 150, k});
    // The wire rises as the ground does, so the least distance is at mid-span.
    EXPECT_NEAR(c.at, 150, 1e-9);
    EXPECT_NEAR(c.clearance, 20 - k * 150 * 150, 1e-9);
    // Under a level wire the stationary point (0.1 + k·300)/(2k) = 350 m lies beyond the
    // span, so the least distance is at the far tower: 120 − 130.
    const SpanClearance tilted = ClearanceOver(slope, {0, 120, 300, 120, k});
    EXPECT_NEAR(tilted.at, 300, 1e-9);
    EXPECT_NEAR(tilted.clearance, -10, 1e-9);
}

TEST(SpanGeometry, GroundOutsideTheProfileIsRefused)
{
    const std::vector<GroundPoint> ground {{0, 0}, {10, 1}};
    EXPECT_NEAR(GroundElevationAt(ground, 5), 0.5, 1e-12);
    EXPECT_ANY_THROW(GroundElevationAt(ground, 11));
    EXPECT_ANY_THROW(ClearanceOver(ground, {0, 5, 20, 5, 1e-3}));
}

} // namespace
} // namespace velmora
