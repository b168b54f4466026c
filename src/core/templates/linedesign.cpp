#include "templates/linedesign.h"

#include "calc/stringing.h"
#include "common/error.h"
#include "common/numtext.h"
#include "templates/drawtemplate.h"
#include "templates/templatemode.h"

namespace velmora {

namespace {

// The mode of the "Min." curve: a template of that curve, drawn the same way.
TShablon ColdTemplateOf(const TShablon &shablon)
{
    TShablon cold = shablon;
    cold.Krivie = 0;
    cold.Temperatura = 0;
    return cold;
}

HangingState StateOfTemplate(const TProject &project, const TShablon &shablon, const TWireRec &wire,
                             Lang lang)
{
    DrawingContext context;
    context.wire = wire;
    context.lang = lang;
    const TemplateComputation c = ComputeTemplate(project, shablon, context);
    if (!c.result.drawn)
        throw Error(c.result.reason);
    return {c.napr, c.gamma};
}

} // namespace

LineConditions LineConditionsOf(const TProject &project, int templateIndex, const TWireRec &wire,
                                Lang lang)
{
    const int count = project.Shablons.Count();
    if (templateIndex < 0 || templateIndex >= count)
        throw Error(InLanguage(lang, "No template ", "Нет шаблона ") + FormatInt(templateIndex)
                    + InLanguage(lang, ": the project has ", ": в проекте шаблонов: ")
                    + FormatInt(count) + InLanguage(lang, " templates", ""));
    const TShablon &shablon = project.Shablons.Items(templateIndex);
    if (shablon.TipShablona != 0 && shablon.TipShablona != 1)
        throw Error(InLanguage(lang, "Template ", "Шаблон ") + FormatInt(templateIndex) + " \""
                    + shablon.Name
                    + InLanguage(lang,
                                 "\" has no type (maximum temperature or ice): the line cannot "
                                 "be checked with it",
                                 "\" не имеет типа (наибольшая температура или гололёд): линию по "
                                 "нему не проверить"));
    LineConditions conditions;
    conditions.mode = TemplateMode(shablon);
    conditions.span = shablon.PR;
    conditions.clearance = shablon.TG + shablon.Zapas;
    conditions.design = StateOfTemplate(project, shablon, wire, lang);
    conditions.cold = StateOfTemplate(project, ColdTemplateOf(shablon), wire, lang);
    return conditions;
}

double ModeStressAt(const TProject &project, const TWireRec &wire, int mode, double span_m,
                    Lang lang)
{
    // The engine needs two spans in a sweep; the span asked for is the last one.
    CalcArgs args = CalcArgsOf(project.Dat, wire);
    args.Min = span_m - 1;
    args.Max = span_m;
    args.Step = 1;
    const TemplateEngineAnswer answer = CalcTemplateEngine(wire, lang)(project, mode, args);
    if (!answer.ok) {
        std::string reason;
        for (const std::string &warning : answer.warnings)
            reason += (reason.empty() ? "" : " ") + warning;
        throw Error(reason.empty() ? "The calculation refused the input" : reason);
    }
    if (answer.napr == 0)
        throw Error(InLanguage(lang, "No initial state governs the span of ",
                               "Ни один исходный режим не определяет пролёт ")
                    + FormatNumber(span_m) + InLanguage(lang, " m", " м"));
    return answer.napr;
}

LineCheck RunLineCheck(const TProject &project, const LineProfile &line, int templateIndex,
                       const TWireRec &wire, Lang lang, UnitFactors units)
{
    CheckLineProfile(line, lang);
    const LineConditions conditions = LineConditionsOf(project, templateIndex, wire, lang);
    const std::vector<double> lengths = SpanLengths(line);
    const double rulingSpan = ReducedSpan(lengths);
    const double rulingStress = ModeStressAt(project, wire, conditions.mode, rulingSpan, lang);
    return CheckLine(line, conditions, rulingSpan, rulingStress, lang, units);
}

SpottingInput SpottingInputOf(const TProject &project, const LineProfile &line, int templateIndex,
                              const TWireRec &wire, double grid, Lang lang)
{
    const LineConditions conditions = LineConditionsOf(project, templateIndex, wire, lang);
    SpottingInput in;
    in.ground = line.ground;
    in.types = line.types;
    in.crossings = line.crossings;
    in.forbidden = line.forbidden;
    in.first = line.towers.front();
    in.last = line.towers.back();
    in.sigmaTemplate = conditions.design.sigma;
    in.gammaTemplate = conditions.design.gamma;
    in.sigmaCold = conditions.cold.sigma;
    in.gammaCold = conditions.cold.gamma;
    in.clearance = conditions.clearance;
    in.grid = grid;
    return in;
}

} // namespace velmora
