#include "gui/programcontext.h"

#include "catalogue/catalogue.h"
#include "l10n/localization.h"
#include "report/report_template.h"
#include "report/stringing_report.h"

namespace velmora {

Lang ProgramContext::Language() const
{
    return CurrentLang();
}

UnitsMode ProgramContext::Units() const
{
    return CurrentUnitsMode();
}

UnitFactors ProgramContext::Factors() const
{
    return CurrentUnitFactors();
}

std::string ProgramContext::ReportForm() const
{
    return ReportTemplateName(Language(), static_cast<int>(Units()));
}

std::string ProgramContext::StringingForm() const
{
    return StringingFormName(Language() == Lang::English, static_cast<int>(Units()));
}

TWiresList &ProgramContext::Catalogue() const
{
    return WiresList();
}

const ProgramContext &Program()
{
    static const ProgramContext context;
    return context;
}

} // namespace velmora
