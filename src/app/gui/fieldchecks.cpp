#include "gui/fieldchecks.h"

#include "gui/numberfields.h"
#include "gui/uitext.h"

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

} // namespace velmora
