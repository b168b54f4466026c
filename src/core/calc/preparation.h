#pragma once

#include "calc/calc_args.h"
#include "catalogue/wires.h"
#include "data/project.h"
#include "data/wirerec.h"
#include "l10n/coretexts.h"

#include <string>
#include <vector>

namespace velmora {

// One finding about the input: the field it concerns and what is wrong, in the language asked.
struct InputFinding
{
    // The project's name of the field ("Tols", "VMax", "Min_Prol", "Provod", "Sech", "Koef"
    // ...); empty when the finding concerns no one field.
    std::string field;
    std::string text;
    bool operator==(const InputFinding &) const = default;
};

// A project made ready for calculation: its wire, the arguments of the engine, and what the
// input checks found.
struct PreparedCalculation
{
    TWireRec wire; // the empty record when the wire is missing (then refused)
    CalcArgs args; // set only when nothing is refused
    // Impossible input: nothing may be calculated while any is here.
    std::vector<InputFinding> refusals;
    // Implausible input: shown beside the results, never stopping them.
    std::vector<InputFinding> warnings;

    bool Refused() const { return !refusals.empty(); }
};

// Whether the calculation sweeps the project's span range, or brings spans of its own (the
// stringing tables of the sections, a sag template's design span).
enum class SpanUse {
    ProjectRange,
    OwnSpans, // the span range is not checked
};

// The one way from a project to a calculation, for every caller (the command line, the
// results pane, the report, the stringing window): finds the project's wire in the catalogue,
// checks the input and builds the arguments. Refuses a negative ice wall or wind, a value that
// is not finite, T_Min above T_Max, a span range the engine refuses or at or below 0 m, a
// missing wire, and a wire whose diameter, section, weight or modulus is not above 0 or whose
// coefficient is not finite. Warns of an average temperature outside [T_Min, T_Max], a
// maximum wind below the wind with ice, a temperature outside −80…+80 °C, a wind above 60 m/s,
// ice above 60 mm, a height above 300 m, and coefficients the project file could not give.
PreparedCalculation PrepareCalculation(const TProject &project, const TWiresList &catalogue,
                                       Lang lang, SpanUse spans = SpanUse::ProjectRange);

// The refusals as one text, a line each (what a refused calculation says).
std::string RefusalText(const PreparedCalculation &prepared);

// The refusals of a sag template's own values (scales, span, heights, clearance, reserve):
// each not finite or outside the template editor's range, naming its field.
std::vector<InputFinding> TemplateRefusals(const TShablon &shablon, Lang lang);

} // namespace velmora
