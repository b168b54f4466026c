#include "templates/templatemode.h"

#include "common/numtext.h"

#include <array>

namespace velmora {

namespace {

// Mode of each curve temperature choice, by index of the choice list.
constexpr std::array<int, 11> CurveModes = {6, 7, 17, 16, 15, 14, 13, 5, 12, 11, 10};

} // namespace

int TemplateMode(const TShablon &shablon)
{
    int mode = 0;
    if (shablon.TipShablona == 0)
        mode = 7;
    else if (shablon.TipShablona == 1)
        mode = 2;
    if (shablon.Krivie == 0 && shablon.Temperatura >= 0
        && shablon.Temperatura < static_cast<int>(CurveModes.size()))
        mode = CurveModes[static_cast<std::size_t>(shablon.Temperatura)];
    return mode;
}

std::string TemplateTemperatureCaption(int mode, const TDAT &dat)
{
    switch (mode) {
    case 7:
        return " " + FormatNumber(dat.T_Max);
    case 2:
        return " " + FormatNumber(dat.T_Gbw);
    case 6:
        return " " + FormatNumber(dat.T_Min);
    case 17:
        return " -30";
    case 16:
        return " -20";
    case 15:
        return " -10";
    case 14:
        return " 0";
    case 13:
        return " 10";
    case 5:
        return " 15";
    case 12:
        return " 20";
    case 11:
        return " 30";
    case 10:
        return " 70";
    default:
        return {};
    }
}

} // namespace velmora
