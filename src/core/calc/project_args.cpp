#include "calc/project_args.h"

#include "calc/arith.h"
#include "catalogue/catalogue.h"

namespace velmora {

double ForceToStress(double force_daN, const std::string &provod)
{
    const double sech_mm2 = FindWire(provod).Sech;
    CheckDivisor(sech_mm2, "cross-section of wire '" + provod + "'");
    return force_daN / sech_mm2;
}

PermissibleStresses PermissibleStressesOf(const TDAT &dat)
{
    if (dat.NaprPage == 1)
        return {ForceToStress(dat.Tag_Max, dat.Provod), ForceToStress(dat.Tag_Srg, dat.Provod)};
    return {dat.Napr_Max, dat.Napr_srg};
}

CalcArgs CalcArgsOf(const TDAT &dat)
{
    const PermissibleStresses stresses = PermissibleStressesOf(dat);
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
