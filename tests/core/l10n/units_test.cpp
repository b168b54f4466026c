#include "fake_settings.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

class UnitsTest : public ::testing::Test
{
protected:
    FakeSettingsStore store;
    ScopedSettingsStore scope {store};

    void TearDown() override
    {
        ReleaseTexts();
        ResetUnits();
    }
};

TEST_F(UnitsTest, FactorsOfEachMode)
{
    struct Case
    {
        int mode;
        double stress;
        double force;
    };
    for (const Case &c :
         {Case {0, 1.0, 1.0}, Case {1, 10.0, 0.01}, Case {5, 10.0, 0.01}, Case {-1, 10.0, 0.01}}) {
        SetUnits(c.mode);
        EXPECT_EQ(StressFactor(), c.stress) << c.mode;
        EXPECT_EQ(ForceFactor(), c.force) << c.mode;
        EXPECT_EQ(store.Text("Units"), std::to_string(c.mode));
    }
}

TEST_F(UnitsTest, ShownValuesInNewtonUnits)
{
    SetUnits(1);
    EXPECT_DOUBLE_EQ(9 * StressFactor(), 90);
    EXPECT_DOUBLE_EQ(1500 * ForceFactor(), 15);
    EXPECT_DOUBLE_EQ(8250 * ForceFactor(), 82.5);
    EXPECT_DOUBLE_EQ(82.5 / ForceFactor(), 8250);
}

TEST_F(UnitsTest, StartUpReadsTheStoredModeAndWritesItBack)
{
    struct Case
    {
        const char *stored; // nullptr: absent
        int mode;
        double stress;
        const char *written;
    };
    for (const Case &c : {Case {nullptr, 0, 1.0, "0"}, Case {"1", 1, 10.0, "1"},
                          Case {"5", 5, 10.0, "5"}, Case {"kN", 0, 1.0, "0"}}) {
        store.texts.clear();
        if (c.stored)
            store.SetText("Units", c.stored);
        InitLocalization("English");
        EXPECT_EQ(ReadUnits(), c.mode) << (c.stored ? c.stored : "absent");
        EXPECT_EQ(StressFactor(), c.stress);
        EXPECT_EQ(store.Text("Units"), c.written);
    }
}

TEST_F(UnitsTest, ValueOfAnotherTypeKeepsTheModeHeld)
{
    store.SetOtherType("Units");
    InitLocalization("English");
    EXPECT_EQ(ReadUnits(), 0);
    EXPECT_EQ(StressFactor(), 1.0);

    SetUnits(1);
    store.SetOtherType("Units");
    EXPECT_EQ(ReadUnits(), 1);
}

TEST_F(UnitsTest, ReadUnitsLeavesTheFactors)
{
    SetUnits(0);
    store.SetText("Units", "1");
    EXPECT_EQ(ReadUnits(), 1);
    EXPECT_EQ(StressFactor(), 1.0);
}

} // namespace
} // namespace velmora
