#include "gui/results/livecalc.h"

#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "gui/fieldchecks.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <exception>

namespace velmora {

namespace {

QString Refusal(const QString &text)
{
    return UiText("Error_data_entry") + QStringLiteral("!\n") + text;
}

} // namespace

LiveOutcome CalculateLive(const TProject &project)
{
    LiveOutcome outcome;
    const TDAT &dat = project.Dat;
    const TWireRec wire = FindWire(dat.Provod);
    if (wire.Name.empty()) {
        outcome.reason = UiText("Input_wire");
        return outcome;
    }
    if (const FieldRefusal impossible = ImpossibleClimate(dat); impossible.labelKey) {
        outcome.reason = Refusal(impossible.text);
        return outcome;
    }
    const std::string refusal
        = SpanRangeRefusal(dat.Min_Prol, dat.Max_Prol, dat.Shag, CurrentLang());
    if (!refusal.empty()) {
        outcome.reason = QString::fromStdString(refusal);
        return outcome;
    }
    if (SpanCount(dat.Min_Prol, dat.Max_Prol, dat.Shag) < 2) {
        outcome.reason = Refusal(UiText("Two_spans"));
        return outcome;
    }
    outcome.loadsLow = !project.Koef.CheckKoef();
    try {
        auto results = std::make_shared<CalcResults>(
            CalculateResults(project, wire, CalcArgsOf(dat, wire), CurrentLang()));
        if (results->status == ResultsStatus::CheckFailed)
            outcome.reason = QString::fromStdString(results->failure)
                                 .replace(QLatin1String("\r\n"), QLatin1String("\n"));
        else if (results->status != ResultsStatus::Calculated)
            outcome.reason = Refusal(UiText("Two_spans"));
        else
            outcome.results = std::move(results);
    } catch (const std::exception &e) {
        outcome.reason = Refusal(QString::fromStdString(e.what()));
    }
    return outcome;
}

} // namespace velmora
