// Writes the stringing tables of a few cases into a folder, each with a JSON file of what it
// holds, for the checks with independent readers (xlrd, LibreOffice):
//   stringing_samples OUTDIR
// OUTDIR/<case>.xls is the workbook; OUTDIR/<case>.json holds
//   {"form": "<path of the form>", "language": "en", "wire": "АС 70/11", "sech": 79.3,
//    "stress_factor": 1, "force_factor": 1,
//    "sections": [{"name": ..., "reduced_span": ..., "state": 3, "spans": [...],
//                  "temperatures": [...], "stress": [...], "tension": [...],
//                  "sag_reduced": [...], "sags": [[...], ...]}]}
// with the values in daN-based units as calculated; the checks apply the factors.
// The tables are those of the shipped example project with its wire from the shipped
// catalogue's source.

#include "calc/project_args.h"
#include "calc/stringing.h"
#include "catalogue/wires.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "json_text.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "report/stringing_report.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace velmora;

struct SampleCase
{
    std::string name;
    bool english;
    int units;
    std::vector<TSection> sections;
};

TSection Section(std::string name, std::vector<double> spans, double from = -40, double to = 40,
                 double step = 10)
{
    TSection section;
    section.Name = std::move(name);
    section.Spans = std::move(spans);
    section.TFrom = from;
    section.TTo = to;
    section.TStep = step;
    return section;
}

// Spans of count values from first on, each a little longer than the one before.
std::vector<double> Spans(int count, double first)
{
    std::vector<double> spans;
    for (int i = 0; i < count; ++i)
        spans.push_back(first + 3.5 * i);
    return spans;
}

std::vector<SampleCase> Cases(const TSection &example)
{
    std::vector<SampleCase> cases;
    // The example's section and one below l2, which the minimum temperature governs.
    cases.push_back({"example_en", true, 0, {example, Section("Короткий", {60, 70, 65})}});
    // 41 temperatures and 60 spans: nine blocks over several pages, then a small section.
    cases.push_back({"long_ru_newtons",
                     false,
                     1,
                     {Section("Переход через реку", Spans(60, 110), -40, 40, 2), example}});
    // Many small sections, several blocks on a page.
    std::vector<TSection> many;
    for (int s = 0; s < 14; ++s)
        many.push_back(Section("Section " + std::to_string(s + 1), Spans(2 + s % 7, 120 + 10 * s),
                               -30, 40, 5));
    cases.push_back({"many_en_newtons", true, 1, many});
    return cases;
}

std::string NumberList(const std::vector<double> &values, double factor = 1)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + test::JsonNumber(factor * values[i]);
    return out + "]";
}

std::string SampleJson(const std::string &form, const SampleCase &c, const TWireRec &wire,
                       UnitFactors units, const std::vector<SectionTable> &tables)
{
    std::string out = "{\"form\": " + test::JsonString(form) + ", \"language\": \""
        + (c.english ? "en" : "ru") + "\", \"wire\": " + test::JsonString(wire.Name)
        + ", \"sech\": " + test::JsonNumber(wire.Sech)
        + ", \"stress_factor\": " + test::JsonNumber(units.stress)
        + ", \"force_factor\": " + test::JsonNumber(units.force) + ",\n \"sections\": [\n";
    for (std::size_t s = 0; s < tables.size(); ++s) {
        const TSection &section = tables[s].section;
        const StringingTable &t = tables[s].table;
        out += "  {\"name\": " + test::JsonString(section.Name) + ", \"reduced_span\": "
            + test::JsonNumber(t.reducedSpan) + ", \"state\": " + std::to_string(t.state)
            + ", \"spans\": " + NumberList(section.Spans)
            + ", \"temperatures\": " + NumberList(t.temperatures)
            + ", \"stress\": " + NumberList(t.stress) + ", \"tension\": " + NumberList(t.tension)
            + ", \"sag_reduced\": " + NumberList(t.sagReduced) + ", \"sags\": [";
        for (std::size_t i = 0; i < t.sags.size(); ++i)
            out += (i ? ", " : "") + NumberList(t.sags[i]);
        out += s + 1 < tables.size() ? "]},\n" : "]}\n";
    }
    return out + "]}\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: stringing_samples OUTDIR\n";
        return 2;
    }
    const std::string outDir = std::string(argv[1]) + "/";
    const std::string appDir = std::string(VELMORA_APP_DIR) + "/";
    const std::string share = std::string(VELMORA_SOURCE_DIR) + "/share/";
    try {
        std::filesystem::create_directories(outDir);
        TProject project;
        LoadProject(share + "examples/example.vlp", project);
        TWireRec wire;
        for (const TWireRec &w : ReadCatalogueText(share + "catalogue/wires.txt").wires) {
            if (w.Name == project.Dat.Provod)
                wire = w;
        }
        if (wire.Name.empty() || project.Sections.Count() != 1)
            throw Error("the example project or its wire is not as expected");
        const CalcArgs args = CalcArgsOf(project.Dat, wire);
        CalcRun run;
        if (CalcStringingBasis(project, wire, args, Lang::English, run) != CalcOutcome::Done)
            throw Error("the example project does not calculate");

        for (const SampleCase &c : Cases(project.Sections.Items(0))) {
            const Lang language = c.english ? Lang::English : Lang::Russian;
            std::vector<SectionTable> tables;
            for (const TSection &section : c.sections)
                tables.push_back({section, CalcStringing(run, args, section, language)});
            const UnitFactors units = UnitFactorsOf(c.units);
            const std::string form = appDir + StringingFormName(c.english, c.units);
            const std::string xlsPath = outDir + c.name + ".xls";
            WriteStringingReport(form, xlsPath, wire, tables, language, units);
            WriteFileAtomically(outDir + c.name + ".json",
                                SampleJson(form, c, wire, units, tables));
            std::cout << xlsPath << '\n';
        }
    } catch (const std::exception &e) {
        std::cerr << "stringing_samples: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
