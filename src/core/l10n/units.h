#pragma once

#include "l10n/settings.h"

namespace velmora {

// Units mode: 0 = daN-based (daN/mm², daN), 1 = N/kN-based (N/mm², kN). Values are stored
// and computed in daN-based units; the factors turn them into the shown units.

// The two factors of a units mode, for the core's functions that take them as an argument.
struct UnitFactors
{
    double stress = 1; // daN/mm² to the shown stress unit: 1, or 10 for N/mm²
    double force = 1; // daN to the shown force unit: 1, or 0.01 for kN
};
// Mode 0: both 1; any other mode: 10 and 0.01.
UnitFactors UnitFactorsOf(int mode);

// The mode stored under "Units": 0 when absent or not an integer; held (the mode in force
// before) when the value is of another type.
int UnitsFromStore(SettingsStore &store, int held = 0);
// Stores mode under "Units" (the store's error is thrown).
void StoreUnits(SettingsStore &store, int mode);

} // namespace velmora
