#include "gui/fieldchecks.h"

#include "calc/driver.h"
#include "catalogue/catalogue.h"
#include "catalogue/nearestname.h"
#include "common/cp1251.h"
#include "gui/numberfields.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <QStringList>

namespace velmora {

QString NotANumberText(const QString &field, const QString &typed)
{
    return UiText("Field_not_number").arg(field, typed);
}

QString NotNegativeText(const QString &field)
{
    return UiText("Field_not_negative").arg(field);
}

QString PositiveText(const QString &field)
{
    return UiText("Field_positive").arg(field);
}

QString Cp1251Refusal(const QString &field, const QString &typed)
{
    const QString outside = QString::fromStdString(CharactersOutsideCp1251(typed.toStdString()));
    if (outside.isEmpty())
        return {};
    QStringList characters;
    for (const QChar *c = outside.cbegin(); c != outside.cend(); ++c) {
        // A character beyond the first 65 536 is two UTF-16 units.
        const int units = c->isHighSurrogate() && c + 1 != outside.cend() ? 2 : 1;
        characters << QString(c, units);
        c += units - 1;
    }
    return UiText("Not_in_1251").arg(field, characters.join(QStringLiteral(" ")));
}

FieldRefusal ImpossibleClimate(const TDAT &dat)
{
    const std::pair<const char *, double> values[] = {
        {"Max_wind_velocity", dat.VMax},
        {"Wind_velocity_with_ice", dat.Vgol},
        {"Ice_thickness", dat.Tols},
    };
    for (const auto &[labelKey, value] : values) {
        if (value < 0)
            return {labelKey, NotNegativeText(FieldName(UiText(labelKey)))};
    }
    return {};
}

QString DataEntryRefusal(const QString &text)
{
    return UiText("Error_data_entry") + QStringLiteral("!\n") + text;
}

FieldRefusal ClimateRefusal(const TDAT &dat)
{
    FieldRefusal impossible = ImpossibleClimate(dat);
    if (impossible.Refused())
        impossible.text = DataEntryRefusal(impossible.text);
    return impossible;
}

FieldRefusal InputRefusal(const TDAT &dat, const ProgramContext &context)
{
    const TWiresList &catalogue = context.Catalogue();
    if (catalogue.FindByName(dat.Provod).Name.empty())
        return {"Type_of_wire",
                QString::fromStdString(MissingWireText(catalogue, dat.Provod, context.Language()))};
    return ClimateRefusal(dat);
}

FieldRefusal SpanRefusal(const TDAT &dat, Lang lang)
{
    const std::string refusal = SpanRangeRefusal(dat.Min_Prol, dat.Max_Prol, dat.Shag, lang);
    if (!refusal.empty())
        return {nullptr, QString::fromStdString(refusal)};
    // One span gives a report of empty tables.
    if (SpanCount(dat.Min_Prol, dat.Max_Prol, dat.Shag) < 2)
        return {nullptr, DataEntryRefusal(UiText("Two_spans", lang))};
    return {};
}

FieldRefusal CalculationRefusal(const TDAT &dat, const ProgramContext &context)
{
    FieldRefusal refusal = InputRefusal(dat, context);
    return refusal.Refused() ? refusal : SpanRefusal(dat, context.Language());
}

} // namespace velmora
