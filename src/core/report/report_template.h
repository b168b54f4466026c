#pragma once

#include "l10n/coretexts.h"

#include <string>

namespace velmora {

// The report's template workbook for a language and units mode, relative to the program's
// folder: "Forms/FormMech_en.xls", "Forms/FormMechN_en.xls" (units mode 1),
// "Forms/FormMech_ru.xls", "Forms/FormMechN_ru.xls". Any units mode other than 0 is mode 1.
std::string ReportTemplateName(Lang lang, int units);

} // namespace velmora
