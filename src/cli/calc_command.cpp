#include "args.h"
#include "calc_json.h"
#include "commands.h"
#include "setup.h"

#include "calc/driver.h"
#include "calc/project_args.h"
#include "common/error.h"
#include "common/folders.h"
#include "data/projectfile.h"
#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <iostream>
#include <optional>

namespace velmora::cli {

int RunCalcCommand(const std::vector<std::string> &words)
{
    const CalcOptions options = ParseCalcOptions(words);
    const Lang lang = options.common.lang;

    TProject project;
    LoadProject(options.project, project);
    if (options.regime)
        ApplyRegimeChoice(project.Dat, *options.regime);

    OpenWireCatalogue(options.common);
    const TWireRec wire = ProjectWire(project.Dat, lang);
    // The window asks whether to go on; velmora-calc goes on and says why the loads are low.
    if (!project.Koef.CheckKoef())
        std::cerr << "velmora-calc: note: " << CoreText("loads_are_lower_standard", lang) << '\n';

    const CalcArgs args = CalcArgsOf(project.Dat, wire);
    // --report: the form of the language and units beside the program, written to the file
    // named; no dialog, nothing opened.
    std::optional<ExcelReport> report;
    if (options.report)
        report.emplace(ProgramFoldersOf(SystemFolderPlatform()).program
                           + ReportTemplateName(lang, options.common.units),
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
