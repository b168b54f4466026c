#include "args.h"
#include "batch.h"
#include "calc_json.h"
#include "commands.h"
#include "output.h"
#include "setup.h"

#include "calc/driver.h"
#include "calc/preparation.h"
#include "calc/results.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "common/folders.h"
#include "data/projectfile.h"
#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <thread>

namespace velmora::cli {

namespace {

// A project read and its wire found, ready to be calculated.
struct LoadedProject
{
    TProject project;
    PreparedCalculation prepared;
    // The window asks whether to go on; velmora-calc goes on and says why the loads are low.
    std::optional<std::string> note;
};

// Throws velmora::Error for a project that cannot be read.
LoadedProject ReadForCalc(const std::string &path, const CalcOptions &options)
{
    LoadedProject loaded;
    LoadProject(path, loaded.project);
    if (options.regime)
        ApplyRegimeChoice(loaded.project.Dat, *options.regime);
    return loaded;
}

// Throws velmora::Error for refused input (a wire missing from the catalogue among them).
void FindWireOf(LoadedProject &loaded, const TWiresList &catalogue, const CalcOptions &options)
{
    loaded.prepared = PrepareCalculation(loaded.project, catalogue, options.common.lang);
    if (loaded.prepared.Refused())
        throw Error(RefusalText(loaded.prepared));
    if (!loaded.project.Koef.CheckKoef())
        loaded.note = CoreText("loads_are_lower_standard", options.common.lang);
}

// The report form of the language and units beside the program; --report writes it to the
// file named, with no dialog and nothing opened.
std::string ReportFormOf(const CalcOptions &options)
{
    return ProgramFoldersOf(SystemFolderPlatform()).program
        + ReportTemplateName(options.common.lang, options.common.units);
}

// The inputs of a project's run that a report must not replace.
std::vector<std::string> InputsOf(const std::string &project, const TWiresList &catalogue,
                                  const std::string &reportForm)
{
    return {project, catalogue.FileName(), reportForm};
}

// The project's results; with report also the bytes of its report, unless the check failed.
// The form is read before anything is calculated.
CalcResults Calculate(const LoadedProject &loaded, const CalcOptions &options,
                      const std::string &reportForm, std::optional<std::string> *report)
{
    const Lang lang = options.common.lang;
    const CalcArgs &args = loaded.prepared.args;
    std::optional<ExcelReport> workbook;
    if (report)
        workbook.emplace(reportForm, lang, UnitFactorsOf(options.common.units));
    CalcResults results = CalculateResults(loaded.project, loaded.prepared.wire, args, lang);
    results.warnings = loaded.prepared.warnings;
    if (workbook && results.status != ResultsStatus::CheckFailed) {
        workbook->Fill(loaded.project, args, results);
        *report = workbook->Bytes();
    }
    return results;
}

// One project, its JSON laid out over lines; errors pass on to main. The report replaces its
// file only once the JSON is out: a run whose output is lost changes no file.
int RunSingle(const CalcOptions &options, const std::optional<std::string> &reportPath)
{
    LoadedProject loaded = ReadForCalc(options.projects.front(), options);
    const TWiresList catalogue = OpenWireCatalogue(options.common);
    FindWireOf(loaded, catalogue, options);
    if (loaded.note)
        std::cerr << "velmora-calc: note: " << *loaded.note << '\n';
    for (const InputFinding &warning : loaded.prepared.warnings)
        std::cerr << "velmora-calc: warning: " << warning.text << '\n';
    const std::string reportForm = reportPath ? ReportFormOf(options) : std::string();
    if (reportPath)
        RefuseOutputOverInput(*reportPath,
                              InputsOf(options.projects.front(), catalogue, reportForm));
    std::optional<std::string> report;
    const CalcResults results
        = Calculate(loaded, options, reportForm, reportPath ? &report : nullptr);
    if (results.status == ResultsStatus::CheckFailed) {
        std::cerr << results.failure << '\n';
        WriteStdout(CalcFailureJson(results.failure));
        return ExitCheckFailed;
    }
    // Written beside its place before the JSON (a folder that cannot take it fails the run
    // with nothing printed), put in place after it.
    std::optional<PreparedFile> prepared;
    if (report)
        prepared.emplace(*reportPath, *report);
    WriteStdout(CalcResultJson(results));
    if (prepared)
        prepared->Commit();
    return ExitOk;
}

// One project of --jsonl: everything it prints, its errors included.
ProjectLine CalcLine(const std::string &path, const TWiresList &catalogue,
                     const CalcOptions &options, const std::string &reportForm,
                     const std::optional<std::string> &reportPath)
{
    ProjectLine line;
    JsonText json(true);
    const std::string prefix = "velmora-calc: " + path + ": ";
    try {
        LoadedProject loaded = ReadForCalc(path, options);
        FindWireOf(loaded, catalogue, options);
        if (loaded.note)
            line.err += prefix + "note: " + *loaded.note + '\n';
        for (const InputFinding &warning : loaded.prepared.warnings)
            line.err += prefix + "warning: " + OneLine(warning.text) + '\n';
        if (reportPath)
            RefuseOutputOverInput(*reportPath, InputsOf(path, catalogue, reportForm));
        std::optional<std::string> report;
        const CalcResults results
            = Calculate(loaded, options, reportForm, reportPath ? &report : nullptr);
        if (report)
            line.report = std::make_shared<PreparedFile>(*reportPath, *report);
        if (results.status == ResultsStatus::CheckFailed) {
            line.status = ExitCheckFailed;
            WriteCalcFailure(json, results.failure, path, line.status);
            line.err += prefix + OneLine(results.failure) + '\n';
        } else {
            WriteCalcResult(json, results, path);
        }
    } catch (const std::exception &e) {
        line.status = ExitInputError;
        json = JsonText(true);
        const std::string message = ErrorText(e, options.common.lang);
        WriteCalcFailure(json, message, path, line.status);
        line.err += prefix + OneLine(message) + '\n';
    }
    line.out = json.Take();
    line.out += '\n';
    return line;
}

int RunBatch(const CalcOptions &options)
{
    const std::vector<std::string> projects = ProjectFilesOf(options.projects);
    // The parser refuses --report with several words before any folder is read; one folder's
    // projects are counted only here.
    if (options.report && projects.size() > 1)
        throw ReportForOneError();
    std::vector<std::optional<std::string>> reports(projects.size());
    if (options.report)
        reports[0] = options.report;
    if (options.reportDir) {
        const std::vector<std::string> paths = ReportPathsOf(projects, *options.reportDir);
        std::copy(paths.begin(), paths.end(), reports.begin());
        CreateReportFolder(*options.reportDir);
    }
    const TWiresList catalogue
        = OpenWireCatalogue(options.common); // once: the projects only read it
    const std::string reportForm = ReportFormOf(options);
    const int jobs = options.jobs > 0
        ? options.jobs
        : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return RunInOrder(projects.size(), jobs, options.common.lang, [&](std::size_t i) {
        return CalcLine(projects[i], catalogue, options, reportForm, reports[i]);
    });
}

} // namespace

int RunCalcCommand(const std::vector<std::string> &words)
{
    const CalcOptions options = ParseCalcOptions(words);
    if (options.jsonl)
        return RunBatch(options);
    std::optional<std::string> reportPath = options.report;
    if (options.reportDir) {
        reportPath = ReportPathsOf(options.projects, *options.reportDir).front();
        CreateReportFolder(*options.reportDir);
    }
    return RunSingle(options, reportPath);
}

} // namespace velmora::cli
