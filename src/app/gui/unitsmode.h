#pragma once

namespace velmora {

// The units mode by name: the settings store and the core number it 0 and 1.
enum class UnitsMode {
    DaN = 0, // daN/mm², daN
    NkN = 1, // N/mm², kN
};

} // namespace velmora
