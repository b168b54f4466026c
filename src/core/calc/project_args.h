#pragma once

#include "calc/calc_args.h"
#include "data/project.h"

#include <string>

namespace velmora {

// Tensile force (daN) to stress (daN/mm²): force ÷ Sech of the catalogue wire named provod.
// Throws velmora::Error "Division by zero: cross-section of wire '<provod>'" when the wire is
// not in the catalogue or has no cross-section.
double ForceToStress(double force_daN, const std::string &provod);

// The permissible pair the engine is given, in daN/mm².
struct PermissibleStresses
{
    double max = 0; // σmax, maximum permissible stress
    double avg = 0; // σavg, stress at average annual temperature
};

// NaprPage 1: the tensile forces Tag_Max and Tag_Srg through ForceToStress (may throw as
// there); otherwise Napr_Max and Napr_srg as they are.
PermissibleStresses PermissibleStressesOf(const TDAT &dat);

// The arguments of a full calculation from the input record: its climatic values, the
// permissible stresses of PermissibleStressesOf (may throw as there) and its span range.
CalcArgs CalcArgsOf(const TDAT &dat);

} // namespace velmora
