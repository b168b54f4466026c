#pragma once

namespace velmora {

// Units mode: 0 = daN-based (daN/mm², daN), 1 = N/kN-based (N/mm², kN). Values are stored
// and computed in daN-based units; the factors turn them into the shown units.
void SetUnits(int mode);
// The current units mode.
int ReadUnits();
// Factor from daN/mm² to the shown stress unit: 1 or 10 (N/mm²).
double StressFactor();
// Factor from daN to the shown force unit: 1 or 0.01 (kN).
double ForceFactor();

} // namespace velmora
