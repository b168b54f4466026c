#include "gui/stringing/stringinggrid.h"

#include "gui/numberfields.h"
#include "gui/uitext.h"

namespace velmora {

QString FixedText(double value, int decimals)
{
    return QString::number(value, 'f', decimals); // QString::number ignores the locale
}

StringingGrid StringingGridOf(const SectionTable &entry, double forceFactor)
{
    const StringingTable &t = entry.table;
    StringingGrid grid;
    grid.heading << UiText("No_") << UiText("Span_m");
    for (double temperature : t.temperatures)
        grid.heading << DecimalText(temperature) + QStringLiteral(" °C");

    for (std::size_t i = 0; i < t.sags.size(); ++i) {
        QStringList row {QString::number(i + 1), DecimalText(entry.section.Spans[i])};
        for (double sag : t.sags[i])
            row << FixedText(sag, 2);
        grid.rows << row;
    }
    grid.reducedRow = static_cast<int>(grid.rows.size());
    QStringList reduced {UiText("Reduced_span_lr"), FixedText(t.reducedSpan, 2)};
    for (double sag : t.sagReduced)
        reduced << FixedText(sag, 2);
    grid.rows << reduced;

    const bool kiloNewtons = forceFactor != 1;
    QStringList force {UiText("Tensile_force_T").arg(UiText(kiloNewtons ? "kN" : "daN")),
                       QString()};
    for (double tension : t.tension)
        force << FixedText(forceFactor * tension, kiloNewtons ? 3 : 1);
    grid.rows << force;
    return grid;
}

QString TabSeparated(const StringingGrid &grid)
{
    QString text = grid.heading.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : grid.rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

} // namespace velmora
