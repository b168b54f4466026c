#pragma once

#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <string_view>
#include <vector>

namespace velmora {

namespace xls {
class Worksheet;
}

struct CalcArgs;
struct CalcResults;
struct ModeResults;
struct TProject;
struct TWireRec;

// Where the report's values go on the template's first sheet. Every value is written into
// an existing or new cell and keeps the cell's format; the template holds every label, unit
// and format. Stresses are written × units.stress, tensile forces and the modulus ×
// units.force, loads per metre and specific loads of the load table × units.stress.
namespace reportcells {

// A zero-based cell position from A1 notation ("G2" is row 1, column 6).
struct CellPos
{
    int row = 0;
    int col = 0;
};

constexpr CellPos At(std::string_view a1)
{
    CellPos pos;
    std::size_t i = 0;
    int col = 0;
    for (; i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z'; ++i)
        col = col * 26 + (a1[i] - 'A' + 1);
    int row = 0;
    for (; i < a1.size(); ++i)
        row = row * 10 + (a1[i] - '0');
    pos.row = row - 1;
    pos.col = col - 1;
    return pos;
}

// The block of one span: rows 42..44, columns A..U; the first block is the critical span l2.
inline constexpr int SpanBlockFirstRow = At("A42").row;
inline constexpr int SpanBlockRows = 3;
inline constexpr int SpanBlockFirstCol = At("A42").col;
inline constexpr int SpanBlockLastCol = At("U42").col;
inline constexpr int SpanCol = At("B42").col;

// Printed pages: the first holds the input block and SpanBlocksOnFirstPage span blocks, each
// further page the repeated headings (rows 36..41, the form's print titles) and
// SpanBlocksPerPage blocks. Both follow from the form's row heights and page setup
// (share/forms/make_forms.py): at the scale that fits the form's width on landscape A4 with
// Arial's metrics, the first page has room for 3 blocks and the others for 15; one block
// fewer leaves room for a slightly larger scale, so no automatic break falls inside a block.
inline constexpr int SpanBlocksOnFirstPage = 2;
inline constexpr int SpanBlocksPerPage = 14;

// The rows (zero-based) that start a new page in a report of `blocks` span blocks.
std::vector<int> SpanPageBreaks(int blocks);

// The c-th mode taken fills column D + c − 1, up to T for the 17th.
inline constexpr int FirstModeCol = At("D37").col;
inline constexpr int ModeColumnCount = 17;

// Rows of the mode columns: the mode's specific load (daN/(m·mm²) in both units modes),
// temperature, ice, wind and number.
inline constexpr int ModeLoadRow = At("D37").row;
inline constexpr int ModeTemperatureRow = At("D38").row;
inline constexpr int ModeIceRow = At("D39").row;
inline constexpr int ModeWindRow = At("D40").row;
inline constexpr int ModeNumberRow = At("D41").row;

// The load table: rows 25..35 in the order P1, P2, P3, P4, P4a, P4b, P5, P6, P6a, P6b, P7;
// loads per metre in G, specific loads in J.
inline constexpr int LoadFirstRow = At("G25").row;
inline constexpr int LoadCol = At("G25").col;
inline constexpr int SpecificLoadCol = At("J25").col;

// The input block: climatic conditions, wire, spans, permissible values, coefficients, wire
// data. Written once, when the report is opened.
void WriteInputBlock(xls::Worksheet &sheet, const TProject &project, const CalcArgs &args,
                     const TWireRec &wire, const UnitFactors &units);

// Repeats the span block n times: the k-th copy takes the block made by the copy before it
// (rows 3k + 39 .. 3k + 41) to rows 3k + 42 .. 3k + 44, with values, formats and merged areas;
// then puts the page breaks of the n + 1 blocks (SpanPageBreaks, at most the 1026 a sheet
// holds).
void RepeatSpanBlocks(xls::Worksheet &sheet, int n);

// The load table, the critical spans (P20..P22; an imaginary l1 or l3 as the text of
// "Imaginary" in lang), and mode column `column` (1..17) with every span block of the mode's
// results. Throws velmora::Error "the report has no column for mode column 18" and
// "design mode 0 does not exist" for numbers out of range.
void WriteMode(xls::Worksheet &sheet, const CalcResults &results, int column,
               const ModeResults &mode, Lang lang, const UnitFactors &units);

// Everything a calculation adds to the input block: when results.status is Calculated, one
// span block per entry of results.spans (RepeatSpanBlocks) and a mode column per taken mode in
// ascending order; nothing otherwise.
void WriteResults(xls::Worksheet &sheet, const CalcResults &results, Lang lang,
                  const UnitFactors &units);

} // namespace reportcells
} // namespace velmora
