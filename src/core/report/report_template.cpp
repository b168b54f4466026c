#include "report/report_template.h"

namespace velmora {

std::string ReportTemplateName(Lang lang, int units)
{
    std::string name = units != 0 ? "Forms/FormMechN" : "Forms/FormMech";
    name += lang == Lang::English ? "_en.xls" : "_ru.xls";
    return name;
}

} // namespace velmora
