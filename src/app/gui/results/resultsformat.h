#pragma once

#include "calc/results.h"
#include "l10n/units.h"

#include <QString>

namespace velmora {

class ProgramContext;

// The units a results window shows, from the units mode of its context: factors and words.
struct ShownUnits
{
    UnitFactors factors;
    QString stress; // "daN/mm²" or "N/mm²"
    QString force; // "daN" or "kN"
    QString perMetre; // load per metre: "daN/m" or "N/m"
    QString specific; // specific load: "daN/(m·mm²)" or "N/(m·mm²)"
    QString modulus; // "daN/mm²" or "kN/mm²"
};
// The units of the context's mode, in its language.
ShownUnits ShownUnitsOf(const ProgramContext &context);

// What the results table and the stress plot show of a mode.
enum class Quantity {
    Stress, // σ × the stress factor
    Force, // tensile force × the force factor
    Sag, // m
};

// The value of quantity at span entry i of a mode, in the shown units.
double ShownValue(const ModeResults &mode, Quantity quantity, std::size_t i,
                  const UnitFactors &factors);
// The unit of quantity ("daN/mm²", "kN", "m").
QString QuantityUnit(Quantity quantity, const ShownUnits &units);
// The quantity's name in the current language ("Stress", "Tensile force", "Sag").
QString QuantityName(Quantity quantity);
// A shown value with the decimals that suit its quantity and unit ("9.000", "91.2", "6.819").
QString ValueText(double value, Quantity quantity, const UnitFactors &factors);

// A number for reading: at most `digits` significant digits, "." as the point ("26.3157").
QString ShortNumber(double value, int digits = 6);

// Words of the current language.
QString ModeDescription(int mode, const DesignMode &conditions); // "Ice with wind"
QString StateWords(InitialState state); // "from the minimum temperature"
QString OrderWords(SpanOrder order); // "reverse order"
// A critical span as the summary shows it: "26.3157 m", or the string table's "Imaginary".
QString CriticalSpanText(const std::optional<double> &span);
// "10–20 m: from the minimum temperature", one line per range of spans.
QStringList GoverningLines(const CalcResults &results);

} // namespace velmora
