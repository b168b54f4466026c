#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// One wire of the catalogue, as the calculation takes it. Name is UTF-8 in memory and at most 16
// characters; the file holds it as Windows-1251. Units: Diam mm, Sech mm², PNag kg/m (used as
// daN/m), Modl daN/mm² whatever units mode is shown, Koef 1/K. The empty record (empty Name) stands
// for a wire that is not in the catalogue.
struct TWireRec
{
    std::int32_t Group = 0; // 1..7, 0 = no group
    std::string Name;
    double Diam = 0;
    double Sech = 0;
    double PNag = 0;
    double Modl = 0;
    double Koef = 0;

    bool operator==(const TWireRec &) const = default;
};

} // namespace velmora
