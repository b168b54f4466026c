#pragma once

namespace velmora {

// Units mode: 0 = daN-based (daN/mm², daN), 1 = N/kN-based (N/mm², kN). Values are stored
// and computed in daN-based units; the factors turn them into the shown units.

// SetUnits sets the mode and the factors and writes "Units" to the settings store (the store's
// error is thrown, the mode stays set).
void SetUnits(int mode);
// Mode 0 and both factors 1, nothing stored: the state before the stored mode is read.
void ResetUnits();
// Reads "Units" from the settings store (0 when absent or not an integer; a value of another
// type keeps the mode held before), keeps it as the mode and returns it. The factors stay.
int ReadUnits();
// Factor from daN/mm² to the shown stress unit: 1 or 10 (N/mm²).
double StressFactor();
// Factor from daN to the shown force unit: 1 or 0.01 (kN).
double ForceFactor();

// The two factors of a units mode, for the core's functions that take them as an argument.
struct UnitFactors
{
    double stress = 1; // daN/mm² to the shown stress unit: 1, or 10 for N/mm²
    double force = 1; // daN to the shown force unit: 1, or 0.01 for kN
};
// Mode 0: both 1; any other mode: 10 and 0.01.
UnitFactors UnitFactorsOf(int mode);
// The factors in force (StressFactor, ForceFactor).
UnitFactors CurrentUnitFactors();

} // namespace velmora
