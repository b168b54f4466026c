#include "args.h"
#include "calc_json.h"
#include "commands.h"
#include "paths.h"
#include "setup.h"

#include "calc/driver.h"
#include "calc/project_args.h"
#include "calc/report_sink.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "data/projectfile.h"
#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <iostream>
#include <optional>

namespace velmora::cli {

namespace {

void ApplyRegime(RegimeChoice regime, TDAT &dat)
{
    if (regime == RegimeChoice::All) {
        dat.RegimeFlags.fill(true);
    } else if (regime == RegimeChoice::Clearance) {
        dat.RegimeFlags.fill(false);
        dat.RegimeFlags[1] = true; // mode 2, ice without wind
        dat.RegimeFlags[6] = true; // mode 7, maximum temperature
    }
}

std::string LowCoefficientsNote(Lang lang)
{
    return lang == Lang::English
        ? "the loads are lower than the standard ones (reliability coefficients "
          "below 1); calculating anyway"
        : "расчётные нагрузки ниже нормативных (коэффициенты надёжности меньше 1); "
          "расчёт продолжается";
}

} // namespace

int RunCalcCommand(const std::vector<std::string> &words)
{
    const CalcOptions options = ParseCalcOptions(words);
    const Lang lang = options.common.lang;

    TProject project;
    LoadProject(options.project, project);
    ApplyRegime(options.regime, project.Dat);

    OpenWireCatalogue(options.common);
    const TWireRec wire = FindWire(project.Dat.Provod);
    if (wire.Name.empty())
        throw Error("the wire \"" + project.Dat.Provod + "\" is not in the catalogue");
    if (!project.Koef.CheckKoef())
        std::cerr << "velmora-calc: note: " << LowCoefficientsNote(lang) << '\n';

    const CalcArgs args = CalcArgsOf(project.Dat, wire);
    // --report: the form of the language and units beside the program, written to the file
    // named; no dialog, nothing opened.
    std::optional<ExcelReport> report;
    if (options.report)
        report.emplace(ProgramDir() + ReportTemplateName(lang, options.common.units),
                       *options.report, lang, UnitFactorsOf(options.common.units));

    CalcRun run;
    const CalcOutcome outcome = CalcProject(project, wire, CalcPurpose::Full, args, lang, run,
                                            report ? &*report : nullptr);
    if (outcome == CalcOutcome::CheckFailed) {
        std::cout << CalcFailureJson(run.warning);
        std::cerr << run.warning << '\n';
        return ExitCheckFailed;
    }
    std::cout << CalcResultJson(run);
    return ExitOk;
}

} // namespace velmora::cli
