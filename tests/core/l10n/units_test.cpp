#include "fake_settings.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(UnitsTest, FactorsOfEachMode)
{
    struct Case
    {
        int mode;
        double stress;
        double force;
    };
    for (const Case &c :
         {Case {0, 1.0, 1.0}, Case {1, 10.0, 0.01}, Case {5, 10.0, 0.01}, Case {-1, 10.0, 0.01}}) {
        const UnitFactors factors = UnitFactorsOf(c.mode);
        EXPECT_EQ(factors.stress, c.stress) << c.mode;
        EXPECT_EQ(factors.force, c.force) << c.mode;
        FakeSettingsStore store;
        StoreUnits(store, c.mode);
        EXPECT_EQ(store.Text("Units"), std::to_string(c.mode));
    }
}

TEST(UnitsTest, ShownValuesInNewtonUnits)
{
    const UnitFactors factors = UnitFactorsOf(1);
    EXPECT_DOUBLE_EQ(9 * factors.stress, 90);
    EXPECT_DOUBLE_EQ(1500 * factors.force, 15);
    EXPECT_DOUBLE_EQ(8250 * factors.force, 82.5);
    EXPECT_DOUBLE_EQ(82.5 / factors.force, 8250);
}

TEST(UnitsTest, StartUpReadsTheStoredModeAndWritesItBack)
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
        FakeSettingsStore store;
        if (c.stored)
            store.SetText("Units", c.stored);
        const StartSettings settings = ReadStartSettings(store, "English");
        EXPECT_EQ(settings.units, c.mode) << (c.stored ? c.stored : "absent");
        EXPECT_EQ(UnitFactorsOf(settings.units).stress, c.stress);
        EXPECT_EQ(store.Text("Units"), c.written);
    }
}

TEST(UnitsTest, ValueOfAnotherTypeKeepsTheModeHeld)
{
    FakeSettingsStore store;
    store.SetOtherType("Units");
    EXPECT_EQ(ReadStartSettings(store, "English").units, 0);

    store.SetOtherType("Units");
    EXPECT_EQ(UnitsFromStore(store, 1), 1);
    store.SetText("Units", "1");
    EXPECT_EQ(UnitsFromStore(store, 0), 1);
}

} // namespace
} // namespace velmora
