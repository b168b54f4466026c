#include "gui/results/resultsformat.h"

#include "gui/uitext.h"

#include <QStringList>

namespace velmora {

ShownUnits ShownUnitsOf(const ProgramContext &context)
{
    ShownUnits u;
    u.factors = context.Factors();
    const bool newtons = u.factors.stress != 1;
    const Lang lang = context.Language();
    u.stress = UiText(newtons ? "Res_N_mm2" : "Res_daN_mm2", lang);
    u.force = UiText(newtons ? "kN" : "daN", lang);
    u.perMetre = UiText(newtons ? "Res_N_m" : "Res_daN_m", lang);
    u.specific = UiText(newtons ? "Res_N_mmm" : "Res_daN_mmm", lang);
    u.modulus = UiText(newtons ? "Res_kN_mm2" : "Res_daN_mm2", lang);
    return u;
}

double ShownValue(const ModeResults &mode, Quantity quantity, std::size_t i,
                  const UnitFactors &factors)
{
    switch (quantity) {
    case Quantity::Stress:
        return factors.stress * mode.stress[i];
    case Quantity::Force:
        return factors.force * mode.force[i];
    case Quantity::Sag:
        break;
    }
    return mode.sag[i];
}

QString QuantityUnit(Quantity quantity, const ShownUnits &units)
{
    switch (quantity) {
    case Quantity::Stress:
        return units.stress;
    case Quantity::Force:
        return units.force;
    case Quantity::Sag:
        break;
    }
    return UiText("meter");
}

QString QuantityName(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Stress:
        return UiText("Res_stress");
    case Quantity::Force:
        return UiText("Res_force");
    case Quantity::Sag:
        break;
    }
    return UiText("Res_sag");
}

QString ValueText(double value, Quantity quantity, const UnitFactors &factors)
{
    int decimals = 3; // sags to the millimetre, daN/mm² to the thousandth
    if (quantity == Quantity::Stress && factors.stress != 1)
        decimals = 2;
    else if (quantity == Quantity::Force)
        decimals = factors.force != 1 ? 3 : 1;
    return QString::number(value, 'f', decimals);
}

QString ShortNumber(double value, int digits)
{
    return QString::number(value, 'g', digits);
}

QString ModeDescription(int mode, const DesignMode &conditions)
{
    if (mode >= 10)
        return UiText("Res_mode_t").arg(ShortNumber(conditions.temperature));
    return UiText(("Res_mode_" + std::to_string(mode)).c_str());
}

QString StateWords(InitialState state)
{
    return UiText(("Res_state_" + std::to_string(static_cast<int>(state))).c_str());
}

QString OrderWords(SpanOrder order)
{
    switch (order) {
    case SpanOrder::Normal:
        return UiText("Res_order_normal");
    case SpanOrder::Reverse:
        return UiText("Res_order_reverse");
    case SpanOrder::Other:
        break;
    }
    return UiText("Res_order_other");
}

QString CriticalSpanText(const std::optional<double> &span)
{
    if (!span)
        return UiText("Imaginary");
    return ShortNumber(*span) + QLatin1Char(' ') + UiText("meter");
}

QStringList GoverningLines(const CalcResults &results)
{
    QStringList lines;
    for (const StateRange &range : results.ranges) {
        const QString words = StateWords(range.state);
        if (range.from_m == range.to_m)
            lines << UiText("Res_one_span").arg(ShortNumber(range.from_m), words);
        else
            lines << UiText("Res_range")
                         .arg(ShortNumber(range.from_m), ShortNumber(range.to_m), words);
    }
    return lines;
}

} // namespace velmora
