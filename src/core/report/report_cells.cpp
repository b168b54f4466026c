#include "report/report_cells.h"

#include "calc/results.h"
#include "common/error.h"
#include "xls/worksheet.h"

#include <algorithm>
#include <optional>
#include <string>

namespace velmora::reportcells {

namespace {

void PutNumber(xls::Worksheet &sheet, CellPos pos, double value)
{
    sheet.Cell(pos.row, pos.col).SetNumber(value);
}

// A critical span, or the word for one without a real value.
void PutSpan(xls::Worksheet &sheet, CellPos pos, const std::optional<double> &span, Lang lang)
{
    if (span)
        PutNumber(sheet, pos, *span);
    else
        sheet.Cell(pos.row, pos.col).SetText(CoreText("Imaginary", lang));
}

} // namespace

void WriteInputBlock(xls::Worksheet &sheet, const TProject &project, const CalcArgs &args,
                     const TWireRec &wire, const UnitFactors &units)
{
    const double sf = units.stress;
    const double ff = units.force;
    const TKlimatKoef &koef = project.Koef;

    const std::pair<const char *, double> numbers[] = {
        {"G2", args.T_Max},
        {"G3", args.T_Min},
        {"G4", args.T_Srg},
        {"G5", args.Tvmax},
        {"G6", args.T_Gbw},
        {"G7", args.T_Gsw},
        {"G8", args.VMax},
        {"G9", args.Vgol},
        {"G10", args.Tols}, // the standard thickness, not the refined one
        {"G13", args.Min},
        {"G14", args.Max},
        {"G15", args.Step},
        {"G18", sf * args.NaprMax},
        {"G19", sf * args.NaprSrg},
        {"G21", ff * args.NaprMax * wire.Sech},
        {"G22", ff * args.NaprSrg * wire.Sech},
        {"P3", koef.V_Otv},
        {"P4", koef.V_Reg},
        {"P5", koef.V_Nad},
        {"P7", koef.G_Otv},
        {"P8", koef.G_Reg},
        {"P9", koef.G_Nad},
        {"P10", koef.G_Usl},
        {"P13", wire.Diam},
        {"P14", wire.Sech},
        {"P15", wire.PNag}, // kg/m taken as daN/m; the form shows it as the catalogue does
        {"P16", ff * wire.Modl},
        {"P17", wire.Koef},
    };
    for (const auto &[cell, value] : numbers)
        PutNumber(sheet, At(cell), value);

    const CellPos wireName = At("G12");
    sheet.Cell(wireName.row, wireName.col).SetText(project.Dat.Provod);
    const CellPos terrain = At("V2");
    sheet.Cell(terrain.row, terrain.col).SetText(koef.TerrainLetter());
    const CellPos height = At("V3");
    sheet.Cell(height.row, height.col).SetInteger(koef.VisotaPC);
}

std::vector<int> SpanPageBreaks(int blocks)
{
    std::vector<int> rows;
    for (int block = SpanBlocksOnFirstPage; block < blocks; block += SpanBlocksPerPage)
        rows.push_back(SpanBlockFirstRow + SpanBlockRows * block);
    return rows;
}

void RepeatSpanBlocks(xls::Worksheet &sheet, int n)
{
    for (int k = 1; k <= n; ++k) {
        const int from = SpanBlockFirstRow + SpanBlockRows * (k - 1);
        sheet.CopyRange(from, SpanBlockFirstCol, from + SpanBlockRows - 1, SpanBlockLastCol,
                        from + SpanBlockRows, SpanBlockFirstCol);
    }
    std::vector<int> breaks = SpanPageBreaks(n + 1);
    if (breaks.size() > xls::MaxRowPageBreaks)
        breaks.resize(xls::MaxRowPageBreaks);
    sheet.SetRowPageBreaks(breaks);
}

void WriteMode(xls::Worksheet &sheet, const CalcResults &results, int column,
               const ModeResults &mode, Lang lang, const UnitFactors &units)
{
    if (column < 1 || column > ModeColumnCount)
        throw Error("the report has no column for mode column " + std::to_string(column));
    if (mode.mode < 1 || mode.mode > DesignModeCount)
        throw Error("design mode " + std::to_string(mode.mode) + " does not exist");
    const double sf = units.stress;
    const double ff = units.force;

    // The loads and critical spans are the same for every mode; writing them with each
    // mode leaves them in the report whenever a mode was taken.
    const LoadSet &l = results.loads;
    const std::pair<double, double> loads[] = {
        {l.P1, l.g1}, {l.P2, l.g2}, {l.P3, l.g3},   {l.P4, l.g4},   {l.P4a, l.g4a}, {l.P4b, l.g4b},
        {l.P5, l.g5}, {l.P6, l.g6}, {l.P6a, l.g6a}, {l.P6b, l.g6b}, {l.P7, l.g7},
    };
    int row = LoadFirstRow;
    for (const auto &[perMetre, specific] : loads) {
        sheet.Cell(row, LoadCol).SetNumber(sf * perMetre);
        sheet.Cell(row, SpecificLoadCol).SetNumber(sf * specific);
        ++row;
    }
    PutSpan(sheet, At("P20"), results.l1, lang);
    PutNumber(sheet, At("P21"), results.l2);
    PutSpan(sheet, At("P22"), results.l3, lang);

    const int col = FirstModeCol + column - 1;
    const DesignMode &m = mode.conditions;
    sheet.Cell(ModeLoadRow, col).SetNumber(m.load); // daN-based in both units modes
    sheet.Cell(ModeTemperatureRow, col).SetNumber(m.temperature);
    sheet.Cell(ModeIceRow, col).SetNumber(m.ice);
    sheet.Cell(ModeWindRow, col).SetNumber(m.wind);
    sheet.Cell(ModeNumberRow, col).SetInteger(mode.mode);

    const std::vector<double> &stress = mode.stress;
    const std::vector<double> &sag = mode.sag;
    const double section = results.wire.Sech;
    const std::size_t count = std::min({results.spans.size(), stress.size(), sag.size()});
    for (std::size_t i = 0; i < count; ++i) {
        const int r = SpanBlockFirstRow + SpanBlockRows * static_cast<int>(i);
        sheet.Cell(r, SpanCol).SetNumber(results.spans[i]);
        sheet.Cell(r, col).SetNumber(ff * stress[i] * section);
        sheet.Cell(r + 1, col).SetNumber(sf * stress[i]);
        sheet.Cell(r + 2, col).SetNumber(sag[i]);
    }
}

void WriteResults(xls::Worksheet &sheet, const CalcResults &results, Lang lang,
                  const UnitFactors &units)
{
    if (results.status != ResultsStatus::Calculated || results.spans.empty())
        return;
    RepeatSpanBlocks(sheet, static_cast<int>(results.spans.size()) - 1);
    int column = 0;
    for (const ModeResults &mode : results.taken)
        WriteMode(sheet, results, ++column, mode, lang, units);
}

} // namespace velmora::reportcells
