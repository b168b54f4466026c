#include "templates/linedesign.h"

#include "common/error.h"
#include "example_wire.h"
#include "templates/drawtemplate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

class LineDesignTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.SetDefaults();
        project.Dat.Provod = wire.Name;
        shablon.Name = "Line";
        shablon.TipShablona = 0;
        shablon.Krivie = -1;
        shablon.PR = 250;
        shablon.VP = 20;
        shablon.TG = 6.5;
        shablon.Zapas = 0.5;
        project.Shablons.Add(shablon);
    }
    TProject project;
    TShablon shablon;
    TWireRec wire = test::ShippedAc70Wire();
};

TEST_F(LineDesignTest, ConditionsAreTheTemplateDrawingsOwn)
{
    const LineConditions c = LineConditionsOf(project, 0, wire, Lang::English);
    DrawingContext context;
    context.wire = wire;
    const TemplateComputation drawn = ComputeTemplate(project, shablon, context);
    ASSERT_TRUE(drawn.result.drawn);
    EXPECT_EQ(c.mode, 7);
    EXPECT_EQ(c.span, 250);
    EXPECT_EQ(c.clearance, 7);
    EXPECT_EQ(c.design.sigma, drawn.napr);
    EXPECT_EQ(c.design.gamma, drawn.gamma);
    // The cold state is mode 6 at the same span by the same path; the stress at the template's
    // own span through ModeStressAt is the drawing's too.
    EXPECT_EQ(c.cold.sigma, ModeStressAt(project, wire, 6, 250, Lang::English));
    EXPECT_EQ(c.design.sigma, ModeStressAt(project, wire, 7, 250, Lang::English));
    EXPECT_GT(c.cold.sigma, c.design.sigma);
    EXPECT_EQ(c.cold.gamma, c.design.gamma); // both the own weight
}

TEST_F(LineDesignTest, TemplateWithoutTypeOrPastTheListIsRefused)
{
    project.Shablons.Items(0).TipShablona = -1;
    project.Shablons.Items(0).Krivie = 0;
    try {
        LineConditionsOf(project, 0, wire, Lang::English);
        FAIL() << "a template without a type was taken";
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find("has no type"), std::string::npos) << e.what();
    }
    EXPECT_THROW(LineConditionsOf(project, 1, wire, Lang::English), Error);
    EXPECT_THROW(LineConditionsOf(project, -1, wire, Lang::Russian), Error);
}

TEST_F(LineDesignTest, RunChecksTheProfileFirstAndVerifiesTheRulingSpan)
{
    LineProfile line;
    line.ground = {{0, 100}, {1000, 100}};
    line.types = {{"T", 20, 1, 500, 800, 0}};
    line.towers = {{0, 0}, {200, 0}, {500, 0}};
    const LineCheck check = RunLineCheck(project, line, 0, wire, Lang::English);
    EXPECT_NEAR(check.rulingSpan, std::sqrt((200.0 * 200 * 200 + 300.0 * 300 * 300) / 500), 1e-9);
    EXPECT_EQ(check.rulingStress, ModeStressAt(project, wire, 7, check.rulingSpan, Lang::English));
    line.towers[2].station = 2000;
    EXPECT_THROW(RunLineCheck(project, line, 0, wire, Lang::English), Error);
}

} // namespace
} // namespace velmora
