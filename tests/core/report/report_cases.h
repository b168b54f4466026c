#pragma once

// The report cases the tests fill and the cell map the finished workbooks must show - written
// out here from the report's layout, independently of the report code, so that the own-reader
// tests and the independent-reader checks share it.

#include "calc/driver.h"
#include "calc/project_args.h"
#include "calc/results.h"
#include "calc/solver.h"
#include "example_wire.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <string>
#include <vector>

namespace velmora::test {

struct ReportCase
{
    std::string name; // file stem of the report
    int language = 0; // 0 English, 1 Russian
    int units = 0;
    TProject project;
    CalcArgs args;

    Lang lang() const { return language == 0 ? Lang::English : Lang::Russian; }
    // The form of the case's language and units, relative to the program's folder.
    std::string form() const { return ReportTemplateName(lang(), units); }
};

// The cases the report is filled for: spans 10..100 by 10 (n = 10) in both languages and
// both units modes, one span only, the clearance modes only, l3 imaginary in English and
// in Russian, and the longest range the window accepts (601 spans, 44 printed pages) in
// English daN-based and Russian N/kN-based units.
inline std::vector<ReportCase> ReportCases()
{
    std::vector<ReportCase> cases;
    auto add = [&](std::string name, int language, int units) -> ReportCase & {
        ReportCase c;
        c.name = std::move(name);
        c.language = language;
        c.units = units;
        c.project.SetDefaults();
        c.project.Dat.Provod = ExampleWire().Name;
        c.project.Koef.TypeTer = 2;
        c.project.Koef.VisotaPC = 27;
        c.project.Koef.V_Reg = 1.1;
        c.project.Koef.G_Usl = 1.25;
        c.args = CalcArgsOf(c.project.Dat, ExampleWire());
        cases.push_back(std::move(c));
        return cases.back();
    };
    add("n10_en", 0, 0);
    add("n10_ru", 1, 0);
    add("n10_en_units1", 0, 1);
    add("n10_ru_units1", 1, 1);
    ReportCase &single = add("n1_en", 0, 0);
    single.args.Min = single.args.Max = 50;
    ReportCase &clearance = add("clearance_en", 0, 0);
    clearance.project.Dat.RegimeFlags.fill(false);
    clearance.project.Dat.RegimeFlags[1] = clearance.project.Dat.RegimeFlags[6] = true;
    for (int language : {0, 1}) {
        // σavg close to σmax and ice colder than the average: l3 has no real value.
        ReportCase &c = add(language == 0 ? "l3_imaginary_en" : "l3_imaginary_ru", language, 0);
        c.args.NaprSrg = 8.9;
    }
    for (int language : {0, 1}) {
        ReportCase &c = add(language == 0 ? "n601_en" : "n601_ru_units1", language, language);
        c.args.Min = 10;
        c.args.Max = 610;
        c.args.Step = 1;
    }
    return cases;
}

// One cell of the expected map: A1 name and what it must hold. Blank means the cell keeps
// the template's empty cell (or does not exist).
struct ExpectedCell
{
    enum Kind { Number, Integer, Text, Blank } kind = Blank;
    std::string a1;
    double number = 0;
    std::string text;
};

inline std::string ColumnLetters(int col) // zero-based
{
    std::string s;
    for (++col; col > 0; col = (col - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (col - 1) % 26));
    return s;
}

inline std::string A1(int row1, int col) // one-based row, zero-based column
{
    return ColumnLetters(col) + std::to_string(row1);
}

// The whole cell map of a finished report, from the run and the case's units.
inline std::vector<ExpectedCell> ExpectedCells(const ReportCase &c, const CalcRun &run)
{
    const double sf = UnitFactorsOf(c.units).stress;
    const double ff = UnitFactorsOf(c.units).force;
    const CalcArgs &a = c.args;
    const TKlimatKoef &k = c.project.Koef;
    const TWireRec &w = run.wire;
    std::vector<ExpectedCell> cells;
    auto number = [&](std::string a1, double v) {
        cells.push_back({ExpectedCell::Number, std::move(a1), v, {}});
    };
    auto integer = [&](std::string a1, double v) {
        cells.push_back({ExpectedCell::Integer, std::move(a1), v, {}});
    };
    auto text = [&](std::string a1, std::string t) {
        cells.push_back({ExpectedCell::Text, std::move(a1), 0, std::move(t)});
    };
    auto blank = [&](std::string a1) {
        cells.push_back({ExpectedCell::Blank, std::move(a1), 0, {}});
    };
    auto span = [&](std::string a1, double v) {
        if (IsImaginarySpan(v))
            text(std::move(a1), CoreText("Imaginary", c.lang()));
        else
            number(std::move(a1), v);
    };

    number("G2", a.T_Max);
    number("G3", a.T_Min);
    number("G4", a.T_Srg);
    number("G5", a.Tvmax);
    number("G6", a.T_Gbw);
    number("G7", a.T_Gsw);
    number("G8", a.VMax);
    number("G9", a.Vgol);
    number("G10", a.Tols);
    text("G12", c.project.Dat.Provod);
    number("G13", a.Min);
    number("G14", a.Max);
    number("G15", a.Step);
    number("G18", sf * a.NaprMax);
    number("G19", sf * a.NaprSrg);
    number("G21", ff * a.NaprMax * w.Sech);
    number("G22", ff * a.NaprSrg * w.Sech);
    number("P3", k.V_Otv);
    number("P4", k.V_Reg);
    number("P5", k.V_Nad);
    number("P7", k.G_Otv);
    number("P8", k.G_Reg);
    number("P9", k.G_Nad);
    number("P10", k.G_Usl);
    text("V2", k.TerrainLetter());
    integer("V3", k.VisotaPC);
    number("P13", w.Diam);
    number("P14", w.Sech);
    number("P15", w.PNag);
    number("P16", ff * w.Modl);
    number("P17", w.Koef);

    const int modeCount = static_cast<int>(run.takenModes.size());
    if (!run.calculated || modeCount == 0) {
        for (int r = 25; r <= 35; ++r) {
            blank("G" + std::to_string(r));
            blank("J" + std::to_string(r));
        }
        blank("P20");
        blank("P21");
        blank("P22");
        blank("B42");
    } else {
        const LoadSet &l = run.loads;
        const double loads[][2] = {{l.P1, l.g1},   {l.P2, l.g2},   {l.P3, l.g3}, {l.P4, l.g4},
                                   {l.P4a, l.g4a}, {l.P4b, l.g4b}, {l.P5, l.g5}, {l.P6, l.g6},
                                   {l.P6a, l.g6a}, {l.P6b, l.g6b}, {l.P7, l.g7}};
        for (int i = 0; i < 11; ++i) {
            number("G" + std::to_string(25 + i), sf * loads[i][0]);
            number("J" + std::to_string(25 + i), sf * loads[i][1]);
        }
        span("P20", run.l1);
        number("P21", run.l2);
        span("P22", run.l3);
        for (std::size_t i = 0; i < run.spans.size(); ++i)
            number("B" + std::to_string(42 + 3 * i), run.spans[i]);
    }
    const std::size_t blocks = run.calculated ? run.spans.size() : 1;
    for (int c = 0; c < 17; ++c) {
        const int col = 3 + c; // D..T
        if (c < modeCount && run.calculated) {
            const int mode = run.takenModes[c];
            const DesignMode &m = run.modes[mode - 1];
            number(A1(37, col), m.load);
            number(A1(38, col), m.temperature);
            number(A1(39, col), m.ice);
            number(A1(40, col), m.wind);
            integer(A1(41, col), mode);
            for (std::size_t i = 0; i < blocks; ++i) {
                const int r = 42 + 3 * static_cast<int>(i);
                const double stress = run.stress[mode - 1][i];
                number(A1(r, col), ff * stress * w.Sech);
                number(A1(r + 1, col), sf * stress);
                number(A1(r + 2, col), run.sag[mode - 1][i]);
            }
        } else {
            for (int r = 37; r <= 41; ++r)
                blank(A1(r, col));
            for (std::size_t i = 0; i < blocks; ++i)
                for (int r = 0; r < 3; ++r)
                    blank(A1(42 + 3 * static_cast<int>(i) + r, col));
        }
    }
    return cells;
}

// How many span blocks the report must have: one per entry of the spans, or the template's
// one block when nothing was calculated.
inline int ExpectedBlocks(const CalcRun &run)
{
    return run.calculated ? static_cast<int>(run.spans.size()) : 1;
}

// Fills the report of a case into outPath with the forms under appDir as velmora-calc does:
// the form is read first, and the results are written unless the check failed.
inline CalcOutcome RunReportCase(const ReportCase &c, const std::string &appDir,
                                 const std::string &outPath, CalcRun &run)
{
    ExcelReport report(appDir + c.form(), c.lang(), UnitFactorsOf(c.units));
    const CalcOutcome outcome
        = CalcProject(c.project, ExampleWire(), CalcPurpose::Full, c.args, c.lang(), run);
    if (outcome == CalcOutcome::CheckFailed)
        return outcome;
    report.Fill(c.project, c.args, ResultsOf(run, outcome, c.args));
    report.Save(outPath);
    return outcome;
}

} // namespace velmora::test
