#include "templates/permissiblestress.h"

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

} // namespace velmora
