#include "args.h"
#include "calc_json.h"
#include "commands.h"
#include "paths.h"
#include "report_option.h"

#include "calc/driver.h"
#include "calc/report_sink.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "l10n/localization.h"
#include "l10n/texts.h"
#include "l10n/units.h"

#include <iostream>

namespace velmora::cli {

namespace {

// The user's settings stay untouched: no settings store is set, so the language and units
// chosen here are not written anywhere.
void InitTexts(const CalcOptions &options)
{
    SetLanguage(options.language);
    SetUnits(options.units);
    RegisterAllTexts();
}

void OpenWireCatalogue(const CalcOptions &options)
{
    if (!options.catalogue) {
        OpenCatalogue(CommonDataDir(), ProgramDir());
        return;
    }
    // LoadFromFile would create a missing file; a named catalogue must exist.
    if (!FileExists(*options.catalogue))
        throw Error("the catalogue file \"" + *options.catalogue + "\" does not exist");
    WiresList().Clear();
    WiresList().LoadFromFile(*options.catalogue);
}

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

CalcArgs ArgsFromProject(const TDAT &dat, const TWireRec &wire)
{
    CalcArgs a;
    a.T_Gsw = dat.T_Gsw;
    a.T_Gbw = dat.T_Gbw;
    a.Tvmax = dat.Tvmax;
    a.T_Min = dat.T_Min;
    a.T_Max = dat.T_Max;
    a.T_Srg = dat.T_Srg;
    a.Vgol = dat.Vgol;
    a.VMax = dat.VMax;
    a.Tols = dat.Tols;
    if (dat.NaprPage == 1) { // tensile forces given: stresses over the cross-section
        if (wire.Sech == 0)
            throw Error("Division by zero: the wire's cross-section is 0");
        a.NaprSrg = dat.Tag_Srg / wire.Sech;
        a.NaprMax = dat.Tag_Max / wire.Sech;
    } else {
        a.NaprSrg = dat.Napr_srg;
        a.NaprMax = dat.Napr_Max;
    }
    a.Min = dat.Min_Prol;
    a.Max = dat.Max_Prol;
    a.Step = dat.Shag;
    return a;
}

std::string LowCoefficientsNote()
{
    return IsEnglish() ? "the loads are lower than the standard ones (reliability coefficients "
                         "below 1); calculating anyway"
                       : "расчётные нагрузки ниже нормативных (коэффициенты надёжности меньше 1); "
                         "расчёт продолжается";
}

} // namespace

int RunCalcCommand(const std::vector<std::string> &words)
{
    const CalcOptions options = ParseCalcOptions(words);
    InitTexts(options);

    TProject project;
    LoadProject(options.project, project);
    ApplyRegime(options.regime, project.Dat);

    OpenWireCatalogue(options);
    const TWireRec wire = FindWire(project.Dat.Provod);
    if (wire.Name.empty())
        throw Error("the wire \"" + project.Dat.Provod + "\" is not in the catalogue");
    if (!project.Koef.CheckKoef())
        std::cerr << "velmora-calc: note: " << LowCoefficientsNote() << '\n';

    const CalcArgs args = ArgsFromProject(project.Dat, wire);
    std::unique_ptr<CalcReport> report;
    if (options.report)
        report = OpenReportOption(*options.report, options.units);

    CalcRun run;
    const CalcOutcome outcome
        = CalcProjectWithWire(project, wire, FullCalculation, args, run, report.get());
    if (outcome == CalcOutcome::CheckFailed) {
        std::cout << CalcFailureJson(run.warning);
        std::cerr << run.warning << '\n';
        return ExitCheckFailed;
    }
    std::cout << CalcResultJson(run);
    return ExitOk;
}

} // namespace velmora::cli
