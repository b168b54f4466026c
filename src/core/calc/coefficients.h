#pragma once

#include "data/project.h"

namespace velmora {

// Wind-pressure height coefficient Kw for the terrain TypeTer (1 = A, 2 = B, 3 = C) and the
// height VisotaPC in m; 1.0 for any other terrain.
double WindHeightCoef(const TKlimatKoef &koef);

// Ice-thickness height coefficient Ki (1.0 up to 25 m, 2.0 from 100 m).
double IceHeightCoef(const TKlimatKoef &koef);

// Ice-thickness diameter coefficient Kd for a wire of diameter d_mm; 1.0 below 25 m height.
double IceDiamCoef(const TKlimatKoef &koef, double d_mm);

// Wind non-uniformity coefficient αw of a wind velocity v in m/s (1.0 up to 20.8, 0.7 above 34.8).
double WindUnevenCoef(double v_m_per_s);

// Drag coefficient Cx of the wire without ice: 1.1 for a thick wire under heavy ice when the
// maximum wind is at least twice the wind with ice, 1.2 otherwise.
double DragCoef(double VMax, double Vgol, double b_mm, double d_mm);

} // namespace velmora
