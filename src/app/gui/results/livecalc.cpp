#include "gui/results/livecalc.h"

#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "gui/fieldchecks.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <exception>

namespace velmora {

LiveOutcome CalculateLive(const TProject &project)
{
    LiveOutcome outcome;
    const TDAT &dat = project.Dat;
    if (const FieldRefusal refusal = CalculationRefusal(dat); refusal.Refused()) {
        outcome.reason = refusal.text;
        return outcome;
    }
    const TWireRec wire = FindWire(dat.Provod);
    outcome.loadsLow = !project.Koef.CheckKoef();
    try {
        auto results = std::make_shared<CalcResults>(
            CalculateResults(project, wire, CalcArgsOf(dat, wire), CurrentLang()));
        if (results->status == ResultsStatus::CheckFailed)
            outcome.reason = QString::fromStdString(results->failure)
                                 .replace(QLatin1String("\r\n"), QLatin1String("\n"));
        else if (results->status != ResultsStatus::Calculated)
            outcome.reason = DataEntryRefusal(UiText("Two_spans"));
        else
            outcome.results = std::move(results);
    } catch (const std::exception &e) {
        outcome.reason = DataEntryRefusal(QString::fromStdString(e.what()));
    }
    return outcome;
}

} // namespace velmora
