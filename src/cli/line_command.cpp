#include "args.h"
#include "commands.h"
#include "line_json.h"
#include "output.h"
#include "setup.h"
#include "spot_line.h"

#include "calc/preparation.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "common/folders.h"
#include "common/numtext.h"
#include "data/linetext.h"
#include "data/projectfile.h"
#include "import/landxml.h"
#include "l10n/units.h"
#include "report/towerschedule.h"
#include "templates/linedesign.h"
#include "templates/lineprofiledxf.h"

#include <array>
#include <cmath>
#include <iostream>
#include <optional>

namespace velmora::cli {

namespace {

struct LineOptions
{
    std::string project;
    CommonOptions common;
    std::optional<int> templateIndex;
    std::optional<std::string> ground, towers, types, crossings, forbidden;
    std::optional<std::string> dxf, report;
    bool spot = false; // place the towers between the first and the last
    std::optional<double> grid; // m, the candidate sites' step of the spotting
};

double GridOf(const CommandWords::Option &option)
{
    const Bilingual expected {"a grid step in m above 0", "шаг сетки в м больше 0"};
    try {
        const double grid = ParseFloat(option.value);
        if (std::isfinite(grid) && grid > 0)
            return grid;
    } catch (const ConversionError &) {
    }
    InvalidValue(option.name, option.value, expected);
}

LineOptions ParseLineOptions(const std::vector<std::string> &args)
{
    const CommandWords words = SplitCommandWords(args,
                                                 {"--template", "--ground", "--towers", "--types",
                                                  "--crossings", "--forbid", "--dxf", "--report",
                                                  "--catalogue", "--lang", "--units", "--grid"},
                                                 {"--spot"});
    LineOptions options;
    for (const auto &option : words.options) {
        if (TakeCommonOption(option, options.common))
            continue;
        const std::string &name = option.name;
        if (name == "--template")
            options.templateIndex
                = IntOptionFrom(option, 0, {"a template number from 0", "номер шаблона от 0"});
        else if (name == "--ground")
            options.ground = option.value;
        else if (name == "--towers")
            options.towers = option.value;
        else if (name == "--types")
            options.types = option.value;
        else if (name == "--crossings")
            options.crossings = option.value;
        else if (name == "--forbid")
            options.forbidden = option.value;
        else if (name == "--dxf")
            options.dxf = option.value;
        else if (name == "--spot")
            options.spot = true;
        else if (name == "--grid")
            options.grid = GridOf(option);
        else
            options.report = option.value;
    }
    options.project = ProjectFileOf(words);
    if (!options.templateIndex)
        throw UsageError("missing --template N (the sag template the line is checked with)",
                         "не указан --template N (шаблон, по которому проверяется линия)");
    if (options.grid && !options.spot)
        throw UsageError("--grid is the step of --spot: give --spot too",
                         "--grid — это шаг --spot: укажите и --spot");
    return options;
}

// The line of the project with the files of the command line in place of its records, and
// where each kind of record came from.
struct AssembledLine
{
    LineProfile line;
    std::array<LineSource, 5> sources;
    LineSource &of(LineRecord record) { return sources[static_cast<std::size_t>(record)]; }
};

AssembledLine AssembleLine(const LineOptions &options, const TProject &project)
{
    const Lang lang = options.common.lang;
    AssembledLine a;
    a.line = project.Line;
    for (LineSource &source : a.sources)
        source.file = options.project;
    if (options.ground) {
        const std::string bytes = ReadFileBytes(*options.ground);
        auto read = LooksLikeXml(bytes) ? ReadGroundLandXml(bytes, *options.ground, lang)
                                        : ReadGroundText(bytes, *options.ground, lang);
        a.line.ground = std::move(read.items);
        a.of(LineRecord::Ground) = std::move(read.source);
    }
    if (options.types) {
        auto read = ReadTowerTypesText(ReadFileBytes(*options.types), *options.types, lang);
        a.line.types = std::move(read.items);
        a.of(LineRecord::Type) = std::move(read.source);
    }
    if (options.towers) {
        auto read
            = ReadTowersText(ReadFileBytes(*options.towers), *options.towers, a.line.types, lang);
        a.line.towers = std::move(read.items);
        a.of(LineRecord::Tower) = std::move(read.source);
    }
    if (options.crossings) {
        auto read = ReadCrossingsText(ReadFileBytes(*options.crossings), *options.crossings, lang);
        a.line.crossings = std::move(read.items);
        a.of(LineRecord::Crossing) = std::move(read.source);
    }
    if (options.forbidden) {
        auto read = ReadForbiddenText(ReadFileBytes(*options.forbidden), *options.forbidden, lang);
        a.line.forbidden = std::move(read.items);
        a.of(LineRecord::Forbidden) = std::move(read.source);
    }
    if (const auto fault = FindLineFault(a.line, lang))
        throw Error(LineFaultText(*fault, a.of(fault->record), lang));
    return a;
}

} // namespace

int RunLineCommand(const std::vector<std::string> &args)
{
    const LineOptions options = ParseLineOptions(args);
    const Lang lang = options.common.lang;

    TProject project;
    LoadProject(options.project, project);
    const int count = project.Shablons.Count();
    if (*options.templateIndex >= count)
        NoSuchItem("template", {"шаблона", "шаблонов"}, *options.templateIndex, options.project,
                   count);
    const AssembledLine assembled = AssembleLine(options, project);
    LineProfile line = assembled.line;

    const TWiresList catalogue = OpenWireCatalogue(options.common);
    const PreparedCalculation prepared
        = PrepareCalculation(project, catalogue, lang, SpanUse::OwnSpans);
    if (prepared.Refused())
        throw Error(RefusalText(prepared));
    const std::vector<InputFinding> refusals
        = TemplateRefusals(project.Shablons.Items(*options.templateIndex), lang);
    if (!refusals.empty())
        throw Error(refusals.front().text);
    const TWireRec &wire = prepared.wire;
    std::string spot;
    if (options.spot) {
        if (line.towers.size() > 2)
            std::cerr << InLanguage(lang,
                                    "Note: the spotting keeps the first and the last tower; "
                                    "the other ",
                                    "Примечание: расстановка сохраняет первую и последнюю опоры; "
                                    "остальные ")
                    + FormatInt(static_cast<std::int64_t>(line.towers.size() - 2))
                    + InLanguage(lang, " are left out", " не учитываются")
                      << std::endl;
        const SpottedLine spotted
            = SpotLine(project, line, *options.templateIndex, wire, options.grid.value_or(5), lang);
        if (!spotted.found) {
            WriteStdout("{\"ok\": false,\n " + spotted.spot + "}\n");
            std::cerr << spotted.none << std::endl;
            return ExitCheckFailed;
        }
        line.towers = spotted.towers;
        spot = spotted.spot;
    }
    const LineCheck check = RunLineCheck(project, line, *options.templateIndex, wire, lang);

    // Written before anything is printed, so that a failure leaves no JSON.
    const UnitFactors units = UnitFactorsOf(options.common.units);
    if (options.dxf)
        DrawLineProfile(*options.dxf, line, check, project.Shablons.Items(*options.templateIndex),
                        lang);
    if (options.report)
        WriteTowerSchedule(ProgramFoldersOf(SystemFolderPlatform()).program
                               + TowerScheduleFormName(lang == Lang::English, options.common.units),
                           *options.report, project.Shablons.Items(*options.templateIndex).Name,
                           line, check, lang, units);
    if (options.spot) {
        // Found is success; a span that only the ruling span's stress fails is in the JSON.
        WriteStdout(WithMember(LineResultJson(check, line), spot));
        return ExitOk;
    }
    WriteStdout(LineResultJson(check, line));
    return check.ok() ? ExitOk : ExitCheckFailed;
}

} // namespace velmora::cli
