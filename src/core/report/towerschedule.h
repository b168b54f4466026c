#pragma once

#include "calc/linecheck.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <string>

namespace velmora {

// The tower-schedule form for a language and units mode, relative to the program's folder:
// "Forms/FormTowers_en.xls", "Forms/FormTowersN_en.xls" (units mode 1), "Forms/FormTowers_ru.xls",
// "Forms/FormTowersN_ru.xls".
std::string TowerScheduleFormName(bool english, int units);

// Where the values go on the form's first sheet (zero-based rows and columns; the form is made
// by share/forms/tower_forms.py, which describes the same cells).
namespace towercells {

inline constexpr int TemplateRow = 1; // C2 the template's name, H2 σ, K2 C
inline constexpr int TemplateNameCol = 2;
inline constexpr int StressCol = 7;
inline constexpr int ClearanceCol = 10;
inline constexpr int TowerRow = 3; // row 4, copied once per tower
inline constexpr int TotalsRow = 4; // row 5, moved below the last tower
inline constexpr int LastCol = 10; // K
// The columns of a tower's row, A..K.
enum Column {
    Number,
    Station,
    Type,
    Ground,
    Attachment,
    SpanAhead,
    WindSpan,
    WeightSpan,
    WeightSpanCold,
    SpanClearance,
    Check
};
inline constexpr int TowerCountCol = 2; // C of the totals
inline constexpr int CostCol = 5; // F
inline constexpr int LengthCol = 8; // I

} // namespace towercells

// The text of a tower's check in lang: "OK" or what fails ("wind span, weight span in the
// cold, clearance ahead, crossing ahead").
std::string TowerCheckText(const LineCheck &check, std::size_t tower, Lang lang);

// Writes the schedule of the checked line into a copy of the form at formPath and saves it as
// outPath (a temporary file beside it, renamed over it): one row per tower, then the totals
// (towers, total cost of their types, line length). templateName heads it with the template's
// stress (through units) and clearance. Throws velmora::Error, in lang: "The tower schedule form
// <formPath> cannot be read: <reason>", more towers than a sheet holds, and the workbook's errors
// while saving (naming the file). Nothing is written then.
void WriteTowerSchedule(const std::string &formPath, const std::string &outPath,
                        const std::string &templateName, const LineProfile &line,
                        const LineCheck &check, Lang lang, UnitFactors units);

} // namespace velmora
