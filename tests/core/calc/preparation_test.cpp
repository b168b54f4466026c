#include "calc/preparation.h"
#include "example_wire.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace velmora {
namespace {

struct PreparationCase
{
    const char *what;
    std::function<void(TProject &, TWireRec &)> change;
    const char *field; // the field of the one finding expected
    bool refused; // a refusal, not a warning
};

PreparedCalculation Prepare(const PreparationCase &c, Lang lang = Lang::English)
{
    TProject project;
    TWireRec wire = test::ExampleWire();
    project.Dat.Provod = wire.Name;
    c.change(project, wire);
    TWiresList catalogue;
    catalogue.Add(wire);
    return PrepareCalculation(project, catalogue, lang);
}

TEST(PrepareCalculation, EachImpossibleOrImplausibleValueIsNamed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const PreparationCase cases[] = {
        {"negative ice", [](TProject &p, TWireRec &) { p.Dat.Tols = -15; }, "Tols", true},
        {"negative wind", [](TProject &p, TWireRec &) { p.Dat.Vgol = -1; }, "Vgol", true},
        {"not a number", [nan](TProject &p, TWireRec &) { p.Dat.T_Gbw = nan; }, "T_Gbw", true},
        {"cold above hot", [](TProject &p, TWireRec &) { p.Dat.T_Min = 50; }, "T_Min", true},
        {"negative spans",
         [](TProject &p, TWireRec &) {
             p.Dat.Min_Prol = -300;
             p.Dat.Max_Prol = -50;
         },
         "Min_Prol", true},
        {"no section", [](TProject &, TWireRec &w) { w.Sech = -1; }, "Sech", true},
        {"no modulus", [](TProject &, TWireRec &w) { w.Modl = 0; }, "Modl", true},
        {"coefficient", [nan](TProject &, TWireRec &w) { w.Koef = nan; }, "Koef", true},
        {"missing wire", [](TProject &p, TWireRec &) { p.Dat.Provod = "AC 35/6.2"; }, "Provod",
         true},
        {"average outside", [](TProject &p, TWireRec &) { p.Dat.T_Srg = 45; }, "T_Srg", false},
        {"wind below ice wind", [](TProject &p, TWireRec &) { p.Dat.VMax = 10; }, "VMax", false},
        {"arctic", [](TProject &p, TWireRec &) { p.Dat.T_Gbw = -90; }, "T_Gbw", false},
        {"gale", [](TProject &p, TWireRec &) { p.Dat.VMax = 70; }, "VMax", false},
        {"heavy ice", [](TProject &p, TWireRec &) { p.Dat.Tols = 70; }, "Tols", false},
        {"tall", [](TProject &p, TWireRec &) { p.Koef.VisotaPC = 350; }, "VisotaPC", false},
        {"damaged file", [](TProject &p, TWireRec &) { p.KoefFallbackLine = 18; }, "Koef", false},
    };
    for (const PreparationCase &c : cases) {
        SCOPED_TRACE(c.what);
        const PreparedCalculation prepared = Prepare(c);
        const std::vector<InputFinding> &found = c.refused ? prepared.refusals : prepared.warnings;
        const std::vector<InputFinding> &other = c.refused ? prepared.warnings : prepared.refusals;
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].field, c.field);
        EXPECT_TRUE(other.empty());
        EXPECT_EQ(prepared.Refused(), c.refused);
        const PreparedCalculation russian = Prepare(c, Lang::Russian);
        EXPECT_EQ((c.refused ? russian.refusals : russian.warnings).size(), 1u);
    }
}

TEST(PrepareCalculation, SoundInputGivesTheArguments)
{
    TProject project;
    TWireRec wire = test::ExampleWire();
    project.Dat.Provod = wire.Name;
    project.Dat.Min_Prol = 0; // a span of 0 m is calculated: a slack wire
    TWiresList catalogue;
    catalogue.Add(wire);
    const PreparedCalculation prepared = PrepareCalculation(project, catalogue, Lang::English);
    EXPECT_TRUE(prepared.refusals.empty());
    EXPECT_TRUE(prepared.warnings.empty());
    EXPECT_EQ(prepared.wire, wire);
    EXPECT_EQ(prepared.args.NaprMax, project.Dat.Napr_Max);
    EXPECT_EQ(prepared.args.Tols, project.Dat.Tols);
    // The stringing tables bring their own spans: the range is not checked for them.
    project.Dat.Shag = 0;
    EXPECT_TRUE(PrepareCalculation(project, catalogue, Lang::English).Refused());
    EXPECT_FALSE(
        PrepareCalculation(project, catalogue, Lang::English, SpanUse::OwnSpans).Refused());
}

TEST(PrepareCalculation, AMissingWireIsRefusedWithTheNearestCatalogueName)
{
    TProject project;
    TWireRec wire = test::ExampleWire();
    wire.Name = "АС 120/19";
    TWiresList catalogue;
    catalogue.Add(wire);
    // Latin look-alikes and a trailing blank: what a name typed on another keyboard looks like.
    project.Dat.Provod = "AC 120/19 ";
    PreparedCalculation prepared = PrepareCalculation(project, catalogue, Lang::English);
    ASSERT_EQ(prepared.refusals.size(), 1u);
    EXPECT_EQ(prepared.refusals[0].field, "Provod");
    EXPECT_EQ(prepared.refusals[0].text,
              "The wire \"AC 120/19 \" is not in the reference catalog. Did you mean "
              "\"АС 120/19\"?");
    project.Dat.Provod = "АС 999/1";
    prepared = PrepareCalculation(project, catalogue, Lang::Russian);
    ASSERT_EQ(prepared.refusals.size(), 1u);
    EXPECT_EQ(prepared.refusals[0].text,
              "Провода «АС 999/1» нет в справочнике. Сначала введите его в справочник.");
}

TEST(TemplateRefusals, ValuesOutsideTheEditorsRanges)
{
    TShablon shablon;
    shablon.PR = 250;
    shablon.VP = 20;
    shablon.TG = 7;
    EXPECT_TRUE(TemplateRefusals(shablon, Lang::English).empty());
    shablon.VP = 1e308;
    shablon.MG = 0;
    shablon.Zapas = std::numeric_limits<double>::infinity();
    const std::vector<InputFinding> refusals = TemplateRefusals(shablon, Lang::English);
    ASSERT_EQ(refusals.size(), 3u);
    EXPECT_EQ(refusals[0].field, "MG");
    EXPECT_EQ(refusals[1].field, "VP");
    EXPECT_EQ(refusals[2].field, "Zapas");
}

} // namespace
} // namespace velmora
