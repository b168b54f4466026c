#include "gui/results/livecalc.h"

#include "calc/preparation.h"
#include "catalogue/catalogue.h"
#include "gui/fieldchecks.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <exception>

namespace velmora {

LiveOutcome CalculateLive(const TProject &project, const ProgramContext &context)
{
    LiveOutcome outcome;
    const TDAT &dat = project.Dat;
    // The window's own wording of its fields' refusals first, then every other check of the
    // one preparation; its warnings never stop the calculation.
    const PreparedCalculation prepared
        = PrepareCalculation(project, context.Catalogue(), context.Language());
    outcome.warnings = prepared.warnings;
    if (const FieldRefusal refusal = CalculationRefusal(dat, context); refusal.Refused()) {
        outcome.reason = refusal.text;
        return outcome;
    }
    if (prepared.Refused()) {
        outcome.reason = DataEntryRefusal(QString::fromStdString(RefusalText(prepared)));
        return outcome;
    }
    outcome.loadsLow = !project.Koef.CheckKoef();
    try {
        auto results = std::make_shared<CalcResults>(
            CalculateResults(project, prepared.wire, prepared.args, context.Language()));
        results->warnings = prepared.warnings;
        if (results->status == ResultsStatus::CheckFailed)
            outcome.reason = QString::fromStdString(results->failure)
                                 .replace(QLatin1String("\r\n"), QLatin1String("\n"));
        else if (results->status != ResultsStatus::Calculated)
            outcome.reason = DataEntryRefusal(UiText("Two_spans", context.Language()));
        else
            outcome.results = std::move(results);
    } catch (const std::exception &e) {
        outcome.reason = DataEntryRefusal(ErrorMessage(e));
    }
    return outcome;
}

} // namespace velmora
