#pragma once

namespace velmora {

// The arguments of one calculation, in the order the callers pass them. The callers take them
// from the main window's fields (equal to the project's TDAT at that moment); when the project
// gives tensile forces, NaprSrg and NaprMax are those forces divided by the wire's Sech.
struct CalcArgs
{
    double T_Gsw = 0; // °C, ice with wind
    double T_Gbw = 0; // °C, ice without wind
    double Tvmax = 0; // °C, maximum wind
    double T_Min = 0; // °C
    double T_Max = 0; // °C
    double T_Srg = 0; // °C, average annual
    double Vgol = 0; // m/s, wind with ice
    double VMax = 0; // m/s, maximum wind
    double Tols = 0; // mm, standard ice wall thickness
    double NaprSrg = 0; // daN/mm², σavg: stress at average annual temperature
    double NaprMax = 0; // daN/mm², σmax: maximum permissible stress
    double Min = 0; // m, smallest span
    double Max = 0; // m, largest span
    double Step = 0; // m, span step
};

} // namespace velmora
