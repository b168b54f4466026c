#pragma once

#include "data/project.h"

#include <string>

namespace velmora {

// The design mode (1..17) a template is drawn in. TipShablona 0 or 1 selects mode 7
// (maximum temperature) or 2 (ice without wind); then, when Krivie is 0, a Temperatura of
// 0..10 selects the mode of that curve temperature instead ("Min." 6, "Max." 7, "-30" 17,
// "-20" 16, "-10" 15, "0" 14, "10" 13, "15" 5, "20" 12, "30" 11, "70" 10).
// 0 when neither step selects a mode (a record edited outside the program).
int TemplateMode(const TShablon &shablon);

// What follows the text of "Temperature" in caption 5 for mode: " " and T_Max, T_Gbw or T_Min
// of dat for modes 7, 2 and 6, the fixed temperature (" -30", " 15", ...) of the other curve
// modes. Empty for a mode no template draws.
std::string TemplateTemperatureCaption(int mode, const TDAT &dat);

} // namespace velmora
