#include "l10n/localization.h"
#include "l10n/texts.h"

namespace velmora {

// The stringing-table window's entries; %1, %2 ... are filled in by the window.
void RegisterStringingTexts()
{
    AddText("Stringing_tables", "Stringing tables;Монтажные таблицы");
    AddText("Anchor_sections", "Anchor sections;Анкерные участки");
    AddText("Add_section", "Add;Добавить");
    AddText("Rename_section", "Rename...;Переименовать...");
    AddText("Duplicate_section", "Duplicate;Дублировать");
    AddText("New_section_name", "Anchor section %1;Анкерный участок %1");
    AddText("Copy_of_section", "%1 (copy);%1 (копия)");
    AddText("Section_name", "Name of the anchor section:;Название анкерного участка:");
    AddText("delete_section",
            "Are you sure you would like to delete the anchor section \"%1\"?;"
            "Вы уверены, что хотите удалить анкерный участок «%1»?");
    AddText("Section_spans", "Spans of the section;Пролёты участка");
    AddText("Span_m", "Span, m;Пролёт, м");
    AddText("Paste_spans", "Paste;Вставить");
    AddText("Import_spans", "Import...;Импорт...");
    AddText("Import_spans_title",
            "Spans from a CSV or text file;Пролёты из файла CSV или текстового файла");
    AddText("Spans_file_empty", "The file \"%1\" holds no spans.;В файле «%1» нет пролётов.");
    AddText("Stringing_temperatures", "Stringing temperatures, °C;Температуры монтажа, °C");
    AddText("From_", "From:;От:");
    AddText("To_", "To:;До:");
    AddText("Step_", "Step:;Шаг:");
    AddText("Table_tab", "Table;Таблица");
    AddText("Plot_tab", "Sags;Стрелы провеса");
    AddText("Air_temperature", "Air temperature, °C;Температура воздуха, °C");
    AddText("Sag_m", "Sag, m;Стрела провеса, м");
    AddText("Tensile_force_T", "Tensile force T, %1;Тяжение T, %1");
    AddText("Reduced_span_lr", "l_r;l_пр");
    AddText("Span_series", "Span %1, %2 m;Пролёт %1, %2 м");
    AddText("Reduced_series", "l_r = %1 m;l_пр = %1 м");
    AddText("No_", "No.;№");
    AddText("Stringing_summary",
            "Reduced span l_r = %1 m, initial state %2 (%3), wire %4.;"
            "Приведённый пролёт l_пр = %1 м, исходный режим %2 (%3), провод %4.");
    // The mark of a table whose initial state %1 goes beyond a permissible stress at l_r, and
    // its tooltip's line for each design mode: %1 the mode, %2 its stress, %3 the limit, %4
    // the unit.
    AddText("Stringing_over_limit",
            "From state %1 the wire goes above the permissible stress at l_r (see the tooltip).;"
            "От режима %1 провод при l_пр нагружен выше допускаемого напряжения (см. подсказку).");
    AddText("Stringing_over_limit_line", "Mode %1: %2 > %3 %4;Режим %1: %2 > %3 %4");
    AddText("State_1", "average annual temperature;среднегодовая температура");
    AddText("State_2", "minimum temperature;низшая температура");
    AddText("State_3", "maximum load;наибольшая нагрузка");
    AddText("No_sections",
            "The project has no anchor sections: add one to calculate its stringing table.;"
            "В проекте нет анкерных участков: добавьте участок, чтобы рассчитать его "
            "монтажную таблицу.");
    AddText("Correct_spans_first",
            "Correct the spans of this section first:\r\n%1;"
            "Сначала исправьте пролёты этого участка:\r\n%1");
    AddText("Stringing_to_Excel", "To Excel...;В Excel...");
    AddText("Stringing_save_title",
            "Stringing tables to an Excel file;Сохранение монтажных таблиц в Excel файл");
    AddText("Copy_table", "Copy;Копировать");
    AddText("Print_table", "Print...;Печать...");
}

} // namespace velmora
