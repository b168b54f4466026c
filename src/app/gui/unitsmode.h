#pragma once

#include "l10n/units.h"

namespace velmora {

// The units mode by name: the settings store and the core number it 0 and 1.
enum class UnitsMode {
    DaN = 0, // daN/mm², daN
    NkN = 1, // N/mm², kN
};

// The mode whose factors are in force (SetUnits, or the stored mode read at start-up): the
// one the numbers are shown in. The settings store is not read again, since another running
// copy may have changed it since.
inline UnitsMode CurrentUnitsMode()
{
    return CurrentUnitFactors().stress == UnitFactorsOf(0).stress ? UnitsMode::DaN : UnitsMode::NkN;
}

} // namespace velmora
