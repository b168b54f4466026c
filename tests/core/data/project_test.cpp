#include "data/project.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ProjectTest, NewProjectHasTheDefaults)
{
    const TProject p = [] {
        TProject project;
        project.SetDefaults();
        return project;
    }();
    EXPECT_EQ(p.Dat.Provod, "АПС35/6.2");
    EXPECT_EQ(p.Dat.NaprPage, 0);
    EXPECT_EQ(p.Dat.Napr_Max, 9);
    EXPECT_EQ(p.Dat.Napr_srg, 4);
    EXPECT_EQ(p.Dat.Min_Prol, 10);
    EXPECT_EQ(p.Dat.Max_Prol, 100);
    EXPECT_EQ(p.Dat.Shag, 10);
    EXPECT_EQ(p.Dat.T_Min, -50);
    EXPECT_EQ(p.Dat.T_Max, 40);
    for (bool flag : p.Dat.RegimeFlags)
        EXPECT_TRUE(flag);
    for (double k : {p.Koef.V_Otv, p.Koef.V_Reg, p.Koef.V_Nad, p.Koef.G_Otv, p.Koef.G_Reg,
                     p.Koef.G_Nad, p.Koef.G_Usl})
        EXPECT_EQ(k, 1);
    EXPECT_EQ(p.Koef.VisotaPC, 15);
    EXPECT_EQ(p.Koef.VisotaPC2, 15);
    EXPECT_EQ(p.Koef.TerrainLetter(), "A");
    EXPECT_EQ(p.Shablons.Count(), 0);
}

TEST(ProjectTest, IsEqualSeesEveryPart)
{
    TProject a;
    TProject b;
    EXPECT_TRUE(a.IsEqual(b));

    b.Dat.Provod = "апс35/6.2";
    EXPECT_FALSE(a.IsEqual(b)) << "Provod compares case-sensitively";
    b.Assign(a);
    EXPECT_TRUE(a.IsEqual(b));

    b.Dat.RegimeFlags[16] = false;
    EXPECT_FALSE(a.IsEqual(b));
    b.Assign(a);
    b.Koef.VisotaPC2 = 25;
    EXPECT_FALSE(a.IsEqual(b));
    b.Assign(a);
    b.Dat.Tag_Max = 1e-300;
    EXPECT_FALSE(a.IsEqual(b)) << "no tolerance";
    b.Assign(a);
    b.Shablons.Add(TShablon {});
    EXPECT_FALSE(a.IsEqual(b));
    a.Assign(b);
    EXPECT_TRUE(a.IsEqual(b));
    a.SetDefaults();
    EXPECT_EQ(a.Shablons.Count(), 0);
}

TEST(ProjectTest, AssignIsADeepCopy)
{
    TProject a;
    TShablon s;
    s.Name = "Габарит";
    a.Shablons.Add(s);
    TProject b;
    b.Assign(a);
    a.Shablons.Items(0).Name = "changed";
    EXPECT_EQ(b.Shablons.Items(0).Name, "Габарит");
}

TEST(ProjectTest, CheckKoefComparesTheProductsWithTheStandard)
{
    TKlimatKoef k;
    EXPECT_TRUE(k.CheckKoef());
    k.V_Otv = 0.9;
    EXPECT_FALSE(k.CheckKoef());
    k.V_Reg = 1.2;
    EXPECT_TRUE(k.CheckKoef());
    k.G_Usl = 0.5;
    EXPECT_FALSE(k.CheckKoef());
}

TEST(ProjectTest, RegimeChoiceSetsTheFlags)
{
    TDAT dat;
    dat.RegimeFlags.fill(false);
    dat.RegimeFlags[4] = true;
    ApplyRegimeChoice(dat, RegimeChoice::Clearance);
    for (int mode = 1; mode <= RegimeCount; ++mode)
        EXPECT_EQ(dat.RegimeFlags[mode - 1], mode == 2 || mode == 7) << mode;
    ApplyRegimeChoice(dat, RegimeChoice::All);
    for (bool flag : dat.RegimeFlags)
        EXPECT_TRUE(flag);
}

TEST(ProjectTest, TerrainLetter)
{
    TKlimatKoef k;
    for (auto [type, letter] : {std::pair {1, "A"}, {2, "B"}, {3, "C"}, {0, ""}, {4, ""}}) {
        k.TypeTer = type;
        EXPECT_EQ(k.TerrainLetter(), letter) << type;
    }
}

} // namespace
} // namespace velmora
