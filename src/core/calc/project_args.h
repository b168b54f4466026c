#pragma once

#include "calc/calc_args.h"
#include "data/project.h"
#include "data/wirerec.h"

#include <string>

namespace velmora {

// Tensile force (daN) to stress (daN/mm²): force ÷ the wire's Sech. provod is the wire's name
// as the project gives it. Throws velmora::Error "Division by zero: cross-section of wire
// '<provod>'" when Sech is 0 (the empty record of a wire that is not in the catalogue too).
double ForceToStress(double force_daN, const TWireRec &wire, const std::string &provod);

// The permissible pair the engine is given, in daN/mm².
struct PermissibleStresses
{
    double max = 0; // σmax, maximum permissible stress
    double avg = 0; // σavg, stress at average annual temperature
};

// NaprPage 1: the tensile forces Tag_Max and Tag_Srg through ForceToStress over wire, the
// project's wire Provod (may throw as there); otherwise Napr_Max and Napr_srg as they are.
PermissibleStresses PermissibleStressesOf(const TDAT &dat, const TWireRec &wire);

// The arguments of a full calculation from the input record: its climatic values, the
// permissible stresses of PermissibleStressesOf (may throw as there) and its span range.
CalcArgs CalcArgsOf(const TDAT &dat, const TWireRec &wire);

} // namespace velmora
