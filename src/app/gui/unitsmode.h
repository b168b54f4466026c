#pragma once

#include "l10n/units.h"

namespace velmora {

// The units mode by name: the settings store and the core number it 0 and 1.
enum class UnitsMode {
    DaN = 0, // daN/mm², daN
    NkN = 1, // N/mm², kN
};

// The stored mode (ReadUnits): 0 is daN-based, any other number N/kN-based.
inline UnitsMode CurrentUnitsMode()
{
    return ReadUnits() == 0 ? UnitsMode::DaN : UnitsMode::NkN;
}

} // namespace velmora
