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

} // namespace velmora
