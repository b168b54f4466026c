#pragma once

#include "data/project.h"

#include <QString>

namespace velmora {

// Refusals of impossible values; each names the field by its label (FieldName), in the
// current language.
QString NotANumberText(const QString &field, const QString &typed);
QString NotNegativeText(const QString &field);
QString PositiveText(const QString &field);

struct FieldRefusal
{
    const char *labelKey = nullptr; // the string-table key of the field's label; null: none
    QString text;
};

// What no line has: a negative ice wall or wind velocity. The refusal of the first such
// field of the main window, or none.
FieldRefusal ImpossibleClimate(const TDAT &dat);

} // namespace velmora
