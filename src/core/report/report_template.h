#pragma once

#include <string>

namespace velmora {

// The report's template workbook for a language and units mode, relative to the program's
// folder: "Forms/FormMech_en.xls", "Forms/FormMechN_en.xls" (units mode 1),
// "Forms/FormMech_ru.xls", "Forms/FormMechN_ru.xls". Any units mode other than 0 is mode 1.
std::string ReportTemplateName(bool english, int units);

// The same for the current language (IsEnglish) and units mode (ReadUnits).
std::string CurrentReportTemplateName();

} // namespace velmora
