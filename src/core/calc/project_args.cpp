#include "calc/project_args.h"

#include "calc/arith.h"

namespace velmora {

double ForceToStress(double force_daN, const TWireRec &wire, const std::string &provod)
{
    CheckDivisor(wire.Sech, "cross-section of wire '" + provod + "'");
    return force_daN / wire.Sech;
}

PermissibleStresses PermissibleStressesOf(const TDAT &dat, const TWireRec &wire)
{
    if (dat.NaprPage == 1)
        return {ForceToStress(dat.Tag_Max, wire, dat.Provod),
                ForceToStress(dat.Tag_Srg, wire, dat.Provod)};
    return {dat.Napr_Max, dat.Napr_srg};
}

CalcArgs CalcArgsOf(const TDAT &dat, const TWireRec &wire)
{
    const PermissibleStresses stresses = PermissibleStressesOf(dat, wire);
    CalcArgs args;
    args.T_Gsw = dat.T_Gsw;
    args.T_Gbw = dat.T_Gbw;
    args.Tvmax = dat.Tvmax;
    args.T_Min = dat.T_Min;
    args.T_Max = dat.T_Max;
    args.T_Srg = dat.T_Srg;
    args.Vgol = dat.Vgol;
    args.VMax = dat.VMax;
    args.Tols = dat.Tols;
    args.NaprSrg = stresses.avg;
    args.NaprMax = stresses.max;
    args.Min = dat.Min_Prol;
    args.Max = dat.Max_Prol;
    args.Step = dat.Shag;
    return args;
}

} // namespace velmora
