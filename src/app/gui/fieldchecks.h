#pragma once

#include "data/project.h"
#include "l10n/coretexts.h"

#include <QString>

namespace velmora {

class ProgramContext;

// Refusals of impossible values; each names the field by its label (FieldName), in the
// current language.
QString NotANumberText(const QString &field, const QString &typed);
QString NotNegativeText(const QString &field);
QString PositiveText(const QString &field);
// The refusal of a name with characters the files (Windows-1251) cannot hold, naming the
// field and those characters; empty when the name can be stored as typed.
QString Cp1251Refusal(const QString &field, const QString &typed);

struct FieldRefusal
{
    const char *labelKey = nullptr; // the string-table key of the field's label; null: none
    QString text; // the refusal as the user reads it; empty: nothing refused

    bool Refused() const { return !text.isEmpty(); }
};

// What no line has: a negative ice wall or wind velocity. The refusal of the first such
// field of the main window (its label and "must not be negative"), or none.
FieldRefusal ImpossibleClimate(const TDAT &dat);

// "Error data entry!\n" and text: how a refused input is worded.
QString DataEntryRefusal(const QString &text);

// The refusals of the main window's input, in the language of the context (its catalogue
// holds the wires), each shown as it is
// (the Calculate action in a box, the results pane and the previews in place). Each gives
// the first refusal that holds, or none:
//   ClimateRefusal: ImpossibleClimate, worded by DataEntryRefusal (what a drawing needs);
//   InputRefusal: a wire missing from the catalogue (MissingWireText, the wire's field), then the
//                 climate (what any calculation of the wire needs);
//   SpanRefusal: the SpanRangeRefusal of Min_Prol, Max_Prol and Shag, then fewer than two
//                spans (DataEntryRefusal of "Two_spans"), no field;
//   CalculationRefusal: InputRefusal, then SpanRefusal (what the Calculate action needs).
FieldRefusal ClimateRefusal(const TDAT &dat);
FieldRefusal InputRefusal(const TDAT &dat, const ProgramContext &context);
FieldRefusal SpanRefusal(const TDAT &dat, Lang lang);
FieldRefusal CalculationRefusal(const TDAT &dat, const ProgramContext &context);

} // namespace velmora
