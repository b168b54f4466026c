#include "args.h"
#include "calc_json.h"
#include "commands.h"
#include "output.h"
#include "setup.h"
#include "stringing_json.h"

#include "calc/preparation.h"
#include "calc/stringing.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "common/folders.h"
#include "common/numtext.h"
#include "data/projectfile.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "report/stringing_report.h"

#include <iostream>
#include <optional>

namespace velmora::cli {

namespace {

struct StringingOptions
{
    std::string project;
    CommonOptions common;
    std::optional<int> section; // --section N, from 0
    bool all = false;
    std::optional<TSection> spans; // --spans with --from, --to, --step: a section not stored
    std::optional<std::string> report; // --report OUT.xls
};

double NumberOf(const CommandWords::Option &option, const Bilingual &expected)
{
    try {
        return ParseFloat(option.value);
    } catch (const ConversionError &) {
        InvalidValue(option.name, option.value, expected);
    }
}

// "120,150,180": every field a number; the limits are the section's own check.
std::vector<double> SpansOf(const CommandWords::Option &option)
{
    const Bilingual expected {"span lengths in m separated by commas",
                              "длины пролётов в м через запятую"};
    std::vector<double> spans;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = option.value.find(',', start);
        const std::string field = option.value.substr(start, comma - start);
        try {
            spans.push_back(ParseFloat(field));
        } catch (const ConversionError &) {
            InvalidValue(option.name, option.value, expected);
        }
        if (comma == std::string::npos)
            return spans;
        start = comma + 1;
    }
}

StringingOptions ParseStringingOptions(const std::vector<std::string> &args)
{
    const CommandWords words
        = SplitCommandWords(args,
                            {"--section", "--spans", "--from", "--to", "--step", "--catalogue",
                             "--lang", "--units", "--report"},
                            {"--all"});
    StringingOptions options;
    TSection unstored;
    bool haveSpans = false;
    bool haveTemperatures = false;
    for (const auto &option : words.options) {
        if (TakeCommonOption(option, options.common))
            continue;
        const std::string &name = option.name;
        if (name == "--report") {
            options.report = option.value;
        } else if (name == "--all") {
            options.all = true;
        } else if (name == "--section") {
            options.section
                = IntOptionFrom(option, 0, {"a section number from 0", "номер участка от 0"});
        } else if (name == "--spans") {
            unstored.Spans = SpansOf(option);
            haveSpans = true;
        } else {
            double &value = name == "--from" ? unstored.TFrom
                : name == "--to"             ? unstored.TTo
                                             : unstored.TStep;
            value = NumberOf(option, {"a temperature in °C", "температура в °C"});
            haveTemperatures = true;
        }
    }
    options.project = ProjectFileOf(words);
    if (options.section && options.all)
        throw UsageError("--section and --all cannot be combined",
                         "--section и --all не указываются вместе");
    if (haveSpans && (options.section || options.all))
        throw UsageError("--spans cannot be combined with --section or --all",
                         "--spans не указывается вместе с --section или --all");
    if (haveTemperatures && !haveSpans)
        throw UsageError("--from, --to and --step go with --spans",
                         "--from, --to и --step указываются вместе с --spans");
    if (haveSpans)
        options.spans = unstored;
    return options;
}

// The sections the options ask for, each checked before anything is calculated.
std::vector<TSection> ChosenSections(const StringingOptions &options, const TProject &project)
{
    std::vector<TSection> chosen;
    const int count = project.Sections.Count();
    if (options.spans) {
        chosen.push_back(*options.spans);
    } else if (options.section) {
        if (*options.section >= count)
            NoSuchItem("anchor section", {"анкерного участка", "анкерных участков"},
                       *options.section, options.project, count);
        chosen.push_back(project.Sections.Items(*options.section));
    } else {
        if (count == 0)
            throw UsageError("no anchor sections in \"" + options.project
                                 + "\" (give --spans, or add sections in the program)",
                             "в «" + options.project
                                 + "» нет анкерных участков (укажите --spans или добавьте "
                                   "участки в программе)");
        for (int i = 0; i < count; ++i)
            chosen.push_back(project.Sections.Items(i));
    }
    for (const TSection &section : chosen)
        CheckSection(section, options.common.lang);
    return chosen;
}

int Refuse(const std::string &message)
{
    std::cerr << message << '\n';
    WriteStdout(CalcFailureJson(message));
    return ExitCheckFailed;
}

} // namespace

int RunStringingCommand(const std::vector<std::string> &words)
{
    const StringingOptions options = ParseStringingOptions(words);
    const Lang lang = options.common.lang;

    TProject project;
    LoadProject(options.project, project);
    const std::vector<TSection> sections = ChosenSections(options, project);

    const TWiresList catalogue = OpenWireCatalogue(options.common);
    const PreparedCalculation prepared
        = PrepareCalculation(project, catalogue, lang, SpanUse::OwnSpans);
    if (prepared.Refused())
        throw Error(RefusalText(prepared));
    for (const InputFinding &warning : prepared.warnings)
        std::cerr << "velmora-calc: warning: " << warning.text << '\n';
    const TWireRec &wire = prepared.wire;
    const CalcArgs &args = prepared.args;
    CalcRun run;
    if (CalcStringingBasis(project, wire, args, lang, run) == CalcOutcome::CheckFailed)
        return Refuse(run.warning);

    std::vector<SectionTable> tables;
    for (const TSection &section : sections) {
        SectionTable entry {section, CalcStringing(run, args, section, lang)};
        if (entry.table.state == NoState)
            return Refuse(entry.table.warning);
        tables.push_back(std::move(entry));
    }
    // Made before anything is printed, so that a failure leaves neither file nor JSON, and
    // written after the JSON went out, so that a lost output changes no file.
    std::optional<std::string> report;
    if (options.report) {
        const std::string form = ProgramFoldersOf(SystemFolderPlatform()).program
            + StringingFormName(lang == Lang::English, options.common.units);
        RefuseOutputOverInput(*options.report, {options.project, catalogue.FileName(), form});
        report
            = StringingReportBytes(form, wire, tables, lang, UnitFactorsOf(options.common.units));
    }
    std::optional<PreparedFile> reportFile;
    if (report)
        reportFile.emplace(*options.report, *report);
    WriteStdout(StringingResultJson(tables));
    if (reportFile)
        reportFile->Commit();
    return ExitOk;
}

} // namespace velmora::cli
