#include "report/report_template.h"

#include "l10n/localization.h"
#include "l10n/units.h"

namespace velmora {

std::string ReportTemplateName(bool english, int units)
{
    std::string name = units != 0 ? "Forms/FormMechN" : "Forms/FormMech";
    name += english ? "_en.xls" : "_ru.xls";
    return name;
}

std::string CurrentReportTemplateName()
{
    return ReportTemplateName(IsEnglish(), ReadUnits());
}

} // namespace velmora
