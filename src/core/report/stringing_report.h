#pragma once

#include "calc/stringing.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <string>
#include <vector>

namespace velmora {

struct TWireRec;

// The stringing-table form for a language and units mode, relative to the program's folder:
// "Forms/FormStringing_en.xls", "Forms/FormStringingN_en.xls" (units mode 1),
// "Forms/FormStringing_ru.xls", "Forms/FormStringingN_ru.xls". Any units mode other than 0
// is mode 1.
std::string StringingFormName(bool english, int units);

// Where the values go on the form's first sheet (zero-based rows and columns; the form is made
// by share/forms/stringing_forms.py, which describes the same cells). The form holds every
// label, unit and number format; the writer puts values into its cells.
namespace stringingcells {

inline constexpr int WireRow = 0; // D1 the wire, N1 its cross-section in mm²
inline constexpr int WireCol = 3;
inline constexpr int SechCol = 13;
// Rows 1..2 are printed on every page; row 3 is the empty row put after every block.
inline constexpr int TitleRows = 2;
inline constexpr int GapRow = 2;

// The block of one section, rows 4..11: name (D4), reduced span (D5), initial state (K5),
// number of spans (Q5); then by column C..S one temperature each: the temperature (row 6),
// the stress (7), the tensile force (8), the sag at the reduced span (10, with the reduced
// span in B10); row 11 is the row of one span (number A, span B, sags C..S).
inline constexpr int BlockFirstRow = 3;
inline constexpr int BlockRows = 8; // with one span row
inline constexpr int NameOffset = 0;
inline constexpr int NameCol = 3;
inline constexpr int InfoOffset = 1;
inline constexpr int ReducedSpanCol = 3;
inline constexpr int StateCol = 10;
inline constexpr int SpanCountCol = 16;
inline constexpr int TemperatureOffset = 2;
inline constexpr int StressOffset = 3;
inline constexpr int TensionOffset = 4;
inline constexpr int ReducedSagOffset = 6;
inline constexpr int SpanRowOffset = 7;
inline constexpr int NumberCol = 0;
inline constexpr int SpanCol = 1;
inline constexpr int FirstTemperatureCol = 2;
inline constexpr int LastCol = 18;

// A block shows at most this many temperatures and spans; a section with more goes on in
// further blocks (all its spans for the first 17 temperatures, then for the next 17, ...).
inline constexpr int TemperaturesPerBlock = 17;
inline constexpr int SpansPerBlock = 25;

// The height of what a printed page holds below its margins, header and footer, in twips
// (1/20 pt), as LibreOffice prints the form at 100 % on landscape A4 (found to lie between
// 9 803 and 9 996; Excel, inside the form's margins of 1.6 cm, has about 10 090): a little
// less, so that no block that fits by this count is cut by the printer. The rows of a block of
// SpansPerBlock spans and the repeated rows fit into it.
inline constexpr int PageBodyHeight = 9400;

} // namespace stringingcells

// Writes the stringing tables of sections into a copy of the form at formPath and saves it as
// outPath (a temporary file beside it, renamed over it): one block per section and per 17
// temperatures and 25 spans, a page break before every block that would not fit on the page
// any more; values through the factors of units. Reads nothing but its arguments.
//
// Throws velmora::Error, in language: "The stringing form <formPath> cannot be read:
// <reason>"; no sections, or a section without a table (its warning is the message); tables
// that need more rows than a sheet holds; a table that does not match its section; and the
// workbook's errors while saving (naming the file). Nothing is written then.
void WriteStringingReport(const std::string &formPath, const std::string &outPath,
                          const TWireRec &wire, const std::vector<SectionTable> &sections,
                          Lang language, UnitFactors units);
// The bytes of that workbook, with the same errors but none of writing a file.
std::string StringingReportBytes(const std::string &formPath, const TWireRec &wire,
                                 const std::vector<SectionTable> &sections, Lang language,
                                 UnitFactors units);

} // namespace velmora
